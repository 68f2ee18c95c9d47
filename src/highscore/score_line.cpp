// Parsing and formatting one line of a highscore file.
#include "score_line.h"

#include <cstdint>
#include <limits>
#include <utility>

namespace {

constexpr std::int64_t kLargestScore = std::numeric_limits<std::int32_t>::max();
// Negative numbers can reach one further than positive ones.
constexpr std::int64_t kLargestMagnitude = kLargestScore + 1;

// White space as `isspace` sees it in the C locale, independent of the process's locale.
bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::int32_t scoreFromText(const char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length && isCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < length && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulating stops growing once past the largest magnitude, so any number of digits fits.
    std::int64_t magnitude = 0;
    for (; i < length && isDigit(text[i]); ++i) {
        if (magnitude <= kLargestMagnitude) {
            magnitude = magnitude * 10 + (text[i] - '0');
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(magnitude >= kLargestMagnitude ? -kLargestMagnitude
                                                                        : -magnitude);
    }
    return static_cast<std::int32_t>(magnitude >= kLargestScore ? kLargestScore : magnitude);
}

bool parseScoreLine(std::string line, HighscoreEntry* entry) {
    const std::size_t separator = line.find(kScoreSeparator);
    if (separator == std::string::npos) {
        return false;
    }
    entry->score = scoreFromText(line.data() + separator + 1, line.size() - separator - 1);
    // The line's own memory becomes the name; a long score text must not stay attached to it.
    line.resize(separator);
    if (line.capacity() / 2 > line.size()) {
        line.shrink_to_fit();
    }
    entry->name = std::move(line);
    return true;
}

std::string scoreLineEnd(std::int32_t score) {
    return kScoreSeparator + std::to_string(score) + '\n';
}
