// The Time object: durations, clocks through a fake millisecond counter, and window timers
// through a fake timer table.
#include "script_test_fixture.h"

#include <map>

#include "time_commands.h"

namespace {

uint32_t g_now = 0;
std::map<uintptr_t, unsigned> g_timers;
uintptr_t g_answerOtherId = 0;  // when set, the system makes its timers under this number

class TimeCommandsTest : public ScriptTest {
protected:
    void SetUp() override
    {
        ScriptTest::SetUp();
        saved_ = GetTimeSystem();
        TimeSystem& system = GetTimeSystem();
        system.milliseconds = [] { return g_now; };
        system.localTime = [] { return LocalTime{2024, 1, 5, 7, 8, 9}; };
        system.setLocalTime = [](const LocalTime&) { FAIL() << "the tests never set the clock"; };
        system.startTimer = [](WindowRecord&, uintptr_t id, unsigned period) {
            const uintptr_t made = g_answerOtherId ? g_answerOtherId : id;
            g_timers[made] = period;
            return made;
        };
        system.stopTimer = [](WindowRecord&, uintptr_t id) { return g_timers.erase(id) == 1; };
        g_timers.clear();
        g_answerOtherId = 0;
    }
    void TearDown() override
    {
        GetTimeSystem() = saved_;
        ScriptTest::TearDown();
    }
    TimeSystem saved_;
};

TEST(FormatDurationTest, HoursMinutesSecondsAndMilliseconds)
{
    struct Case {
        uint32_t milliseconds;
        const char* text;
    } cases[] = {
        {3723004, "1:02:03:004"}, {0, "0:00:00:000"},         {59999, "0:00:59:999"},           {61000, "0:01:01:000"},
        {999, "0:00:00:999"},     {90000000, "25:00:00:000"}, {uint32_t(-1), "1193:02:47:295"}, {10, "0:00:00:010"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDuration(c.milliseconds), c.text) << c.milliseconds;
}

TEST_F(TimeCommandsTest, CalendarFieldsAndClocks)
{
    g_now = 5000;
    Start(
        "window MAIN\n  event 0\n    @Application.Return(@Time.Year() & \"-\" & @Time.Month() & \"-\" & @Time.Day() & "
        "\" \" & @Time.Hour() & \":\" & @Time.Minute() & \":\" & @Time.Second() & \"|\" & @Time.Duration(-1) & \"|\" & "
        "@Time.TickCount() & \",\" & @Time.TickTime() & \",\" & @Time.Milliseconds())\nwindow OTHER\n  event 0\n"
        "    @Application.Return(@Time.TickTime())\n");
    runtime_.m_startTime = 1000;
    Window("MAIN").CreationTime = 3000;
    Window("OTHER").CreationTime = 4500;
    EXPECT_EQ(Run("MAIN", 0), "2024-1-5 7:8:9|1193:02:47:295|4000,2000,5000");
    EXPECT_EQ(Run("OTHER", 0), "500") << "each window counts from its own opening";
    g_now = 100;  // the counter wrapped since the window opened
    Window("MAIN").CreationTime = 0xFFFFFF00u;
    EXPECT_EQ(Run("MAIN", 0).Str().substr(Run("MAIN", 0).GetLength() - 12), "-900,356,100");
}

TEST_F(TimeCommandsTest, TimersStartAndStopByTheirId)
{
    Start("window MAIN\n  event 0\n    @Application.Return(@Time.StartTimer(5, 1000) & @Time.StartTimer(6, 50) & "
          "@Time.StopTimer(5) & @Time.StopTimer(5) & @Time.StartTimer(6, 70))\n");
    EXPECT_EQ(Run("MAIN", 0), "11101");
    ASSERT_EQ(g_timers.size(), 1u);
    EXPECT_EQ(g_timers[6], 70u) << "starting an id again replaces its period";

    // The system makes the timer under another number: no timer stays for the id asked, and the
    // script's live timer of that other number keeps running.
    g_timers.clear();
    g_timers[1] = 100;  // a live timer of the script
    g_answerOtherId = 1;
    EXPECT_EQ(Run("MAIN", 0).Left(1), "0");
    EXPECT_EQ(g_timers.count(1), 1u);
    EXPECT_EQ(g_timers.count(5), 0u);

    // Without the window's own window there are no timers.
    g_answerOtherId = 0;
    g_timers.clear();
    Window("MAIN").Self()->WindowObject = nullptr;
    EXPECT_EQ(Run("MAIN", 0), "00000");
    EXPECT_TRUE(g_timers.empty());
}

}  // namespace
