// Where the game cuts and places the pictures; every size here is fixed by its drawing code.
#pragma once

namespace layout {

// Tiles: eight pictures stacked in one column, colour 1 at the top.
constexpr int kTileWidth = 48;
constexpr int kTileHeight = 16;
constexpr int kTileColours = 8;

// Funnels: three pictures side by side; lanes are one funnel width plus a 4-pixel gap apart.
constexpr int kFunnelWidth = 64;
constexpr int kFunnelFrames = 3;
constexpr int kLanePitch = kFunnelWidth + 4;
// Tiles fall 8 pixels in from a funnel's left edge, so the chute is open from here on.
constexpr int kChuteInset = 8;
constexpr int kChuteRight = kChuteInset + kTileWidth - 1;
// A funnel this tall makes the tile leaving the last lane cell land exactly on the paddle.
constexpr int kFunnelHeight = 280;

// Paddle: two layers (shaded, lit) side by side, five frames stacked in each.
constexpr int kPaddleWidth = 96;
constexpr int kPaddleFrames = 5;
constexpr int kPaddleSheetHeight = 240;
constexpr int paddleFrameHeight(int frame) {
    return 32 + 8 * frame;
}
// Each frame starts where the one above it ends.
constexpr int paddleFrameTop(int frame) {
    return 32 * frame + 4 * frame * (frame - 1);
}
// The bottom 16 rows are the tray; carried tiles sit above it, 24 pixels in.
constexpr int kTrayHeight = 16;
constexpr int kCarryInset = 24;

// Basket: five columns of five cells; the game draws a column's tiles 16 pixels in from the
// basket's left edge and cell r (0 at the bottom) 118 - 28 r rows below its top.
constexpr int kBasketWidth = 352;
constexpr int kBasketHeight = 140;
constexpr int kBasketColumns = 5;
constexpr int kBasketCells = 5;
constexpr int kBasketColumnInset = 16;
constexpr int basketColumnLeft(int column) {
    return kBasketColumnInset + kLanePitch * column;
}
constexpr int basketCellTop(int cell) {
    return 118 - 28 * cell;
}

// The playfield on the 800x600 screen, for the preview.
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kLanes = 5;
constexpr int kFunnelLeft = 25;
constexpr int kFunnelTop = 20;
constexpr int kCellStep = 4;
constexpr int kFirstCellTop = kFunnelTop - 8;
constexpr int kPaddleBottom = kFunnelTop + kFunnelHeight + paddleFrameHeight(4) + 8;
constexpr int kPaddleLeftOfFunnel = 16;
constexpr int kBasketLeft = kFunnelLeft - 8;
constexpr int kBasketTop = kPaddleBottom + 16;

constexpr int funnelLeft(int lane) {
    return kFunnelLeft + kLanePitch * lane;
}
constexpr int laneTileLeft(int lane) {
    return funnelLeft(lane) + kChuteInset;
}
constexpr int laneCellTop(int cell) {
    return kFirstCellTop + kCellStep * cell;
}

}  // namespace layout
