// The rules of one highscore line: where the name ends and how the score text converts.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "score_line.h"

namespace {

using namespace std::string_literals;

std::int32_t scoreOf(const std::string& text) {
    return scoreFromText(text.data(), text.size());
}

TEST(ScoreText, FollowsAtoiWithinRange) {
    EXPECT_EQ(scoreOf("42"), 42);
    EXPECT_EQ(scoreOf(" \t\v\f\r\n17x9"), 17);
    EXPECT_EQ(scoreOf("+8"), 8);
    EXPECT_EQ(scoreOf("-0031"), -31);
    EXPECT_EQ(scoreOf(""), 0);
    EXPECT_EQ(scoreOf("-"), 0);
    EXPECT_EQ(scoreOf("- 5"), 0);
    EXPECT_EQ(scoreOf("++5"), 0);
    EXPECT_EQ(scoreOf("abc12"), 0);
    EXPECT_EQ(scoreOf("12\0"s
                      "34"),
              12);
    EXPECT_EQ(scoreOf("\0"s
                      "34"),
              0);
}

TEST(ScoreText, SaturatesOutsideThirtyTwoBits) {
    EXPECT_EQ(scoreOf("2147483647"), 2147483647);
    EXPECT_EQ(scoreOf("2147483648"), 2147483647);
    EXPECT_EQ(scoreOf("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(scoreOf("-2147483649"), -2147483647 - 1);
    EXPECT_EQ(scoreOf(std::string(5000, '9')), 2147483647);
    EXPECT_EQ(scoreOf("-" + std::string(5000, '9')), -2147483647 - 1);
    EXPECT_EQ(scoreOf("00000000000000000000000000012"), 12);
}

TEST(ScoreText, ReadsOnlyTheGivenLength) {
    const char text[] = "123456";
    EXPECT_EQ(scoreFromText(text, 3), 123);
}

TEST(ScoreLine, SplitsAtFirstSeparator) {
    HighscoreEntry entry{"old", 1};
    EXPECT_TRUE(parseScoreLine("Anna;12;34", &entry));
    EXPECT_EQ(entry.name, "Anna");
    EXPECT_EQ(entry.score, 12);
    EXPECT_TRUE(parseScoreLine(";-3", &entry));
    EXPECT_EQ(entry.name, "");
    EXPECT_EQ(entry.score, -3);
    EXPECT_TRUE(parseScoreLine("N\0x;"s, &entry));
    EXPECT_EQ(entry.name, "N\0x"s);
    EXPECT_EQ(entry.score, 0);
}

TEST(ScoreLine, LineWithoutSeparatorLeavesEntryAlone) {
    HighscoreEntry entry{"kept", 77};
    EXPECT_FALSE(parseScoreLine("no separator 5", &entry));
    EXPECT_FALSE(parseScoreLine("", &entry));
    EXPECT_EQ(entry.name, "kept");
    EXPECT_EQ(entry.score, 77);
}

TEST(ScoreLine, EndsWithSeparatorDecimalAndLineFeed) {
    EXPECT_EQ(scoreLineEnd(0), ";0\n");
    EXPECT_EQ(scoreLineEnd(7), ";7\n");
    EXPECT_EQ(scoreLineEnd(-2147483647 - 1), ";-2147483648\n");
}

}  // namespace
