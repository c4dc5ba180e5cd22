// Sorting the rows below the headings by one column's texts.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "grid_model.h"

BOOL CGridModel::SortTextItems(int col, bool ascending)
{
    if (!m_colAxis.IsValid(col)) return FALSE;
    const int fixedRows = GetFixedRowCount();
    const int count = GetRowCount() - fixedRows;
    if (count < 2) return TRUE;
    EndEditing();

    // The keys are copied side by side, each led by its first eight bytes as one number, so most
    // comparisons settle on that number and the rest read memory close together.
    struct SortKey {
        uint64_t head;
        size_t offset;
        uint32_t length;
        int index;
    };
    static const std::string empty;
    std::string pool;
    std::vector<SortKey> keys(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const CGridCellBase* cell = m_rows[size_t(fixedRows + i)][size_t(col)].get();
        const std::string& text = cell ? cell->GetText().Str() : empty;
        uint64_t head = 0;
        for (size_t b = 0; b < 8; ++b) head = head << 8 | (b < text.size() ? uint8_t(text[b]) : 0);
        keys[size_t(i)] = {head, pool.size(), uint32_t(text.size()), i};
        pool += text;
    }
    const char* bytes = pool.data();
    // Bytes compare as unsigned values, a shorter text first where one begins the other.
    const auto less = [bytes](const SortKey& a, const SortKey& b) {
        if (a.head != b.head) return a.head < b.head;
        const int order = std::memcmp(bytes + a.offset, bytes + b.offset, std::min(a.length, b.length));
        return order != 0 ? order < 0 : a.length < b.length;
    };
    if (ascending)
        std::stable_sort(keys.begin(), keys.end(), less);
    else
        std::stable_sort(keys.begin(), keys.end(), [&less](const SortKey& a, const SortKey& b) { return less(b, a); });

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
