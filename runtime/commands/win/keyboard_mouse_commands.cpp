// Synthesised keys and mouse buttons, key and button states, the pointer (types 6 and 9).
#include "command_table.h"

namespace {

constexpr CommandEntry kKeyboard[] = {
    {0, "Keyboard_PressKey"},  // no shared commands: own numbers from 0
    {1, "Keyboard_KeyDown"},
    {2, "Keyboard_KeyUp"},
    {3, "Keyboard_IsKeyDown"},
};
static_assert(NumbersOwnCommands(kKeyboard, qbk::TypeKeyboard, 3));

constexpr CommandEntry kMouse[] = {
    {0, "Mouse_LeftClick"},  // no shared commands: own numbers from 0
    {1, "Mouse_LeftDoubleClick"},    {2, "Mouse_LeftDown"},          {3, "Mouse_LeftUp"},
    {4, "Mouse_MiddleClick"},        {5, "Mouse_MiddleDoubleClick"}, {6, "Mouse_MiddleDown"},
    {7, "Mouse_MiddleUp"},           {8, "Mouse_RightClick"},        {9, "Mouse_RightDoubleClick"},
    {10, "Mouse_RightDown"},         {11, "Mouse_RightUp"},          {12, "Mouse_GetScreenX"},
    {13, "Mouse_GetClientX"},        {14, "Mouse_GetScreenY"},       {15, "Mouse_GetClientY"},
    {16, "Mouse_GetCapture"},        {17, "Mouse_IsLeftButtonDown"}, {18, "Mouse_IsMiddleButtonDown"},
    {19, "Mouse_IsRightButtonDown"}, {20, "Mouse_SetCapture"},       {21, "Mouse_SetCursor"},
    {22, "Mouse_SetScreenPos"},      {23, "Mouse_SetClientPos"},     {24, "Mouse_ShowCursor"},
};
static_assert(NumbersOwnCommands(kMouse, qbk::TypeMouse, 24));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeKeyboard, kKeyboard), OwnCommands(qbk::TypeMouse, kMouse)};

}  // namespace

extern const CommandFamily kKeyboardMouseFamily("Keyboard and Mouse", kLists);
