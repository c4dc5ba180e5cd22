#include "KWnd.h"

#include "KLibrary.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

const char* const CLASS_KWND = "CLASS_KWND";

namespace {

// Every constructed KWnd, not owned. One thread owns all windows, so it is not locked.
std::vector<KWnd*>& Registry()
{
    static std::vector<KWnd*> registry;
    return registry;
}

}  // namespace

LRESULT CALLBACK KWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    KWnd* w = KWnd::FindByHandle(hwnd);
    if (!w) return DefWindowProcA(hwnd, msg, wp, lp);
    LRESULT result = 0;
    if (w->PreHandle(msg, wp, lp, &result)) return result;
    const bool buffered = msg == WM_ERASEBKGND && w->background_ != KWND_DIRECT_BACKGROUND;
    const int depth = w->eraseDepth_;
    result = w->OnMessage(msg, wp, lp);
    // The handler may have deleted its own object.
    if (KWnd::FindByHandle(hwnd) != w) return result;
    if (buffered && w->eraseDepth_ == depth && depth > 0) {
        // A handler that swallowed the erase never lowered the depth: free the memory context here.
        if (--w->eraseDepth_ == 0) w->ReleaseEraseContext();
    }
    if (msg == WM_NCDESTROY && w->hwnd_ == hwnd) w->hwnd_ = nullptr;
    return result;
}

KWnd::KWnd()
{
    Registry().push_back(this);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea_, 0);
    minTrackWidth_ = GetSystemMetrics(SM_CXMIN);
    minTrackHeight_ = GetSystemMetrics(SM_CYMIN);
}

KWnd::~KWnd()
{
    // Deleting the object is deliberate teardown, not the user ending the program.
    quitOnDestroy_ = false;
    Destroy();
    ReleaseEraseContext();
    auto& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
}

bool KWnd::RegisterClass(HINSTANCE instance)
{
    Registry().clear();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = KWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = CLASS_KWND;
    return RegisterClassExA(&wc) != 0;
}

void KWnd::UnregisterClass(HINSTANCE instance)
{
    ::UnregisterClassA(CLASS_KWND, instance);
    auto& registry = Registry();
    registry.clear();
    registry.shrink_to_fit();
}

KWnd* KWnd::FindByHandle(HWND hwnd)
{
    if (!hwnd) return nullptr;
    for (KWnd* w : Registry())
        if (w->hwnd_ == hwnd) return w;
    return nullptr;
}

int KWnd::RegisteredCount() { return static_cast<int>(Registry().size()); }

void KWnd::ResetFields()
{
    hwnd_ = nullptr;
    eraseDepth_ = 0;
    modalWaiting_ = false;
    modalResult_ = 0;
    cursor_ = nullptr;
    font_ = nullptr;
}

bool KWnd::Create(const char* title, DWORD style, DWORD exStyle, const RECT* rect, HWND parent, HMENU menuOrId,
                  LPARAM createData, HINSTANCE instance)
{
    if (hwnd_) return false;
    ResetFields();
    const bool visible = (style & WS_VISIBLE) != 0;
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    if (!parent) style |= WS_POPUP;
    int x = 0, y = 0, width = 0, height = 0;
    if (rect) {
        x = rect->left;
        y = rect->top;
        width = rect->right - rect->left;
        height = rect->bottom - rect->top;
    }
    if (!instance) instance = KLibrary::Instance();
    if (!instance) instance = GetModuleHandleA(nullptr);
    HWND hwnd = CreateWindowExA(exStyle, CLASS_KWND, title ? title : "", style, x, y, width, height, parent, menuOrId,
                                instance, nullptr);
    if (!hwnd) return false;
    hwnd_ = hwnd;
    if (KWndProc(hwnd, KWM_CREATED, 0, createData) != 0) {
        Destroy();
        return false;
    }
    if (visible && hwnd_) ShowWindow(hwnd_, SW_SHOW);
    return hwnd_ != nullptr;
}

bool KWnd::Destroy()
{
    if (!hwnd_) return false;
    HWND hwnd = hwnd_;
    ShowWindow(hwnd, SW_HIDE);
    const bool destroyed = DestroyWindow(hwnd) != 0;
    if (!destroyed) return false;
    hwnd_ = nullptr;
    return true;
}

void KWnd::Center(bool onParent)
{
    if (!hwnd_) return;
    RECT area = workArea_;
    HWND parent = GetParent(hwnd_);
    if (onParent && parent) ::GetWindowRect(parent, &area);
    RECT r;
    ::GetWindowRect(hwnd_, &r);
    POINT pt = {(area.left + area.right) / 2 - (r.right - r.left) / 2,
                (area.top + area.bottom) / 2 - (r.bottom - r.top) / 2};
    const bool child = parent && !(GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_POPUP);
    if (child) ::ScreenToClient(parent, &pt);
    SetWindowPos(hwnd_, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

KString KWnd::GetText() const
{
    if (!hwnd_) return KString("");
    const int length = GetWindowTextLengthA(hwnd_);
    if (length <= 0) return KString("");
    std::vector<char> text(static_cast<size_t>(length) + 1);
    GetWindowTextA(hwnd_, text.data(), length + 1);
    return KString(text.data());
}

void KWnd::SetTrackSize(int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    minTrackWidth_ = minWidth;
    minTrackHeight_ = minHeight;
    maxTrackWidth_ = maxWidth;
    maxTrackHeight_ = maxHeight;
}

void KWnd::SetScrollSteps(int vLine, int vPage, int hLine, int hPage)
{
    vLine_ = vLine;
    vPage_ = vPage;
    hLine_ = hLine;
    hPage_ = hPage;
}

void KWnd::BeginModal()
{
    modalWaiting_ = true;
    modalResult_ = 0;
}

void KWnd::EndModal(int result)
{
    if (!modalWaiting_) return;
    modalResult_ = result;
    modalWaiting_ = false;
}

void KWnd::PaintBackground(HDC dc) const
{
    RECT r;
    ::GetClientRect(hwnd_, &r);
    HBRUSH brush = CreateSolidBrush(background_ & 0x00FFFFFF);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void KWnd::ReleaseEraseContext()
{
    if (eraseDC_) {
        SelectObject(eraseDC_, eraseOldBitmap_);
        DeleteDC(eraseDC_);
    }
    if (eraseBitmap_) DeleteObject(eraseBitmap_);
    eraseDC_ = nullptr;
    eraseBitmap_ = nullptr;
    eraseOldBitmap_ = nullptr;
}

bool KWnd::PreHandle(UINT msg, WPARAM wp, LPARAM& lp, LRESULT* result)
{
    switch (msg) {
    case KWM_CREATED:
        eraseDepth_ = 0;
        if (kind_ == 0) background_ = GetSysColor(COLOR_BTNFACE);
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(KLibrary::DefaultFont()), TRUE);
        cursor_ = nullptr;
        return false;
    case WM_SETFONT: font_ = reinterpret_cast<HFONT>(wp); return false;
    case WM_GETFONT:
        OnMessage(msg, wp, lp);
        *result = reinterpret_cast<LRESULT>(font_);
        return true;
    case WM_SETCURSOR:
        if (!cursor_) return false;
        ::SetCursor(cursor_);
        *result = TRUE;
        return true;
    case WM_INITMENUPOPUP: ::SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW))); return false;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        if (minTrackWidth_ >= 0) info->ptMinTrackSize.x = minTrackWidth_;
        if (minTrackHeight_ >= 0) info->ptMinTrackSize.y = minTrackHeight_;
        if (maxTrackWidth_ >= 0) info->ptMaxTrackSize.x = maxTrackWidth_;
        if (maxTrackHeight_ >= 0) info->ptMaxTrackSize.y = maxTrackHeight_;
        return false;
    }
    case WM_ERASEBKGND: {
        HDC dc = reinterpret_cast<HDC>(wp);
        if (background_ == KWND_DIRECT_BACKGROUND) {
            PaintBackground(dc);
            return false;
        }
        if (++eraseDepth_ != 1) return false;
        ReleaseEraseContext();
        const int width = ClientWidth(), height = ClientHeight();
        eraseBitmap_ = width > 0 && height > 0 ? CreateCompatibleBitmap(dc, width, height) : nullptr;
        eraseDC_ = eraseBitmap_ ? CreateCompatibleDC(dc) : nullptr;
        if (!eraseDC_) {
            // No memory context to be had: erase straight into the window.
            ReleaseEraseContext();
            PaintBackground(dc);
            return false;
        }
        eraseOldBitmap_ = SelectObject(eraseDC_, eraseBitmap_);
        PaintBackground(eraseDC_);
        lp = reinterpret_cast<LPARAM>(eraseDC_);
        return false;
    }
    case WM_DESTROY:
        if (quitOnDestroy_) PostQuitMessage(0);
        return false;
    default: return false;
    }
}

LRESULT KWnd::Scroll(int bar, WORD code, int thumb)
{
    const bool vertical = bar == SB_VERT;
    const int line = vertical ? vLine_ : hLine_, page = vertical ? vPage_ : hPage_;
    int minPos = 0, maxPos = 0;
    ::GetScrollRange(hwnd_, bar, &minPos, &maxPos);
    int pos = ::GetScrollPos(hwnd_, bar);
    switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = thumb; break;
    case SB_TOP: pos = minPos; break;
    case SB_BOTTOM: pos = maxPos; break;
    default: break;
    }
    pos = std::max(minPos, std::min(pos, maxPos));
    ::SetScrollPos(hwnd_, bar, pos, TRUE);
    return 0;
}

LRESULT KWnd::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND:
        if (background_ == KWND_DIRECT_BACKGROUND) return 1;
        if (eraseDepth_ > 0 && --eraseDepth_ == 0) {
            if (eraseDC_)
                BitBlt(reinterpret_cast<HDC>(wp), 0, 0, ClientWidth(), ClientHeight(), eraseDC_, 0, 0, SRCCOPY);
            ReleaseEraseContext();
        }
        return 1;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (lp != 0) break;  // a scroll bar control's own message
        return Scroll(msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wp), static_cast<short>(HIWORD(wp)));
    case WM_SIZE: {
        const LRESULT result = DefWindowProcA(hwnd_, msg, wp, lp);
        std::vector<HWND> children;
        for (KWnd* w : Registry())
            if (w->hwnd_ && GetParent(w->hwnd_) == hwnd_) children.push_back(w->hwnd_);
        for (HWND child : children)
            if (IsWindow(child)) SendMessageA(child, KWM_PARENT_RESIZED, wp, lp);
        return result;
    }
    case WM_DESTROY: {
        // The window is gone: a modal wait on it ends with result 0.
        if (modalWaiting_) modalResult_ = 0;
        modalWaiting_ = false;
        HWND hwnd = hwnd_;
        hwnd_ = nullptr;
        eraseDepth_ = 0;
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    case KWM_CREATED:
    case KWM_NOTHING: return 0;
    case KWM_MODAL_OK:
    case KWM_MODAL_CANCEL: EndModal(msg == KWM_MODAL_OK ? 1 : 0); return 0;
    default: break;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT KWnd::Send(UINT msg, WPARAM wp, LPARAM lp) const { return hwnd_ ? SendMessageA(hwnd_, msg, wp, lp) : 0; }

bool KWnd::GetWindowRect(RECT* rect) const { return hwnd_ && ::GetWindowRect(hwnd_, rect); }

bool KWnd::Move(int x, int y, int width, int height, bool repaint) const
{
    return hwnd_ && MoveWindow(hwnd_, x, y, width, height, repaint);
}

bool KWnd::ScreenToClient(POINT* pt) const { return hwnd_ && ::ScreenToClient(hwnd_, pt); }

// Maps both corners of a rectangle; toScreen chooses the direction.
static bool MapRect(HWND hwnd, RECT* rect, bool toScreen)
{
    POINT a = {rect->left, rect->top}, b = {rect->right, rect->bottom};
    const bool ok = toScreen ? ::ClientToScreen(hwnd, &a) && ::ClientToScreen(hwnd, &b)
                             : ::ScreenToClient(hwnd, &a) && ::ScreenToClient(hwnd, &b);
    if (ok) *rect = {a.x, a.y, b.x, b.y};
    return ok;
}

bool KWnd::ClientToScreen(RECT* rect) const { return hwnd_ && MapRect(hwnd_, rect, true); }

bool KWnd::ScreenToClient(RECT* rect) const { return hwnd_ && MapRect(hwnd_, rect, false); }

bool KWnd::Invalidate(const RECT* rect, bool erase) const { return hwnd_ && InvalidateRect(hwnd_, rect, erase); }

bool KWnd::Validate(const RECT* rect) const { return hwnd_ && ValidateRect(hwnd_, rect); }

int KWnd::SetScrollPos(int bar, int pos, bool redraw) const
{
    return hwnd_ ? ::SetScrollPos(hwnd_, bar, pos, redraw) : 0;
}

bool KWnd::GetScrollRange(int bar, int* minPos, int* maxPos) const
{
    return hwnd_ && ::GetScrollRange(hwnd_, bar, minPos, maxPos);
}

HMENU KWnd::GetMenu() const
{
    HMENU menu = hwnd_ ? ::GetMenu(hwnd_) : nullptr;
    return menu && IsMenu(menu) ? menu : nullptr;
}

bool KWnd::Redraw(const RECT* rect, HRGN region, UINT flags) const
{
    return hwnd_ && RedrawWindow(hwnd_, rect, region, flags);
}

bool KWnd::SetPosition(int x, int y) const
{
    return hwnd_ && SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int KWnd::ClientWidth() const
{
    RECT r = {};
    if (hwnd_) ::GetClientRect(hwnd_, &r);
    return r.right - r.left;
}

int KWnd::ClientHeight() const
{
    RECT r = {};
    if (hwnd_) ::GetClientRect(hwnd_, &r);
    return r.bottom - r.top;
}

int KWnd::Width() const
{
    RECT r = {};
    if (hwnd_) ::GetWindowRect(hwnd_, &r);
    return std::abs(r.right - r.left);
}

int KWnd::Height() const
{
    RECT r = {};
    if (hwnd_) ::GetWindowRect(hwnd_, &r);
    return std::abs(r.bottom - r.top);
}

int KWnd::GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }

void KWnd::SetCheck(int state) const { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }

POINT KWnd::ClientOrigin() const
{
    POINT origin = {0, 0};
    if (!hwnd_) return origin;
    RECT window;
    ::GetWindowRect(hwnd_, &window);
    ::ClientToScreen(hwnd_, &origin);
    origin.x -= window.left;
    origin.y -= window.top;
    return origin;
}
