// Test fixture: SDL and SDL_ttf up on the dummy video driver with the game's 8-bit 800x600 screen.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

// True when the tests run on sdl12-compat (SDL 1.2 over SDL2, versions 1.2.50 and up) rather
// than on classic SDL 1.2.
bool onSdl12Compat();

class DummyScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The screen's pixel value for an exact colour, as the game would map it.
    Uint32 mapped(Uint8 r, Uint8 g, Uint8 b) const;
    Uint8 pixel(int x, int y) const { return pixelOf(screen, x, y); }

    static Uint8 pixelOf(SDL_Surface* surface, int x, int y);
    // The number of pixels of `value` in the given rectangle, which lies inside the surface.
    static int pixelsWithValue(SDL_Surface* surface, int x, int y, int w, int h, Uint32 value);
    // The number of pixels in the given rectangle that are not black.
    static int litPixels(SDL_Surface* surface, int x, int y, int w, int h);

    SDL_Surface* screen = nullptr;
};
