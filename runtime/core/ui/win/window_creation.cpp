// Opening a project window: the classes of project windows, and the window made from its record
// with its style, parent, font, client size, the windows of its objects, its background and its
// outline.
#include "fw_types.h"

#include <mmsystem.h>

#include "project_window.h"
#include "window_background.h"
#include "window_rules.h"
#include "window_services.h"

namespace {

constexpr int kProgramIcon = 108;
constexpr char kShapedImage[] = "image/58465954204.png";
constexpr COLORREF kOutsideColour = RGB(255, 0, 255);
constexpr double kDefaultWindowNumbers[] = {-1, -1, -1, -1, 1, 10, 1, 10};

LRESULT CALLBACK EmptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        ::BeginPaint(window, &paint);
        ::EndPaint(window, &paint);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

std::unique_ptr<CFont> MakeWindowFont(const CString& header)
{
    const qbk::HeaderFont wanted = qbk::ParseHeaderFont(header);
    auto font = std::make_unique<CFont>();
    if (wanted.IsDefault)
        font->Attach(::GetStockObject(DEFAULT_GUI_FONT));
    else
        font->CreatePointFont(wanted.PointSize * 10, wanted.Face);
    return font;
}

// Grows the window so that its client area is exactly the designed size, then centres it on its
// parent or owner, or on the screen.
void SizeAndCentre(HWND window, int width, int height)
{
    RECT outer, client;
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &client);
    const int outerWidth = outer.right - outer.left + width - client.right;
    const int outerHeight = outer.bottom - outer.top + height - client.bottom;
    ::SetWindowPos(window, nullptr, 0, 0, outerWidth, outerHeight, SWP_NOMOVE | SWP_NOZORDER);
    RECT area;
    HWND around =
        (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) ? ::GetParent(window) : ::GetWindow(window, GW_OWNER);
    if (around)
        ::GetWindowRect(around, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    ::GetWindowRect(window, &outer);
    POINT place = {area.left + (area.right - area.left - (outer.right - outer.left)) / 2,
                   area.top + (area.bottom - area.top - (outer.bottom - outer.top)) / 2};
    if (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) {
        HWND parent = ::GetParent(window);
        RECT parentClient;
        ::GetClientRect(parent, &parentClient);
        place = {(parentClient.right - (outer.right - outer.left)) / 2,
                 (parentClient.bottom - (outer.bottom - outer.top)) / 2};
    }
    ::SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void GreyMissingBoxes(HWND window, uint32_t style)
{
    HMENU menu = ::GetSystemMenu(window, FALSE);
    if (!menu) return;
    ::EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | ((style & WS_MINIMIZEBOX) ? MF_ENABLED : MF_GRAYED));
    ::EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | ((style & WS_MAXIMIZEBOX) ? MF_ENABLED : MF_GRAYED));
}

void BuildFirstBackground(CProjectRuntime& runtime, CProjectWnd& wnd, const ObjectRecord& self)
{
    RECT client;
    ::GetClientRect(wnd, &client);
    std::unique_ptr<CImageBitmap> image = LoadWindowImage(runtime, self);
    wnd.SetBackground(PaintWindowBackground(runtime, self, client.right, client.bottom, image.get()));
    if (!image || GetPropertyValue("Image", self.Properties) != kShapedImage || !wnd.Background()) return;
    // The outline: every pixel of the finished background that is not magenta.
    wnd.SetOutline(wnd.Background()->CreateRegion(kOutsideColour));
    wnd.ApplyOutline(TRUE);
}

}  // namespace

ATOM RegisterClassOf(HINSTANCE instance, const char* name, UINT style, WNDPROC procedure, int background)
{
    WNDCLASSEXA type = {};
    type.cbSize = sizeof type;
    type.style = style;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
    type.hIconSm = type.hIcon;
    type.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    type.hbrBackground = reinterpret_cast<HBRUSH>(background + 1);
    type.lpszClassName = name;
    return ::RegisterClassExA(&type);
}

void RegisterProjectWindowClass(HINSTANCE instance)
{
    RegisterClassOf(instance, "QUILLBRICK", CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, &CWnd::FrameworkWindowProc);
}

void RegisterNoCloseWindowClass(HINSTANCE instance)
{
    RegisterClassOf(instance, "QUILLBRICKNOCLOSE", CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_NOCLOSE,
                    &CWnd::FrameworkWindowProc);
}

ATOM RegisterEmptyWindowClass(HINSTANCE instance)
{
    return RegisterClassOf(instance, "QUILLBRICKEMPTY", CS_HREDRAW | CS_VREDRAW, &EmptyWindowProc);
}

void CreateProjectWindow(CProjectRuntime& runtime, int windowId, int parentId, int mode)
{
    WindowRecord* window = runtime.FindWindowRecordById(windowId);
    ObjectRecord* self = window ? window->Self() : nullptr;
    if (!self || self->WindowObject) return;
    if (self->Numbers.empty()) self->Numbers.assign(std::begin(kDefaultWindowNumbers), std::end(kDefaultWindowNumbers));

    WindowRecord* parent = parentId == -1 ? nullptr : runtime.FindWindowRecordById(parentId);
    const HWND parentHandle = parent ? ObjectHandle(parent->Self()) : nullptr;
    const qbk::WindowKind kind = qbk::ProjectWindowKind(parentId, parentHandle != nullptr, mode);
    const uint32_t style = qbk::ProjectWindowStyle(self->Style, kind);
    const char* className = (self->Flags & 0x1) ? "QUILLBRICKNOCLOSE" : "QUILLBRICK";
    HWND client = nullptr;
    if (kind == qbk::WindowKind::MdiChild) {
        const ObjectRecord* area = CProjectRuntime::FindObjectById(parent, mode);
        client = area && area->Type == qbk::TypeMdiWindow ? ObjectHandle(area) : nullptr;
        if (!client) return;  // no MDI area to open the window in
    }

    auto* wnd = new CProjectWnd(runtime, client != nullptr);
    BOOL made;
    if (client)
        made =
            wnd->CreateEx(self->ExStyle | WS_EX_MDICHILD, className, self->Caption, 1, 0, 0, 100, 100, client, nullptr);
    else
        made = wnd->CreateEx(self->ExStyle, className, self->Caption, style, 0, 0, 100, 100, parentHandle, nullptr);
    if (!made) {
        delete wnd;
        return;
    }
    if (client) {
        const auto actual = uint32_t(::GetWindowLongPtrA(*wnd, GWL_STYLE));
        ::SetWindowLongPtrA(*wnd, GWL_STYLE, LONG_PTR(qbk::CorrectedMdiChildStyle(actual, style)));
    }
    self->MdiClient = client;
    if (self->ExStyle & WS_EX_TOOLWINDOW) GreyMissingBoxes(*wnd, style);
    self->WindowObject = wnd;
    wnd->SetFont(MakeWindowFont(self->HeaderText));

    for (int pass = 0; pass < 2; ++pass)
        for (int i = qbk::kBuiltInObjectCount; i < window->GetObjectCount(); ++i) {
            ObjectRecord* object = window->GetObjectAt(i);
            if ((object->Type == qbk::TypeToolTip) == (pass == 1)) CreateObjectWindow(runtime, windowId, *object, wnd);
        }
    SizeAndCentre(*wnd, self->Width, self->Height);
    // The window may have been closed by an event of its sizing.
    if (self->WindowObject != wnd) return;
    BuildFirstBackground(runtime, *wnd, *self);
    window->CreationTime = ::timeGetTime();
    window->Quiet = 0;
}
