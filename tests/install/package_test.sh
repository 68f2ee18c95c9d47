#!/usr/bin/env bash
# The Debian package as a player meets it: installed with dpkg -i, started from the games path
# by a player without root's powers who opens a table, then removed with dpkg -r, which must
# take every file it installed and leave the player's tables. Needs root or sudo.
# Usage: tests/install/package_test.sh <plimsdl.deb>
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
tests=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/lib/private_displays.sh
source "$tests/../../scripts/lib/private_displays.sh"
# shellcheck source=../../scripts/lib/game_under_test.sh
source "$tests/../../scripts/lib/game_under_test.sh"
# shellcheck source=player.sh
source "$tests/player.sh"

deb=$(realpath "$1")
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
if dpkg-query -W -f='${Status}' plimsdl 2>/dev/null | grep -q 'ok installed'; then
    echo "plimsdl is installed on this machine already; remove it before testing the package" >&2
    exit 2
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/plimsdl-package-XXXXXX")
chmod 755 "$work"
# A run that fails half-way takes its package away again, so the next run can start.
cleanup() {
    stop_xvfb
    if dpkg-query -W -f='${Status}' plimsdl 2>/dev/null | grep -q 'ok installed'; then
        "${sudo[@]}" dpkg -r plimsdl >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

"${sudo[@]}" dpkg -i "$deb"
installed=$(dpkg-query -L plimsdl)
# dh_fixperms gives the data files root's usual 0644 (`cmake --install` makes them 0444): they are
# root's, so no player can change them.
check "the data files are root's with mode 644, the game and its launcher 755" diff - <(find \
    /usr/games/plimsdl /usr/libexec/plimsdl /usr/share/games/plimsdl/Data -type f \
    -printf '%m %u:%g %p\n' | LC_ALL=C sort) <<'EOF'
644 root:root /usr/share/games/plimsdl/Data/boulder-OFL.txt
644 root:root /usr/share/games/plimsdl/Data/boulder.ttf
644 root:root /usr/share/games/plimsdl/Data/korb.bmp
644 root:root /usr/share/games/plimsdl/Data/player.bmp
644 root:root /usr/share/games/plimsdl/Data/steine.bmp
644 root:root /usr/share/games/plimsdl/Data/trichter.bmp
755 root:root /usr/games/plimsdl
755 root:root /usr/libexec/plimsdl/plimsdl
EOF

home=$work/home
player=$home/.local/share/plimsdl
mkdir "$home"
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$home"
fi
check "a player's login shell finds the launcher on its PATH" [ "$("${as_player[@]}" \
    env -i HOME="$home" sh -l -c 'command -v plimsdl')" = /usr/games/plimsdl ]
start_xvfb
play_first_table /usr/games/plimsdl "$home" "${as_player[@]}"
stop_xvfb
check "Escape ends the game with 0" [ "$exit_code" -eq 0 ]
check "the table is written to the player's folder" [ "$(wc -l <"$player/Data/einfach.hsc")" = 15 ]
check "the installed files are unchanged" [ -z "$(dpkg --verify plimsdl)" ]
check "no table is written among the installed files" \
    [ -z "$(find /usr/share/games/plimsdl /usr/libexec/plimsdl -name '*.hsc')" ]
tables=$(md5sum "$player"/Data/*.hsc)

"${sudo[@]}" dpkg -r plimsdl
left=$(while read -r path; do
    [ -d "$path" ] || [ ! -e "$path" ] || echo "$path"
done <<<"$installed")
check "dpkg -r removes every installed file (left: $left)" [ -z "$left" ]
for folder in /usr/share/games/plimsdl /usr/libexec/plimsdl; do
    check "dpkg -r removes $folder" [ ! -e "$folder" ]
done
check "the player's tables stay" [ "$(md5sum "$player"/Data/*.hsc)" = "$tables" ]
finish
