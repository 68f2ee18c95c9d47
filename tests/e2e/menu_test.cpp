// The menus as a player uses them: the colour page, the highscore tables, clicks through pages.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "e2e/e2e_fixture.h"

namespace {

using namespace layout;

// A colour's name on the colour page, right of its swatch.
Area colourName(int colour) {
    return Area{400, layout::kMenuRow[colour], 400, kMenuRowHeight};
}

bool showsColourPage(const Screenshot& shot) {
    return shot.count(swatch(0), screenColour(255, 0, 0)) > 2000;
}

// The home page alone: its title at the top (a highscore table has none) and no page's title
// below it.
bool showsHomePage(const Screenshot& shot) {
    return !showsColourPage(shot) && shot.count({0, 0, 800, 100}, kMenuTitle) > 0 &&
           shot.count(menuRow(0), kMenuItem) + shot.count(menuRow(0), kMenuHighlight) > 0 &&
           shot.count({0, 100, 800, 40}, kMenuTitle) == 0;
}

int countLines(const std::string& path) {
    std::ifstream in(path);
    int lines = 0;
    for (std::string line; std::getline(in, line);) {
        ++lines;
    }
    return lines;
}

TEST_F(EndToEndTest, ChosenColourPaintsTheNextPaddleAndStaysHighlighted) {
    GameProcess& game = start();
    game.key("Down Return");
    Screenshot shot = game.expectEventually(showsColourPage, "the colour page");
    EXPECT_GT(shot.count(colourName(1), kMenuHighlight), 0) << "Gr\xFCn highlighted";
    EXPECT_EQ(shot.count(colourName(0), kMenuHighlight), 0);
    keep(shot, "colours");

    game.click(345, swatch(2).y + 15);  // the blue swatch
    game.expectEventually(showsHomePage, "the home page after a colour");

    game.key("Return");  // "Einstellungen" is still the selected entry
    shot = game.waitFor(showsColourPage);
    EXPECT_GT(shot.count(colourName(2), kMenuHighlight), 0) << "Blau highlighted";
    EXPECT_EQ(shot.count(colourName(1), kMenuHighlight), 0);

    game.key("space Up Return Return");
    shot = game.expectEventually(
        [](const Screenshot& s) {
            return showsPlayfield(s) && s.count({0, kPaddleBandTop, 800, kPaddleBandHeight},
                                                screenColour(0, 0, 255)) > 50;
        },
        "a game with the blue paddle");
    EXPECT_EQ(shot.count({0, kPaddleBandTop, 800, kPaddleBandHeight}, screenColour(0, 255, 0)), 0);
    keep(shot, "blue paddle");
}

TEST_F(EndToEndTest, EachHighscoreEntryShowsItsTableAndWritesItsFile) {
    const char* const files[] = {"einfach.hsc", "mittel.hsc", "schwer.hsc", "benutzer.hsc"};
    GameProcess& game = start();
    game.key("Down Down Return Return");  // the highscore page, then its first entry
    for (int table = 0; table < 4; ++table) {
        if (table > 0) {
            game.key("Return Down Return");  // the page again, then the next entry
        }
        Screenshot shot = game.waitFor(showsHighscoreTable);
        EXPECT_GT(shot.count({0, 10, 800, 50}, kMenuHighlight), 0) << "caption of table " << table;
        EXPECT_GT(shot.count({150, 70, 60, 32}, kMenuHighlight), 0) << "rank 1 of table " << table;
        EXPECT_GT(shot.count({550, 518, 100, 32}, kMenuHighlight), 0)
            << "score 15 of table " << table;
        keep(shot, files[table]);
        if (table == 0) {
            document(shot, "highscore");
        }
        for (int other = 0; other < 4; ++other) {
            EXPECT_EQ(work.exists(std::string("Data/") + files[other]), other <= table)
                << files[other] << " after showing table " << table;
        }
        EXPECT_EQ(countLines(work.root() + "/Data/" + files[table]), 15);

        // Any key or click returns to the home page.
        if (table % 2 == 0) {
            game.key("x");
        } else {
            game.click(400, 300);
        }
        game.expectEventually(showsHomePage, "home after table " + std::to_string(table));
    }
    game.key("Escape");
    EXPECT_EQ(game.waitForExit(), 0);
}

TEST_F(EndToEndTest, ClickThroughASubPageReachesTheHiddenHomeEntry) {
    GameProcess& game = start();
    game.key("a");
    Screenshot home =
        game.waitFor([](const Screenshot& s) { return s.count(menuRow(1), kMenuItem) > 0; });
    const Area settings = home.boundsOf(menuRow(1), kMenuItem);  // "Einstellungen"
    ASSERT_GT(settings.w, 0);

    game.key("Return");  // the difficulty page hides the home entries
    Screenshot page = game.waitFor([](const Screenshot& s) {
        return s.count({0, 100, 800, 40}, kMenuTitle) > 0;
    });
    const Area medium = page.boundsOf(menuRow(1), kMenuItem);  // "Mittel" on the same row
    ASSERT_GT(medium.w, 0);
    ASSERT_LT(settings.x + 2, medium.x - 1) << "the click must miss the page's own entry";
    EXPECT_EQ(page.count({settings.x, settings.y, medium.x - settings.x, settings.h}, kMenuItem), 0)
        << "Einstellungen is hidden";

    game.click(settings.x + 2, settings.y + settings.h / 2);
    game.expectEventually(showsColourPage, "the colour page, opened by the hidden entry");
}

}  // namespace
