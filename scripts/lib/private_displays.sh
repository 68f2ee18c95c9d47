# shellcheck shell=bash
# Private displays for the game under test: an X server, and a Wayland compositor.
# Starts a private Xvfb, with a screen of $XVFB_SIZE (default 1024x768), and exports DISPLAY; stop
# it with stop_xvfb. Xvfb picks a free display
# number itself (-displayfd): one that no other X server on this machine listens on, also one in
# a chroot whose lock files this one cannot see, and it writes the number once it takes clients.
start_xvfb() {
    local number_file number=
    number_file=$(mktemp "${TMPDIR:-/tmp}/plimsdl-display-XXXXXX")
    Xvfb -displayfd 3 -screen 0 "${XVFB_SIZE:-1024x768}x24" -nolisten tcp -noreset \
        3>"$number_file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do
        read -r number <"$number_file" || true
        [ -n "$number" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$number_file"
    if [ -z "$number" ]; then
        stop_xvfb
        echo "no X server could be started" >&2
        return 1
    fi
    export DISPLAY=":$number"
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

# Starts a private Weston with its runtime folder $1 and backend $2 (headless, or x11 inside the
# Xvfb of start_xvfb), further arguments going to Weston, and exports XDG_RUNTIME_DIR and
# WAYLAND_DISPLAY for it. Its desktop is plain blue without a panel, so that the only black on it
# is a game's; its screen is $WESTON_SIZE (default 1024x768). Stop it with stop_weston.
start_weston() {
    local runtime=$1 backend=$2 size=${WESTON_SIZE:-1024x768}
    shift 2
    chmod 700 "$runtime"
    printf '[shell]\npanel-position=none\nbackground-color=0xff336699\n' >"$runtime/weston.ini"
    XDG_RUNTIME_DIR=$runtime weston --config="$runtime/weston.ini" --backend="$backend" \
        --renderer=pixman --width="${size%x*}" --height="${size#*x}" --socket=wayland-plimsdl --idle-time=0 "$@" \
        >"$runtime/weston.log" 2>&1 &
    WESTON_PID=$!
    export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-plimsdl
    for _ in $(seq 100); do
        [ -S "$runtime/wayland-plimsdl" ] && return 0
        kill -0 "$WESTON_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$runtime/weston.log" >&2
    stop_weston
    return 1
}

# The X display of the XWayland that a Weston started with --xwayland offers, such as ":1", once
# its log names it; empty when it does not within a few seconds.
weston_x_display() {
    local runtime=$1 display=
    for _ in $(seq 50); do
        display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' \
            "$runtime/weston.log")
        [ -n "$display" ] && break
        sleep 0.1
    done
    echo "$display"
}

# Stops the server start_weston started; never fails.
stop_weston() {
    if [ -n "${WESTON_PID:-}" ]; then
        kill "$WESTON_PID" 2>/dev/null || true
        wait "$WESTON_PID" 2>/dev/null || true
    fi
    WESTON_PID=
}
