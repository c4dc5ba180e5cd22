// The parts of the project window procedure, one file per group of messages; shared by them only.
#pragma once

#include "object_events.h"
#include "project_window.h"
#include "window_rules.h"

// One message to a project window whose record is known.
struct WindowMessage {
    CProjectRuntime& Runtime;
    WindowRecord& Window;
    CProjectWnd& Wnd;
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;

    // Default processing of the message (the MDI child's for a child).
    LRESULT Default() const { return Wnd.DefWindowProc(Message, WParam, LParam); }
    // The window's own object (entry 3) and a built-in object by entry.
    ObjectRecord& Self() const { return *Window.Self(); }
    ObjectRecord* Entry(int index) const { return Window.GetObjectAt(index); }
    CString Raise(ObjectRecord* object, int index, std::initializer_list<CString> parameters = {}) const
    {
        return object ? RaiseEvent(Runtime, Window, *object, index, parameters) : CString();
    }
    CString RaiseNumbers(ObjectRecord* object, int index, std::initializer_list<long long> numbers) const
    {
        return object ? RaiseEventWithNumbers(Runtime, Window, *object, index, numbers) : CString();
    }
};

// Classes of objects that must see some of their window's messages first (a player that follows
// the window's size, a menu that measures its items) implement this in their object's part. The
// window asks every part of its objects, in list order, before it handles a message itself.
class WindowMessageListener {
public:
    virtual ~WindowMessageListener() = default;
    // True when the part answered the message: the window returns *result and does nothing more.
    virtual bool OnWindowMessage(WindowRecord& window, ObjectRecord& object, UINT message, WPARAM wParam, LPARAM lParam,
                                 LRESULT* result) = 0;
};

// window_close.cpp
LRESULT OnClose(const WindowMessage& m);
LRESULT OnDestroy(const WindowMessage& m);
// window_input.cpp: size, move, paint, keys, mouse, timers, dropped files, forwarded input.
bool HandleInputMessage(const WindowMessage& m, LRESULT* result);
// control_messages.cpp: WM_COMMAND, WM_NOTIFY, scrolling, WM_USER+10 and WM_USER+11.
bool HandleControlMessage(const WindowMessage& m, LRESULT* result);
// The quiet procedure: no events.
LRESULT QuietWindowProc(const WindowMessage& m);
