#include "fw_app.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp()
{
    if (g_app == this) g_app = nullptr;
}

CWinApp* CWinApp::GetApp() { return g_app; }

int CWinApp::Run()
{
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    m_exitCode = int(message.wParam);
    return ExitInstance();
}

int AfxWinMain(HINSTANCE instance, const char* commandLine, int showCommand)
{
    CWinApp* app = CWinApp::GetApp();
    if (!app) return 1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine ? commandLine : "";
    app->m_nCmdShow = showCommand;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
