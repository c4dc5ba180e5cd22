// Any bytes as clipboard text: every cell parsed is free of separators and outer blanks, and a
// block pasted into a grid copies back as the same cells.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "grid_clipboard_text.h"
#include "grid_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    const auto lines = ParseGridClipboardText(text, size);
    size_t cols = 0;
    for (const auto& line : lines) {
        cols = std::max(cols, line.size());
        for (const CString& cell : line) {
            if (cell.Find('\t') >= 0 || cell.Find('\n') >= 0 || cell.Find('\0') >= 0) __builtin_trap();
            CString trimmed = cell;
            if (trimmed.Trim() != cell) __builtin_trap();
        }
    }
    if (lines.empty() || lines.size() > 200 || cols > 200) return 0;
    const int rows = int(lines.size());
    CGridModel grid(rows + 1, int(cols) + 1, 1, 1);
    if (!grid.PasteTextToGrid(1, 1, text, size)) __builtin_trap();
    grid.SetSelectedRange(1, 1, rows, int(cols));
    CString copied;
    if (!grid.CopyTextFromGrid(copied)) __builtin_trap();
    const auto back = ParseGridClipboardText(copied, size_t(copied.GetLength()));
    if (back.size() > lines.size()) __builtin_trap();
    for (size_t r = 0; r < lines.size(); ++r)
        for (size_t c = 0; c < cols; ++c) {
            const CString expected = c < lines[r].size() ? lines[r][c] : CString();
            const CString got = r < back.size() && c < back[r].size() ? back[r][c] : CString();
            if (got != expected) __builtin_trap();
        }
    return 0;
}
