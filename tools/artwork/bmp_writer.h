// Saves a Canvas as an uncompressed 24-bit Windows bitmap, the kind SDL_LoadBMP reads.
#pragma once

#include <string>

#include "canvas.h"

// Throws std::runtime_error when the file cannot be written or the canvas holds a colour
// outside the screen's palette (which the game would shift, or key out as transparent).
void writeBmp(const Canvas& canvas, const std::string& path);
