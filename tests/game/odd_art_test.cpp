// Pictures of sizes the layout does not expect still draw without harm: frames are clipped to
// their sheets and the screen, never read or written outside them.
#include <gtest/gtest.h>

#include "game/playfield_fixture.h"

namespace {

class OddArtTest : public PlayfieldTest {
protected:
    void SetUp() override {}  // each test writes its own pictures first

    void startWith(int sheetSize) {
        PlayfieldTest::SetUp();
        for (const char* name : {"steine.bmp", "trichter.bmp", "korb.bmp", "player.bmp"}) {
            writePlainPicture(work.root() + "/Data/" + name, sheetSize, sheetSize);
        }
        game.buildPaddleSprite(3);
        game.releaseResources();
        game.buildPaddleSprite(3);
        game.loadSheets();
    }

    // Every cell full, and a render for every frame of the drop, in every lane.
    void playEverything() {
        for (auto& lane : game.lanes) {
            for (Uint8& cell : lane) {
                cell = 8;
            }
        }
        for (auto& column : game.bin) {
            for (Uint8& cell : column) {
                cell = 1;
            }
        }
        game.paddleStack[0] = game.paddleStack[1] = game.paddleStack[2] = 5;
        for (int lane = 0; lane < kLaneCount; ++lane) {
            game.paddleLane = static_cast<Uint8>(lane);
            for (int frame = 0; frame < kPaddleFrameCount; ++frame) {
                game.paddleFrame = static_cast<Uint8>(frame);
                game.render();
            }
        }
    }
};

TEST_F(OddArtTest, TinyPicturesDrawNothingOutsideTheScreen) {
    startWith(1);
    EXPECT_EQ(game.paddleSprite->w, 0);
    playEverything();
    EXPECT_EQ(game.paddleFrames[4].h, 64) << "the frames keep their heights";
}

TEST_F(OddArtTest, HugePicturesAreClippedToTheScreen) {
    startWith(1000);
    EXPECT_EQ(game.paddleSprite->w, 500);
    playEverything();
    EXPECT_GT(litPixels(screen, 0, 0, 800, 600), 0);
}

}  // namespace
