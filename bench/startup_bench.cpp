// What the player waits for: start-up to the drawn menus, and building a highscore view.
#include <benchmark/benchmark.h>

#include "game.h"

namespace {

void BM_SetupToMenusDrawn(benchmark::State& state) {
    for (auto _ : state) {
        Game game;
        game.setup(1, false);
        benchmark::DoNotOptimize(game.menus);
        state.PauseTiming();
        game.releaseResources();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SetupToMenusDrawn)->Unit(benchmark::kMillisecond);

void BM_BuildHighscoreView(benchmark::State& state) {
    Game game;
    game.setup(1, false);
    for (auto _ : state) {
        game.buildHighscoreScreen(0);
        benchmark::DoNotOptimize(game.highscoreScreen);
    }
    game.releaseResources();
}
BENCHMARK(BM_BuildHighscoreView)->Unit(benchmark::kMillisecond);

}  // namespace
