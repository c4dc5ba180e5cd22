// WM_PAINT of a window that draws all of itself: into the context the message brings (a caller
// that prints or captures the window) or into the window's own paint context (Windows only).
#pragma once

#include "fw_types.h"

template <class Draw>
LRESULT AnswerPaint(HWND window, WPARAM givenContext, Draw draw)
{
    if (givenContext) {
        draw(HDC(givenContext));
        return 0;
    }
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(window, &paint);
    draw(dc);
    ::EndPaint(window, &paint);
    return 0;
}
