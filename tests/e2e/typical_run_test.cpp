// A whole game as a player plays it: menu, start, tiles falling, catching, dropping, Escape.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

#include "e2e/e2e_fixture.h"
#include "e2e/window_close.h"

namespace {

using namespace layout;

// The lane whose chute shows a falling tile, or -1.
int laneWithTile(const Screenshot& shot) {
    for (int lane = 0; lane < 5; ++lane) {
        if (shot.nonBlack({laneX(lane), kChuteTop, kTileWidth, kChuteBottom - kChuteTop}) > 0) {
            return lane;
        }
    }
    return -1;
}

// The top row of the tile falling in `lane`'s chute, or -1.
int tileTop(const Screenshot& shot, int lane) {
    for (int y = kChuteTop; y < kChuteBottom; ++y) {
        if (shot.nonBlack({laneX(lane), y, kTileWidth, 1}) > 0) {
            return y;
        }
    }
    return -1;
}

using Block = std::vector<Rgb>;

Block blockAt(const Screenshot& shot, int x, int y) {
    return shot.pixelsIn({x, y, kTileWidth, kTileHeight});
}

// How many pixels of the tile-sized area at (x, y) show the tile `block`.
int pixelsOfTile(const Screenshot& shot, int x, int y, const Block& block) {
    int matching = 0;
    for (int row = 0; row < kTileHeight; ++row) {
        for (int column = 0; column < kTileWidth; ++column) {
            const Rgb& pixel = block[static_cast<size_t>(row * kTileWidth + column)];
            matching += !pixel.isBlack() && shot.at(x + column, y + row) == pixel;
        }
    }
    return matching;
}

TEST_F(EndToEndTest, TypicalRunFromMenuToCatchAndDrop) {
    GameProcess& game = start();
    // The 8-bit screen is drawn without OpenGL, so no OpenGL library costs the player memory.
    EXPECT_EQ(game.openGlLibrariesMapped(), "");

    // The first key shows the home page, "Start" highlighted.
    game.key("a");
    Screenshot shot = game.waitFor([](const Screenshot& s) {
        return s.count({0, 0, 800, 100}, kMenuTitle) > 0;
    });
    EXPECT_GT(shot.count(menuRow(0), kMenuHighlight), 0) << "Start highlighted";
    EXPECT_EQ(shot.count(menuRow(1), kMenuHighlight), 0);
    EXPECT_GT(shot.count(menuRow(1), kMenuItem), 0) << "Einstellungen shown";
    keep(shot, "home");
    document(shot, "menu");

    // Return opens the difficulty page, whose title stands at y 100.
    game.key("Return");
    shot = game.expectEventually(
        [](const Screenshot& s) {
            return s.count({0, 100, 800, 40}, kMenuTitle) > 0;
        },
        "the difficulty page");
    keep(shot, "difficulty");

    // Return starts the game: the playfield appears and the first tile falls.
    game.key("Return");
    shot =
        game.waitFor([](const Screenshot& s) { return showsPlayfield(s) && laneWithTile(s) >= 0; });
    const int lane = laneWithTile(shot);
    ASSERT_GE(lane, 0) << "no tile falls";
    EXPECT_GT(paddleCentre(shot, kGreen), 0) << "the green paddle";
    const int firstTop = tileTop(shot, lane);
    shot = game.expectEventually(
        [&](const Screenshot& s) { return tileTop(s, lane) > firstTop + 40; }, "the tile falling");
    const Block tile = blockAt(shot, laneX(lane), tileTop(shot, lane));
    keep(shot, "falling");

    // Right moves the paddle one lane.
    const int before = paddleCentre(shot, kGreen);
    game.key("Right");
    shot = game.waitFor([&](const Screenshot& s) { return paddleCentre(s, kGreen) != before; });
    EXPECT_EQ(paddleCentre(shot, kGreen) - before, 68);

    // Under the tile's lane the paddle catches it...
    const int moves = lane - 3;
    for (int i = 0; i < std::abs(moves); ++i) {
        game.key(moves > 0 ? "Right" : "Left");
    }
    shot = game.expectEventually(
        [&](const Screenshot& s) {
            return pixelsOfTile(s, laneX(lane), kCarriedTileTop, tile) >
                   kTileWidth * kTileHeight / 2;
        },
        "the tile riding on the paddle", 6);
    keep(shot, "caught");
    const int basketBefore = pixelsOfTile(shot, laneX(lane), kBasketBottomCellTop, tile);

    // ...and Space drops it into the basket column below.
    game.key("space");
    shot = game.expectEventually(
        [&](const Screenshot& s) {
            return pixelsOfTile(s, laneX(lane), kBasketBottomCellTop, tile) > basketBefore + 100;
        },
        "the tile in the basket");
    keep(shot, "dropped");

    game.key("Escape");
    EXPECT_EQ(game.waitForExit(), 0);
}

// A tile whose top has come this far lands within a second.
constexpr int kLandingSoon = 250;

// The lane of the falling tile nearest the paddle, or -1.
int lowestTileLane(const Screenshot& shot) {
    int lowest = -1, lowestTop = -1;
    for (int lane = 0; lane < 5; ++lane) {
        const int top = tileTop(shot, lane);
        if (top > lowestTop) {
            lowest = lane;
            lowestTop = top;
        }
    }
    return lowest;
}

// A carried tile fills its slot and stays put; a tile falling past the slot moves on between
// two screenshots a tick or more apart.
bool carries(const Screenshot& earlier, const Screenshot& now, int lane, int slot) {
    const int top = kCarriedTileTop - kTileHeight * slot;
    const Area place = {laneX(lane), top, kTileWidth, kTileHeight};
    return now.nonBlack(place) == kTileWidth * kTileHeight &&
           blockAt(now, place.x, place.y) == blockAt(earlier, place.x, place.y);
}

TEST_F(EndToEndTest, PaddleStacksCaughtTilesAndFillsTheBasket) {
    GameProcess& game = start();
    game.key("Return Return");
    Screenshot shot = game.waitFor(showsPlayfield);
    const int emptyBasket = shot.nonBlack(kBasket);
    const auto basketGainedATile = [&](const Screenshot& s) {
        return s.nonBlack(kBasket) > emptyBasket + 300;
    };

    // Stand under the lowest falling tile; with two tiles on the paddle drop one, then fill it.
    // A tile about to land is soon out of sight behind the paddle's own, so stay put for it.
    using Clock = std::chrono::steady_clock;
    bool dropped = false;
    int heldLane = -1;
    Clock::time_point holdUntil;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (Clock::now() < deadline) {
        const Screenshot earlier = game.shot();
        std::this_thread::sleep_for(std::chrono::milliseconds(90));
        shot = game.shot();
        const int lane = paddleLane(shot, kGreen);
        if (lane < 0) {
            continue;
        }
        if (dropped && carries(earlier, shot, lane, 2)) {
            break;
        }
        if (!dropped && carries(earlier, shot, lane, 1)) {
            game.key("space");
            dropped = true;
            game.waitFor(basketGainedATile);  // the paddle has reached out and may move again
            continue;
        }
        int target = lowestTileLane(shot);
        if (target >= 0 && tileTop(shot, target) >= kLandingSoon) {
            heldLane = target;
            holdUntil = Clock::now() + std::chrono::milliseconds(900);
        }
        if (Clock::now() < holdUntil) {
            target = heldLane;
        }
        if (target >= 0 && target != lane) {
            const int next = target > lane ? lane + 1 : lane - 1;
            game.key(target > lane ? "Right" : "Left");
            game.waitFor([&](const Screenshot& s) { return paddleLane(s, kGreen) == next; }, 2);
        }
    }
    const int lane = paddleLane(shot, kGreen);
    EXPECT_TRUE(dropped) << "two tiles were caught";
    EXPECT_EQ(shot.nonBlack(
                  {laneX(lane), kCarriedTileTop - 2 * kTileHeight, kTileWidth, 2 * kTileHeight}),
              2 * kTileWidth * kTileHeight)
        << "three tiles ride on the paddle";
    EXPECT_GT(shot.nonBlack(kBasket), emptyBasket + 300) << "one tile lies in the basket";
    shot = game.expectEventually([](const Screenshot& s) { return lowestTileLane(s) >= 0; },
                                 "tiles still falling");
    keep(shot, "stacked");
    document(shot, "playing");

    game.key("Escape");
    EXPECT_EQ(game.waitForExit(), 0);
}

TEST_F(EndToEndTest, BeendeOrClosingTheWindowEndsTheProgram) {
    const struct {
        const char* way;
        void (*leave)(GameProcess& game);
    } ways[] = {
        {"Beende", [](GameProcess& game) { game.key("Down Down Down Return"); }},
        {"closing the window in a game",
         [](GameProcess& game) {
             game.key("Return Return");
             game.expectEventually(showsPlayfield, "a game");
             game.close();
         }},
    };
    for (const auto& way : ways) {
        GameProcess& game = start();
        way.leave(game);
        EXPECT_EQ(game.waitForExit(), 0) << way.way;
        EXPECT_EQ(game.errors(), "") << way.way;
    }
}

// Started as by `plimsdl <&- >&- 2>&-`, the game holds the three numbers with /dev/null: its X
// connection, on classic SDL given descriptor 2, took in the sound library's error text and hung.
TEST_F(EndToEndTest, ClosedStandardStreamsAreHeldByDevNull) {
    GameStart closedStreams;
    closedStreams.standardStreamsClosed = true;
    process = std::make_unique<GameProcess>(work.root(), suiteSdlLibraryDir(), closedStreams);
    process->waitForWindow();
    for (int fd = 0; fd <= 2; ++fd) {
        const std::string link =
            "/proc/" + std::to_string(process->pid()) + "/fd/" + std::to_string(fd);
        EXPECT_EQ(std::filesystem::read_symlink(link), "/dev/null") << fd;
    }
    process->key("Escape");
    EXPECT_EQ(process->waitForExit(), 0);
}

constexpr Area kWindow = {0, 0, 800, 600};

// The home page's first highlighted row, or -1.
int highlightedRow(const Screenshot& shot) {
    for (int row = 0; row < 4; ++row) {
        if (shot.count(menuRow(row), kMenuHighlight) > 0) {
            return row;
        }
    }
    return -1;
}

// Another window laid over the game's and taken away leaves the picture as it was, at once.
void expectWholeAfterCover(GameProcess& game, const std::string& when) {
    const auto whole = game.shot().pixelsIn(kWindow);
    coverWindow(game.window());
    game.expectEventually([&](const Screenshot& s) { return s.pixelsIn(kWindow) == whole; },
                          "the uncovered window whole " + when, 0.5);
}

// With the X server's key repeat on and fast, a held key acts once, in the menus and in play; a
// covered window is whole again without a key, also in play paused without focus.
TEST_F(EndToEndTest, HeldKeysActOnceAndCoveredWindowsRepaint) {
    setKeyRepeat(100, 50);
    GameProcess& game = start();
    expectWholeAfterCover(game, "before the first key");  // black, the home page unseen
    game.key("a");
    for (const auto& [key, row] : {std::pair{"Down", 1}, {"Down", 2}, {"Up", 1}, {"Down", 2}}) {
        game.hold(key, 1);
        const auto reached = [row = row](const Screenshot& s) { return highlightedRow(s) == row; };
        EXPECT_TRUE(reached(game.waitFor(reached, 1))) << "holding " << key << " to row " << row;
    }
    expectWholeAfterCover(game, "in the home menu");
    game.key("Return Return");  // the first highscore table
    game.expectEventually(showsHighscoreTable, "a table");
    expectWholeAfterCover(game, "in a table");

    game.key("x Up Up Return Return");  // home, "Start", "Einfach"
    game.expectEventually(showsPlayfield, "a game");
    for (const auto& [key, lane] :
         {std::pair{"Right", 3}, {"Left", 2}, {"Right", 3}, {"Left", 2}}) {
        game.hold(key, 1);
        const auto reached = [lane = lane](const Screenshot& s) {
            return paddleLane(s, kGreen) == lane;
        };
        EXPECT_TRUE(reached(game.waitFor(reached, 1))) << "holding " << key << " to lane " << lane;
    }
    takeFocusAway();
    std::vector<Rgb> last;
    game.waitFor([&](const Screenshot& s) {  // until the playfield stands still
        std::vector<Rgb> now = s.pixelsIn(kWindow);
        const bool still = now == last;
        last = std::move(now);
        return still;
    });
    expectWholeAfterCover(game, "in a game paused without focus");
    game.close();
    EXPECT_EQ(game.waitForExit(), 0);
    setKeyRepeat(660, 25);  // the X server's own
}

}  // namespace
