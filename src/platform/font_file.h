// The menu font's file, read into memory and checked before SDL_ttf is trusted with it, so that
// SDL_ttf parses exactly the bytes that were checked.
#pragma once

#include <SDL.h>

#include <cstddef>

#include "regular_file.h"

// The largest font file the menus accept; their font is a few hundred kilobytes.
constexpr std::size_t kMaxFontBytes = std::size_t{32} * 1024 * 1024;

class FontFile {
public:
    // Holds nothing.
    FontFile() = default;
    // Reads `path` when it is a regular file (never a pipe or a device, which could block or
    // never end) of at most kMaxFontBytes that is a TrueType or OpenType font whose every table
    // lies wholly inside it: a font cut short or something else under its name is refused.
    // Otherwise, or without memory for it, holds nothing.
    explicit FontFile(const char* path);

    bool holdsFont() const { return file_.bytes != nullptr; }
    // A new stream over the bytes, to be handed to TTF_OpenFontRW with its argument that frees
    // the stream set; null when the file was refused. The bytes must outlive the font.
    SDL_RWops* stream() const;

private:
    bool isComplete() const;

    FileBytes file_;
};
