// The basket: a steel rack of five columns, each with five open cells on shelves, so the tiles
// the game draws behind it show through; a chevron over each column marks where tiles go in.
#include "layout.h"
#include "shapes.h"
#include "sheets.h"

namespace {

using layout::basketCellTop;
using layout::basketColumnLeft;
using layout::kBasketHeight;
using layout::kBasketWidth;
using layout::kTileHeight;
using layout::kTileWidth;

constexpr int kBeamHeight = 6;
constexpr int kShelfHeight = 4;
constexpr int kBeamBoltStart = 6;
constexpr int kBeamBoltSpacing = 34;

// A post: a bevelled steel plate with a groove down the middle and a bolt at each shelf.
void post(Canvas& canvas, int left, int right) {
    const int width = right - left + 1;
    outlinedBox(canvas, Box{left, 0, width, kBasketHeight}, kDarkSteelRamp);
    const int middle = left + width / 2;
    canvas.vLine(middle - 1, kBeamHeight, kBasketHeight - kBeamHeight, steel::kDeep);
    canvas.vLine(middle, kBeamHeight, kBasketHeight - kBeamHeight, steel::kBase);
    for (int cell = 1; cell < layout::kBasketCells; ++cell) {
        const int y = basketCellTop(cell) + kTileHeight + 1;
        rivet(canvas, left + 3, y);
        rivet(canvas, right - 4, y);
    }
}

void shelf(Canvas& canvas, int column, int y) {
    const int x = basketColumnLeft(column) - 1;
    outlinedBox(canvas, Box{x, y, kTileWidth + 2, kShelfHeight}, kSteelRamp);
}

void beam(Canvas& canvas, int y) {
    outlinedBox(canvas, Box{0, y, kBasketWidth, kBeamHeight}, kSteelRamp);
    for (int x = kBeamBoltStart; x < kBasketWidth; x += kBeamBoltSpacing) {
        rivet(canvas, x, y + 2);
    }
}

// A small downward arrow in warning yellow, centred over a column in the top beam.
void chevron(Canvas& canvas, int column) {
    static const char* const kArrow[] = {"XXXXXXXXX", ".XXXXXXX.", "..XXXXX..", "...XXX..."};
    constexpr int kArrowWidth = 9;
    constexpr int kArrowRows = sizeof(kArrow) / sizeof(kArrow[0]);
    const int x = basketColumnLeft(column) + (kTileWidth - kArrowWidth) / 2;
    // Inside the top beam, just below its outline.
    stamp(canvas, x, 1, kArrow, kArrowRows, accent::kHazardYellow);
}

}  // namespace

Canvas drawBasket() {
    Canvas basket(kBasketWidth, kBasketHeight);
    post(basket, 0, layout::kBasketColumnInset - 1);
    for (int column = 0; column < layout::kBasketColumns; ++column) {
        const int right = basketColumnLeft(column) + kTileWidth;
        const int nextLeft =
            column + 1 < layout::kBasketColumns ? basketColumnLeft(column + 1) : kBasketWidth;
        post(basket, right, nextLeft - 1);
        for (int cell = 1; cell < layout::kBasketCells; ++cell) {
            shelf(basket, column, basketCellTop(cell) + kTileHeight);
        }
    }
    beam(basket, 0);
    beam(basket, kBasketHeight - kBeamHeight);
    for (int column = 0; column < layout::kBasketColumns; ++column) {
        chevron(basket, column);
    }
    return basket;
}
