// CGridCtrl: the window of a grid object, a child window of class "QuillbrickGrid". Everything the
// grid is and does lives in CGridModel; this class turns the window's messages into model calls
// and answers the model's requests (CGridHost) with the system's: painting, scroll bars, the
// in-place editor, the clipboard, capture and cursors, notifications to the parent (Windows only).
//
// The object deletes itself once its window is gone (a notification's script may close the window
// the grid sits in while the grid handles a click).
#pragma once

#include "fw_font.h"
#include "fw_wnd.h"
#include "grid_model.h"

class CGridCtrl : public CSelfDeletingWnd<CWnd>, public CGridModel, private CGridHost {
public:
    static constexpr const char* kClassName = "QuillbrickGrid";
    static constexpr UINT kEditorId = 8;
    static constexpr UINT_PTR kAutoScrollTimer = 513;
    static constexpr UINT kAutoScrollPeriod = 25;

    CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);
    ~CGridCtrl() override;

    // Creates the window with the style and rectangle (parent's client coordinates); every row and
    // column then takes the ordinary default cell's size.
    BOOL Create(const RECT& rect, CWnd* parent, UINT id, DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP);

    // Paints what the context's clip box covers: background, cells, grid lines.
    void OnDraw(HDC dc);
    // Invalidates and repaints the whole window at once.
    void Redraw();
    // A notification to the owner (or else the parent); its reply, 0 when there is no one to ask.
    LRESULT SendMessageToParent(int row, int col, int code);
    // The font the cells without one of their own draw with.
    HFONT DefaultFontHandle() const { return m_defaultFont.GetHandle(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // CGridHost
    void InvalidateAll() override;
    void InvalidateRect(const CRect& rect) override;
    bool DrawCell(int row, int col, const CRect& rect) override;
    void ScrollBarsChanged() override;
    LONG_PTR Notify(int code, int row, int col) override { return SendMessageToParent(row, col, code); }
    void PostClickCommand() override;
    bool MeasureCellText(const CGridCellBase& cell, const CString& text, CSize& size) override;
    bool MeasureFontText(const GridFont& font, const char* text, CSize& size) override;
    void OpenEditor(int row, int col, const CRect& rect, grid::EditAlign align, UINT character) override;
    void ForwardChar(UINT character) override;
    void EndEditor() override;
    bool PasteIntoEditor() override;
    void SetClipboardText(const CString& text) override;
    bool GetClipboardText(CString& text) override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void SetCursor(grid::Cursor cursor) override;
    void StartAutoScroll() override;
    void BeginTracker(grid::Orientation orientation, int position, const CRect& confine) override;
    void MoveTracker(int position) override;
    void EndTracker() override;

    void OnPaint();
    void OnSizeMessage(int width, int height);
    void OnScrollMessage(bool vertical, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotifyMessage(WPARAM wParam, LPARAM lParam);
    void TakeFont(const LOGFONTA& font);
    // Draws one cell; erase: fill its background even without a colour of its own.
    bool DrawCellOn(HDC dc, int row, int col, const CRect& rect, bool erase);
    void DrawCellLines(HDC dc, const CRect& rect);
    // The font a cell draws and measures with: the default one, or the shared font of cells that
    // carry their own (made again only when another description is asked for).
    HFONT CellFont(const CGridCellBase& cell);
    HWND Editor() const;
    void InvertTracker(int position);
    CRect ClientRect() const;

    CFont m_defaultFont;
    CFont m_cellFont;
    LOGFONTA m_cellFontFace = {};

    HWND m_editor = nullptr;
    bool m_typing = false;  // a character the user typed is being handled
    bool m_inSize = false;
    bool m_applyingBars = false, m_barsAgain = false;
    SCROLLINFO m_appliedBars[2] = {};  // horizontal, vertical; cbSize 0 until first set
    bool m_tracking = false;
    grid::Orientation m_trackerOrientation = grid::Orientation::Vertical;
    int m_trackerPosition = 0;
    bool m_destroying = false;
};
