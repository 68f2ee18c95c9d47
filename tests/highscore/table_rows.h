// Helpers for the highscore tests: a table's rows as plain values, and the rows of default entries.
#pragma once

#include <string>
#include <utility>
#include <vector>

// One row of a table: name and score.
using Row = std::pair<std::string, int>;

// The game's table size.
constexpr int kRows = 15;

// Builds a table of kRows on `path` and returns its rows in table order; the table is destroyed,
// and so saved, before this returns.
std::vector<Row> loadRows(const std::string& path);

// Default rows with the scores `highest` down to `lowest`, in steps of ten.
std::vector<Row> defaultRows(int highest, int lowest);

// The file text of `rows`, one "name;score" line each.
std::string fileText(const std::vector<Row>& rows);

// `first` followed by `rest`.
std::vector<Row> joined(std::vector<Row> first, const std::vector<Row>& rest);
