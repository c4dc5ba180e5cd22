// Scroll bars, sliders and panels: commands on their controls in a running project, the bars moved
// by real clicks with the steps the scripts set, the panel's colour and edge as drawn; and what the
// commands do for objects without a control.
#include <gtest/gtest.h>

#include "project_run.h"

#include <commctrl.h>

#include "capture_control.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;
using zvtest::Rgb;

const char* const kProject = R"(
window MAIN
  caption "Scroll"
  style 0x100B0001
  rect 0 0 420 320
  event 16
    @out.SetText(@sb.GetLineStep() & "," & @sb.GetPageStep() & "," & @sb.SetLineStep(3) & @sb.GetLineStep() & "," & @sb.38(20) & @sb.GetPageStep() & "," & @sb.SetPos(95) & "," & @sb.Increase(10) & "," & @sb.Decrease(200) & "," & @sb.GetRange() & "," & @sb.34() & "," & @range.SetRange(0, 50) & @range.GetRange() & "," & @range.SetPos(30) & "," & @range.GetPos())
    @out2.SetText(@sl.SetRange(0, 10) & @sl.GetRange() & "," & @sl.34() & "," & @sl.SetPos(7) & "," & @sl.Increase(5) & "," & @sl.Decrease(3) & "," & @sl.GetPos() & "," & @sl.Decrease(20) & "," & @sl.32() & "," & @panel2.GetColor() & "," & @panel2.SetColor(65280) & @panel2.GetColor())
  object ScrollBar sb
    rect 10 10 200 20
    event 0
      @moved.SetText(@Application.GetParameter(1))
  object ScrollBar range
    rect 10 40 200 20
  object Slider sl
    rect 10 70 200 30
    event 0
      @moved.SetText("slider " & @Application.GetParameter(0))
  object Panel panel
    rect 250 10 100 60
    flags 10
    values 15 0 0 255 -1
  object Panel panel2
    rect 250 100 100 60
  object CheckBox out
    rect 10 200 400 20
  object CheckBox out2
    rect 10 225 400 20
  object CheckBox moved
    rect 10 250 400 20
)";

TEST(ScrollBarSliderPanelCommands, CommandsClicksAndPaint)
{
    ProjectRun run(kProject);
    HWND out = run.Control("MAIN", "out"), out2 = run.Control("MAIN", "out2"), moved = run.Control("MAIN", "moved");
    ASSERT_TRUE(out && out2 && moved);
    EXPECT_TRUE(run.WaitForText(out, "1,10,3,20,0,100,0,100,100,50,0,30")) << ProjectRun::Text(out);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(run.WaitForText(out2, "10,10,0,10,7,7,0,," + std::to_string(face) + ",65280"))
        << ProjectRun::Text(out2);

    // The line step the script set moves the bar on its arrow, the page step in its trough.
    HWND sb = run.Control("MAIN", "sb");
    run.ClickAt(sb, 195, 10);
    EXPECT_TRUE(run.WaitForText(moved, "3")) << ProjectRun::Text(moved);
    run.ClickAt(sb, 150, 10);
    EXPECT_TRUE(run.WaitForText(moved, "23")) << ProjectRun::Text(moved);
    EXPECT_EQ(GetScrollPos(sb, SB_CTL), 23);

    // A click in the slider's channel beyond the thumb pages it on; the event reports the position.
    HWND sl = run.Control("MAIN", "sl");
    SendMessageA(sl, TBM_SETPOS, TRUE, 0);
    run.ClickAt(sl, 190, 15);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const LRESULT position = SendMessageA(sl, TBM_GETPOS, 0, 0);
            return position > 0 && ProjectRun::Text(moved) == "slider " + std::to_string(position);
        },
        qbktest::kWait))
        << ProjectRun::Text(moved);

    // The panel: its colour inside a sunken edge; the other one in the colour its script set.
    const uint32_t red = Rgb(255, 0, 0), green = Rgb(0, 255, 0);
    zvtest::Image panel;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            panel = qbktest::CaptureControl(run.Control("MAIN", "panel"));
            return !panel.Empty() && zvtest::ColorNear(panel.At(50, 30), red);
        },
        qbktest::kWait));
    EXPECT_FALSE(zvtest::ColorNear(panel.At(0, 0), red));
    EXPECT_FALSE(zvtest::ColorNear(panel.At(99, 59), red));
    EXPECT_TRUE(zvtest::ColorNear(panel.At(3, 30), red));
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const zvtest::Image second = qbktest::CaptureControl(run.Control("MAIN", "panel2"));
            return !second.Empty() && second.Count(0, 0, second.width, second.height, [&](uint32_t p) {
                return zvtest::ColorNear(p, green);
            }) == second.width * second.height;
        },
        qbktest::kWait));
}

// Without a control: the getters' failure answers; the steps live in the object's numbers, and
// the page step is written only where the list has that entry.
class ScrollBarSliderPanelWithoutControl : public ScriptTest {};

TEST_F(ScrollBarSliderPanelWithoutControl, AnswersAndSteps)
{
    Start(qbktest::CommandWordsOf({"ScrollBar", "Slider", "Panel"}) + R"(
window MAIN
  object ScrollBar bar
  object Slider slider
  object Panel panel
  event 0
    @Application.Return(@bar.Increase(1) & "," & @bar.GetRange() & "," & @bar.GetPos() & "," & @bar.SetRange(1, 2) & "," & @bar.SetPos(3) & "," & @bar.Decrease(1) & "," & @bar.GetLineStep() & "," & @slider.Increase(1) & "," & @slider.GetRange() & "," & @slider.GetPos() & "," & @slider.SetRange(1, 2) & "," & @slider.SetPos(1) & "," & @slider.Decrease(1) & "," & @panel.GetColor() & "," & @panel.SetColor(5))
  event 1
    @bar.SetLineStep(4)
    @bar.38(30)
    @Application.Return(@bar.GetLineStep() & "," & @bar.GetPageStep())
)");
    EXPECT_EQ(Run("MAIN", 0), "0,0,0,0,0,0,,0,0,0,,0,0,0,");
    ObjectRecord& bar =
        *CProjectRuntime::FindObjectById(&Window("MAIN"), runtime_.FindObjectIdByName(Window("MAIN").Id, "bar"));
    bar.Numbers = {2};  // a line step and no page step
    EXPECT_EQ(Run("MAIN", 1), "4,");
    ASSERT_EQ(bar.Numbers.size(), 1u);
    bar.Numbers = {1, 10};
    EXPECT_EQ(Run("MAIN", 1), "4,30");
}

}  // namespace
