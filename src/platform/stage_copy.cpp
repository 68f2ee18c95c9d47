// Bringing what changed on the 8-bit stage to the window.
#include "stage_copy.h"

#include <cstring>

namespace {

// Row `y` of `picture`, from column `x` on.
Uint8* pixelAt(const PixelRows& picture, std::ptrdiff_t x, std::ptrdiff_t y) {
    return picture.pixels + y * picture.pitch + x;
}

// The columns from `*first` to `*last` hold every difference between the two rows; false when
// there is none.
bool differingColumns(const Uint8* a, const Uint8* b, int width, int* first, int* last) {
    if (std::memcmp(a, b, static_cast<std::size_t>(width)) == 0) {
        return false;
    }
    int left = 0;
    while (a[left] == b[left]) {
        ++left;
    }
    int right = width - 1;
    while (a[right] == b[right]) {
        --right;
    }
    *first = left;
    *last = right;
    return true;
}

SDL_Rect makeArea(int left, int top, int right, int bottom) {
    return SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                    static_cast<Uint16>(right - left + 1), static_cast<Uint16>(bottom - top + 1)};
}

}  // namespace

void findChangedAreas(const PixelRows& now, const PixelRows& before, int width, int height,
                      std::vector<SDL_Rect>* areas) {
    int runTop = -1;
    int runLeft = 0;
    int runRight = 0;
    for (int y = 0; y < height; ++y) {
        int first = 0;
        int last = 0;
        if (!differingColumns(pixelAt(now, 0, y), pixelAt(before, 0, y), width, &first, &last)) {
            if (runTop >= 0) {
                areas->push_back(makeArea(runLeft, runTop, runRight, y - 1));
                runTop = -1;
            }
            continue;
        }
        if (runTop < 0) {
            runTop = y;
            runLeft = first;
            runRight = last;
        } else {
            runLeft = std::min(runLeft, first);
            runRight = std::max(runRight, last);
        }
    }
    if (runTop >= 0) {
        areas->push_back(makeArea(runLeft, runTop, runRight, height - 1));
    }
}

void copyScaled(const PixelRows& from, const PixelRows& to, const SDL_Rect& area, int scale) {
    const std::size_t width = area.w;
    for (std::ptrdiff_t y = area.y; y < area.y + area.h; ++y) {
        const Uint8* source = pixelAt(from, area.x, y);
        Uint8* first = pixelAt(to, std::ptrdiff_t{area.x} * scale, y * scale);
        if (scale == 1) {
            std::memcpy(first, source, width);
            continue;
        }
        Uint8* out = first;
        for (std::size_t x = 0; x < width; ++x) {
            std::memset(out, source[x], static_cast<std::size_t>(scale));
            out += scale;
        }
        // The block's other rows repeat its first.
        for (int copy = 1; copy < scale; ++copy) {
            std::memcpy(first + std::ptrdiff_t{copy} * to.pitch, first,
                        width * static_cast<std::size_t>(scale));
        }
    }
}
