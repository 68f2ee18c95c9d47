// The sizes of the pictures drawn here, and the game's own layout rules they must fit.
#pragma once

#include "playfield.h"
#include "screen.h"

namespace layout {

// Tiles: eight pictures stacked in one column, colour 1 at the top.
constexpr int kTileWidth = 48;
constexpr int kTileHeight = ::kTileFramePitch;
constexpr int kTileColours = ::kTileColours;

// Funnels: three pictures side by side; lanes are one funnel width plus a 4-pixel gap apart.
constexpr int kFunnelWidth = 64;
constexpr int kFunnelFrames = ::kFunnelFrameCount;
constexpr int kLanePitch = kFunnelWidth + ::kFunnelSpacing;
// Tiles fall 8 pixels in from a funnel's left edge, so the chute is open from here on.
constexpr int kChuteInset = ::kTileInset;
constexpr int kChuteRight = kChuteInset + kTileWidth - 1;
// A funnel this tall makes the tile leaving the last lane cell land exactly on the paddle.
constexpr int kFunnelHeight = 280;

// Paddle: two layers (shaded, lit) side by side, five frames stacked in each.
constexpr int kPaddleWidth = 96;
constexpr int kPaddleFrames = ::kPaddleFrameCount;
constexpr int kPaddleSheetHeight = 240;
using ::paddleFrameHeight;
using ::paddleFrameTop;
// The bottom 16 rows are the tray; carried tiles sit above it, 24 pixels in.
using ::kTrayHeight;
constexpr int kCarryInset = ::kCarriedTileInset;
constexpr int kCarrySlots = ::kPaddleSlots;
using ::carriedTileRise;

// Basket: five columns of five cells; the game draws a column's tiles 16 pixels in from the
// basket's left edge and cell r (0 at the bottom) 118 - 28 r rows below its top.
constexpr int kBasketWidth = 352;
constexpr int kBasketHeight = 140;
constexpr int kBasketColumns = ::kLaneCount;
constexpr int kBasketCells = ::kBasketDepth;
constexpr int kBasketColumnInset = ::kBasketLeftOfFunnels + ::kTileInset;
constexpr int basketColumnLeft(int column) {
    return kBasketColumnInset + kLanePitch * column;
}
constexpr int basketCellTop(int cell) {
    return ::basketCellOffset(cell);
}

// The playfield on the 800x600 screen, for the preview.
using ::kScreenHeight;
using ::kScreenWidth;
constexpr int kLanes = ::kLaneCount;
constexpr int kFunnelLeft = ::kFunnelsLeft;
constexpr int kFunnelTop = ::kFunnelsTop;
constexpr int kPaddleBottom = ::paddleBottom(kFunnelHeight);
constexpr int kPaddleLeftOfFunnel = ::kPaddleOverhang;
using ::kBasketLeft;
constexpr int kBasketTop = ::basketTop(kFunnelHeight);

constexpr int funnelLeft(int lane) {
    return ::funnelLeft(lane, kFunnelWidth);
}
constexpr int laneTileLeft(int lane) {
    return funnelLeft(lane) + kChuteInset;
}
using ::laneCellTop;

}  // namespace layout
