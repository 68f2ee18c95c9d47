// Lays the sheets out the way the game's render step does: paddle, tiles, then funnels and
// basket on top, each cut and placed by the same rules.
#include "preview.h"

#include "layout.h"
#include "sheets.h"

namespace {

using namespace layout;

constexpr int kPaddleLane = 2;

struct LaneTile {
    int lane;
    int cell;
    int colour;
};
constexpr LaneTile kFalling[] = {{0, 70, 4}, {3, 20, 6}, {4, 1, 8}};
constexpr int kCarried[] = {1, 3};
constexpr int kBasketFill[kBasketColumns][kBasketCells] = {
    {2, 5, 7, 0, 0}, {4, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 6, 3, 8, 2}, {5, 5, 0, 0, 0}};

void drawTiles(Canvas& screen, int paddleLeft) {
    for (const LaneTile& tile : kFalling) {
        screen.overlay(drawTile(tile.colour), laneTileLeft(tile.lane), laneCellTop(tile.cell));
    }
    int slot = 0;
    for (int colour : kCarried) {
        screen.overlay(drawTile(colour), paddleLeft + kCarryInset,
                       kPaddleBottom - carriedTileRise(slot));
        ++slot;
    }
    for (int column = 0; column < kBasketColumns; ++column) {
        for (int cell = 0; cell < kBasketCells; ++cell) {
            if (kBasketFill[column][cell] != 0) {
                screen.overlay(drawTile(kBasketFill[column][cell]), laneTileLeft(column),
                               kBasketTop + basketCellTop(cell));
            }
        }
    }
}

}  // namespace

Canvas drawPreview() {
    Canvas screen(kScreenWidth, kScreenHeight);
    const int paddleLeft = funnelLeft(kPaddleLane) - kPaddleLeftOfFunnel;
    screen.overlay(drawPaddleSprite(0, kGreenPaddle), paddleLeft,
                   kPaddleBottom - paddleFrameHeight(0));
    drawTiles(screen, paddleLeft);
    const Canvas funnel = drawFunnelSheet().crop(0, 0, kFunnelWidth, kFunnelHeight);
    for (int lane = 0; lane < kLanes; ++lane) {
        screen.overlay(funnel, funnelLeft(lane), kFunnelTop);
    }
    screen.overlay(drawBasket(), kBasketLeft, kBasketTop);
    return screen;
}
