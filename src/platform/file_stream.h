// An SDL stream over the bytes of a data file as they were read and checked (regular_file.h).
#pragma once

#include <SDL.h>

#include "regular_file.h"

// A new stream over `file`'s bytes, to be handed to SDL_LoadBMP_RW or TTF_OpenFontRW with their
// argument that frees the stream set; null when the file was refused. The bytes must outlive
// the stream, and a font opened from it.
inline SDL_RWops* streamOver(const FileBytes& file) {
    return file.bytes == nullptr
               ? nullptr
               : SDL_RWFromConstMem(file.bytes.get(), static_cast<int>(file.size));
}
