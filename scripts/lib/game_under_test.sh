# shellcheck shell=bash
# The game as the scripts run it: a folder to start it in, and the wait for its window on the X
# display of scripts/lib/private_displays.sh.
# The window wait's results are read by the scripts that source this file.
# shellcheck disable=SC2034

# A scratch working directory with the data the game needs to start.
make_game_dir() {
    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/plimsdl-run-XXXXXX")
    mkdir "$dir/Data"
    cp Data/*.bmp Data/boulder.ttf "$dir/Data/"
    echo "$dir"
}

# Waits up to $2 seconds for the window of the game that this shell started in the background as
# process $1, and focuses it. Sets `window` to the window's id and `window_ms` to the milliseconds
# from the call until the window showed. Fails, saying why on standard error, when the time runs
# out or the game ends first; a game that ended is reaped, its exit status put in `game_status`,
# and what it wrote to the file $3 (if given) is shown.
wait_for_game_window() {
    # Microseconds on the wall clock, read without starting a process (and whatever the locale's
    # decimal separator).
    local pid=$1 seconds=$2 said=${3:-} started=${EPOCHREALTIME//[!0-9]/} elapsed_ms found
    window=
    game_status=
    while :; do
        found=$(xdotool search --onlyvisible --name '^PlimSDL$' 2>/dev/null | head -n 1 || true)
        elapsed_ms=$(((${EPOCHREALTIME//[!0-9]/} - started) / 1000))
        if [ -n "$found" ]; then
            window=$found
            window_ms=$elapsed_ms
            timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null || true
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            game_status=0
            wait "$pid" || game_status=$?
            echo "the game ended with exit status $game_status before its window showed" >&2
            break
        fi
        if [ "$elapsed_ms" -ge $((seconds * 1000)) ]; then
            echo "no game window within $seconds s" >&2
            break
        fi
        # Often in the first second, where a window usually shows (and is timed), then less
        # often, so that a slow start, under valgrind, is not slowed down by the looking.
        if [ "$elapsed_ms" -lt 1000 ]; then sleep 0.005; else sleep 0.05; fi
    done
    if [ -s "$said" ]; then
        echo "The game said:"
        cat "$said"
    fi >&2
    return 1
}
