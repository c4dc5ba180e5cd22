// The level run's heads-up display, drawn into a recording text sink.
#include "level_run.h"
#include "run_simulation.h"
#include "run_test_level.h"
#include "score_table.h"
#include "player_table.h"
#include "recording_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint32_t kTicks = 1000;

class DisplayTest : public ::testing::Test {
protected:
    DisplayTest() : sim(&text, &scores, &players) {}

    void Load(const TestLevel& level, int difficulty = 0, int kind = RunParams::kLevel)
    {
        ASSERT_TRUE(sim.Load(level.Text().c_str(), difficulty, kind));
        Step();
    }
    void Step(uint32_t ticks = kTicks)
    {
        text.frame.clear();
        sim.Step(ticks);
    }
    void StartRunning()
    {
        sim.Run().PlaceCar(0, 1050);
        Step();
        ASSERT_EQ(LevelRun::kRunning, sim.Run().GetState());
    }
    // Level 1 for player 0, driven straight to the finish.
    void Finish(const TestLevel& level, bool replay)
    {
        Load(level, 0);
        sim.Params().levelIndex = 0;
        sim.Params().player = 0;
        sim.Params().replay = replay;
        sim.Run().Start(sim.Params());
        sim.Hold(kKeyUp);
        sim.RunUntil([&] { return sim.Run().GetState() == LevelRun::kFinished; }, 100000000, kTicks);
        sim.ReleaseAll();
        Step();
        ASSERT_EQ(LevelRun::kFinished, sim.Run().GetState());
    }
    // The one text of the last frame that satisfies the test, or null.
    template <class Test>
    const DrawnText* Find(Test test) const
    {
        const DrawnText* found = nullptr;
        for (const DrawnText& t : text.frame)
            if (test(t)) {
                EXPECT_EQ(nullptr, found) << "two texts match: " << t.text;
                found = &t;
            }
        return found;
    }
    const DrawnText* WithText(const std::string& s) const
    {
        return Find([&](const DrawnText& t) { return t.text == s; });
    }
    const DrawnText* InFont(int font, unsigned format) const
    {
        return Find([&](const DrawnText& t) { return t.font == font && t.format == format; });
    }

    RecordingText text;
    ScoreTable scores;
    PlayerTable players;
    RunSimulation sim;
};

std::string Line(const std::string& layer, int line) { return layer.substr(static_cast<size_t>(line) * 34, 32); }

TEST_F(DisplayTest, TheRadarShowsBlocksGemsAndFloorAroundTheCar)
{
    TestLevel level(20);
    level.Set(9, 16, 'X').Set(9, 20, 'O').Set(8, 10, '#').Set(7, 0, 'X').Set(6, 31, 'O').Set(10, 16, 'X');
    Load(level);
    sim.Run().PlaceCar(0.001, 1450);  // piece 7, column 16
    KString a, b;
    sim.Run().BuildRadar(&a, &b);
    const std::string layerA(a.c_str()), layerB(b.c_str());
    ASSERT_EQ(7u * 34, layerA.size());
    ASSERT_EQ(7u * 34, layerB.size());
    for (int line = 0; line < 7; ++line) {
        EXPECT_EQ("\r\n", layerA.substr(static_cast<size_t>(line) * 34 + 32, 2));
        EXPECT_EQ("\r\n", layerB.substr(static_cast<size_t>(line) * 34 + 32, 2));
    }
    // Line 0 is piece 10, line 6 piece 4; the car's column 16 stands at position 15.
    EXPECT_EQ('\x7F', Line(layerA, 0)[15]);
    EXPECT_EQ('\x7F', Line(layerA, 1)[15]);
    EXPECT_EQ('\xA4', Line(layerA, 1)[19]);
    EXPECT_EQ('\x7F', Line(layerA, 2)[9]);
    // Columns left of the car wrap round to the right end: column 0 at position 31.
    EXPECT_EQ('\x7F', Line(layerA, 3)[31]);
    EXPECT_EQ('\xA4', Line(layerA, 4)[30]);
    EXPECT_EQ('|', Line(layerA, 3)[15]);
    EXPECT_EQ(' ', Line(layerB, 3)[15]);
    // Floor dots in layer B on even columns only: column 18 at position 17, column 19 at 18.
    EXPECT_EQ('\xB7', Line(layerB, 5)[17]);
    EXPECT_EQ(' ', Line(layerB, 5)[18]);
    EXPECT_EQ(' ', Line(layerA, 5)[17]);
    EXPECT_EQ(' ', Line(layerB, 1)[15]) << "a block leaves layer B blank";
    EXPECT_EQ(' ', Line(layerB, 1)[19]) << "a gem leaves layer B blank";

    // A collected gem turns back into floor.
    TrackPiece* piece = sim.Run().GetTrack().GetPiece(9);
    piece->CollectGem(TrackPiece::FacetOfColumn(20));
    sim.Run().BuildRadar(&a, &b);
    EXPECT_EQ(' ', Line(a.c_str(), 1)[19]);
    EXPECT_EQ('\xB7', Line(b.c_str(), 1)[19]);
}

TEST_F(DisplayTest, TheRadarShowsPiecesBeyondTheTrackAsBlankLines)
{
    Load(TestLevel(20));
    sim.Run().PlaceCar(0, 250);  // piece 1: lines 4 to 6 are pieces 0, -1 and -2
    KString a, b;
    sim.Run().BuildRadar(&a, &b);
    EXPECT_NE(std::string(32, ' '), Line(b.c_str(), 4));
    EXPECT_EQ(std::string(32, ' '), Line(b.c_str(), 5));
    EXPECT_EQ(std::string(32, ' '), Line(b.c_str(), 6));
    sim.Run().PlaceCar(0, 1000000);
    sim.Run().BuildRadar(&a, &b);
    for (int line = 0; line < 7; ++line) EXPECT_EQ(std::string(32, ' '), Line(b.c_str(), line));
    EXPECT_EQ('|', Line(a.c_str(), 3)[15]);
}

TEST_F(DisplayTest, RadarLayersAreDrawnInTheirPaletteWithTheSmallFont)
{
    Load(TestLevel(20));
    int radar = 0;
    for (const DrawnText& t : text.frame) {
        if (t.font != 0) continue;
        EXPECT_EQ(kTextLeft, t.format);
        EXPECT_EQ(10, t.rect.left);  // 1 % of 1024
        EXPECT_EQ(10, t.rect.top);
        EXPECT_EQ(radar == 0 ? kTextPalette[1] : kTextPalette[0], t.colour);
        ++radar;
    }
    EXPECT_EQ(2, radar);
}

TEST_F(DisplayTest, TheRemainingTimeTurnsToTheWarningColourAtFiveSeconds)
{
    Load(TestLevel(400, "10,10,10"));
    const DrawnText* t = InFont(2, kTextCentre);
    ASSERT_NE(nullptr, t);
    EXPECT_EQ("0 : 10 : 00", t->text);
    EXPECT_EQ(kTextPalette[0], t->colour);
    StartRunning();
    sim.RunUntil([&] { return sim.Run().GetRemaining() <= 501; }, 10000000, kTicks);
    text.frame.clear();
    sim.Run().Draw(sim.Params());
    EXPECT_EQ(501, sim.Run().GetRemaining());
    EXPECT_EQ("0 : 05 : 01", InFont(2, kTextCentre)->text);
    EXPECT_EQ(kTextPalette[0], InFont(2, kTextCentre)->colour);
    Step();
    EXPECT_EQ("0 : 05 : 00", InFont(2, kTextCentre)->text);
    EXPECT_EQ(kTextPalette[3], InFont(2, kTextCentre)->colour);
    sim.RunUntil([&] { return sim.Run().GetState() == LevelRun::kTimeOut; }, 10000000, kTicks);
    Step();
    EXPECT_EQ("0 : 00 : 00", InFont(2, kTextCentre)->text);
    EXPECT_EQ(kTextPalette[1], WithText("Time Out !")->colour);
    EXPECT_EQ(5, WithText("Time Out !")->font);
    EXPECT_EQ(kTextMiddle, WithText("Time Out !")->format);
}

TEST_F(DisplayTest, TheCheckpointBonusShowsForThreeSeconds)
{
    TestLevel level(40);
    level.Checkpoint(7, "5,10,20");
    Load(level, 1);
    StartRunning();
    sim.RunUntil([&] { return sim.Run().GetLastCheckpoint() == 7; }, 10000000, kTicks);
    const DrawnText* bonus = InFont(1, kTextCentre);
    ASSERT_NE(nullptr, bonus);
    EXPECT_EQ("+ 0 : 10 : 00", bonus->text);
    EXPECT_EQ(kTextPalette[2], bonus->colour);
    EXPECT_EQ(10 + 30, bonus->rect.top) << "just under the remaining time";
    for (int i = 0; i < 298; ++i) Step();
    EXPECT_NE(nullptr, InFont(1, kTextCentre));
    Step();
    Step();
    EXPECT_EQ(nullptr, InFont(1, kTextCentre));
}

TEST_F(DisplayTest, GemsTimesSplitsAndSpeedOnTheRight)
{
    TestLevel level(40);
    level.Set(9, 16, 'O').Set(9, 0, 'O').Checkpoint(8, "5,5,5");
    Load(level);
    const DrawnText* gems = WithText("0 / 2 Gems");
    ASSERT_NE(nullptr, gems);
    EXPECT_EQ(2, gems->font);
    EXPECT_EQ(kTextRight, gems->format);
    EXPECT_EQ(1024 - 10, gems->rect.right);
    const DrawnText* speed = WithText("14 mph");  // 0.0005 / 0.012 * 356
    ASSERT_NE(nullptr, speed);
    EXPECT_EQ(4, speed->font);
    EXPECT_EQ(kTextRight, speed->format);

    StartRunning();
    sim.RunUntil([&] { return sim.Run().GetPieceIndex() == 10; }, 10000000, kTicks);
    Step();
    EXPECT_NE(nullptr, WithText("1 / 2 Gems"));
    const DrawnText* times = InFont(1, kTextRight);
    ASSERT_NE(nullptr, times);
    ASSERT_EQ(1u, sim.Run().GetSplits().size());
    const int split = sim.Run().GetSplits()[0];
    RaceTimeFormat format;
    KString expected = format.Text(static_cast<int>(sim.Run().ElapsedMs()));
    expected.Append("\r\n\r\n(1) ");
    expected.Append(format.Text(split * 10).c_str());
    EXPECT_EQ(std::string(expected.c_str()), times->text);
    EXPECT_EQ(10 + 30, times->rect.top) << "under the gems";

    sim.Run().SetSpeed(LevelRun::kMaxSpeed);
    text.frame.clear();
    sim.Run().Draw(sim.Params());
    EXPECT_NE(nullptr, WithText("356 mph"));
    sim.Run().SetSpeed(LevelRun::kTurboMaxSpeed);
    text.frame.clear();
    sim.Run().Draw(sim.Params());
    EXPECT_NE(nullptr, WithText("474 mph"));
    sim.Run().SetSpeed(-0.01);
    text.frame.clear();
    sim.Run().Draw(sim.Params());
    EXPECT_NE(nullptr, Find([](const DrawnText& t) { return t.text == "-296 mph"; }));
}

TEST_F(DisplayTest, TheFinishPanelSaysCompletedWithTheRecord)
{
    Finish(TestLevel(10), false);
    const KString final = RaceTimeFormat().Text(static_cast<int>(sim.Run().ElapsedMs()));
    const DrawnText* big = InFont(5, kTextMiddle);
    ASSERT_NE(nullptr, big);
    EXPECT_EQ(std::string(final.c_str()), big->text);
    EXPECT_EQ(kTextPalette[1], big->colour);
    const DrawnText* gems = WithText("Collected Gems : 0\nGems To Collect : 0");
    ASSERT_NE(nullptr, gems);
    EXPECT_EQ(768 * 55 / 100, gems->rect.top);
    EXPECT_EQ(kTextPalette[0], gems->colour);
    const DrawnText* result = WithText("LEVEL COMPLETED");
    ASSERT_NE(nullptr, result);
    EXPECT_EQ(kTextPalette[2], result->colour);
    EXPECT_EQ(768 * 70 / 100, result->rect.top);
    const DrawnText* times = InFont(1, kTextRight);
    ASSERT_NE(nullptr, times);
    EXPECT_NE(std::string::npos, times->text.find("\r\nNew Record (1)"));
}

TEST_F(DisplayTest, AFailedLevelAndAReplayEndDifferently)
{
    TestLevel level(10);
    level.Set(8, 0, 'O');
    for (bool replay : {false, true}) {
        Finish(level, replay);
        if (replay) {
            EXPECT_EQ(nullptr,
                      Find([](const DrawnText& t) { return t.text.find("Gems To Collect") != std::string::npos; }));
            EXPECT_EQ(nullptr, WithText("LEVEL COMPLETED"));
            EXPECT_EQ(nullptr, WithText("LEVEL FAILED"));
        } else {
            EXPECT_NE(nullptr, WithText("Collected Gems : 0\nGems To Collect : 1"));
            ASSERT_NE(nullptr, WithText("LEVEL FAILED"));
            EXPECT_EQ(kTextPalette[3], WithText("LEVEL FAILED")->colour);
        }
        sim.ReleaseAll();
    }
}

TEST_F(DisplayTest, ThePausePanelHighlightsTheSelection)
{
    Load(TestLevel(40));
    sim.Tap(kKeyEscape, kTicks);
    Step();
    const char* items[] = {"Resume", "Replay", "Back"};
    int top = -1;
    for (int i = 0; i < 3; ++i) {
        const DrawnText* item = WithText(items[i]);
        ASSERT_NE(nullptr, item) << items[i];
        EXPECT_EQ(3, item->font);
        EXPECT_EQ(kTextCentre, item->format);
        EXPECT_EQ(i == 1 ? kTextPalette[2] : kTextPalette[1], item->colour) << items[i];
        if (i > 0) {
            EXPECT_EQ(top + 40, item->rect.top) << "one font height apart";
        }
        top = item->rect.top;
    }
    EXPECT_EQ(768 / 2 - 60, WithText("Resume")->rect.top);
}

TEST_F(DisplayTest, NothingIsDrawnWhenTheFrameCannotBegin)
{
    Load(TestLevel(40));
    sim.Device().SetBeginFails(true);
    const int frames = sim.Device().Frames();
    Step();
    EXPECT_TRUE(text.frame.empty());
    EXPECT_EQ(frames, sim.Device().Frames());
}

}  // namespace
