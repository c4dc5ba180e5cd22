#include "picture_static.h"

#include "digit_display_rules.h"
#include "image_bitmap.h"

namespace {

constexpr COLORREF kNoColour = COLORREF(-1);

}  // namespace

bool CPictureStatic::LoadStrip(UINT resourceId, int digits)
{
    const HBITMAP loaded = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
    if (!loaded) return false;
    m_strip.DeleteObject();
    if (!m_strip.Attach(loaded)) {
        ::DeleteObject(loaded);
        return false;
    }
    TakeCellSize();
    m_digits = qbk::ClampDigits(digits);
    return true;
}

CBitmap& CPictureStatic::GetBitmap()
{
    m_strip.DeleteObject();
    return m_strip;
}

bool CPictureStatic::SetBitmap()
{
    TakeCellSize();
    Redraw();
    return true;
}

void CPictureStatic::TakeCellSize()
{
    BITMAP description = {};
    if (!HasStrip() || !m_strip.GetBitmap(&description)) description = BITMAP();
    m_cellWidth = description.bmWidth / qbk::kDigitStripCells;
    m_cellHeight = description.bmHeight;
}

void CPictureStatic::SetDigitCount(int digits) { m_digits = qbk::ClampDigits(digits); }

void CPictureStatic::SetValue(int value, bool redraw)
{
    m_value = value;
    if (redraw) Redraw();
}

void CPictureStatic::SetLeadingZeros(int flag, int redraw)
{
    m_leadingZeros = flag;
    if (redraw == 1) Redraw();
}

CString CPictureStatic::FormatText() const { return CString(qbk::DigitText(m_value, m_digits)); }

void CPictureStatic::Redraw()
{
    if (!GetSafeHwnd()) return;
    const HWND parent = ::GetParent(m_hWnd);
    if (m_transparent == kNoColour || !parent) {
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }
    // Cells with see-through pixels go over what the window behind them paints afresh, not over
    // the digits they showed before.
    RECT place;
    ::GetWindowRect(m_hWnd, &place);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    ::RedrawWindow(parent, &place, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CPictureStatic::Paint()
{
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(m_hWnd, &paint);
    // A strip too narrow for twelve cells shows no digits.
    if (target && HasStrip() && m_cellWidth > 0) {
        CDC dc, strip;
        dc.Attach(target);
        strip.CreateCompatibleDC(&dc);
        const HGDIOBJ old = strip.SelectObject(&m_strip);
        const CString text = FormatText();
        for (int i = 0, x = 0; i < text.GetLength(); ++i, x += m_cellWidth) {
            const int cell = qbk::DigitCell(text[i], m_leadingZeros != 0, m_value);
            if (m_transparent == kNoColour) {
                dc.BitBlt(x, 0, m_cellWidth, m_cellHeight, &strip, m_cellWidth * cell, 0, SRCCOPY);
                continue;
            }
            CImageBitmap one;
            if (!one.CreateCompatible(&dc, m_cellWidth, m_cellHeight)) continue;
            {
                CDC copy;
                copy.CreateCompatibleDC(&dc);
                const HGDIOBJ previous = copy.SelectObject(&one);
                copy.BitBlt(0, 0, m_cellWidth, m_cellHeight, &strip, m_cellWidth * cell, 0, SRCCOPY);
                copy.SelectObject(previous);
            }
            one.SetTransparentColor(m_transparent);
            one.DrawTransparent(&dc, x, 0, m_cellWidth, m_cellHeight, false);
        }
        strip.SelectObject(old);
        dc.Detach();
    }
    ::EndPaint(m_hWnd, &paint);
}

LRESULT CPictureStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
        if (HasStrip() && m_cellWidth > 0) m_digits = qbk::DigitsForWidth(LOWORD(lParam), m_cellWidth);
        break;
    default: break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}
