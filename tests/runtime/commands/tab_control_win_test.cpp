// Tab controls in a running project: tabs read, inserted, renamed, selected and switched by real
// clicks; the tab image list (one entry per image, whatever its width; drawn without its mask
// colour; let go by the control before it is destroyed).
#include <gtest/gtest.h>

#include "project_run.h"

#include <commctrl.h>

#include "bmp_hex.h"
#include "capture_control.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;
using zvtest::Rgb;

const uint32_t kRed = Rgb(255, 0, 0), kMagenta = Rgb(255, 0, 255);

std::string Project()
{
    // A red square with a magenta rim, and an image three times as wide.
    const std::string square =
        qbktest::BmpHex(16, 16, [](int x, int y) { return x < 2 || y < 2 || x > 13 || y > 13 ? kMagenta : kRed; });
    return R"(
window MAIN
  caption "Tabs"
  style 0x100B0001
  rect 0 0 420 320
  event 16
    @tabs.SetMinTabWidth(80)
    @out.SetText(@tabs.GetItem(0) & "," & @tabs.GetItem(1) & "," & @tabs.GetItem(2) & "," & @tabs.InsertItem(-1, "Third", -1) & "," & @tabs.InsertItem(9, "x", -1) & "," & @tabs.GetCurSel() & "," & @tabs.SetCurSel(5) & "," & @tabs.SetCurSel(1) & @tabs.GetCurSel() & "," & @tabs.SetItem(2, "Last") & @tabs.GetItem(2) & "," & @tabs.SetItem(3, "no") & "," & @tabs.DeleteItem(7) & "," & @tabs.AddImage("square.bmp") & "," & @tabs.AddImage("wide.bmp") & "," & @tabs.AddImage("missing.bmp") & "," & @tabs.RemoveImages() & @tabs.AddImage("square.bmp") & "," & @tabs.InsertItem(3, "Pic", 0) & "," & @tabs.DeleteItem(3) & @tabs.InsertItem(-1, "Pic", 0))
  object TabControl tabs
    rect 10 10 380 100
    property "Tab 0" "One"
    property "Tab 1" "Two"
    event 0
      @moved.SetText("tab " & @Application.GetParameter(0))
  object CheckBox out
    rect 10 200 400 20
  object CheckBox moved
    rect 10 250 400 20
file "square.bmp" hex ")" +
           square + "\"\nfile \"wide.bmp\" hex \"" + qbktest::SolidBmpHex(48, 16, Rgb(0, 0, 255)) + "\"\n";
}

TEST(TabControlCommands, TabsImagesAndClicks)
{
    ProjectRun run(Project());
    HWND out = run.Control("MAIN", "out"), moved = run.Control("MAIN", "moved"), tabs = run.Control("MAIN", "tabs");
    ASSERT_TRUE(out && moved && tabs);
    EXPECT_TRUE(run.WaitForText(out, "One,Two,,2,-1,0,0,11,1Last,0,0,0,1,-1,0,3,13")) << ProjectRun::Text(out);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 4);

    // The image is drawn in the last tab without the rim of the mask colour.
    zvtest::Image shot;
    auto count = [&](uint32_t colour) {
        return shot.Count(0, 0, shot.width, shot.height, [&](uint32_t p) { return zvtest::ColorNear(p, colour); });
    };
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = qbktest::CaptureControl(tabs);
            return count(kRed) >= 100;
        },
        qbktest::kWait))
        << count(kRed);
    EXPECT_EQ(count(kMagenta), 0);

    // Tabs at least 80 pixels wide: the first one spans the left of the strip.
    run.ClickAt(tabs, 30, 10);
    EXPECT_TRUE(run.WaitForText(moved, "tab 0")) << ProjectRun::Text(moved);
    run.ClickAt(tabs, 200, 10);
    EXPECT_TRUE(run.WaitForText(moved, "tab 2")) << ProjectRun::Text(moved);
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 2);
}

class TabControlWithoutControl : public ScriptTest {};

TEST_F(TabControlWithoutControl, GettersAnswerTheirFailure)
{
    Start(qbktest::CommandWordsOf({"TabControl"}) + R"(
window MAIN
  object TabControl tabs
  event 0
    @Application.Return(@tabs.AddImage("x") & "," & @tabs.DeleteItem(0) & "," & @tabs.GetCurSel() & "," & @tabs.GetItem(0) & "," & @tabs.InsertItem(0, "a", 0) & "," & @tabs.DeleteAllItems() & @tabs.RemoveImages() & "," & @tabs.SetCurSel(0) & "," & @tabs.SetMinTabWidth(5) & "," & @tabs.SetItem(0, "a"))
)");
    EXPECT_EQ(Run("MAIN", 0), "-1,0,-1,,-1,,0,,0");
}

}  // namespace
