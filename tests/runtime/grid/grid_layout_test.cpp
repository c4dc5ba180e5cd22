#include <gtest/gtest.h>

#include "fake_grid_host.h"
#include "grid_model.h"

namespace {

// 1 fixed row of 30 and rows of 20; 1 fixed column of 60 and columns of 50; row 3 and column 2
// hidden. 400 x 300 client area.
struct ShapedGrid : HostedGrid {
    explicit ShapedGrid(int rows = 20, int cols = 10) : HostedGrid(rows, cols, 1, 1)
    {
        grid.SetRowHeight(0, 30);
        grid.SetColumnWidth(0, 60);
        grid.SetRowHeight(3, 0);
        grid.SetColumnWidth(2, 0);
    }
};

}  // namespace

TEST(GridLayoutTest, CellRectanglesFollowSizesAndScrolling)
{
    ShapedGrid g;
    struct Case {
        int row, col;
        CRect rect;
    } cases[] = {
        {0, 0, CRect(0, 0, 59, 29)},     {0, 1, CRect(60, 0, 109, 29)},   {1, 1, CRect(60, 30, 109, 49)},
        {2, 3, CRect(110, 50, 159, 69)}, {4, 3, CRect(110, 70, 159, 89)}, {3, 1, CRect(60, 70, 109, 69)},
    };
    for (const auto& c : cases) {
        CRect rect;
        ASSERT_TRUE(g.grid.GetCellRect(c.row, c.col, rect)) << c.row << "," << c.col;
        EXPECT_EQ(rect, c.rect) << c.row << "," << c.col;
    }
    g.grid.OnVScroll(grid::kLineDown);  // row 1 scrolls out; the fixed row stays
    CRect rect;
    EXPECT_FALSE(g.grid.GetCellRect(1, 1, rect));
    ASSERT_TRUE(g.grid.GetCellRect(2, 1, rect));
    EXPECT_EQ(rect, CRect(60, 30, 109, 49));
    ASSERT_TRUE(g.grid.GetCellRect(0, 1, rect));
    EXPECT_EQ(rect.top, 0);
    EXPECT_FALSE(g.grid.GetCellRect(20, 1, rect));
}

TEST(GridLayoutTest, PointsMapToTheCellsUnderThem)
{
    ShapedGrid g;
    struct Case {
        CPoint point;
        bool allowFixed;
        CCellID cell;
    } cases[] = {
        {{0, 0}, true, {0, 0}},     {{59, 29}, true, {0, 0}},   {{60, 30}, true, {1, 1}},   {{30, 40}, true, {1, 0}},
        {{30, 40}, false, {1, -1}}, {{80, 10}, false, {-1, 1}}, {{115, 75}, true, {4, 3}},  {{110, 70}, true, {4, 3}},
        {{109, 69}, true, {2, 1}},  {{459, 75}, true, {4, 9}},  {{460, 75}, true, {4, -1}}, {{80, 1000}, true, {-1, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(g.grid.GetCellFromPt(c.point, c.allowFixed), c.cell) << c.point.x << "," << c.point.y;
    // Scrolled one row and one column: the point below the heading is the next row, the next column.
    g.grid.OnVScroll(grid::kLineDown);
    g.grid.OnHScroll(grid::kLineDown);
    EXPECT_EQ(g.grid.GetCellFromPt(CPoint(61, 31)), CCellID(2, 3));
}

TEST(GridLayoutTest, ScrollBarsAppearOnlyWhereTheCellsDoNotFit)
{
    struct Case {
        int rows, cols, viewWidth, viewHeight;
        bool vertical, horizontal;
        int vPage, vMax, hPage, hMax;
    } cases[] = {
        // 20 x 20 rows below a 20 fixed row, 50 wide columns beside a 50 fixed column.
        {5, 5, 400, 300, false, false, 280, 0, 350, 0},
        {20, 5, 400, 300, true, false, 280, 380 - 280, 334, 0},
        {5, 9, 400, 300, false, true, 264, 0, 350, 400 - 350},
        // The vertical bar's width pushes the columns over: both bars.
        {14, 9, 400, 290, true, true, 254, 260 - 254, 334, 400 - 334},
        // No room for anything beside the fixed cells: no bars at all.
        {20, 20, 40, 300, false, false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        HostedGrid g(c.rows, c.cols, 1, 1, 50, 20, c.viewWidth, c.viewHeight);
        const CGridAxis& rows = g.grid.RowAxis();
        const CGridAxis& cols = g.grid.ColumnAxis();
        SCOPED_TRACE(testing::Message() << c.rows << "x" << c.cols << " in " << c.viewWidth << "x" << c.viewHeight);
        EXPECT_EQ(rows.BarShown(), c.vertical);
        EXPECT_EQ(cols.BarShown(), c.horizontal);
        if (c.vertical) {
            EXPECT_EQ(rows.Page(), c.vPage);
        }
        if (c.horizontal) {
            EXPECT_EQ(cols.Page(), c.hPage);
        }
        EXPECT_EQ(rows.MaxPosition(), c.vMax);
        EXPECT_EQ(cols.MaxPosition(), c.hMax);
        EXPECT_EQ(rows.RangeMax(), c.vertical ? rows.NonFixedTotal() - 1 : 0);
        const CRect client = g.grid.GetClientRect();
        EXPECT_EQ(client.Width(), c.viewWidth - (c.vertical ? 16 : 0));
        EXPECT_EQ(client.Height(), c.viewHeight - (c.horizontal ? 16 : 0));
    }
}

TEST(GridLayoutTest, ScrollRequestsMoveByRowsPagesAndStayInRange)
{
    ShapedGrid g(30, 3);  // rows 1..29 of 20 but row 3 hidden: 560 below the heading
    const CGridAxis& rows = g.grid.RowAxis();
    ASSERT_EQ(rows.MaxPosition(), 560 - 270);
    struct Step {
        grid::ScrollAction action;
        int thumb;
        int position, topRow;
    } steps[] = {
        {grid::kLineDown, 0, 20, 2},
        {grid::kLineDown, 0, 40, 3},  // the hidden row 3 is first, showing nothing
        {grid::kLineUp, 0, 20, 2},
        {grid::kPageDown, 0, 290, 17},
        {grid::kLineDown, 0, 290, 17},
        {grid::kPageUp, 0, 20, 2},
        {grid::kLineUp, 0, 0, 1},
        {grid::kLineUp, 0, 0, 1},
        {grid::kThumbTrack, 105, 105, 8},
        {grid::kBottom, 0, 290, 17},
        {grid::kTop, 0, 0, 1},
        {grid::kThumbPosition, 9999, 290, 17},
    };
    for (const auto& s : steps) {
        g.grid.OnVScroll(s.action, s.thumb);
        EXPECT_EQ(g.grid.GetScrollPos32(true), s.position) << s.action;
        EXPECT_EQ(g.grid.GetTopleftNonFixedCell().row, s.topRow) << s.action;
    }
}

TEST(GridLayoutTest, EnsureVisibleScrollsTheCellIntoView)
{
    HostedGrid g(40, 20, 1, 1, 50, 20, 400, 300);
    g.grid.EnsureVisible(30, 15);
    EXPECT_TRUE(g.grid.IsCellVisible(30, 15));
    EXPECT_FALSE(g.grid.IsCellVisible(16, 2));
    g.grid.EnsureVisible(2, 2);
    EXPECT_TRUE(g.grid.IsCellVisible(2, 2));
    EXPECT_EQ(g.grid.GetTopleftNonFixedCell(), CCellID(2, 2));
    g.grid.EnsureVisible(39, 19);
    EXPECT_TRUE(g.grid.IsCellVisible(39, 19));
    EXPECT_EQ(g.grid.GetScrollPos32(true), g.grid.RowAxis().MaxPosition());
}

TEST(GridLayoutTest, EnsureVisibleEndsWhenScrollingCannotBringTheCellIn)
{
    // The fixed area is larger than the client: nothing can scroll, the call still returns.
    HostedGrid small(10, 10, 3, 3, 50, 120, 100, 100);
    small.grid.EnsureVisible(8, 8);
    EXPECT_FALSE(small.grid.IsCellVisible(8, 8));
    // A cell taller and wider than the view comes as far in as it can.
    HostedGrid big(6, 6, 1, 1, 500, 400, 300, 200);
    big.grid.SetRowHeight(0, 20);
    big.grid.SetColumnWidth(0, 50);
    big.grid.EnsureVisible(4, 4);
    EXPECT_EQ(big.grid.GetTopleftNonFixedCell(), CCellID(4, 4));
    EXPECT_TRUE(big.grid.IsCellShown(4, 4));
    EXPECT_FALSE(big.grid.IsCellVisible(4, 4));
}

TEST(GridLayoutTest, HugeSizesStayInRange)
{
    HostedGrid g(6, 4, 1, 1);
    for (int r = 0; r < 6; ++r) g.grid.SetRowHeight(r, INT32_MAX);
    g.grid.SetColumnWidth(3, INT32_MAX);
    g.grid.ResetScrollBars();
    EXPECT_EQ(g.grid.GetVirtualHeight(), INT32_MAX);
    g.grid.OnVScroll(grid::kBottom);
    g.grid.OnVScroll(grid::kPageDown);
    g.grid.OnVScroll(grid::kLineDown);
    g.grid.EnsureVisible(5, 3);
    CRect rect;
    g.grid.GetCellRect(g.grid.GetTopleftNonFixedCell().row, 3, rect);
    EXPECT_LE(rect.top, rect.bottom);
    EXPECT_EQ(g.grid.GetCellFromPt(CPoint(10, 10)), CCellID(0, 0));
}

TEST(GridLayoutTest, AutoSizingTakesTheWidestCellAndLeavesHiddenOnesHidden)
{
    HostedGrid g(4, 3, 1, 1);
    g.grid.SetItemText(0, 1, "head");
    g.grid.SetItemText(2, 1, "a much longer text");
    EXPECT_TRUE(g.grid.AutoSizeColumn(1));
    EXPECT_EQ(g.grid.GetColumnWidth(1), 18 * FakeGridHost::kCharWidth + 4 * 3);
    EXPECT_TRUE(g.grid.AutoSizeColumn(1, 0x1));  // the fixed row only
    EXPECT_EQ(g.grid.GetColumnWidth(1), 4 * FakeGridHost::kCharWidth + 4 * 3);
    EXPECT_TRUE(g.grid.AutoSizeRow(2));
    EXPECT_EQ(g.grid.GetRowHeight(2), FakeGridHost::kLineHeight + 2 * 3);

    g.grid.SetColumnWidth(2, 0);
    EXPECT_FALSE(g.grid.AutoSizeColumn(2));
    EXPECT_EQ(g.grid.GetColumnWidth(2), 0);
    g.host.hasDC = false;
    EXPECT_FALSE(g.grid.AutoSizeColumn(1));
    EXPECT_FALSE(g.grid.AutoSizeColumn(7));
}

TEST(GridLayoutTest, ExtentsTurnWithAnUprightFont)
{
    CGridModel grid(1, 1);
    FakeGridHost host(grid);
    grid.SetHost(&host);
    GridFont upright{};
    upright.lfEscapement = 900;
    grid.GetCell(0, 0)->SetFont(&upright);
    const CSize extent = grid.GetTextExtent(*grid.GetCell(0, 0), "abc");
    EXPECT_EQ(extent, CSize(FakeGridHost::kLineHeight + 2 * 3, 3 * FakeGridHost::kCharWidth + 4 * 3 + 4 * 3));
    host.hasDC = false;
    EXPECT_EQ(grid.GetTextExtent(*grid.GetCell(0, 0), "abc"), CSize(40, 16));
}

TEST(GridLayoutTest, PaintVisitsTheCellsInTheClipInFourPasses)
{
    ShapedGrid g(20, 10);
    std::vector<CCellID> cells;
    g.grid.ForEachCellToPaint(CRect(0, 0, 400, 300), [&](int r, int c, const CRect& rect) {
        CRect expected;
        EXPECT_TRUE(g.grid.GetCellRect(r, c, expected));
        EXPECT_EQ(rect, expected);
        cells.push_back(CCellID(r, c));
    });
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells.front(), CCellID(0, 0));
    // Corner, then the fixed column down, then the fixed row across, then the rest.
    EXPECT_EQ(cells[1], CCellID(1, 0));
    const auto firstRowCell = std::find(cells.begin(), cells.end(), CCellID(0, 1));
    const auto firstCell = std::find(cells.begin(), cells.end(), CCellID(1, 1));
    ASSERT_NE(firstRowCell, cells.end());
    EXPECT_LT(firstRowCell, firstCell);
    EXPECT_EQ(std::count(cells.begin(), cells.end(), CCellID(3, 1)), 0);  // hidden row
    EXPECT_EQ(std::count(cells.begin(), cells.end(), CCellID(1, 2)), 0);  // hidden column
    EXPECT_EQ(std::count(cells.begin(), cells.end(), CCellID(14, 1)), 1);  // partly shown
    EXPECT_EQ(std::count(cells.begin(), cells.end(), CCellID(15, 1)), 0);

    // A clip over the fixed row only draws no ordinary cells.
    cells.clear();
    g.grid.ForEachCellToPaint(CRect(0, 0, 400, 30),
                              [&](int r, int c, const CRect&) { cells.push_back(CCellID(r, c)); });
    for (const CCellID& cell : cells) EXPECT_EQ(cell.row, 0);
    EXPECT_EQ(cells.size(), 8u);  // the corner and the seven shown columns
}

TEST(GridLayoutTest, BackgroundFillsCoverHeadingsCellsAndTheRest)
{
    HostedGrid g(3, 3, 1, 1, 50, 20, 400, 300);  // cells end at 150 x 60
    g.grid.SetGridBkColor(0xB0B0B0);
    const auto fills = g.grid.GetBackgroundFills(CRect(0, 0, 400, 300));
    ASSERT_EQ(fills.size(), 5u);
    EXPECT_EQ(fills[0].rect, CRect(0, 0, 50, 60));
    EXPECT_EQ(fills[0].colour, g.grid.GetDefaultCell(false, true)->GetBackClr());
    EXPECT_EQ(fills[1].rect, CRect(49, 0, 150, 20));
    EXPECT_EQ(fills[2].rect, CRect(50, 20, 150, 60));
    EXPECT_EQ(fills[2].colour, g.grid.GetDefaultCell(false, false)->GetBackClr());
    EXPECT_EQ(fills[3].rect, CRect(150, 0, 400, 300));
    EXPECT_EQ(fills[3].colour, 0xB0B0B0u);
    EXPECT_EQ(fills[4].rect, CRect(0, 60, 150, 300));
}

TEST(GridLayoutTest, GridLinesRunAlongTheShownCells)
{
    HostedGrid g(3, 3, 1, 1, 50, 20, 400, 300);
    GridLinesLayout lines = g.grid.GetGridLinesLayout();
    EXPECT_EQ(lines.xs, (std::vector<int>{99, 149}));
    EXPECT_EQ(lines.ys, (std::vector<int>{39, 59}));
    EXPECT_EQ(lines.top, 20);
    EXPECT_EQ(lines.bottom, 60);
    g.grid.SetGridLines(1);
    lines = g.grid.GetGridLinesLayout();
    EXPECT_TRUE(lines.xs.empty());
    EXPECT_EQ(lines.ys.size(), 2u);
}

TEST(GridLayoutTest, CellPaintWorksOutColoursFramesAndEdges)
{
    HostedGrid g(4, 4, 1, 1);
    const GridSystemColors& sys = g.grid.SystemColors();
    const CRect rect(50, 20, 99, 39);
    CGridCellBase* cell = g.grid.GetCell(1, 1);
    cell->SetFormat(DWORD(-1));

    GridCellPaint plain = g.grid.GetCellPaint(1, 1, rect, false);
    EXPECT_TRUE(plain.draw);
    EXPECT_FALSE(plain.fill);  // nothing to erase
    EXPECT_EQ(plain.format, 0x8824u | grid::kFormatNoPrefix);
    EXPECT_EQ(plain.textColour, g.grid.GetDefaultCell(false, false)->GetTextClr());
    EXPECT_EQ(plain.textRect, CRect(53, 20, 96, 39));  // the margin of 3 each side

    cell->SetBackClr(0x00FF00);  // an own back colour is always filled
    GridCellPaint own = g.grid.GetCellPaint(1, 1, rect, false);
    EXPECT_TRUE(own.fill);
    EXPECT_EQ(own.fillColour, 0x00FF00u);
    EXPECT_EQ(own.fillRect, CRect(50, 20, 100, 40));

    g.grid.SetSelectedRange(1, 1, 1, 1);
    GridCellPaint selected = g.grid.GetCellPaint(1, 1, rect, false);
    EXPECT_EQ(selected.fillColour, sys.highlight);
    EXPECT_EQ(selected.textColour, sys.highlightText);

    g.grid.SetFocusCell(1, 1);
    GridCellPaint focused = g.grid.GetCellPaint(1, 1, rect, true);
    EXPECT_TRUE(focused.frame);
    EXPECT_EQ(focused.frameRect, rect);
    EXPECT_EQ(focused.textRect, CRect(54, 21, 95, 38));

    // Headings: raised, but sunken where they head the focus cell's row or column.
    EXPECT_EQ(g.grid.GetCellPaint(0, 1, CRect(50, 0, 99, 19), true).edge, GridCellPaint::Edge::Sunken);
    EXPECT_EQ(g.grid.GetCellPaint(2, 0, CRect(0, 40, 49, 59), true).edge, GridCellPaint::Edge::Raised);
    EXPECT_EQ(g.grid.GetCellPaint(1, 0, CRect(0, 20, 49, 39), true).edge, GridCellPaint::Edge::Sunken);
    EXPECT_FALSE(g.grid.GetCellPaint(1, 1, CRect(5, 5, 5, 9), true).draw);
}

TEST(GridLayoutTest, RepaintsOnlyWhileDrawingIsAllowed)
{
    HostedGrid g(5, 5, 1, 1);
    g.host.drawn.clear();
    g.host.invalidations = 0;
    g.grid.SetRedraw(false);
    g.grid.SetFocusCell(2, 2);
    g.grid.Refresh();
    EXPECT_FALSE(g.grid.RedrawCell(2, 2));
    EXPECT_TRUE(g.host.drawn.empty());
    EXPECT_EQ(g.host.invalidations, 0);
    g.grid.SetRedraw(true);
    EXPECT_EQ(g.host.invalidations, 1);
    EXPECT_TRUE(g.grid.RedrawCell(2, 2));
    g.grid.EnsureVisible(4, 4);
    g.grid.OnVScroll(grid::kBottom);
    EXPECT_FALSE(g.grid.RedrawCell(40, 40));
}
