// The headless driver plays test levels through the run logic to the finish.
#include "level_driver.h"
#include "run_simulation.h"
#include "run_test_level.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DriveResult Drive(const TestLevel& level, int difficulty = 0)
{
    const std::string text = level.Text();
    return DriveLevel(text.data(), text.size(), difficulty);
}

void HoldKeys(RunSimulation& sim, const DriveKeys& keys)
{
    sim.Hold(kKeyLeft, keys.left);
    sim.Hold(kKeyRight, keys.right);
    sim.Hold(kKeyUp, keys.up);
    sim.Hold(kKeyDown, keys.brake);
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

// The lesson's lane: one pushable block closes it, with a fixed block on its left; the cell on its
// right opens only from the hole the block leaves.
TEST(LevelDriver, PushesTheBlockThatClosesTheOnlyLane)
{
    TestLevel level(30, "60,60,60");
    for (int c = 0; c < 32; ++c) {
        if (c != 16) level.Set(14, c, 'X');
        if (c != 16 && c != 17) level.Set(15, c, 'X');
        if (c != 16 && c != 17) level.Set(16, c, 'X');
    }
    level.Set(15, 16, '#');
    const std::string text = level.Text();
    RunSimulation sim;
    ASSERT_TRUE(sim.Load(text.c_str()));
    LevelDriver driver;
    bool planned = false;
    sim.RunUntil(
        [&] {
            if (sim.Run().GetPieceIndex() == 14 && !sim.Run().Recovering()) {
                const std::vector<DriveStep> plan = driver.Plan(sim.Run());
                planned = planned || plan.front().push;
            }
            HoldKeys(sim, driver.Decide(sim.Run()));
            return sim.Run().GetState() == LevelRun::kFinished;
        },
        60 * 100000ull);
    EXPECT_TRUE(planned);
    EXPECT_EQ(LevelRun::kFinished, sim.Run().GetState());
    EXPECT_TRUE(sim.Run().GetTrack().GetPiece(16)->IsMoved(16));
    EXPECT_GE(sim.Sounds().Starts(kSoundBlockPushed), 1);
}

// A gem closed in ahead and on both sides: only a bounce off the wall three pieces on, back down
// its column, reaches it. Without that wall the driver cannot have it.
TEST(LevelDriver, BouncesOffAWallForAGemBehind)
{
    TestLevel level(30, "60,60,60");
    level.Set(12, 16, 'X').Set(13, 15, 'X').Set(13, 16, 'O').Set(13, 17, 'X').Set(16, 16, 'X');
    DriveResult result = Drive(level);
    EXPECT_TRUE(result.Completed()) << "state " << result.state << ", gems " << result.gems;

    const std::string text = level.Text();
    RunSimulation sim;
    ASSERT_TRUE(sim.Load(text.c_str()));
    sim.Run().PlaceCar(TrackPiece::AngleOfColumn(16) + 0.1, 200.0 * 14 + 20);
    sim.Run().SetSpeed(0.011);
    const std::vector<DriveStep> plan = LevelDriver().Plan(sim.Run());
    ASSERT_GE(plan.size(), 2u);
    EXPECT_TRUE(plan[1].bounce);
    EXPECT_GT(plan[1].bounceSpeed, 0.009);

    level.Set(16, 16, '.');
    result = Drive(level);
    EXPECT_TRUE(result.Finished());
    EXPECT_EQ(0, result.gems);
}

TEST(LevelDriver, TakesAGemFromASidePocketAndSteersBackOut)
{
    TestLevel level(30, "60,60,60");
    for (int c = 0; c < 32; ++c) {
        if (c < 12 || c > 14) level.Set(12, c, 'X'), level.Set(14, c, 'X');
        if (c < 14 || c > 16) level.Set(13, c, 'X');
    }
    level.Set(13, 15, 'O');
    const DriveResult result = Drive(level);
    EXPECT_TRUE(result.Completed()) << "state " << result.state << ", gems " << result.gems;
}

// Two gates ten columns apart with one free piece between them: the car must slow right down.
TEST(LevelDriver, SlowsDownForAWideSideStepBetweenGates)
{
    TestLevel level(30, "60,60,60");
    for (int c = 0; c < 32; ++c) {
        if (c < 3 || c > 7) level.Set(14, c, 'X');
        if (c < 15 || c > 19) level.Set(16, c, 'X');
    }
    level.Set(14, 5, 'O').Set(16, 17, 'O');
    const DriveResult result = Drive(level);
    EXPECT_TRUE(result.Completed()) << "state " << result.state << ", gems " << result.gems;
}

// Thrown at a wall too fast to steer round it, the driver bounces, slows down and goes on.
TEST(LevelDriver, RecoversFromACrashItDidNotMean)
{
    TestLevel level(30, "60,60,60");
    for (int c = 0; c < 32; ++c)
        if (c < 20 || c > 21) level.Set(16, c, 'X');
    const std::string text = level.Text();
    RunSimulation sim;
    ASSERT_TRUE(sim.Load(text.c_str()));
    sim.Run().PlaceCar(TrackPiece::AngleOfColumn(16) + 0.1, 200.0 * 15 + 150);
    sim.Run().SetSpeed(0.012);
    LevelDriver driver;
    const bool finished = sim.RunUntil(
        [&] {
            HoldKeys(sim, driver.Decide(sim.Run()));
            return sim.Run().GetPieceIndex() > 17;
        },
        60 * 100000ull);
    EXPECT_TRUE(finished);
    EXPECT_GE(sim.Sounds().Starts(kSoundCrash), 1);
}

TEST(LevelDriver, ReportsTheTimeOfEachStretch)
{
    TestLevel level(40, "60,60,60");
    level.Checkpoint(20, "10,10,10").Checkpoint(30, "10,10,10");
    const DriveResult result = Drive(level);
    ASSERT_TRUE(result.Completed());
    ASSERT_EQ(3u, result.splits.size());
    EXPECT_EQ(result.time, result.splits[0] + result.splits[1] + result.splits[2]);
    EXPECT_GT(result.splits[0], result.splits[1]);  // from a standing start
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
