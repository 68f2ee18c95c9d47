// The rules by which the game cuts the bitmaps into pictures and places them on the screen.
#pragma once

namespace geometry {

constexpr int kTileFrames = 8;
constexpr int kTileRowStep = 16;
constexpr int kFunnelFrames = 3;
constexpr int kLanes = 5;
// Lane tiles and basket columns are drawn this far right of their funnel's left edge.
constexpr int kChuteInset = 8;
constexpr int kLaneGap = 4;
constexpr int kFunnelTop = 20;
constexpr int kLastLaneCell = 81;
constexpr int kCellStep = 4;
constexpr int laneCellTop(int cell) {
    return kFunnelTop - 8 + kCellStep * cell;
}

constexpr int kPaddleFrames = 5;
constexpr int paddleFrameHeight(int frame) {
    return 32 + 8 * frame;
}
constexpr int paddleFrameTop(int frame) {
    return frame == 0 ? 0 : paddleFrameTop(frame - 1) + paddleFrameHeight(frame - 1);
}
constexpr int kPaddleRows = paddleFrameTop(kPaddleFrames);
constexpr int kTallestPaddleFrame = paddleFrameHeight(kPaddleFrames - 1);
// Carried tiles are drawn this far right of the paddle's left edge, slot 0 just above the tray.
constexpr int kCarryInset = 24;
constexpr int kTrayRows = 16;
constexpr int kPaddleLeftOfFunnel = 16;
constexpr int paddleBottom(int funnelHeight) {
    return kFunnelTop + funnelHeight + kTallestPaddleFrame + 8;
}
constexpr int carrySlotTop(int funnelHeight) {
    return paddleBottom(funnelHeight) - 32;
}

// The basket sits 8 pixels left of the first funnel; cell r of a column (0 at the bottom).
constexpr int kBasketCells = 5;
constexpr int kBasketLeftOfFunnel = 8;
constexpr int basketCellTop(int cell) {
    return 118 - 28 * cell;
}

}  // namespace geometry
