// CGridCellEdit: the single-line edit control laid over a grid cell while it is edited in place
// (Windows only). It reports the end of the edit once, with its text and the key that ended it, to
// its parent grid (WM_NOTIFY, GridEditEndNotice), then closes itself; the object goes with its
// window.
#pragma once

#include "fw_controls.h"
#include "fw_geometry.h"
#include "fw_string.h"

// The end of an edit, as the editor reports it to the grid.
struct GridEditEndNotice {
    NMHDR header;  // code kGridEditEndCode, idFrom the editor's id
    int row;
    int col;
    UINT lastKey;  // the key that ended the edit: Tab, Return, Escape, an arrow ... (0: focus lost)
    const char* text;
};
constexpr UINT kGridEditEndCode = UINT(-106);

class CGridCellEdit : public CSelfDeletingWnd<CEdit> {
public:
    // firstChar: 1 when the mouse or F2 started the edit, else the key or character that did;
    // typed: firstChar is a character the user typed (not a key that moved the focus).
    CGridCellEdit(int row, int col, const CString& initialText, UINT firstChar, bool typed);

    // Creates the editor over rect (the grid's client coordinates) with the grid's font, focused,
    // with the caret or selection the first character asks for. False when it could not be made:
    // the object is then the caller's to delete.
    bool Open(CWnd& grid, const CRect& rect, DWORD alignStyle, UINT id);
    // Reports the end once and closes; later calls do nothing.
    void EndEdit();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Gives the focus back to the grid, which ends the edit with the key stored.
    void Leave(UINT key);
    void WidenToText();

    int m_row, m_col;
    CString m_initialText;
    UINT m_firstChar;
    bool m_typed;
    UINT m_lastKey = 0;
    bool m_exitOnArrows;
    CRect m_rect;
    HWND m_grid = nullptr;
    bool m_ending = false;
};
