// Small surface helpers of the game: loading its bitmaps, freeing owned surfaces, rectangles.
#pragma once

#include <SDL.h>

// The colour that stays see-through when a bitmap is drawn.
enum class Transparent { Black, White };

// Loads the BMP at `path`, marks `transparent` as its colour key in the bitmap's own format and
// converts it to the display's format (the video mode must be set). Returns a new surface that
// belongs to the caller, or null when the file is missing, unreadable, not a regular file, not a
// BMP or of a size the game cannot use (see bitmap_file.h), or when there is no memory for it.
SDL_Surface* loadDisplayBitmap(const char* path, Transparent transparent);

// Frees an owned surface, if any, and clears the field that held it.
void freeSurface(SDL_Surface*& surface);

// A rectangle stored the way SDL keeps them: 16-bit fields, values truncated.
SDL_Rect makeRect(int x, int y, int w, int h);
