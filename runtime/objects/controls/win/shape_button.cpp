#include "shape_button.h"

#include <memory>

#include "control_notice.h"
#include "shape_image_rules.h"

namespace {

constexpr COLORREF kNoColour = COLORREF(-1);
constexpr WORD kMouseEnters = 7, kMouseLeaves = 8;

CPoint PointOf(LPARAM point) { return CPoint(short(LOWORD(point)), short(HIWORD(point))); }

}  // namespace

BOOL CShapeButton::Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CButton::Create(text, (style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW, rect, parent, id);
}

CRect CShapeButton::Target() const
{
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    return qbk::ShapeImageTarget(client.Size(), m_image.GetSize(), m_stretch, m_horizontal, m_vertical);
}

void CShapeButton::RedrawWithBackground()
{
    const HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!parent) return;
    RECT area;
    ::GetWindowRect(m_hWnd, &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool CShapeButton::HitTest(int x, int y)
{
    if (m_transparent == kNoColour) return false;
    CPoint pixel;
    if (!m_image.GetSafeHandle() ||
        !qbk::ShapeImagePixelAt(Target(), m_image.GetSize(), m_stretch, CPoint(x, y), &pixel))
        return true;
    std::unique_ptr<CDC> dc(m_image.CreateMemDC());
    return dc && (dc->GetPixel(pixel.x, pixel.y) & 0xFFFFFF) == (m_transparent & 0xFFFFFF);
}

void CShapeButton::Paint()
{
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(m_hWnd, &paint);
    CDC dc;
    if (target && dc.Attach(target)) {
        CRect client;
        ::GetClientRect(m_hWnd, &client);
        const CRect place = Target();
        if (!m_image.GetSafeHandle()) {
            dc.FillSolidRect(&client, m_back);
        } else if (m_transparent != kNoColour) {
            m_image.SetTransparentColor(m_transparent);
            m_image.DrawTransparentRect(&dc, place.left, place.top, place.right, place.bottom, m_stretch);
        } else {
            m_image.DrawRect(&dc, place.left, place.top, place.right, place.bottom, m_stretch);
            if (!m_stretch) {
                const int W = client.right, H = client.bottom;
                dc.FillSolidRect(0, 0, W, place.top, m_back);
                dc.FillSolidRect(0, place.bottom, W, H - place.bottom, m_back);
                dc.FillSolidRect(0, place.top, place.left, place.Height(), m_back);
                dc.FillSolidRect(place.right, place.top, W - place.right, place.Height(), m_back);
            }
        }
        dc.Detach();
    }
    ::EndPaint(m_hWnd, &paint);
}

void CShapeButton::OnMouseMove(LPARAM point)
{
    const CPoint at = PointOf(point);
    const bool transparent = HitTest(at.x, at.y);
    if (!transparent && ::GetCapture() != m_hWnd) {
        m_hovered = true;
        ::SetCapture(m_hWnd);
        if (!SendCommandNotice(*this, kMouseEnters)) return;
        SendCommandNotice(*this, WM_MOUSEMOVE);
        return;
    }
    POINT screen = at;
    ::ClientToScreen(m_hWnd, &screen);
    const HWND under = ::WindowFromPoint(screen);
    if ((under && under != m_hWnd) || transparent) {
        if (m_hovered) {
            m_hovered = false;
            if (!SendCommandNotice(*this, kMouseLeaves)) return;
        }
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
        if (!transparent) SendCommandNotice(*this, WM_MOUSEMOVE);
        return;
    }
    SendCommandNotice(*this, WM_MOUSEMOVE);
}

LRESULT CShapeButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsMouseButtonMessage(message)) {
        const CPoint at = PointOf(lParam);
        if (!HitTest(at.x, at.y)) SendCommandNotice(*this, WORD(message));
        return 0;  // the system's button never sees them: no focus, no pushed state, no BN_CLICKED
    }
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
    case WM_NCHITTEST: {
        // The transparent parts belong to the window behind.
        POINT at = {short(LOWORD(lParam)), short(HIWORD(lParam))};
        ::ScreenToClient(m_hWnd, &at);
        if (::GetCapture() != m_hWnd && HitTest(at.x, at.y)) return HTTRANSPARENT;
        break;
    }
    default: break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}
