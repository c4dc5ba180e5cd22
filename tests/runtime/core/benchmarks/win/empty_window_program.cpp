// The baseline of the start-up benchmark: a plain Win32 program that shows one window and runs its
// message loop until the window closes.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA type = {};
    type.lpfnWndProc = &Procedure;
    type.hInstance = instance;
    type.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = "EmptyWindow";
    RegisterClassA(&type);
    HWND window = CreateWindowExA(0, "EmptyWindow", "Empty", WS_OVERLAPPEDWINDOW, 100, 100, 520, 340, nullptr, nullptr,
                                  instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
