// A structural check of a TrueType font file, before the menus trust it with every text.
#include "font_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>

#include "byte_order.h"
#include "regular_file.h"

namespace {

constexpr std::size_t kOffsetTableSize = 12;
constexpr std::size_t kTableRecordSize = 16;
constexpr std::size_t kRecordsPerRead = 256;
constexpr std::uint32_t kTrueTypeVersion = 0x00010000;
constexpr std::uint32_t kAppleTrueType = 0x74727565;  // "true"
constexpr std::uint32_t kOpenTypeCff = 0x4F54544F;    // "OTTO"

// Reads the table directory in pieces and checks that every table it names lies in the file.
bool tablesLieInside(int fd, std::size_t tableCount, std::uint64_t fileSize) {
    std::uint8_t records[kRecordsPerRead * kTableRecordSize];
    for (std::size_t first = 0; first < tableCount; first += kRecordsPerRead) {
        const std::size_t count =
            tableCount - first < kRecordsPerRead ? tableCount - first : kRecordsPerRead;
        const off_t at = static_cast<off_t>(kOffsetTableSize + first * kTableRecordSize);
        if (!readAt(fd, records, count * kTableRecordSize, at)) {
            return false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* record = records + i * kTableRecordSize;
            const std::uint64_t offset = readBigEndian(record + 8, 4);
            const std::uint64_t length = readBigEndian(record + 12, 4);
            if (offset + length > fileSize) {
                return false;
            }
        }
    }
    return true;
}

bool isCompleteFont(int fd, const struct stat& status) {
    if (status.st_size < 0 || static_cast<std::uint64_t>(status.st_size) > kMaxFontBytes) {
        return false;
    }
    const std::uint64_t fileSize = static_cast<std::uint64_t>(status.st_size);
    std::uint8_t header[kOffsetTableSize];
    if (fileSize < kOffsetTableSize || !readAt(fd, header, sizeof header, 0)) {
        return false;
    }
    const std::uint32_t version = readBigEndian(header, 4);
    if (version != kTrueTypeVersion && version != kAppleTrueType && version != kOpenTypeCff) {
        return false;
    }
    const std::size_t tableCount = readBigEndian(header + 4, 2);
    return tableCount > 0 && kOffsetTableSize + tableCount * kTableRecordSize <= fileSize &&
           tablesLieInside(fd, tableCount, fileSize);
}

}  // namespace

bool isCompleteFontFile(const char* path) {
    struct stat status = {};
    const int fd = openRegularFile(path, &status);
    if (fd < 0) {
        return false;
    }
    const bool complete = isCompleteFont(fd, status);
    close(fd);
    return complete;
}
