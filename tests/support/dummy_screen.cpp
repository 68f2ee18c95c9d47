// Brings SDL up on the dummy video driver, the way the game opens its display.
#include "support/dummy_screen.h"

#include <SDL_ttf.h>

#include "screen.h"

bool onSdl12Compat() {
    constexpr Uint8 kFirstCompatPatch = 50;
    return SDL_Linked_Version()->patch >= kFirstCompatPatch;
}

void DummyScreenTest::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
    screen =
        SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_HWSURFACE | SDL_DOUBLEBUF);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
}

void DummyScreenTest::TearDown() {
    if (TTF_WasInit()) {
        TTF_Quit();
    }
    SDL_Quit();
}

Uint32 DummyScreenTest::mapped(Uint8 r, Uint8 g, Uint8 b) const {
    return SDL_MapRGB(screen->format, r, g, b);
}

Uint8 DummyScreenTest::pixelOf(SDL_Surface* surface, int x, int y) {
    // Every surface the game draws on is 8 bits deep: one byte a pixel.
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    return row[x];
}

int DummyScreenTest::pixelsWithValue(SDL_Surface* surface, int x, int y, int w, int h,
                                     Uint32 value) {
    int found = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            found += pixelOf(surface, column, row) == value ? 1 : 0;
        }
    }
    return found;
}

int DummyScreenTest::litPixels(SDL_Surface* surface, int x, int y, int w, int h) {
    return w * h - pixelsWithValue(surface, x, y, w, h, 0);
}
