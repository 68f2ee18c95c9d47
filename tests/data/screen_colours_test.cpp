// On the game's 8-bit screen every bitmap keeps its exact colours, so nothing opaque turns into
// the transparent black and nothing but the paddle's white marks turns into white.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "support/bitmap.h"
#include "support/dummy_screen.h"

namespace {

class ArtworkOnScreen : public DummyScreenTest,
                        public ::testing::WithParamInterface<const char*> {};

std::tuple<int, int, int> key(SDL_Color c) {
    return {c.r, c.g, c.b};
}

// Names the cases after the file, without its extension.
std::string fileStem(const ::testing::TestParamInfo<const char*>& info) {
    const std::string name = info.param;
    return name.substr(0, name.find('.'));
}

}  // namespace

TEST_P(ArtworkOnScreen, UsesOnlyColoursThePaletteHolds) {
    const Bitmap bitmap(GetParam());
    ASSERT_TRUE(bitmap.loaded()) << SDL_GetError();
    ASSERT_NE(screen->format->palette, nullptr);
    std::set<std::tuple<int, int, int>> palette;
    for (int i = 0; i < screen->format->palette->ncolors; ++i) {
        palette.insert(key(screen->format->palette->colors[i]));
    }
    int outside = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            outside += palette.count(key(bitmap.colour(x, y))) == 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(outside, 0);
}

TEST_P(ArtworkOnScreen, ConversionToTheScreenKeepsEveryPixel) {
    const Bitmap bitmap(GetParam());
    ASSERT_TRUE(bitmap.loaded()) << SDL_GetError();
    SDL_Surface* converted = SDL_DisplayFormat(bitmap.surface());
    ASSERT_NE(converted, nullptr) << SDL_GetError();
    int changed = 0;
    int lostOrGained = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const Uint8 value = pixelOf(converted, x, y);
            SDL_Color shown{0, 0, 0, 0};
            SDL_GetRGB(value, converted->format, &shown.r, &shown.g, &shown.b);
            changed += key(shown) != key(bitmap.colour(x, y)) ? 1 : 0;
            lostOrGained += (value == 0) != bitmap.transparent(x, y) ? 1 : 0;
        }
    }
    SDL_FreeSurface(converted);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(lostOrGained, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryBitmap, ArtworkOnScreen,
                         ::testing::Values("steine.bmp", "trichter.bmp", "korb.bmp", "player.bmp"),
                         fileStem);
