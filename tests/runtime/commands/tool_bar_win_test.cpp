// Toolbars in a running project: the buttons and separators its properties name, laid out and
// drawn in the bar's colour; real clicks on buttons raising the bar's event with the button's
// index, the tips showing over the buttons; buttons and separators added, enabled, disabled and
// removed by commands, also from the bar's own click, and laid out again at a new size.
#include <gtest/gtest.h>

#include "project_run.h"

#include <commctrl.h>

#include <string>

#include "bmp_hex.h"
#include "capture_control.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;
using zvtest::Rgb;

const uint32_t kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255), kGrey = Rgb(64, 64, 64),
               kYellow = Rgb(255, 255, 0);

std::string Project()
{
    return R"(
window MAIN
  caption "Bar"
  style 0x100B0001
  rect 0 0 420 320
  event 16
    @out.SetText(@bar.GetButtonToolTip(0) & "," & @bar.GetButtonToolTip(1) & "," & @bar.GetButtonToolTip(2) & "," & @bar.GetSeparatorColor())
  object ToolBar bar
    rect 10 10 300 40
    style 0x50000000
    values 0 0 0 0xFF0000 -1
    property "Button Image 0" "missing.bmp"
    property "Button Image 1" "red.bmp"
    property "Button ToolTip 1" "Red tip"
    property "Button Image 2" "sep.bmp"
    property "Button Separator 2" "1"
    property "Button ToolTip 2" "never"
    property "Button Image 3" "green.bmp"
    property "Button ToolTip 3" "Green tip"
    property "Tool Tip" "1"
    event 0
      @clicks.SetText(@clicks.GetText() & " " & @Application.GetParameter(0))
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @bar.RemoveAll()
        @clicks.SetText(@clicks.GetText() & " gone" & @bar.GetButtonToolTip(0) & @bar.AddButton("red.bmp", 0))
      @Condition.EndIf()
  object CheckBox add
    rect 10 100 60 20
    event 0
      @out.SetText(@bar.AddButton("yellow.bmp", 16711935) & @bar.AddButton("nothing.bmp", 0) & @bar.AddSeparator("sep.bmp") & @bar.AddSeparator("nothing.bmp") & @bar.AddButton("wide.bmp", 0) & "," & @bar.GetButtonToolTip(2) & "," & @bar.SetButtonToolTip(2, "Third") & @bar.GetButtonToolTip(2) & "," & @bar.SetButtonToolTip(9, "x") & @bar.GetButtonToolTip(4) & ",")
  object CheckBox off
    rect 80 100 60 20
    event 0
      @bar.EnableAll(2)
      @out.SetText("off")
  object CheckBox on
    rect 150 100 60 20
    event 0
      @bar.EnableAll(1)
      @bar.EnableButton(1, 0)
      @bar.EnableButton(9, 0)
      @bar.EnableButton(-1, 0)
      @out.SetText("on")
  object CheckBox colour
    rect 220 100 60 20
    event 0
      @out.SetText(@bar.SetSeparatorColor(65280) & @bar.GetSeparatorColor())
  object CheckBox grow
    rect 290 100 60 20
    event 0
      @bar.SetSize(300, 50)
      @out.SetText("grown")
  object CheckBox out
    rect 10 200 400 20
  object CheckBox clicks
    caption "clicks"
    rect 10 230 400 20
file "red.bmp" hex ")" +
           qbktest::SolidBmpHex(24, 24, kRed) + R"("
file "green.bmp" hex ")" +
           qbktest::SolidBmpHex(24, 24, kGreen) + R"("
file "yellow.bmp" hex ")" +
           qbktest::SolidBmpHex(24, 24, kYellow) + R"("
file "wide.bmp" hex ")" +
           qbktest::SolidBmpHex(100, 10, kRed) + R"("
file "sep.bmp" hex ")" +
           qbktest::SolidBmpHex(6, 20, kGrey) + "\"\n";
}

HWND Item(HWND bar, int id) { return GetDlgItem(bar, id); }

// The item's place in the bar.
RECT PlaceOf(HWND item) { return ProjectRun::PlaceInParent(item); }

HWND SeparatorAt(HWND bar, int x)
{
    for (HWND child = GetWindow(bar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == 0 && PlaceOf(child).left == x) return child;
    return nullptr;
}

int CountColour(const zvtest::Image& shot, const RECT& r, uint32_t colour)
{
    return shot.Count(r.left, r.top, r.right, r.bottom, [&](uint32_t p) { return zvtest::ColorNear(p, colour, 40); });
}

// The bar's tips: the one tool tip window of the program that shows the bar.
HWND TipOf(HWND bar)
{
    DWORD process = 0;
    GetWindowThreadProcessId(bar, &process);
    for (HWND tip = FindWindowA(TOOLTIPS_CLASSA, nullptr); tip;
         tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(tip, &owner);
        if (owner == process) return tip;
    }
    return nullptr;
}

void LeftButton(bool down)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

// The button's frame: lit at the top and left and shaded at the bottom and right while the mouse
// is over it, the other way round while it is pressed, none otherwise. Read near the top, where
// the tip showing under the mouse does not cover it.
bool FramedAs(HWND button, uint32_t topLeft, uint32_t bottomRight)
{
    const zvtest::Image shot = qbktest::CaptureControl(button);
    return !shot.Empty() && zvtest::ColorNear(shot.At(0, 2), topLeft) &&
           zvtest::ColorNear(shot.At(shot.width - 1, 2), bottomRight);
}

uint32_t SystemColour(int index)
{
    const COLORREF c = GetSysColor(index);
    return Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

void ClickCentre(HWND item)
{
    RECT r;
    GetWindowRect(item, &r);
    zvtest::Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

TEST(ToolBarCommands, ButtonsShowClickTipAndChangeByCommands)
{
    ProjectRun run(Project());
    HWND out = run.Control("MAIN", "out"), clicks = run.Control("MAIN", "clicks"), bar = run.Control("MAIN", "bar");
    ASSERT_TRUE(out && clicks && bar);
    // The image that does not load is left out; its tip text goes to no button, and the
    // separator's tip text to none either.
    ASSERT_TRUE(run.WaitForText(out, "Red tip,Green tip,,16711680")) << ProjectRun::Text(out);

    // Square buttons as high as the bar less its margins, the separator as wide as its image.
    RECT client;
    GetClientRect(bar, &client);
    const int side = client.bottom;
    HWND first = Item(bar, 3000), second = Item(bar, 3001);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(Item(bar, 3002), nullptr);
    EXPECT_EQ(PlaceOf(first).left, 2);
    EXPECT_EQ(PlaceOf(first).top, 2);
    EXPECT_EQ(PlaceOf(first).right, 2 + side);
    EXPECT_EQ(PlaceOf(first).bottom, side - 2);
    HWND separator = SeparatorAt(bar, 2 + side);
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(PlaceOf(separator).right, 2 + side + 6);
    EXPECT_EQ(PlaceOf(second).left, 2 + side + 6);

    // The images drawn on the buttons and the separator, the bar's colour around them.
    zvtest::Image shot;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = qbktest::CaptureControl(bar);
            return CountColour(shot, PlaceOf(first), kRed) > 400 && CountColour(shot, PlaceOf(second), kGreen) > 400 &&
                   CountColour(shot, PlaceOf(separator), kGrey) >= 100 &&
                   zvtest::ColorNear(shot.At(side * 3, side / 2), kBlue);
        },
        qbktest::kWait));

    // The tip of the button the mouse rests on.
    ProjectRun::BringToFront(run.Window("MAIN"));
    RECT r;
    GetWindowRect(second, &r);
    zvtest::MoveMouse(r.left + 10, r.top + 10);
    zvtest::MoveMouse(r.left + 12, r.top + 11);
    HWND tip = TipOf(bar);
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(
        zvtest::WaitFor([&] { return IsWindowVisible(tip) && ProjectRun::Text(tip) == "Green tip"; }, qbktest::kWait))
        << ProjectRun::Text(tip);

    // Hovered, pressed and released: the click raises the bar's event with the button's index.
    const uint32_t light = SystemColour(COLOR_BTNHIGHLIGHT), shadow = SystemColour(COLOR_BTNSHADOW),
                   face = SystemColour(COLOR_BTNFACE);
    EXPECT_TRUE(zvtest::WaitFor([&] { return FramedAs(second, light, shadow); }, qbktest::kWait));
    EXPECT_TRUE(FramedAs(first, face, face));
    LeftButton(true);
    EXPECT_TRUE(zvtest::WaitFor([&] { return FramedAs(second, shadow, light); }, qbktest::kWait));
    LeftButton(false);
    EXPECT_TRUE(run.WaitForText(clicks, "clicks 1")) << ProjectRun::Text(clicks);

    // The separator raises nothing.
    ProjectRun::BringToFront(run.Window("MAIN"));
    ClickCentre(separator);
    ClickCentre(first);
    EXPECT_TRUE(run.WaitForText(clicks, "clicks 1 0")) << ProjectRun::Text(clicks);

    // Added by commands: only what loads; a wide image is one square button.
    run.Click(run.Control("MAIN", "add"));
    ASSERT_TRUE(run.WaitForText(out, "10101,Tool Tip,Third,,")) << ProjectRun::Text(out);
    HWND third = Item(bar, 3002), wide = Item(bar, 3003);
    ASSERT_TRUE(third && wide);
    EXPECT_EQ(Item(bar, 3004), nullptr);
    EXPECT_EQ(PlaceOf(third).left, 2 + 2 * side + 6);
    EXPECT_NE(SeparatorAt(bar, 2 + 3 * side + 6), nullptr);
    EXPECT_EQ(PlaceOf(wide).left, 2 + 3 * side + 12);
    EXPECT_EQ(PlaceOf(wide).right - PlaceOf(wide).left, side);
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 4);

    // Enabled only by exactly 1; a bad index changes nothing.
    run.Click(run.Control("MAIN", "off"));
    ASSERT_TRUE(run.WaitForText(out, "off"));
    for (HWND button : {first, second, third, wide}) EXPECT_FALSE(IsWindowEnabled(button));
    run.Click(run.Control("MAIN", "on"));
    ASSERT_TRUE(run.WaitForText(out, "on"));
    EXPECT_TRUE(IsWindowEnabled(first));
    EXPECT_FALSE(IsWindowEnabled(second));
    EXPECT_TRUE(IsWindowEnabled(third));
    EXPECT_TRUE(IsWindowEnabled(wide));

    // The colour shows at the next painting of the bar and its separators.
    run.Click(run.Control("MAIN", "colour"));
    ASSERT_TRUE(run.WaitForText(out, "65280"));
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            shot = qbktest::CaptureControl(bar);
            const RECT place = PlaceOf(separator);
            return zvtest::ColorNear(shot.At(client.right - 10, side / 2), kGreen) &&
                   zvtest::ColorNear(shot.At(place.left + 3, place.top + 2), kGreen);
        },
        qbktest::kWait));

    // The disabled button raises nothing; the wide one removes every item from its own click,
    // tips with them, and the next button starts at the margin again.
    ProjectRun::BringToFront(run.Window("MAIN"));
    ClickCentre(second);
    ClickCentre(wide);
    ASSERT_TRUE(run.WaitForText(clicks, "clicks 1 0 3 gone1")) << ProjectRun::Text(clicks);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_FALSE(IsWindow(wide));
    HWND again = Item(bar, 3000);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(PlaceOf(again).left, 2);
    EXPECT_EQ(Item(bar, 3001), nullptr);
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);

    // A new size lays the items out again to the new height.
    run.Click(run.Control("MAIN", "grow"));
    ASSERT_TRUE(run.WaitForText(out, "grown"));
    EXPECT_EQ(PlaceOf(again).right, 52);
    EXPECT_EQ(PlaceOf(again).bottom, 48);
}

class ToolBarWithoutControl : public ScriptTest {};

TEST_F(ToolBarWithoutControl, CommandsAnswerTheirFailure)
{
    Start(qbktest::CommandWordsOf({"ToolBar"}) + R"(
window MAIN
  object ToolBar bar
  event 0
    @Application.Return("[" & @bar.ActivateToolTips(1) & @bar.AddButton("x", 0) & @bar.AddSeparator("x") & @bar.EnableAll(1) & @bar.EnableButton(0, 1) & @bar.GetSeparatorColor() & @bar.GetButtonToolTip(0) & @bar.RemoveAll() & @bar.SetSeparatorColor(1) & @bar.SetButtonToolTip(0, "a") & "]")
)");
    EXPECT_EQ(Run("MAIN", 0), "[00]");
}

}  // namespace
