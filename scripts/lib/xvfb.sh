# shellcheck shell=bash
# Starts a private Xvfb on a free display number and exports DISPLAY; stop it with stop_xvfb.
start_xvfb() {
    local number
    for number in $(seq 91 199); do
        [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ] && continue
        Xvfb ":${number}" -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null &
        XVFB_PID=$!
        export DISPLAY=":${number}"
        for _ in $(seq 50); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            # A server that died (another one took the number first) is not waited for.
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        stop_xvfb
    done
    echo "no X server could be started" >&2
    return 1
}

# Stops the server start_xvfb started. Never fails, so a cleanup trap under `set -e` always
# runs to its end, whatever the server's exit status.
stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    XVFB_PID=
}

# Waits for the game's window and focuses it; prints its id.
wait_for_game_window() {
    local window
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name '^PlimSDL$' 2>/dev/null | head -n 1 || true)
        if [ -n "$window" ]; then
            timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
            echo "$window"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# A scratch working directory with the data the game needs to start.
make_game_dir() {
    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/plimsdl-run-XXXXXX")
    mkdir "$dir/Data"
    cp Data/*.bmp Data/boulder.ttf "$dir/Data/"
    echo "$dir"
}
