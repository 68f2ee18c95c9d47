// The highscore view: one table drawn once into the off-screen picture that render shows.
#include <climits>
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

// Where the view draws a text: at `size`, centred on or ending at `x`, its top at `y`.
struct TextPlace {
    int size;
    Align align;
    int x;
    int y;
};

constexpr TextPlace kCaptionPlace = {kCaptionSize, Align::Centre, kCentre, kCaptionRow};
constexpr TextPlace kFooterPlace = {kFooterSize, Align::Centre, kCentre, kFooterRow};

TextPlace rankPlace(int row) {
    return {kRankSize, Align::RightEdge, kRankRightEdge, kFirstRow + kRowPitch * row};
}
TextPlace namePlace(int row) {
    return {kEntrySize, Align::Centre, kCentre, kFirstRow + kRowPitch * row};
}
TextPlace scorePlace(int row) {
    return {kEntrySize, Align::RightEdge, kScoreRightEdge, kFirstRow + kRowPitch * row};
}

// The left edge of a text `width` pixels wide at `place`. Too wide a text gets a negative x, and
// the blit clips it at the left edge.
int leftEdge(const TextPlace& place, int width) {
    return place.align == Align::Centre ? place.x - width / 2 : place.x - width;
}

// Names may begin with a Latin-1 letter such as "\xD6"; the view's own texts begin with ASCII.
using Renderer = SDL_Surface* (*)(const char* text, int size, SDL_Color colour);

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

// Renders `text` and blits it at its place. A text that could not be rendered leaves its place
// empty.
void drawText(SDL_Surface* view, const char* text, const TextPlace& place,
              Renderer render = renderText) {
    SDL_Surface* rendered = render(text, place.size, highlightColour);
    if (rendered == nullptr) {
        return;
    }
    SDL_Rect destination = makeRect(leftEdge(place, rendered->w), place.y, 0, 0);
    SDL_BlitSurface(rendered, nullptr, view, &destination);
    SDL_FreeSurface(rendered);
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
    std::snprintf(buffer, sizeof buffer, "%d", row + 1);
    drawText(view, buffer, rankPlace(row));

    // An empty name leaves the row blank. Read in place rather than through nameAt: a name may be
    // megabytes long, and only its first bytes are shown.
    std::strncpy(buffer, table.entries[row].name.c_str(), sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    drawText(view, buffer, namePlace(row), renderLatin1Text);

    std::snprintf(buffer, sizeof buffer, "%d", table.scoreAt(row));
    drawText(view, buffer, scorePlace(row));
}

// Renders `text` as the view does and hands it to `visit` with where the view draws it.
void visitText(const ShownTextVisitor& visit, const char* text, const TextPlace& place,
               Renderer render = renderText) {
    SDL_Surface* rendered = render(text, place.size, highlightColour);
    visit(text, rendered, leftEdge(place, rendered != nullptr ? rendered->w : 0), place.y);
    SDL_FreeSurface(rendered);
}

}  // namespace

void Game::forEachHighscoreViewText(const ShownTextVisitor& visit) {
    for (const TableView& tableView : kTableViews) {
        visitText(visit, tableView.caption, kCaptionPlace);
    }
    // Every row with a default entry's name, and the widest score, the only one with a sign.
    char buffer[kTextBufferSize] = {};
    for (int row = 0; row < kRows; ++row) {
        std::snprintf(buffer, sizeof buffer, "%d", row + 1);
        visitText(visit, buffer, rankPlace(row));
        visitText(visit, kDefaultName, namePlace(row), renderLatin1Text);
        std::snprintf(buffer, sizeof buffer, "%d", INT_MIN);
        visitText(visit, buffer, scorePlace(row));
    }
    visitText(visit, kFooter, kFooterPlace);
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
        drawText(highscoreScreen, tableView.caption, kCaptionPlace);
        for (int row = 0; row < kRows; ++row) {
            drawRow(highscoreScreen, *table, row);
        }
    }
    drawText(highscoreScreen, kFooter, kFooterPlace);
    // Letting the table go writes it back, sorted, before the view is ever shown.
    table.reset();
}
