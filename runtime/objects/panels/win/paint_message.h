// WM_PAINT of a window that draws all of itself: into the context the message brings (a caller
// that prints or captures the window) or into the window's own paint context (Windows only).
#pragma once

#include "fw_dc.h"
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

// Fills the window's client area with the colour; answers the area.
inline RECT FillClient(HWND window, HDC dc, COLORREF colour)
{
    RECT client;
    ::GetClientRect(window, &client);
    CDC canvas;
    canvas.Attach(dc);
    canvas.FillSolidRect(&client, colour);
    canvas.Detach();
    return client;
}
