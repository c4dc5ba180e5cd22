// MDI clients (type 59) and the windows they hold.
#include "command_table.h"
#include "control_message.h"
#include "menu_object.h"
#include "window_services.h"

namespace {

constexpr int kStartEvent = 16;

// The project window of that name, open or not; null for a name that names none.
WindowRecord* NamedWindow(const CommandContext& ctx, const CString& name)
{
    CProjectRuntime& runtime = ctx.Runtime();
    return runtime.FindWindowRecordById(runtime.FindWindowIdByName(name));
}

// Closes the named project window when it is open, as its close box would: inside the MDI area
// or not, and whether or not this object has its area.
void MdiWindow_Close(CommandContext& ctx)
{
    const WindowRecord* window = NamedWindow(ctx, ctx.Text());
    if (const HWND handle = window ? ObjectHandle(window->Self()) : nullptr) ::SendMessageA(handle, WM_CLOSE, 0, 0);
}

void MdiWindow_GetActive(CommandContext& ctx)
{
    const HWND client = ControlHandle(ctx);
    const HWND active = client ? HWND(::SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
    const WindowRecord* window = active ? ctx.Runtime().FindWindowRecordByHandle(active) : nullptr;
    if (window) ctx.SetResult(window->GetName());
}

void MdiWindow_GetBackColor(CommandContext& ctx)
{
    if (ControlHandle(ctx)) ctx.SetInt(ctx.Object().BackColor);
}

// Opens the named window as a child of the area at (x, y) and runs its start event with the
// parameter; answers what the event returns.
void MdiWindow_OpenChild(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const int x = ctx.Int(), y = ctx.Int();
    ArgumentBlock start;
    start.Texts.push_back(ctx.Text());
    const HWND client = ControlHandle(ctx);
    WindowRecord* child = NamedWindow(ctx, name);
    if (!client || !child || !child->Self() || child->Self()->WindowObject) return;
    CProjectRuntime& runtime = ctx.Runtime();
    CreateProjectWindow(runtime, child->Id, ctx.Window().Id, ctx.Object().Id);
    const HWND opened = ObjectHandle(child->Self());
    if (!opened) return;
    ::SetWindowPos(opened, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SendMessageA(client, WM_MDIREFRESHMENU, 0, 0);
    ::SetFocus(client);
    ::SetFocus(opened);
    ctx.SetResult(runtime.RunScript(child, child->Self(), kStartEvent, &start));
    // The start event may have closed the child, or the whole window.
    const HWND shown = ObjectHandle(child->Self());
    if (shown && (child->Self()->Style & WS_VISIBLE) && !::IsWindowVisible(shown)) {
        ::ShowWindow(shown, SW_SHOW);
        ::UpdateWindow(shown);
    }
    if (::IsWindow(client)) ::UpdateWindow(client);
}

void MdiWindow_SetBackColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    const HWND client = ControlHandle(ctx);
    if (!client) return;
    ctx.Object().BackColor = colour;
    ::RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// The area lists its windows in a MenuBar object's menu; the frame keeps the menu bar it has.
void MdiWindow_SetMenu(CommandContext& ctx)
{
    const HMENU menu = MenuOfObject(ctx.FindObject(ctx.Int()), qbk::TypeMenuBar);
    const HWND client = ControlHandle(ctx);
    if (!client || !menu) return;
    ::SendMessageA(client, WM_MDISETMENU, 0, LPARAM(menu));
    // Some systems list the windows already open only at the next refresh.
    ::SendMessageA(client, WM_MDIREFRESHMENU, 0, 0);
    if (const HWND frame = ScriptWindowHandle(ctx)) ::DrawMenuBar(frame);
}

// Arrangements of the MDI area's windows.
void MdiWindow_Tile(CommandContext& ctx) { SendToControl(ctx, WM_MDITILE, MDITILE_SKIPDISABLED); }

void MdiWindow_Cascade(CommandContext& ctx) { SendToControl(ctx, WM_MDICASCADE); }

void MdiWindow_IconArrange(CommandContext& ctx) { SendToControl(ctx, WM_MDIICONARRANGE); }

void MdiWindow_Next(CommandContext& ctx) { SendToControl(ctx, WM_MDINEXT, 0, 0); }

void MdiWindow_Previous(CommandContext& ctx) { SendToControl(ctx, WM_MDINEXT, 0, 1); }

constexpr CommandEntry kMdiWindow[] = {
    {31, "MdiWindow_Tile", MdiWindow_Tile},  // after the shared commands 0 to 30
    {32, "MdiWindow_Close", MdiWindow_Close},
    {33, "MdiWindow_GetActive", MdiWindow_GetActive},
    {34, "MdiWindow_GetBackColor", MdiWindow_GetBackColor},
    {35, "MdiWindow_Cascade", MdiWindow_Cascade},
    {36, "MdiWindow_OpenChild", MdiWindow_OpenChild},
    {37, "MdiWindow_IconArrange", MdiWindow_IconArrange},
    {38, "MdiWindow_SetBackColor", MdiWindow_SetBackColor},
    {39, "MdiWindow_SetMenu", MdiWindow_SetMenu},
    {40, "MdiWindow_Next", MdiWindow_Next},
    {41, "MdiWindow_Previous", MdiWindow_Previous},
};
static_assert(NumbersOwnCommands(kMdiWindow, qbk::TypeMdiWindow, 41));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMdiWindow, kMdiWindow)};

}  // namespace

extern const CommandFamily kMdiWindowFamily("MdiWindow", kLists);
