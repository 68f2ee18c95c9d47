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
