#include "flat_button.h"

#include <vector>

#include "control_notice.h"
#include "flat_button_rules.h"
#include "pixel_ops.h"

namespace {

constexpr COLORREF kDisabledTransparent = RGB(255, 0, 255);
constexpr WORD kMouseEnters = 6, kMouseLeaves = 7;
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_UPDATENOW;
constexpr UINT kRedrawErased = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

// A memory context over the screen with one bitmap selected, put back when it goes.
class SelectedBitmap {
public:
    explicit SelectedBitmap(HBITMAP bitmap) : m_dc(::CreateCompatibleDC(nullptr))
    {
        if (m_dc) m_old = ::SelectObject(m_dc, bitmap);
    }
    ~SelectedBitmap()
    {
        if (!m_dc) return;
        ::SelectObject(m_dc, m_old);
        ::DeleteDC(m_dc);
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old = nullptr;
};

// A one-bit mask of the bitmap, 1 where it shows the transparent colour; those pixels of the
// bitmap become black, so that drawing the mask with AND and the bitmap with OR leaves the
// background showing there. Null when it cannot be made.
HBITMAP CreateMask(HBITMAP bitmap, int width, int height, COLORREF transparent)
{
    HBITMAP mask = ::CreateBitmap(width, height, 1, 1, nullptr);
    if (!mask) return nullptr;
    SelectedBitmap image(bitmap), bits(mask);
    if (!image.Get() || !bits.Get()) {
        ::DeleteObject(mask);
        return nullptr;
    }
    ::SetBkColor(image.Get(), transparent);
    ::BitBlt(bits.Get(), 0, 0, width, height, image.Get(), 0, 0, SRCCOPY);
    ::SetTextColor(image.Get(), RGB(255, 255, 255));
    ::SetBkColor(image.Get(), RGB(0, 0, 0));
    ::BitBlt(image.Get(), 0, 0, width, height, bits.Get(), 0, 0, SRCAND);
    return mask;
}

// The embossed grey picture of the image, on the disabled image's transparent magenta.
std::unique_ptr<CImageBitmap> MakeDisabledImage(const CImageBitmap& normal, COLORREF transparent)
{
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    if (!normal.ReadPixels(&pixels, &width, &height)) return nullptr;
    auto disabled = std::make_unique<CImageBitmap>();
    if (!disabled->CreateCompatible(nullptr, width, height)) return nullptr;
    const std::vector<uint32_t> embossed =
        qbk::EmbossedPixels(pixels, width, height, qbk::ColorRefToPixel(transparent));
    if (!disabled->WritePixels(embossed.data())) return nullptr;
    return disabled;
}

// Takes ownership of image unless it is the one held already.
void Adopt(std::unique_ptr<CImageBitmap>& owner, CImageBitmap* image)
{
    if (owner.get() != image) owner.reset(image);
}

void Draw3dRect(CDC& dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight)
{
    const int x = r.left, y = r.top, cx = r.right - r.left, cy = r.bottom - r.top;
    dc.FillSolidRect(x, y, cx - 1, 1, topLeft);
    dc.FillSolidRect(x, y, 1, cy - 1, topLeft);
    dc.FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    dc.FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

}  // namespace

CFlatButton::CFlatButton()
{
    SetDefaultColors(false);
    HDC screen = ::GetDC(nullptr);
    if (screen) {
        m_colorDepth = ::GetDeviceCaps(screen, BITSPIXEL);
        ::ReleaseDC(nullptr, screen);
    }
}

CFlatButton::~CFlatButton()
{
    // The window goes first: nothing paints with the images once they are freed.
    if (GetSafeHwnd()) DestroyWindow();
    FreeImages();
}

BOOL CFlatButton::Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    m_checkStyle = (style & BS_CHECKBOX) != 0;
    // The button draws itself: the system's button only keeps its state and reports clicks.
    return CButton::Create(text, (style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW, rect, parent, id);
}

void CFlatButton::SetColor(int slot, COLORREF colour, bool redraw)
{
    if (slot < 0 || slot >= ColorSlots) return;
    m_colors[slot] = colour;
    if (redraw) Redraw(kRedrawNow);
}

void CFlatButton::GetColor(int slot, COLORREF* colour) const
{
    if (slot >= 0 && slot < ColorSlots && colour) *colour = m_colors[slot];
}

void CFlatButton::SetDefaultColors(bool redraw)
{
    m_colors[BackActive] = m_colors[BackNormal] = ::GetSysColor(COLOR_BTNFACE);
    m_colors[TextActive] = m_colors[TextNormal] = ::GetSysColor(COLOR_BTNTEXT);
    if (redraw) Redraw(kRedrawNow);
}

void CFlatButton::FreeImages()
{
    for (ImageSet& set : m_sets) {
        if (set.Mask) ::DeleteObject(set.Mask);
        set = ImageSet();
    }
}

bool CFlatButton::FillSet(ImageSet& set, CImageBitmap& image, COLORREF transparent)
{
    const CSize size = image.GetSize();
    if (size.cx <= 0 || size.cy <= 0) return false;
    set.Mask = CreateMask(image.GetHandle(), size.cx, size.cy, transparent);
    if (!set.Mask) return false;
    set.Bitmap = image.GetHandle();
    set.Width = size.cx;
    set.Height = size.cy;
    set.Transparent = transparent;
    return true;
}

bool CFlatButton::SetBitmaps(CImageBitmap* normal, COLORREF normalTransparent, CImageBitmap* hover,
                             COLORREF hoverTransparent)
{
    if (hover == normal) hover = nullptr;  // one image is owned once
    Adopt(m_normal, normal);
    Adopt(m_hover, hover);
    FreeImages();
    m_disabledImage.reset();
    if (!m_normal || !m_normal->GetSafeHandle()) {
        Redraw(kRedrawErased);
        return true;
    }
    // The disabled picture comes from the normal image before its mask blackens it.
    m_disabledImage = MakeDisabledImage(*m_normal, normalTransparent);
    bool made = m_disabledImage && FillSet(m_sets[DisabledSet], *m_disabledImage, kDisabledTransparent) &&
                FillSet(m_sets[NormalSet], *m_normal, normalTransparent);
    if (made && m_hover && m_hover->GetSafeHandle()) made = FillSet(m_sets[HoverSet], *m_hover, hoverTransparent);
    if (!made) {
        FreeImages();
        return false;
    }
    Redraw(kRedrawErased);
    return true;
}

void CFlatButton::SetAlign(int align)
{
    if (align >= qbk::AlignImageLeft && align <= qbk::AlignImageRight) m_align = align;
    Redraw(kRedrawNow);
}

void CFlatButton::SetChecked(bool checked, bool redraw)
{
    if (!m_checkStyle) return;
    m_checked = checked;
    if (redraw) Redraw(kRedrawNow);
}

void CFlatButton::Redraw(UINT flags)
{
    if (GetSafeHwnd()) ::RedrawWindow(m_hWnd, nullptr, nullptr, flags);
}

void CFlatButton::DropHover()
{
    if (!m_hovered) return;
    m_hovered = false;
    Redraw(kRedrawNow);
}

void CFlatButton::OnDrawBackground(CDC* dc, const RECT& rect)
{
    dc->FillSolidRect(&rect, m_colors[m_hovered || m_pressed ? BackActive : BackNormal]);
}

void CFlatButton::OnDrawBorder(CDC* dc, const RECT& rect)
{
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT), shadow = ::GetSysColor(COLOR_BTNSHADOW);
    Draw3dRect(*dc, rect, m_pressed ? shadow : light, m_pressed ? light : shadow);
}

void CFlatButton::PaintImage(CDC& dc, const CRect& client, CRect* text)
{
    const bool hasText = ::GetWindowTextLengthA(m_hWnd) > 0;
    const ImageSet& set = m_sets[qbk::FlatButtonImageSet(m_disabled, m_checkStyle, m_hovered, m_pressed,
                                                         m_sets[HoverSet].Bitmap != nullptr)];
    if (!set.Bitmap) return;
    const qbk::FlatButtonPlacement place =
        qbk::PlaceFlatButtonImage(client.Width(), client.Height(), CSize(set.Width, set.Height), m_align, hasText);
    *text = place.Text;
    CPoint at = place.Image;
    if (m_pressed && !m_checkStyle) at.Offset(1, 1);
    SelectedBitmap mask(set.Mask), image(set.Bitmap);
    const COLORREF oldText = dc.SetTextColor(RGB(0, 0, 0)), oldBack = dc.SetBkColor(RGB(255, 255, 255));
    ::BitBlt(dc, at.x, at.y, set.Width, set.Height, mask.Get(), 0, 0, SRCAND);
    ::BitBlt(dc, at.x, at.y, set.Width, set.Height, image.Get(), 0, 0, SRCPAINT);
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBack);
}

void CFlatButton::PaintText(CDC& dc, CRect text)
{
    const CString caption = GetWindowText();
    if (caption.IsEmpty()) return;
    constexpr UINT kFormat = DT_WORDBREAK | DT_CENTER;
    CRect measured = text;
    ::DrawTextA(dc, caption, -1, &measured, kFormat | DT_CALCRECT);
    CRect place(text.left, text.top + (text.Height() - measured.Height()) / 2, text.right, 0);
    place.bottom = place.top + measured.Height();
    if (m_pressed && !m_checkStyle) place.OffsetRect(1, 1);
    if (m_disabled) {
        CRect raised = place;
        raised.OffsetRect(1, 1);
        dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextA(dc, caption, -1, &raised, kFormat);
        dc.SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    } else {
        const bool active = m_hovered || m_pressed;
        dc.SetTextColor(m_colors[active ? TextActive : TextNormal]);
        dc.SetBkColor(m_colors[active ? BackActive : BackNormal]);
    }
    ::DrawTextA(dc, caption, -1, &place, kFormat);
}

void CFlatButton::Paint()
{
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(m_hWnd, &paint);
    CRect client;
    ::GetClientRect(m_hWnd, &client);
    const LRESULT state = SendMessage(BM_GETSTATE);
    m_pressed = m_checkStyle ? (state & BST_CHECKED) || m_checked : (state & BST_PUSHED) != 0;
    m_focus = (state & BST_FOCUS) != 0;
    m_disabled = !::IsWindowEnabled(m_hWnd);

    CDC memory;
    CBitmap canvas;
    if (target && memory.Attach(::CreateCompatibleDC(target)) &&
        canvas.Attach(::CreateBitmap(client.Width(), client.Height(), 1, UINT(m_colorDepth), nullptr))) {
        const HGDIOBJ oldBitmap = memory.SelectObject(&canvas);
        const HGDIOBJ oldFont = memory.SelectObject(HGDIOBJ(SendMessage(WM_GETFONT)));
        ::SetBkMode(memory, TRANSPARENT);
        OnDrawBackground(&memory, client);
        if ((m_pressed || m_hovered) && m_flat) OnDrawBorder(&memory, client);
        CRect text = client;
        PaintImage(memory, client, &text);
        PaintText(memory, text);
        if (m_showFocus && m_focus) {
            CRect inner = client;
            inner.DeflateRect(3, 3);
            ::DrawFocusRect(memory, &inner);
        }
        ::BitBlt(target, 0, 0, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
        if (oldFont) memory.SelectObject(oldFont);
        memory.SelectObject(oldBitmap);
    }
    ::EndPaint(m_hWnd, &paint);
}

void CFlatButton::OnMouseMove(WPARAM keys, LPARAM point)
{
    const bool leftDown = (keys & MK_LBUTTON) != 0;
    if (leftDown && !m_hovered) {
        Redraw(kRedrawNow);
        return;
    }
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!owner) owner = ::GetParent(m_hWnd);
    if (::GetCapture() != m_hWnd && ::GetActiveWindow() && owner) {
        m_hovered = true;
        ::SetCapture(m_hWnd);
        Redraw(kRedrawNow);
        if (!SendCommandNotice(*this, kMouseEnters)) return;
    } else {
        POINT screen = {short(LOWORD(point)), short(HIWORD(point))};
        ::ClientToScreen(m_hWnd, &screen);
        const HWND under = ::WindowFromPoint(screen);
        if (under && under != m_hWnd) {
            if (m_hovered) {
                m_hovered = false;
                Redraw(kRedrawNow);
                if (!SendCommandNotice(*this, kMouseLeaves)) return;
            }
            if (!leftDown) ::ReleaseCapture();
        }
    }
    SendCommandNotice(*this, WM_MOUSEMOVE);
}

LRESULT CFlatButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) DropHover();
        break;
    case WM_CAPTURECHANGED:
        // The system's button takes the capture for itself on a press: that changes nothing.
        if (m_hovered && reinterpret_cast<HWND>(lParam) != m_hWnd) {
            if (::GetCapture() == m_hWnd) ::ReleaseCapture();
            DropHover();
        }
        break;
    default: break;
    }
    const HWND window = m_hWnd;
    const LRESULT result = CButton::WindowProc(message, wParam, lParam);
    if (FromHandlePermanent(window) != this) return result;  // destroyed meanwhile
    switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); break;
    case WM_KILLFOCUS:
        DropHover();
        Redraw(kRedrawNow);
        break;
    case WM_ENABLE:
        if (!wParam) DropHover();
        Redraw(kRedrawNow);
        break;
    case WM_CANCELMODE: DropHover(); break;
    // The system's button changed its state; it draws nothing of an owner-drawn button itself.
    case BM_SETSTATE:
    case BM_SETCHECK:
    case WM_SETFOCUS:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETTEXT: Redraw(kRedrawNow); break;
    default: break;
    }
    return result;
}
