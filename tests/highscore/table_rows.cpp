// Helpers for the highscore tests.
#include "highscore/table_rows.h"

#include "highscore_table.h"

std::vector<Row> loadRows(const std::string& path) {
    HighscoreTable table(path, kRows);
    std::vector<Row> rows;
    for (int i = 0; i < kRows; ++i) {
        rows.emplace_back(table.nameAt(i), table.scoreAt(i));
    }
    return rows;
}

std::vector<Row> defaultRows(int highest, int lowest) {
    std::vector<Row> rows;
    for (int score = highest; score >= lowest; score -= 10) {
        rows.emplace_back(":)", score);
    }
    return rows;
}

std::string fileText(const std::vector<Row>& rows) {
    std::string text;
    for (const Row& row : rows) {
        text += row.first + ";" + std::to_string(row.second) + "\n";
    }
    return text;
}

std::vector<Row> joined(std::vector<Row> first, const std::vector<Row>& rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}
