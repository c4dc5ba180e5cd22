#include "window_drag.h"

#include <commctrl.h>

#include "window_services.h"

namespace {

enum class DragMode { None, ListItem, TreeItem };

struct DragState {
    DragMode Mode = DragMode::None;
    HWND Source = nullptr;
    WindowRecord* SourceWindow = nullptr;
    ObjectRecord* SourceObject = nullptr;
    HIMAGELIST Image = nullptr;
    int DraggedListItem = -1;
    int ListItemUnderCursor = -1;
    HTREEITEM DraggedTreeItem = nullptr;
    HTREEITEM TreeDropTarget = nullptr;
};

DragState g_drag;

// The object under the cursor, looked up in this window first, then in every window.
struct Target {
    WindowRecord* Window = nullptr;
    ObjectRecord* Object = nullptr;
};

Target TargetUnderCursor(const WindowMessage& m, POINT screen)
{
    const HWND under = ::WindowFromPoint(screen);
    if (ObjectRecord* object = m.Runtime.FindObjectByHandle(&m.Window, under)) return {&m.Window, object};
    for (int i = 0; i < m.Runtime.GetWindowCount(); ++i) {
        WindowRecord* window = m.Runtime.GetWindowAt(i);
        if (ObjectRecord* object = m.Runtime.FindObjectByHandle(window, under)) return {window, object};
    }
    return {};
}

// The source itself, or an object its drop-target pairs (window id, object id) name.
bool Allowed(const Target& target)
{
    if (!target.Object || !g_drag.SourceObject) return false;
    if (target.Object == g_drag.SourceObject) return true;
    const std::vector<double>& pairs = g_drag.SourceObject->Numbers;
    for (size_t i = 0; i + 1 < pairs.size(); i += 2)
        if (int(pairs[i]) == target.Window->Id && int(pairs[i + 1]) == target.Object->Id) return true;
    return false;
}

POINT ClientPoint(HWND window, POINT screen)
{
    ::ScreenToClient(window, &screen);
    return screen;
}

void ClearDropHighlight(HWND tree) { ::SendMessageA(tree, TVM_SELECTITEM, TVGN_DROPHILITE, 0); }

// Ends the drag (dropped: the image list's drag ends too) and forgets everything of it.
DragState EndDrag(bool dropped)
{
    const DragState ended = g_drag;
    ::ImageList_DragLeave(nullptr);
    if (dropped) ::ImageList_EndDrag();
    if (ended.Image) ::ImageList_Destroy(ended.Image);
    g_drag = DragState();
    ::ReleaseCapture();
    return ended;
}

void BeginDrag(const WindowMessage& m, ObjectRecord& source, HIMAGELIST image, POINT point)
{
    g_drag.Source = ObjectHandle(&source);
    g_drag.SourceWindow = &m.Window;
    g_drag.SourceObject = &source;
    g_drag.Image = image;
    ::ClientToScreen(g_drag.Source, &point);
    if (image) {
        ::ImageList_BeginDrag(image, 0, -10, -5);
        ::ImageList_DragEnter(::GetDesktopWindow(), point.x, point.y);
    }
    ::SetCapture(m.Wnd);
}

}  // namespace

bool DragIsRunning() { return g_drag.Mode != DragMode::None; }

void StartListDrag(const WindowMessage& m, ObjectRecord& source, int item, POINT point)
{
    if (DragIsRunning()) return;
    g_drag.Mode = DragMode::ListItem;
    g_drag.DraggedListItem = item;
    POINT origin = {};
    BeginDrag(m, source,
              HIMAGELIST(::SendMessageA(ObjectHandle(&source), LVM_CREATEDRAGIMAGE, WPARAM(item), LPARAM(&origin))),
              point);
}

void StartTreeDrag(const WindowMessage& m, ObjectRecord& source, HTREEITEM item, POINT point)
{
    if (DragIsRunning()) return;
    g_drag.Mode = DragMode::TreeItem;
    g_drag.DraggedTreeItem = item;
    BeginDrag(m, source, HIMAGELIST(::SendMessageA(ObjectHandle(&source), TVM_CREATEDRAGIMAGE, 0, LPARAM(item))),
              point);
}

void TrackDrag(const WindowMessage& m)
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    ::ImageList_DragMove(cursor.x, cursor.y);
    const Target target = TargetUnderCursor(m, cursor);
    if (!Allowed(target)) {
        ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32648)));  // IDC_NO
        return;
    }
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32516)));  // IDC_UPARROW
    const HWND control = ObjectHandle(target.Object);
    ::ImageList_DragShowNolock(FALSE);
    if (target.Object->Type == qbk::TypeTreeView) {
        TVHITTESTINFO hit = {};
        hit.pt = ClientPoint(control, cursor);
        const HTREEITEM item = HTREEITEM(::SendMessageA(control, TVM_HITTEST, 0, LPARAM(&hit)));
        ::SendMessageA(control, TVM_SELECTITEM, TVGN_DROPHILITE, LPARAM(item));
        g_drag.TreeDropTarget = item;
    } else if (target.Object->Type == qbk::TypeListView) {
        LVHITTESTINFO hit = {};
        hit.pt = ClientPoint(control, cursor);
        g_drag.ListItemUnderCursor = int(::SendMessageA(control, LVM_HITTEST, 0, LPARAM(&hit)));
    }
    ::ImageList_DragShowNolock(TRUE);
}

void DropDrag(const WindowMessage& m)
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    const Target target = TargetUnderCursor(m, cursor);
    const bool allowed = Allowed(target);
    const DragState drag = EndDrag(true);
    ObjectRecord* source = drag.SourceObject;
    if (!source) return;
    if (source->Type == qbk::TypeTreeView) ClearDropHighlight(drag.Source);
    for (size_t i = 0; i + 1 < source->Numbers.size(); i += 2) {
        ObjectRecord* named = m.Runtime.FindObjectByIds(int(source->Numbers[i]), int(source->Numbers[i + 1]));
        if (named && named->Type == qbk::TypeTreeView) ClearDropHighlight(ObjectHandle(named));
    }
    if (!allowed) return;
    const bool list = source->Type == qbk::TypeListView;
    const long long dragged = list ? drag.DraggedListItem : (long long)reinterpret_cast<intptr_t>(drag.DraggedTreeItem);
    long long atDrop = -1;
    if (target.Object->Type == qbk::TypeListView) atDrop = drag.ListItemUnderCursor;
    if (target.Object->Type == qbk::TypeTreeView) atDrop = (long long)reinterpret_cast<intptr_t>(drag.TreeDropTarget);
    CString targetId, item, dropItem;
    targetId.Format("%d", target.Object->Id);
    item.Format("%lld", dragged);
    dropItem.Format("%lld", atDrop);
    RaiseEvent(m.Runtime, m.Window, *source, list ? 5 : 6, {target.Window->GetName(), targetId, item, dropItem});
}

void CancelDrag(const WindowMessage& m)
{
    const DragState drag = EndDrag(false);
    ObjectRecord* source = drag.SourceObject;
    if (!source) return;
    if (source->Type == qbk::TypeTreeView) ClearDropHighlight(drag.Source);
    for (double number : source->Numbers) {
        ObjectRecord* named = CProjectRuntime::FindObjectById(&m.Window, int(number));
        if (named && named->Type == qbk::TypeTreeView) ClearDropHighlight(ObjectHandle(named));
    }
}
