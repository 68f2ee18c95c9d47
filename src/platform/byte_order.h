// Reading the unsigned numbers that file formats store byte by byte, in either byte order.
#pragma once

#include <cstdint>

// The `byteCount` bytes (1 to 4) at `bytes` as a number stored least significant byte first, as
// in Windows bitmaps.
inline std::uint32_t readLittleEndian(const std::uint8_t* bytes, int byteCount) {
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

// The same for a number stored most significant byte first, as in TrueType fonts.
inline std::uint32_t readBigEndian(const std::uint8_t* bytes, int byteCount) {
    std::uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i) {
        value = value << 8 | bytes[i];
    }
    return value;
}
