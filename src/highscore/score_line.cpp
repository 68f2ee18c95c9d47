// Parsing and formatting one line of a highscore file.
#include "highscore/score_line.h"

#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kLargestScore = std::numeric_limits<Sint32>::max();
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

Sint32 scoreFromText(const char* text, std::size_t length) {
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
        return static_cast<Sint32>(magnitude >= kLargestMagnitude ? -kLargestMagnitude
                                                                  : -magnitude);
    }
    return static_cast<Sint32>(magnitude >= kLargestScore ? kLargestScore : magnitude);
}

bool parseScoreLine(const std::string& line, HighscoreEntry* entry) {
    const std::size_t separator = line.find(kScoreSeparator);
    if (separator == std::string::npos) {
        return false;
    }
    entry->name = line.substr(0, separator);
    entry->score = scoreFromText(line.data() + separator + 1, line.size() - separator - 1);
    return true;
}

std::string formatScoreLine(const HighscoreEntry& entry) {
    return entry.name + kScoreSeparator + std::to_string(entry.score) + '\n';
}
