// The grid's cells and their storage: counts, rows and columns inserted and deleted, cell texts,
// states and modified marks, default cells and system colours.
#include "grid_model.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace {

enum DefaultKind { kOrdinary = 0, kFixedColumnDefault = 1, kFixedRowDefault = 2, kCornerDefault = 3 };

}  // namespace

CGridModel::CGridModel(int rows, int cols, int fixedRows, int fixedCols)
{
    for (auto& cell : m_defaults) cell = std::make_unique<CGridDefaultCell>();
    SetupDefaultCells();
    m_bkColour = m_sys.shadow3d;
    m_lineColour = m_sys.windowFrame;
    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

CGridModel::~CGridModel() = default;

void CGridModel::SetupDefaultCells()
{
    for (int i = 0; i < 4; ++i) {
        m_defaults[i]->SetGrid(this);
        m_defaults[i]->SetTextClr(m_sys.windowText);
        m_defaults[i]->SetBackClr(i == kOrdinary ? m_sys.window : m_sys.face3d);
    }
}

void CGridModel::InitSystemColors(const GridSystemColors& colors)
{
    m_sys = colors;
    m_bkColour = colors.shadow3d;
    m_lineColour = colors.windowFrame;
    SetupDefaultCells();
}

void CGridModel::OnSysColorChange(const GridSystemColors& colors)
{
    for (auto& cell : m_defaults) {
        if (cell->GetTextClr() == m_sys.windowText) cell->SetTextClr(colors.windowText);
        if (cell->GetBackClr() == m_sys.window)
            cell->SetBackClr(colors.window);
        else if (cell->GetBackClr() == m_sys.face3d)
            cell->SetBackClr(colors.face3d);
    }
    if (m_bkColour == m_sys.shadow3d) m_bkColour = colors.shadow3d;
    m_sys = colors;
    InvalidateAllIfDrawing();
}

void CGridModel::SetDefaultFont(const GridFont& font)
{
    for (auto& cell : m_defaults) cell->SetFont(&font);
    InvalidateAllIfDrawing();
}

void CGridModel::ApplyDefaultSizes()
{
    const CGridDefaultCell* def = m_defaults[kOrdinary].get();
    for (int r = 0; r < GetRowCount(); ++r) m_rowAxis.SetSize(r, def->GetHeight());
    for (int c = 0; c < GetColumnCount(); ++c) m_colAxis.SetSize(c, def->GetWidth());
    ResetScrollBars();
}

void CGridModel::EnableSelection(bool on) { m_selectable = on; }

void CGridModel::SetRedraw(bool allow)
{
    const bool was = m_allowDraw;
    m_allowDraw = allow;
    if (allow && !was) {
        ResetScrollBars();
        Refresh();
    }
}

CGridDefaultCell* CGridModel::GetDefaultCell(bool fixedRow, bool fixedCol) const
{
    if (fixedRow && fixedCol) return m_defaults[kCornerDefault].get();
    if (fixedRow) return m_defaults[kFixedRowDefault].get();
    if (fixedCol) return m_defaults[kFixedColumnDefault].get();
    return m_defaults[kOrdinary].get();
}

// --- Counts -------------------------------------------------------------------------------------

// New cells for the rows (or columns) from old up to count; false, with nothing added, when memory
// runs out.
bool CGridModel::GrowStorage(bool rows, int old, int count)
{
    try {
        Axis(rows).Reserve(count);
        if (rows) {
            m_rows.reserve(size_t(count));
            for (int r = old; r < count; ++r) {
                Row row;
                row.reserve(size_t(GetColumnCount()));
                for (int c = 0; c < GetColumnCount(); ++c) row.emplace_back(CreateCell(r, c));
                m_rows.push_back(std::move(row));
            }
        } else {
            for (int r = 0; r < GetRowCount(); ++r) {
                Row& row = m_rows[size_t(r)];
                row.reserve(size_t(count));
                for (int c = old; c < count; ++c) row.emplace_back(CreateCell(r, c));
            }
        }
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    ShrinkStorage(rows, old);
    return false;
}

void CGridModel::ShrinkStorage(bool rows, int count)
{
    if (rows) {
        m_rows.resize(size_t(count));
        return;
    }
    for (Row& row : m_rows)
        if (row.size() > size_t(count)) row.resize(size_t(count));
}

void CGridModel::LayoutChanged()
{
    ResetScrollBars();
    SetModified(true, -1, -1);
    InvalidateAllIfDrawing();
}

BOOL CGridModel::SetCount(bool rows, int count)
{
    CGridAxis& axis = Axis(rows);
    const int old = axis.Count();
    if (count < 0) return FALSE;
    if (count == old) return TRUE;
    if (count > old && !GrowStorage(rows, old, count)) return FALSE;
    if (count <= Along(m_focus, rows)) ClearFocus();
    if (count < old) {
        for (int i = count; i < old; ++i)
            for (int j = 0; j < Axis(!rows).Count(); ++j) DestroyCell(rows ? i : j, rows ? j : i);
        ShrinkStorage(rows, count);
        if (Along(m_selectionStart, rows) >= count) m_selectionStart = CCellID();
        if (Along(m_clickDown, rows) >= count) m_clickDown = CCellID();
    }
    axis.Resize(count, rows ? m_defaults[kOrdinary]->GetHeight() : m_defaults[kFixedColumnDefault]->GetWidth());
    LayoutChanged();
    return TRUE;
}

BOOL CGridModel::SetRowCount(int rows) { return SetCount(true, rows); }

BOOL CGridModel::SetColumnCount(int cols) { return SetCount(false, cols); }

// Cells of the rows (columns) from..to join or leave the fixed ones; a cell that becomes or stops
// being a heading takes the default colours.
void CGridModel::MarkFixed(bool rows, int from, int to, bool fixed)
{
    const DWORD own = rows ? grid::kFixedRow : grid::kFixedCol;
    const int otherFixed = Axis(!rows).Fixed();
    for (int i = from; i < to; ++i)
        for (int j = 0; j < Axis(!rows).Count(); ++j) {
            CGridCellBase* cell = CellAcross(rows, i, j);
            if (!cell) continue;
            const DWORD state = cell->GetState();
            if (fixed) {
                cell->SetState(state | grid::kFixed | own);
            } else if (j < otherFixed) {
                cell->SetState(state & ~own);
                continue;
            } else {
                cell->SetState(state & ~(grid::kFixed | own));
            }
            cell->SetTextClr(grid::kDefaultColor);
            cell->SetBackClr(grid::kDefaultColor);
        }
}

BOOL CGridModel::SetFixedCount(bool rows, int fixed)
{
    const int old = Axis(rows).Fixed();
    if (fixed < 0) return FALSE;
    if (fixed == old) return TRUE;
    if (fixed > Axis(rows).Count() && !SetCount(rows, fixed)) return FALSE;
    ClearSelection();
    ClearFocus();
    if (fixed < old)
        MarkFixed(rows, fixed, old, false);
    else
        MarkFixed(rows, old, fixed, true);
    Axis(rows).SetFixed(fixed);
    ResetScrollBars();
    InvalidateAllIfDrawing();
    return TRUE;
}

BOOL CGridModel::SetFixedRowCount(int fixedRows) { return SetFixedCount(true, fixedRows); }

BOOL CGridModel::SetFixedColumnCount(int fixedCols) { return SetFixedCount(false, fixedCols); }

BOOL CGridModel::SetRowHeight(int row, int height)
{
    if (!m_rowAxis.IsValid(row) || height < 0) return FALSE;
    m_rowAxis.SetSize(row, height);
    ResetScrollBars();
    return TRUE;
}

BOOL CGridModel::SetColumnWidth(int col, int width)
{
    if (!m_colAxis.IsValid(col) || width < 0) return FALSE;
    m_colAxis.SetSize(col, width);
    ResetScrollBars();
    return TRUE;
}

// --- Inserting and deleting ---------------------------------------------------------------------

int CGridModel::InsertColumnAt(const char* heading, UINT format, int col)
{
    if (col >= 0 && (col < GetFixedColumnCount() || col > GetColumnCount())) return -1;
    ClearSelection();
    ClearFocus();
    if (GetRowCount() == 0 && !SetRowCount(1)) return -1;
    if (col < 0) col = GetColumnCount();
    for (int r = 0; r < GetRowCount(); ++r) {
        Row& row = m_rows[size_t(r)];
        row.emplace(row.begin() + col, CreateCell(r, col));
    }
    m_colAxis.Insert(col, 0);
    CGridCellBase* headingCell = GetCell(0, col);
    headingCell->SetText(heading);
    SetModified(true, 0, col);
    for (int r = 0; r < GetRowCount(); ++r) GetCell(r, col)->SetFormat(format);
    m_colAxis.SetSize(col, GetTextExtent(*headingCell, headingCell->GetText()).cx);
    LayoutChanged();
    return col;
}

int CGridModel::InsertRowAt(const char* heading, int row)
{
    if (row >= 0 && (row < GetFixedRowCount() || row >= GetRowCount())) return -1;
    if (GetColumnCount() == 0 && !SetColumnCount(1)) return -1;
    if (row < 0) row = GetRowCount();
    Row cells;
    cells.reserve(size_t(GetColumnCount()));
    for (int c = 0; c < GetColumnCount(); ++c) cells.emplace_back(CreateCell(row, c));
    CGridCellBase* headingCell = cells[0].get();
    headingCell->SetText(heading);
    const int height = headingCell->GetText().IsEmpty() ? GetDefaultCell(true, false)->GetHeight()
                                                        : GetTextExtent(*headingCell, headingCell->GetText()).cy;
    m_rows.insert(m_rows.begin() + row, std::move(cells));
    m_rowAxis.Insert(row, height);
    SetModified(true, row, 0);

    // The rows from here moved down one: focus and selection go with their cells.
    if (m_focus.IsValid() && m_focus.row >= row) ++m_focus.row;
    if (m_selectionStart.row >= row) ++m_selectionStart.row;
    if (m_clickDown.row >= row) ++m_clickDown.row;
    if (row < GetRowCount() - 1) MoveSelectedRows([row](int r) { return r >= row ? r + 1 : r; });
    LayoutChanged();
    return row;
}

BOOL CGridModel::DeleteLine(bool rows, int index)
{
    if (!Axis(rows).IsValid(index)) return FALSE;
    ClearSelection();
    if (Along(m_focus, rows) == index)
        ClearFocus();
    else if (m_focus.IsValid() && Along(m_focus, rows) > index)
        --Along(m_focus, rows);
    for (int j = 0; j < Axis(!rows).Count(); ++j) DestroyCell(rows ? index : j, rows ? j : index);
    if (rows)
        m_rows.erase(m_rows.begin() + index);
    else
        for (Row& row : m_rows) row.erase(row.begin() + index);
    Axis(rows).Remove(index);
    m_selectionStart = m_clickDown = CCellID();
    LayoutChanged();
    return TRUE;
}

BOOL CGridModel::DeleteColumn(int col) { return DeleteLine(false, col); }

BOOL CGridModel::DeleteRow(int row) { return DeleteLine(true, row); }

BOOL CGridModel::DeleteAllItems()
{
    ClearSelection();
    ClearFocus();
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = 0; c < GetColumnCount(); ++c) DestroyCell(r, c);
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_rowAxis.Resize(0, 0);
    m_colAxis.Resize(0, 0);
    m_selectionStart = m_clickDown = CCellID();
    LayoutChanged();
    return TRUE;
}

// --- Cells --------------------------------------------------------------------------------------

CGridCellBase* CGridModel::GetCell(int row, int col) const
{
    return IsValid(row, col) ? m_rows[size_t(row)][size_t(col)].get() : nullptr;
}

CGridCellBase* CGridModel::CellAcross(bool rows, int index, int other) const
{
    return rows ? GetCell(index, other) : GetCell(other, index);
}

CGridCellBase* CGridModel::CreateCell(int row, int col)
{
    auto cell = std::make_unique<CGridCell>();
    cell->SetGrid(this);
    DWORD state = 0;
    if (col < GetFixedColumnCount()) state |= grid::kFixed | grid::kFixedCol;
    if (row < GetFixedRowCount()) state |= grid::kFixed | grid::kFixedRow;
    cell->SetState(state);
    cell->SetFormat(cell->GetDefaultCell()->GetFormat());
    return cell.release();
}

void CGridModel::DestroyCell(int row, int col)
{
    if (!GetCell(row, col)) return;
    SetItemState(row, col, 0);
    m_rows[size_t(row)][size_t(col)].reset();
}

CString CGridModel::GetItemText(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetText() : CString();
}

BOOL CGridModel::SetItemText(int row, int col, const char* text)
{
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return FALSE;
    cell->SetText(text);
    SetModified(true, row, col);
    return TRUE;
}

DWORD CGridModel::GetItemState(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetState() : 0;
}

BOOL CGridModel::SetItemState(int row, int col, DWORD state)
{
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return FALSE;
    const bool was = (cell->GetState() & grid::kSelected) != 0;
    const bool now = (state & grid::kSelected) != 0;
    if (now && !was)
        m_selected.insert(Key(row, col));
    else if (!now && was)
        m_selected.erase(Key(row, col));
    cell->SetState(state);
    return TRUE;
}

BOOL CGridModel::IsCellSelected(int row, int col) const
{
    return m_selectable && (GetItemState(row, col) & grid::kSelected) != 0;
}

BOOL CGridModel::IsCellEditable(int row, int col) const
{
    return m_editable && IsValid(row, col) && !(GetItemState(row, col) & grid::kReadOnly);
}

BOOL CGridModel::IsValid(int row, int col) const
{
    return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount();
}

BOOL CGridModel::IsValid(const CCellRange& range) const
{
    return range.IsValid() && range.GetMaxRow() < GetRowCount() && range.GetMaxCol() < GetColumnCount();
}

void CGridModel::SetModified(bool modified, int row, int col)
{
    if (row < 0 || col < 0) {
        m_modified = modified;
    } else if (CGridCellBase* cell = GetCell(row, col)) {
        if (modified) {
            cell->SetState(cell->GetState() | grid::kModified);
            m_modified = true;
        } else {
            cell->SetState(cell->GetState() & ~grid::kModified);
        }
    }
    if (m_modified) return;
    for (auto& cells : m_rows)
        for (auto& cell : cells)
            if (cell && (cell->GetState() & grid::kModified)) cell->SetState(cell->GetState() & ~grid::kModified);
}

bool CGridModel::GetModified(int row, int col) const
{
    if (row < 0 || col < 0) return m_modified;
    return (GetItemState(row, col) & grid::kModified) != 0;
}
