// Test fixture: a private X server for the suite, a fresh working directory with the game's
// data for every test, and the game started in it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "e2e/game_process.h"
#include "e2e/x_display.h"
#include "support/work_dir.h"

class EndToEndTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startDisplay("1024x768"); }
    // Starts the suite's X server with a screen of `size` ("WxH").
    static void startDisplay(const std::string& size) { display_ = new XDisplay(size); }
    static void TearDownTestSuite() {
        delete display_;
        display_ = nullptr;
    }

    void SetUp() override { work.copyGameData(); }

    // Starts the game on the SDL 1.2 in `sdlDir` (default: the suite's), as `how` says, and waits
    // for its window; the test fails at once, with the game's exit code and messages, if none
    // appears.
    GameProcess& start(const std::string& sdlDir = suiteSdlLibraryDir(),
                       const GameStart& how = {}) {
        process = std::make_unique<GameProcess>(work.root(), sdlDir, how);
        process->waitForWindow();
        return *process;
    }

    // Starts the game expecting it to fail at start-up; returns its exit code.
    int startExpectingFailure() {
        process = std::make_unique<GameProcess>(work.root());
        return process->waitForExit(10);
    }

    // Keeps a screenshot in $PLIMSDL_E2E_SHOTS when an expectation about it failed.
    void keep(const Screenshot& shot, const std::string& name) const;
    // Saves a screenshot for the README as $PLIMSDL_E2E_DOCS/<name>.png, when that is set.
    static void document(const Screenshot& shot, const std::string& name);

    WorkDir work;
    std::unique_ptr<GameProcess> process;  // the game started last

private:
    static inline XDisplay* display_ = nullptr;
};

// Where the game draws: the bands of the menu rows and of the playfield.
namespace layout {
constexpr int kMenuRow[] = {200, 250, 300, 350, 400, 450, 500};  // tops of the text items
constexpr int kMenuRowHeight = 40;
constexpr int kTileWidth = 48;
constexpr int kTileHeight = 16;
inline int laneX(int lane) {
    return 33 + 68 * lane;
}
constexpr int kChuteTop = 60;      // below the funnel mouths
constexpr int kChuteBottom = 290;  // above the funnels' lower ends
constexpr int kCarriedTileTop = 340;
constexpr int kBasketBottomCellTop = 506;
constexpr int kPaddleBandTop = 308;
constexpr int kPaddleBandHeight = 64;
constexpr Area kBasket = {17, 388, 352, 140};
constexpr Area kBasketLeftEnd = {17, 388, 40, 140};  // no menu page draws here
}  // namespace layout

// The menus' text colours as the screen shows them.
inline const Rgb kMenuTitle = screenColour(255, 0, 0);
inline const Rgb kMenuItem = screenColour(128, 0, 0);
inline const Rgb kMenuHighlight = screenColour(200, 0, 0);

inline Area menuRow(int row) {
    return Area{0, layout::kMenuRow[row], 800, layout::kMenuRowHeight};
}

// The colour page's swatch of `colour`, a plain rectangle 3 rows below the colour's name.
inline Area swatch(int colour) {
    return Area{300, layout::kMenuRow[colour] + 3, 90, 30};
}

// A highscore table: its caption, the first rank and the fifteenth score. The edges of a menu
// page's title show the caption's colour too, so the rank and the score tell a table.
inline bool showsHighscoreTable(const Screenshot& shot) {
    return shot.count({0, 10, 800, 50}, kMenuHighlight) > 0 &&
           shot.count({150, 70, 60, 32}, kMenuHighlight) > 0 &&
           shot.count({550, 518, 100, 32}, kMenuHighlight) > 0;
}

// The paddle's colour at the start, green.
inline const Rgb kGreen = screenColour(0, 255, 0);

// The horizontal middle of the paddle's lit colour, or -1.
inline int paddleCentre(const Screenshot& shot, Rgb colour) {
    const Area found =
        shot.boundsOf({0, layout::kPaddleBandTop, 800, layout::kPaddleBandHeight}, colour);
    return found.w == 0 ? -1 : found.x + found.w / 2;
}

// The lane the paddle stands under, from where its lit colour is drawn, or -1.
inline int paddleLane(const Screenshot& shot, Rgb colour) {
    const int centre = paddleCentre(shot, colour);
    return centre < 0 ? -1 : (centre - 57 + 34) / 68;
}

// A game is on the screen rather than a menu page or a highscore table.
inline bool showsPlayfield(const Screenshot& shot) {
    return shot.nonBlack(layout::kBasketLeftEnd) > 1000;
}
