// A bitmap file read into memory and checked before SDL decodes it, so that SDL decodes exactly
// the bytes that were checked.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "regular_file.h"

// The largest width or height of a picture the game loads: far beyond its 800x600 screen, and
// small enough that every rectangle derived from a picture fits SDL's 16-bit fields.
constexpr std::int64_t kMaxBitmapSide = 4096;

// True for a picture size the game can use: 1 to kMaxBitmapSide pixels each way.
bool isUsableBitmapSize(std::int64_t width, std::int64_t height);

class BitmapFile {
public:
    // Reads `path` when it is a regular file (never a pipe or a device, which could block or
    // never end), no larger than the largest usable picture, whose header is that of a Windows
    // BMP of a usable size (a negative height, for a picture stored top row first, counts by
    // its magnitude) in a pixel format SDL converts: one plane of 1, 4, 8 or 24 bits a pixel
    // uncompressed, or of 16 or 32 bits uncompressed or with colour masks. Otherwise, or without
    // memory for it, holds nothing.
    explicit BitmapFile(const char* path);

    // A new stream over the bytes, to be handed to SDL_LoadBMP_RW with its argument that frees
    // the stream set; null when the file was refused. The bytes must outlive the stream.
    SDL_RWops* stream() const;

private:
    bool hasUsableHeader() const;

    FileBytes file_;  // holds nothing when the file was refused
};
