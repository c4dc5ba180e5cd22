#include "control_notify.h"

#include "key_names.h"
#include "object_events.h"
#include "project_window.h"

namespace {

struct MessageEvent {
    UINT Message;
    int Event;
};

constexpr MessageEvent kListEvents[] = {
    {WM_SETFOCUS, 15},      {WM_KILLFOCUS, 3},     {WM_MOUSEMOVE, 10},   {WM_LBUTTONDOWN, 5},
    {WM_LBUTTONUP, 6},      {WM_LBUTTONDBLCLK, 4}, {WM_RBUTTONDOWN, 12}, {WM_RBUTTONUP, 13},
    {WM_RBUTTONDBLCLK, 11}, {WM_MBUTTONDOWN, 8},   {WM_MBUTTONUP, 9},    {WM_MBUTTONDBLCLK, 7},
};
constexpr UINT kSelectionChanged = WM_USER + 1, kDragStarts = WM_USER + 2, kDragEnds = WM_USER + 3;

constexpr MessageEvent kMdiClientEvents[] = {
    {WM_LBUTTONDBLCLK, 0}, {WM_LBUTTONDOWN, 1},   {WM_LBUTTONUP, 2},   {WM_MBUTTONDBLCLK, 3}, {WM_MBUTTONDOWN, 4},
    {WM_MBUTTONUP, 5},     {WM_RBUTTONDBLCLK, 6}, {WM_RBUTTONDOWN, 7}, {WM_RBUTTONUP, 8},
};

template <size_t N>
int EventFor(const MessageEvent (&table)[N], UINT message)
{
    for (const MessageEvent& row : table)
        if (row.Message == message) return row.Event;
    return -1;
}

}  // namespace

void ControlNotify(HWND parent, HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* owner = dynamic_cast<CProjectWnd*>(CWnd::FromHandlePermanent(parent));
    if (!owner) return;
    CProjectRuntime& runtime = owner->Runtime();
    WindowRecord* window = runtime.FindWindowRecordByHandle(parent);
    ObjectRecord* object = runtime.FindObjectByHandle(window, control);
    if (!window || !object) return;
    const long long low = LOWORD(wParam), high = HIWORD(wParam);
    switch (message) {
    case WM_KEYDOWN: RaiseEvent(runtime, *window, *object, 2, {VirtualKeyToKeyName(unsigned(wParam))}); return;
    case kSelectionChanged:
        RaiseEventWithNumbers(runtime, *window, *object, 14, {(long long)lParam, low, high});
        return;
    case kDragStarts: RaiseEventWithNumbers(runtime, *window, *object, 0, {(long long)lParam, low, high}); return;
    case kDragEnds: RaiseEventWithNumbers(runtime, *window, *object, 1, {(long long)wParam, (long long)lParam}); return;
    default: break;
    }
    const int event = EventFor(kListEvents, message);
    if (event >= 0) RaiseEvent(runtime, *window, *object, event);
}

LRESULT CMdiClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(m_hWnd, &paint);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        const COLORREF colour = m_object.BackColor == -1 ? ::GetSysColor(COLOR_APPWORKSPACE) : m_object.BackColor;
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dc, &client, brush);
        ::DeleteObject(brush);
        ::EndPaint(m_hWnd, &paint);
        return 0;
    }
    // The client handles the click before the script runs: a script may close the window, and
    // this object with it.
    CProjectRuntime& runtime = m_runtime;
    WindowRecord& window = m_window;
    ObjectRecord& object = m_object;
    const LRESULT result = DefWindowProc(message, wParam, lParam);
    const int event = EventFor(kMdiClientEvents, message);
    if (event >= 0) RaiseEvent(runtime, window, object, event);
    return result;
}
