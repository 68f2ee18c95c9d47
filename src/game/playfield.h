// The playfield's dimensions and layout: how the sheets are cut into pictures and where each
// picture is drawn. Free of SDL, so the artwork generator and the tests share these rules with
// the drawing code instead of restating them.
#pragma once

// Dimensions.
constexpr int kLaneCount = 5;      // lanes, funnels and basket columns, 0 (left) to 4 (right)
constexpr int kCellsPerLane = 82;  // cell 0 at the funnel, cell 81 at the paddle
constexpr int kLastCell = kCellsPerLane - 1;
constexpr int kPaddleSlots = 3;       // slot 0 at the bottom, dropped first
constexpr int kBasketDepth = 5;       // cell 0 at the bottom of a column
constexpr int kTileColours = 8;       // colours 1 to 8; 0 is an empty cell
constexpr int kPaddleFrameCount = 5;  // drop animation frames 0 (idle) to 4 (tile released)
constexpr int kFunnelFrameCount = 3;
constexpr int kMiddleLane = 2;

// Sheets: tile pictures stand 16 rows apart; paddle frame i is 32 + 8 i rows high, each frame
// starting where the one above it ends.
constexpr int kTileFramePitch = 16;
constexpr int kFirstPaddleFrameHeight = 32;
constexpr int kPaddleFrameGrowth = 8;
constexpr int paddleFrameHeight(int frame) {
    return kFirstPaddleFrameHeight + kPaddleFrameGrowth * frame;
}
constexpr int paddleFrameTop(int frame) {
    return frame == 0 ? 0 : paddleFrameTop(frame - 1) + paddleFrameHeight(frame - 1);
}
constexpr int kTallestPaddleFrame = paddleFrameHeight(kPaddleFrameCount - 1);

// Screen layout, in pixels.
constexpr int kFunnelsLeft = 25;
constexpr int kFunnelsTop = 20;
constexpr int kFunnelSpacing = 4;      // between two funnels
constexpr int kTileInset = 8;          // lane and basket tiles stand this far right of a funnel
constexpr int kTileRaise = 8;          // a tile in cell 0 starts this far above the funnels
constexpr int kCellHeight = 4;         // a tile falls one cell a tick
constexpr int kPaddleOverhang = 16;    // the paddle reaches this far left of its funnel
constexpr int kPaddleGap = 8;          // between the funnels and the tallest paddle frame
constexpr int kCarriedTileInset = 24;  // carried tiles sit centred on the paddle
constexpr int kCarriedTilePitch = 16;
constexpr int kTrayHeight = 16;  // the bottom of every paddle frame, below carried slot 0
constexpr int kBasketLeftOfFunnels = 8;
constexpr int kBasketBelowTallestFrame = 24;  // 16 rows under the paddle's bottom edge
constexpr int kBasketBottomCell = 118;  // top of a column's bottom tile below the basket's top
constexpr int kBasketCellPitch = 28;

// The left edge of `lane`'s funnel, for funnels `funnelWidth` wide.
constexpr int funnelLeft(int lane, int funnelWidth) {
    return kFunnelsLeft + lane * (funnelWidth + kFunnelSpacing);
}
// The top row of a lane tile in `cell`.
constexpr int laneCellTop(int cell) {
    return kFunnelsTop - kTileRaise + kCellHeight * cell;
}
// The paddle's bottom edge, shared by all its frames, under funnels `funnelHeight` tall.
constexpr int paddleBottom(int funnelHeight) {
    return kFunnelsTop + funnelHeight + kTallestPaddleFrame + kPaddleGap;
}
// How far above the paddle's bottom edge the carried tile in `slot` (0 at the bottom) has its top.
constexpr int carriedTileRise(int slot) {
    return kTrayHeight + kCarriedTilePitch * (slot + 1);
}
// The basket's corner: below the paddle's lowest reach, so a colour change never moves it.
constexpr int kBasketLeft = kFunnelsLeft - kBasketLeftOfFunnels;
constexpr int basketTop(int funnelHeight) {
    return kFunnelsTop + funnelHeight + kTallestPaddleFrame + kBasketBelowTallestFrame;
}
// The top row of basket cell `cell` (0 at the bottom), below the basket's top.
constexpr int basketCellOffset(int cell) {
    return kBasketBottomCell - kBasketCellPitch * cell;
}
