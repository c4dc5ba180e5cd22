// What the runtime's own controls tell their window. A message to the window may run a script that
// closes it, and the control with it: the senders answer whether the control is still there, and
// a control that is gone touches nothing of itself afterwards.
#pragma once

#include "fw_wnd.h"

// Keys, Tab and mouse moves: WM_USER+11 with the control id in the low word of wParam and what
// happened in the high word.
constexpr UINT kControlNoticeMessage = WM_USER + 11;
// What: move the focus to the next control that takes it.
constexpr WORD kFocusNextNotice = 0x409;

// Sends the message to the control's parent; false when the control is gone afterwards.
inline bool SendToParent(const CWnd& control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = control.GetSafeHwnd();
    ::SendMessageA(::GetParent(window), message, wParam, lParam);
    return CWnd::FromHandlePermanent(window) == &control;
}

inline bool SendControlNotice(const CWnd& control, WORD what, LPARAM lParam)
{
    return SendToParent(control, kControlNoticeMessage, MAKEWPARAM(control.GetDlgCtrlID(), what), lParam);
}

// WM_COMMAND with the control id and a code of the control's own, the control's window as lParam.
inline bool SendCommandNotice(const CWnd& control, WORD code)
{
    return SendToParent(control, WM_COMMAND, MAKEWPARAM(control.GetDlgCtrlID(), code), LPARAM(control.GetSafeHwnd()));
}
