// Bringing what changed on the 8-bit stage to the window, each stage pixel as a square block of
// window pixels. Works on plain rows of bytes, so the rules are tested without a display.
#pragma once

#include <SDL.h>

#include <vector>

// 8-bit pixels in memory, `pitch` bytes from one row to the next.
struct PixelRows {
    Uint8* pixels;
    int pitch;
};

// Appends to `areas` the rectangles of the `width` x `height` picture `now` that differ from
// `before`: one for each run of consecutive rows that differ, as wide as the columns that differ
// in any of them. Nothing when the two are the same.
void findChangedAreas(const PixelRows& now, const PixelRows& before, int width, int height,
                      std::vector<SDL_Rect>* areas);

// Copies `area` of `from` into `to`, every pixel as a `scale` x `scale` block: pixel (x, y) of
// `from` fills the block whose corner is (x * scale, y * scale) of `to`.
void copyScaled(const PixelRows& from, const PixelRows& to, const SDL_Rect& area, int scale);
