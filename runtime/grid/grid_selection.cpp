// The focus cell and the selection. The selected cells are recorded twice, in each cell's state
// and in a set of (row, column) keys for walking them; every change goes through SetItemState or
// the code here, which keep the two the same.
#include <algorithm>

#include "grid_model.h"

CCellID CGridModel::RaiseToNonFixed(const CCellID& cell) const
{
    CCellID raised = cell;
    if (raised.row >= 0) raised.row = std::max(raised.row, GetFixedRowCount());
    if (raised.col >= 0) raised.col = std::max(raised.col, GetFixedColumnCount());
    return raised;
}

void CGridModel::RepaintFixedFor(const CCellID& cell, bool columnChanged, bool rowChanged)
{
    if (columnChanged)
        for (int r = 0; r < GetFixedRowCount(); ++r) RepaintCell(r, cell.col, true);
    if (rowChanged)
        for (int c = 0; c < GetFixedColumnCount(); ++c) RepaintCell(cell.row, c, true);
}

CCellID CGridModel::SetFocusCell(int row, int col)
{
    const CCellID previous = m_focus;
    if (CCellID(row, col) == previous) return previous;
    CCellID next = RaiseToNonFixed(CCellID(row, col));
    if (!IsValid(next)) next = CCellID();
    if (next == previous) return previous;
    m_focus = next;
    if (CGridCellBase* cell = GetCell(previous.row, previous.col)) {
        cell->SetState(cell->GetState() & ~grid::kFocused);
        RepaintCell(previous.row, previous.col, true);
        if (m_trackFocus) RepaintFixedFor(previous, previous.col != next.col, previous.row != next.row);
    }
    if (CGridCellBase* cell = GetCell(next.row, next.col)) {
        cell->SetState(cell->GetState() | grid::kFocused);
        RepaintCell(next.row, next.col, true);
        if (m_trackFocus) RepaintFixedFor(next, true, true);
    }
    return previous;
}

void CGridModel::MoveSelectedRows(const std::function<int(int)>& newRow)
{
    if (m_selected.empty()) return;
    std::unordered_set<uint64_t> moved;
    moved.reserve(m_selected.size());
    for (uint64_t key : m_selected) {
        const CCellID cell = FromKey(key);
        moved.insert(Key(newRow(cell.row), cell.col));
    }
    m_selected.swap(moved);
}

// Unlike SetSelectedRange, also while selecting is off: cells that move or go must not stay
// recorded where they were.
void CGridModel::ClearSelection()
{
    const CCellRange visible = GetVisibleNonFixedCellRange();
    for (uint64_t key : m_selected) {
        const CCellID cell = FromKey(key);
        if (CGridCellBase* c = GetCell(cell.row, cell.col)) {
            c->SetState(c->GetState() & ~grid::kSelected);
            if (visible.InRange(cell)) RepaintCell(cell.row, cell.col, false);
        }
    }
    m_selected.clear();
}

void CGridModel::SetSelectedRange(const CCellRange& range, bool forceRepaint, bool selectCells)
{
    SetSelectedRange(range.GetMinRow(), range.GetMinCol(), range.GetMaxRow(), range.GetMaxCol(), forceRepaint,
                     selectCells);
}

void CGridModel::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, bool forceRepaint, bool selectCells)
{
    if (!m_selectable) return;
    const CCellID low = RaiseToNonFixed(CCellID(minRow, minCol));
    const CCellID high = RaiseToNonFixed(CCellID(maxRow, maxCol));
    const CCellRange range(low.row, low.col, high.row, high.col);
    const bool rangeValid = IsValid(range);
    const CCellRange visible = GetVisibleNonFixedCellRange();

    if (selectCells) {
        for (auto it = m_selected.begin(); it != m_selected.end();) {
            const CCellID cell = FromKey(*it);
            CGridCellBase* c = GetCell(cell.row, cell.col);
            if (c && rangeValid && range.InRange(cell)) {
                ++it;  // stays selected
                continue;
            }
            if (c) c->SetState(c->GetState() & ~grid::kSelected);
            it = m_selected.erase(it);
            if (c && visible.InRange(cell)) RepaintCell(cell.row, cell.col, forceRepaint);
        }
        if (minRow < 0) return;
    }
    if (!rangeValid) return;
    for (int r = range.GetMinRow(); r <= range.GetMaxRow(); ++r)
        for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c) {
            const CGridCellBase* cell = GetCell(r, c);
            if (!cell || ((cell->GetState() & grid::kSelected) != 0) == selectCells) continue;
            const DWORD state = cell->GetState();
            SetItemState(r, c, selectCells ? state | grid::kSelected : state & ~grid::kSelected);
            if (visible.InRange(r, c)) RepaintCell(r, c, forceRepaint);
        }
}

CCellRange CGridModel::GetSelectedCellRange() const
{
    if (m_selected.empty()) return CCellRange(GetRowCount(), GetColumnCount(), -1, -1);
    CCellID low(INT32_MAX, INT32_MAX), high(-1, -1);
    for (uint64_t key : m_selected) {
        const CCellID cell = FromKey(key);
        low.row = std::min(low.row, cell.row), low.col = std::min(low.col, cell.col);
        high.row = std::max(high.row, cell.row), high.col = std::max(high.col, cell.col);
    }
    return CCellRange(low.row, low.col, high.row, high.col);
}

CCellRange CGridModel::GetCellRange() const
{
    return CCellRange(GetFixedRowCount(), GetFixedColumnCount(), GetRowCount() - 1, GetColumnCount() - 1);
}

void CGridModel::SelectAllCells()
{
    if (m_selectable) SetSelectedRange(GetCellRange());
}

void CGridModel::SelectColumns(const CCellID& cell)
{
    if (!m_selectable || cell.col < GetFixedColumnCount()) return;
    SetSelectedRange(GetFixedRowCount(), std::min(m_selectionStart.col, cell.col), GetRowCount() - 1,
                     std::max(m_selectionStart.col, cell.col));
}

void CGridModel::SelectRows(const CCellID& cell)
{
    if (!m_selectable || cell.row < GetFixedRowCount()) return;
    SetSelectedRange(std::min(m_selectionStart.row, cell.row), GetFixedColumnCount(),
                     std::max(m_selectionStart.row, cell.row), GetColumnCount() - 1);
}

void CGridModel::SelectCells(const CCellID& cell)
{
    if (!m_selectable || !IsValid(cell) || cell.row < GetFixedRowCount() || cell.col < GetFixedColumnCount()) return;
    SetSelectedRange(std::min(m_selectionStart.row, cell.row), std::min(m_selectionStart.col, cell.col),
                     std::max(m_selectionStart.row, cell.row), std::max(m_selectionStart.col, cell.col));
}

void CGridModel::OnSelecting(const CCellID& cell)
{
    switch (m_mouseMode) {
    case grid::kMouseSelectAll: SelectAllCells(); break;
    case grid::kMouseSelectColumns: SelectColumns(cell); break;
    case grid::kMouseSelectRows: SelectRows(cell); break;
    case grid::kMouseSelectCells: SelectCells(cell); break;
    default: break;
    }
}
