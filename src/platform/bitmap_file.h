// The check of a bitmap file, made on its bytes before SDL decodes them.
#pragma once

#include <cstddef>
#include <cstdint>

// The largest width or height of a picture the game loads: far beyond its 800x600 screen, and
// small enough that every rectangle derived from a picture fits SDL's 16-bit fields.
constexpr std::int64_t kMaxBitmapSide = 4096;

// The largest bitmap file the game reads: four bytes a pixel of the largest picture, plus room
// for headers and a palette.
constexpr std::size_t kMaxBitmapBytes =
    kMaxBitmapSide * kMaxBitmapSide * 4 + std::size_t{64} * 1024;

// True for a picture size the game can use: 1 to kMaxBitmapSide pixels each way.
bool isUsableBitmapSize(std::int64_t width, std::int64_t height);

// True when `bytes` start with the header of a Windows BMP of a usable size (a negative height,
// for a picture stored top row first, counts by its magnitude) in a pixel format SDL converts:
// one plane of 1, 4, 8 or 24 bits a pixel uncompressed, or of 16 or 32 bits uncompressed or
// with colour masks. The check for readCheckedFile.
bool hasUsableBitmapHeader(const std::uint8_t* bytes, std::size_t size);
