// The rules of one highscore file line, free of any file I/O so tests and the fuzzer can call them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// One entry of a highscore table, as a line of its file gives it. The score is SDL's Sint32 under
// its standard name, so that the line rules need no SDL.
struct HighscoreEntry {
    std::string name;  // Latin-1 bytes, kept exactly as read
    std::int32_t score;
};

// Separates the name from the score in a line of a .hsc file.
constexpr char kScoreSeparator = ';';

// The longest line a table reads, a megabyte: far beyond any name a player would type, yet all
// fifteen lines together still take only milliseconds and megabytes, however large the file.
constexpr std::size_t kLongestScoreLine = std::size_t{1} << 20;

// Reads a score the way `atoi` does (leading C-locale white space, an optional sign, the digits up
// to the first other byte, 0 without digits), but a number beyond the signed 32-bit range
// saturates to its nearest limit instead of being undefined. `text` need not be NUL-terminated.
std::int32_t scoreFromText(const char* text, std::size_t length);

// Splits one line (without its line feed) at its first separator into `entry`: the bytes before
// it become the name, the text after it the score. Returns false, leaving `entry` untouched, when
// the line has no separator. A line handed over with std::move becomes the name without a copy.
bool parseScoreLine(std::string line, HighscoreEntry* entry);

// What follows the name in a line the table writes: the separator, the score in decimal and a
// line feed. The table writes the name's bytes as they are, then this.
std::string scoreLineEnd(std::int32_t score);
