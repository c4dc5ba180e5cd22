#include "runtime_app.h"

#include <cstdlib>

#include <objbase.h>
#include <commctrl.h>
#include <mmsystem.h>

#include "application_commands.h"
#include "command_families.h"
#include "project_window.h"
#include "socket_library.h"
#include "splash_window.h"
#include "video_window.h"
#include "window_services.h"

namespace {

constexpr UINT kForwardedKey = WM_USER + 7;
constexpr UINT kForwardedMouseMove = WM_USER + 8;
constexpr UINT kRelayEvent = WM_USER + 7;  // what the forwarding list's tool tips take
constexpr UINT kEventRequest = 791;
constexpr int kStartEvent = 16;

void Warn(const char* text, const char* caption) { ::MessageBoxA(nullptr, text, caption, MB_ICONEXCLAMATION); }

bool HoldsObjectOf(const CProjectRuntime& runtime, std::initializer_list<int> types)
{
    for (int w = 0; w < runtime.GetWindowCount(); ++w) {
        const WindowRecord* window = runtime.GetWindowAt(w);
        for (int i = qbk::kBuiltInObjectCount; i < window->GetObjectCount(); ++i)
            for (int type : types)
                if (window->GetObjectAt(i)->Type == type) return true;
    }
    return false;
}

// Lets one waiting message of a window in quiet mode through.
void PumpQuietMessage(WindowRecord& window)
{
    const HWND handle = ObjectHandle(window.Self());
    MSG message;
    if (!handle || !::PeekMessageA(&message, handle, 0, 0, PM_REMOVE)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

HHOOK g_requestFilter = nullptr;

// A request for an event carries the address of its record, which only a send from this thread can
// vouch for: a posted one becomes WM_NULL in every loop of the thread, modal ones included.
LRESULT CALLBACK FilterPostedRequests(int code, WPARAM wParam, LPARAM lParam)
{
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && message && message->message == kEventRequest && message->wParam == WPARAM(-1))
        message->message = WM_NULL;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void IgnorePostedEventRequests(bool on)
{
    if (on && !g_requestFilter) {
        g_requestFilter = ::SetWindowsHookExA(WH_GETMESSAGE, &FilterPostedRequests, nullptr, ::GetCurrentThreadId());
    } else if (!on && g_requestFilter) {
        ::UnhookWindowsHookEx(g_requestFilter);
        g_requestFilter = nullptr;
    }
}

void InstallWindowHooks(CProjectRuntime& runtime)
{
    runtime.m_hooks.windowHandle = [](CWnd* window) { return window ? window->GetSafeHwnd() : HWND(nullptr); };
    runtime.m_hooks.destroyObjectWindows = [](ObjectRecord& object) {
        CWnd* window = object.WindowObject;
        CWnd* second = object.SecondWindowObject;
        DestroyWindowInstance(window);
        object.WindowObject = nullptr;
        object.SecondWindowObject = nullptr;
        DestroyWindowInstance(second);
    };
    runtime.m_hooks.pumpQuietMessage = &PumpQuietMessage;
    runtime.m_hooks.closeWindow = [](WindowRecord& window) -> LONG_PTR {
        const HWND handle = ObjectHandle(window.Self());
        return handle ? LONG_PTR(::SendMessageA(handle, WM_CLOSE, 0, 0)) : 0;
    };
}

BOOL CRuntimeApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    std::srand(::timeGetTime());
    ::CoInitialize(nullptr);
    m_runtime.m_commandTable = &GetScriptCommandTable();
    InstallApplicationSystem();
    InstallWindowHooks(m_runtime);
    HDC screen = ::GetDC(nullptr);
    m_runtime.m_colorDepth = ::GetDeviceCaps(screen, BITSPIXEL);
    ::ReleaseDC(nullptr, screen);

    // The program's own path, whatever the command line holds (it may be quoted, or hold blanks).
    char path[MAX_PATH] = "";
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    m_runtime.m_instance = m_hInstance;
    if (length == 0 || length >= MAX_PATH || !m_runtime.LoadProject(path)) {
        Warn("Program Error.", "Error");
    } else {
        m_runtime.m_startTime = ::timeGetTime();
        if (m_runtime.GetWindowCount() == 0) {
            Warn("No Dialog found. Please add one in your project.", "Not Found");
        } else {
            if (m_runtime.m_splash) ShowSplashWindow(m_hInstance);
            IgnorePostedEventRequests(true);
            StartProject();
            IgnorePostedEventRequests(false);
        }
    }
    // Nothing of the project runs while it is released.
    m_runtime.m_releasing = 1;
    m_runtime.ResetProject();
    m_runtime.ReleaseProjectStorage();
    ::CoUninitialize();
    return FALSE;
}

void CRuntimeApp::StartProject()
{
    m_runtime.m_running = 0;
    m_runtime.m_inMessageLoop = 0;
    if (HoldsObjectOf(m_runtime, {qbk::TypeInternet, qbk::TypeClientSocket, qbk::TypeServerSocket})) {
        m_socketsStarted = StartSocketLibrary();
    }
    WindowRecord* main = m_runtime.FindWindowByName("MAIN");
    if (!main || !main->Self()) {
        Warn("MAIN Not Found", "QBK");
        return;
    }
    m_runtime.CompileAllScripts();
    m_forwardInput = HoldsObjectOf(m_runtime, {qbk::TypeToolTip, qbk::TypeToolBar});
    RegisterProjectWindowClass(m_hInstance);
    RegisterNoCloseWindowClass(m_hInstance);
    RegisterEmptyWindowClass(m_hInstance);
    RegisterSocketWindowClass(m_hInstance);
    RegisterVideoWindowClass(m_hInstance, m_runtime);

    CreateProjectWindow(m_runtime, main->Id, -1, 0);
    ObjectRecord& self = *main->Self();
    m_runtime.m_running = 1;
    ArgumentBlock start;
    start.Texts.emplace_back();
    m_runtime.RunScript(main, &self, kStartEvent, &start);
    const HWND handle = ObjectHandle(&self);
    if (m_runtime.m_running && handle && (self.Style & WS_VISIBLE) && !::IsWindowVisible(handle)) {
        ::ShowWindow(handle, SW_SHOW);
        ::UpdateWindow(handle);
    }
    if (m_runtime.m_running) RunMainMessageLoop(m_runtime, self, m_forwardInput);
    m_runtime.m_running = 0;
    m_runtime.m_inMessageLoop = 0;
    if (m_socketsStarted) StopSocketLibrary();
    m_socketsStarted = false;
    m_runtime.FreeCompiledScripts();
}

void RunMainMessageLoop(CProjectRuntime& runtime, ObjectRecord& main, bool relayToForwardList)
{
    runtime.m_inMessageLoop = 1;
    MSG message;
    // Only while "MAIN" is open: a window closed before the loop posts no WM_QUIT to end it.
    while (ObjectHandle(&main) && ::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (relayToForwardList)
            for (size_t i = 0; i < runtime.m_forwardWindows.size(); ++i)
                if (CWnd* tip = runtime.m_forwardWindows[i])
                    ::SendMessageA(tip->GetSafeHwnd(), kRelayEvent, 0, LPARAM(&message));
        // Keys and mouse moves go to the active window first, when it is one of the project's: any
        // other window may read these numbers as messages of its own.
        const UINT forward = message.message == WM_KEYDOWN     ? kForwardedKey
                             : message.message == WM_MOUSEMOVE ? kForwardedMouseMove
                                                               : 0;
        const HWND active = forward ? ::GetActiveWindow() : nullptr;
        if (active && runtime.FindWindowRecordByHandle(active)) {
            const LRESULT answer = ::SendMessageA(active, forward, message.wParam, message.lParam);
            if (forward == kForwardedKey && answer == -1) continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    runtime.m_inMessageLoop = 0;
}
