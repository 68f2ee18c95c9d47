// Runs the benchmarks on SDL's dummy display, in a scratch copy of Data/ so that highscore files
// written along the way never land in the repository.
#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path makeScratchDataDir() {
    std::string pattern = (fs::temp_directory_path() / "plimsdl-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    const fs::path root = pattern;
    fs::copy(fs::path(PLIMSDL_SOURCE_DIR) / "Data", root / "Data");
    for (const auto& entry : fs::directory_iterator(root / "Data")) {
        if (entry.path().extension() == ".hsc") {
            fs::remove(entry.path());
        }
    }
    return root;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const fs::path scratch = makeScratchDataDir();
    if (scratch.empty()) {
        return 1;
    }
    fs::current_path(scratch);
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || TTF_Init() < 0) {
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    TTF_Quit();
    SDL_Quit();
    fs::remove_all(scratch);
    return 0;
}
