// Where render puts tiles, paddle and basket, and what it shows in each state.
#include <gtest/gtest.h>

#include "game/playfield_fixture.h"

namespace {

using DrawingTest = PlayfieldTest;

int laneX(const Game& game, int lane) {
    return game.funnelPlaces[lane].x + 8;
}

TEST_F(DrawingTest, LaneTilesFallFromRow12ToRow336) {
    game.lanes[1][0] = 3;
    game.lanes[3][kLastCell] = 5;
    game.render();
    EXPECT_EQ(topRowOf(laneX(game, 1), tilePixel(3)), 12);
    EXPECT_EQ(topRowOf(laneX(game, 3), tilePixel(5)), 336);
    EXPECT_EQ(bottomRowOf(laneX(game, 3) + 47, tilePixel(5)), 351);
}

TEST_F(DrawingTest, EachColourComesFromItsOwnFrameOfTheSheet) {
    for (int colour = 1; colour <= kTileColours; ++colour) {
        game.lanes[0][10 * colour] = static_cast<Uint8>(colour);
    }
    game.render();
    for (int colour = 1; colour <= kTileColours; ++colour) {
        EXPECT_EQ(pixel(laneX(game, 0) + 20, 12 + 40 * colour + 8), tilePixel(colour))
            << "colour " << colour;
    }
}

TEST_F(DrawingTest, BasketTilesStandTwentyEightRowsApartFromTheBottom) {
    for (int cell = 0; cell < kBasketDepth; ++cell) {
        game.bin[2][cell] = static_cast<Uint8>(cell + 1);
    }
    game.render();
    const int basketTop = game.basketPlace.y;
    for (int cell = 0; cell < kBasketDepth; ++cell) {
        EXPECT_EQ(topRowOf(laneX(game, 2) + 10, tilePixel(cell + 1)) - basketTop, 118 - 28 * cell)
            << "cell " << cell;
    }
}

TEST_F(DrawingTest, PaddleFramesShareTheirBottomRowAndCarriedTilesStayPut) {
    game.paddleStack[0] = 1;
    game.paddleStack[1] = 2;
    const Uint32 lit = mapped(0, 255, 0);
    int bottoms[2], tops[2], slotTops[2];
    for (int i = 0; i < 2; ++i) {
        game.paddleFrame = static_cast<Uint8>(i * 4);
        game.render();
        const int paddleColumn = game.paddlePlace.x + kPaddleLitColumn;
        bottoms[i] = bottomRowOf(paddleColumn, lit);
        tops[i] = topRowOf(paddleColumn, lit);
        slotTops[i] = topRowOf(game.paddlePlace.x + 30, tilePixel(2));
    }
    EXPECT_EQ(bottoms[0], bottoms[1]);
    EXPECT_EQ(bottoms[0] - tops[0] + 1, 32);
    EXPECT_EQ(bottoms[1] - tops[1] + 1, 64);
    EXPECT_EQ(slotTops[0], slotTops[1]);
    EXPECT_EQ(slotTops[0], bottoms[0] + 1 - 48) << "slot 1 sits on slot 0";
    // The paddle catches where the lanes end: slot 0 starts four rows below cell 81's top.
    EXPECT_EQ(topRowOf(game.paddlePlace.x + 30, tilePixel(1)), 336 + 4);
}

TEST_F(DrawingTest, PaddleAndStackFollowTheLane) {
    game.paddleStack[0] = 6;
    for (int lane = 0; lane < kLaneCount; ++lane) {
        game.paddleLane = static_cast<Uint8>(lane);
        game.render();
        EXPECT_EQ(game.paddlePlace.x, game.funnelPlaces[lane].x - 16);
        EXPECT_EQ(pixel(laneX(game, lane), 345), tilePixel(6)) << "lane " << lane;
        EXPECT_EQ(pixel(game.funnelPlaces[lane].x - 16 + kPaddleLitColumn, 360), mapped(0, 255, 0));
    }
}

TEST_F(DrawingTest, StatesWithoutAPictureShowBlack) {
    game.lanes[0][20] = 1;
    game.bin[0][0] = 2;
    for (GameState state : {GameState::Starting, GameState::Quitting, static_cast<GameState>(4),
                            static_cast<GameState>(5), GameState::Menu}) {
        SDL_FillRect(screen, nullptr, 1);
        game.state = state;
        game.render();
        EXPECT_TRUE(screenIsBlack()) << "state " << static_cast<int>(state);
    }
}

TEST_F(DrawingTest, PlayfieldIsDrawnWhilePlayingAndDropping) {
    game.lanes[4][30] = 8;
    for (GameState state : {GameState::Playing, GameState::Dropping}) {
        game.state = state;
        game.render();
        EXPECT_EQ(pixel(laneX(game, 4), 12 + 4 * 30), tilePixel(8));
    }
}

// Each surface the game owns is freed exactly once, however often it is released: SDL counts
// the references, and the test holds one more to read the count afterwards.
TEST_F(DrawingTest, ReleaseFreesEachSurfaceOnceAndASecondReleaseNothing) {
    SDL_Surface* const owned[] = {game.paddleSprite, game.tileSheet, game.funnelSheet,
                                  game.basketSprite};
    for (SDL_Surface* surface : owned) {
        ASSERT_NE(surface, nullptr);
        ++surface->refcount;
    }
    game.releaseResources();
    game.releaseResources();
    for (SDL_Surface* surface : owned) {
        EXPECT_EQ(surface->refcount, 1);
        SDL_FreeSurface(surface);
    }
}

}  // namespace
