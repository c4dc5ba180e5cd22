#include <gtest/gtest.h>

#include "fake_grid_host.h"
#include "grid_model.h"

namespace {

using N = FakeGridHost::Note;

// Rows 1..9 below a fixed row, columns 1..5 beside a fixed column; row 5, rows 8 and 9 and
// column 3 hidden.
struct NavigableGrid : HostedGrid {
    NavigableGrid() : HostedGrid(10, 6, 1, 1)
    {
        grid.SetRowHeight(5, 0);
        grid.SetRowHeight(8, 0);
        grid.SetRowHeight(9, 0);
        grid.SetColumnWidth(3, 0);
    }
};

// 10 rows and 6 columns of 50 x 20 under a fixed row and beside a fixed column: cell (r, c) from
// x = 50 (c - 1) + 50, y = 20 (r - 1) + 20.
struct ClickableGrid : HostedGrid {
    ClickableGrid() : HostedGrid(10, 6, 1, 1) {}
};

void Click(HostedGrid& g, CPoint point, bool shift = false)
{
    g.grid.OnLButtonDown(point, shift);
    g.grid.OnLButtonUp(point);
}

}  // namespace

TEST(GridKeyboardTest, ArrowsTabAndHomeEndMoveOverShownCells)
{
    struct Case {
        CCellID from;
        UINT key;
        bool ctrl, shift;
        CCellID to;
        bool handled;
    } cases[] = {
        {{2, 2}, grid::kKeyDown, false, false, {3, 2}, true},
        {{4, 2}, grid::kKeyDown, false, false, {6, 2}, true},  // past hidden row 5
        {{7, 2}, grid::kKeyDown, false, false, {7, 2}, true},  // only hidden rows below
        {{1, 2}, grid::kKeyUp, false, false, {1, 2}, true},  // not into the heading
        {{6, 2}, grid::kKeyUp, false, false, {4, 2}, true},
        {{2, 2}, grid::kKeyRight, false, false, {2, 4}, true},  // past hidden column 3
        {{2, 5}, grid::kKeyRight, false, false, {2, 5}, true},
        {{2, 1}, grid::kKeyLeft, false, false, {2, 1}, true},
        {{2, 4}, grid::kKeyTab, false, false, {2, 5}, true},
        {{2, 5}, grid::kKeyTab, false, false, {3, 1}, true},  // wraps to the next row
        {{7, 5}, grid::kKeyTab, false, false, {7, 5}, false},  // the last cell: left to the dialog
        {{3, 1}, grid::kKeyTab, false, true, {2, 5}, true},  // back to the previous row
        {{1, 1}, grid::kKeyTab, false, true, {1, 1}, false},
        {{4, 4}, grid::kKeyHome, false, false, {4, 1}, true},
        {{4, 4}, grid::kKeyHome, true, false, {1, 1}, true},
        {{4, 1}, grid::kKeyEnd, false, false, {4, 5}, true},
        {{4, 1}, grid::kKeyEnd, true, false, {7, 5}, true},
        {{2, 2}, grid::kKeyPageDown, false, false, {7, 2}, true},  // nothing to scroll: the last shown row
        {{6, 2}, grid::kKeyPageUp, false, false, {1, 2}, true},
        {{2, 2}, 'Q', false, false, {2, 2}, false},
    };
    for (const auto& c : cases) {
        NavigableGrid g;
        g.grid.SetFocusCell(c.from);
        SCOPED_TRACE(testing::Message() << "key " << c.key << " from " << c.from.row << "," << c.from.col);
        EXPECT_EQ(g.grid.OnKeyDown(c.key, c.ctrl, c.shift), c.handled);
        EXPECT_EQ(g.grid.GetFocusCell(), c.to);
        ExpectConsistent(g.grid);
    }
}

TEST(GridKeyboardTest, MovingSelectsTheCellAndShiftExtendsFromTheStart)
{
    NavigableGrid g;
    g.grid.SetFocusCell(2, 2);
    g.grid.OnKeyDown(grid::kKeyDown, false, false);
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(3, 2, 3, 2));
    g.grid.OnKeyDown(grid::kKeyDown, false, true);
    g.grid.OnKeyDown(grid::kKeyDown, false, true);
    g.grid.OnKeyDown(grid::kKeyRight, false, true);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(6, 4));
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(3, 2, 6, 4));
    EXPECT_EQ(g.grid.GetSelectedCount(), 12);
    g.grid.OnKeyDown(grid::kKeyTab, false, true);  // Tab always starts afresh
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(6, 2, 6, 2));
    ExpectConsistent(g.grid);
}

TEST(GridKeyboardTest, TheFocusCellIsScrolledIntoView)
{
    HostedGrid g(60, 30, 1, 1);
    g.grid.SetFocusCell(1, 1);
    for (int i = 0; i < 25; ++i) g.grid.OnKeyDown(grid::kKeyDown, false, false);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(26, 1));
    EXPECT_TRUE(g.grid.IsCellVisible(26, 1));
    const int top = g.grid.GetTopleftNonFixedCell().row;
    g.grid.OnKeyDown(grid::kKeyPageDown, false, false);
    EXPECT_EQ(g.grid.GetFocusCell().row, 26 + g.grid.GetTopleftNonFixedCell().row - top);
    g.grid.OnKeyDown(grid::kKeyEnd, true, false);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(59, 29));
    EXPECT_TRUE(g.grid.IsCellVisible(59, 29));
    g.grid.OnKeyDown(grid::kKeyTab, false, true);
    g.grid.OnKeyDown(grid::kKeyHome, true, false);
    EXPECT_EQ(g.grid.GetTopleftNonFixedCell(), CCellID(1, 1));
    g.grid.SetFocusCell(10, 29);
    g.grid.EnsureVisible(10, 29);
    ASSERT_GT(g.grid.GetScrollPos32(false), 0);
    g.grid.OnKeyDown(grid::kKeyTab, false, false);  // wraps: back to the first column
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(11, 1));
    EXPECT_EQ(g.grid.GetScrollPos32(false), 0);
    EXPECT_TRUE(g.grid.IsCellVisible(11, 1));
}

TEST(GridKeyboardTest, EditingKeysGoThroughTheEditingPathAndTheClipboard)
{
    ClickableGrid g;
    g.Label();
    g.grid.SetFocusCell(2, 2);
    g.grid.SetSelectedRange(2, 2, 3, 3);
    EXPECT_TRUE(g.grid.OnKeyDown('C', true, false));
    EXPECT_EQ(g.host.clipboard, "2,2\t2,3\n3,2\t3,3");
    EXPECT_TRUE(g.grid.OnKeyDown(grid::kKeyDelete, false, false));
    EXPECT_EQ(g.grid.GetItemText(2, 2), "");
    EXPECT_EQ(g.host.Codes(), (std::vector<int>{grid::kNotifyBeginEdit, grid::kNotifyEndEdit}));
    g.grid.SetFocusCell(5, 1);
    EXPECT_TRUE(g.grid.OnKeyDown('V', true, false));
    EXPECT_EQ(g.grid.GetItemText(5, 1), "2,2");
    EXPECT_EQ(g.grid.GetItemText(6, 2), "3,3");
    EXPECT_FALSE(g.grid.OnKeyDown(grid::kKeyInsert, false, true));  // pastes, then default handling
    EXPECT_TRUE(g.grid.OnKeyDown('A', true, false));
    EXPECT_EQ(g.grid.GetSelectedCount(), 9 * 5);
    g.host.notes.clear();
    g.grid.GetCell(5, 1)->SetState(g.grid.GetItemState(5, 1) | grid::kReadOnly);
    g.grid.OnKeyDown(grid::kKeyDelete, false, false);
    EXPECT_TRUE(g.host.notes.empty());
    EXPECT_EQ(g.grid.GetItemText(5, 1), "2,2");
    g.grid.SetFocusCell(1, 1);
    EXPECT_TRUE(g.grid.OnKeyDown('X', true, false));
    EXPECT_EQ(g.grid.GetItemText(1, 1), "");
    EXPECT_EQ(g.grid.GetItemText(5, 1), "2,2");  // read-only: not cut
}

TEST(GridKeyboardTest, TypingStartsAnEdit)
{
    ClickableGrid g;
    g.grid.SetFocusCell(2, 2);
    EXPECT_FALSE(g.grid.OnChar(grid::kKeyTab, false));
    EXPECT_FALSE(g.grid.OnChar(grid::kKeyEscape, false));
    EXPECT_FALSE(g.grid.OnChar('7', true));
    EXPECT_FALSE(g.host.editorOpen);
    EXPECT_TRUE(g.grid.OnChar('7', false));
    EXPECT_TRUE(g.host.editorOpen);
    EXPECT_EQ(g.host.editorStart, UINT('7'));
    EXPECT_TRUE(g.grid.OnChar('8', false));  // the open editor takes the next one
    EXPECT_EQ(g.host.forwarded, (std::vector<UINT>{'8'}));
    g.host.FinishEdit("78", grid::kKeyReturn);
    EXPECT_EQ(g.grid.GetItemText(2, 2), "78");
    EXPECT_TRUE(g.grid.OnKeyDown(grid::kKeyF2, false, false));
    EXPECT_EQ(g.host.editorStart, 1u);

    EXPECT_EQ(g.grid.GetDlgCode(false), 0x83u);
    EXPECT_EQ(g.grid.GetDlgCode(true), 0x81u);
    g.grid.SetHandleTabKey(false);
    EXPECT_EQ(g.grid.GetDlgCode(false), 0x81u);
}

TEST(GridMouseTest, AClickFocusesAndSelectsTheCellAndTellsTheParent)
{
    ClickableGrid g;
    g.grid.OnLButtonDown(CPoint(125, 65), false);  // cell (3, 2)
    EXPECT_TRUE(g.host.captured);
    EXPECT_TRUE(g.host.autoScroll);
    g.grid.OnLButtonUp(CPoint(125, 65));
    EXPECT_FALSE(g.host.captured);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 2));
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(3, 2, 3, 2));
    EXPECT_EQ(g.host.notes, (std::vector<N>{{grid::kNotifySelectionChanging, 3, 2},
                                            {grid::kNotifySelectionChanged, 3, 2},
                                            {grid::kNotifyClick, 3, 2}}));
    EXPECT_EQ(g.host.clicksPosted, 1);
    Click(g, CPoint(5, 295));  // below the rows: no cell, nothing
    EXPECT_EQ(g.host.clicksPosted, 1);
    EXPECT_EQ(g.host.notes.size(), 3u);
}

TEST(GridMouseTest, DraggingAndHeadingsSelectBlocksRowsColumnsAndAll)
{
    struct Case {
        CPoint down, up;
        bool shiftUp;
        CCellRange selected;
        CCellID focus;
    } cases[] = {
        {{75, 30}, {175, 70}, false, {1, 1, 3, 3}, {3, 3}},  // a drag over cells
        {{125, 5}, {125, 5}, false, {1, 2, 9, 2}, {1, 2}},  // a column heading
        {{125, 5}, {225, 5}, false, {1, 2, 9, 4}, {1, 4}},  // dragged along the headings
        {{5, 65}, {5, 65}, false, {3, 1, 3, 5}, {3, 1}},  // a row heading
        {{5, 5}, {5, 5}, false, {1, 1, 9, 5}, {1, 1}},  // the corner
    };
    for (const auto& c : cases) {
        ClickableGrid g;
        SCOPED_TRACE(testing::Message() << c.down.x << "," << c.down.y);
        g.grid.OnLButtonDown(c.down, false);
        g.grid.OnMouseMove(c.up);
        g.grid.OnLButtonUp(c.up);
        EXPECT_EQ(g.grid.GetSelectedCellRange(), c.selected);
        EXPECT_EQ(g.grid.GetFocusCell(), c.focus);
        ExpectConsistent(g.grid);
    }
    ClickableGrid g;
    Click(g, CPoint(75, 30));
    Click(g, CPoint(175, 70), true);  // Shift extends from the first click
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(1, 1, 3, 3));
}

TEST(GridMouseTest, AClickOnTheFocusCellEditsOnReleaseUnlessTheMouseMoves)
{
    ClickableGrid g;
    Click(g, CPoint(125, 65));
    g.host.notes.clear();
    Click(g, CPoint(125, 65));
    EXPECT_TRUE(g.host.editorOpen);
    EXPECT_EQ(g.host.editorStart, 1u);
    EXPECT_EQ(g.host.editorCell, CCellID(3, 2));
    EXPECT_EQ(g.host.Codes(), (std::vector<int>{grid::kNotifyBeginEdit}));
    g.host.FinishEdit("x", 0);

    g.host.notes.clear();
    g.grid.OnLButtonDown(CPoint(125, 65), false);
    g.grid.OnMouseMove(CPoint(127, 66));
    g.grid.OnLButtonUp(CPoint(127, 66));
    EXPECT_FALSE(g.host.editorOpen);
    EXPECT_EQ(g.host.Codes(),
              (std::vector<int>{grid::kNotifyClick, grid::kNotifySelectionChanging, grid::kNotifySelectionChanged}));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID());
    EXPECT_EQ(g.grid.GetSelectedCount(), 0);

    g.grid.SetEditable(false);
    Click(g, CPoint(125, 65));
    Click(g, CPoint(125, 65));
    EXPECT_FALSE(g.host.editorOpen);
}

TEST(GridMouseTest, DraggingAColumnDividerSetsItsWidth)
{
    struct Case {
        bool allowHide;
        int releaseX, width;
    } cases[] = {{true, 130, 80}, {true, 50, 0}, {false, 50, 1}};
    for (const auto& c : cases) {
        ClickableGrid g;
        g.grid.SetAllowColHide(c.allowHide);
        g.grid.OnMouseMove(CPoint(98, 10));  // the right edge of column 1, in the heading
        EXPECT_EQ(g.grid.GetMouseMode(), grid::kMouseOverColumnDivider);
        EXPECT_EQ(g.host.cursor, grid::Cursor::SizeWE);
        g.grid.OnLButtonDown(CPoint(98, 10), false);
        EXPECT_TRUE(g.host.tracking);
        EXPECT_EQ(g.host.trackerConfine.left, 50);
        g.grid.OnMouseMove(CPoint(c.releaseX, 10));
        EXPECT_EQ(g.host.trackerPosition, c.releaseX);
        g.grid.OnLButtonUp(CPoint(c.releaseX, 10));
        EXPECT_FALSE(g.host.tracking);
        EXPECT_EQ(g.grid.GetColumnWidth(1), c.width);
        EXPECT_EQ(g.host.cursor, grid::Cursor::Arrow);
    }
}

TEST(GridMouseTest, AHiddenColumnIsGrabbedOnlyWhileUnhidingIsAllowed)
{
    for (bool unhide : {true, false}) {
        ClickableGrid g;
        g.grid.SetColumnWidth(2, 0);  // column 3 now starts at x = 100
        g.grid.SetHiddenColUnhide(unhide);
        g.grid.OnMouseMove(CPoint(101, 10));
        g.grid.OnLButtonDown(CPoint(101, 10), false);
        g.grid.OnLButtonUp(CPoint(140, 10));
        EXPECT_EQ(g.grid.GetColumnWidth(2), unhide ? 40 : 0) << unhide;
        EXPECT_EQ(g.grid.GetColumnWidth(1), unhide ? 50 : 90) << unhide;
    }
}

TEST(GridMouseTest, DoubleClicksSizeAtADividerAndEditOnACell)
{
    ClickableGrid g;
    g.grid.SetItemText(4, 1, "twelve chars");
    g.grid.OnMouseMove(CPoint(98, 10));
    g.grid.OnLButtonDblClk(CPoint(98, 10));
    EXPECT_EQ(g.grid.GetColumnWidth(1), 12 * FakeGridHost::kCharWidth + 4 * 3);
    // Just right of column 2's left edge is the same divider.
    g.grid.SetItemText(4, 1, "six ch");
    g.grid.OnMouseMove(CPoint(g.grid.GetColumnWidth(1) + 50 + 1, 10));
    g.grid.OnLButtonDblClk(CPoint(g.grid.GetColumnWidth(1) + 50 + 1, 10));
    EXPECT_EQ(g.grid.GetColumnWidth(1), 6 * FakeGridHost::kCharWidth + 4 * 3);

    g.host.notes.clear();
    g.grid.OnMouseMove(CPoint(200, 65));
    Click(g, CPoint(200, 65));
    g.grid.OnLButtonDblClk(CPoint(200, 65));
    EXPECT_TRUE(g.host.editorOpen);
    EXPECT_EQ(g.host.notes.back(), (N{grid::kNotifyDoubleClick, 3, g.grid.GetCellFromPt(CPoint(200, 65)).col}));
}

TEST(GridMouseTest, RightClickMovesTheFocusAndTellsTheParent)
{
    ClickableGrid g;
    g.grid.OnRButtonDown(CPoint(175, 70));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 3));
    g.grid.OnRButtonDown(CPoint(390, 290));
    EXPECT_EQ(g.host.notes, (std::vector<N>{{grid::kNotifyRightClick, 3, 3}, {grid::kNotifyRightClick, -1, -1}}));
}

TEST(GridMouseTest, TheWheelScrollsLinesOrPages)
{
    HostedGrid g(60, 3, 1, 1);
    g.grid.OnVScroll(grid::kThumbTrack, 200);
    g.grid.OnMouseWheel(120);  // three lines towards the top
    EXPECT_EQ(g.grid.GetScrollPos32(true), 140);
    g.grid.OnMouseWheel(-240);
    EXPECT_EQ(g.grid.GetScrollPos32(true), 260);
    g.grid.SetWheelLines(grid::kWheelPage);
    g.grid.OnMouseWheel(-120);
    EXPECT_EQ(g.grid.GetScrollPos32(true), 260 + 280);
    g.grid.OnMouseWheel(32767 * 8);  // many notches end at the top
    EXPECT_EQ(g.grid.GetScrollPos32(true), 0);
}

TEST(GridMouseTest, TheTimerScrollsAndExtendsADragBeyondTheEdge)
{
    HostedGrid g(60, 3, 1, 1);
    g.grid.OnLButtonDown(CPoint(75, 30), false);
    g.grid.OnMouseMove(CPoint(75, 290));
    const CCellID reached = g.grid.GetFocusCell();
    g.grid.OnAutoScrollTimer(CPoint(75, 350));
    EXPECT_EQ(g.grid.GetFocusCell().row, reached.row + 1);
    EXPECT_EQ(g.grid.GetScrollPos32(true), 20);
    EXPECT_EQ(g.grid.GetSelectedCellRange().GetMaxRow(), g.grid.GetVisibleNonFixedCellRange().GetMaxRow());
    EXPECT_EQ(g.grid.GetSelectedCellRange().GetMinRow(), 1);
    g.grid.OnLButtonUp(CPoint(75, 290));
    EXPECT_FALSE(g.host.autoScroll);
    ExpectConsistent(g.grid);
}
