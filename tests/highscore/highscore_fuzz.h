// One fuzz input for the highscore table: the bytes of a .hsc file, checked end to end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes `data` as a highscore file into a private temporary directory, builds a table of 15 from
// it and returns the rule loading, sorting or saving broke (shown with the input on standard
// error), or "" when none:
// 15 entries, highest first, the same entries the line parser finds (defaults for the rest, and
// from a line longer than the longest a table reads on), a saved file of 15 lines (or, after such
// a line, the file as it was) that reads back as the same table and rewrites to the same bytes.
std::string fuzzHighscoreFile(const std::uint8_t* data, std::size_t size);
