#include "panel_wnd.h"

#include "fw_dc.h"
#include "paint_message.h"

CPanelWnd::CPanelWnd() : m_color(::GetSysColor(COLOR_BTNFACE)) {}

LRESULT CPanelWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        return AnswerPaint(m_hWnd, wParam, [this](HDC dc) {
            RECT client;
            ::GetClientRect(m_hWnd, &client);
            CDC canvas;
            canvas.Attach(dc);
            canvas.FillSolidRect(&client, m_color);
            canvas.Detach();
            ::DrawEdge(dc, &client, m_edgeType, m_edgeFlags);
        });
    default: return CStatic::WindowProc(message, wParam, lParam);
    }
}
