// Whole level runs driven frame by frame with scripted keys on a simulated device and clock.
#include "level_run.h"
#include "player_table.h"
#include "run_simulation.h"
#include "run_test_level.h"
#include "score_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr uint32_t kTicks = 1000;  // 10 ms frames
constexpr double kPi = 3.141592654;

class RunTest : public ::testing::Test {
protected:
    RunTest() : sim(nullptr, &scores, &players) {}

    void Load(const TestLevel& level, int difficulty = 0, int kind = RunParams::kLevel)
    {
        ASSERT_TRUE(sim.Load(level.Text().c_str(), difficulty, kind));
        sim.Step(kTicks);  // the device's first frame: steps are kTicks from here on
    }
    // The car on the start piece: the run clock starts.
    void StartRunning(double z = 1050)
    {
        run().PlaceCar(0, z);
        sim.Step(kTicks);
        ASSERT_EQ(LevelRun::kRunning, run().GetState());
    }
    void RunningBesideAWallOnColumn15()
    {
        TestLevel level(400);
        for (int p = 5; p < level.Finish(); ++p) level.Set(p, 15, 'X');
        Load(level);
        StartRunning();
    }
    bool Frames(int n)
    {
        bool result = true;
        for (int i = 0; i < n && result; ++i) result = sim.Step(kTicks);
        return result;
    }
    // A key tapped once its repeat delay from the last press has passed.
    void Press(int key)
    {
        Frames(25);
        sim.Tap(key, kTicks);
    }
    LevelRun& run() { return sim.Run(); }
    double Z() { return run().Camera().z; }

    ScoreTable scores;
    PlayerTable players;
    RunSimulation sim;
};

// ---- Speed ----

TEST_F(RunTest, HoldingUpFromTheMinimumReachesTheMaximumAfterAbout115000Ticks)
{
    Load(TestLevel(400));
    StartRunning();
    run().SetSpeed(LevelRun::kMinSpeed);
    sim.Hold(kKeyUp);
    int ticks = 0;
    while (run().GetSpeed() < LevelRun::kMaxSpeed && ticks < 200000) {
        sim.Step(kTicks);
        ticks += kTicks;
    }
    EXPECT_NEAR(115000, ticks, 1000);
    EXPECT_DOUBLE_EQ(LevelRun::kMaxSpeed, run().GetSpeed());
    EXPECT_TRUE(sim.Sounds().Playing(kSoundEngine));
    Frames(20);
    EXPECT_DOUBLE_EQ(LevelRun::kMaxSpeed, run().GetSpeed()) << "normal acceleration stops at the maximum";
}

TEST_F(RunTest, CoastingAndBrakingSlowTheCarToTheMinimumWhileRunning)
{
    struct Case {
        int key;
        double perTick;
    };
    const Case cases[] = {{0, LevelRun::kCoastLoss},
                          {kKeyDown, LevelRun::kBraking},
                          {kKeySpace, LevelRun::kBraking},
                          {kKeyNumpad0, LevelRun::kBraking}};
    for (const Case& c : cases) {
        Load(TestLevel(400));
        StartRunning();
        run().SetSpeed(0.01);
        if (c.key) sim.Hold(c.key);
        Frames(10);
        EXPECT_NEAR(0.01 - 10 * kTicks * c.perTick, run().GetSpeed(), 1e-12) << c.key;
        Frames(3000);
        EXPECT_DOUBLE_EQ(LevelRun::kMinSpeed, run().GetSpeed()) << c.key;
        sim.ReleaseAll();
    }
}

TEST_F(RunTest, UpWithBrakeCountsAsBrake)
{
    Load(TestLevel(400));
    StartRunning();
    run().SetSpeed(0.01);
    sim.Hold(kKeyUp);
    sim.Hold(kKeyDown);
    Frames(10);
    EXPECT_NEAR(0.01 - 10 * kTicks * LevelRun::kBraking, run().GetSpeed(), 1e-12);
}

TEST_F(RunTest, TheReadyCarRollsAtMinimumSpeedAndStartsTheClockOnTheStartPiece)
{
    Load(TestLevel(10));
    EXPECT_EQ(LevelRun::kReady, run().GetState());
    sim.Hold(kKeyUp);  // up works before the start too
    sim.RunUntil([&] { return run().GetState() == LevelRun::kRunning; }, 10000000, kTicks);
    ASSERT_EQ(LevelRun::kRunning, run().GetState());
    EXPECT_EQ(TestLevel::kFirstPiece, run().GetPieceIndex());
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundRunStarted));
    EXPECT_EQ(0u, run().ElapsedMs());
    Frames(50);
    EXPECT_EQ(500u, run().ElapsedMs());
}

// ---- Steering ----

TEST_F(RunTest, SteeringAcceleratesTheTurnToItsLimitAndReturnsToStraight)
{
    Load(TestLevel(400));
    StartRunning();
    sim.Hold(kKeyRight);
    Frames(10);
    EXPECT_NEAR(10 * kTicks * LevelRun::kSteering, run().GetAngularSpeed(), 1e-15);
    Frames(30);
    EXPECT_DOUBLE_EQ(LevelRun::kMaxAngularSpeed, run().GetAngularSpeed());
    EXPECT_GT(run().GetAngle(), 0.0);
    sim.Hold(kKeyRight, false);
    Frames(5);
    EXPECT_NEAR(LevelRun::kMaxAngularSpeed - 5 * kTicks * LevelRun::kSteeringReturn, run().GetAngularSpeed(), 1e-15);
    Frames(30);
    EXPECT_EQ(0.0, run().GetAngularSpeed());

    sim.Hold(kKeyLeft);
    Frames(40);
    EXPECT_DOUBLE_EQ(-LevelRun::kMaxAngularSpeed, run().GetAngularSpeed());
    sim.Hold(kKeyRight);  // both together: neither
    Frames(5);
    EXPECT_NEAR(-LevelRun::kMaxAngularSpeed + 5 * kTicks * LevelRun::kSteeringReturn, run().GetAngularSpeed(), 1e-15);
}

TEST_F(RunTest, TheCameraFollowsTheCarRoundTheTunnel)
{
    Load(TestLevel(400));
    StartRunning();
    run().PlaceCar(kPi / 2, 1100);
    sim.Step(kTicks);
    const RunCamera& camera = sim.Device().LastCamera();
    EXPECT_NEAR(180.0, camera.x, 1e-6);  // a quarter turn: up the right-hand bank
    EXPECT_NEAR(0.0, camera.y, 1e-6);
    EXPECT_NEAR(2 * kPi - kPi / 2, camera.a3, 1e-8);
    EXPECT_DOUBLE_EQ(1.8, camera.fieldOfView);
}

TEST_F(RunTest, ASideWallStopsTheTurnAndPutsTheCarBackIntoItsColumn)
{
    // The car starts on the edge between columns 15 and 16: a lane of two free columns.
    TestLevel level(400);
    for (int p = 5; p < level.Finish(); ++p) level.Set(p, 14, 'X').Set(p, 17, 'X');
    Load(level);
    StartRunning();
    EXPECT_EQ(0, run().GetContacts());
    sim.Hold(kKeyLeft);
    sim.RunUntil([&] { return run().GetContacts() & LevelRun::kSideContact; }, 1000000, kTicks);
    ASSERT_TRUE(run().GetContacts() & LevelRun::kSideContact);
    EXPECT_NEAR(TrackPiece::AngleOfColumn(15) + 0.015001, run().GetAngle(), 1e-9);
    EXPECT_EQ(15, run().GetColumn());
    EXPECT_EQ(0.0, run().GetAngularSpeed());
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundSideContact));
    EXPECT_TRUE(sim.Sounds().Playing(kSoundScrape));
    Frames(3);
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundSideContact)) << "only the first frame of a contact";

    sim.ReleaseAll();
    sim.Hold(kKeyRight);
    sim.RunUntil([&] { return run().GetColumn() == 16 && run().GetAngularSpeed() == 0; }, 1000000, kTicks);
    EXPECT_NEAR(TrackPiece::AngleOfColumn(16) + kPi / 16 - 0.015 - 0.000001, run().GetAngle(), 1e-9);
    sim.ReleaseAll();
    Frames(3);
    EXPECT_FALSE(sim.Sounds().Playing(kSoundScrape));
}

TEST_F(RunTest, AFastTurnOverAWallEdgeComesBackToTheColumnItStartedIn)
{
    RunningBesideAWallOnColumn15();
    // Just short of the left probe's reach, turning left fast with a long frame.
    run().PlaceCar(TrackPiece::AngleOfColumn(16) + 0.016, 1100);
    sim.Hold(kKeyLeft);
    for (int i = 0; i < 3; ++i) sim.Step(10000);
    EXPECT_EQ(16, run().GetColumn());
    EXPECT_NEAR(TrackPiece::AngleOfColumn(16) + 0.015001, run().GetAngle(), 1e-9);
}

TEST_F(RunTest, ScrapingAWallWhileTurningSlowsTheCarNotBelowTheMinimum)
{
    RunningBesideAWallOnColumn15();
    run().PlaceCar(TrackPiece::AngleOfColumn(16) + 0.0151, 1100);
    run().SetSpeed(0.01);
    sim.Hold(kKeyLeft);
    Frames(4);
    EXPECT_LT(run().GetSpeed(), 0.01 - 4 * kTicks * LevelRun::kCoastLoss);
    Frames(2000);
    EXPECT_DOUBLE_EQ(LevelRun::kMinSpeed, run().GetSpeed());
}

// ---- Front contact, bounce, recovery and pushes ----

class CrashTest : public RunTest {
protected:
    // A wall across column 16 of piece 8; the car at speed in piece 7 reaches it this frame.
    void CrashAt(double speed, char wall = 'X', char beyond = '.')
    {
        TestLevel level(40);
        level.Set(8, 16, wall);
        if (beyond != '.') level.Set(9, 16, beyond);
        Load(level);
        StartRunning();
        run().PlaceCar(0, 1590 - kTicks * speed);
        run().SetSpeed(speed + kTicks * LevelRun::kCoastLoss);  // the frame's coasting takes this off
        sim.Step(kTicks);
    }
};

TEST_F(CrashTest, AFrontalCrashAt001BouncesBackAndRecovers)
{
    CrashAt(0.01);
    EXPECT_TRUE(run().GetContacts() & LevelRun::kFrontContact);
    EXPECT_NEAR(-0.01, run().GetSpeed(), 1e-12);
    EXPECT_NEAR(-0.7 * 0.01 / 0.012, run().GetJolt(), 1e-12);
    EXPECT_TRUE(run().Recovering());
    EXPECT_DOUBLE_EQ(1590.0, Z());
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundCrash));
    EXPECT_EQ(0, sim.Sounds().Starts(kSoundBlockPushed));

    sim.Hold(kKeyUp);  // no effect while recovering
    double last = run().GetSpeed();
    int frames = 0;
    while (run().Recovering() && frames < 1000) {
        sim.Step(kTicks);
        ++frames;
        if (run().Recovering()) {
            EXPECT_NEAR(last + kTicks * LevelRun::kBraking, run().GetSpeed(), 1e-12);
        }
        last = run().GetSpeed();
    }
    EXPECT_NEAR(105, frames, 1);
    EXPECT_DOUBLE_EQ(LevelRun::kMinSpeed, run().GetSpeed());
    EXPECT_LT(Z(), 1590.0 - 400);
    EXPECT_EQ(0.0, run().GetJolt());
}

TEST_F(CrashTest, ACrashAtMinimumSpeedStopsTheCarAtTheWall)
{
    TestLevel level(40);
    level.Set(8, 16, 'X');
    Load(level);
    StartRunning();
    run().PlaceCar(0, 1585);
    run().SetSpeed(LevelRun::kMinSpeed);
    Frames(20);
    EXPECT_FALSE(run().Recovering());
    EXPECT_DOUBLE_EQ(1590.0, Z());
    EXPECT_EQ(7, run().GetPieceIndex());
    EXPECT_EQ(0, sim.Sounds().Starts(kSoundCrash));
}

TEST_F(CrashTest, APushNeedsSpeed0002AndAFreeCellTwoPiecesAhead)
{
    struct Case {
        double speed;
        char beyond;
        bool pushed;
    };
    const Case cases[] = {{0.0021, '.', true}, {0.01, '.', true},  {0.0019, '.', false},
                          {0.01, 'X', false},  {0.01, '#', false}, {0.01, 'O', true}};
    for (const Case& c : cases) {
        sim.Sounds().Clear();
        CrashAt(c.speed, '#', c.beyond);
        SCOPED_TRACE(testing::Message() << c.speed << " " << c.beyond);
        const Track& track = run().GetTrack();
        EXPECT_EQ(c.pushed, sim.Sounds().Starts(kSoundBlockPushed) == 1);
        EXPECT_EQ(c.pushed ? 0 : 1, track.GetPiece(8)->IsSolid(16));
        EXPECT_EQ(c.pushed, track.GetPiece(9)->IsMoved(16));
        EXPECT_TRUE(run().Recovering()) << "the car bounces either way";
        EXPECT_EQ(1, sim.Sounds().Starts(kSoundCrash));
    }
}

TEST_F(CrashTest, APushedBlockIsInPlaceAgainAfterAReplay)
{
    CrashAt(0.01, '#');
    ASSERT_EQ(0, run().GetTrack().GetPiece(8)->IsSolid(16));
    run().Start(sim.Params());
    EXPECT_EQ(1, run().GetTrack().GetPiece(8)->IsSolid(16));
    EXPECT_FALSE(run().GetTrack().GetPiece(9)->IsMoved(16));
}

TEST_F(CrashTest, ReversingPastTheStartOfTheTrackStaysInsideIt)
{
    TestLevel level(40);
    level.Set(5, 16, 'X');
    Load(level);
    run().PlaceCar(0, 990 - kTicks * 0.016);
    run().SetSpeed(0.016 + kTicks * LevelRun::kCoastLoss);
    Frames(1);
    ASSERT_TRUE(run().Recovering());
    double lowest = Z();
    for (int i = 0; i < 400; ++i) {
        sim.Step(kTicks);
        lowest = std::min(lowest, Z());
    }
    EXPECT_GT(lowest, -200.0);
    EXPECT_FALSE(run().Recovering());
    EXPECT_GE(sim.Sounds().Starts(kSoundObstacleBehind), 1);
    EXPECT_GT(run().GetSpeed(), 0.0);
}

TEST_F(RunTest, DrivingOffTheEndOfTheTrackHitsItsEnd)
{
    TestLevel level(2);
    Load(level);
    const int pieces = run().GetTrack().GetPieceCount();
    run().PlaceCar(0, 200.0 * pieces - 300);
    run().SetSpeed(0.016);
    Frames(200);
    EXPECT_LT(Z(), 200.0 * pieces);
}

TEST(CheckMove, ContactsOfAProbeEnteringAnotherPiece)
{
    RecordingSounds sounds;
    SimulatedDevice device;
    RunHost host;
    host.device = &device;
    host.sounds = &sounds;
    host.keyDown = [](int) { return false; };
    host.clock = [] { return 0u; };
    LevelRun run(host);
    TestLevel level(4);
    level.Set(6, 17, 'X').Set(5, 18, 'X').Set(6, 18, 'X').Set(5, 15, 'X').Set(6, 14, 'X');
    const std::string text = level.Text();
    KMemStream stream;
    stream.Write(text.data(), static_cast<int>(text.size()));
    ASSERT_TRUE(run.LoadLevel(&stream));
    const double mid = 0.1;  // inside column 16 from the angle's point of view
    auto angleOf = [&](int column) { return TrackPiece::AngleOfColumn(column) + mid; };
    struct Case {
        double newZ, oldZ;
        int column, oldColumn, expected;
    };
    const Case cases[] = {
        {1100, 1050, 16, 16, 0},  // same piece, free
        {1100, 1050, 15, 16, 1},  // same piece, wall
        {1210, 1190, 16, 16, 0},  // into the next piece, free
        {1210, 1190, 17, 17, 2},  // into a wall ahead
        {1210, 1190, 17, 16, 2},  // turning: the old column ahead is free, the new one ahead a wall
        {1210, 1190, 18, 17, 3},  // old column ahead and new column beside both walls
        {1210, 1190, 15, 16, 1},  // new column beside is a wall, ahead free
        {1210, 1190, 14, 15, 2},  // old column ahead free, beside (5,14) free, new ahead a wall
        {-10, 10, 16, 16, 0},  // trunc: still piece 0
        {-210, -190, 16, 16, 2},  // before the track: wall
        {200.0 * 17 + 10, 200.0 * 17 - 10, 16, 16, 2},  // beyond the last piece: wall
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, run.CheckMove(c.newZ, angleOf(c.column), c.oldZ, c.oldColumn))
            << c.newZ << " " << c.column << " " << c.oldColumn;
}

// ---- Turbo ----

TEST_F(RunTest, ATurboStripEnteredAtExactlyHalfTheMaximumDoesNotStartTheTurbo)
{
    TestLevel level(40);
    level.Set(10, 16, '^');
    for (double speed : {LevelRun::kMaxSpeed * 0.5, 0.0061}) {
        Load(level);
        StartRunning();
        run().PlaceCar(0, 2050);
        run().SetSpeed(speed);
        sim.Hold(kKeyUp);
        sim.Step(kTicks);
        EXPECT_EQ(speed > LevelRun::kMaxSpeed * 0.5, run().TurboOn()) << speed;
        sim.ReleaseAll();
    }
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundTurbo));
}

TEST_F(RunTest, TheTurboRaisesTheLimitAndEndsOffTheStripOnceBackAtNormalSpeed)
{
    TestLevel level(200);
    level.Set(10, 16, '^');
    Load(level);
    StartRunning();
    run().PlaceCar(0, 2001);
    run().SetSpeed(0.0119);
    sim.Hold(kKeyUp);
    sim.Step(kTicks);
    ASSERT_TRUE(run().TurboOn());
    EXPECT_NEAR(0.0119 + kTicks * LevelRun::kTurboAcceleration, run().GetSpeed(), 1e-12);
    Frames(30);  // off the strip, above the normal maximum: the up key is ignored
    EXPECT_TRUE(run().TurboOn());
    const double fast = run().GetSpeed();
    EXPECT_GT(fast, LevelRun::kMaxSpeed);
    EXPECT_LE(fast, LevelRun::kTurboMaxSpeed);
    Frames(10);
    EXPECT_NEAR(fast - 10 * kTicks * LevelRun::kTurboCoastLoss, run().GetSpeed(), 1e-12);
    sim.RunUntil([&] { return !run().TurboOn(); }, 100000000, kTicks);
    EXPECT_LE(run().GetSpeed(), LevelRun::kMaxSpeed + kTicks * LevelRun::kAcceleration);
    Frames(100);
    EXPECT_DOUBLE_EQ(LevelRun::kMaxSpeed, run().GetSpeed());
}

// ---- Gems ----

TEST_F(RunTest, GemsAreCollectedInPassingAndTheCountNeverExceedsTheTotal)
{
    TestLevel level(40);
    level.Set(8, 16, 'O').Set(9, 16, 'O').Set(10, 20, 'O');
    Load(level);
    EXPECT_EQ(3, run().GetTotalGems());
    StartRunning();
    run().SetSpeed(0.016);  // 160 units a 0.1 s frame: the gem is passed between two frames
    for (int i = 0; i < 20; ++i) sim.Step(10000);
    EXPECT_EQ(2, run().GetGems());
    EXPECT_EQ(2, sim.Sounds().Starts(kSoundGem));
    EXPECT_FALSE(run().GetTrack().GetPiece(8)->HasPresentGem(TrackPiece::FacetOfColumn(16)));
    EXPECT_TRUE(run().GetTrack().GetPiece(10)->HasPresentGem(TrackPiece::FacetOfColumn(20)));
}

TEST_F(RunTest, TheLastGemEndsTheCollecting)
{
    TestLevel level(40);
    level.Set(8, 16, 'O');
    Load(level);
    StartRunning();
    sim.RunUntil([&] { return run().GetPieceIndex() > 9; }, 100000000, kTicks);
    EXPECT_EQ(1, run().GetGems());
    run().PlaceCar(0, 1650);  // back over the same place
    Frames(10);
    EXPECT_EQ(1, run().GetGems());
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundGem));
}

// ---- Checkpoints and time ----

TEST_F(RunTest, ACheckpointAddsItsBonusOnceForTheDifficulty)
{
    TestLevel level(40);
    level.Checkpoint(9, "5,10,20").Checkpoint(10, "1,1,1");
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
        Load(level, difficulty);
        const int limits[] = {6000, 5000, 4000};
        const int bonus[] = {500, 1000, 2000};
        EXPECT_EQ(limits[difficulty], run().GetTimeLimit());
        StartRunning();
        run().SetSpeed(0.005);
        sim.RunUntil([&] { return run().GetPieceIndex() == 10; }, 100000000, kTicks);
        EXPECT_EQ(limits[difficulty] + bonus[difficulty] + 100, run().GetTimeLimit());
        ASSERT_EQ(2u, run().GetSplits().size());
        EXPECT_EQ(static_cast<int>(run().ElapsedMs() / 10), run().GetSplits()[0] + run().GetSplits()[1]);
        // Back over both checkpoints and on again: no more bonus.
        run().PlaceCar(0, 1850);
        Frames(100);
        EXPECT_EQ(limits[difficulty] + bonus[difficulty] + 100, run().GetTimeLimit());
        EXPECT_EQ(2u, run().GetSplits().size());
    }
}

TEST_F(RunTest, HugeLimitsAndBonusesFromALevelFileAreHeldNotOverflowed)
{
    TestLevel level(40, "2000000000,1,1");
    level.Checkpoint(9, "2000000000,1,1").Checkpoint(10, "-2000000000,1,1");
    Load(level);
    EXPECT_EQ(100000000, run().GetTimeLimit());
    StartRunning();
    run().SetSpeed(0.005);
    sim.RunUntil([&] { return run().GetPieceIndex() == 9; }, 100000000, kTicks);
    EXPECT_EQ(100000000, run().GetTimeLimit());
    sim.RunUntil([&] { return run().GetPieceIndex() == 10; }, 100000000, kTicks);
    EXPECT_EQ(-100000000, run().GetTimeLimit());
    Frames(1);
    EXPECT_EQ(LevelRun::kTimeOut, run().GetState());
}

TEST_F(RunTest, ALessonTakesTheEasyTimeLimitAndBonuses)
{
    TestLevel level(40);
    level.Checkpoint(9, "5,10,20");
    Load(level, -1, RunParams::kLesson);
    EXPECT_EQ(6000, run().GetTimeLimit());
    StartRunning();
    run().PlaceCar(0, 1790);
    sim.RunUntil([&] { return run().GetPieceIndex() == 9; }, 100000000, kTicks);
    EXPECT_EQ(6500, run().GetTimeLimit());
}

TEST_F(RunTest, TheTimeRunsOutThenThePausePanelOpensOnceTwoSecondsLater)
{
    TestLevel level(400, "6,6,6");
    Load(level);
    StartRunning();
    sim.RunUntil([&] { return run().GetState() == LevelRun::kTimeOut; }, 10000000, kTicks);
    ASSERT_EQ(LevelRun::kTimeOut, run().GetState());
    EXPECT_EQ(600u, run().ElapsedMs() / 10);
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundTimeOut));
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundTimeWarning));
    EXPECT_FALSE(sim.Sounds().Playing(kSoundTimeWarning));

    Frames(200);
    EXPECT_EQ(LevelRun::kTimeOut, run().GetState());
    Frames(1);
    EXPECT_EQ(LevelRun::kPaused, run().GetState());
    EXPECT_EQ(LevelRun::kReplay, run().GetSelection());
    EXPECT_TRUE(sim.Device().Paused());

    sim.Tap(kKeyEscape, kTicks);  // leave the pause: it does not come back
    EXPECT_EQ(LevelRun::kTimeOut, run().GetState());
    Frames(400);
    EXPECT_EQ(LevelRun::kTimeOut, run().GetState());
}

TEST_F(RunTest, AfterTheEndUpDoesNothingAndTheCarBrakesToAStop)
{
    TestLevel level(400, "1,1,1");
    Load(level);
    StartRunning();
    run().SetSpeed(0.01);
    sim.Hold(kKeyUp);
    sim.Hold(kKeyRight);
    sim.RunUntil([&] { return run().GetState() == LevelRun::kTimeOut; }, 1000000, kTicks);
    const double speed = run().GetSpeed();
    Frames(1);
    EXPECT_LT(run().GetSpeed(), speed);
    Frames(1000);
    EXPECT_EQ(0.0, run().GetSpeed());
}

TEST_F(RunTest, AfterTheEndTheKeysNoLongerSteerAndTheTurnKeepsItsRate)
{
    for (int end : {LevelRun::kTimeOut, LevelRun::kFinished}) {
        SCOPED_TRACE(end);
        TestLevel level(20, end == LevelRun::kTimeOut ? "1,1,1" : "100,100,100");
        Load(level);
        StartRunning();
        sim.Hold(kKeyRight);
        Frames(5);
        if (end == LevelRun::kFinished) run().PlaceCar(run().GetAngle(), 200.0 * level.Finish() - 1);
        sim.RunUntil([&] { return run().GetState() == end; }, 10000000, kTicks);
        ASSERT_EQ(end, run().GetState());
        const double rate = run().GetAngularSpeed();
        ASSERT_GT(rate, 0.0);
        for (int key : {kKeyRight, kKeyLeft}) {
            sim.ReleaseAll();
            sim.Hold(key);
            const double angle = run().GetAngle();
            Frames(10);
            EXPECT_EQ(rate, run().GetAngularSpeed()) << "key " << key;
            EXPECT_NE(angle, run().GetAngle()) << "the car still turns";
        }
        sim.ReleaseAll();
        Frames(10);
        EXPECT_EQ(rate, run().GetAngularSpeed()) << "no key: the rate stays too";
    }
}

TEST_F(RunTest, AZeroTimeLimitTimesOutBeforeTheStart)
{
    Load(TestLevel(10, "0,0,0"));
    EXPECT_EQ(LevelRun::kTimeOut, run().GetState());
    EXPECT_LT(Z(), 1000.0);
}

TEST_F(RunTest, AClippedFrameIsNotCountedOnTheRunClock)
{
    Load(TestLevel(400));
    StartRunning();
    Frames(10);
    const uint32_t before = run().ElapsedMs();
    sim.Step(25000);  // a 0.25 s frame: 0.1 s is simulated, 0.15 s clipped
    sim.Step(kTicks);
    EXPECT_EQ(before + 250 + 10 - 150, run().ElapsedMs());
}

TEST_F(RunTest, AClippedFirstFrameDoesNotTurnTheClockBack)
{
    Load(TestLevel(400));
    run().PlaceCar(0, 1050);
    sim.Step(90000);  // the start piece on a very slow frame
    sim.Step(kTicks);
    EXPECT_LT(run().ElapsedMs(), 1000u);
    EXPECT_EQ(LevelRun::kRunning, run().GetState());
}

// ---- Finish and records ----

TEST_F(RunTest, FinishingWithAllGemsRecordsTheScoreAndTheProgress)
{
    TestLevel level(20);
    level.Set(8, 16, 'O');
    Load(level, 1);
    sim.Params().levelIndex = 4;
    sim.Params().player = 2;
    sim.Params().playerName = "ANNA";
    sim.Params().replay = false;
    run().Start(sim.Params());
    sim.Hold(kKeyUp);
    sim.RunUntil([&] { return run().GetState() == LevelRun::kFinished; }, 100000000, kTicks);
    ASSERT_EQ(LevelRun::kFinished, run().GetState());
    EXPECT_EQ(0, run().GetRank());
    EXPECT_EQ(1, scores.GetScoreCount(4));
    EXPECT_EQ(KString("ANNA"), scores.GetScoreName(4, 0));
    EXPECT_EQ(1, scores.GetScoreGems(4, 0));
    EXPECT_EQ(static_cast<int>(run().ElapsedMs() / 10), scores.GetScoreTime(4, 0));
    EXPECT_EQ(5, players.GetPlayerProgress(2, 1));
    EXPECT_TRUE(sim.Params().replay);
    EXPECT_EQ(1, sim.Sounds().Starts(kSoundLevelCompleted));
    ASSERT_FALSE(run().GetSplits().empty());
    EXPECT_EQ(static_cast<int>(run().ElapsedMs() / 10), run().GetSplits().back());

    const uint32_t final = run().ElapsedMs();
    Frames(300);
    EXPECT_EQ(final, run().ElapsedMs());
    EXPECT_EQ(0.0, run().GetSpeed());
}

TEST_F(RunTest, FinishOutcomesByGemsReplayAndKind)
{
    struct Case {
        int kind;
        bool replay;
        bool gemOnPath;
        int sound;  // -1: none
        int progress;
        int entries;
    };
    const Case cases[] = {
        {RunParams::kLevel, false, false, kSoundLevelFailed, 0, 1},
        {RunParams::kLevel, true, true, kSoundReplayFinished, 0, 1},
        {RunParams::kLesson, true, true, -1, 0, 0},
    };
    for (const Case& c : cases) {
        scores.ResetAll();
        players.ResetAll();
        sim.Sounds().Clear();
        TestLevel level(20);
        level.Set(8, c.gemOnPath ? 16 : 0, 'O');
        Load(level, c.kind == RunParams::kLevel ? 0 : -1, c.kind);
        sim.Params().levelIndex = c.kind == RunParams::kLevel ? 0 : -1;
        sim.Params().player = c.kind == RunParams::kLevel ? 0 : -1;
        sim.Params().replay = c.replay;
        run().Start(sim.Params());
        sim.Hold(kKeyUp);
        sim.RunUntil([&] { return run().GetState() == LevelRun::kFinished; }, 100000000, kTicks);
        ASSERT_EQ(LevelRun::kFinished, run().GetState());
        for (int s : {kSoundLevelCompleted, kSoundLevelFailed, kSoundReplayFinished})
            EXPECT_EQ(s == c.sound ? 1 : 0, sim.Sounds().Starts(s)) << s;
        EXPECT_EQ(c.progress, players.GetPlayerProgress(0, 0));
        EXPECT_EQ(c.entries, scores.GetScoreCount(0));
        EXPECT_EQ(c.replay, sim.Params().replay);
        sim.ReleaseAll();
    }
}

// ---- Pause ----

TEST_F(RunTest, EscapePausesAndThePanelResumesReplaysOrGoesBack)
{
    Load(TestLevel(400));
    StartRunning();
    Frames(10);
    sim.Tap(kKeyEscape, kTicks);
    ASSERT_EQ(LevelRun::kPaused, run().GetState());
    EXPECT_EQ(LevelRun::kRunning, run().GetSavedState());
    EXPECT_EQ(LevelRun::kReplay, run().GetSelection());
    const uint32_t elapsed = run().ElapsedMs();
    const double z = Z();
    Frames(100);
    EXPECT_EQ(elapsed, run().ElapsedMs()) << "the clock stands while paused";
    EXPECT_EQ(z, Z());

    // Up and down wrap among the three items.
    Press(kKeyUp);
    EXPECT_EQ(LevelRun::kResume, run().GetSelection());
    Press(kKeyUp);
    EXPECT_EQ(LevelRun::kBack, run().GetSelection());
    Press(kKeyDown);
    EXPECT_EQ(LevelRun::kResume, run().GetSelection());

    Press(kKeyReturn);  // resume
    EXPECT_EQ(LevelRun::kRunning, run().GetState());
    EXPECT_FALSE(sim.Device().Paused());
    Frames(10);
    EXPECT_GT(run().ElapsedMs(), elapsed);
    EXPECT_LT(run().ElapsedMs(), elapsed + 200);

    Press(kKeyReturn);  // Return pauses too
    ASSERT_EQ(LevelRun::kPaused, run().GetState());
    Press(kKeyReturn);  // replay
    EXPECT_EQ(LevelRun::kReady, run().GetState());
    EXPECT_LT(Z(), 10.0);
    EXPECT_EQ(0u, run().ElapsedMs());

    Press(kKeyEscape);
    Press(kKeyDown);
    EXPECT_EQ(LevelRun::kBack, run().GetSelection());
    Frames(25);
    EXPECT_FALSE(sim.Tap(kKeyReturn, kTicks));
    EXPECT_FALSE(sim.Device().Paused());
}

TEST_F(RunTest, AReturnHeldFromTheMenuDoesNotPauseAtOnce)
{
    sim.Hold(kKeyReturn);
    Load(TestLevel(400));
    Frames(45);  // 0.45 s
    EXPECT_NE(LevelRun::kPaused, run().GetState());
    Frames(10);
    EXPECT_EQ(LevelRun::kPaused, run().GetState()) << "held on, it counts as any held key does";
}

// ---- Visible pieces ----

TEST_F(RunTest, ThirtyPiecesAreShownAroundTheCar)
{
    Load(TestLevel(100));
    const Track& track = run().GetTrack();
    EXPECT_TRUE(track.GetPiece(29)->IsVisible());
    EXPECT_FALSE(track.GetPiece(30)->IsVisible());
    run().SetSpeed(0.01);
    sim.RunUntil([&] { return run().GetPieceIndex() == 12; }, 100000000, kTicks);
    EXPECT_EQ(12, run().GetFirstVisible());
    EXPECT_FALSE(track.GetPiece(10)->IsVisible());
    EXPECT_TRUE(track.GetPiece(11)->IsVisible());
    EXPECT_TRUE(track.GetPiece(41)->IsVisible());
    EXPECT_FALSE(track.GetPiece(42)->IsVisible());
}

}  // namespace
