#!/usr/bin/env bash
# The game on a Wayland desktop, started as a player there starts it: under a headless Weston,
# with no X display and no setting of the player's. It must open its window with its own
# defaults, keep running without "Fehler bei Bildschirm init.!", show its window (black, as the
# game's screen is until the first key press) on Weston's screen, and end with 0 when the
# session asks it to (SIGTERM).
# Usage: tests/e2e/wayland_start.sh <plimsdl binary>
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/private_displays.sh
source scripts/lib/game_under_test.sh

binary=$(realpath "$1")
runtime=$(mktemp -d "${TMPDIR:-/tmp}/plimsdl-wayland-XXXXXX")
work=$(make_game_dir)
cleanup() {
    if [ -n "${game_pid:-}" ]; then
        kill "$game_pid" 2>/dev/null || true
    fi
    stop_weston
    rm -rf "$runtime" "$work" || true
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    echo "The game said:" >&2
    cat "$work/err" >&2 || true
    exit 1
}

# --debug lets weston-screenshooter take the screen.
start_weston "$runtime" headless --debug
(cd "$work" && exec env -u DISPLAY -u SDL_VIDEODRIVER -u SDL_VIDEO_DRIVER \
    -u SDL_RENDER_DRIVER -u SDL_FRAMEBUFFER_ACCELERATION SDL_AUDIODRIVER=dummy \
    "$binary" 2>"$work/err") &
game_pid=$!
# The black area of Weston's screen, whose background is blue: the game's window once it shows.
black_area() {
    rm -f "$runtime"/wayland-screenshot-*.png
    (cd "$runtime" && timeout 20 weston-screenshooter >/dev/null 2>&1) || return 1
    convert "$runtime"/wayland-screenshot-*.png -fill white +opaque black -format '%@' info:
}
# A loaded machine may take a while over the software renderer's start.
for _ in $(seq 20); do
    window=$(black_area) || fail "no screenshot"
    [[ "$window" == 800x600+* ]] && break
    sleep 0.5
done
[[ "$window" == 800x600+* ]] || fail "no 800x600 window on the screen (black area: $window)"
sleep 2
kill -0 "$game_pid" 2>/dev/null || { wait "$game_pid" || status=$?; fail "it ended with ${status:-0}"; }

kill -TERM "$game_pid"
status=0
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "still running 10 s after SIGTERM"
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || fail "it ended with $status after SIGTERM"
if grep -q 'Fehler bei Bildschirm init' "$work/err"; then
    fail "it reported a failed screen"
fi
echo "The game ran on Wayland and showed its window at $window."
