#include "key_edit.h"

#include "control_notice.h"

LRESULT CKeyEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && wParam == VK_TAB) {
        const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
        if (style & WS_TABSTOP) {
            if (!(style & ES_MULTILINE) || ::GetAsyncKeyState(VK_CONTROL) < 0)
                SendControlNotice(*this, kFocusNextNotice, 0);
            return 0;
        }
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
