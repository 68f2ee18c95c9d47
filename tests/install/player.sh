# What the install tests share: checks that are counted rather than stopping the run, and a
# player's session with the installed game in the Xvfb of scripts/lib/private_displays.sh (source
# it and scripts/lib/game_under_test.sh first).
# shellcheck shell=bash
# The session's results are read by the scripts that source this file.
# shellcheck disable=SC2034

passes=0
failures=0

# Runs the command after the description as one check; a failure is reported and counted.
check() {
    local what=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        echo "FAIL: $what" >&2
    fi
}

# Prints the closing count; fails when a check did.
finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# Prefixes a command to run it as a player without root's powers: uid 65534 when we are root,
# ourselves otherwise.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi

# The game's highlight red as its 8-bit screen shows it.
highlight_colour='rgb(182,0,0)'

# The highlighted pixels in the game window's area WxH+X+Y ($2): how many there are (`count`)
# or how wide they spread (`width`).
# shellcheck disable=SC2154  # window: set by wait_for_game_window
highlight() {
    local format='%[fx:round(mean*w*h)]'
    if [ "$1" = width ]; then
        format='%@'
    fi
    import -silent -window "$window" -depth 8 ppm:- 2>/dev/null |
        convert ppm:- -crop "$2" +repage -fill black +opaque "$highlight_colour" \
            -fill white -opaque "$highlight_colour" -format "$format" info: 2>/dev/null | sed 's/x.*//'
}

# Waits up to 10 seconds for highlighted pixels in the area $1.
shows_highlight() {
    local attempt
    for attempt in $(seq 50); do
        [ "$(highlight count "$1")" -gt 0 ] && return 0
        sleep 0.2
    done
    echo "attempt $attempt: nothing highlighted in $1" >&2
    return 1
}

# Starts the launcher $1 from an unrelated folder as a player whose HOME is $2, XDG_DATA_HOME
# unset; further arguments go before the launcher (such as "${as_player[@]}"). Checks that the
# menu works, opens the first highscore table and quits with Escape. Sets `first_name_width`
# (how wide the table's first name is drawn) and `exit_code`.
play_first_table() {
    local launcher=$1 home=$2 pid
    shift 2
    (cd / && exec timeout 60 env -u XDG_DATA_HOME -u SDL_VIDEODRIVER -u SDL_VIDEO_DRIVER \
        HOME="$home" SDL_AUDIODRIVER=dummy "$@" "$launcher") &
    pid=$!
    exit_code=0
    first_name_width=0
    if ! wait_for_game_window "$pid" 10; then
        check "the game's window opens" false
        [ -n "$game_status" ] || wait "$pid" || game_status=$?
        exit_code=${game_status:-0}
        return 0
    fi
    xdotool key --delay 60 a
    check "the home page shows with Start highlighted" shows_highlight 800x40+0+200
    xdotool key --delay 60 Down Down Return Return
    check "the first highscore table shows its caption" shows_highlight 800x50+0+10
    first_name_width=$(highlight width 340x32+215+70)
    xdotool key Escape
    wait "$pid" || exit_code=$?
}
