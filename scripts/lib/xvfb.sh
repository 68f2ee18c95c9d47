# Starts a private Xvfb on a free display number and exports DISPLAY; stop it with stop_xvfb.
start_xvfb() {
    local number
    for number in $(seq 91 199); do
        [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ] && continue
        Xvfb ":${number}" -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null &
        XVFB_PID=$!
        export DISPLAY=":${number}"
        local tries
        for tries in $(seq 50); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    echo "no X server could be started" >&2
    return 1
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# Waits for the game's window and focuses it; prints its id.
wait_for_game_window() {
    local window tries
    for tries in $(seq 200); do
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
