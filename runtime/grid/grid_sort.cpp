// Sorting the rows below the headings by one column's texts.
#include <algorithm>

#include "grid_model.h"

BOOL CGridModel::SortTextItems(int col, bool ascending)
{
    if (!m_colAxis.IsValid(col)) return FALSE;
    const int fixedRows = GetFixedRowCount();
    const int count = GetRowCount() - fixedRows;
    if (count < 2) return TRUE;
    EndEditing();

    struct SortKey {
        const std::string* text;
        int index;
    };
    static const CString empty;
    std::vector<SortKey> keys(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const CGridCellBase* cell = m_rows[size_t(fixedRows + i)][size_t(col)].get();
        keys[size_t(i)] = {&(cell ? cell->GetText() : empty).Str(), i};
    }
    // std::string orders bytes as unsigned values, as the grid's texts compare everywhere.
    if (ascending)
        std::stable_sort(keys.begin(), keys.end(),
                         [](const SortKey& a, const SortKey& b) { return *a.text < *b.text; });
    else
        std::stable_sort(keys.begin(), keys.end(),
                         [](const SortKey& a, const SortKey& b) { return *b.text < *a.text; });

    std::vector<int> order(static_cast<size_t>(count)), newIndex(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        order[size_t(i)] = keys[size_t(i)].index;
        newIndex[size_t(keys[size_t(i)].index)] = i;
    }
    std::vector<Row> moved(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) moved[size_t(i)] = std::move(m_rows[size_t(fixedRows + order[size_t(i)])]);
    std::move(moved.begin(), moved.end(), m_rows.begin() + fixedRows);
    m_rowAxis.Permute(order);

    // Focus and selection stay with their cells.
    const auto follow = [&](int row) { return row >= fixedRows ? fixedRows + newIndex[size_t(row - fixedRows)] : row; };
    if (m_focus.row >= 0) m_focus.row = follow(m_focus.row);
    if (IsValid(m_selectionStart)) m_selectionStart.row = follow(m_selectionStart.row);
    m_clickDown = CCellID();
    MoveSelectedRows(follow);
    SetModified(true, -1, -1);
    InvalidateAllIfDrawing();
    return TRUE;
}
