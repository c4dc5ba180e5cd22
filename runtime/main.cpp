// Entry of the runtime: for now it only reports that it carries no project.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    MessageBoxA(nullptr, "Program Error.", "Error", MB_OK);
    return 1;
}
