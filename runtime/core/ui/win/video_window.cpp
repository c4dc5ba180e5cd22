#include "video_window.h"

#include "key_names.h"
#include "object_events.h"

namespace {

CProjectRuntime* g_runtime = nullptr;

constexpr int kKeyEvent = 0;

// The event a mouse button message raises, or -1.
int MouseEvent(UINT message)
{
    switch (message) {
    case WM_LBUTTONDBLCLK: return 1;
    case WM_LBUTTONDOWN: return 2;
    case WM_LBUTTONUP: return 3;
    case WM_MBUTTONDBLCLK: return 4;
    case WM_MBUTTONDOWN: return 5;
    case WM_MBUTTONUP: return 6;
    case WM_RBUTTONDBLCLK: return 7;
    case WM_RBUTTONDOWN: return 8;
    case WM_RBUTTONUP: return 9;
    default: return -1;
    }
}

LRESULT CALLBACK VideoWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!g_runtime) return ::DefWindowProcA(handle, message, wParam, lParam);
    WindowRecord* window = nullptr;
    ObjectRecord* object = nullptr;
    for (int i = 0; i < g_runtime->GetWindowCount() && !object; ++i) {
        window = g_runtime->GetWindowAt(i);
        object = g_runtime->FindObjectByHandle(window, handle);
    }
    if (!object) return ::DefWindowProcA(handle, message, wParam, lParam);
    CProjectRuntime& runtime = *g_runtime;
    if (auto* handler = object->Part ? dynamic_cast<VideoWindowHandler*>(object->Part.get()) : nullptr) {
        LRESULT result = 0;
        if (handler->OnVideoMessage(runtime, *window, *object, message, wParam, lParam, &result)) return result;
    }
    if (message == WM_KEYDOWN) {
        RaiseEvent(runtime, *window, *object, kKeyEvent, {VirtualKeyToKeyName(unsigned(wParam))});
    } else if (const int event = MouseEvent(message); event >= 0) {
        RaiseEvent(runtime, *window, *object, event);
    }
    return ::DefWindowProcA(handle, message, wParam, lParam);
}

}  // namespace

void RegisterVideoWindowClass(HINSTANCE instance, CProjectRuntime& runtime)
{
    g_runtime = &runtime;
    WNDCLASSEXA cls = {};
    cls.cbSize = sizeof cls;
    cls.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    cls.lpfnWndProc = VideoWindowProc;
    cls.hInstance = instance;
    cls.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "QUILLBRICKVIDEO";
    ::RegisterClassExA(&cls);
}
