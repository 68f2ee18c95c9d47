// The highscore view: one table drawn once into the off-screen picture that render shows.
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "game.h"
#include "highscore_table.h"
#include "screen.h"
#include "surfaces.h"
#include "text.h"

namespace {

struct TableView {
    const char* fileName;
    const char* caption;
};

// By the index the highscore page passes, in the order of the difficulty entries.
constexpr TableView kTableViews[] = {
    {"Data/einfach.hsc", "Highscore (Einfach)"},
    {"Data/mittel.hsc", "Highscore (Mittel)"},
    {"Data/schwer.hsc", "Highscore (Schwer)"},
    {"Data/benutzer.hsc", "Highscore (Benutzerd.)"},
};
constexpr int kTableViewCount = sizeof(kTableViews) / sizeof(kTableViews[0]);

constexpr int kRows = 15;
// Every text passes through a buffer of this size: names longer than 49 bytes are shown cut.
constexpr int kTextBufferSize = 50;

// Layout: sizes, the x each column is aligned to, and the rows.
constexpr int kCaptionSize = 40;
constexpr int kRankSize = 25;
constexpr int kEntrySize = 30;
constexpr int kFooterSize = 20;
constexpr int kCentre = kScreenWidth / 2;
constexpr int kRankRightEdge = 210;
constexpr int kScoreRightEdge = 650;
constexpr int kCaptionRow = 10;
constexpr int kFirstRow = 70;
constexpr int kRowPitch = 32;
constexpr int kFooterRow = 575;

constexpr const char* kFooter =
    "zur\xFC"
    "ck zum Men\xFC";

enum class Align { Centre, RightEdge };

// A surface of the screen's size and pixel format; null when there is no memory for it.
SDL_Surface* createView() {
    SDL_Surface* plain =
        SDL_CreateRGBSurface(SDL_HWSURFACE, kScreenWidth, kScreenHeight, kScreenDepth, 0, 0, 0, 0);
    if (plain == nullptr) {
        return nullptr;
    }
    SDL_Surface* view = SDL_DisplayFormat(plain);
    SDL_FreeSurface(plain);
    return view;
}

// Blits a rendered text centred on, or ending at, x and frees it. A text that could not be
// rendered leaves its place empty.
void drawText(SDL_Surface* view, SDL_Surface* text, Align align, int x, int y) {
    if (text == nullptr) {
        return;
    }
    const int left = align == Align::Centre ? x - text->w / 2 : x - text->w;
    // Too wide a text gets a negative x, and the blit clips it at the left edge.
    SDL_Rect place = makeRect(left, y, 0, 0);
    SDL_BlitSurface(text, nullptr, view, &place);
    SDL_FreeSurface(text);
}

// Even the table's own few bytes may be missing; that ends the game like a missing list.
std::unique_ptr<HighscoreTable> createTable(const char* fileName) {
    try {
        return std::make_unique<HighscoreTable>(fileName, kRows);
    } catch (const std::bad_alloc&) {
        failListAllocation();
    }
}

void drawRow(SDL_Surface* view, const HighscoreTable& table, int row) {
    char buffer[kTextBufferSize] = {};
    const int y = kFirstRow + kRowPitch * row;

    std::snprintf(buffer, sizeof buffer, "%d", row + 1);
    drawText(view, renderText(buffer, kRankSize, highlightColour), Align::RightEdge, kRankRightEdge,
             y);

    // Names may begin with a Latin-1 letter such as "\xD6"; an empty one leaves the row blank.
    // Read in place rather than through nameAt: a name may be megabytes long, and only its first
    // bytes are shown.
    std::strncpy(buffer, table.entries[row].name.c_str(), sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    drawText(view, renderLatin1Text(buffer, kEntrySize, highlightColour), Align::Centre, kCentre,
             y);

    std::snprintf(buffer, sizeof buffer, "%d", table.scoreAt(row));
    drawText(view, renderText(buffer, kEntrySize, highlightColour), Align::RightEdge,
             kScoreRightEdge, y);
}

}  // namespace

void Game::forEachHighscoreViewText(const std::function<void(const char*)>& visit) {
    for (const TableView& tableView : kTableViews) {
        visit(tableView.caption);
    }
    visit(kFooter);
    visit("0123456789-");
    visit(kDefaultName);
}

void Game::buildHighscoreScreen(int k) {
    freeSurface(highscoreScreen);
    highscoreScreen = createView();
    if (highscoreScreen == nullptr) {
        return;
    }
    SDL_FillRect(highscoreScreen, nullptr, 0);

    // No table has an index outside the four: the view then shows only its footer.
    std::unique_ptr<HighscoreTable> table;
    if (k >= 0 && k < kTableViewCount) {
        const TableView& tableView = kTableViews[k];
        table = createTable(tableView.fileName);
        drawText(highscoreScreen, renderText(tableView.caption, kCaptionSize, highlightColour),
                 Align::Centre, kCentre, kCaptionRow);
        for (int row = 0; row < kRows; ++row) {
            drawRow(highscoreScreen, *table, row);
        }
    }
    drawText(highscoreScreen, renderText(kFooter, kFooterSize, highlightColour), Align::Centre,
             kCentre, kFooterRow);
    // Letting the table go writes it back, sorted, before the view is ever shown.
    table.reset();
}
