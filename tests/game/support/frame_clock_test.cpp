// The 3D engine's frame clock on ticks that the test drives.
#include <gtest/gtest.h>

#include "KFrameClock.h"

#include <cstdint>

namespace {

class FrameClock : public ::testing::Test {
protected:
    uint64_t ticks = 5000000;
    KFrameClock clock{[this] { return ticks; }};
    void SetUp() override { clock.Start(); }
};

}  // namespace

TEST_F(FrameClock, NowCountsFromTheStart)
{
    EXPECT_EQ(clock.Now(), 0u);
    ticks += 12345;
    EXPECT_EQ(clock.Now(), 12345u);
}

TEST_F(FrameClock, StepIsClippedToATenthOfASecondAndTheExcessKept)
{
    ticks += 2500;
    clock.NextFrame();
    EXPECT_EQ(clock.Step(), 2500u);
    EXPECT_EQ(clock.Excess(), 0u);
    ticks += 25000;  // 0.25 s
    clock.NextFrame();
    EXPECT_EQ(clock.Step(), 10000u);
    EXPECT_EQ(clock.Excess(), 15000u);
    EXPECT_EQ(clock.LastFrame(), 27500u);
    ticks += 10000;
    clock.NextFrame();
    EXPECT_EQ(clock.Step(), 10000u);
    EXPECT_EQ(clock.Excess(), 0u);
}

TEST_F(FrameClock, PauseStopsTheStepsAndResumeTellsHowLong)
{
    ticks += 100;
    clock.NextFrame();
    EXPECT_TRUE(clock.Pause());
    EXPECT_FALSE(clock.Pause());
    ticks += 700;
    clock.NextFrame();
    EXPECT_EQ(clock.Step(), 0u);
    EXPECT_EQ(clock.Excess(), 0u);
    EXPECT_EQ(clock.AnimationTime(), 100u);
    ticks += 300;
    clock.NextFrame();
    EXPECT_EQ(clock.Resume(), 1000);
    EXPECT_EQ(clock.Resume(), -1);
    ticks += 50;
    clock.NextFrame();
    EXPECT_EQ(clock.Step(), 50u);
}

TEST_F(FrameClock, APauseAtTimeZeroIsAPause)
{
    EXPECT_TRUE(clock.Pause());  // last frame time is 0
    EXPECT_TRUE(clock.Paused());
    EXPECT_FALSE(clock.Pause());
    ticks += 400;
    clock.NextFrame();
    EXPECT_EQ(clock.Step(), 0u);
    EXPECT_EQ(clock.Resume(), 400);
}

TEST_F(FrameClock, StepsStayRightAcrossTheWrapOf32BitTicks)
{
    ticks += 0xFFFFFF00u;
    clock.NextFrame();
    ticks += 0x200;
    clock.NextFrame();
    EXPECT_EQ(clock.Step(), 0x200u);
    EXPECT_EQ(clock.Now(), 0x100u);
}

TEST(FrameClockCounter, TicksFromAnyCounterFrequency)
{
    EXPECT_EQ(KTicksFromCounter(1000, 1000), 100000u);  // 1 kHz: one second
    EXPECT_EQ(KTicksFromCounter(1, 1000), 100u);  // below 100 kHz: no division by zero
    EXPECT_EQ(KTicksFromCounter(3579545, 3579545), 100000u);  // the classic 3.58 MHz counter
    EXPECT_EQ(KTicksFromCounter(10000000, 10000000), 100000u);  // 10 MHz
    EXPECT_EQ(KTicksFromCounter(5, 0), 0u);
    // A counter of a year at 10 MHz does not overflow.
    const uint64_t year = 10000000ull * 3600 * 24 * 365;
    EXPECT_EQ(KTicksFromCounter(year, 10000000), 100000ull * 3600 * 24 * 365);
    const uint64_t huge = UINT64_MAX - 7;
    EXPECT_EQ(KTicksFromCounter(huge, 100000), huge);
}

TEST(FrameClockCounter, AMillisecondSourceStepsInHundreds)
{
    uint64_t ms = 7;
    KFrameClock clock([&ms] { return ms * 100; });
    clock.Start();
    ms += 16;
    clock.NextFrame();
    EXPECT_EQ(clock.Step(), 1600u);
    EXPECT_EQ(clock.Step() % 100, 0u);
}

TEST(FrameClockCounter, TheSystemTicksAdvance)
{
    const uint64_t a = KSystemTicks();
    uint64_t b = a;
    for (int i = 0; i < 100000000 && b == a; ++i) b = KSystemTicks();
    EXPECT_GT(b, a);
}
