// The commands of controls that keep a position in a range (progress bars, scroll bars, sliders):
// moving it by an amount or to a value, and reading it. The control keeps the position within its
// range, so the answers are what the control holds afterwards.
#pragma once

#include "control_message.h"

// How one kind of control reads and sets its position.
struct PositionAccess {
    int (*Get)(HWND control);
    void (*Set)(HWND control, int position);
};

// Moves the position by sign x the amount argument; answers the new position, "0" without control.
inline void MovePositionBy(CommandContext& ctx, const PositionAccess& access, int sign)
{
    const int amount = ctx.Int();
    ctx.SetResult("0");
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    access.Set(control, access.Get(control) + sign * amount);
    ctx.SetInt(access.Get(control));
}

// Sets the position argument; answers the position before, "0" without control.
inline void SetPosition(CommandContext& ctx, const PositionAccess& access)
{
    const int position = ctx.Int();
    ctx.SetResult("0");
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    const int before = access.Get(control);
    access.Set(control, position);
    ctx.SetInt(before);
}

inline void GetPosition(CommandContext& ctx, const PositionAccess& access)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? access.Get(control) : 0);
}

// A setter whose answer is "0" when there is no control, and nothing otherwise.
inline HWND ControlOrZero(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    if (!control) ctx.SetResult("0");
    return control;
}
