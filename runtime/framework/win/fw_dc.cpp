#include "fw_dc.h"

CDC::~CDC() { DeleteDC(); }

BOOL CDC::Attach(HDC dc)
{
    if (!dc || m_hDC) return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->GetSafeHdc() : nullptr)); }

BOOL CDC::DeleteDC()
{
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->GetSafeHdc() : nullptr, xSrc, ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth, int srcHeight,
                     DWORD rop)
{
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->GetSafeHdc() : nullptr, xSrc, ySrc, srcWidth,
                        srcHeight, rop);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF colour)
{
    RECT rect = {x, y, x + width, y + height};
    FillSolidRect(&rect, colour);
}

void CDC::FillSolidRect(const RECT* rect, COLORREF colour)
{
    COLORREF old = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}
