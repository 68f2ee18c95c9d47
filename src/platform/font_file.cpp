// The check of the menu font's file, made on its bytes before SDL_ttf is trusted with them.
#include "font_file.h"

#include "byte_order.h"

namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kTableRecordSize = 16;
constexpr std::uint32_t kTrueTypeVersion = 0x00010000;
constexpr std::uint32_t kAppleTrueType = 0x74727565;  // "true"
constexpr std::uint32_t kOpenTypeCff = 0x4F54544F;    // "OTTO"

}  // namespace

// The offset table names the tables; each of its records ends with the table's offset and
// length, and every table must lie inside the file.
bool isCompleteFont(const std::uint8_t* bytes, std::size_t size) {
    const std::uint64_t fileSize = size;
    if (fileSize < kOffsetTableSize) {
        return false;
    }
    const std::uint32_t version = readBigEndian(bytes, 4);
    if (version != kTrueTypeVersion && version != kAppleTrueType && version != kOpenTypeCff) {
        return false;
    }
    const std::size_t tableCount = readBigEndian(bytes + 4, 2);
    if (tableCount == 0 || kOffsetTableSize + tableCount * kTableRecordSize > fileSize) {
        return false;
    }
    for (std::size_t i = 0; i < tableCount; ++i) {
        const std::uint8_t* record = bytes + kOffsetTableSize + i * kTableRecordSize;
        const std::uint64_t offset = readBigEndian(record + 8, 4);
        const std::uint64_t length = readBigEndian(record + 12, 4);
        if (offset + length > fileSize) {
            return false;
        }
    }
    return true;
}
