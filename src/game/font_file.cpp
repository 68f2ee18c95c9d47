// A structural check of a TrueType font file, before the menus trust it with every text.
#include "game/font_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kTableRecordSize = 16;
constexpr std::uint32_t kTrueTypeVersion = 0x00010000;
constexpr std::uint32_t kAppleTrueType = 0x74727565;  // "true"
constexpr std::uint32_t kOpenTypeCff = 0x4F54544F;    // "OTTO"

// Fonts store their numbers big-endian.
std::uint32_t readBigEndian(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

}  // namespace

bool isCompleteFontFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < kOffsetTableSize) {
        return false;
    }
    const std::uint32_t version = readBigEndian(bytes, 0, 4);
    if (version != kTrueTypeVersion && version != kAppleTrueType && version != kOpenTypeCff) {
        return false;
    }
    const std::size_t tableCount = readBigEndian(bytes, 4, 2);
    if (tableCount == 0 || bytes.size() < kOffsetTableSize + tableCount * kTableRecordSize) {
        return false;
    }
    for (std::size_t i = 0; i < tableCount; ++i) {
        const std::size_t record = kOffsetTableSize + i * kTableRecordSize;
        const std::uint64_t offset = readBigEndian(bytes, record + 8, 4);
        const std::uint64_t length = readBigEndian(bytes, record + 12, 4);
        if (offset + length > bytes.size()) {
            return false;
        }
    }
    return true;
}
