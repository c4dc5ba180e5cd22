// Push buttons and edit boxes of a running project under real keys and mouse: Tab moves the focus
// between tab stops (with Ctrl in a multi-line box), and a button reports its keys and moves.
#include <gtest/gtest.h>

#include "project_run.h"
#include "window_probes.h"

namespace {

using qbktest::FocusOf;
using qbktest::ProjectRun;

bool WaitForFocus(HWND control)
{
    return zvtest::WaitFor([&] { return FocusOf(control) == control; }, qbktest::kWait);
}

const char* const kTabProject = R"(
window MAIN
  caption "K"
  style 0x100B0001
  rect 0 0 400 300
  object EditBox first
    rect 10 10 150 24
    style 0x50810000
  object Button go
    caption "Go"
    rect 10 50 80 24
    style 0x50010000
    event 1
      @MAIN.SetText(@MAIN.GetText() & "|u" & @Application.GetParameter(0))
    event 2
      @MAIN.SetText(@MAIN.GetText() & "|d" & @Application.GetParameter(0))
    event 4
      @go.SetText("moved")
  object EditBox notes
    caption ""
    rect 10 90 150 60
    style 0x50810004
  object EditBox plain
    rect 200 10 150 24
    style 0x50800000
  object GroupBox frame
    caption "Frame"
    rect 200 90 150 100
)";

TEST(KeyControls, TabMovesTheFocusBetweenEditBoxesAndButtons)
{
    ProjectRun run(kTabProject);
    HWND first = run.Control("MAIN", "first"), go = run.Control("MAIN", "go"), notes = run.Control("MAIN", "notes"),
         plain = run.Control("MAIN", "plain");
    ASSERT_TRUE(first && go && notes && plain);
    run.Click(first);
    ASSERT_TRUE(WaitForFocus(first));
    run.PressKey(first, VK_TAB);
    EXPECT_TRUE(WaitForFocus(go));
    run.PressKey(go, VK_TAB);
    EXPECT_TRUE(WaitForFocus(notes));
    // Tab alone is text in a multi-line box; with Ctrl it moves on (past the box that is no tab
    // stop, round to the first).
    run.PressKey(notes, VK_TAB);
    EXPECT_TRUE(zvtest::WaitFor([&] { return ProjectRun::Text(notes) == "\t"; }, qbktest::kWait));
    EXPECT_EQ(FocusOf(notes), notes);
    zvtest::SendKey(VK_CONTROL, true);
    zvtest::PumpMessages(200);  // as a hand holds Ctrl before Tab: the box asks the key's state then
    zvtest::TapKey(VK_TAB);
    zvtest::SendKey(VK_CONTROL, false);
    EXPECT_TRUE(WaitForFocus(first));
    // A box that is no tab stop keeps the focus.
    run.Click(plain);
    ASSERT_TRUE(WaitForFocus(plain));
    run.PressKey(plain, VK_TAB);
    zvtest::PumpMessages(200);
    EXPECT_EQ(FocusOf(plain), plain);
}

TEST(KeyControls, ButtonReportsItsKeysAndMouseMoves)
{
    ProjectRun run(kTabProject);
    HWND main = run.Window("MAIN"), go = run.Control("MAIN", "go");
    ASSERT_TRUE(main && go);
    ProjectRun::BringToFront(main);
    qbktest::MoveMouseTo(main, 300, 250);  // the pointer may rest on the button from an earlier run
    run.Click(go);
    ASSERT_TRUE(WaitForFocus(go));
    EXPECT_TRUE(run.WaitForText(go, "moved"));
    run.PressKey(go, 'A');
    run.PressKey(go, VK_F2);
    EXPECT_TRUE(run.WaitForText(main, "K|dA|uA|dF2|uF2"));
    // The frame of a group box, drawn through to the window behind it.
    HWND frame = run.Control("MAIN", "frame");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(GetWindowLongA(frame, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

}  // namespace
