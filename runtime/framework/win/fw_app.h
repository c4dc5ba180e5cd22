// CWinApp: the program's one application object. WinMain hands it the instance and the command
// line and runs InitInstance; when that answers true the application's message loop runs, else
// the program ends at once (Windows only).
#pragma once

#include "fw_object.h"
#include "fw_types.h"

class CWinApp : public CObject {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The application object of the program, or null.
    static CWinApp* GetApp();

    virtual BOOL InitInstance() { return FALSE; }
    // The message loop, until WM_QUIT; answers its exit code.
    virtual int Run();
    // The program's exit code.
    virtual int ExitInstance() { return m_exitCode; }

    HINSTANCE m_hInstance = nullptr;
    const char* m_lpCmdLine = "";
    int m_nCmdShow = 0;
    int m_exitCode = 0;
};

// The body of WinMain: the application object's life.
int AfxWinMain(HINSTANCE instance, const char* commandLine, int showCommand);
