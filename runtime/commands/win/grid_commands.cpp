// Grids (type 53): counts, sizes and colours, cell texts, the focus cell and the selection, rows
// and columns inserted and deleted, and the grid file. Cells are named column first, row second.
#include "command_context.h"
#include "command_table.h"
#include "grid_ctrl.h"
#include "grid_file.h"

namespace {

constexpr UINT kColumnFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

CGridCtrl* GridOf(const CommandContext& ctx)
{
    if (ctx.Object().Type != qbk::TypeGrid) return nullptr;
    return dynamic_cast<CGridCtrl*>(ctx.Control());
}

CGridDefaultCell* NormalDefault(CGridCtrl& grid) { return grid.GetDefaultCell(false, false); }
CGridDefaultCell* FixedRowDefault(CGridCtrl& grid) { return grid.GetDefaultCell(true, false); }

// The three default cells of headings: fixed row, fixed column, the corner.
template <class Apply>
void ForEachFixedDefault(CGridCtrl& grid, Apply apply)
{
    apply(*grid.GetDefaultCell(true, false));
    apply(*grid.GetDefaultCell(false, true));
    apply(*grid.GetDefaultCell(true, true));
}

// A getter: the grid's value, "0" without a grid.
template <class Read>
void Answer(CommandContext& ctx, Read read)
{
    CGridCtrl* grid = GridOf(ctx);
    ctx.SetInt(grid ? int(read(*grid)) : 0);
}

// A colour setter: the colour before, then the new one and a repaint; "0" without a grid.
template <class Get, class Set>
void SwapColour(CommandContext& ctx, Get get, Set set)
{
    const COLORREF colour = COLORREF(ctx.Int());
    CGridCtrl* grid = GridOf(ctx);
    if (!grid) {
        ctx.SetInt(0);
        return;
    }
    ctx.SetInt(int(get(*grid)));
    set(*grid, colour);
    grid->Redraw();
}

// Bounds of the selected cells; "-1" when none is selected.
template <class Bound>
void SelectionBound(CommandContext& ctx, Bound bound)
{
    CGridCtrl* grid = GridOf(ctx);
    if (!grid || grid->GetSelectedCount() == 0) {
        ctx.SetInt(-1);
        return;
    }
    ctx.SetInt(bound(grid->GetSelectedCellRange()));
}

bool CellInRange(const CGridCtrl& grid, int col, int row)
{
    return col >= 0 && col < grid.GetColumnCount() && row >= 0 && row < grid.GetRowCount();
}

void Grid_DeleteColumn(CommandContext& ctx)
{
    const int col = ctx.Int();
    if (CGridCtrl* grid = GridOf(ctx)) {
        grid->DeleteColumn(col);
        grid->Refresh();
    }
}

void Grid_DeleteRow(CommandContext& ctx)
{
    const int row = ctx.Int();
    if (CGridCtrl* grid = GridOf(ctx)) {
        grid->DeleteRow(row);
        grid->Refresh();
    }
}

void Grid_GetBackColor(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return NormalDefault(g)->GetBackClr(); });
}

void Grid_GetCellText(CommandContext& ctx)
{
    const int col = ctx.Int(), row = ctx.Int();
    CGridCtrl* grid = GridOf(ctx);
    if (grid && CellInRange(*grid, col, row)) ctx.SetResult(grid->GetItemText(row, col));
}

void Grid_GetTextColor(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return NormalDefault(g)->GetTextClr(); });
}

void Grid_GetColumnCount(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return g.GetColumnCount(); });
}

void Grid_GetColumnWidth(CommandContext& ctx)
{
    const int col = ctx.Int();
    Answer(ctx, [col](CGridCtrl& g) { return col >= 0 && col < g.GetColumnCount() ? g.GetColumnWidth(col) : 0; });
}

void Grid_GetFixedBackColor(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return FixedRowDefault(g)->GetBackClr(); });
}

void Grid_GetFixedColumnCount(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return g.GetFixedColumnCount(); });
}

void Grid_GetFixedRowCount(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return g.GetFixedRowCount(); });
}

void Grid_GetFixedTextColor(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return FixedRowDefault(g)->GetTextClr(); });
}

void Grid_GetFocusColumn(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return g.GetFocusCell().col; });
}

void Grid_GetFocusRow(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return g.GetFocusCell().row; });
}

void Grid_GetSelectionMaxColumn(CommandContext& ctx)
{
    SelectionBound(ctx, [](const CCellRange& r) { return r.GetMaxCol(); });
}

void Grid_GetSelectionMaxRow(CommandContext& ctx)
{
    SelectionBound(ctx, [](const CCellRange& r) { return r.GetMaxRow(); });
}

void Grid_GetSelectionMinColumn(CommandContext& ctx)
{
    SelectionBound(ctx, [](const CCellRange& r) { return r.GetMinCol(); });
}

void Grid_GetSelectionMinRow(CommandContext& ctx)
{
    SelectionBound(ctx, [](const CCellRange& r) { return r.GetMinRow(); });
}

void Grid_GetRowCount(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return g.GetRowCount(); });
}

void Grid_GetRowHeight(CommandContext& ctx)
{
    const int row = ctx.Int();
    Answer(ctx, [row](CGridCtrl& g) { return row >= 0 && row < g.GetRowCount() ? g.GetRowHeight(row) : 0; });
}

void Grid_GetSelectedCount(CommandContext& ctx)
{
    Answer(ctx, [](CGridCtrl& g) { return g.GetSelectedCount(); });
}

void Grid_InsertColumn(CommandContext& ctx)
{
    const CString heading = ctx.Text();
    const int col = ctx.Int();
    if (CGridCtrl* grid = GridOf(ctx)) grid->RedrawColumn(grid->InsertColumnAt(heading, kColumnFormat, col));
}

void Grid_InsertRow(CommandContext& ctx)
{
    const CString heading = ctx.Text();
    const int row = ctx.Int();
    if (CGridCtrl* grid = GridOf(ctx)) grid->RedrawRow(grid->InsertRowAt(heading, row));
}

void Grid_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    CGridCtrl* grid = GridOf(ctx);
    if (grid && LoadGridFile(*grid, path)) grid->Redraw();
}

void Grid_DeleteAllItems(CommandContext& ctx)
{
    if (CGridCtrl* grid = GridOf(ctx)) {
        grid->DeleteAllItems();
        grid->Redraw();
    }
}

void Grid_SaveFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    if (CGridCtrl* grid = GridOf(ctx)) SaveGridFile(*grid, path);
}

void Grid_SetGridBackColor(CommandContext& ctx)
{
    SwapColour(
        ctx, [](CGridCtrl& g) { return g.GetGridBkColor(); }, [](CGridCtrl& g, COLORREF c) { g.SetGridBkColor(c); });
}

void Grid_SetBackColor(CommandContext& ctx)
{
    SwapColour(
        ctx, [](CGridCtrl& g) { return NormalDefault(g)->GetBackClr(); },
        [](CGridCtrl& g, COLORREF c) { NormalDefault(g)->SetBackClr(c); });
}

void Grid_SetCellText(CommandContext& ctx)
{
    const int col = ctx.Int(), row = ctx.Int();
    const CString text = ctx.Text();
    CGridCtrl* grid = GridOf(ctx);
    if (!grid) {
        ctx.SetInt(0);
        return;
    }
    if (!CellInRange(*grid, col, row)) return;
    ctx.SetResult(grid->GetItemText(row, col));
    grid->SetItemText(row, col, text);
    grid->RedrawCell(row, col);
}

void Grid_SetTextColor(CommandContext& ctx)
{
    SwapColour(
        ctx, [](CGridCtrl& g) { return NormalDefault(g)->GetTextClr(); },
        [](CGridCtrl& g, COLORREF c) { NormalDefault(g)->SetTextClr(c); });
}

// One row or column (or all with index -1) takes a size, then the grid is repainted; an index out
// of range changes nothing and repaints nothing.
void SetSizes(CommandContext& ctx, bool rows)
{
    const int index = ctx.Int(), size = ctx.Int();
    CGridCtrl* grid = GridOf(ctx);
    if (!grid) return;
    const int count = rows ? grid->GetRowCount() : grid->GetColumnCount();
    const auto set = [&](int i) { rows ? grid->SetRowHeight(i, size) : grid->SetColumnWidth(i, size); };
    if (index == -1) {
        for (int i = 0; i < count; ++i) set(i);
    } else if (index >= 0 && index < count) {
        set(index);
    } else {
        return;
    }
    grid->Redraw();
}

void Grid_SetColumnWidth(CommandContext& ctx) { SetSizes(ctx, false); }

void Grid_SetRowHeight(CommandContext& ctx) { SetSizes(ctx, true); }

void Grid_SetFixedBackColor(CommandContext& ctx)
{
    SwapColour(
        ctx, [](CGridCtrl& g) { return FixedRowDefault(g)->GetBackClr(); },
        [](CGridCtrl& g, COLORREF c) { ForEachFixedDefault(g, [c](CGridDefaultCell& d) { d.SetBackClr(c); }); });
}

void Grid_SetFixedTextColor(CommandContext& ctx)
{
    SwapColour(
        ctx, [](CGridCtrl& g) { return FixedRowDefault(g)->GetTextClr(); },
        [](CGridCtrl& g, COLORREF c) { ForEachFixedDefault(g, [c](CGridDefaultCell& d) { d.SetTextClr(c); }); });
}

void Grid_SetFixedColumnCount(CommandContext& ctx)
{
    const int count = ctx.Int();
    if (CGridCtrl* grid = GridOf(ctx)) {
        grid->SetFixedColumnCount(count);
        grid->Redraw();
    }
}

void Grid_SetFixedRowCount(CommandContext& ctx)
{
    const int count = ctx.Int();
    if (CGridCtrl* grid = GridOf(ctx)) {
        grid->SetFixedRowCount(count);
        grid->Redraw();
    }
}

void Grid_SelectCell(CommandContext& ctx)
{
    const int col = ctx.Int(), row = ctx.Int();
    CGridCtrl* grid = GridOf(ctx);
    if (!grid) return;
    grid->SetSelectedRange(0, 0, grid->GetRowCount() - 1, grid->GetColumnCount() - 1, false, false);
    grid->SetSelectedRange(row, col, row, col, false, true);
    grid->SetFocusCell(row, col);
}

void Grid_SetGridLineColor(CommandContext& ctx)
{
    SwapColour(
        ctx, [](CGridCtrl& g) { return g.GetGridLineColor(); },
        [](CGridCtrl& g, COLORREF c) { g.SetGridLineColor(c); });
}

constexpr CommandEntry kGrid[] = {
    {31, "Grid_DeleteColumn", Grid_DeleteColumn},  // after the shared commands 0 to 30
    {32, "Grid_DeleteRow", Grid_DeleteRow},
    {33, "Picture_GetGlyphWidth"},  // the grid's background colour
    {34, "Grid_GetBackColor", Grid_GetBackColor},
    {35, "Grid_GetCellText", Grid_GetCellText},
    {36, "Grid_GetTextColor", Grid_GetTextColor},
    {37, "Grid_GetColumnCount", Grid_GetColumnCount},
    {38, "Grid_GetColumnWidth", Grid_GetColumnWidth},
    {39, "Grid_GetFixedBackColor", Grid_GetFixedBackColor},
    {40, "Grid_GetFixedColumnCount", Grid_GetFixedColumnCount},
    {41, "Grid_GetFixedRowCount", Grid_GetFixedRowCount},
    {42, "Grid_GetFixedTextColor", Grid_GetFixedTextColor},
    {43, "Grid_GetFocusColumn", Grid_GetFocusColumn},
    {44, "Grid_GetFocusRow", Grid_GetFocusRow},
    {45, "Picture_GetGlyphHeight"},  // the grid-line colour
    {46, "Grid_GetSelectionMaxColumn", Grid_GetSelectionMaxColumn},
    {47, "Grid_GetSelectionMaxRow", Grid_GetSelectionMaxRow},
    {48, "Grid_GetSelectionMinColumn", Grid_GetSelectionMinColumn},
    {49, "Grid_GetSelectionMinRow", Grid_GetSelectionMinRow},
    {50, "Grid_GetRowCount", Grid_GetRowCount},
    {51, "Grid_GetRowHeight", Grid_GetRowHeight},
    {52, "Grid_GetSelectedCount", Grid_GetSelectedCount},
    {53, "Grid_InsertColumn", Grid_InsertColumn},
    {54, "Grid_InsertRow", Grid_InsertRow},
    {55, "Grid_LoadFile", Grid_LoadFile},
    {56, "Grid_DeleteAllItems", Grid_DeleteAllItems},
    {57, "Grid_SaveFile", Grid_SaveFile},
    {58, "Grid_SetGridBackColor", Grid_SetGridBackColor},
    {59, "Grid_SetBackColor", Grid_SetBackColor},
    {60, "Grid_SetCellText", Grid_SetCellText},
    {61, "Grid_SetTextColor", Grid_SetTextColor},
    {62, "Grid_SetColumnWidth", Grid_SetColumnWidth},
    {63, "Grid_SetFixedBackColor", Grid_SetFixedBackColor},
    {64, "Grid_SetFixedColumnCount", Grid_SetFixedColumnCount},
    {65, "Grid_SetFixedRowCount", Grid_SetFixedRowCount},
    {66, "Grid_SetFixedTextColor", Grid_SetFixedTextColor},
    {67, "Grid_SelectCell", Grid_SelectCell},
    {68, "Grid_SetGridLineColor", Grid_SetGridLineColor},
    {69, "Grid_SetRowHeight", Grid_SetRowHeight},
};
static_assert(NumbersOwnCommands(kGrid, qbk::TypeGrid, 69));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeGrid, kGrid)};

}  // namespace

extern const CommandFamily kGridFamily("Grid", kLists);
