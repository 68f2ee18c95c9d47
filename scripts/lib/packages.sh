# shellcheck shell=bash
# The package lists below are read by the scripts that source this file.
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

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    # A fresh machine's package lists may be empty.
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building the game, its tests and its benchmarks needs.
BUILD_PACKAGES=(g++ cmake make pkg-config libsdl1.2-dev libsdl-ttf2.0-dev libgtest-dev
                libbenchmark-dev libpng-dev)

# What the install tests play and check the installed game with.
INSTALL_TEST_PACKAGES=(xvfb xdotool imagemagick desktop-file-utils appstream man-db shellcheck)
# What building and checking the Debian package needs (scripts/package).
PACKAGE_PACKAGES=(build-essential dpkg-dev debhelper libx11-dev lintian)
