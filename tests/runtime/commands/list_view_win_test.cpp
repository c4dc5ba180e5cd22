// List views driven by a running project's scripts: columns, items with sub-item texts, data and
// images, selection, moving and sorting by hand, the image list and linked objects; read back by
// the script's answers and from the control itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

#include "project_run.h"
#include "script_steps.h"

#include <commctrl.h>

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;

uint32_t Red(int, int) { return 0xFF0000; }
uint32_t Blue(int, int) { return 0x0000FF; }

std::string Project(const std::string& objects, const std::vector<Step>& steps)
{
    return R"(
window MAIN
  caption "L"
  style 0x100B0001
  rect 0 0 460 300
)" + objects +
           qbktest::TimerScript({qbktest::ScriptLines(steps, "MAIN", 8)}) + "file \"red.bmp\" type 1 hex \"" +
           qbktest::BmpFileHex(16, 16, &Red) + "\"\n" + "file \"blue.bmp\" type 1 hex \"" +
           qbktest::BmpFileHex(32, 16, &Blue) + "\"\n";
}

// The texts of column 0, then of column 1, as one line.
std::string Rows(int count)
{
    std::string all = "@names.GetItemText(0, 0)";
    for (int i = 1; i < count; ++i) all += " & \",\" & @names.GetItemText(" + std::to_string(i) + ", 0)";
    return all;
}

TEST(ListViewCommands, ColumnsItemsMovesSortsSelectionAndImages)
{
    const std::vector<Step> steps = {
        Note("@names.InsertColumn(0, \"Name\", 100, \"LEFT\")", "0"),
        Note("@names.InsertColumn(-1, \"Size\", 80, \"RIGHT\")", "1"),
        Note("@names.GetColumnCount()", "2"),
        Note("@names.GetColumnWidth(1)", "80"),
        Note("@names.InsertItem(-1, \"A|1\", 0)", "0"),
        Note("@names.InsertItem(-1, \"B|2\", 0)", "1"),
        Note("@names.InsertItem(-1, \"C|3\", 0)", "2"),
        Note("@names.InsertItem(-1, \"D|4\", 0)", "3"),
        Note("@names.GetItemText(3, 1)", "4"),
        Note("@names.GetItemText(3, -1)", "D"),
        Note("@names.GetItemText(4, 0)", ""),
        // A third piece has no column to go to.
        Note("@names.InsertItem(-1, \"x|y|z\", 0)", "4"),
        Note("@names.GetItemText(4, 1)", "y"),
        Do("@names.DeleteItem(4)"),
        Do("@names.DeleteItem(7)"),
        Note("@names.GetItemCount()", "4"),
        Do("@names.SetItemData(0, -7)"),
        Note("@names.GetItemData(0)", "-7"),
        Note("@names.GetItemData(9)", "0"),
        // Moves keep texts and data; a target past the end puts the item last.
        Note("@names.MoveItem(3, 0)", "1"),
        Note(Rows(4), "D,A,B,C"),
        Note("@names.GetItemText(0, 1)", "4"),
        Note("@names.GetItemData(1)", "-7"),
        Note("@names.MoveItem(0, -1)", "1"),
        Note(Rows(4), "A,B,C,D"),
        Note("@names.MoveItem(0, 99)", "1"),
        Note(Rows(4), "B,C,D,A"),
        Note("@names.GetItemData(3)", "-7"),
        Note("@names.GetItemText(3, 1)", "1"),
        Note("@names.MoveItem(9, 0)", "0"),
        // Sorting folds case and keeps equal texts in their order.
        Do("@names.SetItemText(0, 0, \"b\")"),
        Do("@names.SetItemText(1, 0, \"A\")"),
        Do("@names.SetItemText(2, 0, \"c\")"),
        Do("@names.SetItemText(3, 0, \"a\")"),
        Do("@names.SortByColumn(0, 1)"),
        Note(Rows(4), "A,a,b,c"),
        Note("@names.GetItemData(1)", "-7"),
        Do("@names.SortByColumn(0, 0)"),
        Note(Rows(4), "c,b,A,a"),
        Do("@names.SortByColumn(1, 1)"),  // by the sizes 1, 2, 3, 4
        Note(Rows(4), "a,b,A,c"),
        Do("@names.SortByColumn(2, 1)"),
        Note(Rows(4), "a,b,A,c"),
        Note("@names.FindItem(\"c\")", "3"),
        Note("@names.FindItem(\"zz\")", "-1"),
        // Selection.
        Do("@names.SelectItem(1)"),
        Note("@names.GetFirstSelected()", "1"),
        Do("@names.SelectItem(3)"),
        Note("@names.GetSelectedCount()", "2"),
        Note("@names.GetSelectedAt(1)", "3"),
        Note("@names.GetSelectedAt(2)", "-1"),
        Note("@names.GetSelectedAt(-1)", "-1"),
        Do("@names.SelectOnly(2)"),
        Note("@names.GetSelectedCount()", "1"),
        Note("@names.GetFirstSelected()", "2"),
        Do("@names.SelectOnly(9)"),
        Note("@names.GetSelectedCount()", "0"),
        Note("@names.SetColumnWidth(0, 120)", "100"),
        Note("@names.GetColumnWidth(0)", "120"),
        Note("@names.GetTopIndex()", "0"),
        // Images: the first one's size holds for all.
        Note("@names.AddImage(\"red.bmp\")", "0"),
        Note("@names.AddImage(\"blue.bmp\")", "1"),
        Note("@names.AddImage(\"none.bmp\")", "-1"),
        Do("@names.SetItemImage(0, 1)"),
        Note("@names.GetItemImage(0)", "1"),
        Note("@icons.AddImage(\"red.bmp\")", "0"),
        // Links: windows and controls only.
        Note("@names.LinkObject(\"\", @words.GetId())", "0"),
        Note("@names.LinkObject(\"\", @icons.GetId())", "1"),
        Note("@names.LinkObject(\"NOPE\", @icons.GetId())", "1"),
        Do("@names.ClearArray()"),
        Do("@names.RemoveImageList()"),
        Do("@icons.Arrange(\"TOP\")"),
        Do("@names.DeleteColumn(1)"),
        Note("@names.GetColumnCount()", "1"),
        Do("@names.Reset()"),
        Note("@names.GetColumnCount()", "0"),
        Note("@names.GetItemCount()", "0"),
        Do("@icons.InsertItem(-1, \"one\", 0)"),
        Do("@icons.DeleteAllItems()"),
        Note("@icons.GetItemCount()", "0"),
    };
    ProjectRun run(Project(R"(
  object ListView names
    rect 10 10 300 200
    style 0x50000001
  object ListView icons
    rect 320 10 120 200
    style 0x50000000
  object StringList words
)",
                           steps));
    HWND main = qbktest::RunSteps(run, "MAIN", "L", steps);
    ASSERT_NE(main, nullptr);
    HWND names = run.Control("MAIN", "names");
    HWND icons = run.Control("MAIN", "icons");
    // Each list left the slot it went into: the report view's small images, the icons' normal.
    EXPECT_EQ(SendMessageA(names, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    EXPECT_NE(SendMessageA(icons, LVM_GETIMAGELIST, LVSIL_NORMAL, 0), 0);
    EXPECT_EQ(SendMessageA(icons, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    // The controls and the records each let go of what they share once: the program ends cleanly.
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

}  // namespace

namespace {

std::string Padded(const char* prefix, int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%s%02d", prefix, n);
    return text;
}

uint32_t SystemRgb(int index)
{
    const COLORREF colour = GetSysColor(index);
    return (uint32_t(GetRValue(colour)) << 16) | (uint32_t(GetGValue(colour)) << 8) | GetBValue(colour);
}

// The rows [top, bottom) of the client area of main, from y on, that show the highlight colour
// in column x.
std::pair<int, int> HighlightRows(HWND main, int x, int fromY)
{
    const zvtest::Image image = ProjectRun::Capture(main);
    int top = -1, bottom = -1;
    for (int y = fromY; y < image.height; ++y) {
        const uint32_t pixel = image.At(x, y);
        if (!zvtest::ColorNear(pixel, SystemRgb(COLOR_HIGHLIGHT))) continue;
        if (top >= 0 && y > bottom) break;
        if (top < 0) top = y;
        bottom = y + 1;
    }
    return {top, bottom};
}

TEST(ListViewInput, ClicksLabelEditingColumnSortAndWheel)
{
    std::string fill = "        @names.InsertColumn(0, \"Name\", 100, \"LEFT\")\n"
                       "        @names.InsertColumn(1, \"Value\", 100, \"LEFT\")\n";
    for (int i = 0; i < 60; ++i)
        fill += "        @names.InsertItem(-1, \"" + Padded("k", i) + "|" + Padded("v", i * 7 % 60) + "\", 0)\n";
    fill += "        @names.SelectOnly(0)\n        @names.SetFocus()\n        @MAIN.SetText(\"ready\")\n";
    const std::string p = "@Application.GetParameter";
    const std::string state =
        "        @MAIN.SetText(\"2:\" & @names.GetFirstSelected() & \",\" & @names.GetSelectedCount() & "
        "\",\" & @names.GetTopIndex() & \",\" & @names.GetItemText(0, 0) & \",\" & "
        "@names.GetItemText(1, 0))\n";
    ProjectRun run(R"(
window MAIN
  caption "L"
  style 0x100B0001
  rect 0 0 460 300
  object ListView names
    rect 10 10 300 200
    style 0x50000209
    event 6
      @MAIN.SetText("edit " & )" +
                   p + "(0) & \" \" & " + p + "(1) & \">\" & " + p + R"((2))
    event 3
      @names.SortByColumn()" +
                   p + R"((0), 0)
      @MAIN.SetText("sorted " & )" +
                   p + R"((0))
)" + qbktest::TimerScript({fill, state, "        @names.SelectOnly(3)\n        @MAIN.SetText(\"3:\")\n"}));
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_TIMER, 1, 0);
    ASSERT_TRUE(run.WaitForText(main, "ready"));
    HWND list = run.Control("MAIN", "names");
    POINT origin = {0, 0};
    MapWindowPoints(list, main, &origin, 1);
    // Where the rows are: the first one shows selected.
    std::pair<int, int> first;
    ASSERT_TRUE(zvtest::WaitFor(
        [&] {
            ProjectRun::BringToFront(main);
            // The focused list shows its selected row in the highlight colour.
            first = HighlightRows(main, origin.x + 20, origin.y);
            return first.first >= 0;
        },
        qbktest::kWait));
    // The pitch of the rows, from the band of the fourth row once it is the selected one.
    EXPECT_EQ(run.Answer(main, 3), "");
    std::pair<int, int> fourth;
    ASSERT_TRUE(zvtest::WaitFor(
        [&] {
            fourth = HighlightRows(main, origin.x + 20, origin.y);
            return fourth.first > first.first;
        },
        qbktest::kWait));
    const int rowHeight = (fourth.first - first.first) / 3;
    ASSERT_GT(rowHeight, 5);
    auto rowY = [&](int row) { return first.first - origin.y + row * rowHeight + rowHeight / 2; };

    // Input waits behind posted messages: answers are awaited.
    auto answers = [&](const std::string& expected) {
        std::string answer;
        const bool came = zvtest::WaitFor(
            [&] {
                answer = run.Answer(main, 2);
                return answer == expected;
            },
            qbktest::kWait);
        EXPECT_TRUE(came) << answer << " instead of " << expected;
    };
    // A click selects one item, Ctrl-click adds one.
    run.ClickAt(list, 30, rowY(2));
    answers("2,1,0,k00,k01");
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    POINT at = {30, rowY(4)};
    ClientToScreen(list, &at);
    zvtest::MoveMouse(at.x, at.y);
    zvtest::PumpMessages(50);
    zvtest::SendKey(VK_CONTROL, true);
    zvtest::PumpMessages(20);
    SendInput(2, click, sizeof(INPUT));
    zvtest::PumpMessages(50);
    zvtest::SendKey(VK_CONTROL, false);
    answers("2,2,0,k00,k01");

    // A second click on the selected item's label edits it; the script hears old and new text.
    run.ClickAt(list, 30, rowY(1));
    answers("1,1,0,k00,k01");
    zvtest::PumpMessages(GetDoubleClickTime() + 100);
    run.ClickAt(list, 30, rowY(1));
    zvtest::PumpMessages(GetDoubleClickTime() + 400);
    zvtest::TypeText("Zed");
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(run.WaitForText(main, "edit 1 k01>Zed"));
    answers("1,1,0,k00,Zed");

    // A click on a column heading sorts by it (the script asks for descending).
    run.ClickAt(list, 150, first.first - origin.y - 8);
    EXPECT_TRUE(run.WaitForText(main, "sorted 1"));
    const int top = 59 * 43 % 60;  // the item whose value is v59 (7 x 43 = 1 modulo 60)
    // The selection goes with its item: Zed (v07) is 53rd from the top.
    EXPECT_EQ(run.Answer(main, 2), "52,1,0," + Padded("k", top) + "," + Padded("k", (58 * 43) % 60));

    // The wheel scrolls the rows.
    POINT middle = {150, 100};
    ClientToScreen(list, &middle);
    zvtest::MoveMouse(middle.x, middle.y);
    zvtest::PumpMessages(50);
    INPUT wheel = {};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = DWORD(-WHEEL_DELTA);
    SendInput(1, &wheel, sizeof(wheel));
    EXPECT_TRUE(zvtest::WaitFor([&] { return run.Answer(main, 2).find(",0," + Padded("k", top)) == std::string::npos; },
                                qbktest::kWait));
}

}  // namespace
