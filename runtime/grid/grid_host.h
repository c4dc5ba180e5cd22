// What the grid model asks of the window that shows it. Every call has a default that does what a
// grid without a window does, so the model runs alone; the grid window implements them with the
// system's calls, and tests record them.
#pragma once

#include "fw_geometry.h"
#include "fw_string.h"
#include "grid_types.h"

class CGridCellBase;

class CGridHost {
public:
    virtual ~CGridHost() = default;

    // Painting. The model asks only while drawing is allowed; a host without a window ignores it.
    virtual void InvalidateAll() {}
    virtual void InvalidateRect(const CRect& rect) {}
    // Draws one cell at once (through the window's DC); false when it could not.
    virtual bool DrawCell(int row, int col, const CRect& rect) { return false; }
    // The scroll bars' ranges, pages, positions or visibility changed: the model holds the new ones.
    virtual void ScrollBarsChanged() {}

    // A notification to the parent window; answers its reply.
    virtual LONG_PTR Notify(int code, int row, int col) { return 0; }
    // The click message posted to the parent after a left-button release on a cell.
    virtual void PostClickCommand() {}

    // Measuring text in a cell's font and format on the window's DC: the size the text takes,
    // its font's overhang included, without the cell's margins; false when there is no DC.
    virtual bool MeasureCellText(const CGridCellBase& cell, const CString& text, CSize& size) { return false; }
    // Measuring a text in a font on the screen's DC (default-cell metrics); false without one.
    virtual bool MeasureFontText(const GridFont& font, const char* text, CSize& size) { return false; }

    // The in-place editor. OpenEditor lays it over the cell's rectangle, starting with the
    // character (1: started by the mouse or F2). ForwardChar hands a character to the open editor.
    // EndEditor makes the open editor end now; it reports back through
    // CGridModel::OnEndInPlaceEdit. PasteIntoEditor answers false when no editor is open.
    virtual void OpenEditor(int row, int col, const CRect& rect, grid::EditAlign align, UINT character) {}
    virtual void ForwardChar(UINT character) {}
    virtual void EndEditor() {}
    virtual bool PasteIntoEditor() { return false; }

    // The clipboard's text (CF_TEXT).
    virtual void SetClipboardText(const CString& text) {}
    virtual bool GetClipboardText(CString& text) { return false; }

    // Mouse tracking: capture and cursor shape, the auto-scroll timer (started during a selection
    // drag; ReleaseMouse ends it with the capture and the cursor confinement), the inverted line
    // that follows a divider being dragged (with the area the cursor is confined to).
    virtual void CaptureMouse() {}
    virtual void ReleaseMouse() {}
    virtual void SetCursor(grid::Cursor cursor) {}
    virtual void StartAutoScroll() {}
    virtual void BeginTracker(grid::Orientation orientation, int position, const CRect& confine) {}
    virtual void MoveTracker(int position) {}
    virtual void EndTracker() {}
};
