// Owner-drawn menus in a running project: a menu bar with a sub-menu chosen with keys and the
// mouse, a pop-up menu whose colours, image, grey silhouette and selection are read back from the
// screen and whose items are chosen with keys and the mouse; item states, colours and texts
// through the commands, ids that would stand for controls refused, and sub-menu cycles refused.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "bmp_hex.h"
#include "project_run.h"
#include "script_steps.h"

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;
using zvtest::Rgb;

const uint32_t kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255), kRed = Rgb(255, 0, 0), kMagenta = Rgb(255, 0, 255),
               kYellow = Rgb(255, 255, 0), kDarkRed = Rgb(128, 0, 0), kLight = Rgb(200, 200, 200),
               kCyan = Rgb(0, 255, 255);

std::string Project()
{
    const std::string square =
        qbktest::BmpHex(16, 16, [](int x, int y) { return x < 2 || y < 2 || x > 13 || y > 13 ? kMagenta : kRed; });
    const std::string dark = qbktest::BmpHex(16, 16, [](int x, int) { return x < 8 ? kDarkRed : kLight; });
    return R"(
window MAIN
  caption "Menus"
  style 0x100B0001
  rect 0 0 420 300
  event 16
    @filemenu.AddItem("Open|Ctrl+O", "")
    @filemenu.AddSeparator()
    @filemenu.AddItem("Exit", "")
    @bar.AddSubMenu("File", "", @filemenu.GetId())
    @bar.AddItem("Help", "")
    @bar.Show()
    @pop.SetColor("bar", 65280)
    @pop.SetColor("BACK", 16711680)
    @pop.SetColor("SelBack", 255)
    @pop.SetColor("SELEDGE", 16776960)
    @pop.SetColor("TEXT", 16777215)
    @pop.SetColor("TEXTGRAYED", 65535)
    @pop.AddItem("Square", "square.bmp")
    @pop.AddItem("Second|F2", "")
    @pop.AddItem("Dark", "dark.bmp")
    @pop.EnableMenuItem(2, 0)
    @pop.AddItem("Checked", "square.bmp")
    @pop.CheckMenuItem(3, 1)
    @out.SetText("ready " & @MAIN.GetClientHeight())
  object MenuBar bar
    event 0
      @out.SetText("bar " & @Application.GetParameter(0))
  object MenuBar filemenu
    event 0
      @out.SetText("file " & @Application.GetParameter(0))
  object PopupMenu pop
    event 0
      @out.SetText("pop " & @Application.GetParameter(0))
  object CheckBox out
    rect 10 200 400 20
  builtin Time
    event 0
      @pop.Show(200, 200)
file "square.bmp" hex ")" +
           square + "\"\nfile \"dark.bmp\" hex \"" + dark + "\"\n";
}

int CountNear(const zvtest::Image& shot, uint32_t colour)
{
    return shot.Count(0, 0, shot.width, shot.height, [&](uint32_t p) { return zvtest::ColorNear(p, colour, 4); });
}

// The pop-up menu the program shows, once it is up.
HWND WaitForPopup(const ProjectRun& run)
{
    HWND popup = nullptr;
    zvtest::WaitFor(
        [&] {
            popup = run.FindWindowOf("#32768", "");
            return popup && IsWindowVisible(popup);
        },
        qbktest::kWait);
    return popup;
}

zvtest::Image CaptureMenu(HWND popup)
{
    RECT rect = {};
    GetWindowRect(popup, &rect);
    return zvtest::CaptureScreen().Crop(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

TEST(MenuCommands, MenuBarAndPopupWithKeysMouseAndColours)
{
    ProjectRun run(Project());
    HWND main = run.Window("MAIN"), out = run.Control("MAIN", "out");
    ASSERT_TRUE(main && out);
    // The window grew by its bar: the client area kept its height.
    RECT client = {};
    ASSERT_TRUE(zvtest::WaitFor([&] { return ProjectRun::Text(out).rfind("ready", 0) == 0; }, qbktest::kWait));
    GetClientRect(main, &client);
    EXPECT_EQ(ProjectRun::Text(out), "ready " + std::to_string(client.bottom));
    ASSERT_NE(GetMenu(main), nullptr);

    // Keys: Alt opens the bar, Down the first menu with its first item, Enter chooses it.
    run.PressKey(main, VK_MENU);
    zvtest::TapKey(VK_DOWN);
    ASSERT_NE(WaitForPopup(run), nullptr);
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(run.WaitForText(out, "file 0")) << ProjectRun::Text(out);
    // The separator counts as a position and is skipped by the keys.
    run.PressKey(main, VK_MENU);
    zvtest::TapKey(VK_DOWN);
    ASSERT_NE(WaitForPopup(run), nullptr);
    zvtest::TapKey(VK_DOWN);
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(run.WaitForText(out, "file 2")) << ProjectRun::Text(out);
    // The mouse on the bar's second item, right of "File".
    run.ClickAt(main, 45, -GetSystemMetrics(SM_CYMENU) / 2);
    EXPECT_TRUE(run.WaitForText(out, "bar 1")) << ProjectRun::Text(out);

    // The pop-up: its own colours, the image without its magenta rim, the grey silhouette of the
    // disabled item's dark half only, the dot of the checked item.
    zvtest::MoveMouse(5, 5);
    PostMessageA(main, WM_TIMER, 1, 0);
    HWND popup = WaitForPopup(run);
    ASSERT_NE(popup, nullptr);
    zvtest::Image shot;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = CaptureMenu(popup);
            return CountNear(shot, kRed) >= 144 && CountNear(shot, kYellow) >= 128;
        },
        qbktest::kWait))
        << CountNear(shot, kRed) << " " << CountNear(shot, kYellow);
    EXPECT_GT(CountNear(shot, kGreen), 26 * 20);
    EXPECT_GT(CountNear(shot, kBlue), 1000);
    EXPECT_EQ(CountNear(shot, kMagenta), 0);
    EXPECT_EQ(CountNear(shot, kDarkRed), 0);
    EXPECT_EQ(CountNear(shot, kLight), 0);
    // The checked item shows a dot in the edge colour instead of its image.
    EXPECT_LT(CountNear(shot, kRed), 2 * 144);
    EXPECT_GE(CountNear(shot, kCyan), 30);
    const int unselectedRed = CountNear(shot, kRed);
    // Down selects the first item: it fills with the selection colour.
    zvtest::TapKey(VK_DOWN);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = CaptureMenu(popup);
            return CountNear(shot, kRed) > unselectedRed + 500;
        },
        qbktest::kWait))
        << CountNear(shot, kRed);
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(run.WaitForText(out, "pop 0")) << ProjectRun::Text(out);

    // The mouse on the second item: the green bar runs down the items' whole height.
    PostMessageA(main, WM_TIMER, 1, 0);
    popup = WaitForPopup(run);
    ASSERT_NE(popup, nullptr);
    RECT rect = {};
    GetWindowRect(popup, &rect);
    int top = -1, bottom = -1;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = CaptureMenu(popup);
            top = bottom = -1;
            for (int y = 0; y < shot.height; ++y)
                if (zvtest::ColorNear(shot.At(shot.width / 8, y), kGreen, 4)) {
                    if (top < 0) top = y;
                    bottom = y;
                }
            return top >= 0 && bottom - top > 30;
        },
        qbktest::kWait));
    const int itemHeight = (bottom - top + 1) / 4;
    zvtest::Click(rect.left + shot.width / 2, rect.top + top + itemHeight + itemHeight / 2);
    EXPECT_TRUE(run.WaitForText(out, "pop 1")) << ProjectRun::Text(out);
}

TEST(MenuCommands, StatesColoursTextsAndRefusals)
{
    std::string items;
    for (int i = 0; i < 130; ++i) items += "      @big.AddItem(\"i" + std::to_string(i) + "\", \"\")\n";
    const std::string text = std::to_string(GetSysColor(COLOR_MENUTEXT));
    const bool flat = GetSysColorBrush(COLOR_MENUBAR) != nullptr;
    const std::string defaultBar = std::to_string(GetSysColor(flat ? COLOR_MENUBAR : COLOR_BTNFACE)) + "," +
                                   std::to_string(flat ? RGB(193, 210, 238) : GetSysColor(COLOR_MENU));
    const std::vector<Step> steps = {
        Note("@pop.GetColor(\"BACK\") & \",\" & @pop.GetItemText(0) & \",\" & @pop.IsItemChecked(0) & "
             "@pop.IsItemEnabled(0)",
             "-1,,00"),
        Do("@pop.AddItem(\"One\", \"missing.bmp\")"),
        Do("@pop.AddSeparator()"),
        Do("@pop.AddItem(\"A text much longer than the sixty-four bytes that an item record holds | with a shortcut\", "
           "\"\")"),
        Note("@pop.GetColor(\"seltext\") & \",\" & @pop.GetColor(\"TEXT\")", text + "," + text),
        Note("@pop.GetColor(\"nothing\") & \",\" & @pop.SetColor(\"nothing\", 5) & @pop.GetColor(\"SELEDGE\")",
             "-1," + std::to_string(GetSysColor(COLOR_HIGHLIGHT))),
        // The image bar takes the menu bar's colour, the selection a light blue, where the system has them.
        Note("@pop.GetColor(\"BAR\") & \",\" & @pop.GetColor(\"SELBACK\")", defaultBar),
        Do("@pop.SetColor(\"back\", 1234)"),
        Note("@pop.GetColor(\"BACK\") & \",\" & @pop.GetItemText(0) & \",\" & @pop.GetItemText(1) & \",\" & "
             "@pop.GetItemText(3)",
             "1234,One,,"),
        Note("@pop.GetItemText(2)", "A text much longer than the sixty-four bytes that an item recor"),
        Do("@pop.CheckMenuItem(0, 1)"),
        Do("@pop.EnableMenuItem(2, 0)"),
        Note("@pop.IsItemChecked(0) & @pop.IsItemEnabled(0) & @pop.IsItemChecked(2) & @pop.IsItemEnabled(2) & "
             "@pop.IsItemChecked(9) & @pop.IsItemEnabled(9)",
             "110000"),
        Do("@pop.CheckMenuItem(0, 2)"),
        Note("@pop.IsItemChecked(0)", "0"),
        Do("@pop.RemoveAll()"),
        Note("@pop.GetItemText(0) & \",\" & @pop.GetColor(\"BACK\")", ",1234"),
        // A sub-menu of another type, of itself, or of a menu that holds this one, is refused.
        Do("@pop.AddItem(\"x\", \"\")"),
        Do("@pop.AddSubMenu(\"bar\", \"\", @bar.GetId())"),
        Do("@pop.AddSubMenu(\"self\", \"\", @pop.GetId())"),
        Do("@pop.AddSubMenu(\"inner\", \"\", @inner.GetId())"),
        Do("@inner.AddSubMenu(\"back\", \"\", @pop.GetId())"),
        Note("@pop.GetItemText(1) & \",\" & @pop.GetItemText(2) & \",\" & @inner.GetItemText(0) & \",\" & "
             "@bar.GetColor(\"BACK\")",
             "inner,,,-1"),
        // Item 128 and beyond would need a ninth bit in the command id.
        Note("@big.GetItemText(127) & \",\" & @big.GetItemText(128)", "i127,"),
    };
    const std::string lines = qbktest::ScriptLines(steps, "MAIN", 6);
    ProjectRun run(R"(
window MAIN
  caption "Menu states"
  style 0x100B0001
  rect 0 0 420 200
  object PopupMenu pop
  object PopupMenu inner
  object PopupMenu big
  object MenuBar bar
)" + qbktest::TimerScript({items + lines}));
    qbktest::RunSteps(run, "MAIN", "Menu states", steps);
}

}  // namespace
