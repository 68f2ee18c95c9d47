// A playfield scene put together from the sheets exactly as the game draws it, for reviewing.
#pragma once

#include "canvas.h"

// The 800x600 screen in play: tiles falling, a green paddle carrying two tiles under the
// middle lane, and a part-filled basket.
Canvas drawPreview();
