// Entry of the runtime: the application object runs the project stored in this program file.
#include "runtime_app.h"

namespace {
CRuntimeApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand)
{
    return AfxWinMain(instance, commandLine, showCommand);
}
