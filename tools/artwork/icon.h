// The application icon for the desktop's menus, drawn from the game's own sheets.
#pragma once

#include "png_writer.h"

// The sizes the icon is drawn at, in pixels a side; each becomes plimsdl-<size>.png.
constexpr int kIconSizes[] = {48, 64, 128, 256};

// The green paddle carrying three tiles, centred on a transparent square `size` pixels a side.
// Throws std::invalid_argument for a size the picture cannot be scaled to in whole pixels.
RgbaImage drawIcon(int size);
