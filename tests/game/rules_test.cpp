// The playfield rules: spawning, catching, the drop animation and dropping into the basket.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "game.h"

namespace {

// A game that is already playing, driven without a display.
class RulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_tickCounter = 0;
        game.state = GameState::Playing;
    }

    // Every occupied lane cell as (lane, cell).
    std::vector<std::pair<int, int>> laneTiles() const {
        std::vector<std::pair<int, int>> tiles;
        for (int lane = 0; lane < kLaneCount; ++lane) {
            for (int cell = 0; cell < kCellsPerLane; ++cell) {
                if (game.lanes[lane][cell] != kEmpty) {
                    tiles.emplace_back(lane, cell);
                }
            }
        }
        return tiles;
    }

    void clearLanes() {
        for (auto& lane : game.lanes) {
            for (Uint8& cell : lane) {
                cell = kEmpty;
            }
        }
    }

    Game game;
};

TEST_F(RulesTest, FirstPlayingTickSpawnsOneTileInCellZero) {
    game.tick();
    const auto tiles = laneTiles();
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(tiles[0].second, 0);
    const Uint8 colour = game.lanes[tiles[0].first][0];
    EXPECT_GE(colour, 1);
    EXPECT_LE(colour, kTileColours);
    EXPECT_EQ(g_tickCounter, 1u);
}

TEST_F(RulesTest, NextSpawnComesFiftyPlayingTicksLater) {
    constexpr int kTicksBetweenSpawns = 50;
    game.tick();
    for (int i = 1; i < kTicksBetweenSpawns; ++i) {
        game.tick();
        ASSERT_EQ(laneTiles().size(), 1u) << "after tick " << i + 1;
    }
    game.tick();
    const auto tiles = laneTiles();
    ASSERT_EQ(tiles.size(), 2u);
    // The first tile has fallen one cell a tick; the new one starts at the top.
    EXPECT_EQ(tiles[0].second + tiles[1].second, kTicksBetweenSpawns);
}

TEST_F(RulesTest, SpawnTakesColourFromFirstRandAndLaneFromSecond) {
    // Pick a seed whose two draws tell the two orders apart.
    unsigned seed = 1;
    int colour = 0, lane = 0;
    for (;; ++seed) {
        std::srand(seed);
        const int first = std::rand();
        const int second = std::rand();
        colour = first % kTileColours + 1;
        lane = first % kLaneCount == second % kLaneCount ? -1 : second % kLaneCount;
        if (lane >= 0 && colour != second % kTileColours + 1) {
            break;
        }
    }
    std::srand(seed);
    game.tick();
    EXPECT_EQ(game.lanes[lane][0], colour);
}

TEST_F(RulesTest, DroppingNeitherSpawnsNorCounts) {
    g_tickCounter = 100;  // a spawn would be due
    game.state = GameState::Dropping;
    game.tick();
    EXPECT_TRUE(laneTiles().empty());
    EXPECT_EQ(g_tickCounter, 100u);
}

TEST_F(RulesTest, TileAtLaneEndLandsInLowestFreeSlot) {
    // Under every lane, the outer ones included.
    for (Uint8 lane = 0; lane < kLaneCount; ++lane) {
        game.paddleLane = lane;
        for (int carried = 0; carried < kPaddleSlots; ++carried) {
            for (int slot = 0; slot < kPaddleSlots; ++slot) {
                game.paddleStack[slot] = slot < carried ? 1 : kEmpty;
            }
            game.lanes[lane][kLastCell] = 7;
            game.advanceLanes();
            EXPECT_EQ(game.paddleStack[carried], 7)
                << "lane " << int{lane} << ", " << carried << " tiles carried";
            EXPECT_EQ(game.lanes[lane][kLastCell], kEmpty);
        }
    }
}

TEST_F(RulesTest, TileIsLostWhenPaddleIsFullOrElsewhere) {
    game.paddleStack[0] = game.paddleStack[1] = game.paddleStack[2] = 1;
    game.lanes[game.paddleLane][kLastCell] = 7;
    game.advanceLanes();
    EXPECT_EQ(game.paddleStack[2], 1);
    EXPECT_TRUE(laneTiles().empty());

    game.paddleStack[0] = game.paddleStack[1] = game.paddleStack[2] = kEmpty;
    game.lanes[game.paddleLane + 1][kLastCell] = 7;
    game.advanceLanes();
    EXPECT_EQ(game.paddleStack[0], kEmpty);
    EXPECT_TRUE(laneTiles().empty());
}

TEST_F(RulesTest, OnlyTheHigherLaneIsConsideredWhenTwoArriveTogether) {
    game.paddleLane = 1;
    game.lanes[1][kLastCell] = 5;
    game.lanes[3][kLastCell] = 6;
    game.advanceLanes();
    EXPECT_EQ(game.paddleStack[0], kEmpty) << "the paddle's own lane was not looked at";
    EXPECT_TRUE(laneTiles().empty());

    game.paddleLane = 3;
    game.lanes[1][kLastCell] = 5;
    game.lanes[3][kLastCell] = 6;
    game.advanceLanes();
    EXPECT_EQ(game.paddleStack[0], 6);
    EXPECT_EQ(game.paddleStack[1], kEmpty);
}

TEST_F(RulesTest, TilesFallOneCellPerTick) {
    game.lanes[0][10] = 2;
    game.lanes[4][80] = 3;
    game.advanceLanes();
    EXPECT_EQ(game.lanes[0][11], 2);
    EXPECT_EQ(game.lanes[4][81], 3);
    EXPECT_EQ(laneTiles().size(), 2u);
}

TEST_F(RulesTest, DropRunsEightFramesAndReleasesOnTheFourth) {
    game.state = GameState::Dropping;
    game.paddleStack[0] = 4;
    const std::vector<int> expectedFrames = {1, 2, 3, 4, 3, 2, 1, 0};
    for (size_t i = 0; i < expectedFrames.size(); ++i) {
        EXPECT_EQ(game.state, GameState::Dropping) << "before tick " << i + 1;
        game.tick();
        EXPECT_EQ(game.paddleFrame, expectedFrames[i]) << "tick " << i + 1;
        EXPECT_EQ(game.bin[game.paddleLane][0], i >= 3 ? 4 : kEmpty) << "tick " << i + 1;
    }
    EXPECT_EQ(game.state, GameState::Playing);
    EXPECT_EQ(game.paddleStack[0], kEmpty);
}

TEST_F(RulesTest, TilesKeepFallingDuringADrop) {
    game.state = GameState::Dropping;
    game.lanes[2][0] = 1;
    for (int i = 0; i < 8; ++i) {
        game.tick();
    }
    EXPECT_EQ(game.lanes[2][8], 1);
}

TEST_F(RulesTest, DropStacksOnTheColumnUnderThePaddle) {
    game.paddleLane = 3;
    for (int height = 0; height < kBasketDepth; ++height) {
        game.paddleStack[0] = static_cast<Uint8>(height + 1);
        game.paddleStack[1] = 8;
        game.dropFromPaddle();
        EXPECT_EQ(game.bin[3][height], height + 1);
        EXPECT_EQ(game.paddleStack[0], 8) << "the stack shifts down";
        EXPECT_EQ(game.paddleStack[1], kEmpty);
    }
    for (int other : {0, 1, 2, 4}) {
        EXPECT_EQ(game.bin[other][0], kEmpty);
    }
}

TEST_F(RulesTest, DropOntoFullColumnLosesTheTileButShiftsTheStack) {
    for (Uint8& cell : game.bin[game.paddleLane]) {
        cell = 1;
    }
    game.paddleStack[0] = 5;
    game.paddleStack[1] = 6;
    game.dropFromPaddle();
    for (Uint8 cell : game.bin[game.paddleLane]) {
        EXPECT_EQ(cell, 1);
    }
    EXPECT_EQ(game.paddleStack[0], 6);
}

TEST_F(RulesTest, EmptyPaddleDropsNothing) {
    game.state = GameState::Dropping;
    for (int i = 0; i < 8; ++i) {
        game.tick();
    }
    EXPECT_EQ(game.state, GameState::Playing);
    for (const auto& column : game.bin) {
        for (Uint8 cell : column) {
            EXPECT_EQ(cell, kEmpty);
        }
    }
}

TEST_F(RulesTest, TickResultByState) {
    game.state = GameState::Quitting;
    EXPECT_FALSE(game.tick());
    for (GameState state : {GameState::Menu, GameState::ShowingHighscore, GameState::Starting,
                            static_cast<GameState>(4), static_cast<GameState>(5)}) {
        game.state = state;
        EXPECT_TRUE(game.tick());
    }
    EXPECT_TRUE(laneTiles().empty()) << "only Playing spawns";
}

TEST_F(RulesTest, StartingBecomesPlayingOnTheNextTick) {
    game.state = GameState::Starting;
    game.tick();
    EXPECT_EQ(game.state, GameState::Playing);
    EXPECT_TRUE(laneTiles().empty());
}

TEST(GameLifetime, DestroyedGameIsNoLongerTheGlobalGame) {
    auto* older = new Game();
    ASSERT_EQ(g_game, older);
    {
        const Game newer;
        delete older;  // an older game going away leaves the newest one reachable
        EXPECT_EQ(g_game, &newer);
    }
    EXPECT_EQ(g_game, nullptr);
}

}  // namespace
