// Probing another program's windows as a user would: the mouse moved to a point of a window, and
// which window of that program's thread has the focus.
#pragma once

#include <windows.h>

#include "win_test_support.h"

namespace qbktest {

inline void MoveMouseTo(HWND window, int clientX, int clientY)
{
    POINT p = {clientX, clientY};
    ClientToScreen(window, &p);
    zvtest::MoveMouse(p.x, p.y);
}

// The focus window of the thread that owns window (GetFocus answers for the caller's thread only).
inline HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

}  // namespace qbktest
