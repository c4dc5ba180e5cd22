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
    void RunMessageLoop(ObjectRecord& main);

    CProjectRuntime m_runtime;
    bool m_socketsStarted = false;
    bool m_forwardInput = false;  // some window holds a ToolTip or ToolBar object
};

// Fills the runtime's hooks with the window services of this program.
void InstallWindowHooks(CProjectRuntime& runtime);
