#include "splash_window.h"

#include <shellapi.h>

#include "fw_file.h"
#include "image_bitmap.h"

namespace {

constexpr int kPictureResource = 141;
constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kShownMs = 5000;
// Where a click on the picture leads: a placeholder address that reaches no real site.
constexpr char kMakerAddress[] = "http://quillbrick.invalid/";

void PaintPicture(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(window, GWLP_HINSTANCE));
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(kPictureResource), "BINARY");
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (bytes) {
        CMemFile file(static_cast<BYTE*>(const_cast<void*>(bytes)), ::SizeofResource(instance, found));
        CImageBitmap picture;
        if (picture.LoadJpeg(&file)) {
            CDC target;
            target.Attach(dc);
            const CSize size = picture.GetSize();
            picture.Draw(&target, 0, 0, size.cx, size.cy, false);
            target.Detach();
        }
    }
    ::EndPaint(window, &paint);
}

LRESULT CALLBACK LogoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: PaintPicture(window); return 0;
    case WM_TIMER:
        ::KillTimer(window, kCloseTimer);
        ::DestroyWindow(window);
        return 0;
    case WM_LBUTTONDOWN: ::ShellExecuteA(window, "open", kMakerAddress, nullptr, nullptr, SW_SHOW); return 0;
    case WM_CREATE:
    case WM_DESTROY: return 0;
    default: return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

void ShowSplashWindow(HINSTANCE instance)
{
    WNDCLASSEXA type = {};
    type.cbSize = sizeof type;
    type.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    type.lpfnWndProc = &LogoWindowProc;
    type.hInstance = instance;
    type.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    type.hbrBackground = reinterpret_cast<HBRUSH>(1);
    type.lpszClassName = "QUILLBRICKLOGO";
    if (!::RegisterClassExA(&type)) return;
    HWND window = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "QUILLBRICKLOGO", "", WS_POPUP, 1, 1, 200, 200,
                                    nullptr, nullptr, instance, nullptr);
    if (!window) return;
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    ::SetTimer(window, kCloseTimer, kShownMs, nullptr);
}
