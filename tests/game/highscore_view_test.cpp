// The highscore view: where each text of a table lands, and the file it leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game.h"
#include "support/dummy_screen.h"
#include "support/work_dir.h"
#include "text.h"

namespace {

constexpr int kFirstRow = 70;
constexpr int kRowPitch = 32;

enum class Align { Centre, RightEdge };

class HighscoreViewTest : public DummyScreenTest {
protected:
    void SetUp() override {
        DummyScreenTest::SetUp();
        work.copyData("boulder.ttf");
        setFontPath("Data/boulder.ttf");
        game.screen = screen;
    }

    void TearDown() override {
        game.releaseResources();
        DummyScreenTest::TearDown();
    }

    // True when the view shows `text`, rendered as the view renders it, at the place the
    // alignment gives: its pixels match a rendering of the text on black, pixel for pixel,
    // within the columns from `fromX` up to `toX`.
    bool shows(const std::string& text, int size, Align align, int x, int y,
               SDL_Surface* (*render)(const char*, int, SDL_Color) = renderText, int fromX = 0,
               int toX = 800) {
        SDL_Surface* rendered = render(text.c_str(), size, highlightColour);
        if (rendered == nullptr) {
            ADD_FAILURE() << "cannot render " << text;
            return false;
        }
        const int left = align == Align::Centre ? x - rendered->w / 2 : x - rendered->w;
        SDL_Surface* expected = SDL_DisplayFormat(screen);
        SDL_FillRect(expected, nullptr, 0);
        SDL_Rect place = {static_cast<Sint16>(left), static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(rendered, nullptr, expected, &place);
        int differences = 0;
        int inked = 0;
        const int right = std::min({left + rendered->w, expected->w, toX});
        for (int row = y; row < std::min(y + rendered->h, expected->h); ++row) {
            for (int column = std::max({left, 0, fromX}); column < right; ++column) {
                const Uint8 want = pixelOf(expected, column, row);
                differences += want != pixelOf(game.highscoreScreen, column, row);
                inked += want != 0;
            }
        }
        SDL_FreeSurface(expected);
        SDL_FreeSurface(rendered);
        return inked > 0 && differences == 0;
    }

    bool showsRow(int row, const std::string& name, int score) {
        const int y = kFirstRow + kRowPitch * row;
        return shows(std::to_string(row + 1), 25, Align::RightEdge, 210, y) &&
               shows(name, 30, Align::Centre, 400, y, renderLatin1Text) &&
               shows(std::to_string(score), 30, Align::RightEdge, 650, y);
    }

    bool rowNameIsBlank(int row) const {
        return litPixels(game.highscoreScreen, 250, kFirstRow + kRowPitch * row, 300, 30) == 0;
    }

    WorkDir work;
    Game game;
};

const char* const kFooter =
    "zur\xFC"
    "ck zum Men\xFC";

TEST_F(HighscoreViewTest, MissingFileShowsTheDefaultsAndCreatesTheFile) {
    game.buildHighscoreScreen(0);
    ASSERT_NE(game.highscoreScreen, nullptr);
    EXPECT_TRUE(shows("Highscore (Einfach)", 40, Align::Centre, 400, 10));
    std::string expectedFile;
    for (int row = 0; row < 15; ++row) {
        EXPECT_TRUE(showsRow(row, ":)", 150 - 10 * row)) << "row " << row;
        expectedFile += ":);" + std::to_string(150 - 10 * row) + "\n";
    }
    EXPECT_TRUE(shows(kFooter, 20, Align::Centre, 400, 575));
    EXPECT_EQ(work.readFile("Data/einfach.hsc"), expectedFile);
}

TEST_F(HighscoreViewTest, ScoresOfEveryLengthEndAtTheSameEdge) {
    work.writeFile("Data/mittel.hsc", "Anna;123456789\nBen;5\nCleo;0\nDora;-42\n");
    game.buildHighscoreScreen(1);
    EXPECT_TRUE(showsRow(0, "Anna", 123456789));
    EXPECT_TRUE(showsRow(1, ":)", 110)) << "the defaults of slots 4 on sort in between";
    EXPECT_TRUE(showsRow(12, "Ben", 5));
    EXPECT_TRUE(showsRow(13, "Cleo", 0));
    EXPECT_TRUE(showsRow(14, "Dora", -42));
}

TEST_F(HighscoreViewTest, UnsortedFileIsSortedOnDiskAfterOneView) {
    work.writeFile("Data/schwer.hsc", "low;1\nhigh;999\n");
    game.buildHighscoreScreen(2);
    const std::string written = work.readFile("Data/schwer.hsc");
    EXPECT_EQ(written.substr(0, 9), "high;999\n");
    EXPECT_NE(written.find("\nlow;1\n"), std::string::npos);
    EXPECT_TRUE(shows("Highscore (Schwer)", 40, Align::Centre, 400, 10));
}

TEST_F(HighscoreViewTest, UserTableHasItsOwnCaptionAndFile) {
    game.buildHighscoreScreen(3);
    EXPECT_TRUE(shows("Highscore (Benutzerd.)", 40, Align::Centre, 400, 10));
    EXPECT_TRUE(work.exists("Data/benutzer.hsc"));
    EXPECT_FALSE(work.exists("Data/einfach.hsc"));
}

TEST_F(HighscoreViewTest, NamesAreCutToFortyNineBytesAndMayStartWithALatin1Letter) {
    const std::string longName(60, 'l');
    work.writeFile("Data/einfach.hsc", "\xD6zil;800\n;700\n\x01x;600\n" + longName + ";9\n");
    game.buildHighscoreScreen(0);
    EXPECT_TRUE(showsRow(0, "\xD6zil", 800));
    EXPECT_TRUE(rowNameIsBlank(1)) << "an empty name";
    EXPECT_TRUE(rowNameIsBlank(2)) << "a name starting with a control byte";
    EXPECT_TRUE(shows("700", 30, Align::RightEdge, 650, kFirstRow + kRowPitch));
    // Even cut, the name reaches under the rank and the score; compare the part between them.
    EXPECT_TRUE(shows(longName.substr(0, 49), 30, Align::Centre, 400, kFirstRow + 14 * kRowPitch,
                      renderLatin1Text, 220, 580));
    EXPECT_NE(work.readFile("Data/einfach.hsc").find(longName + ";9\n"), std::string::npos)
        << "the file keeps the whole name";
}

TEST_F(HighscoreViewTest, BuildingAgainReplacesTheView) {
    game.buildHighscoreScreen(0);
    work.writeFile("Data/einfach.hsc", "Zoe;5000\n");
    game.buildHighscoreScreen(0);
    EXPECT_TRUE(showsRow(0, "Zoe", 5000));
}

TEST_F(HighscoreViewTest, UnknownTableShowsOnlyTheFooterAndTouchesNoFile) {
    for (int k : {-1, 4}) {
        game.buildHighscoreScreen(k);
        EXPECT_EQ(litPixels(game.highscoreScreen, 0, 0, 800, 570), 0) << "k " << k;
        EXPECT_TRUE(shows(kFooter, 20, Align::Centre, 400, 575)) << "k " << k;
    }
    for (const char* file : {"einfach", "mittel", "schwer", "benutzer"}) {
        EXPECT_FALSE(work.exists(std::string("Data/") + file + ".hsc"));
    }
}

TEST_F(HighscoreViewTest, RenderShowsTheViewWhileItIsUp) {
    game.buildHighscoreScreen(0);
    game.state = GameState::ShowingHighscore;
    game.render();
    EXPECT_EQ(litPixels(screen, 0, 0, 800, 600), litPixels(game.highscoreScreen, 0, 0, 800, 600));
    EXPECT_GT(litPixels(screen, 0, 0, 800, 600), 0);
}

}  // namespace
