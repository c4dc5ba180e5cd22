// The high-score tables: ranking, ties, full tables, corrupt counts, and their file.
#include "score_table.h"
#include "table_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry {
    std::string name;
    int gems, time;
    bool operator==(const Entry& o) const { return name == o.name && gems == o.gems && time == o.time; }
};

std::vector<Entry> Entries(ScoreTable& scores, int level)
{
    std::vector<Entry> entries;
    for (int i = 0; i < scores.GetScoreCount(level); ++i)
        entries.push_back(
            {scores.GetScoreName(level, i).c_str(), scores.GetScoreGems(level, i), scores.GetScoreTime(level, i)});
    return entries;
}

TEST(ScoreRules, EveryTableStartsEmpty)
{
    ScoreTable scores;
    for (int level = 0; level < 20; ++level) EXPECT_EQ(0, scores.GetScoreCount(level));
}

TEST(ScoreRules, MoreGemsThenShorterTimeRankHigher)
{
    ScoreTable scores;
    struct Insert {
        int gems, time;
        const char* name;
        int rank;
    };
    const Insert inserts[] = {{5, 1000, "A", 0}, {5, 900, "B", 0}, {6, 5000, "C", 0},
                              {5, 950, "D", 2},  {0, 10, "E", 4},  {5, 1000, "F", 3}};
    for (const Insert& i : inserts) EXPECT_EQ(i.rank, scores.InsertScore(4, i.gems, i.time, i.name)) << i.name;
    const std::vector<Entry> expected = {{"C", 6, 5000}, {"B", 5, 900},  {"D", 5, 950},
                                         {"F", 5, 1000}, {"A", 5, 1000}, {"E", 0, 10}};
    EXPECT_EQ(expected, Entries(scores, 4));
    EXPECT_EQ(0, scores.GetScoreCount(3));
}

class FullTable : public ::testing::Test {
protected:
    // Ten entries of level 7: 10 gems in 100, 200, ... 1000 hundredths.
    void SetUp() override
    {
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(i, scores.InsertScore(7, 10, 100 * (i + 1), ("P" + std::to_string(i)).c_str()));
        before = Entries(scores, 7);
    }
    ScoreTable scores;
    std::vector<Entry> before;
};

TEST_F(FullTable, AResultWorseThanTheTenthIsNotEntered)
{
    EXPECT_EQ(-1, scores.InsertScore(7, 10, 1001, "LATE"));
    EXPECT_EQ(-1, scores.InsertScore(7, 9, 1, "FEW"));
    EXPECT_EQ(before, Entries(scores, 7));
}

TEST_F(FullTable, AResultEqualToAnEntryGoesBeforeIt)
{
    EXPECT_EQ(3, scores.InsertScore(7, 10, 400, "TIE"));
    const std::vector<Entry> after = Entries(scores, 7);
    ASSERT_EQ(10u, after.size());
    EXPECT_EQ((Entry{"TIE", 10, 400}), after[3]);
    EXPECT_EQ(before[3], after[4]);
    EXPECT_EQ(before[8], after[9]) << "the old tenth fell off";
}

TEST_F(FullTable, EqualToTheTenthStillEnters)
{
    EXPECT_EQ(9, scores.InsertScore(7, 10, 1000, "LAST"));
    EXPECT_EQ("LAST", Entries(scores, 7)[9].name);
}

TEST(ScoreRules, OutOfRangeResultsAreRefused)
{
    ScoreTable scores;
    EXPECT_EQ(-1, scores.InsertScore(20, 1, 1, "X"));
    EXPECT_EQ(-1, scores.InsertScore(-1, 1, 1, "X"));
    EXPECT_EQ(-1, scores.InsertScore(0, -1, 1, "X"));
    EXPECT_EQ(-1, scores.InsertScore(0, 1, -1, "X"));
    EXPECT_EQ(0, scores.GetScoreCount(0));
    EXPECT_EQ(0, scores.InsertScore(0, 0, 0, "ZERO"));
}

TEST(ScoreRules, NamesKeepTheirTableLinesIntact)
{
    ScoreTable scores;
    EXPECT_EQ(0, scores.InsertScore(1, 3, 3, "BAD\r\nCOUNT=10"));
    EXPECT_EQ(1, scores.GetScoreCount(1));
    EXPECT_EQ(KString("BADCOUNT=10"), scores.GetScoreName(1, 0));
    EXPECT_EQ(0, scores.InsertScore(1, 4, 3, nullptr));
    EXPECT_EQ(KString(), scores.GetScoreName(1, 0));
}

using ScoreFile = TableFolder;

TEST_F(ScoreFile, CorruptCountsAreHeldTo0To10)
{
    std::string text;
    const char* counts[] = {"-5", "50", "1000000000", "abc", "3", "99999999999999", " 2"};
    for (int level = 0; level < 7; ++level) {
        text += "[" + std::to_string(level) + "]\r\nCOUNT=" + counts[level] + "\r\n";
        for (int i = 0; i < 12; ++i)
            text += "N" + std::to_string(i) + "=N" + std::to_string(i) + "\r\nG" + std::to_string(i) + "=" +
                    std::to_string(20 - i) + "\r\nT" + std::to_string(i) + "=100\r\n";
    }
    WriteScrambled(Path("score.dat"), text);
    ScoreTable scores;
    ASSERT_TRUE(scores.Load(Path("score.dat").c_str(), &key));
    const int expected[] = {0, 10, 10, 0, 3, 10, 2};
    for (int level = 0; level < 7; ++level) EXPECT_EQ(expected[level], scores.GetScoreCount(level)) << level;
    EXPECT_EQ(0, scores.GetScoreCount(7)) << "a missing section";
    // Inserting into a table whose count lied keeps at most ten entries.
    EXPECT_EQ(10 - 1, scores.InsertScore(1, 11, 100, "NEW"));
    EXPECT_EQ(10, scores.GetScoreCount(1));
    EXPECT_EQ(0, scores.InsertScore(0, 0, 0, "FIRST"));
    EXPECT_EQ(1, scores.GetScoreCount(0));
    EXPECT_EQ(-1, scores.InsertScore(2, 0, 0, "NONE"));
}

TEST_F(ScoreFile, SaveThenLoadKeepsEveryTable)
{
    ScoreTable scores;
    scores.InsertScore(0, 3, 1234, "ADA");
    scores.InsertScore(19, 8, 99, "BOB");
    scores.InsertScore(19, 9, 500, "CY");
    const std::string before = Text(scores.Text().GetStream());
    ASSERT_TRUE(scores.Save(Path("score.dat").c_str(), &key));
    EXPECT_EQ(before, Text(scores.Text().GetStream()));
    EXPECT_NE(before, Read(Path("score.dat")));
    ScoreTable loaded;
    ASSERT_TRUE(loaded.Load(Path("score.dat").c_str(), &key));
    EXPECT_EQ(Entries(scores, 0), Entries(loaded, 0));
    EXPECT_EQ((std::vector<Entry>{{"CY", 9, 500}, {"BOB", 8, 99}}), Entries(loaded, 19));
    EXPECT_EQ(0, loaded.GetScoreCount(5));
}

TEST_F(ScoreFile, ASaveRewritesOnlyTheLevelsThatChanged)
{
    const std::string text = "[0]\r\nCOUNT=abc\r\n[3]\r\nCOUNT=1\r\nN0=EVE\r\nG0=2\r\nT0=700\r\n"
                             "[NOTES]\r\nKEPT=yes\r\n";
    WriteScrambled(Path("score.dat"), text);
    ScoreTable scores;
    ASSERT_TRUE(scores.Load(Path("score.dat").c_str(), &key));
    EXPECT_EQ(text, Text(scores.Text().GetStream())) << "nothing changed yet";
    EXPECT_EQ(1, scores.InsertScore(3, 1, 50, "FAY"));
    ASSERT_TRUE(scores.Save(Path("score.dat").c_str(), &key));
    // New keys go in right under the section's line.
    EXPECT_EQ("[0]\r\nCOUNT=abc\r\n[3]\r\nT1=50\r\nG1=1\r\nN1=FAY\r\nCOUNT=2\r\nN0=EVE\r\nG0=2\r\nT0=700\r\n"
              "[NOTES]\r\nKEPT=yes\r\n",
              Text(scores.Text().GetStream()));
    ScoreTable loaded;
    ASSERT_TRUE(loaded.Load(Path("score.dat").c_str(), &key));
    EXPECT_EQ((std::vector<Entry>{{"EVE", 2, 700}, {"FAY", 1, 50}}), Entries(loaded, 3));
}

TEST_F(ScoreFile, MissingFileGivesEmptyTablesAndAFailedSaveKeepsTheOldFile)
{
    ScoreTable scores;
    scores.InsertScore(2, 1, 1, "X");
    ASSERT_TRUE(scores.Load(Path("none.dat").c_str(), &key));
    EXPECT_EQ(0, scores.GetScoreCount(2));
    Write(Path("score.dat"), "old");
    EXPECT_FALSE(scores.Save(Path("score.dat").c_str(), nullptr));
    EXPECT_EQ("old", Read(Path("score.dat")));
}

}  // namespace
