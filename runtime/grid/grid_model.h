// CGridModel: everything a grid is and does that needs no window. Cells in rows and columns with
// fixed heading rows and columns, sizes, the focus cell and the selection, the editing path and
// the clipboard operations, sorting, and all the pixel arithmetic: scrolling, hit-testing, which
// cells show where, what a paint draws. The grid window derives from it and answers its
// CGridHost, so the window only turns messages into these calls and the host's requests into
// system calls.
//
// Rows and columns count from 0, fixed ones first; "valid" means inside the counts. Operations
// that take a cell name the row first.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

#include "fw_geometry.h"
#include "fw_string.h"
#include "grid_axis.h"
#include "grid_cell.h"
#include "grid_host.h"
#include "grid_types.h"

// One step of drawing a cell, worked out from the cell, its defaults and the grid's state.
struct GridCellPaint {
    enum class Edge { None, Raised, Sunken };
    bool draw = false;  // false: the cell draws nothing
    bool fill = false;
    CRect fillRect;
    COLORREF fillColour = 0;
    bool frame = false;  // frame the focus cell with the text colour
    CRect frameRect;
    Edge edge = Edge::None;  // the heading edge of a fixed cell
    CRect edgeRect;
    COLORREF edgeLight = 0, edgeDark = 0;  // the raised edge's two pens
    CRect textRect;
    COLORREF textColour = 0;
    UINT format = 0;
    const GridFont* font = nullptr;  // null: the window's own font
    const CString* text = nullptr;
};

// The grid lines of a paint: vertical lines at the given x from top to bottom, horizontal lines
// at the given y from left to right.
struct GridLinesLayout {
    std::vector<int> xs;
    int top = 0, bottom = 0;
    std::vector<int> ys;
    int left = 0, right = 0;
};

struct GridFill {
    CRect rect;
    COLORREF colour;
};

class CGridModel {
public:
    CGridModel(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);
    virtual ~CGridModel();
    CGridModel(const CGridModel&) = delete;
    CGridModel& operator=(const CGridModel&) = delete;

    // The window that shows the grid (null: none).
    void SetHost(CGridHost* host) { m_host = host ? host : &m_noHost; }
    CGridHost& Host() const { return *m_host; }

    // --- What the window tells the model about the system --------------------------------------
    // The system colours at start: cached, the background takes the 3D shadow, the default cells
    // take theirs. A change later moves only the colours still equal to the cached ones.
    void InitSystemColors(const GridSystemColors& colors);
    void OnSysColorChange(const GridSystemColors& colors);
    const GridSystemColors& SystemColors() const { return m_sys; }
    // The window's font: all four default cells take it and measure their default sizes.
    void SetDefaultFont(const GridFont& font);
    // After the window exists: every row and column takes the ordinary default cell's size.
    void ApplyDefaultSizes();
    // The client area as it would be without scroll bars, and what a bar takes from it.
    void SetViewSize(int width, int height);
    void SetScrollBarSizes(int verticalBarWidth, int horizontalBarHeight);
    // WM_SIZE: the client area the system reports, beside the bars the model has shown. Ends any
    // editing and lays the scroll bars out again.
    void OnSize(int clientWidth, int clientHeight);
    // The client area left beside the scroll bars the model has shown.
    CRect GetClientRect() const;
    void SetWheelLines(UINT lines) { m_wheelLines = lines; }
    UINT GetWheelLines() const { return m_wheelLines; }

    // --- Colours and options ----------------------------------------------------------------
    COLORREF GetGridBkColor() const { return m_bkColour; }
    void SetGridBkColor(COLORREF colour) { m_bkColour = colour; }
    COLORREF GetGridLineColor() const { return m_lineColour; }
    void SetGridLineColor(COLORREF colour) { m_lineColour = colour; }
    // 0 none, 1 horizontal, 2 vertical, 3 both.
    int GetGridLines() const { return m_gridLines; }
    void SetGridLines(int lines) { m_gridLines = lines; }
    bool IsEditable() const { return m_editable; }
    void SetEditable(bool on) { m_editable = on; }
    bool IsSelectable() const { return m_selectable; }
    void EnableSelection(bool on);
    bool GetFixedRowSelection() const { return m_fixedRowSelection; }
    void SetFixedRowSelection(bool on) { m_fixedRowSelection = on; }
    bool GetFixedColumnSelection() const { return m_fixedColSelection; }
    void SetFixedColumnSelection(bool on) { m_fixedColSelection = on; }
    bool GetHandleTabKey() const { return m_handleTab; }
    void SetHandleTabKey(bool on) { m_handleTab = on; }
    bool GetDoubleBuffering() const { return m_doubleBuffer; }
    void SetDoubleBuffering(bool on) { m_doubleBuffer = on; }
    bool GetColumnResize() const { return m_colResize; }
    void SetColumnResize(bool on) { m_colResize = on; }
    bool GetRowResize() const { return m_rowResize; }
    void SetRowResize(bool on) { m_rowResize = on; }
    bool GetHiddenColUnhide() const { return m_unhideCols; }
    void SetHiddenColUnhide(bool on) { m_unhideCols = on; }
    bool GetHiddenRowUnhide() const { return m_unhideRows; }
    void SetHiddenRowUnhide(bool on) { m_unhideRows = on; }
    bool GetAllowColHide() const { return m_hideCols; }
    void SetAllowColHide(bool on) { m_hideCols = on; }
    bool GetAllowRowHide() const { return m_hideRows; }
    void SetAllowRowHide(bool on) { m_hideRows = on; }
    bool GetTrackFocusCell() const { return m_trackFocus; }
    void SetTrackFocusCell(bool on) { m_trackFocus = on; }
    bool GetFrameFocusCell() const { return m_frameFocus; }
    void SetFrameFocusCell(bool on) { m_frameFocus = on; }
    // Bits 0x1 (fixed cells) and 0x2 (the others): which cells auto-sizing measures.
    UINT GetAutoSizeStyle() const { return m_autoSizeStyle; }
    void SetAutoSizeStyle(UINT style) { m_autoSizeStyle = style; }
    // Painting and scroll-bar updates are done only while drawing is allowed. Allowing it again
    // resets the scroll bars and repaints.
    bool GetRedraw() const { return m_allowDraw; }
    void SetRedraw(bool allow);

    // --- Counts and sizes -------------------------------------------------------------------
    int GetRowCount() const { return m_rowAxis.Count(); }
    int GetColumnCount() const { return m_colAxis.Count(); }
    int GetFixedRowCount() const { return m_rowAxis.Fixed(); }
    int GetFixedColumnCount() const { return m_colAxis.Fixed(); }
    // Counts below 0, or more than memory holds, are refused (FALSE, nothing changed).
    BOOL SetRowCount(int rows);
    BOOL SetColumnCount(int cols);
    BOOL SetFixedRowCount(int fixedRows);
    BOOL SetFixedColumnCount(int fixedCols);
    // -1 when the index is not valid.
    int GetRowHeight(int row) const { return m_rowAxis.Size(row); }
    int GetColumnWidth(int col) const { return m_colAxis.Size(col); }
    // FALSE when the index is not valid or the size negative.
    BOOL SetRowHeight(int row, int height);
    BOOL SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const { return m_rowAxis.FixedTotal(); }
    int GetFixedColumnWidth() const { return m_colAxis.FixedTotal(); }
    int GetVirtualHeight() const { return m_rowAxis.Total(); }
    int GetVirtualWidth() const { return m_colAxis.Total(); }
    const CGridAxis& RowAxis() const { return m_rowAxis; }
    const CGridAxis& ColumnAxis() const { return m_colAxis; }

    // Column -1 or the column count appends; the new index, or -1.
    int InsertColumnAt(const char* heading, UINT format = grid::kColumnFormat, int col = -1);
    // Row -1 appends; the new index, or -1.
    int InsertRowAt(const char* heading, int row = -1);
    BOOL DeleteColumn(int col);
    BOOL DeleteRow(int row);
    BOOL DeleteAllItems();

    // --- Cells -------------------------------------------------------------------------------
    CGridCellBase* GetCell(int row, int col) const;
    CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol) const;
    virtual CGridCellBase* CreateCell(int row, int col);
    // Clears the cell's state (dropping it from the selection) and deletes it.
    virtual void DestroyCell(int row, int col);
    // "" when not valid.
    CString GetItemText(int row, int col) const;
    // Sets the text and marks the cell modified; FALSE without a cell.
    BOOL SetItemText(int row, int col, const char* text);
    DWORD GetItemState(int row, int col) const;
    // Sets the state word, keeping the selection's record of selected cells with it.
    BOOL SetItemState(int row, int col, DWORD state);
    BOOL IsCellSelected(int row, int col) const;
    BOOL IsCellEditable(int row, int col) const;
    BOOL IsValid(int row, int col) const;
    BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    BOOL IsValid(const CCellRange& range) const;
    // A negative row or column means the grid as a whole (clearing it clears every cell's mark);
    // otherwise the cell, and marking a cell marks the grid.
    void SetModified(bool modified = true, int row = -1, int col = -1);
    bool GetModified(int row = -1, int col = -1) const;

    // --- Focus and selection ----------------------------------------------------------------
    CCellID GetFocusCell() const { return m_focus; }
    // Moves the focus (raised past the fixed rows and columns; a cell outside the grid clears it);
    // answers the previous focus cell.
    CCellID SetFocusCell(int row, int col);
    CCellID SetFocusCell(const CCellID& cell) { return SetFocusCell(cell.row, cell.col); }
    // Selects (or unselects) a block; with selectCells, whatever was selected outside it is
    // unselected first, and a negative first row just clears the selection.
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, bool forceRepaint = false,
                          bool selectCells = true);
    void SetSelectedRange(const CCellRange& range, bool forceRepaint = false, bool selectCells = true);
    // The bounds of the selected cells; (row count, column count, -1, -1) with none.
    CCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return int(m_selected.size()); }
    // The non-fixed cells.
    CCellRange GetCellRange() const;
    void SelectAllCells();
    void SelectColumns(const CCellID& cell);
    void SelectRows(const CCellID& cell);
    void SelectCells(const CCellID& cell);
    // Extends the selection to the cell as the mouse mode says.
    void OnSelecting(const CCellID& cell);
    CCellID GetSelectionStartCell() const { return m_selectionStart; }
    void SetSelectionStartCell(const CCellID& cell) { m_selectionStart = cell; }

    // --- Layout and scrolling ---------------------------------------------------------------
    CCellID GetTopleftNonFixedCell() const;
    // The non-fixed cells at least partly in the client area; the rectangle (when asked) runs from
    // (0, 0) to the right of the last column and the bottom of the last row.
    CCellRange GetVisibleNonFixedCellRange(CRect* rect = nullptr) const;
    // FALSE when not valid or scrolled out above or left of the view.
    BOOL GetCellOrigin(int row, int col, CPoint& origin) const;
    // (x, y, x + width - 1, y + height - 1).
    BOOL GetCellRect(int row, int col, CRect& rect) const;
    CCellID GetCellFromPt(const CPoint& point, bool allowFixed = true) const;
    // Wholly inside the client area.
    BOOL IsCellVisible(int row, int col) const;
    // At least partly inside the client area (what repainting needs).
    BOOL IsCellShown(int row, int col) const;
    void EnsureVisible(int row, int col);
    void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
    // Works out which bars are needed, their ranges and pages, and holds the positions to them.
    void ResetScrollBars();
    int GetScrollPos32(bool vertical) const;
    BOOL SetScrollPos32(bool vertical, int position);
    // One scroll-bar request; answers whether the view moved.
    bool OnVScroll(grid::ScrollAction action, int thumb = 0);
    bool OnHScroll(grid::ScrollAction action, int thumb = 0);
    // Sizes a column to its widest cell (style 0: the grid's auto-size style) or a row to its
    // tallest; FALSE when not valid, hidden (size 0), or nothing can be measured.
    BOOL AutoSizeColumn(int col, UINT style = 0, bool resetScroll = true);
    BOOL AutoSizeRow(int row, bool resetScroll = true);
    // The size text takes in a cell, margins included; the default cell's size when it cannot be
    // measured.
    CSize GetTextExtent(const CGridCellBase& cell, const CString& text) const;
    bool MeasureCell(const CGridCellBase& cell, const CString& text, CSize& extent) const;
    bool MeasureFontText(const GridFont& font, const char* text, CSize& size) const
    {
        return m_host->MeasureFontText(font, text, size);
    }

    // --- Painting -------------------------------------------------------------------------------
    void Refresh();
    BOOL RedrawCell(int row, int col);
    BOOL RedrawRow(int row);
    BOOL RedrawColumn(int col);
    BOOL InvalidateCellRect(int row, int col);
    // The background a paint fills before the cells, for a clip box.
    std::vector<GridFill> GetBackgroundFills(const CRect& clip) const;
    // Every cell a paint draws, in drawing order (corner, fixed columns, fixed rows, the rest),
    // with its rectangle.
    void ForEachCellToPaint(const CRect& clip, const std::function<void(int, int, const CRect&)>& draw) const;
    GridLinesLayout GetGridLinesLayout() const;
    // How one cell draws in its rectangle.
    GridCellPaint GetCellPaint(int row, int col, const CRect& rect, bool eraseBackground) const;

    // --- Keyboard and mouse -------------------------------------------------------------------
    // FALSE: the key was not the grid's; the window gives it the default handling.
    bool OnKeyDown(UINT key, bool ctrl, bool shift);
    bool OnChar(UINT character, bool ctrl);
    UINT GetDlgCode(bool ctrl) const;
    // Points in client pixels; relative points are from the cell's or button-down point.
    void OnLButtonDown(const CPoint& point, bool shift);
    void OnMouseMove(const CPoint& point);
    void OnLButtonUp(const CPoint& point);
    void OnLButtonDblClk(const CPoint& point);
    void OnRButtonDown(const CPoint& point);
    void OnAutoScrollTimer(const CPoint& cursor);
    void OnMouseWheel(int delta);
    grid::Cursor GetCursorAt(const CPoint& point) const;
    BOOL MouseOverRowResizeArea(const CPoint& point) const;
    BOOL MouseOverColumnResizeArea(const CPoint& point) const;
    int GetMouseMode() const { return m_mouseMode; }
    CCellID GetClickDownCell() const { return m_clickDown; }
    virtual void OnFixedRowClick(const CCellID& cell);
    virtual void OnFixedColumnClick(const CCellID& cell);

    // --- In-place editing ---------------------------------------------------------------------
    // Opens the editor on the cell (character 1: by the mouse or F2) when it may be edited.
    virtual void OnEditCell(int row, int col, const CPoint& point, UINT character);
    virtual void OnEndEditCell(int row, int col, const CString& text);
    // The editor has ended with its text and the key that ended it (0: focus lost); keys that
    // move on take the focus along and open the editor on the next cell.
    void OnEndInPlaceEdit(int row, int col, const CString& text, UINT lastKey, bool ctrl, bool shift);
    // Sets a cell's text as an edit would: asked of the parent, validated, announced.
    void SetItemTextWithEdit(int row, int col, const char* text);
    virtual BOOL ValidateEdit(int row, int col, const char* text);
    virtual void EndEditing();
    virtual void CutSelectedText();

    // --- Clipboard ------------------------------------------------------------------------------
    // The selected block as clipboard text; false when nothing is selected.
    virtual bool CopyTextFromGrid(CString& text) const;
    // Pastes clipboard bytes (read up to size or the first zero byte) with their top-left at the
    // cell; FALSE when the cell cannot take them.
    virtual BOOL PasteTextToGrid(int row, int col, const char* data, size_t size);
    virtual void OnEditCopy();
    virtual void OnEditCut();
    virtual void OnEditPaste();
    virtual void OnEditSelectAll();
    bool CanCopy() const;
    bool CanCut() const { return m_editable && CanCopy(); }
    bool CanPaste(bool clipboardHasText) const;

    // --- Sorting ---------------------------------------------------------------------------------
    // Orders the non-fixed rows by the texts of a column (bytes compared, equal texts keep their
    // order); selection and focus move with their cells. FALSE for a column that is not valid.
    BOOL SortTextItems(int col, bool ascending);

private:
    using Row = std::vector<std::unique_ptr<CGridCellBase>>;

    static uint64_t Key(int row, int col) { return (uint64_t(uint32_t(row)) << 32) | uint32_t(col); }
    static CCellID FromKey(uint64_t key) { return CCellID(int(uint32_t(key >> 32)), int(uint32_t(key))); }
    void SetupDefaultCells();
    void RepaintCell(int row, int col, bool now);
    void InvalidateAllIfDrawing();
    void ClearSelection();
    void ClearFocus() { SetFocusCell(-1, -1); }
    void RepaintFixedFor(const CCellID& cell, bool columnChanged, bool rowChanged);
    bool ScrollAxis(bool vertical, grid::ScrollAction action, int thumb);
    CGridAxis& Axis(bool vertical) { return vertical ? m_rowAxis : m_colAxis; }
    static int& Along(CCellID& cell, bool rows) { return rows ? cell.row : cell.col; }
    CGridCellBase* CellAcross(bool rows, int index, int other) const;
    bool GrowStorage(bool rows, int old, int count);
    void ShrinkStorage(bool rows, int count);
    BOOL SetCount(bool rows, int count);
    BOOL SetFixedCount(bool rows, int fixed);
    void MarkFixed(bool rows, int from, int to, bool fixed);
    BOOL DeleteLine(bool rows, int index);
    void LayoutChanged();
    // Rebuilds the record of selected cells after rows moved.
    void MoveSelectedRows(const std::function<int(int)>& newRow);
    BOOL AutoSize(bool rows, int index, int first, int last, bool resetScroll);
    BOOL OverDivider(const CPoint& point, bool columns) const;
    void ApplyEditedText(int row, int col, const CString& text);
    CCellID RaiseToNonFixed(const CCellID& cell) const;
    bool SizingTarget(const CPoint& point, bool columns, CCellID& cell) const;
    void EndSizing(const CPoint& point, bool columns);

    CGridHost m_noHost;
    CGridHost* m_host = &m_noHost;
    GridSystemColors m_sys;

    COLORREF m_bkColour = 0x808080;
    COLORREF m_lineColour = 0;
    int m_gridLines = 3;
    bool m_editable = true;
    bool m_modified = false;
    bool m_allowDraw = true;
    bool m_selectable = true;
    bool m_fixedRowSelection = true;
    bool m_fixedColSelection = true;
    bool m_handleTab = true;
    bool m_doubleBuffer = true;
    bool m_unhideCols = true, m_unhideRows = true;
    bool m_hideCols = true, m_hideRows = true;
    bool m_trackFocus = true;
    bool m_frameFocus = true;
    UINT m_autoSizeStyle = 3;
    bool m_colResize = true, m_rowResize = true;
    int m_resizeCaptureRange = 3;
    UINT m_wheelLines = 3;

    CGridAxis m_rowAxis, m_colAxis;
    int m_viewWidth = 0, m_viewHeight = 0;
    int m_vBarWidth = 0, m_hBarHeight = 0;

    // Default cells: ordinary, fixed column, fixed row, corner.
    std::unique_ptr<CGridDefaultCell> m_defaults[4];
    std::vector<Row> m_rows;

    CCellID m_focus;
    CCellID m_selectionStart;
    std::unordered_set<uint64_t> m_selected;

    int m_mouseMode = grid::kMouseNothing;
    bool m_buttonDown = false;
    CPoint m_buttonDownPoint;
    CPoint m_lastMouse;
    CCellID m_clickDown;
};
