// What a grid window shows: the background, headings with their raised edges, cells in their
// colours, the grid lines, texts, the selection and the focus cell, read back as pixels.
#include "grid_window_fixture.h"

namespace gridtest {
namespace {

using zvtest::ColorNear;

// Pixels of the image inside the rectangle that are not the given colour.
int Differing(const zvtest::Image& image, const CRect& rect, uint32_t colour)
{
    return image.Count(rect.left, rect.top, rect.right, rect.bottom,
                       [colour](uint32_t p) { return !ColorNear(p, colour, 4); });
}

class GridPaint : public GridWindowTest {};

TEST_F(GridPaint, HeadingsCellsLinesAndBackgroundTakeTheirColours)
{
    // 6 rows and 5 columns of 60 x 20 in 400 x 300: the cells end at x 300 and y 120.
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1, 400, 300, false));
    grid->SetItemText(2, 2, "Hello");
    grid->Refresh();
    Settle();
    const zvtest::Image image = Capture();
    ASSERT_FALSE(image.Empty());
    const uint32_t face = SysPixel(COLOR_3DFACE), window = SysPixel(COLOR_WINDOW);
    const uint32_t light = SysPixel(COLOR_3DHIGHLIGHT), dark = SysPixel(COLOR_3DDKSHADOW);
    const uint32_t line = SysPixel(COLOR_WINDOWFRAME), shadow = SysPixel(COLOR_3DSHADOW);

    EXPECT_TRUE(ColorNear(image.At(30, 10), face));  // corner
    EXPECT_TRUE(ColorNear(image.At(150, 10), face));  // fixed row
    EXPECT_TRUE(ColorNear(image.At(30, 50), face));  // fixed column
    // The raised edge of heading (0, 2), x 120..179: light along the top and left, dark right.
    EXPECT_TRUE(ColorNear(image.At(150, 0), light));
    EXPECT_TRUE(ColorNear(image.At(120, 10), light));
    EXPECT_TRUE(ColorNear(image.At(179, 10), dark));
    // Ordinary cells and the lines after each: vertical at x 179 below the headings, horizontal at
    // y 59 right of the fixed column.
    EXPECT_TRUE(ColorNear(image.At(90, 70), window));
    EXPECT_TRUE(ColorNear(image.At(179, 50), line));
    EXPECT_TRUE(ColorNear(image.At(100, 59), line));
    // Beyond the last column and below the last row: the grid's own background.
    EXPECT_TRUE(ColorNear(image.At(350, 50), shadow));
    EXPECT_TRUE(ColorNear(image.At(100, 200), shadow));
    // The text leaves pixels of its own in the cell; an empty cell has none.
    EXPECT_GT(Differing(image, CRect(121, 41, 178, 58), window), 10);
    EXPECT_EQ(Differing(image, CRect(181, 41, 238, 58), window), 0);
}

TEST_F(GridPaint, OwnBackColourSelectionAndFocusFrameShowAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1, 400, 300, false));
    grid->GetCell(3, 3)->SetBackClr(RGB(255, 0, 0));
    EXPECT_TRUE(grid->RedrawCell(3, 3));
    grid->SetSelectedRange(1, 1, 1, 2, true);
    grid->SetFocusCell(4, 2);
    const zvtest::Image image = Capture();
    ASSERT_FALSE(image.Empty());
    const uint32_t window = SysPixel(COLOR_WINDOW), highlight = SysPixel(COLOR_HIGHLIGHT);
    EXPECT_TRUE(ColorNear(image.At(210, 70), zvtest::Rgb(255, 0, 0)));  // cell (3, 3): x 180..239, y 60..79
    EXPECT_TRUE(ColorNear(image.At(90, 30), highlight));  // selected (1, 1)
    EXPECT_TRUE(ColorNear(image.At(150, 30), highlight));  // selected (1, 2)
    // The focus cell (4, 2), x 120..179 and y 80..99: framed in its text colour, white inside.
    const uint32_t text = SysPixel(COLOR_WINDOWTEXT);
    EXPECT_TRUE(ColorNear(image.At(150, 80), text));
    EXPECT_TRUE(ColorNear(image.At(120, 90), text));
    EXPECT_TRUE(ColorNear(image.At(150, 90), window));
    // Its heading in the fixed row is drawn sunken: no light edge along its top any more.
    EXPECT_FALSE(ColorNear(image.At(150, 0), SysPixel(COLOR_3DHIGHLIGHT)));
}

TEST_F(GridPaint, ColoursOfTheGridAndItsDefaultsRepaintEverything)
{
    ASSERT_NO_FATAL_FAILURE(Make(4, 3, 1, 1, 300, 200, false));
    grid->SetGridBkColor(RGB(0, 0, 255));
    grid->GetDefaultCell(false, false)->SetBackClr(RGB(0, 255, 0));
    grid->GetDefaultCell(true, false)->SetBackClr(RGB(255, 255, 0));
    grid->SetGridLineColor(RGB(255, 0, 255));
    grid->Redraw();
    const zvtest::Image image = Capture();
    ASSERT_FALSE(image.Empty());
    EXPECT_TRUE(ColorNear(image.At(90, 30), zvtest::Rgb(0, 255, 0)));
    EXPECT_TRUE(ColorNear(image.At(90, 10), zvtest::Rgb(255, 255, 0)));
    EXPECT_TRUE(ColorNear(image.At(250, 150), zvtest::Rgb(0, 0, 255)));
    EXPECT_TRUE(ColorNear(image.At(119, 30), zvtest::Rgb(255, 0, 255)));
}

TEST_F(GridPaint, NothingIsPaintedWhileDrawingIsOffAndCellsOutOfViewAreNotDrawn)
{
    ASSERT_NO_FATAL_FAILURE(Make(40, 3, 1, 1, 300, 200, false));
    grid->SetRedraw(false);
    grid->GetDefaultCell(false, false)->SetBackClr(RGB(0, 255, 0));
    ::InvalidateRect(gridWindow, nullptr, FALSE);
    Settle();
    EXPECT_FALSE(ColorNear(Capture().At(90, 30), zvtest::Rgb(0, 255, 0)));
    grid->SetRedraw(true);
    Settle();
    EXPECT_TRUE(ColorNear(Capture().At(90, 30), zvtest::Rgb(0, 255, 0)));
    EXPECT_FALSE(grid->RedrawCell(35, 1));  // below the view
    EXPECT_TRUE(grid->RedrawCell(2, 1));
}

// The rows of the rectangle that hold a pixel other than the colour.
int InkedRows(const zvtest::Image& image, const CRect& rect, uint32_t colour)
{
    int rows = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        rows += Differing(image, CRect(rect.left, y, rect.right, y + 1), colour) > 0;
    return rows;
}

TEST_F(GridPaint, CellsWithFontsOfTheirOwnEachDrawInTheirs)
{
    ASSERT_NO_FATAL_FAILURE(Make(4, 3, 1, 1, 300, 200, false));
    for (int r = 0; r < 4; ++r) grid->SetRowHeight(r, 40);
    LOGFONTA big = {}, small = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof big, &big);
    small = big;
    big.lfHeight = -30;
    small.lfHeight = -9;
    grid->GetCell(1, 1)->SetFont(&big);
    grid->GetCell(2, 1)->SetFont(&small);
    grid->GetCell(3, 1)->SetFont(&big);
    for (int r = 1; r < 4; ++r) grid->SetItemText(r, 1, "Hg");
    grid->Redraw();
    const zvtest::Image image = Capture();
    ASSERT_FALSE(image.Empty());
    const uint32_t window = SysPixel(COLOR_WINDOW);
    // Cells (r, 1): x 60..119, y 40 r..40 r + 39.
    const int first = InkedRows(image, CRect(61, 41, 118, 78), window);
    const int second = InkedRows(image, CRect(61, 81, 118, 118), window);
    const int third = InkedRows(image, CRect(61, 121, 118, 158), window);
    EXPECT_GT(first, second + 8);
    EXPECT_EQ(first, third);
}

TEST_F(GridPaint, TheWindowClassRoutesEveryMessageAndTheFontSetsTheDefaultSizes)
{
    ASSERT_NO_FATAL_FAILURE(Make(2, 2, 0, 0));
    WNDCLASSA cls = {};
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), CGridCtrl::kClassName, &cls));
    EXPECT_EQ(cls.lpfnWndProc, &CWnd::FrameworkWindowProc);
    EXPECT_EQ(cls.style, UINT(CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW));
    EXPECT_EQ(CWnd::FromHandlePermanent(gridWindow), static_cast<CWnd*>(grid));

    LOGFONTA font = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = -40;
    const HFONT large = ::CreateFontIndirectA(&font);
    ::SendMessageA(gridWindow, WM_SETFONT, WPARAM(large), TRUE);
    LOGFONTA answered = {};
    ::GetObjectA(HGDIOBJ(::SendMessageA(gridWindow, WM_GETFONT, 0, 0)), sizeof answered, &answered);
    EXPECT_EQ(answered.lfHeight, -40);
    // The default height is one and a half lines of the font: new rows take it.
    const int row = grid->InsertRowAt("");
    EXPECT_GE(grid->GetRowHeight(row), 60);
    ::DeleteObject(large);
}

}  // namespace
}  // namespace gridtest
