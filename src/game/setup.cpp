// Start-up: the display, the sprites, the random generator and the whole menu tree.
#include <cstdlib>
#include <ctime>
#include <new>

#include "fatal.h"
#include "game.h"
#include "menu_callbacks.h"
#include "menu_font_check.h"
#include "menu_set.h"
#include "player_colours.h"
#include "screen.h"
#include "stage_window.h"
#include "text.h"

namespace {

constexpr const char* kFontPath = "Data/boulder.ttf";

// Pages of the menu tree, by their index in the menu set.
constexpr Sint32 kDifficultyPage = 1;
constexpr Sint32 kColourPage = 2;
constexpr Sint32 kHighscorePage = 3;

constexpr int kItemSize = 30;
constexpr Sint16 kFirstItemRow = 200;
constexpr Sint16 kItemSpacing = 50;

// The four difficulties; the highscore page offers one table for each.
constexpr const char* kDifficultyNames[] = {"Einfach", "Mittel", "Schwer", "benutzerdef."};
constexpr int kDifficultyCount = sizeof(kDifficultyNames) / sizeof(kDifficultyNames[0]);

Sint16 itemRow(int i) {
    return static_cast<Sint16>(kFirstItemRow + kItemSpacing * i);
}

void buildHomePage(MenuPage& page) {
    constexpr int kGameTitleSize = 60;
    constexpr Sint16 kGameTitleRow = 30;
    page.addTitle("P l i m S D L", kGameTitleSize, kDefaultPosition, kGameTitleRow);
    const int start = page.addTextItem("Start", kDefaultPosition, itemRow(0), kItemSize);
    page.setAction(start, ElementAction::OpenPage, kDifficultyPage);
    page.select(static_cast<Sint8>(start));
    const int settings = page.addTextItem("Einstellungen", kDefaultPosition, itemRow(1), kItemSize);
    page.setAction(settings, ElementAction::OpenPage, kColourPage);
    const int scores = page.addTextItem("Highscore", kDefaultPosition, itemRow(2), kItemSize);
    page.setAction(scores, ElementAction::OpenPage, kHighscorePage);
    const int quit = page.addTextItem("Beende", kDefaultPosition, itemRow(3), kItemSize);
    page.setCallback(quit, onSetState, static_cast<Sint32>(GameState::Quitting));
}

// Sub-pages hide the home page's entries behind a black background but leave its title in view.
void addSubPageTitle(MenuPage& page, const char* title) {
    constexpr Sint16 kBackgroundTop = 90;
    constexpr Sint16 kTitleRow = 100;
    page.addRect(0, kBackgroundTop, kScreenWidth, kScreenHeight - kBackgroundTop, 0, 0, 0);
    page.addTitle(title, kItemSize, kDefaultPosition, kTitleRow);
}

// One entry per difficulty, the first one highlighted; entry i calls `callback` with value(i).
void addDifficultyEntries(MenuPage& page, MenuCallback callback, Sint32 (*value)(int entry)) {
    for (int i = 0; i < kDifficultyCount; ++i) {
        const int item =
            page.addTextItem(kDifficultyNames[i], kDefaultPosition, itemRow(i), kItemSize);
        page.setCallback(item, callback, value(i));
        if (i == 0) {
            page.select(static_cast<Sint8>(item));
        }
    }
}

void buildDifficultyPage(MenuPage& page) {
    addSubPageTitle(page, "Welche Schwierigkeits-Stufe?");
    // Every difficulty starts the same game.
    addDifficultyEntries(page, onSetState,
                         [](int) { return static_cast<Sint32>(GameState::Starting); });
}

void buildColourPage(MenuPage& page, Uint8 colour) {
    constexpr Sint16 kSwatchLeft = 300;
    constexpr Sint16 kNameLeft = 400;
    constexpr Sint16 kSwatchDrop = 3;  // swatches sit a little lower than their names
    constexpr Uint16 kSwatchWidth = 90;
    constexpr Uint16 kSwatchHeight = 30;
    addSubPageTitle(page, "Welche Spielerfarbe");
    for (int j = 0; j < kPlayerColourCount; ++j) {
        const PlayerColour& c = kPlayerColours[j];
        page.addRect(kSwatchLeft, static_cast<Sint16>(itemRow(j) + kSwatchDrop), kSwatchWidth,
                     kSwatchHeight, c.r, c.g, c.b);
    }
    for (int j = 0; j < kPlayerColourCount; ++j) {
        page.addTextItem(kPlayerColours[j].name, kNameLeft, itemRow(j), kItemSize);
    }
    page.select(static_cast<Sint8>(colourNameElement(colour)));
    for (int j = 0; j < kPlayerColourCount; ++j) {
        page.setCallback(colourSwatchElement(j), onColourChosen, j);
        page.setCallback(colourNameElement(j), onColourChosen, j);
    }
}

void buildHighscorePage(MenuPage& page) {
    addSubPageTitle(page, "Welche HighScore anzeigen");
    addDifficultyEntries(page, onShowHighscore, [](int entry) { return Sint32{entry}; });
}

}  // namespace

void Game::setup(Uint8 colour, bool fullscreen, const VideoCalls& video) {
    // The game draws on the window's stage, 800x600 at 8 bits whatever the window's size.
    screen = openStageWindow(fullscreen, video);
    if (screen == nullptr) {
        fatal(1, "Fehler bei Bildschirm init.!\n");
    }
    SDL_WM_SetCaption("PlimSDL", "PlimSDL");

    // The basket's place depends on the paddle's frames, so the paddle comes first.
    buildPaddleSprite(colour);
    loadSheets();
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    buildMenus(colour);
    // Checked against the texts just built; without it they could come out blank.
    requireMenuFont(*menus);

    // Drawn but not flipped: the menu shows with the first key press or click.
    menus->draw();
}

void Game::buildMenus(Uint8 colour) {
    menus = new (std::nothrow) MenuSet(screen, kFontPath);
    // The set creates its home page itself; without it there is no menu to fill.
    if (menus == nullptr || menus->currentPage == nullptr) {
        fatal(1, "Konnte das Menü nicht erzeugen!\n");
    }
    // Each page is filled through currentPage, which is always the page created last.
    buildHomePage(*menus->currentPage);
    menus->addPage();
    buildDifficultyPage(*menus->currentPage);
    menus->addPage();
    buildColourPage(*menus->currentPage, colour);
    menus->addPage();
    buildHighscorePage(*menus->currentPage);
}
