#include "fw_wnd.h"

#include <unordered_map>

namespace {

std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The object CreateEx makes a window for, until the creation hook has mapped it, and the hook.
CWnd* g_creating = nullptr;
HHOOK g_creationHook = nullptr;

WNDPROC CurrentProc(HWND window) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC)); }

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd) DestroyWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND handle)
{
    auto found = HandleMap().find(handle);
    return found == HandleMap().end() ? nullptr : found->second;
}

void CWnd::Map(HWND window)
{
    m_hWnd = window;
    HandleMap()[window] = this;
}

void CWnd::Unmap()
{
    HandleMap().erase(m_hWnd);
    m_hWnd = nullptr;
    m_previousProc = nullptr;
}

void CWnd::RouteMessages()
{
    const WNDPROC current = CurrentProc(m_hWnd);
    if (current == &FrameworkWindowProc) return;
    m_previousProc = current;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc));
}

bool CWnd::RestorePreviousProc()
{
    if (!m_previousProc) return true;
    if (CurrentProc(m_hWnd) != &FrameworkWindowProc) return false;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    return true;
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    // The first window made after CreateEx began is its window; later ones (children its class
    // makes while it is created) are not, and neither are nested CreateEx calls' (their own hook,
    // installed after this one, runs first and has taken its window by then).
    if (code == HCBT_CREATEWND && g_creating) {
        CWnd* window = g_creating;
        g_creating = nullptr;
        window->Map(reinterpret_cast<HWND>(wParam));
        window->RouteMessages();
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
    if (m_hWnd) return FALSE;
    CWnd* const outerCreating = g_creating;
    const HHOOK outerHook = g_creationHook;
    g_creating = this;
    g_creationHook = ::SetWindowsHookExA(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
    const HWND window =
        ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, idOrMenu, nullptr, param);
    if (g_creationHook) ::UnhookWindowsHookEx(g_creationHook);
    const bool hookMissed = g_creating == this;
    g_creating = outerCreating;
    g_creationHook = outerHook;
    if (!window) {
        if (m_hWnd) Unmap();  // a creation refused after the hook had mapped the handle
        return FALSE;
    }
    if (hookMissed) SubclassWindow(window);  // no hook: routed from now on
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    const HWND window = m_hWnd;
    if (!window) return FALSE;
    const BOOL destroyed = ::DestroyWindow(window);
    // A routed window has let go on WM_NCDESTROY, and its object may be gone by now (PostNcDestroy);
    // an attached one has not seen the message pass here.
    if (destroyed && FromHandlePermanent(window) == this) Unmap();
    return destroyed;
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (m_hWnd || !window || !::IsWindow(window) || FromHandlePermanent(window)) return FALSE;
    Map(window);
    RouteMessages();
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd || !RestorePreviousProc()) return nullptr;
    const HWND window = m_hWnd;
    Unmap();
    return window;
}

BOOL CWnd::Attach(HWND window)
{
    if (m_hWnd || !window || FromHandlePermanent(window)) return FALSE;
    Map(window);
    return TRUE;
}

HWND CWnd::Detach()
{
    if (!m_hWnd) return nullptr;
    RestorePreviousProc();
    const HWND window = m_hWnd;
    Unmap();
    return window;
}

CString CWnd::GetWindowText() const
{
    CString text;
    const int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0) return text;
    const int copied = ::GetWindowTextA(m_hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer(copied);
    return text;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return DefWindowProc(message, wParam, lParam); }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_previousProc ? ::CallWindowProcA(m_previousProc, m_hWnd, message, wParam, lParam)
                          : ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::FrameworkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = FromHandlePermanent(window);
    if (!object) return ::DefWindowProcA(window, message, wParam, lParam);
    const LRESULT result = object->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The previous procedure has had the message through WindowProc; the window is gone now,
        // so the object lets go before PostNcDestroy, which may delete it.
        object->Unmap();
        object->PostNcDestroy();
    }
    return result;
}

bool RegisterFrameworkClass(const char* name, UINT classStyle)
{
    WNDCLASSA type = {};
    type.style = classStyle;
    type.lpfnWndProc = &CWnd::FrameworkWindowProc;
    type.hInstance = ::GetModuleHandleA(nullptr);
    type.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    type.lpszClassName = name;
    return ::RegisterClassA(&type) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
