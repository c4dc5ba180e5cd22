// The one-message commands of controls: a message to the object's control, when it has one; and
// the script window's handle.
#pragma once

#include "command_context.h"
#include "fw_wnd.h"

inline HWND ControlHandle(const CommandContext& ctx) { return ctx.Control() ? ctx.Control()->GetSafeHwnd() : nullptr; }

inline void SendToControl(const CommandContext& ctx, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    if (const HWND control = ControlHandle(ctx)) ::SendMessageA(control, message, wParam, lParam);
}

// The window whose event runs the script: owner of boxes, base of client coordinates. Null
// while it has no window.
inline HWND ScriptWindowHandle(const CommandContext& ctx)
{
    const ObjectRecord* self = ctx.Window().Self();
    return self && self->WindowObject ? self->WindowObject->GetSafeHwnd() : nullptr;
}
