// What one menu text costs: the font is opened, used once and closed for every text.
#include <benchmark/benchmark.h>

#include "text.h"

namespace {

void BM_RenderText15CharactersAt30Points(benchmark::State& state) {
    setFontPath("Data/boulder.ttf");
    for (auto _ : state) {
        SDL_Surface* text = renderText("Highscore (Ein)", 30, highlightColour);
        benchmark::DoNotOptimize(text);
        SDL_FreeSurface(text);
    }
}
BENCHMARK(BM_RenderText15CharactersAt30Points)->Unit(benchmark::kMicrosecond);

}  // namespace
