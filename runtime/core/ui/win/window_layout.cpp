// Objects inside their window: anchored layout on size changes, the tab order of buttons and edit
// boxes, radio groups, and the quiet procedure that keeps a window painted without events.
#include "window_messages.h"
#include "window_services.h"

HWND ObjectHandle(const ObjectRecord* object)
{
    return object && object->WindowObject ? object->WindowObject->GetSafeHwnd() : nullptr;
}

void LayoutObjects(CProjectRuntime& runtime, WindowRecord& window)
{
    (void)runtime;
    const ObjectRecord* self = window.Self();
    const HWND handle = ObjectHandle(self);
    if (!handle) return;
    RECT client;
    ::GetClientRect(handle, &client);
    const int dx = client.right - client.left - self->Width;
    const int dy = client.bottom - client.top - self->Height;
    for (int i = qbk::kBuiltInObjectCount; i < window.GetObjectCount(); ++i) {
        const ObjectRecord* object = window.GetObjectAt(i);
        const HWND control = ObjectHandle(object);
        if (object->Type < qbk::kFirstVisualType || object->Anchor == 0 || !control) continue;
        const qbk::Box box =
            qbk::AnchoredBox({object->Left, object->Top, object->Width, object->Height}, object->Anchor, dx, dy);
        ::MoveWindow(control, box.Left, box.Top, box.Width, box.Height, TRUE);
    }
}

void FocusNextTabObject(WindowRecord* window, ObjectRecord* object)
{
    if (!window || !object || !ObjectHandle(window->Self())) return;
    const int first = qbk::kBuiltInObjectCount, count = window->GetObjectCount() - first;
    int start = -1;
    for (int i = 0; i < count && start < 0; ++i)
        if (window->GetObjectAt(first + i) == object) start = i;
    if (start < 0 || count < 2) return;
    for (int step = 1; step <= count; ++step) {
        ObjectRecord* next = window->GetObjectAt(first + (start + step) % count);
        const bool tabStop = (next->Style & WS_TABSTOP) != 0;
        const bool kind = next->Type == qbk::TypeButton || next->Type == qbk::TypeEditBox;
        if (tabStop && kind && ObjectHandle(next)) {
            ::SetFocus(ObjectHandle(next));
            return;
        }
    }
}

void CheckRadioInGroup(WindowRecord* window, ObjectRecord* object)
{
    if (!window || !object) return;
    ::SendMessageA(ObjectHandle(object), BM_SETCHECK, BST_CHECKED, 0);
    if (object->Numbers.empty()) object->Numbers.push_back(-1);
    const double group = object->Numbers[0];
    if (group == -1) return;
    for (int i = qbk::kBuiltInObjectCount; i < window->GetObjectCount(); ++i) {
        ObjectRecord* other = window->GetObjectAt(i);
        if (other->Type == qbk::TypeRadioButton && other->Id != object->Id && !other->Numbers.empty() &&
            other->Numbers[0] == group)
            ::SendMessageA(ObjectHandle(other), BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

LRESULT QuietWindowProc(const WindowMessage& m)
{
    switch (m.Message) {
    case WM_SIZE:
    case WM_SIZING:
        BuildWindowBackground(m.Runtime, &m.Window);
        LayoutObjects(m.Runtime, m.Window);
        return 0;
    case WM_CLOSE:
        // Closing leaves quiet mode, and the whole close runs.
        m.Window.Quiet = 0;
        OnClose(m);
        return 0;
    default: return m.Default();
    }
}
