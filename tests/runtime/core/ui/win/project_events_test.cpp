// Events reaching the scripts of a running project as a user causes them: clicks, keys, the wheel,
// a control's notices, timers, size changes with the anchored layout, closing with a refusal, and
// what the window and an MDI area paint.
#include <gtest/gtest.h>

#include "project_run.h"

namespace {

using qbktest::ProjectRun;

// A main window whose title starts as "T" and whose scripts append to it.
const char* const kAppendToTitle = R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 300 200
  event 5
    @MAIN.SetText(@MAIN.GetText() & "d")
  event 6
    @MAIN.SetText(@MAIN.GetText() & "u")
  event 13
    @MAIN.SetText(@MAIN.GetText() & "R")
  builtin Keyboard
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "B")
        @Application.Return("-1")
      @Condition.EndIf()
    event 1
      @MAIN.SetText(@MAIN.GetText() & "+" & @Application.GetParameter(0))
  builtin Mouse
    event 1
      @MAIN.SetText(@MAIN.GetText() & "w" & @Application.GetParameter(0))
  builtin Time
    event 0
      @MAIN.SetText(@MAIN.GetText() & "t" & @Application.GetParameter(0))
)";

TEST(ProjectEvents, ClicksRaiseButtonDownAndUpOfTheWindow)
{
    ProjectRun run(kAppendToTitle);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.ClickAt(main, 150, 100);
    EXPECT_TRUE(run.WaitForText(main, "Tdu"));
    run.ClickAt(main, 150, 100, true);
    EXPECT_TRUE(run.WaitForText(main, "TduR"));
}

TEST(ProjectEvents, KeysReachScriptsByNameAndAnAnswerOfMinusOneSwallowsThem)
{
    ProjectRun run(kAppendToTitle);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    run.PressKey(main, 'A');
    EXPECT_TRUE(run.WaitForText(main, "T+A"));
    run.PressKey(main, 'B');  // swallowed by the forwarded key's answer
    run.PressKey(main, VK_F5);
    run.PressKey(main, VK_RETURN);
    EXPECT_TRUE(run.WaitForText(main, "T+A+F5+RETURN"));
}

TEST(ProjectEvents, WheelTowardTheUserGivesMinusOne)
{
    ProjectRun run(kAppendToTitle);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    ProjectRun::BringToFront(main);
    // Over the window: the wheel may go to the window under the pointer.
    POINT centre = {150, 100};
    ClientToScreen(main, &centre);
    zvtest::MoveMouse(centre.x, centre.y);
    INPUT wheel = {};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = DWORD(-WHEEL_DELTA);
    SendInput(1, &wheel, sizeof wheel);
    EXPECT_TRUE(run.WaitForText(main, "Tw-1"));
    wheel.mi.mouseData = WHEEL_DELTA;
    SendInput(1, &wheel, sizeof wheel);
    EXPECT_TRUE(run.WaitForText(main, "Tw-1w1"));
}

TEST(ProjectEvents, TimerRaisesTheTimeObjectsEventWithItsId)
{
    ProjectRun run(kAppendToTitle);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    // What the system's timer of id 7 delivers to the window.
    PostMessageA(main, WM_TIMER, 7, 0);
    EXPECT_TRUE(run.WaitForText(main, "Tt7"));
}

TEST(ProjectEvents, CheckBoxClickTogglesItAndRaisesItsEvents)
{
    ProjectRun run(R"(
window MAIN
  caption "Box"
  style 0x100B0001
  rect 0 0 300 200
  object CheckBox box
    caption "Check"
    rect 20 20 120 24
    style 0x50014000
    event 0
      @MAIN.SetText(@MAIN.GetText() & " clicked")
    event 2
      @MAIN.SetText(@MAIN.GetText() & " focus")
)");
    HWND box = run.Control("MAIN", "box");
    ASSERT_NE(box, nullptr);
    run.Click(box);
    EXPECT_TRUE(run.WaitForText(run.Window("MAIN"), "Box focus clicked"));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    run.ClickAt(run.Window("MAIN"), 250, 150);  // elsewhere first: two quick clicks on the box are a double click
    run.Click(box);
    EXPECT_TRUE(run.WaitForText(run.Window("MAIN"), "Box focus clicked clicked"));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(ProjectEvents, RadioButtonsKeepOneCheckedPerGroup)
{
    ProjectRun run(R"(
window MAIN
  caption "Radio"
  style 0x100B0001
  rect 0 0 300 200
  object RadioButton a
    rect 10 10 100 20
    property "Group" "2"
  object RadioButton b
    rect 10 40 100 20
    property "Group" "2"
  object RadioButton c
    rect 10 70 100 20
    property "Group" "3"
)");
    HWND a = run.Control("MAIN", "a"), b = run.Control("MAIN", "b"), c = run.Control("MAIN", "c");
    ASSERT_TRUE(a && b && c);
    run.Click(c);
    run.Click(a);
    EXPECT_TRUE(zvtest::WaitFor([&] { return SendMessageA(a, BM_GETCHECK, 0, 0) == BST_CHECKED; }, qbktest::kWait));
    run.Click(b);
    EXPECT_TRUE(zvtest::WaitFor([&] { return SendMessageA(a, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }, qbktest::kWait));
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_CHECKED);  // another group
}

TEST(ProjectEvents, ResizingRaisesSizeEventsAndAnchoredObjectsFollow)
{
    // The lists keep the heights they are given (no whole-line heights), so that every pixel of a
    // place comes from the layout.
    ProjectRun run(R"(
window MAIN
  caption "Size"
  style 0x100B0001
  rect 0 0 300 200
  event 2
    @MAIN.SetText("sized")
  object ListBox stretched
    rect 10 10 100 50
    style 0x50A00101
    values 0 0 15 -1 -1
  object ListBox moved
    rect 10 100 100 50
    style 0x50A00101
    values 0 0 10 -1 -1
  object ListBox centred
    rect 150 10 100 50
    style 0x50A00101
    values 0 0 5 -1 -1
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    RECT outer;
    GetWindowRect(main, &outer);
    SetWindowPos(main, nullptr, 0, 0, outer.right - outer.left + 40, outer.bottom - outer.top + 30,
                 SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(run.WaitForText(main, "sized"));
    RECT client;
    GetClientRect(main, &client);
    const int dx = client.right - 300, dy = client.bottom - 200;
    ASSERT_GT(dx, 0);
    ASSERT_GT(dy, 0);
    auto place = [&](const char* name) {
        RECT r;
        HWND control = run.Control("MAIN", name);
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    // The window may pass through sizes on its way; the last one decides.
    zvtest::WaitFor([&] { return place("stretched").bottom - place("stretched").top == 50 + dy; }, qbktest::kWait);
    const RECT stretched = place("stretched"), moved = place("moved"), centred = place("centred");
    EXPECT_EQ(stretched.left, 10);
    EXPECT_EQ(stretched.top, 10);
    EXPECT_EQ(stretched.right - stretched.left, 100 + dx);
    EXPECT_EQ(stretched.bottom - stretched.top, 50 + dy);
    EXPECT_EQ(moved.left, 10 + dx);
    EXPECT_EQ(moved.top, 100 + dy);
    EXPECT_EQ(moved.right - moved.left, 100);
    EXPECT_EQ(moved.bottom - moved.top, 50);
    EXPECT_EQ(centred.left, 150 + dx / 2);
    EXPECT_EQ(centred.top, 10 + dy / 2);
    EXPECT_EQ(centred.bottom - centred.top, 50);
}

TEST(ProjectEvents, CloseRefusedWithMinusOneKeepsTheWindowUntilItsScriptAgrees)
{
    ProjectRun run(R"(
window MAIN
  caption "Open"
  style 0x100B0001
  event 0
    @Condition.If(@MAIN.GetText(), "=", "Open")
      @MAIN.SetText("Refused")
      @Application.Return("-1")
    @Condition.EndIf()
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(run.WaitForText(main, "Refused"));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(run.IsRunning());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST(ProjectEvents, ClosingMainClosesTheOtherWindowsAndARefusalStopsIt)
{
    ProjectRun run(R"(
window MAIN
  caption "Main"
  style 0x100B0001
  rect 0 0 300 200
  event 16
    @MAIN.Open("Second", 50, 50, "OUT", "")
window Second
  caption "Second"
  style 0x100B0001
  rect 0 0 200 100
  event 0
    @Condition.If(@Second.GetText(), "=", "Second")
      @Second.SetText("Stays")
      @Application.Return("-1")
    @Condition.EndIf()
)");
    HWND main = run.Window("MAIN");
    HWND second = run.Window("Second");
    ASSERT_TRUE(main && second);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(run.WaitForText(second, "Stays"));
    EXPECT_TRUE(IsWindow(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST(ProjectEvents, WindowPaintsItsBackColour)
{
    ProjectRun run(R"(
window MAIN
  caption "Colour"
  style 0x100B0001
  rect 0 0 200 120
  values 0 0 0 0x00336699 -1
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(ProjectRun::WaitForPixel(main, 100, 60, zvtest::Rgb(0x99, 0x66, 0x33)));
}

uint32_t RedLeftBlueRight(int x, int /*y*/) { return x < 20 ? 0xFF0000 : 0x0000FF; }

TEST(ProjectEvents, WindowDrawsItsImageTiledStretchedOrOnceOverItsColour)
{
    // A 40 x 30 picture, red on the left half and blue on the right, on white windows of 100 x 70.
    ProjectRun run(R"(
window MAIN
  caption "Tiled"
  style 0x100B0001
  rect 0 0 100 70
  values 0 0 0 0x00FFFFFF -1
  property "Image" "image/halves.bmp"
  property "Image Mode" "Tile"
  event 16
    @MAIN.Open("Stretched", 20, 20, "OUT", "")
    @MAIN.Open("Once", 400, 20, "OUT", "")
window Stretched
  caption "Stretched"
  style 0x100B0001
  rect 0 0 100 70
  values 0 0 0 0x00FFFFFF -1
  property "Image" "image/halves.bmp"
  property "Image Mode" "Stretch"
window Once
  caption "Once"
  style 0x100B0001
  rect 0 0 100 70
  values 0 0 0 0x00FFFFFF -1
  property "Image" "image/halves.bmp"
file "image/halves.bmp" type 1 hex ")" +
                   qbktest::BmpFileHex(40, 30, &RedLeftBlueRight) + "\"\n");
    const uint32_t red = zvtest::Rgb(0xFF, 0, 0), blue = zvtest::Rgb(0, 0, 0xFF), white = zvtest::Rgb(0xFF, 0xFF, 0xFF);
    const struct {
        const char* window;
        int x, y;
        uint32_t colour;
    } cases[] = {
        {"MAIN", 10, 10, red},       {"MAIN", 50, 10, red},
        {"MAIN", 65, 40, blue},      {"MAIN", 90, 65, red},  // copies at x 0, 40, 80 and y 0, 30, 60, the last ones cut
        {"Stretched", 30, 35, red},  {"Stretched", 45, 35, red},
        {"Stretched", 55, 35, blue}, {"Stretched", 90, 65, blue},  // over the whole client area
        {"Once", 10, 10, red},       {"Once", 30, 20, blue},
        {"Once", 50, 10, white},     {"Once", 10, 50, white},  // once, at the top-left corner
    };
    for (const auto& c : cases) {
        HWND window = run.Window(c.window);
        ASSERT_NE(window, nullptr) << c.window;
        EXPECT_TRUE(ProjectRun::WaitForPixel(window, c.x, c.y, c.colour)) << c.window << " " << c.x << "," << c.y;
    }
}

TEST(ProjectEvents, MdiAreaRaisesItsMouseEventsAndPassesThemOn)
{
    ProjectRun run(R"(
window MAIN
  caption "Frame"
  style 0x100B0001
  rect 0 0 300 200
  object MdiWindow area
    rect 0 0 300 200
    style 0x50000000
    values 0 0 0 0x0000FF00 -1
    event 1
      @MAIN.SetText(@MAIN.GetText() & " down")
    event 2
      @MAIN.SetText(@MAIN.GetText() & " up")
)");
    HWND main = run.Window("MAIN");
    HWND area = run.Control("MAIN", "area");
    ASSERT_TRUE(main && area);
    char name[32] = "";
    GetClassNameA(area, name, sizeof name);
    EXPECT_STREQ(name, "MDIClient");
    // The area paints itself in the object's colour (read through the frame it fills).
    EXPECT_TRUE(ProjectRun::WaitForPixel(main, 150, 100, zvtest::Rgb(0, 0xFF, 0)));
    run.ClickAt(area, 100, 100);
    EXPECT_TRUE(run.WaitForText(main, "Frame down up"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

}  // namespace
