// Grids (type 53): cells, rows, columns, colours, files and the clipboard.
#include "command_table.h"

namespace {

constexpr CommandEntry kGrid[] = {
    {31, "Grid_DeleteColumn"},  // after the shared commands 0 to 30
    {32, "Grid_DeleteRow"},
    {33, "Picture_GetGlyphWidth"},
    {34, "Grid_GetBackColor"},
    {35, "Grid_GetCellText"},
    {36, "Grid_GetTextColor"},
    {37, "Grid_GetColumnCount"},
    {38, "Grid_GetColumnWidth"},
    {39, "Grid_GetFixedBackColor"},
    {40, "Grid_GetFixedColumnCount"},
    {41, "Grid_GetFixedRowCount"},
    {42, "Grid_GetFixedTextColor"},
    {43, "Grid_GetFocusColumn"},
    {44, "Grid_GetFocusRow"},
    {45, "Picture_GetGlyphHeight"},
    {46, "Grid_GetSelectionMaxColumn"},
    {47, "Grid_GetSelectionMaxRow"},
    {48, "Grid_GetSelectionMinColumn"},
    {49, "Grid_GetSelectionMinRow"},
    {50, "Grid_GetRowCount"},
    {51, "Grid_GetRowHeight"},
    {52, "Grid_GetSelectedCount"},
    {53, "Grid_InsertColumn"},
    {54, "Grid_InsertRow"},
    {55, "Grid_LoadFile"},
    {56, "Grid_DeleteAllItems"},
    {57, "Grid_SaveFile"},
    {58, "Grid_SetGridBackColor"},
    {59, "Grid_SetBackColor"},
    {60, "Grid_SetCellText"},
    {61, "Grid_SetTextColor"},
    {62, "Grid_SetColumnWidth"},
    {63, "Grid_SetFixedBackColor"},
    {64, "Grid_SetFixedColumnCount"},
    {65, "Grid_SetFixedRowCount"},
    {66, "Grid_SetFixedTextColor"},
    {67, "Grid_SelectCell"},
    {68, "Grid_SetGridLineColor"},
    {69, "Grid_SetRowHeight"},
};
static_assert(NumbersOwnCommands(kGrid, qbk::TypeGrid, 69));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeGrid, kGrid)};

}  // namespace

extern const CommandFamily kGridFamily("Grid", kLists);
