#!/usr/bin/env bash
# The installed game as a player meets it: `cmake --install` into a staging folder, the files a
# desktop reads checked, the launcher run from elsewhere with a fresh HOME (twice, and once as a
# player without root's powers), and the launcher's refusals.
# Usage: tests/install/install_test.sh <build-dir>
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
tests=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/lib/private_displays.sh
source "$tests/../../scripts/lib/private_displays.sh"
# shellcheck source=../../scripts/lib/game_under_test.sh
source "$tests/../../scripts/lib/game_under_test.sh"
# shellcheck source=player.sh
source "$tests/player.sh"

build=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/plimsdl-install-XXXXXX")
chmod 755 "$work"  # the other player reads the installed game from here
trap 'stop_xvfb; rm -rf "$work"' EXIT

# 1. Installed under DESTDIR with a prefix of its own, it runs from there as it is.
DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/plimsdl >/dev/null
root=$work/stage/opt/plimsdl
launcher=$root/games/plimsdl
installed_data=$root/share/games/plimsdl/Data
check "the installed files" diff - <(cd "$root" && find . -type f -printf '%P\n' | sort) <<'EOF'
games/plimsdl
libexec/plimsdl/plimsdl
share/applications/plimsdl.desktop
share/games/plimsdl/Data/boulder-OFL.txt
share/games/plimsdl/Data/boulder.ttf
share/games/plimsdl/Data/korb.bmp
share/games/plimsdl/Data/player.bmp
share/games/plimsdl/Data/steine.bmp
share/games/plimsdl/Data/trichter.bmp
share/icons/hicolor/128x128/apps/plimsdl.png
share/icons/hicolor/256x256/apps/plimsdl.png
share/icons/hicolor/48x48/apps/plimsdl.png
share/icons/hicolor/64x64/apps/plimsdl.png
share/man/man6/plimsdl.6
share/metainfo/io.github.plimsdl.plimsdl.metainfo.xml
EOF
check "the installed data is read-only" [ -z "$(find "$installed_data" -perm /222 -type f)" ]
check "the menu entry starts the launcher" grep -qx 'Exec=/opt/plimsdl/games/plimsdl' \
    "$root/share/applications/plimsdl.desktop"
check "desktop-file-validate finds nothing" \
    [ -z "$(desktop-file-validate "$root/share/applications/plimsdl.desktop" 2>&1)" ]
# Older appstreamcli (0.16) only notes, as an info, the developer tag that newer ones ask for.
check "appstreamcli finds no error or warning" appstreamcli validate --no-net \
    "$root"/share/metainfo/io.github.plimsdl.plimsdl.metainfo.xml
check "the manual page renders without warnings" \
    [ -z "$(MANWIDTH=80 man --warnings -l "$root/share/man/man6/plimsdl.6" 2>&1 >/dev/null)" ]
check "shellcheck finds nothing in the launcher" shellcheck -s sh "$launcher"

installed_tree() {
    (cd "$root" && find . -printf '%p %M %s %T@ %l\n' && find . -type f -exec md5sum {} +) | sort
}
untouched=$(installed_tree)

# 2. A new player: the menu works, a table is written to their own folder, Escape ends.
start_xvfb
home=$work/home
player=$home/.local/share/plimsdl
mkdir "$home"
play_first_table "$launcher" "$home"
check "Escape ends the first game with 0" [ "$exit_code" -eq 0 ]
check "the default first row ':)' shows, narrow ($first_name_width)" \
    test "$first_name_width" -gt 0 -a "$first_name_width" -lt 60
check "the table is written to the player's folder" [ "$(wc -l <"$player/Data/einfach.hsc")" = 15 ]
check "the player's folder is private" [ "$(stat -c %a "$player")" = 700 ]

# 3. The same player again, after editing a table by hand and breaking two links.
printf 'Zacharias Zwiebel;99999\n' >"$player/Data/einfach.hsc"
printf 'Anna;1200\n' >"$player/Data/mittel.hsc"
printf 'notes\n' >"$player/notes.txt"
rm -f "$player/Data/korb.bmp"
ln -sf /nowhere "$player/Data/steine.bmp"
others=$(md5sum "$player/Data/mittel.hsc" "$player/notes.txt")
play_first_table "$launcher" "$home"
check "Escape ends the second game with 0" [ "$exit_code" -eq 0 ]
check "the edited first row shows ($first_name_width)" [ "$first_name_width" -gt 150 ]
check "the edited entry stays first" \
    [ "$(head -n 1 "$player/Data/einfach.hsc")" = 'Zacharias Zwiebel;99999' ]
for file in "$installed_data"/*; do
    check "$(basename "$file") is linked anew" \
        [ "$(readlink "$player/Data/$(basename "$file")")" = "$(realpath "$file")" ]
done
check "the player's other files are untouched" \
    [ "$(md5sum "$player/Data/mittel.hsc" "$player/notes.txt")" = "$others" ]

# 4. A player without root's powers.
other_home=$work/other
other_player=$other_home/.local/share/plimsdl
mkdir "$other_home"
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$other_home"
fi
play_first_table "$launcher" "$other_home" "${as_player[@]}"
check "Escape ends the other player's game with 0" [ "$exit_code" -eq 0 ]
check "the other player's table is theirs" \
    [ "$(stat -c %u "$other_player/Data/einfach.hsc")" = "$(stat -c %u "$other_home")" ]
stop_xvfb

# 5. Refusals, by the launcher under dash and under bash: each says why on standard error, exits 1,
# leaves every table as it was and makes nothing (the relative HOME would be made right here).
# Where a command failed, the system's reason follows the message: $3 is how it ends.
said_with_reason() {
    if [ -z "$3" ]; then
        [ "$1" = "$2" ]
    else
        [[ $1 == "$2 ("*": $3)" ]]
    fi
}
refuses() {
    local what=$1 message=$2 reason=$3 said status=0
    shift 3
    said=$(timeout 20 env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$@" 2>&1 >/dev/null) ||
        status=$?
    check "$what: exit code 1 (not $status)" [ "$status" -eq 1 ]
    check "$what: says '$message${reason:+ (...: $reason)}' (not '$said')" \
        said_with_reason "$said" "$message" "$reason"
}
tables=$(md5sum "$player"/Data/*.hsc "$other_player"/Data/*.hsc)
touch "$work/file"
ln -sf /nowhere "$other_player/Data/steine.bmp"
chmod 555 "$other_player/Data"
mkdir "$work/broken"
real_data=$(realpath "$installed_data")  # what the launcher links to
cd "$work"
made=$(ls -A)

for shell in dash bash; do
    cp -a "$work/stage/." "$work/broken"
    broken=$(realpath "$work/broken/opt/plimsdl")
    rm "$broken/share/games/plimsdl/Data/korb.bmp"
    refuses "$shell, without HOME and XDG_DATA_HOME" \
        "Kein Spielverzeichnis: weder HOME noch XDG_DATA_HOME ist gesetzt!" "" \
        env -u HOME -u XDG_DATA_HOME "$shell" "$launcher"
    refuses "$shell, with a relative HOME" \
        "Kein Spielverzeichnis: weder HOME noch XDG_DATA_HOME ist ein absoluter Pfad!" "" \
        env -u XDG_DATA_HOME HOME=relhome "$shell" "$launcher"
    refuses "$shell, with a folder that cannot be made" \
        "Konnte das Spielverzeichnis $work/file/plimsdl/Data nicht anlegen!" "File exists" \
        env HOME="$home" XDG_DATA_HOME="$work/file" "$shell" "$launcher"
    refuses "$shell, with a link to renew in a folder that cannot be written" \
        "Konnte $real_data/steine.bmp nicht nach $other_player/Data/steine.bmp verlinken!" \
        "Permission denied" \
        env -u XDG_DATA_HOME HOME="$other_home" "${as_player[@]}" "$shell" "$launcher"
    refuses "$shell, with installed data missing" \
        "Konnte $broken/share/games/plimsdl/Data/korb.bmp nicht finden!" "" \
        env -u XDG_DATA_HOME HOME="$home" "$shell" "$broken/games/plimsdl"
    rm "$broken/libexec/plimsdl/plimsdl"
    refuses "$shell, with the installed game missing" \
        "Konnte $broken/libexec/plimsdl/plimsdl nicht finden!" "" \
        env -u XDG_DATA_HOME HOME="$home" "$shell" "$broken/games/plimsdl"
done

check "every table is as it was" [ "$(md5sum "$player"/Data/*.hsc "$other_player"/Data/*.hsc)" = "$tables" ]
check "the refusals made nothing" [ "$(ls -A)" = "$made" ]
check "nothing under the prefix changed" [ "$(installed_tree)" = "$untouched" ]

# 6. Links and folders, under dash and under bash, with /bin/true standing in for the game and the
# installed data shared with the staged install.
mkdir -p "$work/quick/opt/plimsdl/libexec/plimsdl"
cp -a "$work/stage/opt/plimsdl/games" "$work/quick/opt/plimsdl"
ln -s "$work/stage/opt/plimsdl/share" "$work/quick/opt/plimsdl/share"
ln -s /bin/true "$work/quick/opt/plimsdl/libexec/plimsdl/plimsdl"
quick() { env -u XDG_DATA_HOME "$@" "$shell" "$work/quick/opt/plimsdl/games/plimsdl"; }
# The other player's folder is complete again, and they still may not write to it.
chmod 755 "$other_player/Data"
ln -sf "$real_data/steine.bmp" "$other_player/Data/steine.bmp"
chmod 555 "$other_player/Data"
for shell in dash bash; do
    check "$shell: a complete folder that cannot be written starts the game" \
        quick HOME="$other_home" "${as_player[@]}"
    font_link=$(stat -c %i "$player/Data/boulder.ttf")
    check "$shell: the game starts" quick HOME="$home"
    check "$shell: a link that leads to the installed file stays as it is" \
        [ "$(stat -c %i "$player/Data/boulder.ttf")" = "$font_link" ]
    # Only links are renewed: a folder and the player's own picture stay as they are.
    rm -rf "$player/Data/korb.bmp" "$player/Data/steine.bmp" "$work/folder"
    mkdir "$player/Data/korb.bmp" "$work/folder" && echo mine >"$player/Data/steine.bmp"
    ln -sfn "$work/folder" "$player/Data/trichter.bmp"
    check "$shell: the game starts with a folder under an artwork name" quick HOME="$home"
    check "$shell: no link is put inside a folder" \
        [ -z "$(find "$player/Data/korb.bmp" "$work/folder" -mindepth 1)" ]
    check "$shell: the player's own picture stays" [ "$(cat "$player/Data/steine.bmp")" = mine ]
    check "$shell: a link to a folder is renewed" [ "$(readlink "$player/Data/trichter.bmp")" = \
        "$(realpath "$work/quick/opt/plimsdl/share/games/plimsdl/Data/trichter.bmp")" ]
    check "$shell: an XDG_DATA_HOME ending in a line feed is taken as it is" \
        quick XDG_DATA_HOME="$work/$shell-xdg"$'\n'
    check "$shell: ...and nothing is made beside it" [ ! -e "$work/$shell-xdg" ]
    # CDPATH offers another games/ to a launcher started by a relative path; it keeps to its own.
    mkdir -p "$work/decoy/games"
    said=$(cd "$work/quick/opt/plimsdl" && CDPATH=$work/decoy env -u XDG_DATA_HOME HOME="$home" \
        "$shell" games/plimsdl 2>&1 && echo started) || true
    check "$shell: started as games/plimsdl with CDPATH set (said '$said')" [ "$said" = started ]
    refused=0
    for try in $(seq 20); do
        quick HOME="$work/$shell-race$try" & quick HOME="$work/$shell-race$try" || ((++refused))
        wait "$!" || ((++refused))
    done
    check "$shell: two launchers at once on a new folder both play ($refused refused)" \
        [ $refused = 0 ]
done
chmod 755 "$other_player/Data"
# bash looks a script named without a slash up in PATH when the current folder has none.
said=$(cd "$work" && PATH="$work/quick/opt/plimsdl/games:$PATH" HOME="$home" \
    env -u XDG_DATA_HOME bash plimsdl 2>&1 && echo started) || true
check "started as 'bash plimsdl', found in PATH (said '$said')" [ "$said" = started ]
finish
