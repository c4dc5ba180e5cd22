// The runtime's own list window in running projects: items from embedded files, data streams and
// files, texts, tags, order, selection, colours and scrolling through its commands; and clicks,
// modifier clicks, arrow keys, drags and the wheel as a user makes them, read back by the
// script's answers and the pixels drawn.
#include <gtest/gtest.h>

#include <fstream>

#include "project_run.h"
#include "script_steps.h"

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;

uint32_t Red(int, int) { return 0xFF0000; }
uint32_t Blue(int, int) { return 0x0000FF; }
uint32_t Green(int, int) { return 0x00FF00; }

std::string Files()
{
    return "file \"red.bmp\" type 1 hex \"" + qbktest::BmpFileHex(8, 8, &Red) + "\"\n" +
           "file \"blue.bmp\" type 1 hex \"" + qbktest::BmpFileHex(8, 8, &Blue) + "\"\n" +
           "file \"green.bmp\" type 1 hex \"" + qbktest::BmpFileHex(16, 8, &Green) + "\"\n";
}

// 350 x 265: three columns (with or without the scroll bar) of two rows.
std::string Project(const std::string& objects, const std::string& script)
{
    return R"(
window MAIN
  caption "L"
  style 0x100B0001
  rect 0 0 460 340
  object CustomListView pics
    rect 10 10 350 265
    property "Ex Selection" "1"
)" + objects +
           script + Files();
}

std::string Colour(int systemColour) { return std::to_string(GetSysColor(systemColour)); }

TEST(CustomListViewCommands, ItemsTextsTagsOrderSelectionAndLook)
{
    const std::string data = "@data.GetId()";
    const std::string folder = "@Application.GetFolder()";
    std::vector<Step> steps = {
        Note("@pics.GetItemWidth()", "100"),
        Note("@pics.GetItemHeight()", "100"),
        Note("@pics.GetLabelHeight()", "25"),
        Note("@pics.GetItemCount()", "0"),
        Note("@pics.GetScrollPos()", "0"),
        Note("@pics.GetBackColor()", Colour(COLOR_BTNFACE)),
        Note("@pics.GetSelColor()", Colour(COLOR_HIGHLIGHT)),
        Note("@pics.GetTextColor()", Colour(COLOR_BTNTEXT)),
        Note("@pics.GetSelTextColor()", Colour(COLOR_HIGHLIGHTTEXT)),
        Note("@pics.InsertItemEmbedded(-1, \"pear\", \"red.bmp\")", "0"),
        Note("@pics.InsertItemEmbedded(-1, \"Apple\", \"blue.bmp\")", "1"),
        Note("@pics.InsertItemEmbedded(0, \"fig\", \"green.bmp\")", "0"),
        Note("@pics.InsertItemEmbedded(9, \"x\", \"red.bmp\")", "-1"),
        Note("@pics.InsertItemEmbedded(-1, \"x\", \"missing.bmp\")", "-1"),
        Note("@pics.GetItemCount()", "3"),
        Note("@pics.GetItemText(0)", "fig"),
        Note("@pics.GetItemText(5)", ""),
        Do("@pics.SetItemTag(1, \"t1\")"),
        Note("@pics.GetItemTag(1)", "t1"),
        Note("@pics.GetItemTag(7)", ""),
        // Sorted without regard to case; the tag goes with its item.
        Do("@pics.Sort()"),
        Note("@pics.GetItemText(0)", "Apple"),
        Note("@pics.GetItemTag(2)", "t1"),
        Note("@pics.MoveItem(0, -1)", "2"),
        Note("@pics.GetItemText(2)", "Apple"),
        Note("@pics.MoveItem(1, 1)", "-1"),
        Note("@pics.MoveItem(5, 0)", "-1"),
        Note("@pics.SwapItems(0, 2)", "1"),
        Note("@pics.GetItemText(0)", "Apple"),
        Note("@pics.SwapItems(0, 5)", "0"),
        // Selection in the order made; an item once only.
        Note("@pics.SelectItem(1)", "1"),
        Note("@pics.SelectItem(1)", "0"),
        Note("@pics.SelectItem(2)", "1"),
        Note("@pics.GetSelectedCount()", "2"),
        Note("@pics.GetSelected(1)", "2"),
        Note("@pics.FindSelected(2)", "1"),
        Note("@pics.FindSelected(0)", "-1"),
        Do("@pics.Deselect(1)"),
        Note("@pics.GetSelectedCount()", "1"),
        Note("@pics.GetSelected(0)", "2"),
        Do("@pics.SelectOnly(0)"),
        Note("@pics.GetSelectedCount()", "1"),
        Note("@pics.GetSelected(0)", "0"),
        Do("@pics.SetSelection(0)"),
        Note("@pics.FindSelected(0)", "-1"),
        Note("@pics.GetSelected(0)", "-1"),
        Note("@pics.GetSelectedCount()", "0"),
        Note("@pics.SelectItem(1)", "0"),
        Do("@pics.SetSelection(-1)"),
        Note("@pics.FindSelected(0)", "0"),
        // Tiles of 100 x 100 from (5, 5), 105 apart, labels 25 high under them, rows 130 apart.
        Note("@pics.HitTest(50, 50)", "0"),
        Note("@pics.HitTest(160, 50)", "1"),
        Note("@pics.HitTest(2, 2)", "-1"),
        Note("@pics.HitTest(50, 120)", "0"),
        Note("@pics.HitTest(50, 132)", "-1"),
        Note("@pics.HitTest(50, 160)", "-1"),
        Do("@pics.SetLabel(0)"),
        Note("@pics.HitTest(50, 120)", "-1"),
        Do("@pics.SetLabel(1)"),
        Do("@pics.SetBackColor(16777215)"),
        Note("@pics.GetBackColor()", "16777215"),
        Do("@pics.SetSelColor(255)"),
        Note("@pics.GetSelColor()", "255"),
        Do("@pics.SetTextColor(65280)"),
        Note("@pics.GetTextColor()", "65280"),
        Do("@pics.SetSelTextColor(16711680)"),
        Note("@pics.GetSelTextColor()", "16711680"),
        Do("@pics.SetItemSize(60, 50)"),
        Note("@pics.GetItemWidth()", "60"),
        Note("@pics.GetItemHeight()", "50"),
        Do("@pics.SetLabelHeight(10)"),
        Note("@pics.GetLabelHeight()", "10"),
        Do("@pics.SetItemSize(100, 100)"),
        Do("@pics.SetLabelHeight(25)"),
        // Images through a data stream and from a file.
        Note("@pics.SaveItemImage(" + data + ", 0)", "1"),
        Note("@pics.InsertItemFromObject(-1, \"copy\", " + data + ")", "3"),
        Note("@pics.InsertItemFromObject(-1, \"no\", @words.GetId())", "-1"),
        Note("@pics.GetItemCount()", "4"),
        Note("@pics.SaveItemImage(" + data + ", 9)", "0"),
        Note("@pics.InsertItemFromFile(0, \"file\", " + folder + " & \"pic.bmp\")", "0"),
        Note("@pics.InsertItemFromFile(0, \"none\", " + folder + " & \"none.bmp\")", "-1"),
        Note("@pics.GetItemText(0)", "file"),
        Note("@pics.DeleteItem(0)", "1"),
        Note("@pics.DeleteItem(9)", "0"),
        Note("@pics.GetItemCount()", "4"),
    };
    for (int i = 0; i < 8; ++i) steps.push_back(Do("@pics.InsertItemEmbedded(-1, \"more\", \"red.bmp\")"));
    const std::vector<Step> rest = {
        // Twelve items in three columns: four rows, two of them showing.
        Do("@pics.EnsureVisible(11)"),
        Note("@pics.GetScrollPos()", "2"),
        Do("@pics.EnsureVisible(0)"),
        Note("@pics.GetScrollPos()", "0"),
        // A sorted list places new items by their text and neither moves nor swaps by command.
        Note("@sorted.InsertItemEmbedded(-1, \"b\", \"red.bmp\")", "0"),
        Note("@sorted.InsertItemEmbedded(-1, \"a\", \"red.bmp\")", "0"),
        Note("@sorted.InsertItemEmbedded(-1, \"C\", \"red.bmp\")", "2"),
        Note("@sorted.GetItemText(1)", "b"),
        Note("@sorted.MoveItem(0, 1)", "-1"),
        Note("@sorted.SwapItems(0, 1)", "0"),
        Do("@sorted.SetItemText(0, \"z\")"),
        Note("@sorted.GetItemText(2)", "z"),
        Note("@sorted.GetItemText(0)", "b"),
        Do("@pics.DeleteAll()"),
        Note("@pics.GetItemCount()", "0"),
        Note("@pics.GetScrollPos()", "0"),
    };
    steps.insert(steps.end(), rest.begin(), rest.end());
    ProjectRun run(Project(R"(
  object CustomListView sorted
    rect 370 10 80 80
    property "Sort" "1"
  object DataStream data
  object StringList words
)",
                           qbktest::TimerScript({qbktest::ScriptLines(steps, "MAIN", 8)})));
    {
        std::ofstream file(run.Folder() + "pic.bmp", std::ios::binary);
        const std::string hex = qbktest::BmpFileHex(4, 4, &Red);
        for (size_t i = 0; i + 1 < hex.size(); i += 2) file.put(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "L", steps), nullptr);
}

// Mouse input through the system, at points of the list's client area.
void MouseAt(HWND list, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(list, &point);
    zvtest::MoveMouse(point.x, point.y);
    zvtest::PumpMessages(30);
}

void LeftButton(bool down)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(input));
    zvtest::PumpMessages(30);
}

void Wheel(int delta)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = DWORD(delta);
    SendInput(1, &input, sizeof(input));
    zvtest::PumpMessages(30);
}

// A click with a key held. The pointer is there first: under Wine a pointer motion resets the
// modifier keys to the display's own state, which never saw the key sent here.
void ClickWith(WORD key, HWND list, int x, int y)
{
    MouseAt(list, x, y);
    zvtest::SendKey(key, true);
    zvtest::PumpMessages(20);
    LeftButton(true);
    LeftButton(false);
    zvtest::SendKey(key, false);
    zvtest::PumpMessages(20);
}

// Presses on one point and lets go on another, moving there in steps as a hand does.
void Drag(HWND list, POINT from, POINT to)
{
    MouseAt(list, from.x, from.y);
    LeftButton(true);
    for (int step = 1; step <= 5; ++step)
        MouseAt(list, from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5);
    LeftButton(false);
}

TEST(CustomListViewInput, ClicksKeysWheelAndDragsSelectScrollAndReorder)
{
    const std::string parameter = "@Application.GetParameter";
    std::string fill;
    for (int i = 0; i < 12; ++i)
        fill += "        @pics.InsertItemEmbedded(-1, \"i" + std::to_string(i) + "\", \"" +
                (i == 1   ? "blue"
                 : i == 2 ? "green"
                          : "red") +
                ".bmp\")\n";
    fill += "        @pics.SetBackColor(16777215)\n        @pics.SetSelColor(255)\n        @MAIN.SetText(\"ready\")\n";
    const std::string selection =
        "        @MAIN.SetText(\"3:\" & @pics.GetSelectedCount() & \",\" & @pics.GetSelected(0) & \",\" & "
        "@pics.GetSelected(1) & \",\" & @pics.GetSelected(2))\n";
    const std::string order =
        "        @MAIN.SetText(\"4:\" & @pics.GetItemText(0) & \",\" & @pics.GetItemText(1) & \",\" & "
        "@pics.GetItemText(2) & \",\" & @pics.GetItemText(5))\n";
    ProjectRun run(Project(
        R"(    property "Drag and Drop" "1"
    event 14
      @MAIN.SetText("sel " & )" +
            parameter + R"((0) & " n" & @pics.GetSelectedCount())
    event 1
      @MAIN.SetText("drop " & )" +
            parameter + "(0) & \">\" & " + parameter + "(1) & \" to \" & @pics.MoveItem(" + parameter + "(0), " +
            parameter + R"((1)))
)",
        qbktest::TimerScript({fill, "        @MAIN.SetText(\"2:\" & @pics.GetScrollPos())\n", selection, order})));
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_TIMER, 1, 0);
    ASSERT_TRUE(run.WaitForText(main, "ready"));
    HWND list = run.Control("MAIN", "pics");
    ASSERT_NE(list, nullptr);
    POINT origin = {0, 0};
    MapWindowPoints(list, main, &origin, 1);

    // A click selects; the selection band (red) fills the gaps around the tile, and each image
    // fills its tile keeping its proportions.
    run.ClickAt(list, 160, 55);
    EXPECT_TRUE(run.WaitForText(main, "sel 1 n1"));
    EXPECT_TRUE(ProjectRun::WaitForPixel(main, origin.x + 107, origin.y + 55, 0xFF0000));
    EXPECT_TRUE(ProjectRun::WaitForPixel(main, origin.x + 2, origin.y + 55, 0xFFFFFF));
    EXPECT_TRUE(ProjectRun::WaitForPixel(main, origin.x + 160, origin.y + 55, 0x0000FF));
    EXPECT_TRUE(ProjectRun::WaitForPixel(main, origin.x + 265, origin.y + 55, 0x00FF00));
    EXPECT_TRUE(ProjectRun::WaitForPixel(main, origin.x + 265, origin.y + 15, 0xFFFFFF));

    // Ctrl adds in front; Shift selects from the anchor to the click, the click first.
    ClickWith(VK_CONTROL, list, 55, 185);
    EXPECT_TRUE(run.WaitForText(main, "sel 3 n2"));
    EXPECT_EQ(run.Answer(main, 3), "2,3,1,-1");
    ClickWith(VK_SHIFT, list, 265, 185);
    EXPECT_TRUE(run.WaitForText(main, "sel 5 n3"));
    EXPECT_EQ(run.Answer(main, 3), "3,5,4,3");

    // The right arrow goes on from the first selected item and scrolls it into view.
    run.PressKey(list, VK_RIGHT);
    EXPECT_TRUE(run.WaitForText(main, "sel 6 n1"));
    EXPECT_EQ(run.Answer(main, 2), "1");

    // The wheel scrolls a row at a time, within the rows there are. Input waits behind posted
    // messages: answers are awaited, and a pause lets every turn of the wheel arrive.
    auto scrolledTo = [&](const std::string& row) {
        return zvtest::WaitFor([&] { return run.Answer(main, 2) == row; }, qbktest::kWait);
    };
    MouseAt(list, 160, 55);
    for (int turn = 0; turn < 3; ++turn) Wheel(-WHEEL_DELTA);
    EXPECT_TRUE(scrolledTo("2"));
    zvtest::PumpMessages(300);
    Wheel(WHEEL_DELTA);
    EXPECT_TRUE(scrolledTo("1"));
    Wheel(WHEEL_DELTA);
    EXPECT_TRUE(scrolledTo("0"));

    // A drop on another item asks the script, which moves the item there.
    Drag(list, {55, 55}, {265, 55});
    EXPECT_TRUE(run.WaitForText(main, "drop 0>2 to 1"));
    EXPECT_EQ(run.Answer(main, 4), "i1,i0,i2,i5");
    EXPECT_EQ(run.Answer(main, 3), "0,-1,-1,-1");  // the drop cleared the selection

    // Held below the list, a drag scrolls on by itself; the drop lands on the item then shown.
    MouseAt(list, 55, 55);
    LeftButton(true);
    MouseAt(list, 55, 90);
    MouseAt(list, 55, 300);
    std::string scrolled;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            scrolled = run.Answer(main, 2);
            return scrolled == "2";
        },
        qbktest::kWait))
        << scrolled;
    MouseAt(list, 55, 55);
    LeftButton(false);
    EXPECT_TRUE(run.WaitForText(main, "drop 0>6 to 5"));
}

}  // namespace
