// Synthesised keys and mouse buttons, key and button states, the pointer (types 6 and 9).
#include "command_table.h"
#include "control_message.h"
#include "key_names.h"

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

BYTE KeyCode(CommandContext& ctx) { return BYTE(KeyNameToVirtualKey(ctx.Text())); }

// A key event; none for an unknown name (code 0), which some systems would deliver as a key.
void SendKey(BYTE key, DWORD flags)
{
    if (key != 0) ::keybd_event(key, 0, flags, 0);
}

void Keyboard_PressKey(CommandContext& ctx)
{
    const BYTE key = KeyCode(ctx);
    SendKey(key, 0);
    SendKey(key, KEYEVENTF_KEYUP);
}

void Keyboard_KeyDown(CommandContext& ctx) { SendKey(KeyCode(ctx), 0); }
void Keyboard_KeyUp(CommandContext& ctx) { SendKey(KeyCode(ctx), KEYEVENTF_KEYUP); }

bool IsDownNow(int key) { return (::GetAsyncKeyState(key) & 0x8000) != 0; }

// An empty name asks whether any key or mouse button is down.
void Keyboard_IsKeyDown(CommandContext& ctx)
{
    const CString name = ctx.Text();
    bool down = false;
    if (name.IsEmpty()) {
        for (int key = 1; key <= 255 && !down; ++key) down = IsDownNow(key);
    } else {
        const unsigned key = KeyNameToVirtualKey(name);
        down = key != 0 && IsDownNow(int(key));
    }
    ctx.SetTruth(down);
}

POINT CursorPos()
{
    POINT point = {0, 0};
    ::GetCursorPos(&point);
    return point;
}

// The pointer in the script window's client coordinates.
POINT ClientCursorPos(CommandContext& ctx)
{
    POINT point = CursorPos();
    if (const HWND window = ScriptWindowHandle(ctx)) ::ScreenToClient(window, &point);
    return point;
}

void Mouse_GetScreenX(CommandContext& ctx) { ctx.SetInt(CursorPos().x); }
void Mouse_GetScreenY(CommandContext& ctx) { ctx.SetInt(CursorPos().y); }
void Mouse_GetClientX(CommandContext& ctx) { ctx.SetInt(ClientCursorPos(ctx).x); }
void Mouse_GetClientY(CommandContext& ctx) { ctx.SetInt(ClientCursorPos(ctx).y); }

void Mouse_GetCapture(CommandContext& ctx) { ctx.SetTruth(ScriptWindowHandle(ctx) && ::GetCapture()); }

// Any state but 0: down now, or pressed since the last query.
void Mouse_IsLeftButtonDown(CommandContext& ctx) { ctx.SetTruth(::GetAsyncKeyState(VK_LBUTTON) != 0); }
void Mouse_IsMiddleButtonDown(CommandContext& ctx) { ctx.SetTruth(::GetAsyncKeyState(VK_MBUTTON) != 0); }
void Mouse_IsRightButtonDown(CommandContext& ctx) { ctx.SetTruth(::GetAsyncKeyState(VK_RBUTTON) != 0); }

void Mouse_SetCapture(CommandContext& ctx)
{
    if (ctx.Int() == 0) {
        ::ReleaseCapture();
    } else if (const HWND window = ScriptWindowHandle(ctx)) {
        ::SetCapture(window);
    }
}

void Mouse_SetCursor(CommandContext& ctx)
{
    static const struct {
        const char* name;
        int id;
    } cursors[] = {
        {"APPSTARTING", 32650}, {"ARROW", 32512},  {"CROSS", 32515},   {"HAND", 32649},     {"HELP", 32651},
        {"IBEAM", 32513},       {"NO", 32648},     {"SIZEALL", 32646}, {"SIZENESW", 32643}, {"SIZENS", 32645},
        {"SIZENWSE", 32642},    {"SIZEWE", 32644}, {"UPARROW", 32516}, {"WAIT", 32514},
    };
    const CString name = ctx.Text();
    for (const auto& cursor : cursors) {
        if (name == cursor.name) {
            ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(cursor.id)));
            return;
        }
    }
}

void Mouse_SetScreenPos(CommandContext& ctx)
{
    const int x = ctx.Int();
    const int y = ctx.Int();
    ::SetCursorPos(x, y);
}

void Mouse_SetClientPos(CommandContext& ctx)
{
    POINT point;
    point.x = ctx.Int();
    point.y = ctx.Int();
    if (const HWND window = ScriptWindowHandle(ctx)) ::ClientToScreen(window, &point);
    ::SetCursorPos(point.x, point.y);
}

// Shows or hides the pointer whatever the system's display count was.
void Mouse_ShowCursor(CommandContext& ctx)
{
    // Each call moves the count by one; the bound only guards against a system that does not.
    if (ctx.Int() != 0) {
        for (int i = 0; i < 100000 && ::ShowCursor(TRUE) < 1; ++i) {
        }
    } else {
        for (int i = 0; i < 100000 && ::ShowCursor(FALSE) > -1; ++i) {
        }
    }
}

constexpr CommandEntry kKeyboard[] = {
    {0, "Keyboard_PressKey", Keyboard_PressKey},  // no shared commands: own numbers from 0
    {1, "Keyboard_KeyDown", Keyboard_KeyDown},
    {2, "Keyboard_KeyUp", Keyboard_KeyUp},
    {3, "Keyboard_IsKeyDown", Keyboard_IsKeyDown},
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
    {12, "Mouse_GetScreenX", Mouse_GetScreenX},
    {13, "Mouse_GetClientX", Mouse_GetClientX},
    {14, "Mouse_GetScreenY", Mouse_GetScreenY},
    {15, "Mouse_GetClientY", Mouse_GetClientY},
    {16, "Mouse_GetCapture", Mouse_GetCapture},
    {17, "Mouse_IsLeftButtonDown", Mouse_IsLeftButtonDown},
    {18, "Mouse_IsRightButtonDown", Mouse_IsRightButtonDown},  // the right button before the middle one
    {19, "Mouse_IsMiddleButtonDown", Mouse_IsMiddleButtonDown},
    {20, "Mouse_SetCapture", Mouse_SetCapture},
    {21, "Mouse_SetCursor", Mouse_SetCursor},
    {22, "Mouse_SetScreenPos", Mouse_SetScreenPos},
    {23, "Mouse_SetClientPos", Mouse_SetClientPos},
    {24, "Mouse_ShowCursor", Mouse_ShowCursor},
};
static_assert(NumbersOwnCommands(kMouse, qbk::TypeMouse, 24));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeKeyboard, kKeyboard), OwnCommands(qbk::TypeMouse, kMouse)};

}  // namespace

extern const CommandFamily kKeyboardMouseFamily("Keyboard and Mouse", kLists);
