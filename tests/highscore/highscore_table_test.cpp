// The highscore table on real files: defaults, reading lines, sorting, writing back.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "highscore/table_rows.h"
#include "highscore_table.h"
#include "support/work_dir.h"

namespace {

using namespace std::string_literals;

const char* const kFile = "Data/einfach.hsc";

TEST(HighscoreTable, MissingOrEmptyFileGivesDefaultsAndIsWritten) {
    WorkDir dir;
    const std::vector<Row> defaults = defaultRows(150, 10);
    EXPECT_EQ(loadRows(kFile), defaults);
    EXPECT_EQ(dir.readFile(kFile), fileText(defaults));

    dir.writeFile(kFile, "");
    EXPECT_EQ(loadRows(kFile), defaults);
    EXPECT_EQ(dir.readFile(kFile), fileText(defaults));
}

TEST(HighscoreTable, SortsHighestFirstAmongDefaults) {
    WorkDir dir;
    dir.writeFile(kFile, "A;500\nB;20\nC;130\n");
    const std::vector<Row> expected = joined(joined({{"A", 500}, {"C", 130}}, defaultRows(120, 30)),
                                             {{"B", 20}, {":)", 20}, {":)", 10}});
    EXPECT_EQ(loadRows(kFile), expected);
    EXPECT_EQ(dir.readFile(kFile), fileText(expected));
}

TEST(HighscoreTable, TiesSwapPlaces) {
    WorkDir dir;
    dir.writeFile(kFile, "A;500\nB;500\nC;700\n");
    EXPECT_EQ(loadRows(kFile), joined({{"C", 700}, {"B", 500}, {"A", 500}}, defaultRows(120, 10)));
}

TEST(HighscoreTable, NameEndsAtFirstSeparatorAndScoreFollowsAtoi) {
    WorkDir dir;
    dir.writeFile(kFile, ";400\nX;390;999\nLead;  \t380\nTail;370points\nNone;abc\nNeg;-25\n");
    const std::vector<Row> rows = loadRows(kFile);
    EXPECT_EQ(std::vector<Row>(rows.begin(), rows.begin() + 4),
              (std::vector<Row>{{"", 400}, {"X", 390}, {"Lead", 380}, {"Tail", 370}}));
    EXPECT_EQ(rows[13], Row("None", 0));
    EXPECT_EQ(rows[14], Row("Neg", -25));
    EXPECT_NE(dir.readFile(kFile).find("\nNeg;-25\n"), std::string::npos);
}

TEST(HighscoreTable, LineWithoutSeparatorGetsDefaultOfItsSlot) {
    WorkDir dir;
    dir.writeFile(kFile, "A;1004\nB;1003\nC;1002\nD;1001\nno separator here\n");
    EXPECT_EQ(loadRows(kFile),
              joined({{"A", 1004}, {"B", 1003}, {"C", 1002}, {"D", 1001}}, defaultRows(110, 10)));
}

TEST(HighscoreTable, LastLineWithoutLineFeedIsRead) {
    WorkDir dir;
    dir.writeFile(kFile, "A;5\nB;7");
    const std::vector<Row> rows = loadRows(kFile);
    EXPECT_EQ(std::vector<Row>(rows.begin(), rows.begin() + 12), defaultRows(130, 20));
    EXPECT_EQ(std::vector<Row>(rows.begin() + 12, rows.end()),
              (std::vector<Row>{{":)", 10}, {"B", 7}, {"A", 5}}));
}

TEST(HighscoreTable, LinesAfterTheFifteenthAreDropped) {
    WorkDir dir;
    std::vector<Row> lines;
    for (int i = 0; i < kRows + 5; ++i) {
        lines.emplace_back("P" + std::to_string(i), 1000 - i);
    }
    dir.writeFile(kFile, fileText(lines));
    loadRows(kFile);
    EXPECT_EQ(dir.readFile(kFile), fileText({lines.begin(), lines.begin() + kRows}));
}

// A line beyond the longest a table reads (a file grown to gigabytes, say) stops the reading in
// no time: it and every later line show default entries, and the file is left as it is.
TEST(HighscoreTable, ALineBeyondTheLongestStopsTheReadingAndKeepsTheFile) {
    WorkDir dir;
    dir.writeFile(kFile, "Anna;1200\nBen;980\n");
    ASSERT_EQ(truncate(kFile, off_t{2} << 30), 0);  // a third line of 2 GB NUL bytes, sparse
    struct stat before = {};
    ASSERT_EQ(stat(kFile, &before), 0);
    EXPECT_EQ(loadRows(kFile), joined({{"Anna", 1200}, {"Ben", 980}}, defaultRows(130, 10)));
    struct stat after = {};
    ASSERT_EQ(stat(kFile, &after), 0);
    // A save puts a new file in place, and any write would change the size.
    EXPECT_TRUE(after.st_ino == before.st_ino && after.st_size == before.st_size);
}

TEST(HighscoreTable, CrLfLineEndsReadLikeLineFeeds) {
    WorkDir dir;
    dir.writeFile(kFile, "A;500\r\nB;25\r\n\r\nD;0\r\n");
    const std::vector<Row> expected =
        joined(joined({{"A", 500}, {":)", 130}}, defaultRows(110, 30)),
               {{"B", 25}, {":)", 20}, {":)", 10}, {"D", 0}});
    EXPECT_EQ(loadRows(kFile), expected);
    EXPECT_EQ(dir.readFile(kFile), fileText(expected));
}

TEST(HighscoreTable, WrittenFileReadsBackAndRewritesIdentically) {
    WorkDir dir;
    dir.writeFile(kFile, "Z;3\n\n;9;9\nY; +0042x\nbroken\nW;-7\r\n");
    const std::vector<Row> first = loadRows(kFile);
    const std::string written = dir.readFile(kFile);
    EXPECT_EQ(loadRows(kFile), first);
    EXPECT_EQ(dir.readFile(kFile), written);
}

TEST(HighscoreTable, NamesKeepEveryByte) {
    WorkDir dir;
    const std::string odd = "N\0ul\xe4\xff\r\t"s;
    const std::string longName(100000, 'L');
    dir.writeFile(kFile, odd + ";900\n" + longName + ";800\n");
    const std::vector<Row> rows = loadRows(kFile);
    EXPECT_EQ(rows[0], Row(odd, 900));
    EXPECT_EQ(rows[1], Row(longName, 800));
    EXPECT_EQ(dir.readFile(kFile).substr(0, odd.size() + 5), odd + ";900\n");
}

TEST(HighscoreTable, ScoresBeyondThirtyTwoBitsSaturate) {
    WorkDir dir;
    dir.writeFile(kFile, "Big;99999999999999999999\nSmall;-2147483649\n");
    const std::vector<Row> rows = loadRows(kFile);
    EXPECT_EQ(rows.front(), Row("Big", 2147483647));
    EXPECT_EQ(rows.back(), Row("Small", -2147483647 - 1));
    const std::string written = dir.readFile(kFile);
    EXPECT_EQ(written.substr(0, 15), "Big;2147483647\n");
    EXPECT_NE(written.find("\nSmall;-2147483648\n"), std::string::npos);
}

TEST(HighscoreTable, IndexOutsideTableGivesZeroAndEmptyName) {
    WorkDir dir;
    HighscoreTable table(kFile, kRows);
    EXPECT_EQ(table.scoreAt(-1), 0);
    EXPECT_EQ(table.scoreAt(kRows), 0);
    EXPECT_EQ(table.nameAt(kRows), "");
    EXPECT_EQ(table.nameAt(-1), "");
    EXPECT_EQ(table.scoreAt(kRows - 1), 10);
}

}  // namespace
