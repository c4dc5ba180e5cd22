// Commands 2 to 30, which the window and every visual control share: enabling, showing, moving and
// sizing the object's window, reading its geometry, text, handle, focus and state, converting
// coordinates, and a per-window user value.
#include "command_table.h"
#include "control_message.h"
#include "font_object.h"
#include "value_format.h"
#include "video_fit.h"

namespace {

// Three-state switches: > 0 on, 0 off, < 0 the opposite of now.
bool SwitchedOn(int state, bool now) { return state < 0 ? !now : state > 0; }

RECT OuterRect(HWND window)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRect(HWND window)
{
    RECT rect = {};
    ::GetClientRect(window, &rect);
    return rect;
}

// The client area's origin relative to the window's outer top-left corner.
POINT ClientOffset(HWND window)
{
    const RECT outer = OuterRect(window);
    POINT origin = {0, 0};
    ::ClientToScreen(window, &origin);
    return {origin.x - outer.left, origin.y - outer.top};
}

WINDOWPLACEMENT PlacementOf(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    ::GetWindowPlacement(window, &placement);
    return placement;
}

// A getter of one number about the window; "0" without one.
template <class Measure>
void AnswerMeasure(CommandContext& ctx, Measure measure)
{
    const HWND window = ControlHandle(ctx);
    ctx.SetInt(window ? measure(window) : 0);
}

void Control_Enable(CommandContext& ctx)
{
    const int state = ctx.Int();
    if (const HWND window = ControlHandle(ctx))
        ::EnableWindow(window, SwitchedOn(state, ::IsWindowEnabled(window) != FALSE));
}

void Control_Setredraw(CommandContext& ctx)
{
    const int flag = ctx.Int();
    SendToControl(ctx, WM_SETREDRAW, flag != 0 ? 1 : 0);
}

void Control_GetHeight(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(OuterRect(w).bottom - OuterRect(w).top); });
}

void Control_GetClientHeight(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(ClientRect(w).bottom - ClientRect(w).top); });
}

void Control_GetClientWidth(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(ClientRect(w).right - ClientRect(w).left); });
}

void Control_GetClientOffsetX(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(ClientOffset(w).x); });
}

void Control_GetClientOffsetY(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(ClientOffset(w).y); });
}

void Control_GetText(CommandContext& ctx)
{
    if (ctx.Control() && ControlHandle(ctx)) ctx.SetResult(ctx.Control()->GetWindowText());
}

void Control_GetUserData(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(::GetWindowLongPtrA(w, GWLP_USERDATA)); });
}

void Control_GetWidth(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(OuterRect(w).right - OuterRect(w).left); });
}

void Control_GetHandle(CommandContext& ctx)
{
    ctx.SetResult(FormatNumber(int64_t(reinterpret_cast<uintptr_t>(ControlHandle(ctx)))));
}

void Control_GetLeft(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(PlacementOf(w).rcNormalPosition.left); });
}

void Control_GetTop(CommandContext& ctx)
{
    AnswerMeasure(ctx, [](HWND w) { return int(PlacementOf(w).rcNormalPosition.top); });
}

// A combo box with an edit field has the focus when its field has it.
HWND FocusTarget(const CommandContext& ctx, HWND window)
{
    if (ctx.Object().Type != qbk::TypeComboBox || (::GetWindowLongPtrA(window, GWL_STYLE) & 3) == CBS_DROPDOWNLIST)
        return window;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    return ::GetComboBoxInfo(window, &info) ? info.hwndItem : nullptr;
}

void Control_HasFocus(CommandContext& ctx)
{
    const HWND window = ControlHandle(ctx);
    const HWND target = window ? FocusTarget(ctx, window) : nullptr;
    ctx.SetTruth(target && ::GetFocus() == target);
}

void Control_IsEnabled(CommandContext& ctx)
{
    const HWND window = ControlHandle(ctx);
    ctx.SetTruth(window && ::IsWindowEnabled(window));
}

void Control_IsVisible(CommandContext& ctx)
{
    const HWND window = ControlHandle(ctx);
    ctx.SetTruth(window && ::IsWindowVisible(window));
}

void Control_Redraw(CommandContext& ctx)
{
    if (const HWND control = ControlHandle(ctx))
        ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Control_SetFocus(CommandContext& ctx)
{
    if (const HWND control = ControlHandle(ctx)) ::SetFocus(control);
}

void Control_SetFont(CommandContext& ctx)
{
    ObjectRecord* font = ctx.FindObject(ctx.Int(), qbk::TypeFont);
    if (const HWND window = ControlHandle(ctx))
        if (font) GiveFont(*font, window);
}

void Control_Move(CommandContext& ctx)
{
    const int x = ctx.Int();
    const int y = ctx.Int();
    const HWND window = ControlHandle(ctx);
    if (!window) return;
    const RECT outer = OuterRect(window);
    ::MoveWindow(window, x, y, outer.right - outer.left, outer.bottom - outer.top, TRUE);
    ::UpdateWindow(window);
}

// The window's outer rectangle where its position is measured: its parent's client area for a
// child, the screen for a top-level window.
RECT PlacedRect(HWND window)
{
    RECT rect = OuterRect(window);
    if (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)
        ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Control_SetSize(CommandContext& ctx)
{
    const int width = ctx.Int();
    const int height = ctx.Int();
    const HWND window = ControlHandle(ctx);
    if (!window) return;
    if (ctx.Object().Type == qbk::TypeWindow) {
        // Through the placement: the normal size changes also while the window is minimised or
        // maximised, and a hidden window stays hidden.
        WINDOWPLACEMENT placement = PlacementOf(window);
        placement.rcNormalPosition.right = placement.rcNormalPosition.left + width;
        placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + height;
        if (!::IsWindowVisible(window)) placement.showCmd = SW_HIDE;
        ::SetWindowPlacement(window, &placement);
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }
    const RECT placed = PlacedRect(window);
    ::MoveWindow(window, placed.left, placed.top, width, height, TRUE);
    if (auto* video = dynamic_cast<VideoFitting*>(ctx.Object().Part.get())) video->FitVideoWindow();
}

void Control_SetClientSize(CommandContext& ctx)
{
    const int width = ctx.Int();
    const int height = ctx.Int();
    const HWND window = ControlHandle(ctx);
    // A minimised or maximised window keeps the size its state gives it.
    if (!window || ::IsIconic(window) || ::IsZoomed(window)) return;
    const RECT outer = OuterRect(window), client = ClientRect(window);
    ::SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left - client.right + width,
                   outer.bottom - outer.top - client.bottom + height, SWP_NOMOVE | SWP_NOZORDER);
}

// A scrolling text drawn over its parent repaints the parent's area beneath it.
void RedrawScrollingText(HWND control)
{
    if (!(::GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) {
        ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return;
    }
    const HWND parent = ::GetParent(control);
    RECT area = PlacedRect(control);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Control_SetText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    ::SetWindowTextA(control, text);
    const int type = ctx.Object().Type;
    if (type == qbk::TypeScrollingWindow)
        RedrawScrollingText(control);
    else if (type != qbk::TypeWindow)
        ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Control_SetUserData(CommandContext& ctx)
{
    const int value = ctx.Int();
    if (const HWND window = ControlHandle(ctx)) ::SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(value));
}

void Control_Show(CommandContext& ctx)
{
    const int state = ctx.Int();
    if (const HWND window = ControlHandle(ctx))
        ::ShowWindow(window, SwitchedOn(state, ::IsWindowVisible(window) != FALSE) ? SW_SHOW : SW_HIDE);
}

// The coordinate conversions answer nothing without a window.
void Convert(CommandContext& ctx, bool toScreen, bool vertical)
{
    const int value = ctx.Int();
    const HWND window = ControlHandle(ctx);
    if (!window) return;
    POINT point = {vertical ? 0 : value, vertical ? value : 0};
    if (toScreen)
        ::ClientToScreen(window, &point);
    else
        ::ScreenToClient(window, &point);
    ctx.SetInt(vertical ? point.y : point.x);
}

void Control_ClientToScreenX(CommandContext& ctx) { Convert(ctx, true, false); }

void Control_ScreenToClientX(CommandContext& ctx) { Convert(ctx, false, false); }

void Control_ClientToScreenY(CommandContext& ctx) { Convert(ctx, true, true); }

void Control_ScreenToClientY(CommandContext& ctx) { Convert(ctx, false, true); }

constexpr CommandEntry kControlCommands[] = {
    {2, "Control_Enable", Control_Enable},  // after the shared commands 0 and 1
    {3, "Control_Setredraw", Control_Setredraw},
    {4, "Control_GetHeight", Control_GetHeight},
    {5, "Control_GetClientHeight", Control_GetClientHeight},
    {6, "Control_GetClientWidth", Control_GetClientWidth},
    {7, "Control_GetClientOffsetX", Control_GetClientOffsetX},
    {8, "Control_GetClientOffsetY", Control_GetClientOffsetY},
    {9, "Control_GetText", Control_GetText},
    {10, "Control_GetUserData", Control_GetUserData},
    {11, "Control_GetWidth", Control_GetWidth},
    {12, "Control_GetHandle", Control_GetHandle},
    {13, "Control_GetLeft", Control_GetLeft},
    {14, "Control_GetTop", Control_GetTop},
    {15, "Control_HasFocus", Control_HasFocus},
    {16, "Control_IsEnabled", Control_IsEnabled},
    {17, "Control_IsVisible", Control_IsVisible},
    {18, "Control_Redraw", Control_Redraw},
    {19, "Control_SetFocus", Control_SetFocus},
    {20, "Control_SetFont", Control_SetFont},
    {21, "Control_Move", Control_Move},
    {22, "Control_SetSize", Control_SetSize},
    {23, "Control_SetClientSize", Control_SetClientSize},
    {24, "Control_SetText", Control_SetText},
    {25, "Control_SetUserData", Control_SetUserData},
    {26, "Control_Show", Control_Show},
    {27, "Control_ClientToScreenX", Control_ClientToScreenX},
    {28, "Control_ScreenToClientX", Control_ScreenToClientX},
    {29, "Control_ClientToScreenY", Control_ClientToScreenY},
    {30, "Control_ScreenToClientY", Control_ScreenToClientY},
};
static_assert(NumbersCommands(kControlCommands, qbk::kFirstControlCommand, qbk::kLastControlCommand));

constexpr CommandList kLists[] = {SharedControlCommands(kControlCommands)};

}  // namespace

extern const CommandFamily kControlFamily("control commands", kLists);
