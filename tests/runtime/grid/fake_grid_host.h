// A grid host without a window: measures text as a fixed-pitch font would, answers notifications
// with set replies, plays the in-place editor and the clipboard, and records what the model asked.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

#include "grid_model.h"

class FakeGridHost : public CGridHost {
public:
    static constexpr int kCharWidth = 7;
    static constexpr int kLineHeight = 13;

    explicit FakeGridHost(CGridModel& grid) : m_grid(grid) {}

    // Measuring.
    bool hasDC = true;
    int measureCalls = 0;
    bool MeasureCellText(const CGridCellBase&, const CString& text, CSize& size) override
    {
        ++measureCalls;
        if (!hasDC) return false;
        size = CSize(kCharWidth * text.GetLength(), kLineHeight);
        return true;
    }
    bool MeasureFontText(const GridFont& font, const char* text, CSize& size) override
    {
        if (!hasDC) return false;
        const int height = std::abs(int(font.lfHeight));
        size = CSize(height / 2 * int(std::strlen(text)), height);
        return true;
    }

    // Notifications: every one recorded, answered from replies (0 by default).
    struct Note {
        int code, row, col;
        bool operator==(const Note& o) const { return code == o.code && row == o.row && col == o.col; }
    };
    std::vector<Note> notes;
    std::map<int, LONG_PTR> replies;
    std::function<void(int, int, int)> onNotify;
    int clicksPosted = 0;
    LONG_PTR Notify(int code, int row, int col) override
    {
        notes.push_back({code, row, col});
        auto it = replies.find(code);
        const LONG_PTR reply = it == replies.end() ? 0 : it->second;
        if (onNotify) onNotify(code, row, col);
        return reply;
    }
    void PostClickCommand() override { ++clicksPosted; }
    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (const Note& n : notes) codes.push_back(n.code);
        return codes;
    }

    // Painting.
    int invalidations = 0;
    std::vector<CRect> invalidRects;
    std::vector<CCellID> drawn;
    int scrollBarChanges = 0;
    void InvalidateAll() override { ++invalidations; }
    void InvalidateRect(const CRect& rect) override { invalidRects.push_back(rect); }
    bool DrawCell(int row, int col, const CRect&) override
    {
        drawn.push_back(CCellID(row, col));
        return true;
    }
    void ScrollBarsChanged() override { ++scrollBarChanges; }

    // The in-place editor: opened on a cell with its text; ended by EndEditor (focus lost) or by
    // FinishEdit (a key), reporting back as the real editor does.
    bool editorOpen = false;
    CCellID editorCell;
    CRect editorRect;
    grid::EditAlign editorAlign = grid::EditAlign::Left;
    UINT editorStart = 0;
    CString editorText;
    std::vector<UINT> forwarded;
    int editorPastes = 0;
    int editorsOpened = 0;
    void OpenEditor(int row, int col, const CRect& rect, grid::EditAlign align, UINT character) override
    {
        editorOpen = true, ++editorsOpened;
        editorCell = CCellID(row, col), editorRect = rect, editorAlign = align, editorStart = character;
        editorText = m_grid.GetItemText(row, col);
    }
    void ForwardChar(UINT character) override { forwarded.push_back(character); }
    void EndEditor() override { FinishEdit(editorText, 0); }
    bool PasteIntoEditor() override
    {
        if (!editorOpen) return false;
        ++editorPastes;
        return true;
    }
    void FinishEdit(const CString& text, UINT lastKey, bool shift = false)
    {
        if (!editorOpen) return;
        editorOpen = false;
        m_grid.OnEndInPlaceEdit(editorCell.row, editorCell.col, text, lastKey, false, shift);
    }

    // The clipboard.
    CString clipboard;
    bool clipboardHasText = false;
    void SetClipboardText(const CString& text) override { clipboard = text, clipboardHasText = true; }
    bool GetClipboardText(CString& text) override
    {
        if (!clipboardHasText) return false;
        text = clipboard;
        return true;
    }

    // Mouse tracking.
    bool captured = false;
    bool autoScroll = false;
    grid::Cursor cursor = grid::Cursor::Arrow;
    bool tracking = false;
    int trackerPosition = -1;
    CRect trackerConfine;
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false, autoScroll = false; }
    void SetCursor(grid::Cursor c) override { cursor = c; }
    void StartAutoScroll() override { autoScroll = true; }
    void BeginTracker(grid::Orientation, int position, const CRect& confine) override
    {
        tracking = true, trackerPosition = position, trackerConfine = confine;
    }
    void MoveTracker(int position) override { trackerPosition = position; }
    void EndTracker() override { tracking = false; }

private:
    CGridModel& m_grid;
};

// A grid with a recording host, every column `width` and every row `height` pixels, in a client
// area of the given size; scroll bars take 16 pixels.
struct HostedGrid {
    CGridModel grid;
    FakeGridHost host{grid};

    HostedGrid(int rows, int cols, int fixedRows, int fixedCols, int width = 50, int height = 20, int viewWidth = 400,
               int viewHeight = 300)
        : grid(rows, cols, fixedRows, fixedCols)
    {
        grid.SetHost(&host);
        grid.SetScrollBarSizes(16, 16);
        grid.SetViewSize(viewWidth, viewHeight);
        for (int c = 0; c < cols; ++c) grid.SetColumnWidth(c, width);
        for (int r = 0; r < rows; ++r) grid.SetRowHeight(r, height);
        grid.ResetScrollBars();
    }
    // Every cell's text "r,c".
    void Label()
    {
        for (int r = 0; r < grid.GetRowCount(); ++r)
            for (int c = 0; c < grid.GetColumnCount(); ++c)
                grid.SetItemText(r, c, (std::to_string(r) + "," + std::to_string(c)).c_str());
    }
    // The centre of a cell as it shows now.
    CPoint Centre(int row, int col) const
    {
        CRect rect;
        EXPECT_TRUE(grid.GetCellRect(row, col, rect)) << row << "," << col;
        return rect.CenterPoint();
    }
};

// The cells' own state bits agree with the grid: the selected ones are exactly those the grid
// counts and bounds, only the focus cell is focused, and the fixed bits follow the counts.
inline void ExpectConsistent(const CGridModel& grid)
{
    int selected = 0;
    int minRow = grid.GetRowCount(), minCol = grid.GetColumnCount(), maxRow = -1, maxCol = -1;
    for (int r = 0; r < grid.GetRowCount(); ++r)
        for (int c = 0; c < grid.GetColumnCount(); ++c) {
            const CGridCellBase* cell = grid.GetCell(r, c);
            ASSERT_NE(cell, nullptr) << r << "," << c;
            const DWORD state = cell->GetState();
            if (state & grid::kSelected) {
                ++selected;
                minRow = std::min(minRow, r), minCol = std::min(minCol, c);
                maxRow = std::max(maxRow, r), maxCol = std::max(maxCol, c);
            }
            EXPECT_EQ((state & grid::kFocused) != 0, grid.GetFocusCell() == CCellID(r, c)) << r << "," << c;
            const bool fixedRow = r < grid.GetFixedRowCount(), fixedCol = c < grid.GetFixedColumnCount();
            EXPECT_EQ((state & grid::kFixedRow) != 0, fixedRow) << r << "," << c;
            EXPECT_EQ((state & grid::kFixedCol) != 0, fixedCol) << r << "," << c;
            EXPECT_EQ((state & grid::kFixed) != 0, fixedRow || fixedCol) << r << "," << c;
        }
    EXPECT_EQ(grid.GetSelectedCount(), selected);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(minRow, minCol, maxRow, maxCol));
    if (grid.GetFocusCell() != CCellID()) {
        EXPECT_TRUE(grid.IsValid(grid.GetFocusCell()));
    }
}
