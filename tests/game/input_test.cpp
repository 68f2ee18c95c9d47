// Input while playing and while the highscore view is shown, driven without a display.
#include <gtest/gtest.h>

#include <cstring>

#include "game.h"

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_tickCounter = 1;  // no spawn due, so the field stays as the test sets it
        game.state = GameState::Playing;
    }

    void press(SDLKey sym) { game.onKey(sym, true); }

    Game game;
};

TEST_F(InputTest, PaddleMovesOneLanePerPressAndStopsAtTheEdges) {
    for (int i = 0; i < 6; ++i) {
        press(SDLK_RIGHT);
    }
    EXPECT_EQ(game.paddleLane, kLaneCount - 1);
    press(SDLK_LEFT);
    EXPECT_EQ(game.paddleLane, kLaneCount - 2);
    for (int i = 0; i < 6; ++i) {
        press(SDLK_LEFT);
    }
    EXPECT_EQ(game.paddleLane, 0);
}

TEST_F(InputTest, SpaceAndDownStartADrop) {
    for (SDLKey key : {SDLK_SPACE, SDLK_DOWN}) {
        game.state = GameState::Playing;
        press(key);
        EXPECT_EQ(game.state, GameState::Dropping);
        EXPECT_EQ(game.paddleFrame, 0) << "the animation starts with the next tick";
    }
}

TEST_F(InputTest, PaddleHoldsStillWhileReachingOutAndMovesWhileRetracting) {
    press(SDLK_SPACE);
    press(SDLK_RIGHT);  // before the first drop tick the paddle still moves
    EXPECT_EQ(game.paddleLane, 3);

    for (int frame = 1; frame <= 3; ++frame) {
        game.tick();
        press(SDLK_LEFT);
        EXPECT_EQ(game.paddleLane, 3) << "at frame " << frame;
    }
    game.tick();  // frame 4: the tile is released and the paddle starts back
    press(SDLK_LEFT);
    EXPECT_EQ(game.paddleLane, 2);
    game.tick();
    press(SDLK_LEFT);
    EXPECT_EQ(game.paddleLane, 1);
}

TEST_F(InputTest, SpaceDuringADropDoesNotStartAnother) {
    press(SDLK_SPACE);
    game.tick();
    game.tick();
    press(SDLK_SPACE);
    press(SDLK_DOWN);
    game.tick();
    EXPECT_EQ(game.paddleFrame, 3);
    for (int i = 0; i < 5; ++i) {
        game.tick();
    }
    EXPECT_EQ(game.state, GameState::Playing);
    EXPECT_EQ(game.paddleFrame, 0);
}

TEST_F(InputTest, ReleasesAndClicksWhilePlayingChangeNothing) {
    game.lanes[1][40] = 3;
    game.paddleStack[0] = 2;
    Uint8 lanesBefore[kLaneCount][kCellsPerLane];
    std::memcpy(lanesBefore, game.lanes, sizeof game.lanes);

    for (SDLKey key : {SDLK_SPACE, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN}) {
        game.onKey(key, false);
    }
    game.onClick(400, 300);
    game.onClick(0, 0);

    EXPECT_EQ(game.state, GameState::Playing);
    EXPECT_EQ(game.paddleLane, kMiddleLane);
    EXPECT_EQ(game.paddleStack[0], 2);
    EXPECT_EQ(std::memcmp(lanesBefore, game.lanes, sizeof game.lanes), 0);
}

TEST_F(InputTest, AnyKeyOrClickDismissesTheHighscoreView) {
    for (SDLKey key : {SDLK_a, SDLK_SPACE, SDLK_RETURN, SDLK_F1}) {
        game.state = GameState::ShowingHighscore;
        press(key);
        EXPECT_EQ(game.state, GameState::Menu) << "key " << key;
    }
    game.state = GameState::ShowingHighscore;
    game.onKey(SDLK_a, false);
    EXPECT_EQ(game.state, GameState::ShowingHighscore) << "a release is no key press";
    game.onClick(799, 599);
    EXPECT_EQ(game.state, GameState::Menu);
}

TEST_F(InputTest, StatesWithoutInputIgnoreIt) {
    for (GameState state : {GameState::Starting, GameState::Quitting, static_cast<GameState>(4),
                            static_cast<GameState>(5)}) {
        game.state = state;
        press(SDLK_RIGHT);
        press(SDLK_SPACE);
        game.onClick(10, 10);
        EXPECT_EQ(game.state, state);
        EXPECT_EQ(game.paddleLane, kMiddleLane);
    }
}

}  // namespace
