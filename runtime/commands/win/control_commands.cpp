// Commands 2 to 30, which the window and every visual control share: enabling, showing, moving and
// sizing the object's window, reading its geometry, text, handle, focus and state, converting
// coordinates, and a per-window user value.
#include "command_table.h"

namespace {

constexpr CommandEntry kControlCommands[] = {
    {2, "Control_Enable"},  // after the shared commands 0 and 1
    {3, "Control_Setredraw"},
    {4, "Control_GetHeight"},
    {5, "Control_GetClientHeight"},
    {6, "Control_GetClientWidth"},
    {7, "Control_GetClientOffsetX"},
    {8, "Control_GetClientOffsetY"},
    {9, "Control_GetText"},
    {10, "Control_GetUserData"},
    {11, "Control_GetWidth"},
    {12, "Control_GetHandle"},
    {13, "Control_GetLeft"},
    {14, "Control_GetTop"},
    {15, "Control_HasFocus"},
    {16, "Control_IsEnabled"},
    {17, "Control_IsVisible"},
    {18, "Control_Redraw"},
    {19, "Control_SetFocus"},
    {20, "Control_SetFont"},
    {21, "Control_Move"},
    {22, "Control_SetSize"},
    {23, "Control_SetClientSize"},
    {24, "Control_SetText"},
    {25, "Control_SetUserData"},
    {26, "Control_Show"},
    {27, "Control_ClientToScreenX"},
    {28, "Control_ScreenToClientX"},
    {29, "Control_ClientToScreenY"},
    {30, "Control_ScreenToClientY"},
};
static_assert(NumbersCommands(kControlCommands, qbk::kFirstControlCommand, qbk::kLastControlCommand));

constexpr CommandList kLists[] = {SharedControlCommands(kControlCommands)};

}  // namespace

extern const CommandFamily kControlFamily("control commands", kLists);
