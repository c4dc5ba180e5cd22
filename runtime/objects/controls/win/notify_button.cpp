#include "notify_button.h"

#include "control_notice.h"

LRESULT CNotifyButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    bool alive = true;
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_TAB && (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_TABSTOP))
            alive = SendControlNotice(*this, kFocusNextNotice, 0);
        else
            alive = SendControlNotice(*this, WM_KEYDOWN, LPARAM(wParam));
        break;
    case WM_KEYUP: alive = SendControlNotice(*this, WM_KEYUP, LPARAM(wParam)); break;
    case WM_MOUSEMOVE: alive = SendControlNotice(*this, WM_MOUSEMOVE, 0); break;
    default: break;
    }
    return alive ? CButton::WindowProc(message, wParam, lParam) : 0;
}
