#include "image_progress_ctrl.h"

#include <algorithm>

#include "fw_dc.h"
#include "paint_message.h"
#include "progress_fill.h"

CImageProgressCtrl::CImageProgressCtrl() : m_backColor(::GetSysColor(COLOR_WINDOW)) {}

BOOL CImageProgressCtrl::UpdateBitmapSize()
{
    BITMAP description = {};
    if (m_image.GetSafeHandle() && m_image.GetBitmap(&description)) {
        m_imageWidth = description.bmWidth;
        m_imageHeight = description.bmHeight;
    } else {
        m_imageWidth = m_imageHeight = 0;
    }
    if (m_hWnd) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return TRUE;
}

void CImageProgressCtrl::SetBackColor(COLORREF colour)
{
    m_backColor = colour;
    if (m_hWnd) SendMessage(PBM_SETBKCOLOR, 0, LPARAM(colour));
}

void CImageProgressCtrl::Paint(HDC target)
{
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;
    PBRANGE range = {};
    SendMessage(PBM_GETRANGE, FALSE, LPARAM(&range));
    const int position = int(SendMessage(PBM_GETPOS));
    const bool vertical = (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & PBS_VERTICAL) != 0;
    const qbk::FillArea fill = qbk::ProgressFillArea(width, height, range.iLow, range.iHigh, position, vertical);

    CDC screen;
    screen.Attach(target);
    CDC canvas, tiles;
    CBitmap offscreen;
    canvas.CreateCompatibleDC(&screen);
    tiles.CreateCompatibleDC(&screen);
    offscreen.CreateCompatibleBitmap(&screen, width, height);
    const HGDIOBJ oldCanvas = canvas.SelectObject(&offscreen);
    const HGDIOBJ oldTiles = tiles.SelectObject(&m_image);
    canvas.FillSolidRect(&client, m_backColor);
    for (int y = fill.Top; y < fill.Bottom; y += m_imageHeight)
        for (int x = fill.Left; x < fill.Right; x += m_imageWidth)
            canvas.BitBlt(x, y, std::min(m_imageWidth, fill.Right - x), std::min(m_imageHeight, fill.Bottom - y),
                          &tiles, 0, 0, SRCCOPY);
    HPALETTE oldPalette = nullptr;
    if ((screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) && m_palette.GetSafeHandle()) {
        oldPalette = ::SelectPalette(screen, m_palette, FALSE);
        ::RealizePalette(screen);
    }
    screen.BitBlt(0, 0, width, height, &canvas, 0, 0, SRCCOPY);
    if (oldPalette) ::SelectPalette(screen, oldPalette, FALSE);
    tiles.SelectObject(oldTiles);
    canvas.SelectObject(oldCanvas);
    screen.Detach();
}

LRESULT CImageProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!HasImage()) return CProgressCtrl::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return AnswerPaint(m_hWnd, wParam, [this](HDC dc) { Paint(dc); });
    default: return CProgressCtrl::WindowProc(message, wParam, lParam);
    }
}
