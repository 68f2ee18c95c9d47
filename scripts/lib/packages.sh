# shellcheck shell=bash
# The package lists below are read by the scripts that source this file. Every name in them is one
# that Debian 12, 13 and unstable all have; ensure_test_stacks asks for the others only where
# they exist.
# shellcheck disable=SC2034
# Installs the Debian packages named as arguments that are not installed yet; nothing when all are.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ "${#missing[@]}" -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    # A fresh machine's package lists may be empty.
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# Runs the command as root: directly when we are root, through sudo otherwise.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Debian 12's SDL 1.2 is classic SDL 1.2, with sdl12-compat (SDL 1.2 over SDL2) beside it in
# libsdl1.2-compat; from Debian 13 on the system's SDL 1.2 is sdl12-compat itself, and unstable
# has no package of that name any more. The tests run on each SDL 1.2 the machine has, so that
# package is asked for only where the release offers it; where the system's SDL 1.2 is
# sdl12-compat, the tests also run the game on Wayland, in a headless Weston.
ensure_test_stacks() {
    if package_available libsdl1.2-compat; then
        ensure_packages libsdl1.2-compat
    else
        echo "No sdl12-compat beside the system's SDL 1.2: this release has no libsdl1.2-compat"
    fi
    if ! system_sdl_is_classic; then
        ensure_packages weston
    else
        echo "No run on Wayland: the system's SDL 1.2 is classic SDL 1.2, which knows no Wayland"
    fi
}

# Whether the machine's package lists offer the package named $1 in any version; lists that are
# still empty, as on a fresh machine, are fetched first, since they would answer no to everything.
package_available() {
    if ! package_lists_fetched; then
        as_root apt-get update
    fi
    [ -n "$(apt-cache madison "$1" 2>/dev/null)" ]
}

# Whether any of the package lists that apt-get update fetches is on this machine.
package_lists_fetched() {
    local list
    # shellcheck disable=SC2016  # $(FILENAME) is apt's own field name
    while read -r list; do
        [ -e "$list" ] && return 0
    done < <(apt-get indextargets --format '$(FILENAME)' 'Identifier: Packages' 2>/dev/null)
    return 1
}

system_sdl_is_classic() {
    [ "$(dpkg-query -W -f='${source:Package}' libsdl1.2debian 2>/dev/null)" = libsdl1.2 ]
}

# What building the game alone needs (scripts/play), and what its tests, benchmarks and artwork
# generator add. Xlib's header lets the game wait on its X connection between ticks.
PLAY_PACKAGES=(g++ cmake make pkgconf libsdl1.2-dev libsdl-ttf2.0-dev libx11-dev)
BUILD_PACKAGES=("${PLAY_PACKAGES[@]}" libgtest-dev libbenchmark-dev libpng-dev)

# What the install tests play and check the installed game with.
INSTALL_TEST_PACKAGES=(xvfb xdotool imagemagick desktop-file-utils appstream man-db shellcheck)
# What building and checking the Debian package needs (scripts/package).
PACKAGE_PACKAGES=(build-essential dpkg-dev debhelper lintian)
