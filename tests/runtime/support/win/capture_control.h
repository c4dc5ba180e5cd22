// The client area of a control of another process as drawn now. Under Wine a child window's own
// context reads back black across processes, so the control is cut out of its top-level window.
#pragma once

#include <windows.h>

#include "win_test_support.h"

namespace qbktest {

inline zvtest::Image CaptureControl(HWND control)
{
    const HWND top = GetAncestor(control, GA_ROOT);
    RECT client;
    if (!top || !GetClientRect(control, &client)) return zvtest::Image();
    MapWindowPoints(control, top, reinterpret_cast<POINT*>(&client), 2);
    return zvtest::CaptureWindow(top).Crop(client.left, client.top, client.right - client.left,
                                           client.bottom - client.top);
}

}  // namespace qbktest
