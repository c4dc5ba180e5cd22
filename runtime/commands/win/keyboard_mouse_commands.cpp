// Synthesised keys and mouse buttons, key and button states, the pointer (types 6 and 9).
#include "command_table.h"
#include "control_message.h"

namespace {

// Button presses at the pointer's place, as the mouse itself would make them.
void Press(DWORD down, DWORD up, int clicks)
{
    for (int i = 0; i < clicks; ++i) {
        if (down) ::mouse_event(down, 0, 0, 0, 0);
        if (up) ::mouse_event(up, 0, 0, 0, 0);
    }
}

void Mouse_LeftClick(CommandContext&) { Press(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1); }
void Mouse_LeftDoubleClick(CommandContext&) { Press(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2); }
void Mouse_LeftDown(CommandContext&) { Press(MOUSEEVENTF_LEFTDOWN, 0, 1); }
void Mouse_LeftUp(CommandContext&) { Press(0, MOUSEEVENTF_LEFTUP, 1); }
void Mouse_MiddleClick(CommandContext&) { Press(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 1); }
void Mouse_MiddleDoubleClick(CommandContext&) { Press(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 2); }
void Mouse_MiddleDown(CommandContext&) { Press(MOUSEEVENTF_MIDDLEDOWN, 0, 1); }
void Mouse_MiddleUp(CommandContext&) { Press(0, MOUSEEVENTF_MIDDLEUP, 1); }
void Mouse_RightClick(CommandContext&) { Press(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1); }
void Mouse_RightDoubleClick(CommandContext&) { Press(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 2); }
void Mouse_RightDown(CommandContext&) { Press(MOUSEEVENTF_RIGHTDOWN, 0, 1); }
void Mouse_RightUp(CommandContext&) { Press(0, MOUSEEVENTF_RIGHTUP, 1); }

constexpr CommandEntry kKeyboard[] = {
    {0, "Keyboard_PressKey"},  // no shared commands: own numbers from 0
    {1, "Keyboard_KeyDown"},
    {2, "Keyboard_KeyUp"},
    {3, "Keyboard_IsKeyDown"},
};
static_assert(NumbersOwnCommands(kKeyboard, qbk::TypeKeyboard, 3));

constexpr CommandEntry kMouse[] = {
    {0, "Mouse_LeftClick", Mouse_LeftClick},  // no shared commands: own numbers from 0
    {1, "Mouse_LeftDoubleClick", Mouse_LeftDoubleClick},
    {2, "Mouse_LeftDown", Mouse_LeftDown},
    {3, "Mouse_LeftUp", Mouse_LeftUp},
    {4, "Mouse_MiddleClick", Mouse_MiddleClick},
    {5, "Mouse_MiddleDoubleClick", Mouse_MiddleDoubleClick},
    {6, "Mouse_MiddleDown", Mouse_MiddleDown},
    {7, "Mouse_MiddleUp", Mouse_MiddleUp},
    {8, "Mouse_RightClick", Mouse_RightClick},
    {9, "Mouse_RightDoubleClick", Mouse_RightDoubleClick},
    {10, "Mouse_RightDown", Mouse_RightDown},
    {11, "Mouse_RightUp", Mouse_RightUp},
    {12, "Mouse_GetScreenX"},
    {13, "Mouse_GetClientX"},
    {14, "Mouse_GetScreenY"},
    {15, "Mouse_GetClientY"},
    {16, "Mouse_GetCapture"},
    {17, "Mouse_IsLeftButtonDown"},
    {18, "Mouse_IsMiddleButtonDown"},
    {19, "Mouse_IsRightButtonDown"},
    {20, "Mouse_SetCapture"},
    {21, "Mouse_SetCursor"},
    {22, "Mouse_SetScreenPos"},
    {23, "Mouse_SetClientPos"},
    {24, "Mouse_ShowCursor"},
};
static_assert(NumbersOwnCommands(kMouse, qbk::TypeMouse, 24));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeKeyboard, kKeyboard), OwnCommands(qbk::TypeMouse, kMouse)};

}  // namespace

extern const CommandFamily kKeyboardMouseFamily("Keyboard and Mouse", kLists);
