#include <gtest/gtest.h>

#include "fake_grid_host.h"
#include "grid_cell.h"
#include "grid_model.h"

namespace {

GridFont Font(int height, int escapement = 0)
{
    GridFont font{};
    font.lfHeight = height;
    font.lfEscapement = escapement;
    std::strcpy(font.lfFaceName, "Tahoma");
    return font;
}

}  // namespace

TEST(GridCellTest, FormatFontAndMarginFallBackToTheDefaultCell)
{
    CGridModel grid(3, 3, 1, 1);
    CGridCellBase* cell = grid.GetCell(2, 2);
    EXPECT_EQ(cell->GetFormat(), grid::kDefaultFormat);  // the grid gave it its default's format
    cell->SetFormat(grid::kColumnFormat);
    EXPECT_EQ(cell->GetFormat(), grid::kColumnFormat);
    cell->SetFormat(DWORD(-1));
    EXPECT_EQ(cell->GetFormat(), 0x8824u);
    grid.GetDefaultCell(false, false)->SetFormat(grid::kFormatRight);
    EXPECT_EQ(cell->GetFormat(), grid::kFormatRight);

    EXPECT_TRUE(cell->IsDefaultFont());
    EXPECT_EQ(cell->GetFont(), grid.GetDefaultCell(false, false)->GetFont());
    const GridFont own = Font(-20);
    cell->SetFont(&own);
    EXPECT_FALSE(cell->IsDefaultFont());
    EXPECT_EQ(cell->GetFont()->lfHeight, -20);
    EXPECT_NE(cell->GetFont(), &own);  // a copy
    cell->SetFont(nullptr);
    EXPECT_TRUE(cell->IsDefaultFont());

    EXPECT_EQ(cell->GetMargin(), 3u);
    cell->SetMargin(7);
    EXPECT_EQ(cell->GetMargin(), 7u);
    cell->SetMargin(UINT(-1));
    EXPECT_EQ(cell->GetMargin(), 3u);
}

TEST(GridCellTest, EachKindOfCellHasItsOwnDefaultCell)
{
    CGridModel grid(3, 3, 1, 1);
    EXPECT_EQ(grid.GetCell(0, 0)->GetDefaultCell(), grid.GetDefaultCell(true, true));
    EXPECT_EQ(grid.GetCell(0, 2)->GetDefaultCell(), grid.GetDefaultCell(true, false));
    EXPECT_EQ(grid.GetCell(2, 0)->GetDefaultCell(), grid.GetDefaultCell(false, true));
    EXPECT_EQ(grid.GetCell(2, 2)->GetDefaultCell(), grid.GetDefaultCell(false, false));
    CGridCell loose;
    EXPECT_EQ(loose.GetDefaultCell(), nullptr);
    EXPECT_EQ(loose.GetFormat(), DWORD(-1));
    EXPECT_EQ(loose.GetFont(), nullptr);
}

TEST(GridCellTest, DefaultCellIsReadOnlyAndKeepsNoStateOrData)
{
    CGridModel grid;
    CGridDefaultCell* def = grid.GetDefaultCell(false, false);
    def->SetState(grid::kSelected | grid::kFocused);
    def->SetData(42);
    EXPECT_EQ(def->GetState(), grid::kReadOnly);
    EXPECT_TRUE(def->IsReadOnly());
    EXPECT_EQ(def->GetData(), 0);
    EXPECT_EQ(def->GetDefaultCell(), nullptr);
}

TEST(GridCellTest, DefaultCellMeasuresItsFontOrTakesTheUnmeasuredSizes)
{
    CGridModel grid;
    FakeGridHost host(grid);
    grid.SetHost(&host);
    const GridFont font = Font(-12);  // the fake measures 6 pixels a character, 12 high
    grid.SetDefaultFont(font);
    for (bool fixedRow : {false, true})
        for (bool fixedCol : {false, true}) {
            const CGridDefaultCell* def = grid.GetDefaultCell(fixedRow, fixedCol);
            EXPECT_EQ(def->GetMargin(), 6u);
            EXPECT_EQ(def->GetWidth(), 6 * 14);
            EXPECT_EQ(def->GetHeight(), 12 * 3 / 2);
            EXPECT_EQ(def->GetFont()->lfHeight, -12);
        }
    host.hasDC = false;
    grid.SetDefaultFont(Font(-30));
    const CGridDefaultCell* def = grid.GetDefaultCell(false, false);
    EXPECT_EQ(def->GetMargin(), 3u);
    EXPECT_EQ(def->GetWidth(), 40);
    EXPECT_EQ(def->GetHeight(), 16);
    EXPECT_EQ(def->GetFont()->lfHeight, -30);
}

TEST(GridCellTest, CopyingACellKeepsTheTargetsPlaceInItsGrid)
{
    CGridModel grid(4, 4, 1, 1);
    grid.SetItemText(1, 1, "source");
    grid.GetCell(1, 1)->SetBackClr(0x123456);
    grid.GetCell(1, 1)->SetState(grid.GetItemState(1, 1) | grid::kReadOnly);
    grid.SetSelectedRange(1, 1, 1, 1);
    grid.SetFocusCell(1, 1);

    // A selected, focused source into an unselected target: the content comes, the place stays.
    *grid.GetCell(2, 2) = *grid.GetCell(1, 1);
    EXPECT_EQ(grid.GetItemText(2, 2), "source");
    EXPECT_EQ(grid.GetCell(2, 2)->GetBackClr(), 0x123456u);
    EXPECT_TRUE(grid.GetCell(2, 2)->IsReadOnly());
    EXPECT_FALSE(grid.GetCell(2, 2)->IsSelected());
    EXPECT_FALSE(grid.GetCell(2, 2)->IsFocused());
    ExpectConsistent(grid);

    // An unselected source into the selected cell leaves it selected, and a fixed cell into an
    // ordinary one does not make it fixed.
    *grid.GetCell(1, 1) = *grid.GetCell(3, 3);
    EXPECT_TRUE(grid.GetCell(1, 1)->IsSelected());
    *grid.GetCell(3, 3) = *grid.GetCell(0, 0);
    ExpectConsistent(grid);

    // A cell of another grid brings its content, not its grid.
    CGridModel other(2, 2);
    other.SetItemText(1, 1, "elsewhere");
    *grid.GetCell(2, 3) = *other.GetCell(1, 1);
    EXPECT_EQ(grid.GetItemText(2, 3), "elsewhere");
    EXPECT_EQ(grid.GetCell(2, 3)->GetGrid(), &grid);

    // A loose cell takes everything, grid included.
    CGridCell loose;
    loose = *static_cast<CGridCell*>(grid.GetCell(1, 1));
    EXPECT_EQ(loose.GetGrid(), &grid);
    EXPECT_TRUE(loose.IsSelected());
}

TEST(GridCellTest, ResetEmptiesEverythingButTheData)
{
    CGridCell cell;
    const GridFont font = Font(-9);
    cell.SetText("x");
    cell.SetImage(4);
    cell.SetData(77);
    cell.SetFormat(1);
    cell.SetTextClr(1);
    cell.SetBackClr(2);
    cell.SetFont(&font);
    cell.SetMargin(9);
    cell.SetState(grid::kSelected);
    cell.SetEditing(true);
    cell.Reset();
    EXPECT_EQ(cell.GetText(), "");
    EXPECT_EQ(cell.GetImage(), -1);
    EXPECT_EQ(cell.GetData(), 77);
    EXPECT_EQ(cell.GetFormat(), DWORD(-1));
    EXPECT_EQ(cell.GetTextClr(), grid::kDefaultColor);
    EXPECT_EQ(cell.GetBackClr(), grid::kDefaultColor);
    EXPECT_TRUE(cell.IsDefaultFont());
    EXPECT_EQ(cell.GetMargin(), UINT(-1));
    EXPECT_EQ(cell.GetState(), 0u);
    EXPECT_FALSE(cell.IsEditing());
}
