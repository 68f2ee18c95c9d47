// The paddle sprite built from the real Data/player.bmp in each player colour, pixel by pixel, on
// whichever SDL 1.2 the tests run: white takes the paint (full in the lit layer, half in the
// shaded one), the lit layer lies over the shaded one, other colours are copied, black stays
// transparent.
#include <gtest/gtest.h>

#include <sstream>

#include "support/bitmap.h"
#include "game.h"
#include "player_colours.h"
#include "support/dummy_screen.h"

namespace {

class PaddleSpriteFromArtwork : public DummyScreenTest {
protected:
    // What one layer's pixel at (x, y) of the bitmap paints, or 0 (transparent) where it is black.
    Uint32 layerPixel(int x, int y, Uint8 r, Uint8 g, Uint8 b) const {
        if (bitmap.white(x, y)) {
            return mapped(r, g, b);
        }
        const SDL_Color kept = bitmap.colour(x, y);
        return bitmap.transparent(x, y) ? 0 : mapped(kept.r, kept.g, kept.b);
    }

    Uint32 expectedPixel(int x, int y, const PlayerColour& paint) const {
        const int half = bitmap.width() / 2;
        const Uint32 lit = layerPixel(half + x, y, paint.r, paint.g, paint.b);
        return lit != 0 ? lit : layerPixel(x, y, paint.r >> 1, paint.g >> 1, paint.b >> 1);
    }

    const Bitmap bitmap{"player.bmp"};
};

TEST_F(PaddleSpriteFromArtwork, EveryPlayerColourPaintsExactlyTheBitmapsWhite) {
    ASSERT_TRUE(bitmap.loaded()) << SDL_GetError();
    Game game;  // reads Data/player.bmp from the repository, the tests' working directory
    for (int colour = 0; colour < kPlayerColourCount; ++colour) {
        game.buildPaddleSprite(static_cast<Uint8>(colour));
        ASSERT_NE(game.paddleSprite, nullptr);
        int wrong = 0;
        std::ostringstream first;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width() / 2; ++x) {
                const Uint32 expected = expectedPixel(x, y, kPlayerColours[colour]);
                const Uint32 shown = pixelOf(game.paddleSprite, x, y);
                if (shown != expected && wrong++ == 0) {
                    first << " first at (" << x << ", " << y << "): " << shown << " instead of "
                          << expected;
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "colour " << colour << first.str();
    }
    game.releaseResources();
}

}  // namespace
