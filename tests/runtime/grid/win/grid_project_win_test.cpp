// A grid in a running project, used as a user uses it: clicking, typing into cells, moving with
// the keys, and copying and pasting through the clipboard shared with other programs.
#include <gtest/gtest.h>

#include <cstring>

#include "project_run.h"

namespace {

using qbktest::ProjectRun;

const char* const kSheet = R"(
window MAIN
  caption "Sheet"
  style 0x100B0001
  rect 0 0 460 320
  event 16
    @g.InsertColumn("", "-1")
    @g.InsertColumn("A", "-1")
    @g.InsertColumn("B", "-1")
    @g.InsertRow("1", "-1")
    @g.InsertRow("2", "-1")
    @g.InsertRow("3", "-1")
    @g.SetFixedRowCount(1)
    @g.SetFixedColumnCount(1)
    @g.SetColumnWidth("-1", 60)
    @g.SetRowHeight("-1", 20)
  builtin Time
    event 0
      @MAIN.SetText("cells " & @g.GetCellText(1, 1) & "|" & @g.GetCellText(2, 1) & "|" & @g.GetCellText(1, 2) & "|" & @g.GetCellText(2, 2) & "|" & @g.GetCellText(1, 3) & "|" & @g.GetCellText(2, 3) & "|" & @g.GetFocusRow() & "," & @g.GetFocusColumn() & "|" & @g.GetSelectedCount())
  object Grid g
    rect 10 10 420 200
    event 0
      @MAIN.SetText("clicked " & @g.GetFocusRow() & "," & @g.GetFocusColumn())
)";

void WithKey(WORD modifier, WORD key)
{
    zvtest::SendKey(modifier, true);
    zvtest::PumpMessages(20);
    zvtest::TapKey(key);
    zvtest::SendKey(modifier, false);
    zvtest::PumpMessages(20);
}

std::string Clipboard()
{
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text.assign(p, strnlen(p, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

TEST(GridProject, CellsAreTypedIntoMovedThroughCopiedAndPasted)
{
    ProjectRun run(kSheet);
    HWND main = run.Window("MAIN");
    HWND grid = run.Control("MAIN", "g");
    ASSERT_TRUE(main && grid);
    const auto cells = [&](const std::string& expected) {
        PostMessageA(main, WM_TIMER, 1, 0);
        return run.WaitForText(main, "cells " + expected);
    };

    // Cell (1, 1) sits at x 60..119 and y 20..39 of the grid.
    run.ClickAt(grid, 90, 30);
    EXPECT_TRUE(run.WaitForText(main, "clicked 1,1"));
    zvtest::TypeText("hello");
    run.PressKey(grid, VK_RETURN);
    EXPECT_TRUE(cells("hello||||||1,1|1")) << ProjectRun::Text(main);

    // Typed into, an editor ends on an arrow and the focus moves on; Tab stores and edits the
    // next cell, Escape leaves that one as it was.
    zvtest::TypeText("hi");
    run.PressKey(grid, VK_DOWN);
    zvtest::TypeText("x");
    run.PressKey(grid, VK_TAB);
    run.PressKey(grid, VK_ESCAPE);
    EXPECT_TRUE(cells("hi||x||||2,2|1"));

    // Shift with the arrows selects a block, Ctrl+C copies it for other programs.
    WithKey(VK_SHIFT, VK_UP);
    WithKey(VK_SHIFT, VK_LEFT);
    WithKey(VK_CONTROL, 'C');
    EXPECT_TRUE(zvtest::WaitFor([] { return Clipboard() == "hi\t\nx\t"; }, qbktest::kWait)) << Clipboard();

    // What another program put there pastes from the focus cell.
    ASSERT_NO_FATAL_FAILURE(PutOnClipboard("p\tq\nr\ts"));
    run.ClickAt(grid, 90, 50);
    WithKey(VK_CONTROL, 'V');
    // Pasted cells lose their selection.
    EXPECT_TRUE(cells("hi||p|q|r|s|2,1|0")) << ProjectRun::Text(main);
}

}  // namespace
