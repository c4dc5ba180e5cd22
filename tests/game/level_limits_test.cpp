// Time limits written into level texts from driven stretch times.
#include "level_limits.h"
#include "level_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kDots(32, '.');

TEST(LevelLimits, EachStretchGetsItsMarginRoundedUpToWholeSeconds)
{
    struct Case {
        int hundredths;
        LimitTriple seconds;
    } const cases[] = {
        {1000, {16, 14, 12}},  // 16.0, 13.5, 11.5
        {2000, {32, 27, 23}},  // exact products stay as they are
        {2001, {33, 28, 24}}, {1, {1, 1, 1}},
        {0, {1, 1, 1}},  // never 0: a 0 bonus would make the checkpoint a plain row
    };
    for (const Case& c : cases) EXPECT_EQ(c.seconds, StretchLimits(c.hundredths)) << c.hundredths;
}

TEST(LevelLimits, ReplacesTheHeaderAndCheckpointBonusesAndKeepsEverythingElse)
{
    const std::string text = "51,39,30\r\n" + kDots + "\r\n" + "..X" + kDots.substr(3) + "43,34,25\r\n" + kDots +
                             "0,10,20\r\n" + kDots + ".\r\n" + kDots + "5,5\r\n";
    ASSERT_EQ(2, CountCheckpoints(text));
    std::string out;
    ASSERT_TRUE(ReplaceLevelLimits(text, {{10, 9, 8}, {7, 6, 5}, {4, 3, 2}}, &out));
    const std::string expected = "10,9,8\r\n" + kDots + "\r\n" + "..X" + kDots.substr(3) + "7,6,5\r\n" + kDots +
                                 "0,10,20\r\n" + kDots + ".\r\n" + kDots + "4,3,2\r\n";
    EXPECT_EQ(expected, out);
    const LevelText level = ReadLevelText(out.data(), out.size());
    EXPECT_EQ(10, level.timeLimits[0]);
    EXPECT_EQ(8, level.timeLimits[2]);
    ASSERT_EQ(4u, level.rows.size());
    EXPECT_EQ(2, level.rows.back().bonus[2]);
    EXPECT_FALSE(level.rows[2].IsCheckpoint());
}

TEST(LevelLimits, RefusesAStretchCountThatDoesNotMatch)
{
    const std::string text = "51,39,30\r\n" + kDots + "\r\n" + kDots + "5,5,5\r\n" + kDots + "\r\n";
    std::string out = "untouched";
    EXPECT_FALSE(ReplaceLevelLimits(text, {{1, 1, 1}}, &out));
    EXPECT_FALSE(ReplaceLevelLimits(text, {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, &out));
    EXPECT_FALSE(ReplaceLevelLimits(text, {}, &out));
    EXPECT_EQ("untouched", out);
    EXPECT_TRUE(ReplaceLevelLimits(text, {{1, 1, 1}, {2, 2, 2}}, &out));
}

TEST(LevelLimits, KeepsLineEndsAsTheyAre)
{
    const std::string text = "1,1,1\n" + kDots + "\n" + kDots + "5,5,5";
    std::string out;
    ASSERT_TRUE(ReplaceLevelLimits(text, {{3, 2, 1}, {6, 5, 4}}, &out));
    EXPECT_EQ("3,2,1\n" + kDots + "\n" + kDots + "6,5,4", out);
}

}  // namespace
