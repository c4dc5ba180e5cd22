// The project window's own commands (type 3): centring, closing, size limits and scroll steps,
// scroll bars, colours, font and icon, opening other windows, quiet mode.
#include "fw_types.h"

#include <commctrl.h>
#include <shellapi.h>

#include <memory>

#include "command_table.h"
#include "control_message.h"
#include "font_object.h"
#include "project_window.h"
#include "value_format.h"
#include "window_background.h"
#include "window_services.h"

namespace {

// Entries of the Window object's numbers.
enum { kMinWidth, kMinHeight, kMaxWidth, kMaxHeight, kHorzLine, kHorzPage, kVertLine, kVertPage };

// What the Window object keeps beyond its record: the small icon it was given, destroyed when it
// is replaced or the window goes.
class WindowIconPart : public ObjectPart {
public:
    ~WindowIconPart() override { Replace(nullptr); }
    void Replace(HICON icon)
    {
        if (m_icon) ::DestroyIcon(m_icon);
        m_icon = icon;
    }

private:
    HICON m_icon = nullptr;
};

bool IsHorizontal(const CString& bar) { return bar == "HORZ"; }

int BarOf(const CString& bar) { return IsHorizontal(bar) ? SB_HORZ : SB_VERT; }

// A number of the Window object, "-1" when the window is not open or it has none.
void AnswerNumber(CommandContext& ctx, size_t index)
{
    const std::vector<double>& numbers = ctx.Object().Numbers;
    if (!ControlHandle(ctx) || index >= numbers.size())
        ctx.SetInt(-1);
    else
        ctx.SetReal(numbers[index]);
}

void SetNumber(CommandContext& ctx, size_t index, int value)
{
    std::vector<double>& numbers = ctx.Object().Numbers;
    if (!ControlHandle(ctx)) return;
    if (index >= numbers.size()) numbers.resize(index + 1, -1);
    numbers[index] = value;
}

void SetNumberPair(CommandContext& ctx, size_t first)
{
    const int a = ctx.Int();
    const int b = ctx.Int();
    SetNumber(ctx, first, a);
    SetNumber(ctx, first + 1, b);
}

// A scroll step as an integer; "0" when the window is not open.
void AnswerStep(CommandContext& ctx, size_t horizontal, size_t vertical)
{
    const CString bar = ctx.Text();
    const std::vector<double>& numbers = ctx.Object().Numbers;
    const size_t index = IsHorizontal(bar) ? horizontal : vertical;
    ctx.SetInt(ControlHandle(ctx) && index < numbers.size() ? int(numbers[index]) : 0);
}

void SetStep(CommandContext& ctx, size_t horizontal, size_t vertical)
{
    const CString bar = ctx.Text();
    const int step = ctx.Int();
    SetNumber(ctx, IsHorizontal(bar) ? horizontal : vertical, step);
}

WINDOWPLACEMENT PlacementOf(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    ::GetWindowPlacement(window, &placement);
    return placement;
}

// The visual controls of the window, in list order.
std::vector<const ObjectRecord*> ControlsOf(const WindowRecord& window)
{
    std::vector<const ObjectRecord*> controls;
    for (int i = qbk::kBuiltInObjectCount; i < window.GetObjectCount(); ++i)
        if (window.GetObjectAt(i)->Type >= qbk::kFirstVisualType) controls.push_back(window.GetObjectAt(i));
    return controls;
}

// Centres a child in its parent's client area, a top-level window over the given window (its owner
// when null) or, when there is none to see, the work area; always kept inside that area.
void CentreWindow(HWND window, HWND over)
{
    RECT area, centre;
    const bool child = (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
    if (child) {
        const HWND parent = ::GetParent(window);
        ::GetClientRect(parent, &area);
        if (!over) over = parent;
        ::GetClientRect(over, &centre);
        ::MapWindowPoints(over, parent, reinterpret_cast<POINT*>(&centre), 2);
    } else {
        if (!over) over = ::GetWindow(window, GW_OWNER);
        if (over && (!::IsWindowVisible(over) || ::IsIconic(over))) over = nullptr;
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoA(::MonitorFromWindow(over ? over : window, MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
        centre = area;
        if (over) ::GetWindowRect(over, &centre);
    }
    RECT outer;
    ::GetWindowRect(window, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    int x = (centre.left + centre.right) / 2 - width / 2;
    int y = (centre.top + centre.bottom) / 2 - height / 2;
    if (x + width > area.right) x = area.right - width;
    if (x < area.left) x = area.left;
    if (y + height > area.bottom) y = area.bottom - height;
    if (y < area.top) y = area.top;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window_Center(CommandContext& ctx)
{
    const int flag = ctx.Int();
    if (const HWND window = ControlHandle(ctx)) CentreWindow(window, flag != 0 ? nullptr : ::GetDesktopWindow());
}

void Window_Close(CommandContext& ctx)
{
    ctx.SetTruth(false);
    if (const HWND window = ControlHandle(ctx)) ctx.SetTruth(::SendMessageA(window, WM_CLOSE, 0, 0) != -1);
}

void Window_AcceptFiles(CommandContext& ctx)
{
    const int state = ctx.Int();
    const HWND window = ControlHandle(ctx);
    if (!window) return;
    const bool accepting = (::GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    ::DragAcceptFiles(window, (state < 0 ? !accepting : state > 0) ? TRUE : FALSE);
}

// Quiet mode: the window keeps painting and laying out, and lets one message through between two
// instructions of a script, but raises no events. 0 enters it, 1 or more leaves it, -1 toggles.
void Window_SetSubclass(CommandContext& ctx)
{
    int mode = ctx.Int();
    if (!ControlHandle(ctx)) return;
    WindowRecord& window = ctx.Window();
    if (mode < 0) mode = window.Quiet ? 1 : 0;
    window.Quiet = mode == 0 ? 1 : 0;
}

void Window_GetBackColor(CommandContext& ctx)
{
    if (!ControlHandle(ctx)) {
        ctx.SetInt(-1);
        return;
    }
    const int colour = ctx.Object().BackColor;
    ctx.SetInt(colour == -1 ? int(::GetSysColor(COLOR_BTNFACE)) : colour);
}

void Window_GetControlCount(CommandContext& ctx)
{
    ctx.SetInt(ControlHandle(ctx) ? int(ControlsOf(ctx.Window()).size()) : 0);
}

void Window_GetControlId(CommandContext& ctx)
{
    const int n = ctx.Int();
    const std::vector<const ObjectRecord*> controls = ControlsOf(ctx.Window());
    ctx.SetInt(ControlHandle(ctx) && n >= 0 && n < int(controls.size()) ? controls[size_t(n)]->Id : -1);
}

void Window_GetMaxHeight(CommandContext& ctx) { AnswerNumber(ctx, kMaxHeight); }

void Window_GetMaxWidth(CommandContext& ctx) { AnswerNumber(ctx, kMaxWidth); }

void Window_GetMinHeight(CommandContext& ctx) { AnswerNumber(ctx, kMinHeight); }

void Window_GetMinWidth(CommandContext& ctx) { AnswerNumber(ctx, kMinWidth); }

void Window_GetScrollLine(CommandContext& ctx) { AnswerStep(ctx, kHorzLine, kVertLine); }

void Window_GetScrollPage(CommandContext& ctx) { AnswerStep(ctx, kHorzPage, kVertPage); }

template <class Read>
void AnswerScroll(CommandContext& ctx, Read read)
{
    const CString bar = ctx.Text();
    const HWND window = ControlHandle(ctx);
    ctx.SetInt(window ? read(window, BarOf(bar)) : 0);
}

void Window_GetScrollMax(CommandContext& ctx)
{
    AnswerScroll(ctx, [](HWND window, int bar) {
        int low = 0, high = 0;
        ::GetScrollRange(window, bar, &low, &high);
        return high;
    });
}

void Window_GetScrollMin(CommandContext& ctx)
{
    AnswerScroll(ctx, [](HWND window, int bar) {
        int low = 0, high = 0;
        ::GetScrollRange(window, bar, &low, &high);
        return low;
    });
}

void Window_GetScrollPos(CommandContext& ctx)
{
    AnswerScroll(ctx, [](HWND window, int bar) { return ::GetScrollPos(window, bar); });
}

void Window_IsForeground(CommandContext& ctx)
{
    const HWND window = ControlHandle(ctx);
    ctx.SetTruth(window && ::GetForegroundWindow() == window);
}

void Window_IsMaximized(CommandContext& ctx)
{
    const HWND window = ControlHandle(ctx);
    ctx.SetTruth(window && PlacementOf(window).showCmd == SW_SHOWMAXIMIZED);
}

void Window_IsMinimized(CommandContext& ctx)
{
    const HWND window = ControlHandle(ctx);
    ctx.SetTruth(window && PlacementOf(window).showCmd == SW_SHOWMINIMIZED);
}

void Window_IsOpen(CommandContext& ctx)
{
    const CString name = ctx.Text();
    CProjectRuntime& runtime = ctx.Runtime();
    const WindowRecord* window = runtime.FindWindowRecordById(runtime.FindWindowIdByName(name));
    ctx.SetTruth(window && ObjectHandle(window->Self()));
}

void ShowAs(CommandContext& ctx, UINT showCommand)
{
    const HWND window = ControlHandle(ctx);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!window || !::GetWindowPlacement(window, &placement)) return;
    placement.showCmd = showCommand;
    ::SetWindowPlacement(window, &placement);
}

void Window_Maximize(CommandContext& ctx) { ShowAs(ctx, SW_MAXIMIZE); }

void Window_Minimize(CommandContext& ctx) { ShowAs(ctx, SW_SHOWMINIMIZED); }

void Window_Restore(CommandContext& ctx) { ShowAs(ctx, SW_RESTORE); }

// Opens the named window of the project at (x, y), runs its open event with the parameter and
// answers what that returns. A modal window is a pop-up whose opener stays disabled while it is open.
void OpenWindow(CommandContext& ctx, const CString& name, int x, int y, int mode, const CString& parameter, bool modal)
{
    const HWND opener = ControlHandle(ctx);
    if (!opener) return;
    CProjectRuntime& runtime = ctx.Runtime();
    WindowRecord* target = runtime.FindWindowRecordById(runtime.FindWindowIdByName(name));
    if (!target || !target->Self() || target->Self()->WindowObject) return;
    if (modal) {
        ::EnableWindow(opener, FALSE);
        target->OpenerId = ctx.Window().Id;
    }
    CreateProjectWindow(runtime, target->Id, ctx.Window().Id, mode);
    const HWND window = ObjectHandle(target->Self());
    if (!window) {
        // Nothing opened: the opener must not stay disabled.
        if (modal) {
            target->OpenerId = -1;
            if (ObjectHandle(ctx.Window().Self())) ::EnableWindow(opener, TRUE);
        }
        return;
    }
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ArgumentBlock open;
    open.Texts.push_back(parameter);
    ctx.SetResult(runtime.RunScript(target, target->Self(), 16, &open));
    const HWND shown = ObjectHandle(target->Self());
    if (shown && (target->Self()->Style & WS_VISIBLE) && !::IsWindowVisible(shown)) {
        ::ShowWindow(shown, SW_SHOW);
        ::UpdateWindow(shown);
    }
}

// Inside this window, or as a pop-up it owns ("OUT").
void Window_Open(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const int x = ctx.Int(), y = ctx.Int();
    const CString placement = ctx.Text();
    const CString parameter = ctx.Text();
    OpenWindow(ctx, name, x, y, placement == "OUT" ? 1 : 0, parameter, false);
}

void Window_OpenModal(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const int x = ctx.Int(), y = ctx.Int();
    const CString parameter = ctx.Text();
    OpenWindow(ctx, name, x, y, 1, parameter, true);
}

void Window_RedrawAll(CommandContext& ctx)
{
    if (const HWND window = ControlHandle(ctx))
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Window_Scroll(CommandContext& ctx)
{
    const int dx = ctx.Int();
    const int dy = ctx.Int();
    if (const HWND window = ControlHandle(ctx)) ::ScrollWindow(window, dx, dy, nullptr, nullptr);
}

// The whole background takes the colour; a window that has no background picture yet gets one.
void Window_SetBackColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    auto* wnd = dynamic_cast<CProjectWnd*>(ctx.Control());
    if (!wnd || !wnd->GetSafeHwnd()) return;
    ctx.Object().BackColor = colour;
    const COLORREF fill = colour == -1 ? ::GetSysColor(COLOR_BTNFACE) : COLORREF(colour);
    RECT client;
    ::GetClientRect(*wnd, &client);
    CImageBitmap* background = wnd->Background();
    if (background && background->GetSafeHandle()) {
        const CSize size = background->GetSize();
        std::unique_ptr<CDC> dc(background->CreateMemDC());
        if (dc) dc->FillSolidRect(0, 0, size.cx, size.cy, fill);
    } else {
        wnd->SetBackground(PaintWindowBackground(ctx.Runtime(), ctx.Object(), client.right, client.bottom, nullptr));
    }
    ::RedrawWindow(*wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Window_SetFont(CommandContext& ctx)
{
    ObjectRecord* font = ctx.FindObject(ctx.Int(), qbk::TypeFont);
    if (!ControlHandle(ctx) || !FontOfObject(font)) return;
    for (const auto& object : ctx.Window().Objects)
        if (const HWND window = ObjectHandle(object.get())) GiveFont(*font, window);
}

// The window's small icon from an embedded BMP picture.
void Window_Seticon(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const HWND window = ControlHandle(ctx);
    if (!window) return;
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    CImageBitmap image;
    if (!file || !image.LoadBmp(file) || !image.GetSafeHandle()) return;
    HIMAGELIST list = ::ImageList_Create(16, 16, ILC_COLORDDB, 1, 1);
    if (!list) return;
    ::ImageList_Add(list, image.GetHandle(), image.GetHandle());
    HICON icon = ::ImageList_GetIcon(list, 0, ILD_NORMAL);
    ::ImageList_Destroy(list);
    if (!icon) return;
    ::SendMessageA(window, WM_SETICON, ICON_SMALL, LPARAM(icon));
    ctx.EnsurePart<WindowIconPart>().Replace(icon);
}

void Window_SetMaxSize(CommandContext& ctx) { SetNumberPair(ctx, kMaxWidth); }

void Window_SetMinSize(CommandContext& ctx) { SetNumberPair(ctx, kMinWidth); }

void Window_SetScrollLine(CommandContext& ctx) { SetStep(ctx, kHorzLine, kVertLine); }

void Window_SetScrollPage(CommandContext& ctx) { SetStep(ctx, kHorzPage, kVertPage); }

void Window_SetScrollPos(CommandContext& ctx)
{
    const CString bar = ctx.Text();
    const int position = ctx.Int();
    if (const HWND window = ControlHandle(ctx)) ::SetScrollPos(window, BarOf(bar), position, TRUE);
}

void Window_SetScrollRange(CommandContext& ctx)
{
    const CString bar = ctx.Text();
    const int low = ctx.Int();
    const int high = ctx.Int();
    if (const HWND window = ControlHandle(ctx)) ::SetScrollRange(window, BarOf(bar), low, high, TRUE);
}

void Window_SetTopMost(CommandContext& ctx)
{
    const int flag = ctx.Int();
    const HWND window = ControlHandle(ctx);
    if (!window) return;
    const UINT shown = ::IsWindowVisible(window) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    ::SetWindowPos(window, flag != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | shown);
}

void Window_ShowScrollBar(CommandContext& ctx)
{
    const CString bar = ctx.Text();
    const int show = ctx.Int();
    const HWND window = ControlHandle(ctx);
    if (!window) return;
    const int which = bar == "HORZ" ? SB_HORZ : bar == "VERT" ? SB_VERT : SB_BOTH;
    ::ShowScrollBar(window, which, show == 1 ? TRUE : FALSE);
}

constexpr CommandEntry kWindow[] = {
    {31, "Window_Center", Window_Center},  // after the shared commands 0 to 30
    {32, "Window_Close", Window_Close},
    {33, "Window_AcceptFiles", Window_AcceptFiles},
    {34, "Window_SetSubclass", Window_SetSubclass},
    {35, "Window_GetBackColor", Window_GetBackColor},
    {36, "Window_GetControlCount", Window_GetControlCount},
    {37, "Window_GetControlId", Window_GetControlId},
    {38, "Window_GetMaxHeight", Window_GetMaxHeight},
    {39, "Window_GetMaxWidth", Window_GetMaxWidth},
    {40, "Window_GetMinHeight", Window_GetMinHeight},
    {41, "Window_GetMinWidth", Window_GetMinWidth},
    {42, "Window_GetScrollLine", Window_GetScrollLine},
    {43, "Window_GetScrollMax", Window_GetScrollMax},
    {44, "Window_GetScrollMin", Window_GetScrollMin},
    {45, "Window_GetScrollPage", Window_GetScrollPage},
    {46, "Window_GetScrollPos", Window_GetScrollPos},
    {47, "Window_IsForeground", Window_IsForeground},
    {48, "Window_IsMaximized", Window_IsMaximized},
    {49, "Window_IsMinimized", Window_IsMinimized},
    {50, "Window_IsOpen", Window_IsOpen},
    {51, "Window_Maximize", Window_Maximize},
    {52, "Window_Minimize", Window_Minimize},
    {53, "Window_Open", Window_Open},
    {54, "Window_OpenModal", Window_OpenModal},
    {55, "Window_RedrawAll", Window_RedrawAll},
    {56, "Window_Restore", Window_Restore},
    {57, "Window_Scroll", Window_Scroll},
    {58, "Window_SetBackColor", Window_SetBackColor},
    {59, "Window_SetFont", Window_SetFont},
    {60, "Window_Seticon", Window_Seticon},
    {61, "Window_SetMaxSize", Window_SetMaxSize},
    {62, "Window_SetMinSize", Window_SetMinSize},
    {63, "Window_SetScrollLine", Window_SetScrollLine},
    {64, "Window_SetScrollPage", Window_SetScrollPage},
    {65, "Window_SetScrollPos", Window_SetScrollPos},
    {66, "Window_SetScrollRange", Window_SetScrollRange},
    {67, "Window_SetTopMost", Window_SetTopMost},
    {68, "Window_ShowScrollBar", Window_ShowScrollBar},
};
static_assert(NumbersOwnCommands(kWindow, qbk::TypeWindow, 68));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeWindow, kWindow)};

}  // namespace

extern const CommandFamily kWindowFamily("Window", kLists);
