// Events of controls that report through the runtime instead of their parent's messages: the
// custom list window's notices, and the mouse on an MDI client (Windows only).
#pragma once

#include "fw_wnd.h"
#include "project_model.h"

// The custom list window's report of one of its messages (focus, keys, mouse, selection, drags).
void ControlNotify(HWND parent, HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// The MDI client of an MdiWindow object: raises the object's mouse events and paints itself in
// the object's colour; everything else is the system's MDI client.
class CMdiClientWnd : public CWnd {
public:
    CMdiClientWnd(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object)
        : m_runtime(runtime), m_window(window), m_object(object)
    {
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CProjectRuntime& m_runtime;
    WindowRecord& m_window;
    ObjectRecord& m_object;
};
