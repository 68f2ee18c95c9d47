// The check of a bitmap file, made on its bytes before SDL decodes them.
#include "bitmap_file.h"

#include "byte_order.h"

namespace {

// The file header is 14 bytes; the picture header after it starts with its own size, then the
// width and the height: 16-bit unsigned in the old 12-byte form, 32-bit signed in all others.
// Then come the planes and the bits a pixel (16-bit each), and in all but the old form the
// compression (32-bit).
constexpr std::size_t kInfoHeaderAt = 14;
constexpr std::size_t kSizesAt = 18;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::size_t kCoreFormatAt = 22;
constexpr std::size_t kFormatAt = 26;
constexpr std::size_t kCoreHeadersNeeded = 26;
constexpr std::size_t kHeadersNeeded = 34;

constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kColourMasks = 3;  // BI_BITFIELDS: pixels of 16 or 32 bits with their masks

// The pixel formats a Windows BMP may have and SDL converts for the screen. SDL 1.2 takes the
// bits a pixel as they come and keeps only their low byte, so a count such as 0x8008 would
// make an 8-bit picture without a palette, which crashes the conversion.
bool isConvertibleFormat(std::uint32_t planes, std::uint32_t bitsPerPixel,
                         std::uint32_t compression) {
    if (planes != 1) {
        return false;
    }
    switch (bitsPerPixel) {
        case 1:
        case 4:
        case 8:
        case 24:
            return compression == kUncompressed;
        case 16:
        case 32:
            return compression == kUncompressed || compression == kColourMasks;
        default:
            return false;
    }
}

}  // namespace

bool isUsableBitmapSize(std::int64_t width, std::int64_t height) {
    return width >= 1 && width <= kMaxBitmapSide && height >= 1 && height <= kMaxBitmapSide;
}

bool hasUsableBitmapHeader(const std::uint8_t* bytes, std::size_t size) {
    if (size < kCoreHeadersNeeded || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    const std::uint8_t* sizes = bytes + kSizesAt;
    if (readLittleEndian(bytes + kInfoHeaderAt, 4) == kCoreHeaderSize) {
        const std::uint8_t* format = bytes + kCoreFormatAt;
        return isUsableBitmapSize(readLittleEndian(sizes, 2), readLittleEndian(sizes + 2, 2)) &&
               isConvertibleFormat(readLittleEndian(format, 2), readLittleEndian(format + 2, 2),
                                   kUncompressed);
    }
    if (size < kHeadersNeeded) {
        return false;
    }
    const std::int64_t width = static_cast<std::int32_t>(readLittleEndian(sizes, 4));
    const std::int64_t height = static_cast<std::int32_t>(readLittleEndian(sizes + 4, 4));
    const std::uint8_t* format = bytes + kFormatAt;
    // Negating in a wider type keeps the most negative height from turning back into itself.
    return isUsableBitmapSize(width, height < 0 ? -height : height) &&
           isConvertibleFormat(readLittleEndian(format, 2), readLittleEndian(format + 2, 2),
                               readLittleEndian(format + 4, 4));
}
