// The whole start-up: the menu tree that setup builds, and what its entries do to the game.
#include <gtest/gtest.h>

#include <new>

#include "game.h"
#include "game/test_art.h"
#include "menu_callbacks.h"
#include "menu_set.h"
#include "stage_window.h"
#include "support/dummy_screen.h"
#include "support/work_dir.h"
#include "text.h"

namespace {

// While set, the next nothrow allocation of a menu page's size fails, as if memory had run out.
bool g_failNextPage = false;

class MenuTreeTest : public DummyScreenTest {
protected:
    void SetUp() override {
        DummyScreenTest::SetUp();
        writeTestArt(work.root() + "/Data");
        work.copyData("boulder.ttf");
        game.setup(1, false);
        menus = game.menus;
        screen = game.screen;  // the stage the game draws on
    }

    void TearDown() override {
        game.releaseResources();
        closeStageWindow();
        DummyScreenTest::TearDown();
    }

    void press(SDLKey sym) { game.onKey(sym, true); }

    MenuElement* element(int page, int index) const { return menus->pages[page]->elements[index]; }

    void clickOn(const MenuElement* target) {
        game.onClick(static_cast<Uint16>(target->place.x + target->place.w / 2),
                     static_cast<Uint16>(target->place.y + target->place.h / 2));
    }

    int highlightedPixels(const SDL_Rect& place) const {
        const Uint32 highlight = mapped(highlightColour.r, highlightColour.g, highlightColour.b);
        return pixelsWithValue(screen, place.x, place.y, place.w, place.h, highlight);
    }

    WorkDir work;
    Game game;
    MenuSet* menus = nullptr;
};

TEST_F(MenuTreeTest, HomePageIsDrawnWithStartHighlighted) {
    ASSERT_NE(menus, nullptr);
    EXPECT_EQ(menus->activeIndex, 0);
    EXPECT_EQ(game.state, GameState::Menu);
    EXPECT_GT(highlightedPixels(element(0, 1)->place), 0);
    for (int item = 2; item <= 4; ++item) {
        EXPECT_EQ(highlightedPixels(element(0, item)->place), 0) << "item " << item;
        EXPECT_GT(litPixels(screen, element(0, item)->place.x, element(0, item)->place.y,
                            element(0, item)->place.w, element(0, item)->place.h),
                  0);
    }
}

// The video mode as sdl12-compat sets it: the screen's pixels left as they were, here not black.
SDL_Surface* unclearedVideoMode(int width, int height, int bitsPerPixel, Uint32 flags) {
    SDL_Surface* shown = SDL_SetVideoMode(width, height, bitsPerPixel, flags);
    if (shown != nullptr) {
        SDL_FillRect(shown, nullptr, 0x55);
    }
    return shown;
}

// The home page is drawn on a black stage, and the window stays black until the first key.
TEST_F(MenuTreeTest, HomePageIsDrawnOnABlackScreenWhateverTheVideoModeLeft) {
    game.releaseResources();
    game.setup(1, false, {unclearedVideoMode, restartSdl});
    menus = game.menus;
    int litOutsideTexts = litPixels(game.screen, 0, 0, game.screen->w, game.screen->h);
    for (int index = 0; index <= menus->pages[0]->elementCount; ++index) {
        const SDL_Rect& place = element(0, index)->place;
        litOutsideTexts -= litPixels(game.screen, place.x, place.y, place.w, place.h);
    }
    EXPECT_EQ(litOutsideTexts, 0);
    SDL_Surface* window = SDL_GetVideoSurface();
    EXPECT_EQ(litPixels(window, 0, 0, window->w, window->h), 0);
}

TEST_F(MenuTreeTest, FullscreenAddsOnlyTheFullscreenFlag) {
    EXPECT_FALSE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    game.releaseResources();
    game.setup(1, true);
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    EXPECT_EQ(SDL_GetVideoSurface()->format->BitsPerPixel, 8);
    EXPECT_EQ(game.screen->w, 800);
    EXPECT_EQ(game.screen->h, 600);
}

TEST_F(MenuTreeTest, ReturnOpensTheDifficultyPageAndReturnAgainStartsAGame) {
    press(SDLK_RETURN);
    EXPECT_EQ(menus->activeIndex, 1);
    EXPECT_EQ(menus->currentPage, menus->pages[1]);
    press(SDLK_RETURN);
    EXPECT_EQ(game.state, GameState::Starting);
    EXPECT_EQ(menus->activeIndex, 0);
    game.tick();
    EXPECT_EQ(game.state, GameState::Playing);
}

TEST_F(MenuTreeTest, EveryDifficultyStartsTheSameGame) {
    for (int entry = 1; entry <= 4; ++entry) {
        game.state = GameState::Menu;
        menus->openPage(1);
        clickOn(element(1, entry));
        EXPECT_EQ(game.state, GameState::Starting) << "entry " << entry;
        EXPECT_EQ(menus->activeIndex, 0) << "entry " << entry;
    }
}

TEST_F(MenuTreeTest, ChoosingTheBlueSwatchRecoloursThePaddleAndGoesHome) {
    press(SDLK_DOWN);
    press(SDLK_RETURN);
    ASSERT_EQ(menus->activeIndex, 2);
    EXPECT_EQ(menus->pages[2]->selected, 9) << "Gr\xFCn";

    clickOn(element(2, 3));  // the blue swatch

    EXPECT_EQ(game.state, GameState::Menu);
    EXPECT_EQ(menus->activeIndex, 0);
    EXPECT_EQ(menus->pages[2]->selected, 10) << "Blau";
    EXPECT_EQ(pixelOf(game.paddleSprite, kPaddleLitColumn, 0), mapped(0, 0, 255));

    press(SDLK_RETURN);  // "Einstellungen" is still selected on the home page
    EXPECT_EQ(menus->activeIndex, 2);
    EXPECT_EQ(menus->pages[2]->selected, 10);
}

TEST_F(MenuTreeTest, UpAndDownOnTheColourPageMoveAmongTheNamesOnly) {
    menus->openPage(2);
    for (int i = 0; i < 10; ++i) {
        press(SDLK_UP);
    }
    EXPECT_EQ(menus->pages[2]->selected, 8);
    for (int i = 0; i < 10; ++i) {
        press(SDLK_DOWN);
    }
    EXPECT_EQ(menus->pages[2]->selected, 14);
}

TEST_F(MenuTreeTest, HighscoreEntryShowsItsTableUntilAKeyGoesHome) {
    press(SDLK_DOWN);
    press(SDLK_DOWN);
    press(SDLK_RETURN);
    ASSERT_EQ(menus->activeIndex, 3);
    press(SDLK_DOWN);
    press(SDLK_RETURN);  // "Mittel"

    EXPECT_EQ(game.state, GameState::ShowingHighscore);
    EXPECT_EQ(menus->activeIndex, 3) << "the highscore page stays behind the view";
    EXPECT_NE(game.highscoreScreen, nullptr);
    EXPECT_TRUE(work.exists("Data/mittel.hsc"));
    EXPECT_FALSE(work.exists("Data/einfach.hsc"));

    press(SDLK_x);
    EXPECT_EQ(game.state, GameState::Menu);
    EXPECT_EQ(menus->activeIndex, 0);
}

TEST_F(MenuTreeTest, BeendeQuitsAtTheNextTick) {
    for (int i = 0; i < 3; ++i) {
        press(SDLK_DOWN);
    }
    press(SDLK_RETURN);
    EXPECT_EQ(game.state, GameState::Quitting);
    EXPECT_EQ(menus->activeIndex, 0);
    EXPECT_FALSE(game.tick());
}

TEST_F(MenuTreeTest, ClickThroughASubPageReachesTheHiddenHomeEntry) {
    menus->openPage(1);
    const SDL_Rect settings = element(0, 2)->place;  // "Einstellungen", hidden behind page 1
    const SDL_Rect medium = element(1, 2)->place;    // "Mittel" on the same row, narrower
    const Uint16 x = static_cast<Uint16>(settings.x + 2);
    const Uint16 y = static_cast<Uint16>(settings.y + settings.h / 2);
    ASSERT_LT(x, medium.x) << "the click must miss page 1's own entry";

    game.onClick(x, y);

    EXPECT_EQ(menus->activeIndex, 2);
}

TEST_F(MenuTreeTest, CallbacksReachTheGameThroughItsGlobal) {
    menus->openPage(2);
    onColourChosen(5);
    EXPECT_EQ(menus->pages[2]->selected, 13);
    EXPECT_EQ(pixelOf(game.paddleSprite, kPaddleLitColumn, 0), mapped(0, 255, 255));
    EXPECT_EQ(menus->activeIndex, 0);

    menus->openPage(3);
    onShowHighscore(0);
    EXPECT_EQ(game.state, GameState::ShowingHighscore);
    EXPECT_EQ(menus->activeIndex, 3);

    onSetState(static_cast<Sint32>(GameState::Quitting));
    EXPECT_EQ(game.state, GameState::Quitting);
    EXPECT_EQ(menus->activeIndex, 0);
}

// The home page is the menu set's first own allocation of a page's size.
static_assert(sizeof(MenuSet) != sizeof(MenuPage));

class MenuTreeDeathTest : public DummyScreenTest {
protected:
    void SetUp() override {
        DummyScreenTest::SetUp();
        writeTestArt(work.root() + "/Data");
        work.copyData("boulder.ttf");
    }

    WorkDir work;
    Game game;
};

TEST_F(MenuTreeDeathTest, HomePageWithoutMemoryEndsLikeTheMenuSetWithout) {
    const auto setupWithoutMemory = [this] {
        g_failNextPage = true;
        game.setup(1, false);
    };
    // The set reports the page it could not create, without a line end, before the game ends.
    EXPECT_EXIT(setupWithoutMemory(), testing::ExitedWithCode(1),
                "^Konnte Untermenü nicht erzeugen\\.Konnte das Menü nicht erzeugen!\n");
}

}  // namespace

// Replaces the allocator's plain nothrow form so a test can make a page's allocation fail.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (g_failNextPage && size == sizeof(MenuPage)) {
        g_failNextPage = false;
        return nullptr;
    }
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
