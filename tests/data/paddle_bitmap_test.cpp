// The paddle bitmap holds two layers of five frames that the sprite builder and drawing rely on.
#include <gtest/gtest.h>

#include "support/bitmap.h"
#include "playfield.h"

namespace {

constexpr int kCarriedTileWidth = 48;
// The tray is the bottom of every frame, below carried slot 0.
constexpr int kTrayRows = kCarriedTilePitch;

class ArtworkPaddleBitmap : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(paddle.loaded()) << SDL_GetError(); }

    int layerWidth() const { return paddle.width() / 2; }
    // Left edge of the shaded (0) or lit (1) layer.
    int layerLeft(int layer) const { return layer * layerWidth(); }

    Bitmap paddle{"player.bmp"};
};

}  // namespace

TEST_F(ArtworkPaddleBitmap, HasTwoLayersWithRoomForFiveFrames) {
    EXPECT_EQ(paddle.width() % 2, 0);
    EXPECT_GE(paddle.height(), paddleFrameTop(kPaddleFrameCount));
}

TEST_F(ArtworkPaddleBitmap, CarriedTilesSitInTheMiddle) {
    EXPECT_EQ(layerWidth() - kCarriedTileInset - kCarriedTileWidth, kCarriedTileInset);
}

TEST_F(ArtworkPaddleBitmap, EveryFrameHasATrayInItsBottomRows) {
    for (int frame = 0; frame < kPaddleFrameCount; ++frame) {
        const int trayTop = paddleFrameTop(frame) + paddleFrameHeight(frame) - kTrayRows;
        for (int layer = 0; layer < 2; ++layer) {
            EXPECT_GT(paddle.opaqueIn(layerLeft(layer), trayTop, layerWidth(), kTrayRows), 0)
                << "frame " << frame << ", layer " << layer;
        }
    }
}

TEST_F(ArtworkPaddleBitmap, BothLayersMarkThePlayerColourInWhiteInEveryFrame) {
    for (int frame = 0; frame < kPaddleFrameCount; ++frame) {
        for (int layer = 0; layer < 2; ++layer) {
            EXPECT_GT(paddle.whiteIn(layerLeft(layer), paddleFrameTop(frame), layerWidth(),
                                     paddleFrameHeight(frame)),
                      0)
                << "frame " << frame << ", layer " << layer;
        }
    }
}

TEST_F(ArtworkPaddleBitmap, LitPaintOnlyBrightensTheShadedBody) {
    // The lit layer is laid over the shaded one: its white must fall on the body the shaded
    // layer paints, and the shaded layer must paint more than the lit one, or nothing is shaded.
    int lit = 0;
    int shaded = 0;
    int litOffBody = 0;
    for (int y = 0; y < paddleFrameTop(kPaddleFrameCount); ++y) {
        for (int x = 0; x < layerWidth(); ++x) {
            const bool litWhite = paddle.white(layerLeft(1) + x, y);
            const bool shadedWhite = paddle.white(x, y);
            litOffBody += litWhite && !shadedWhite ? 1 : 0;
            lit += litWhite ? 1 : 0;
            shaded += shadedWhite ? 1 : 0;
        }
    }
    EXPECT_EQ(litOffBody, 0);
    EXPECT_GT(shaded, lit);
}

TEST_F(ArtworkPaddleBitmap, DropFramesChangeThePaddle) {
    // Frames are drawn bottom-aligned on screen, so compare them row by row from the bottom.
    const int restBottom = paddleFrameTop(0) + paddleFrameHeight(0) - 1;
    for (int frame = 1; frame < kPaddleFrameCount; ++frame) {
        const int bottom = paddleFrameTop(frame) + paddleFrameHeight(frame) - 1;
        int differing = paddle.opaqueIn(0, paddleFrameTop(frame), layerWidth(),
                                        paddleFrameHeight(frame) - paddleFrameHeight(0));
        for (int up = 0; up < paddleFrameHeight(0); ++up) {
            for (int x = 0; x < paddle.width(); ++x) {
                differing += paddle.raw(x, bottom - up) != paddle.raw(x, restBottom - up) ? 1 : 0;
            }
        }
        EXPECT_GT(differing, 0) << "frame " << frame;
    }
}
