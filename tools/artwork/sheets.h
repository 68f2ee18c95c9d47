// The four pictures the game loads, each drawn from scratch.
#pragma once

#include "canvas.h"

// steine.bmp: the eight tile colours stacked, 48x128.
Canvas drawTileSheet();
// One tile of colour 1 to 8, 48x16.
Canvas drawTile(int colour);
// trichter.bmp: three funnel pictures side by side, 192x280; only the first is shown in play.
Canvas drawFunnelSheet();
// korb.bmp: the basket, 352x140.
Canvas drawBasket();
// player.bmp: shaded layer left, lit layer right, five frames each, 192x240.
Canvas drawPaddleSheet();

// A player colour as the paddle shows it: full in the lit layer's white, half in the shaded one.
struct PaddlePaint {
    Rgb full;
    Rgb half;
};
// The green the game starts with.
constexpr PaddlePaint kGreenPaddle{pal(0, 7, 0), pal(0, 3, 0)};
// One frame of the paddle as the game composes it: the lit layer over the shaded one, painted.
Canvas drawPaddleSprite(int frame, PaddlePaint paint);
