// The project window's own commands, run by a project under Wine and read back from outside:
// opening windows (inside, as pop-ups, modally), closing, size limits, scroll bars, colour, icon,
// top-most state, centring and quiet mode.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "open_project_fixture.h"
#include "project_run.h"

namespace {

using qbktest::ProjectRun;

// A 16 x 16 BMP picture of one colour, as the hex text of a project's embedded file.
std::string SolidBmpHex(uint8_t red, uint8_t green, uint8_t blue)
{
    std::string bytes = "BM";
    auto put32 = [&bytes](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += char((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&bytes](uint16_t v) {
        bytes += char(v & 0xFF);
        bytes += char(v >> 8);
    };
    put32(54 + 16 * 16 * 3);
    put32(0);
    put32(54);
    put32(40);
    put32(16);
    put32(16);
    put16(1);
    put16(24);
    put32(0);
    put32(16 * 16 * 3);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int i = 0; i < 16 * 16; ++i) {
        bytes += char(blue);
        bytes += char(green);
        bytes += char(red);
    }
    std::string hex;
    char two[3];
    for (unsigned char c : bytes) {
        std::snprintf(two, sizeof two, "%02x", c);
        hex += two;
    }
    return hex;
}

const char* const kOpening = R"(
window MAIN
  caption "Opener"
  style 0x10CF0000
  rect 0 0 400 300
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @MAIN.SetText("1:" & @MAIN.OpenModal("Dialog", 40, 30, "p") & "," & @MAIN.IsEnabled() & "," & @MAIN.IsOpen("Dialog"))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @MAIN.SetText("2:" & @Dialog.Window.Close() & "," & @MAIN.IsEnabled() & "," & @MAIN.IsOpen("Dialog"))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @MAIN.SetText("3:" & @MAIN.OpenModal("Broken", 0, 0, "") & "," & @MAIN.IsEnabled() & "," & @MAIN.IsOpen("Broken"))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "4")
        @MAIN.Open("Inner", 20, 30, "out", "")
        @MAIN.Open("Popup", 200, 100, "OUT", "")
        @MAIN.Open("Hidden", 10, 10, "OUT", "")
        @Hidden.Window.SetSize(250, 150)
        @MAIN.SetText("4:" & @MAIN.Open("Popup", 0, 0, "OUT", "again") & "," & @MAIN.Open("Nowhere", 0, 0, "OUT", "") & "," & @MAIN.IsOpen("Popup") & @MAIN.IsOpen("Hidden") & @MAIN.IsOpen("Nowhere") & "," & @Hidden.Window.IsVisible())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "5")
        @Inner.Window.Center(1)
        @MAIN.Center(0)
        @Popup.Window.Center(1)
        @MAIN.SetText("5:")
      @Condition.EndIf()
window Dialog
  caption "Dialog"
  style 0x10CF0000
  rect 0 0 200 100
  event 16
    @Application.Return(@Application.GetParameter(0) & "!")
window Broken
  caption "Broken"
  style 0x10CF0000
  exstyle 0x40
window Inner
  caption "Inner"
  style 0x10C00000
  rect 0 0 100 60
window Popup
  caption "Popup"
  style 0x10CF0000
  rect 0 0 200 100
  builtin Time
    event 0
      @MAIN.Window.SetText("closing")
      @Popup.Close()
      @MAIN.Window.SetText("after close")
window Hidden
  caption "Hidden"
  style 0x00CF0000
)";

TEST(WindowCommands, ModalWindowDisablesItsOpenerUntilItClosesAndAFailedOneLeavesItEnabled)
{
    ProjectRun run(kOpening);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(run.Answer(main, 1), "p!,0,1");
    HWND dialog = run.Window("Dialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
    EXPECT_FALSE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD);
    RECT placed;
    GetWindowRect(dialog, &placed);
    EXPECT_EQ(placed.left, 40);
    EXPECT_EQ(placed.top, 30);

    EXPECT_EQ(run.Answer(main, 2), "1,1,0");
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(main));

    // A window the system refuses to make: the opener is enabled again at once.
    EXPECT_EQ(run.Answer(main, 3), ",1,0");
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST(WindowCommands, OpenPlacesChildrenAndPopUpsAndAScriptThatClosesItsWindowEndsThere)
{
    ProjectRun run(kOpening);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    // Opening a window that is open already, or one the project does not have, does nothing.
    EXPECT_EQ(run.Answer(main, 4), ",,110,0");
    HWND inner = run.Window("Inner"), popup = run.Window("Popup");
    ASSERT_TRUE(inner && popup);
    // The placement keyword is exact: "out" opens inside.
    EXPECT_TRUE(GetWindowLongPtrA(inner, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetParent(inner), main);
    const RECT innerPlace = ProjectRun::PlaceInParent(inner);
    EXPECT_EQ(innerPlace.left, 20);
    EXPECT_EQ(innerPlace.top, 30);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), main);
    RECT popupPlace;
    GetWindowRect(popup, &popupPlace);
    EXPECT_EQ(popupPlace.left, 200);
    EXPECT_EQ(popupPlace.top, 100);
    // Sizing a hidden window leaves it hidden.
    HWND hidden = run.FindWindowOf("QUILLBRICK", "Hidden");
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(IsWindowVisible(hidden));
    RECT hiddenPlace;
    GetWindowRect(hidden, &hiddenPlace);
    EXPECT_EQ(hiddenPlace.right - hiddenPlace.left, 250);
    EXPECT_EQ(hiddenPlace.bottom - hiddenPlace.top, 150);

    // Centred in its parent's client area, and on the work area.
    EXPECT_EQ(run.Answer(main, 5), "");
    RECT mainClient, innerOuter = ProjectRun::PlaceInParent(inner);
    GetClientRect(main, &mainClient);
    EXPECT_NEAR((innerOuter.left + innerOuter.right) / 2, mainClient.right / 2, 1);
    EXPECT_NEAR((innerOuter.top + innerOuter.bottom) / 2, mainClient.bottom / 2, 1);
    RECT work, mainOuter;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(main, &mainOuter);
    EXPECT_NEAR((mainOuter.left + mainOuter.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((mainOuter.top + mainOuter.bottom) / 2, (work.top + work.bottom) / 2, 1);
    // A pop-up over its owner.
    RECT popupOuter;
    GetWindowRect(popup, &popupOuter);
    EXPECT_NEAR((popupOuter.left + popupOuter.right) / 2, (mainOuter.left + mainOuter.right) / 2, 1);
    EXPECT_NEAR((popupOuter.top + popupOuter.bottom) / 2, (mainOuter.top + mainOuter.bottom) / 2, 1);

    // The pop-up's own script closes it: the rest of that script does not run.
    PostMessageA(popup, WM_TIMER, 1, 0);
    EXPECT_TRUE(zvtest::WaitFor([&] { return !IsWindow(popup); }, qbktest::kWait));
    EXPECT_TRUE(run.WaitForText(main, "closing"));
    EXPECT_EQ(run.Answer(main, 4).substr(0, 4), ",,11");  // still running; the pop-up opens again
}

const char* const kLimits = R"(
window MAIN
  caption "Limits"
  style 0x10CF0000
  rect 0 0 320 240
  object ListBox list
    rect 10 10 100 80
    style 0x50A00101
  object NumberVariable n
  object CheckBox box
    rect 10 100 100 24
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @MAIN.SetText("1:" & @MAIN.GetMaxWidth() & "," & @MAIN.GetScrollPage("HORZ") & "," & @MAIN.GetScrollLine("HORZ") & "," & @MAIN.GetControlCount() & "," & @MAIN.GetControlId(0) & "," & @MAIN.GetControlId(1) & "," & @MAIN.GetControlId(2) & "," & @MAIN.GetBackColor())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @MAIN.SetMinSize(200, 150)
        @MAIN.SetMaxSize(500, 400)
        @MAIN.SetScrollLine("VERT", 3)
        @MAIN.SetScrollPage("HORZ", 25)
        @MAIN.SetText("2:" & @MAIN.GetMinWidth() & "," & @MAIN.GetMinHeight() & "," & @MAIN.GetMaxWidth() & "," & @MAIN.GetMaxHeight() & "," & @MAIN.GetScrollLine("horz") & "," & @MAIN.GetScrollLine("HORZ") & "," & @MAIN.GetScrollPage("HORZ") & "," & @MAIN.GetScrollPage("VERT"))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @MAIN.ShowScrollBar("VERT", 1)
        @MAIN.SetScrollRange("VERT", 0, 100)
        @MAIN.SetScrollPos("VERT", 30)
        @MAIN.Scroll(5, 7)
        @MAIN.SetText("3:" & @MAIN.GetScrollMin("VERT") & "," & @MAIN.GetScrollMax("VERT") & "," & @MAIN.GetScrollPos("VERT") & "," & @MAIN.GetScrollPos("HORZ"))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "4")
        @MAIN.ShowScrollBar("VERT", 2)
        @MAIN.SetBackColor(255)
        @MAIN.SetTopMost(1)
        @MAIN.AcceptFiles(1)
        @MAIN.SetText("4:" & @MAIN.GetBackColor())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "5")
        @MAIN.SetTopMost(0)
        @MAIN.AcceptFiles(-1)
        @MAIN.SetText("5:")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "6")
        @MAIN.Maximize()
        @MAIN.SetClientSize(100, 100)
        @MAIN.SetText("6:" & @MAIN.IsMaximized() & @MAIN.IsMinimized() & "," & @MAIN.GetClientWidth())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "7")
        @MAIN.Minimize()
        @MAIN.SetText("7:" & @MAIN.IsMaximized() & @MAIN.IsMinimized())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "20")
        @list.Redraw()
        @MAIN.SetText("20:" & @MAIN.IsForeground())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "21")
        @MAIN.RedrawAll()
        @MAIN.SetText("21:")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), ">", "7")
        @Condition.If(@Application.GetParameter(0), "<", "10")
          @MAIN.Restore()
          @MAIN.SetText(@Application.GetParameter(0) & ":" & @MAIN.IsMaximized() & @MAIN.IsMinimized())
        @Condition.EndIf()
      @Condition.EndIf()
)";

TEST(WindowCommands, SizeLimitsScrollStepsAndControlsOfTheWindow)
{
    ProjectRun run(kLimits);
    HWND main = run.Window("MAIN"), list = run.Control("MAIN", "list");
    ASSERT_TRUE(main && list);
    char face[16];
    std::snprintf(face, sizeof face, "%u", unsigned(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(run.Answer(main, 1), std::string("-1,10,1,2,12,14,-1,") + face);

    // The step keyword is exact: "horz" reads the vertical step.
    EXPECT_EQ(run.Answer(main, 2), "200,150,500,400,3,1,25,10");
    // What the window answers when the system asks for the sizes a user may drag it to.
    MINMAXINFO limits = {};
    limits.ptMaxTrackSize = {2000, 2000};
    SendMessageA(main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 200);
    EXPECT_EQ(limits.ptMinTrackSize.y, 150);
    EXPECT_EQ(limits.ptMaxTrackSize.x, 500);
    EXPECT_EQ(limits.ptMaxTrackSize.y, 400);

    // Scrolling the client area moves the controls with it.
    EXPECT_EQ(run.Answer(main, 3), "0,100,30,0");
    EXPECT_TRUE(GetWindowLongPtrA(main, GWL_STYLE) & WS_VSCROLL);
    const RECT moved = ProjectRun::PlaceInParent(list);
    EXPECT_EQ(moved.left, 15);
    EXPECT_EQ(moved.top, 17);
}

TEST(WindowCommands, ColourTopMostDroppedFilesAndShowStates)
{
    ProjectRun run(kLimits);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    // Only 1 shows a scroll bar; 2 hides it.
    EXPECT_EQ(run.Answer(main, 3).substr(0, 3), "0,1");
    EXPECT_EQ(run.Answer(main, 4), "255");
    EXPECT_FALSE(GetWindowLongPtrA(main, GWL_STYLE) & WS_VSCROLL);
    const LONG_PTR exStyle = GetWindowLongPtrA(main, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_ACCEPTFILES);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            const zvtest::Image shot = ProjectRun::Capture(main);
            return !shot.Empty() &&
                   zvtest::ColorNear(shot.At(client.right - 20, client.bottom - 20), zvtest::Rgb(255, 0, 0));
        },
        qbktest::kWait));

    EXPECT_EQ(run.Answer(main, 5), "");
    EXPECT_FALSE(GetWindowLongPtrA(main, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_ACCEPTFILES));

    // A maximised window keeps its size when asked for another client size.
    const std::string maximised = run.Answer(main, 6);
    GetClientRect(main, &client);
    EXPECT_TRUE(IsZoomed(main));
    EXPECT_EQ(maximised, "10," + std::to_string(client.right));
    EXPECT_GT(client.right, 100);
    EXPECT_EQ(run.Answer(main, 7), "01");
    EXPECT_TRUE(IsIconic(main));
    // Restored from the minimised state, it is maximised again; once more, and it is normal.
    EXPECT_EQ(run.Answer(main, 8), "10");
    EXPECT_EQ(run.Answer(main, 9), "00");
    EXPECT_FALSE(IsIconic(main) || IsZoomed(main));
}

// Paints over the client area of the window (its children included) from outside, as damage the
// program does not know of.
void PaintOver(HWND window)
{
    HDC dc = GetDCEx(window, nullptr, DCX_CACHE);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, HBRUSH(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(window, dc);
}

int DarkPixels(HWND window, const RECT& area)
{
    const zvtest::Image shot = ProjectRun::Capture(window);
    return shot.Count(area.left, area.top, area.right, area.bottom, [](uint32_t p) { return (p & 0xFFFFFF) == 0; });
}

TEST(WindowCommands, RedrawingRepaintsAControlOrTheWholeWindowAndTheForegroundIsKnown)
{
    ProjectRun run(kLimits);
    HWND main = run.Window("MAIN"), list = run.Control("MAIN", "list");
    ASSERT_TRUE(main && list);
    ProjectRun::BringToFront(main);
    RECT listArea = ProjectRun::PlaceInParent(list);
    InflateRect(&listArea, -2, -2);  // its client area: the border is not drawn again
    const RECT free = {200, 150, 300, 220};
    // A first round trip lets the window finish the painting that coming to the front asked for.
    EXPECT_EQ(run.Answer(main, 21), "");
    PaintOver(main);
    ASSERT_TRUE(zvtest::WaitFor([&] { return DarkPixels(main, free) > 0; }, qbktest::kWait));
    EXPECT_EQ(run.Answer(main, 20), "1");
    // The list alone is drawn again; the window's own area stays as it was painted over.
    EXPECT_TRUE(zvtest::WaitFor([&] { return DarkPixels(main, listArea) == 0; }, qbktest::kWait));
    EXPECT_GT(DarkPixels(main, free), 0);
    EXPECT_EQ(run.Answer(main, 21), "");
    EXPECT_TRUE(zvtest::WaitFor([&] { return DarkPixels(main, free) == 0; }, qbktest::kWait));
}

TEST(WindowCommands, QuietModeRaisesNoEventsUntilLeft)
{
    ProjectRun run(R"(
window MAIN
  caption "Quiet"
  style 0x10CF0000
  rect 0 0 300 200
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @MAIN.Open("Helper", 400, 10, "OUT", "")
        @MAIN.SetSubclass(0)
        @MAIN.SetText("1:")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @MAIN.SetText("2:")
      @Condition.EndIf()
window Helper
  caption "Helper"
  style 0x10CF0000
  rect 0 0 200 100
  builtin Time
    event 0
      @MAIN.Window.SetSubclass(-1)
      @Helper.SetText("left")
)");
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(run.Answer(main, 1), "");
    HWND helper = run.Window("Helper");
    ASSERT_NE(helper, nullptr);
    // In quiet mode the timer's event does not run; the helper's script, queued after it, leaves
    // the mode (-1 toggles).
    PostMessageA(main, WM_TIMER, 2, 0);
    PostMessageA(helper, WM_TIMER, 1, 0);
    EXPECT_TRUE(run.WaitForText(helper, "left"));
    EXPECT_EQ(ProjectRun::Text(main), "1:");
    EXPECT_EQ(run.Answer(main, 2), "");
}

class WindowIconTest : public OpenProjectTest {};

// The colour the icon draws at its centre; CLR_INVALID when it cannot be drawn.
COLORREF IconColour(HICON icon)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const bool drawn = icon && DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    const COLORREF colour = drawn ? GetPixel(dc, 8, 8) : CLR_INVALID;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST_F(WindowIconTest, AnIconReplacedOrLeftByItsWindowIsFreedAndAMissingPictureChangesNothing)
{
    const HWND main = Open(std::string(R"(
window MAIN
  caption "Icon"
  style 0x10CF0000
  function 0 Red
    @MAIN.Seticon("red.bmp")
  function 1 Blue
    @MAIN.Seticon("Blue.BMP")
  function 2 Missing
    @MAIN.Seticon("missing.bmp")
file "red.bmp" hex ")") + SolidBmpHex(255, 0, 0) +
                           R"("
file "blue.bmp" hex ")" + SolidBmpHex(0, 0, 255) +
                           "\"\n");
    ASSERT_NE(main, nullptr);
    Call("MAIN", 0);
    const auto red = HICON(SendMessageA(main, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(IconColour(red), RGB(255, 0, 0));
    Call("MAIN", 1);
    const auto blue = HICON(SendMessageA(main, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(IconColour(blue), RGB(0, 0, 255));
    ICONINFO info;
    EXPECT_FALSE(GetIconInfo(red, &info));
    Call("MAIN", 2);
    EXPECT_EQ(HICON(SendMessageA(main, WM_GETICON, ICON_SMALL, 0)), blue);
    DestroyWindow(main);
    EXPECT_FALSE(GetIconInfo(blue, &info));
}

}  // namespace
