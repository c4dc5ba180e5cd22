// Tool tips in a running project: tools named by the window's properties and added, renamed and
// removed by commands, the tip shown over its control when the mouse rests there, long texts read
// back whole, and the tip's colours, width and delay. Tray icons: shown, hidden, changed and
// clicked in the system's tray.
#include <gtest/gtest.h>

#include "project_run.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "bmp_hex.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;

struct TipSearch {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTip(HWND candidate, LPARAM data)
{
    auto* search = reinterpret_cast<TipSearch*>(data);
    char name[64] = "";
    DWORD process = 0;
    GetWindowThreadProcessId(candidate, &process);
    GetClassNameA(candidate, name, sizeof name);
    if (process == search->process && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) search->found.push_back(candidate);
    return TRUE;
}

// The tool tip windows of the process that owns `window`.
std::vector<HWND> TipsOf(HWND window)
{
    TipSearch search{0, {}};
    GetWindowThreadProcessId(window, &search.process);
    EnumWindows(&CollectTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

const std::string kLong(300, 'x');

std::string TipProject()
{
    return R"(
window MAIN
  caption "Tips"
  style 0x100B0001
  rect 0 0 420 320
  event 16
    @out.SetText(@tip.GetToolCount() & "," & @tip.GetMaxWidth() & "," & @tip.AddTool(@box.GetId(), ")" +
           kLong +
           R"(") & @tip.GetToolCount() & "," & @tip.GetText(@box.GetId()) & "," & @tip.AddTool(@number.GetId(), "no") & @tip.AddTool(99, "no") & @tip.GetToolCount() & "," & @tip.UpdateText(@box.GetId(), "short") & @tip.GetText(@box.GetId()) & "," & @tip.DelTool(@box.GetId()) & @tip.GetToolCount() & "[" & @tip.GetText(@box.GetId()) & "]," & @tip.SetBackColor(255) & @tip.GetBackColor() & "," & @tip.SetTextColor(65280) & @tip.GetTextColor() & "," & @tip.SetMaxWidth(150) & @tip.GetMaxWidth() & "," & @none.GetToolCount() & @none.SetDelay(70000) & "," & @tip.GetText(@target.GetId()))
    @tip.SetMaxWidth(-1)
  object CheckBox target
    caption "Rest here"
    rect 20 20 150 40
  object CheckBox box
    rect 20 80 150 40
  object NumberVariable number
  object CheckBox out
    rect 10 200 400 20
  object ToolTip tip
    property "Control 0" "target"
    property "Text 0" "Target tip"
  object ToolTip none
    property "Control 0" "nOnE"
    property "Control 1" "target"
    property "Text 1" "never"
)";
}

TEST(ToolTipCommands, ToolsTextsColoursAndTheTipShowingOverItsControl)
{
    ProjectRun run(TipProject());
    HWND out = run.Control("MAIN", "out"), target = run.Control("MAIN", "target");
    ASSERT_TRUE(out && target);
    EXPECT_TRUE(run.WaitForText(out, "1,-1,2," + kLong + ",2,short,1[],255,65280,150,0,Target tip"))
        << ProjectRun::Text(out);

    const std::vector<HWND> tips = TipsOf(run.Window("MAIN"));
    ASSERT_EQ(tips.size(), 2u);
    HWND tip = SendMessageA(tips[0], TTM_GETTOOLCOUNT, 0, 0) == 1 ? tips[0] : tips[1];
    HWND none = tip == tips[0] ? tips[1] : tips[0];
    EXPECT_EQ(SendMessageA(none, TTM_GETTOOLCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(none, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 70000 % 65536);

    // The tool covers its whole control: resting the mouse on it shows the tip with its text.
    ProjectRun::BringToFront(run.Window("MAIN"));
    RECT r;
    GetWindowRect(target, &r);
    zvtest::MoveMouse(r.left + 40, r.top + 15);
    zvtest::MoveMouse(r.left + 42, r.top + 16);
    EXPECT_TRUE(
        zvtest::WaitFor([&] { return IsWindowVisible(tip) && ProjectRun::Text(tip) == "Target tip"; }, qbktest::kWait))
        << ProjectRun::Text(tip);
}

// The height of the tip shown over the control once the mouse rests there; 0 when none shows.
int ShownTipHeight(ProjectRun& run, HWND control)
{
    ProjectRun::BringToFront(run.Window("MAIN"));
    RECT r;
    GetWindowRect(control, &r);
    zvtest::MoveMouse(r.left + 40, r.top + 15);
    zvtest::MoveMouse(r.left + 42, r.top + 16);
    int height = 0;
    zvtest::WaitFor(
        [&] {
            for (HWND tip : TipsOf(run.Window("MAIN"))) {
                RECT box;
                if (IsWindowVisible(tip) && ProjectRun::Text(tip) == "Font tip" && GetWindowRect(tip, &box))
                    height = box.bottom - box.top;
            }
            return height > 0;
        },
        qbktest::kWait);
    return height;
}

TEST(ToolTipCommands, TheTipTakesTheFontOfAFontObjectOnly)
{
    ProjectRun run(R"(
window MAIN
  caption "Tip font"
  style 0x100B0001
  rect 0 0 420 320
  object CheckBox target
    caption "Rest here"
    rect 20 20 150 40
  object CheckBox big
    caption "Big"
    rect 20 200 100 20
    event 0
      @font.Create("Arial", 40)
      @tip.SetFont(@number.GetId())
      @tip.SetFont(77)
      @none.SetFont(@font.GetId())
      @tip.SetFont(@font.GetId())
      @big.SetText("done")
  object CheckBox other
    caption "Other"
    rect 20 240 100 20
    event 0
      @tip.SetFont(@empty.GetId())
      @other.SetText("done")
  object Font font
  object Font empty
  object NumberVariable number
  object ToolTip tip
    property "Control 0" "target"
    property "Text 0" "Font tip"
  object ToolTip none
)");
    HWND target = run.Control("MAIN", "target"), big = run.Control("MAIN", "big");
    ASSERT_TRUE(target && big);
    const int plain = ShownTipHeight(run, target);
    ASSERT_GT(plain, 0) << "no tip shown";

    run.Click(big);
    ASSERT_TRUE(run.WaitForText(big, "done"));
    const int large = ShownTipHeight(run, target);
    EXPECT_GT(large, plain + 15) << plain << " " << large;

    // A Font object that holds no font leaves the tip's font as it is.
    run.Click(run.Control("MAIN", "other"));
    ASSERT_TRUE(run.WaitForText(run.Control("MAIN", "other"), "done"));
    EXPECT_EQ(ShownTipHeight(run, target), large);
}

// ---- TrayIcon ----------------------------------------------------------------------------------

const std::string kLongTip(200, 't');

std::string TrayProject()
{
    // Red with black corners: black is what the icon leaves transparent.
    const std::string red =
        qbktest::BmpHex(16, 16, [](int x, int y) { return (x < 3 && y < 3) ? 0u : zvtest::Rgb(255, 0, 0); });
    return R"(
window MAIN
  caption "Tray"
  style 0x100B0001
  rect 0 0 300 200
  event 16
    @tray.Create()
    @tray.Create()
    @tray.SetText(")" +
           kLongTip + R"(")
  object TrayIcon tray
    event 0
      @MAIN.SetText(@MAIN.GetText() & " L")
    event 1
      @MAIN.SetText(@MAIN.GetText() & " D")
    event 4
      @MAIN.SetText(@MAIN.GetText() & " R")
  object CheckBox red
    rect 10 10 80 20
    event 0
      @tray.SetImage("red.bmp")
      @tray.SetImage("nothing.bmp")
      @tray.SetImage("red.bmp")
  object CheckBox hide
    rect 10 40 80 20
    event 0
      @tray.Show(0)
      @tray.Show(0)
  object CheckBox toggle
    rect 10 70 80 20
    event 0
      @tray.Show(-1)
      @tray.Refresh()
file "red.bmp" hex ")" +
           red + "\"\n";
}

// Wine shows the icons in a tray window of its own when the desktop has none.
HWND WineTray() { return FindWindowA("__winex11_standalone_tray", nullptr); }

// The screen rectangle of the pixels of the tray's client area that pass the test; empty when none.
RECT IconPixels(const std::function<bool(uint32_t)>& test)
{
    RECT found = {0, 0, 0, 0};
    const HWND tray = WineTray();
    if (!tray || !IsWindowVisible(tray)) return found;
    const zvtest::Image shot = zvtest::CaptureWindow(tray);
    bool any = false;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            if (!test(shot.At(x, y))) continue;
            if (!any) found = {x, y, x + 1, y + 1};
            found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y), std::max<LONG>(found.right, x + 1),
                     std::max<LONG>(found.bottom, y + 1)};
            any = true;
        }
    if (any) MapWindowPoints(tray, nullptr, reinterpret_cast<POINT*>(&found), 2);
    return found;
}

bool IsRed(uint32_t p) { return zvtest::ColorNear(p, zvtest::Rgb(255, 0, 0), 30); }
// The program's own tray picture: blue.
bool IsBlue(uint32_t p) { return (p & 0xFF) > 0x90 && ((p >> 16) & 0xFF) < 0x80; }

int CountRed()
{
    const HWND tray = WineTray();
    if (!tray || !IsWindowVisible(tray)) return 0;
    const zvtest::Image shot = zvtest::CaptureWindow(tray);
    return shot.Count(0, 0, shot.width, shot.height, IsRed);
}

TEST(TrayIconCommands, IconShownClickedChangedHiddenAndBack)
{
    ProjectRun run(TrayProject());
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    RECT icon = {};
    ASSERT_TRUE(zvtest::WaitFor([&] { return !IsRectEmpty(&(icon = IconPixels(IsBlue))); }, qbktest::kWait))
        << "no tray icon shown";
    EXPECT_LE(icon.right - icon.left, 32) << "created twice, shown once";
    const int x = (icon.left + icon.right) / 2, y = (icon.top + icon.bottom) / 2;

    // Clicks on the icon reach the object's events.
    zvtest::Click(x, y);
    EXPECT_TRUE(run.WaitForText(main, "Tray L")) << ProjectRun::Text(main);
    zvtest::Click(x, y, true);
    EXPECT_TRUE(run.WaitForText(main, "Tray L R")) << ProjectRun::Text(main);

    // The tip, cut to the 127 characters its field holds.
    zvtest::MoveMouse(x + 1, y);
    zvtest::MoveMouse(x, y + 1);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            for (HWND tip = FindWindowA(TOOLTIPS_CLASSA, nullptr); tip;
                 tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr))
                if (IsWindowVisible(tip) && ProjectRun::Text(tip) == kLongTip.substr(0, 127)) return true;
            return false;
        },
        qbktest::kWait));

    // A new picture; a name that loads nothing leaves it.
    run.Click(run.Control("MAIN", "red"));
    EXPECT_TRUE(zvtest::WaitFor([&] { return CountRed() > 100; }, qbktest::kWait));
    const int redPixels = CountRed();

    run.Click(run.Control("MAIN", "hide"));
    EXPECT_TRUE(zvtest::WaitFor([&] { return CountRed() == 0; }, qbktest::kWait));
    // Shown again by the toggle; the refresh leaves one icon.
    run.Click(run.Control("MAIN", "toggle"));
    EXPECT_TRUE(zvtest::WaitFor([&] { return CountRed() == redPixels; }, qbktest::kWait)) << CountRed();
}

class ToolTipWithoutControl : public ScriptTest {};

TEST_F(ToolTipWithoutControl, CommandsAnswerTheirFailure)
{
    Start(qbktest::CommandWordsOf({"ToolTip"}) + R"(
window MAIN
  object ToolTip tip
  event 0
    @Application.Return(@tip.Activate(1) & "," & @tip.AddTool(1, "a") & "," & @tip.GetBackColor() & "," & @tip.GetToolCount() & "," & @tip.GetMaxWidth() & "," & @tip.GetText(1) & "," & @tip.GetTextColor() & "," & @tip.DelTool(1) & @tip.SetBackColor(1) & @tip.SetDelay(1) & @tip.SetMaxWidth(1) & @tip.UpdateText(1, "a") & @tip.SetTextColor(1) & @tip.SetFont(1))
)");
    EXPECT_EQ(Run("MAIN", 0), ",,-1,0,0,,-1,");
}

}  // namespace
