// Reading a highscore file line by line, telling a missing file from one that could not be read.
#include "table_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "regular_file.h"
#include "replace_file.h"
#include "score_line.h"

namespace {

constexpr std::size_t kScanChunk = std::size_t{64} * 1024;

}  // namespace

TableReader::TableReader(const ReplaceableFile& file) : fd_(file.readable()) {
    if (file.found() == ReplaceableFile::Found::Missing) {
        outcome_ = Outcome::Missing;
    } else if (file.found() == ReplaceableFile::Found::Refused) {
        outcome_ = Outcome::Unreadable;
    }
}

bool TableReader::findLineEnd(off_t start, off_t* end, bool* hasLineFeed) const {
    // On the heap: the game may run with a stack of a few dozen kilobytes (ulimit -s).
    const std::unique_ptr<char[]> chunk(new char[kScanChunk]);
    // One byte past the longest line tells a line that goes on from one that ends there.
    const off_t limit = start + static_cast<off_t>(kLongestScoreLine) + 1;
    *end = start;
    *hasLineFeed = false;
    while (*end < limit) {
        const auto wanted = static_cast<std::size_t>(std::min<off_t>(kScanChunk, limit - *end));
        const ssize_t got = pread(fd_, chunk.get(), wanted, *end);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (const void* feed = std::memchr(chunk.get(), '\n', static_cast<std::size_t>(got))) {
            *end += static_cast<const char*>(feed) - chunk.get();
            *hasLineFeed = true;
            return true;
        }
        *end += got;
    }
    return true;
}

bool TableReader::nextLine(std::string* line) {
    line->clear();
    if (fd_ < 0 || ended_) {
        return false;
    }
    // The line is measured first and then read in one piece, so even a line of a megabyte takes
    // its own size in memory once, not the doubling a growing buffer would need.
    off_t end = 0;
    bool hasLineFeed = false;
    if (!findLineEnd(next_, &end, &hasLineFeed)) {
        outcome_ = Outcome::Unreadable;
        ended_ = true;
        return false;
    }
    if (end == next_ && !hasLineFeed) {
        ended_ = true;
        return false;
    }
    // A line beyond the longest (a file grown to gigabytes, say) is neither read nor followed to
    // its end: none of what it may hold can be shown or written back whole.
    if (end - next_ > static_cast<off_t>(kLongestScoreLine)) {
        outcome_ = Outcome::LineTooLong;
        ended_ = true;
        return false;
    }
    line->resize(static_cast<std::size_t>(end - next_));
    if (!readAt(fd_, line->data(), line->size(), next_)) {
        line->clear();
        outcome_ = Outcome::Unreadable;
        ended_ = true;
        return false;
    }
    next_ = hasLineFeed ? end + 1 : end;
    ended_ = !hasLineFeed;
    return true;
}
