// The menu font's file, read into memory and checked before SDL_ttf is trusted with it.
#include "font_file.h"

#include <cstdint>

#include "byte_order.h"

namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kTableRecordSize = 16;
constexpr std::uint32_t kTrueTypeVersion = 0x00010000;
constexpr std::uint32_t kAppleTrueType = 0x74727565;  // "true"
constexpr std::uint32_t kOpenTypeCff = 0x4F54544F;    // "OTTO"

}  // namespace

FontFile::FontFile(const char* path) : file_(readRegularFile(path, kMaxFontBytes)) {
    if (file_.bytes != nullptr && !isComplete()) {
        file_ = FileBytes();
    }
}

SDL_RWops* FontFile::stream() const {
    return holdsFont() ? SDL_RWFromConstMem(file_.bytes.get(), static_cast<int>(file_.size))
                       : nullptr;
}

// The offset table names the tables; each of its records ends with the table's offset and
// length, and every table must lie inside the file.
bool FontFile::isComplete() const {
    const std::uint8_t* bytes = file_.bytes.get();
    const std::uint64_t fileSize = file_.size;
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
