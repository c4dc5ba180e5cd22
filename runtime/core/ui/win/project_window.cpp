#include "project_window.h"

#include "window_messages.h"

namespace {

// Lets the parts of the window's objects answer the message first.
bool AskListeners(WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    for (int i = 0; i < window.GetObjectCount(); ++i) {
        ObjectRecord* object = window.GetObjectAt(i);
        auto* listener = object && object->Part ? dynamic_cast<WindowMessageListener*>(object->Part.get()) : nullptr;
        if (listener && listener->OnWindowMessage(window, *object, message, wParam, lParam, result)) return true;
    }
    return false;
}

}  // namespace

CProjectWnd::~CProjectWnd()
{
    if (m_outline) ::DeleteObject(m_outline);
}

WindowRecord* CProjectWnd::Record() const { return m_hWnd ? m_runtime.FindWindowRecordByHandle(m_hWnd) : nullptr; }

void CProjectWnd::SetOutline(HRGN region)
{
    if (m_outline) ::DeleteObject(m_outline);
    m_outline = region;
}

void CProjectWnd::ApplyOutline(BOOL redraw)
{
    if (!m_outline || !m_hWnd) return;
    HRGN copy = ::CreateRectRgn(0, 0, 0, 0);
    if (!copy) return;
    if (::CombineRgn(copy, m_outline, nullptr, RGN_COPY) == ERROR || !::SetWindowRgn(m_hWnd, copy, redraw))
        ::DeleteObject(copy);
}

LRESULT CProjectWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_mdiChild) return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
    return CSelfDeletingWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT CProjectWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* window = Record();
    if (!window || !window->Self() || m_tearingDown) return DefWindowProc(message, wParam, lParam);
    const WindowMessage m{m_runtime, *window, *this, message, wParam, lParam};
    if (window->Quiet) return QuietWindowProc(m);
    LRESULT result = 0;
    if (AskListeners(*window, message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_CLOSE: return OnClose(m);
    case WM_DESTROY: return OnDestroy(m);
    default: break;
    }
    if (HandleInputMessage(m, &result) || HandleControlMessage(m, &result)) return result;
    return m.Default();
}

void DestroyWindowInstance(CWnd* window)
{
    if (!window) return;
    if (window->DeletesItself())
        window->DestroyWindow();  // the object goes with its window
    else
        delete window;
}
