// Closing a project window: the windows inside it and, for "MAIN", every other window are asked
// first, then the window's own close event; any "-1" keeps the window open. Destroying it releases
// what its objects hold and closes their windows.
#include "window_messages.h"
#include "window_services.h"

namespace {

constexpr LRESULT kRefused = -1;

bool IsProjectWindow(CProjectRuntime& runtime, HWND window)
{
    return window && runtime.FindWindowRecordByHandle(window) != nullptr;
}

// Asks the project windows among the window's children to close.
bool CloseChildren(const WindowMessage& m)
{
    HWND child = ::GetTopWindow(m.Wnd);
    while (child) {
        const HWND next = ::GetWindow(child, GW_HWNDNEXT);  // before the child goes
        if (IsProjectWindow(m.Runtime, child) && ::SendMessageA(child, WM_CLOSE, 0, 0) == kRefused) return false;
        child = next;
    }
    return true;
}

// Asks the children of every MDI client of the window to close, the active one first, until none
// is left or the same child comes back (one that stays open without refusing, or a foreign one).
bool CloseMdiChildren(const WindowMessage& m)
{
    for (int i = qbk::kBuiltInObjectCount; i < m.Window.GetObjectCount(); ++i) {
        ObjectRecord* object = m.Window.GetObjectAt(i);
        const HWND client = object->Type == qbk::TypeMdiWindow ? ObjectHandle(object) : nullptr;
        if (!client) continue;
        HWND previous = nullptr;
        for (HWND active = HWND(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); active && active != previous;
             active = HWND(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0))) {
            if (IsProjectWindow(m.Runtime, active) && ::SendMessageA(active, WM_CLOSE, 0, 0) == kRefused) return false;
            previous = active;
        }
    }
    return true;
}

bool CloseOtherWindows(const WindowMessage& m)
{
    for (int i = 0; i < m.Runtime.GetWindowCount(); ++i) {
        WindowRecord* other = m.Runtime.GetWindowAt(i);
        if (other == &m.Window) continue;
        const HWND handle = ObjectHandle(other->Self());
        if (handle && ::SendMessageA(handle, WM_CLOSE, 0, 0) == kRefused) return false;
    }
    return true;
}

// Releases what the object holds and, for the objects inside the window, their windows.
void ReleaseObject(CProjectRuntime& runtime, ObjectRecord& object, bool isWindowItself)
{
    if (runtime.m_hooks.releaseObjectResources) runtime.m_hooks.releaseObjectResources(runtime, object);
    object.Part.reset();
    object.Numbers.clear();
    object.TextList.RemoveAll();
    if (CWnd* second = object.SecondWindowObject) {
        const int forward = runtime.FindForwardingIndex(second);
        if (forward >= 0) runtime.m_forwardWindows.erase(runtime.m_forwardWindows.begin() + forward);
        object.SecondWindowObject = nullptr;
        DestroyWindowInstance(second);
    }
    if (isWindowItself || !object.WindowObject) return;
    CWnd* window = object.WindowObject;
    object.WindowObject = nullptr;
    DestroyWindowInstance(window);
}

}  // namespace

LRESULT OnClose(const WindowMessage& m)
{
    if (!CloseChildren(m) || !CloseMdiChildren(m)) return kRefused;
    if (m.Window.GetName() == "MAIN" && !CloseOtherWindows(m)) return kRefused;
    if (qbk::AnswerValue(m.Raise(&m.Self(), 0)) == -1) return kRefused;
    return m.Default();
}

LRESULT OnDestroy(const WindowMessage& m)
{
    m.Wnd.BeginTeardown();
    for (int i = 0; i < m.Window.GetObjectCount(); ++i)
        ReleaseObject(m.Runtime, *m.Window.GetObjectAt(i), i == qbk::kWindowObjectIndex);
    ObjectRecord& self = m.Self();
    // The record lets go of the window now; the window object goes with its window.
    self.WindowObject = nullptr;
    self.MdiClient = nullptr;
    if (m.Window.GetName() == "MAIN") {
        if (m.Runtime.m_inMessageLoop) ::PostQuitMessage(0);
        return 0;
    }
    WindowRecord* opener = m.Runtime.FindWindowRecordById(m.Window.OpenerId);
    const HWND openerHandle = opener ? ObjectHandle(opener->Self()) : nullptr;
    if (openerHandle && !::IsWindowEnabled(openerHandle)) {
        ::EnableWindow(openerHandle, TRUE);
        ::BringWindowToTop(openerHandle);
    }
    m.Window.OpenerId = -1;
    return m.Default();
}
