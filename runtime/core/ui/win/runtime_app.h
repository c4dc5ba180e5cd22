// The runtime's application object: the whole run of a stored project, from reading it out of the
// program file to the end of its main window (Windows only).
#pragma once

#include "fw_app.h"
#include "project_model.h"

class CRuntimeApp : public CWinApp {
public:
    // Runs the project and answers false: the program ends when the project has ended.
    BOOL InitInstance() override;

    CProjectRuntime& Runtime() { return m_runtime; }

private:
    // Opens "MAIN", runs its start event and the message loop until "MAIN" is gone.
    void StartProject();

    CProjectRuntime m_runtime;
    bool m_socketsStarted = false;
    bool m_forwardInput = false;  // some window holds a ToolTip or ToolBar object
};

// Fills the runtime's hooks with the window services of this program.
void InstallWindowHooks(CProjectRuntime& runtime);

// While on, a request for an event (message 791 with wParam -1) that was posted instead of sent is
// dropped by every message loop of the calling thread.
void IgnorePostedEventRequests(bool on);

// The main loop: runs while the window of `main` exists and no WM_QUIT came. A key-down goes first
// to the active window as WM_USER+7 (an answer of -1 swallows the key), a mouse move as WM_USER+8,
// both only when that window is one of the project's; with relayToForwardList every message is
// also handed to the windows of the runtime's forwarding list.
void RunMainMessageLoop(CProjectRuntime& runtime, ObjectRecord& main, bool relayToForwardList);
