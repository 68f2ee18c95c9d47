# shellcheck shell=bash
# Configures and builds the game, its tests and benchmarks into build/ (or the directory given),
# warnings as errors; further arguments go to cmake.
build_game() {
    local dir="${1:-build}"
    shift || true
    cmake -S . -B "$dir" -DPLIMSDL_WERROR=ON -DBUILD_TESTING=ON "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
