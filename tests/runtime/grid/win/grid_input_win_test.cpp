// A grid window under the real mouse and keyboard: selecting with clicks and drags, the focus cell
// moved by keys, the notifications and click command its parent gets, scroll bars and the wheel,
// and dividers dragged and double-clicked.
#include "grid_window_fixture.h"

namespace gridtest {
namespace {

class GridInput : public GridWindowTest {};

TEST_F(GridInput, ClicksMoveTheFocusSelectAndNotifyTheParent)
{
    ASSERT_NO_FATAL_FAILURE(Make(8, 6, 1, 1));
    ClickCell(2, 2);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 2));
    EXPECT_EQ(grid->GetSelectedCount(), 1);
    // Selection about to change, changed, then the click; and the click command posted after it.
    EXPECT_EQ(parent.Codes(), (std::vector<int>{-99, -101, -2}));
    EXPECT_EQ(parent.notes.back(), (GridParent::Note{-2, 2, 2}));
    EXPECT_TRUE(WaitFor([&] { return parent.clickCommands == 1; }));

    // Shift extends from where the selection started.
    ShiftClickCell(4, 3);
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(2, 2, 4, 3));
    EXPECT_EQ(grid->GetSelectedCount(), 6);

    // A heading selects its whole column, the corner everything.
    ClickCell(0, 4);
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 4, 7, 4));
    ClickCell(3, 0);
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(3, 1, 3, 5));
    ClickCell(0, 0);
    EXPECT_EQ(grid->GetSelectedCount(), 7 * 5);

    // The right button tells the parent which cell it was over, and outside the cells (-1, -1).
    ClickCell(5, 1, true);
    EXPECT_EQ(parent.notes.back(), (GridParent::Note{-5, 5, 1}));
    EXPECT_EQ(grid->GetFocusCell(), CCellID(5, 1));
    ClickAt(390, 290, true);
    EXPECT_EQ(parent.notes.back(), (GridParent::Note{-5, -1, -1}));
}

TEST_F(GridInput, DraggingSelectsTheBlockUnderTheMouse)
{
    ASSERT_NO_FATAL_FAILURE(Make(8, 6, 1, 1));
    const CPoint from = Centre(1, 1), to = Centre(3, 4);
    Drag(from.x, from.y, to.x, to.y);
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 1, 3, 4));
    EXPECT_EQ(grid->GetSelectedCount(), 12);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 4));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(GridInput, HoldingADragBelowTheGridScrollsAndExtendsTheSelection)
{
    // 100 rows of 20 in 300 pixels: rows up to 14 show at first.
    ASSERT_NO_FATAL_FAILURE(Make(100, 4, 1, 1));
    const CPoint from = Centre(2, 1);
    const POINT start = ScreenPoint(from.x, from.y), below = ScreenPoint(from.x, 300 + 10);
    zvtest::MoveMouse(start.x, start.y);
    Settle();
    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &press, sizeof press);
    Settle();
    zvtest::MoveMouse(below.x, below.y);
    // The auto-scroll timer steps a row down every 25 ms while the mouse stays there.
    EXPECT_TRUE(WaitFor([&] { return grid->GetScrollPos32(true) >= 10 * kHeight; }));
    press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &press, sizeof press);
    Settle();
    const CCellRange selected = grid->GetSelectedCellRange();
    EXPECT_EQ(selected.GetMinRow(), 2);
    EXPECT_GT(selected.GetMaxRow(), 20);
    EXPECT_EQ(selected.GetMinCol(), 1);
    const int scrolled = grid->GetScrollPos32(true);
    zvtest::PumpMessages(200);
    EXPECT_EQ(grid->GetScrollPos32(true), scrolled);  // the timer has stopped with the button
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(GridInput, KeysMoveTheFocusAndShiftExtendsTheSelection)
{
    ASSERT_NO_FATAL_FAILURE(Make(8, 6, 1, 1));
    ClickCell(2, 2);
    Key(VK_RIGHT);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 3));
    KeyWith(VK_SHIFT, VK_DOWN);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 3));
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(2, 3, 3, 3));
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_UP);  // not into the headings
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 3));
    EXPECT_EQ(grid->GetSelectedCount(), 1);
    // Tab runs along the row and wraps to the next one; Shift+Tab back.
    Key(VK_TAB);
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
    KeyWith(VK_SHIFT, VK_TAB);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 5));
    KeyWith(VK_CONTROL, VK_END);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(7, 5));
    KeyWith(VK_CONTROL, VK_HOME);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
    // A hidden column is stepped over.
    grid->SetColumnWidth(2, 0);
    Key(VK_RIGHT);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 3));
}

TEST_F(GridInput, ScrollBarsFollowTheRowsAndKeysWheelAndBarScrollTheView)
{
    // 100 rows of 20 in 300 pixels: 99 scrolled rows, 1980 pixels, a page of 280.
    ASSERT_NO_FATAL_FAILURE(Make(100, 4, 1, 1));
    const auto bar = [&](int which) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ::GetScrollInfo(gridWindow, which, &info);
        return info;
    };
    const LONG_PTR style = ::GetWindowLongPtrA(gridWindow, GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);
    EXPECT_EQ(bar(SB_VERT).nMax, 1979);
    EXPECT_EQ(bar(SB_VERT).nPage, 280u);

    ::SendMessageA(gridWindow, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(bar(SB_VERT).nPos, 20);
    EXPECT_EQ(grid->GetTopleftNonFixedCell().row, 2);
    ::SendMessageA(gridWindow, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(bar(SB_VERT).nPos, 1980 - 280);
    EXPECT_TRUE(grid->IsCellVisible(99, 1));
    ::SendMessageA(gridWindow, WM_VSCROLL, SB_TOP, 0);

    // The wheel, one notch toward the user: the system's lines per notch, rows down.
    ClickCell(1, 1);
    UINT lines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    INPUT wheel = {};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = DWORD(-WHEEL_DELTA);
    ::SendInput(1, &wheel, sizeof wheel);
    EXPECT_TRUE(WaitFor([&] { return bar(SB_VERT).nPos == int(lines) * kHeight; }));

    // Down past the last row shown scrolls to keep the focus in view.
    KeyWith(VK_CONTROL, VK_HOME);
    for (int i = 0; i < 16; ++i) zvtest::TapKey(VK_DOWN);
    Settle();
    EXPECT_EQ(grid->GetFocusCell(), CCellID(17, 1));
    EXPECT_TRUE(grid->IsCellVisible(17, 1));
    EXPECT_GT(bar(SB_VERT).nPos, 0);
    Key(VK_NEXT);
    EXPECT_TRUE(grid->IsCellVisible(grid->GetFocusCell().row, 1));
    EXPECT_GT(grid->GetFocusCell().row, 17);

    // Tall enough for every row: the bar goes.
    ::SetWindowPos(gridWindow, nullptr, 0, 0, 400, 2100, SWP_NOMOVE | SWP_NOZORDER);
    Settle();
    EXPECT_FALSE(::GetWindowLongPtrA(gridWindow, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(grid->GetScrollPos32(true), 0);
}

TEST_F(GridInput, DividersDragToNewSizesAndDoubleClicksFitTheWidestText)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    // The divider after column 1 sits at x 119 in the heading row.
    Drag(119, 10, 151, 10);
    EXPECT_EQ(grid->GetColumnWidth(1), 151 - 60);
    EXPECT_EQ(::GetCapture(), nullptr);
    // Rows likewise in the heading column: the divider after row 2 at y 59.
    Drag(30, 59, 30, 80);
    EXPECT_EQ(grid->GetRowHeight(2), 80 - 40);

    grid->SetItemText(3, 2, "a much wider text than the others");
    const int right = 60 + grid->GetColumnWidth(1) + kWidth - 1;  // the divider after column 2
    const POINT point = ScreenPoint(right, 10);
    zvtest::MoveMouse(point.x, point.y);
    Settle();
    for (int i = 0; i < 2; ++i) {
        INPUT click[2] = {};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, click, sizeof(INPUT));
        zvtest::PumpMessages(10);
    }
    Settle();
    CSize extent;
    EXPECT_TRUE(grid->MeasureCell(*grid->GetCell(3, 2), "a much wider text than the others", extent));
    EXPECT_EQ(grid->GetColumnWidth(2), extent.cx);
    EXPECT_GT(grid->GetColumnWidth(2), kWidth);
}

TEST_F(GridInput, AParentThatDestroysTheGridFromItsClickNoticeLeavesNothingBehind)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    parent.onNotify = [&](const GridParent::Note& note) {
        if (note.code == -2) ::DestroyWindow(gridWindow);
    };
    ClickCell(2, 2);
    EXPECT_FALSE(::IsWindow(gridWindow));
    EXPECT_EQ(CWnd::FromHandlePermanent(gridWindow), nullptr);
    EXPECT_EQ(parent.clickCommands, 0);
}

}  // namespace
}  // namespace gridtest
