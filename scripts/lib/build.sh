# shellcheck shell=bash
# Configures and builds the game into build/ (or the directory given), warnings as errors.
build_game() {
    local dir="${1:-build}"
    shift || true
    cmake -S . -B "$dir" -DPLIMSDL_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
