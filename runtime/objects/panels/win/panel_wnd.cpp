#include "panel_wnd.h"

#include "paint_message.h"

CPanelWnd::CPanelWnd() : m_color(::GetSysColor(COLOR_BTNFACE)) {}

LRESULT CPanelWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
        return AnswerPaint(m_hWnd, wParam, [this](HDC dc) {
            RECT client = FillClient(m_hWnd, dc, m_color);
            ::DrawEdge(dc, &client, m_edgeType, m_edgeFlags);
        });
    default: return CStatic::WindowProc(message, wParam, lParam);
    }
}
