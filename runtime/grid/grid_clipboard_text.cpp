#include "grid_clipboard_text.h"

#include <cstring>

#include "grid_model.h"

CString BuildGridClipboardText(const CGridModel& grid, const CCellRange& range)
{
    CString text;
    bool firstLine = true;
    for (int r = range.GetMinRow(); r <= range.GetMaxRow(); ++r) {
        if (grid.GetRowHeight(r) <= 0) continue;
        if (!firstLine) text += '\n';
        firstLine = false;
        bool firstCell = true;
        for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c) {
            if (grid.GetColumnWidth(c) <= 0) continue;
            if (!firstCell) text += '\t';
            firstCell = false;
            const CGridCellBase* cell = grid.GetCell(r, c);
            if (cell && cell->IsSelected()) text += cell->GetText();
        }
    }
    return text;
}

std::vector<std::vector<CString>> ParseGridClipboardText(const char* data, size_t size)
{
    std::vector<std::vector<CString>> lines;
    if (!data) return lines;
    const void* zero = std::memchr(data, 0, size);
    const char* end = zero ? static_cast<const char*>(zero) : data + size;
    const char* p = data;
    while (p < end) {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        if (!lineEnd) lineEnd = end;
        std::vector<CString> cells;
        const char* cell = p;
        for (;;) {
            const char* tab = static_cast<const char*>(std::memchr(cell, '\t', size_t(lineEnd - cell)));
            const char* cellEnd = tab ? tab : lineEnd;
            CString token(cell, int(cellEnd - cell));
            cells.push_back(token.Trim());
            if (!tab) break;
            cell = tab + 1;
        }
        lines.push_back(std::move(cells));
        p = lineEnd + 1;
    }
    return lines;
}
