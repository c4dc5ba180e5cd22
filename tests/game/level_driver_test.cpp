// The headless driver plays test levels through the run logic to the finish.
#include "level_driver.h"
#include "run_test_level.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DriveResult Drive(const TestLevel& level, int difficulty = 0)
{
    const std::string text = level.Text();
    return DriveLevel(text.data(), text.size(), difficulty);
}

TEST(LevelDriver, FinishesAStraightLevel)
{
    const DriveResult result = Drive(TestLevel(30, "30,30,30"));
    EXPECT_TRUE(result.Completed());
    EXPECT_LT(result.time, 3000);
    EXPECT_EQ(0, result.totalGems);
}

TEST(LevelDriver, CollectsGemsAcrossTheTunnelAndGoesRoundWalls)
{
    TestLevel level(60, "60,50,40");
    level.Set(10, 16, 'O').Set(14, 18, 'O').Set(18, 13, 'O').Set(24, 20, 'O').Set(30, 16, 'O');
    // A wall across the middle with a gap two columns to the right.
    for (int c = 0; c < 32; ++c)
        if (c != 18 && c != 19) level.Set(36, c, 'X');
    // A slalom of blocks in the car's way.
    level.Set(42, 15, 'X').Set(42, 16, 'X').Set(46, 19, 'X').Set(46, 20, 'X');
    level.Set(50, 17, 'O').Checkpoint(40, "10,10,10");
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
        const DriveResult result = Drive(level, difficulty);
        EXPECT_TRUE(result.Completed()) << "difficulty " << difficulty << ": state " << result.state << ", gems "
                                        << result.gems << " / " << result.totalGems << ", time " << result.time;
        EXPECT_EQ(6, result.totalGems);
        EXPECT_LE(result.time, result.timeLimit);
    }
}

TEST(LevelDriver, PushesABlockOutOfAWallAndGoesRoundItAfterwards)
{
    TestLevel level(40, "60,60,60");
    for (int c = 0; c < 32; ++c) {
        if (c != 12) level.Set(20, c, 'X');
        if (c != 12 && c != 13) level.Set(21, c, 'X');
    }
    level.Set(21, 12, '#');  // the only way on: push it into piece 22 and step round it
    const DriveResult result = Drive(level);
    EXPECT_TRUE(result.Completed()) << "state " << result.state << ", time " << result.time;
}

TEST(LevelDriver, ReportsALevelThatCannotBeFinishedInTime)
{
    const DriveResult result = Drive(TestLevel(200, "5,5,5"));
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(LevelRun::kTimeOut, result.state);
    EXPECT_FALSE(result.Finished());
}

TEST(LevelDriver, ReportsALevelWithNoWayThrough)
{
    TestLevel level(30, "30,30,30");
    for (int c = 0; c < 32; ++c) level.Set(15, c, 'X');
    const DriveResult result = Drive(level);
    EXPECT_FALSE(result.Finished());
}

TEST(LevelDriver, PlaysALessonOnTheEasyLimits)
{
    const DriveResult result = Drive(TestLevel(20, "20,1,1"), -1);
    EXPECT_TRUE(result.Finished());
    EXPECT_EQ(2000, result.timeLimit);
}

TEST(LevelDriver, AnUnreadableLevelIsNotLoaded)
{
    const std::string text = "-1,5,5\r\n";
    EXPECT_FALSE(DriveLevel(text.data(), text.size(), 0).loaded);
}

}  // namespace
