#include <gtest/gtest.h>

#include "fake_grid_host.h"
#include "grid_model.h"

TEST(GridModelTest, NewCellsKnowTheirFixedPlace)
{
    CGridModel grid(4, 5, 1, 2);
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetColumnCount(), 5);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 2);
    ExpectConsistent(grid);
    EXPECT_EQ(grid.GetItemState(0, 0), grid::kFixed | grid::kFixedRow | grid::kFixedCol);
    EXPECT_EQ(grid.GetItemState(3, 4), 0u);
    EXPECT_EQ(grid.GetRowHeight(0), 16);  // the unmeasured default size
    EXPECT_EQ(grid.GetColumnWidth(0), 40);
}

TEST(GridModelTest, CountsGrowAndShrinkWithTheirFixedOnesAndFocus)
{
    HostedGrid g(6, 4, 2, 1);
    g.grid.SetFocusCell(4, 2);
    g.grid.SetSelectedRange(3, 1, 5, 3);
    EXPECT_TRUE(g.grid.SetRowCount(4));  // the focus row goes
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID());
    EXPECT_EQ(g.grid.GetSelectedCount(), 3);
    ExpectConsistent(g.grid);

    EXPECT_TRUE(g.grid.SetRowCount(0));
    EXPECT_EQ(g.grid.GetFixedRowCount(), 0);
    EXPECT_EQ(g.grid.GetSelectedCount(), 0);
    EXPECT_TRUE(g.grid.SetRowCount(3));
    EXPECT_TRUE(g.grid.SetColumnCount(6));
    ExpectConsistent(g.grid);

    // Fixed counts beyond the counts grow the grid; shrinking them gives the cells their own colours back.
    EXPECT_TRUE(g.grid.SetFixedRowCount(5));
    EXPECT_EQ(g.grid.GetRowCount(), 5);
    g.grid.GetCell(4, 3)->SetBackClr(0xABCDEF);
    EXPECT_TRUE(g.grid.SetFixedRowCount(1));
    EXPECT_EQ(g.grid.GetCell(4, 3)->GetBackClr(), grid::kDefaultColor);
    EXPECT_TRUE(g.grid.SetFixedColumnCount(8));
    EXPECT_EQ(g.grid.GetColumnCount(), 8);
    ExpectConsistent(g.grid);
}

TEST(GridModelTest, NegativeCountsAreRefused)
{
    CGridModel grid(3, 3, 1, 1);
    EXPECT_FALSE(grid.SetRowCount(-1));
    EXPECT_FALSE(grid.SetColumnCount(-4));
    EXPECT_FALSE(grid.SetFixedRowCount(-5));
    EXPECT_FALSE(grid.SetFixedColumnCount(-1));
    EXPECT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    ExpectConsistent(grid);
}

TEST(GridModelTest, SizesOutsideTheGridAreRefused)
{
    CGridModel grid(2, 2);
    for (int index : {-1, 2}) {
        EXPECT_EQ(grid.GetRowHeight(index), -1);
        EXPECT_EQ(grid.GetColumnWidth(index), -1);
        EXPECT_FALSE(grid.SetRowHeight(index, 5));
        EXPECT_FALSE(grid.SetColumnWidth(index, 5));
    }
    EXPECT_FALSE(grid.SetRowHeight(0, -1));
    EXPECT_TRUE(grid.SetRowHeight(0, 0));
    EXPECT_EQ(grid.GetVirtualHeight(), 16);
}

TEST(GridModelTest, InsertingColumnsAppendsAndHeadsThem)
{
    HostedGrid g(0, 0, 0, 0);
    // Into an empty grid: one row appears, whose cell takes the heading.
    EXPECT_EQ(g.grid.InsertColumnAt("Name", grid::kColumnFormat, -1), 0);
    EXPECT_EQ(g.grid.GetRowCount(), 1);
    EXPECT_EQ(g.grid.GetItemText(0, 0), "Name");
    EXPECT_EQ(g.grid.GetColumnWidth(0), 4 * FakeGridHost::kCharWidth + 4 * 3);
    EXPECT_EQ(g.grid.InsertColumnAt("Last", 0x2, g.grid.GetColumnCount()), 1);  // the count appends
    EXPECT_EQ(g.grid.InsertColumnAt("Mid", 0x1, 1), 1);
    EXPECT_EQ(g.grid.GetItemText(0, 2), "Last");
    EXPECT_EQ(g.grid.GetCell(0, 1)->GetFormat(), 0x1u);
    EXPECT_EQ(g.grid.InsertColumnAt("x", 0, 4), -1);
    g.grid.SetFixedColumnCount(1);
    EXPECT_EQ(g.grid.InsertColumnAt("x", 0, 0), -1);  // not among the fixed ones
    ExpectConsistent(g.grid);
}

TEST(GridModelTest, InsertingRowsAppendsOnlyByMinusOne)
{
    HostedGrid g(2, 2, 1, 0);
    EXPECT_EQ(g.grid.InsertRowAt("x", g.grid.GetRowCount()), -1);
    EXPECT_EQ(g.grid.InsertRowAt("x", 0), -1);
    EXPECT_EQ(g.grid.InsertRowAt("", -1), 2);
    EXPECT_EQ(g.grid.GetRowHeight(2), g.grid.GetDefaultCell(true, false)->GetHeight());
    EXPECT_EQ(g.grid.InsertRowAt("tall", 1), 1);
    EXPECT_EQ(g.grid.GetRowHeight(1), FakeGridHost::kLineHeight + 2 * 3);
    EXPECT_EQ(g.grid.GetItemText(1, 0), "tall");
    CGridModel empty;
    EXPECT_EQ(empty.InsertRowAt("h", -1), 0);  // a column appears for it
    EXPECT_EQ(empty.GetColumnCount(), 1);
}

TEST(GridModelTest, InsertingARowMovesFocusAndSelectionWithTheirCells)
{
    HostedGrid g(10, 4, 1, 1, 50, 20, 400, 120);
    g.Label();
    g.grid.SetSelectedRange(3, 1, 5, 2);
    g.grid.SetFocusCell(4, 2);
    g.grid.OnVScroll(grid::kLineDown);
    g.grid.OnVScroll(grid::kLineDown);
    ASSERT_EQ(g.grid.GetTopleftNonFixedCell().row, 3);

    EXPECT_EQ(g.grid.InsertRowAt("new", 2), 2);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(5, 2));
    EXPECT_EQ(g.grid.GetItemText(5, 2), "4,2");
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(4, 1, 6, 2));
    for (int r = 4; r <= 6; ++r) EXPECT_TRUE(g.grid.IsCellSelected(r, 1)) << r;
    EXPECT_FALSE(g.grid.IsCellSelected(3, 1));
    ExpectConsistent(g.grid);
    // What shows under a point is worked out from the new rows.
    const CCellID top = g.grid.GetTopleftNonFixedCell();
    EXPECT_EQ(g.grid.GetCellFromPt(g.Centre(top.row, 1)), CCellID(top.row, 1));

    // Clearing the selection afterwards leaves no cell selected.
    g.grid.SetSelectedRange(-1, -1, -1, -1);
    ExpectConsistent(g.grid);
    EXPECT_EQ(g.grid.GetSelectedCount(), 0);
}

TEST(GridModelTest, DeletingMovesTheFocusBackOrClearsIt)
{
    HostedGrid g(5, 5, 1, 1);
    g.Label();
    g.grid.SetFocusCell(2, 3);
    EXPECT_TRUE(g.grid.DeleteColumn(1));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(2, 2));
    EXPECT_EQ(g.grid.GetItemText(2, 2), "2,3");
    EXPECT_TRUE(g.grid.DeleteColumn(2));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID());
    g.grid.SetFocusCell(3, 1);
    EXPECT_TRUE(g.grid.DeleteRow(1));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(2, 1));
    EXPECT_TRUE(g.grid.DeleteRow(0));  // a fixed one
    EXPECT_EQ(g.grid.GetFixedRowCount(), 0);
    EXPECT_FALSE(g.grid.DeleteRow(-1));
    EXPECT_FALSE(g.grid.DeleteColumn(g.grid.GetColumnCount()));
    ExpectConsistent(g.grid);

    g.grid.SetSelectedRange(0, 1, 1, 2);
    EXPECT_TRUE(g.grid.DeleteAllItems());
    EXPECT_EQ(g.grid.GetRowCount(), 0);
    EXPECT_EQ(g.grid.GetColumnCount(), 0);
    EXPECT_EQ(g.grid.GetFixedRowCount(), 0);
    EXPECT_EQ(g.grid.GetFixedColumnCount(), 0);
    EXPECT_EQ(g.grid.GetSelectedCount(), 0);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID());
}

TEST(GridModelTest, ModifiedMarksCellsIncludingTheFirstRowAndColumn)
{
    CGridModel grid(3, 3);
    grid.SetModified(false);
    for (CCellID cell : {CCellID(0, 0), CCellID(0, 2), CCellID(2, 0), CCellID(1, 1)}) {
        grid.SetModified(false);
        EXPECT_TRUE(grid.SetItemText(cell.row, cell.col, "x"));
        EXPECT_TRUE(grid.GetModified()) << cell.row << "," << cell.col;
        EXPECT_TRUE(grid.GetModified(cell.row, cell.col)) << cell.row << "," << cell.col;
    }
    grid.SetModified(true, 1, 2);
    grid.SetModified(false);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_FALSE(grid.GetModified(r, c));
    grid.SetModified(true, -1, 0);  // a negative row means the grid
    EXPECT_TRUE(grid.GetModified());
    EXPECT_FALSE(grid.GetModified(0, 0));
    EXPECT_FALSE(grid.SetItemText(3, 0, "x"));
}

TEST(GridModelTest, SelectionKeysDoNotCollidePastSixtyFiveThousandRows)
{
    CGridModel grid(70000, 2);
    for (int row : {0, 65536, 65535, 131071 % 70000}) grid.SetItemState(row, 1, grid::kSelected);
    EXPECT_EQ(grid.GetSelectedCount(), 4);
    grid.SetItemState(65536, 1, 0);
    EXPECT_EQ(grid.GetSelectedCount(), 3);
    EXPECT_TRUE(grid.IsCellSelected(0, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(0, 1, 65535, 1));

    grid.SetSelectedRange(65534, 0, 65537, 0);
    EXPECT_EQ(grid.GetSelectedCount(), 4);
    EXPECT_FALSE(grid.IsCellSelected(0, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(65534, 0, 65537, 0));
    grid.SetSelectedRange(-1, -1, -1, -1);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    for (int row : {65534, 65535, 65536, 65537}) EXPECT_FALSE(grid.IsCellSelected(row, 0)) << row;
}

TEST(GridModelTest, SystemColoursSetUpAndFollowTheDefaultCells)
{
    CGridModel grid(2, 2, 1, 1);
    GridSystemColors colors;
    colors.windowText = 0x010101, colors.window = 0x020202, colors.face3d = 0x030303, colors.shadow3d = 0x040404;
    grid.InitSystemColors(colors);
    EXPECT_EQ(grid.GetGridBkColor(), 0x040404u);
    EXPECT_EQ(grid.GetDefaultCell(false, false)->GetBackClr(), 0x020202u);
    EXPECT_EQ(grid.GetDefaultCell(true, false)->GetBackClr(), 0x030303u);
    EXPECT_EQ(grid.GetDefaultCell(true, true)->GetTextClr(), 0x010101u);

    grid.GetDefaultCell(false, false)->SetTextClr(0x0000FF);  // chosen by the project: stays
    GridSystemColors changed = colors;
    changed.windowText = 0x111111, changed.window = 0x222222, changed.face3d = 0x333333, changed.shadow3d = 0x444444;
    grid.OnSysColorChange(changed);
    EXPECT_EQ(grid.GetDefaultCell(false, false)->GetTextClr(), 0x0000FFu);
    EXPECT_EQ(grid.GetDefaultCell(false, false)->GetBackClr(), 0x222222u);
    EXPECT_EQ(grid.GetDefaultCell(false, true)->GetTextClr(), 0x111111u);
    EXPECT_EQ(grid.GetDefaultCell(false, true)->GetBackClr(), 0x333333u);
    EXPECT_EQ(grid.GetGridBkColor(), 0x444444u);
}

TEST(GridModelTest, ChangesOfShapeDropTheSelectionEvenWhileSelectingIsOff)
{
    CGridModel grid(5, 5, 1, 1);
    grid.SetSelectedRange(2, 2, 3, 3);
    grid.EnableSelection(false);
    EXPECT_EQ(grid.InsertColumnAt("x", grid::kColumnFormat, 2), 2);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    ExpectConsistent(grid);
    grid.EnableSelection(true);
    grid.SetSelectedRange(1, 1, 2, 2);
    grid.EnableSelection(false);
    EXPECT_TRUE(grid.DeleteRow(1));
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    ExpectConsistent(grid);
}
