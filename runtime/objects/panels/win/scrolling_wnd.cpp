#include "scrolling_wnd.h"

#include <cmath>
#include <memory>

#include <mmsystem.h>

#include "paint_message.h"

namespace {

// The font the window draws with, selected for as long as the object lives.
class SelectedFont {
public:
    SelectedFont(HDC dc, HWND window) : m_dc(dc)
    {
        const HFONT font = HFONT(::SendMessageA(window, WM_GETFONT, 0, 0));
        m_old = font ? ::SelectObject(dc, font) : nullptr;
    }
    ~SelectedFont()
    {
        if (m_old) ::SelectObject(m_dc, m_old);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

}  // namespace

CScrollingWnd::CScrollingWnd() : m_backColor(::GetSysColor(COLOR_BTNFACE)), m_textColor(::GetSysColor(COLOR_BTNTEXT)) {}

BOOL CScrollingWnd::Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CStatic::Create(text, (style & ~DWORD(SS_TYPEMASK)) | SS_OWNERDRAW, rect, parent, id);
}

UINT CScrollingWnd::MeasureFormat() const
{
    // DrawText centres vertically or aligns to the bottom only a single line.
    return m_textFormat | ((m_textFormat & (DT_VCENTER | DT_BOTTOM)) ? DT_SINGLELINE : 0) | DT_CALCRECT;
}

CSize CScrollingWnd::MeasureText() const
{
    if (!m_hWnd) return CSize(0, 0);
    RECT rect;
    ::GetClientRect(m_hWnd, &rect);
    const CString text = GetWindowText();
    HDC screen = ::GetDC(m_hWnd);
    HDC dc = ::CreateCompatibleDC(screen);
    {
        SelectedFont font(dc, m_hWnd);
        ::DrawTextA(dc, text, -1, &rect, MeasureFormat());
    }
    ::DeleteDC(dc);
    ::ReleaseDC(m_hWnd, screen);
    return CSize(rect.right - rect.left, rect.bottom - rect.top);
}

qbk::TextExtent CScrollingWnd::Extent() const
{
    const CSize text = MeasureText();
    RECT client = {};
    if (m_hWnd) ::GetClientRect(m_hWnd, &client);
    return {int(text.cx), int(text.cy), int(client.right), int(client.bottom)};
}

void CScrollingWnd::SetSpeed(double x, double y)
{
    m_motion.Start(x, y, Extent());
    m_lastTick = ::timeGetTime();
    if (!m_hWnd) return;
    ::KillTimer(m_hWnd, kTimerId);
    if (m_motion.IsMoving()) ::SetTimer(m_hWnd, kTimerId, kTickMs, nullptr);
}

void CScrollingWnd::Redraw()
{
    if (!m_hWnd) return;
    if (!m_transparent) {
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return;
    }
    const HWND parent = ::GetParent(m_hWnd);
    RECT area;
    ::GetWindowRect(m_hWnd, &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CScrollingWnd::Paint(HDC target)
{
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;
    CDC screen;
    screen.Attach(target);
    CImageBitmap canvas;
    if (!canvas.CreateCompatible(&screen, width, height)) {
        screen.Detach();
        return;
    }
    const bool withImage = m_hasImage && m_image.GetSafeHandle();
    {
        std::unique_ptr<CDC> dc(canvas.CreateMemDC(&screen));
        if (withImage && m_stretch) {
            m_image.Draw(dc.get(), 0, 0, width, height, true);
        } else if (withImage) {
            const CSize tile = m_image.GetSize();
            for (int y = 0; y < height; y += tile.cy)
                for (int x = 0; x < width; x += tile.cx) m_image.Draw(dc.get(), x, y, tile.cx, tile.cy, false);
        } else {
            dc->FillSolidRect(&client, m_backColor);
        }
        RECT place = client;
        ::OffsetRect(&place, int(std::trunc(m_motion.X())), int(std::trunc(m_motion.Y())));
        const CString text = GetWindowText();
        SelectedFont font(*dc, m_hWnd);
        ::SetBkMode(*dc, TRANSPARENT);
        ::SetTextColor(*dc, m_textColor);
        ::DrawTextA(*dc, text, -1, &place, m_textFormat);
    }
    if (m_transparent && !withImage) {
        canvas.SetTransparentColor(m_backColor);
        canvas.DrawTransparent(&screen, 0, 0, width, height, false);
    } else {
        canvas.Draw(&screen, 0, 0, width, height, false);
    }
    screen.Detach();
}

LRESULT CScrollingWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return AnswerPaint(m_hWnd, wParam, [this](HDC dc) { Paint(dc); });
    case WM_TIMER:
        if (wParam == kTimerId) {
            const DWORD now = ::timeGetTime();
            m_motion.Advance(now - m_lastTick, Extent());
            m_lastTick = now;
            Redraw();
        }
        break;
    case WM_SETTEXT: {
        const LRESULT result = CStatic::WindowProc(message, wParam, lParam);
        Redraw();
        return result;
    }
    default: break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}
