// What one frame of play costs: a tick and a render with every cell of the field occupied.
#include <benchmark/benchmark.h>

#include <cstring>

#include "game.h"

namespace {

void fillEverything(Game& game) {
    for (int lane = 0; lane < kLaneCount; ++lane) {
        for (int cell = 0; cell < kCellsPerLane; ++cell) {
            game.lanes[lane][cell] = static_cast<Uint8>(1 + (lane + cell) % kTileColours);
        }
        for (int cell = 0; cell < kBasketDepth; ++cell) {
            game.bin[lane][cell] = static_cast<Uint8>(1 + (lane * cell) % kTileColours);
        }
    }
    for (int slot = 0; slot < kPaddleSlots; ++slot) {
        game.paddleStack[slot] = static_cast<Uint8>(slot + 1);
    }
}

void BM_TickAndRenderFullPlayfield(benchmark::State& state) {
    Game game;
    game.screen = SDL_SetVideoMode(800, 600, 8, SDL_HWSURFACE | SDL_DOUBLEBUF);
    game.buildPaddleSprite(1);
    game.loadSheets();
    game.state = GameState::Playing;
    for (auto _ : state) {
        // The tick moves every lane on; refilling keeps each frame as busy as the first.
        fillEverything(game);
        game.tick();
    }
    game.releaseResources();
}
BENCHMARK(BM_TickAndRenderFullPlayfield)->Unit(benchmark::kMicrosecond);

}  // namespace
