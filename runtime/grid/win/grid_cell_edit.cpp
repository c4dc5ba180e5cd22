#include "grid_cell_edit.h"

#include <algorithm>

namespace {

constexpr UINT kStartedByMouse = 1;

bool IsMoveKey(UINT key)
{
    return key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

// Keys that move the focus and carry the edit on: they open the editor with everything selected.
bool SelectsAll(UINT key) { return key == VK_TAB || key == VK_SPACE || (key >= VK_PRIOR && key <= VK_DOWN); }

}  // namespace

CGridCellEdit::CGridCellEdit(int row, int col, const CString& initialText, UINT firstChar, bool typed)
    : m_row(row), m_col(col), m_initialText(initialText), m_firstChar(firstChar), m_typed(typed),
      m_exitOnArrows(firstChar != kStartedByMouse)
{
}

bool CGridCellEdit::Open(CWnd& grid, const CRect& rect, DWORD alignStyle, UINT id)
{
    m_rect = rect;
    m_grid = grid.GetSafeHwnd();
    if (!CreateEx(0, "", alignStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, &grid, id))
        return false;
    SendMessage(WM_SETFONT, WPARAM(grid.SendMessage(WM_GETFONT)), TRUE);
    SetWindowText(m_initialText);
    ::SetFocus(m_hWnd);

    const UINT first = m_firstChar;
    const int length = GetWindowTextLengthA(m_hWnd);
    if (first == kStartedByMouse || first == VK_RETURN || first == VK_BACK) {
        SendMessage(EM_SETSEL, WPARAM(length), LPARAM(-1));
        SendMessage(EM_SCROLLCARET);
        if (first == VK_BACK) SendMessage(WM_CHAR, VK_BACK);
        return true;
    }
    SendMessage(EM_SETSEL, 0, LPARAM(-1));
    SendMessage(EM_SCROLLCARET);
    // A typed character replaces the text. Punctuation typed shares its code with a key that moves
    // the focus ('$' is Home's code): only a key that moved here inserts nothing.
    if (!SelectsAll(first) || (m_typed && first != VK_TAB && first != VK_SPACE)) SendMessage(WM_CHAR, first);
    return true;
}

void CGridCellEdit::Leave(UINT key)
{
    m_lastKey = key;
    ::SetFocus(m_grid);
    // A grid that cannot take the focus does not end the edit through the focus change.
    EndEdit();
}

void CGridCellEdit::EndEdit()
{
    if (m_ending || !m_hWnd) return;
    m_ending = true;
    const Hold hold(*this);
    const HWND self = m_hWnd;
    const CString text = GetWindowText();
    GridEditEndNotice notice = {};
    notice.header.hwndFrom = self;
    notice.header.idFrom = UINT_PTR(GetDlgCtrlID());
    notice.header.code = kGridEditEndCode;
    notice.row = m_row;
    notice.col = m_col;
    notice.lastKey = m_lastKey;
    notice.text = text;
    HWND target = ::GetWindow(self, GW_OWNER);
    if (!target) target = ::GetParent(self);
    if (target) ::SendMessageA(target, WM_NOTIFY, notice.header.idFrom, LPARAM(&notice));
    // Closed later, never under a handler of its own that is still running (the focus loss that
    // ended the edit, a key).
    if (m_hWnd == self) {
        ShowWindow(SW_HIDE);
        PostMessage(WM_CLOSE);
    }
}

void CGridCellEdit::WidenToText()
{
    const CString text = GetWindowText() + "  ";
    const HDC dc = ::GetDC(m_hWnd);
    if (!dc) return;
    const HGDIOBJ old = ::SelectObject(dc, HGDIOBJ(SendMessage(WM_GETFONT)));
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    if (size.cx <= m_rect.Width()) return;
    RECT client = {};
    ::GetClientRect(m_grid, &client);
    m_rect.right = std::max<LONG>(m_rect.right, std::min<LONG>(m_rect.left + size.cx, client.right));
    ::MoveWindow(m_hWnd, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), TRUE);
}

LRESULT CGridCellEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (message) {
    case WM_GETDLGCODE: result = DLGC_WANTALLKEYS; break;
    case WM_SYSCHAR: break;  // no menu keys while editing
    case WM_KEYDOWN:
        if (IsMoveKey(UINT(wParam)) && (m_exitOnArrows || ::GetKeyState(VK_CONTROL) < 0))
            Leave(UINT(wParam));
        else
            result = DefWindowProc(message, wParam, lParam);
        break;
    case WM_CHAR:
        if (wParam == VK_TAB || wParam == VK_RETURN) {
            Leave(UINT(wParam));
        } else if (wParam == VK_ESCAPE) {
            SetWindowText(m_initialText);
            Leave(VK_ESCAPE);
        } else {
            result = DefWindowProc(message, wParam, lParam);
            if (m_hWnd) WidenToText();
        }
        break;
    case WM_KILLFOCUS:
        result = DefWindowProc(message, wParam, lParam);
        EndEdit();
        break;
    default: result = DefWindowProc(message, wParam, lParam); break;
    }
    return result;
}
