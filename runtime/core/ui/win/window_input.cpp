// The window's own events: size, move, paint, size limits, keys, mouse, timers, dropped files,
// the input the main loop forwards, and events requested by another part of the program.
#include "fw_types.h"

#include <cstring>

#include <shellapi.h>

#include "key_names.h"
#include "value_format.h"
#include "window_drag.h"
#include "window_messages.h"
#include "window_services.h"

namespace {

constexpr UINT kForwardedKey = WM_USER + 7;
constexpr UINT kForwardedMouseMove = WM_USER + 8;
constexpr UINT kEventRequest = 791;
constexpr int kMaxRequestTexts = 256;
constexpr UINT kDroppedNameBuffer = 260;

// Window events.
enum { kDropFiles = 1, kSize = 2, kLeftDoubleClick = 4, kLeftDown = 5, kLeftUp = 6, kMiddleDoubleClick = 7 };
enum { kMiddleDown = 8, kMiddleUp = 9, kMouseMove = 10, kMove = 11, kRightDoubleClick = 12, kRightDown = 13 };
enum { kRightUp = 14, kSizing = 15 };

bool Running(const WindowMessage& m) { return m.Runtime.m_running && m.Self().WindowObject; }

void Paint(const WindowMessage& m)
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m.Wnd, &paint);
    CImageBitmap* background = m.Wnd.Background();
    if (dc && background && background->GetSafeHandle()) {
        RECT client;
        ::GetClientRect(m.Wnd, &client);
        HDC memory = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(memory, background->GetSafeHandle());
        ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
    }
    ::EndPaint(m.Wnd, &paint);
}

void ApplySizeLimits(const WindowMessage& m)
{
    const ObjectRecord& self = m.Self();
    if (self.Type != qbk::TypeWindow || self.Numbers.size() < 4) return;
    auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
    LONG* limits[] = {&info->ptMinTrackSize.x, &info->ptMinTrackSize.y, &info->ptMaxTrackSize.x,
                      &info->ptMaxTrackSize.y};
    for (int i = 0; i < 4; ++i)
        if (self.Numbers[size_t(i)] != -1) *limits[i] = LONG(self.Numbers[size_t(i)]);
}

void DropFiles(const WindowMessage& m)
{
    HDROP drop = reinterpret_cast<HDROP>(m.WParam);
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    ArgumentBlock names;
    names.Texts.push_back(IntToString(int(count)));
    for (UINT i = 0; i < count; ++i) {
        char name[kDroppedNameBuffer] = "";
        ::DragQueryFileA(drop, i, name, kDroppedNameBuffer);
        names.Texts.push_back(CString(name));
    }
    ::DragFinish(drop);
    RaiseEvent(m.Runtime, m.Window, m.Self(), kDropFiles, names);
}

// An event another part of the program asks for: a record of parameter texts and the ids of the
// object. Only a send from this thread carries a record this process can read.
void RunRequestedEvent(const WindowMessage& m)
{
    if (::InSendMessage() || !m.LParam) return;
    const auto* request = reinterpret_cast<const unsigned char*>(m.LParam);
    int32_t count = 0, windowId = 0, objectId = 0;
    const char* const* texts = nullptr;
    std::memcpy(&count, request + 4, 4);
    std::memcpy(&texts, request + 8, sizeof texts);
    std::memcpy(&windowId, request + 28, 4);
    std::memcpy(&objectId, request + 32, 4);
    WindowRecord* window = m.Runtime.FindWindowRecordById(windowId);
    ObjectRecord* object = CProjectRuntime::FindObjectById(window, objectId);
    if (!object || count < 0 || count > kMaxRequestTexts || (count > 0 && !texts)) return;
    ArgumentBlock parameters;
    for (int i = 0; i < count; ++i) parameters.Texts.push_back(CString(texts[i] ? texts[i] : ""));
    RaiseEvent(m.Runtime, *window, *object, 0, parameters);
}

LRESULT ForwardedKey(const WindowMessage& m)
{
    if (DragIsRunning() && m.WParam == VK_ESCAPE) {
        CancelDrag(m);
        return 0;
    }
    const CString answer = m.Raise(m.Entry(qbk::TypeKeyboard), 0, {VirtualKeyToKeyName(unsigned(m.WParam))});
    return answer == "-1" ? -1 : 0;
}

}  // namespace

bool HandleInputMessage(const WindowMessage& m, LRESULT* result)
{
    ObjectRecord* self = &m.Self();
    switch (m.Message) {
    case WM_SIZE:
        if (Running(m)) {
            BuildWindowBackground(m.Runtime, &m.Window);
            m.Raise(self, kSize);
            LayoutObjects(m.Runtime, m.Window);
            m.Raise(self, kSizing);
        }
        break;
    case WM_SIZING:
        if (Running(m)) {
            BuildWindowBackground(m.Runtime, &m.Window);
            LayoutObjects(m.Runtime, m.Window);
            m.Raise(self, kSizing);
        }
        break;
    case WM_MOVE:
    case WM_MOVING:
        if (Running(m)) m.Raise(self, kMove);
        break;
    case WM_PAINT: Paint(m); break;
    case WM_GETMINMAXINFO: ApplySizeLimits(m); break;
    case WM_KEYDOWN: m.Raise(m.Entry(qbk::TypeKeyboard), 1, {VirtualKeyToKeyName(unsigned(m.WParam))}); break;
    case WM_KEYUP: m.Raise(m.Entry(qbk::TypeKeyboard), 2, {VirtualKeyToKeyName(unsigned(m.WParam))}); break;
    case WM_TIMER: m.RaiseNumbers(m.Entry(qbk::TypeTime), 0, {(long long)(int)m.WParam}); break;
    case WM_LBUTTONDOWN: m.Raise(self, kLeftDown); break;
    case WM_LBUTTONUP:
        if (DragIsRunning())
            DropDrag(m);
        else
            m.Raise(self, kLeftUp);
        break;
    case WM_LBUTTONDBLCLK: m.Raise(self, kLeftDoubleClick); break;
    case WM_MOUSEMOVE:
        if (DragIsRunning())
            TrackDrag(m);
        else
            m.Raise(self, kMouseMove);
        break;
    case WM_RBUTTONDOWN: m.Raise(self, kRightDown); break;
    case WM_RBUTTONUP: m.Raise(self, kRightUp); break;
    case WM_RBUTTONDBLCLK: m.Raise(self, kRightDoubleClick); break;
    case WM_MBUTTONDOWN: m.Raise(self, kMiddleDown); break;
    case WM_MBUTTONUP: m.Raise(self, kMiddleUp); break;
    case WM_MBUTTONDBLCLK: m.Raise(self, kMiddleDoubleClick); break;
    case WM_MOUSEWHEEL: m.Raise(m.Entry(qbk::TypeMouse), 1, {GET_WHEEL_DELTA_WPARAM(m.WParam) < 0 ? "-1" : "1"}); break;
    case WM_DROPFILES: DropFiles(m); break;
    case kForwardedKey: *result = ForwardedKey(m); return true;
    case kForwardedMouseMove: m.Raise(m.Entry(qbk::TypeMouse), 0); break;
    case kEventRequest:
        if (m.WParam != WPARAM(-1)) return false;
        RunRequestedEvent(m);
        *result = 0;
        return true;
    default: return false;
    }
    *result = m.Default();
    return true;
}
