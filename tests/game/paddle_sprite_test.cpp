// The paddle sprite: two layers painted in the player's colour, and a fresh paddle every time.
#include <gtest/gtest.h>

#include "game/playfield_fixture.h"

namespace {

class PaddleSpriteTest : public PlayfieldTest {
protected:
    Uint8 spritePixel(int x, int y) const { return pixelOf(game.paddleSprite, x, y); }
};

struct Expected {
    Uint8 colour;
    Uint8 r, g, b;
};

TEST_F(PaddleSpriteTest, LitAreasTakeTheFullColourAndShadedAreasHalf) {
    const Expected cases[] = {
        {0, 255, 0, 0},     {1, 0, 255, 0},     {2, 0, 0, 255},
        {3, 255, 255, 0},   {4, 255, 0, 255},   {5, 0, 255, 255},
        {6, 255, 255, 255}, {7, 255, 255, 255}, {255, 255, 255, 255},
    };
    for (const Expected& c : cases) {
        game.buildPaddleSprite(c.colour);
        for (int y : {0, 100, 239}) {
            EXPECT_EQ(spritePixel(kPaddleLitColumn, y), mapped(c.r, c.g, c.b))
                << "colour " << int(c.colour);
            EXPECT_EQ(spritePixel(kPaddleShadedColumn, y), mapped(c.r >> 1, c.g >> 1, c.b >> 1))
                << "colour " << int(c.colour);
        }
    }
}

TEST_F(PaddleSpriteTest, OtherColoursAreCopiedAndEmptyAreasStayTransparent) {
    game.buildPaddleSprite(4);
    EXPECT_EQ(spritePixel(kPaddleTrimColumn, 50),
              mapped(kTestPaddleTrim.r, kTestPaddleTrim.g, kTestPaddleTrim.b));
    EXPECT_EQ(spritePixel(kPaddleEmptyColumn, 50), 0);
    EXPECT_TRUE(game.paddleSprite->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(game.paddleSprite->format->colorkey, 0u);
}

TEST_F(PaddleSpriteTest, SpriteIsHalfTheBitmapWithFiveFramesStackedFromTheTop) {
    EXPECT_EQ(game.paddleSprite->w, 96);
    EXPECT_EQ(game.paddleSprite->h, 240);
    int top = 0;
    for (int i = 0; i < kPaddleFrameCount; ++i) {
        const SDL_Rect& frame = game.paddleFrames[i];
        EXPECT_EQ(frame.x, 0);
        EXPECT_EQ(frame.y, top);
        EXPECT_EQ(frame.w, 96);
        EXPECT_EQ(frame.h, 32 + 8 * i);
        top += frame.h;
    }
    EXPECT_EQ(top, 240);
}

TEST_F(PaddleSpriteTest, OddWidthBitmapLeavesItsLastColumnOut) {
    writeTestPaddle(work.root() + "/Data/player.bmp", 193);
    game.buildPaddleSprite(0);
    EXPECT_EQ(game.paddleSprite->w, 96);
    EXPECT_EQ(spritePixel(kPaddleLitColumn, 10), mapped(255, 0, 0));
    EXPECT_EQ(spritePixel(kPaddleTrimColumn, 10),
              mapped(kTestPaddleTrim.r, kTestPaddleTrim.g, kTestPaddleTrim.b));
}

TEST_F(PaddleSpriteTest, NewColourStartsAFreshPaddleAndLeavesTheFieldAlone) {
    game.paddleLane = 4;
    game.paddleStack[0] = game.paddleStack[1] = 3;
    game.paddleFrame = 2;
    game.dropExtending = 1;
    game.lanes[0][5] = 7;
    game.bin[1][0] = 8;

    game.buildPaddleSprite(2);

    EXPECT_EQ(game.paddleLane, kMiddleLane);
    EXPECT_EQ(game.paddleStack[0], kEmpty);
    EXPECT_EQ(game.paddleStack[1], kEmpty);
    EXPECT_EQ(game.paddleFrame, 0);
    EXPECT_EQ(game.dropExtending, 0);
    EXPECT_EQ(game.lanes[0][5], 7);
    EXPECT_EQ(game.bin[1][0], 8);
}

}  // namespace
