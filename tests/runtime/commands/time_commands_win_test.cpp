// The Time object's timers in a running project: the system's ticks come back as the Time
// object's event 0 with the timer's id, until the script stops the timer.
#include <gtest/gtest.h>

#include "project_run.h"

namespace {

using qbktest::ProjectRun;

TEST(TimeCommandsWin, ATimerTicksIntoTheTimeObjectUntilStopped)
{
    // A click starts timer 5, which ticks every 50 ms; its third tick stops it (a second stop finds none) and starts
    // timer 9, whose tick ends the test: no tick of 5 may come between.
    ProjectRun run(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 300 200
  object NumberVariable ticks
  event 5
    @MAIN.SetText(@MAIN.GetText() & @Time.StartTimer(5, 50) & @Time.StartTimer(8, 60000) & @Time.StopTimer(8))
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", 9)
        @MAIN.SetText(@MAIN.GetText() & "end" & @Time.StopTimer(9))
      @Condition.Else()
        @MAIN.SetText(@MAIN.GetText() & "t" & @Application.GetParameter(0))
        @Condition.If(@ticks.Increment(), "=", 3)
          @MAIN.SetText(@MAIN.GetText() & "|" & @Time.StopTimer(5) & @Time.StopTimer(5) & "|" & @Time.StartTimer(9, 200))
        @Condition.EndIf()
      @Condition.EndIf()
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.ClickAt(main, 150, 100);
    EXPECT_TRUE(run.WaitForText(main, "T111t5t5t5|10|1end1")) << ProjectRun::Text(main);
}

}  // namespace
