// What the objects' controls tell their window, turned into the objects' events: commands and
// notices of controls and menus, scrolling, tray icon and control notices of the runtime's own
// classes.
#include "fw_types.h"

#include <commctrl.h>
#include <richedit.h>

#include "folder_tree_ctrl.h"
#include "key_names.h"
#include "value_format.h"
#include "window_drag.h"
#include "window_messages.h"
#include "window_services.h"

namespace {

constexpr int kControlIdBase = 3000;
constexpr UINT kTrayNotice = WM_USER + 10;
constexpr UINT kControlNotice = WM_USER + 11;
constexpr UINT kFocusNextCode = 0x409;
constexpr DWORD kNoDragFlag = 0x10;

// A notification code and the event it raises.
struct CodeEvent {
    UINT Code;
    int Event;
};

template <size_t N>
int EventOf(const CodeEvent (&table)[N], UINT code)
{
    for (const CodeEvent& row : table)
        if (row.Code == code) return row.Event;
    return -1;
}

// Mouse notices of the runtime's animation and shaped image controls.
constexpr CodeEvent kMouseNotices[] = {{0x203, 0}, {0x201, 1}, {0x202, 2}, {0x209, 3}, {0x207, 4},  {0x208, 5},
                                       {0x200, 6}, {8, 7},     {7, 8},     {0x206, 9}, {0x204, 10}, {0x205, 11}};
constexpr CodeEvent kButton[] = {{BN_CLICKED, 0}, {BN_SETFOCUS, 5}, {BN_KILLFOCUS, 3}};
constexpr CodeEvent kImageButton[] = {{BN_CLICKED, 0}, {0x200, 1}, {7, 2}, {6, 3}};
constexpr CodeEvent kCheckOrRadio[] = {{BN_CLICKED, 0}, {BN_KILLFOCUS, 1}, {BN_SETFOCUS, 2}};
constexpr CodeEvent kComboBox[] = {{CBN_DBLCLK, 0}, {CBN_KILLFOCUS, 1}, {CBN_SELCHANGE, 2}, {CBN_SETFOCUS, 3}};
constexpr CodeEvent kEditBox[] = {
    {EN_CHANGE, 0}, {EN_HSCROLL, 1}, {EN_KILLFOCUS, 2}, {EN_SETFOCUS, 3}, {EN_VSCROLL, 4}};
constexpr CodeEvent kListBox[] = {{LBN_DBLCLK, 0}, {LBN_KILLFOCUS, 1}, {LBN_SELCHANGE, 2}, {LBN_SETFOCUS, 3}};
constexpr CodeEvent kRichEdit[] = {
    {EN_CHANGE, 0}, {EN_HSCROLL, 1}, {EN_KILLFOCUS, 4}, {EN_SETFOCUS, 14}, {EN_VSCROLL, 15}};
// Messages a rich edit lets through its event mask.
constexpr CodeEvent kRichEditFilter[] = {{WM_LBUTTONDBLCLK, 5},  {WM_LBUTTONDOWN, 6},  {WM_LBUTTONUP, 7},
                                         {WM_MBUTTONDBLCLK, 8},  {WM_MBUTTONDOWN, 9},  {WM_MBUTTONUP, 10},
                                         {WM_RBUTTONDBLCLK, 11}, {WM_RBUTTONDOWN, 12}, {WM_RBUTTONUP, 13}};
constexpr CodeEvent kTrayMouse[] = {{WM_LBUTTONUP, 0},     {WM_LBUTTONDBLCLK, 1}, {WM_MBUTTONUP, 2},
                                    {WM_MBUTTONDBLCLK, 3}, {WM_RBUTTONUP, 4},     {WM_RBUTTONDBLCLK, 5}};

CString KeyName(WPARAM code) { return VirtualKeyToKeyName(unsigned(code)); }

// ---- WM_COMMAND ------------------------------------------------------------------------------

void ToggleCheck(HWND box)
{
    const LRESULT state = ::SendMessageA(box, BM_GETCHECK, 0, 0);
    ::SendMessageA(box, BM_SETCHECK, state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
}

void Command(const WindowMessage& m)
{
    const UINT id = LOWORD(m.WParam), code = HIWORD(m.WParam);
    // Owner menus number their items with bit 15 set: the object's id, and the item's position.
    const bool fromMenu = (id & 0x8000) != 0;
    const int objectId = fromMenu ? int(id & 0xFF) : int(id) - kControlIdBase;
    const int item = fromMenu ? int(id >> 8) - 0x80 : int(id);
    ObjectRecord* object = CProjectRuntime::FindObjectById(&m.Window, objectId);
    if (!object) return;
    int event = -1;
    switch (object->Type) {
    case qbk::TypeMenuBar:
    case qbk::TypePopupMenu: m.RaiseNumbers(object, 0, {item}); return;
    case qbk::TypeAnimation:
    case qbk::TypeShapedImage: event = EventOf(kMouseNotices, code); break;
    case qbk::TypeButton: event = EventOf(kButton, code); break;
    case qbk::TypeImageButton: event = EventOf(kImageButton, code); break;
    case qbk::TypeCheckBox:
        if (code == BN_CLICKED) ToggleCheck(ObjectHandle(object));
        event = EventOf(kCheckOrRadio, code);
        break;
    case qbk::TypeComboBox: event = EventOf(kComboBox, code); break;
    case qbk::TypeEditBox: event = EventOf(kEditBox, code); break;
    case qbk::TypeListBox: event = EventOf(kListBox, code); break;
    case qbk::TypeRadioButton:
        if (code == BN_CLICKED) CheckRadioInGroup(&m.Window, object);
        event = EventOf(kCheckOrRadio, code);
        break;
    case qbk::TypeRichEdit: event = EventOf(kRichEdit, code); break;
    default: break;
    }
    if (event >= 0) m.Raise(object, event);
}

// The MDI client of a frame window: the first MdiWindow object with a window.
HWND FrameClient(const WindowMessage& m)
{
    if (!m.Self().HasMdiClient) return nullptr;
    for (int i = qbk::kBuiltInObjectCount; i < m.Window.GetObjectCount(); ++i) {
        ObjectRecord* object = m.Window.GetObjectAt(i);
        if (object->Type == qbk::TypeMdiWindow && ObjectHandle(object)) return ObjectHandle(object);
    }
    return nullptr;
}

// ---- WM_NOTIFY -------------------------------------------------------------------------------

struct Notice {
    const WindowMessage& M;
    ObjectRecord& Object;
    const NMHDR& Header;
    LRESULT* Result;

    bool Refused(const CString& answer) const { return qbk::AnswerValue(answer) == -1; }
};

void ListViewNotice(const Notice& n)
{
    const auto& list = reinterpret_cast<const NMLISTVIEW&>(n.Header);
    switch (n.Header.code) {
    case LVN_BEGINDRAG:
        if (n.Object.Flags & kNoDragFlag) break;
        if (!n.Refused(n.M.RaiseNumbers(&n.Object, 0, {list.iItem})))
            StartListDrag(n.M, n.Object, list.iItem, list.ptAction);
        break;
    case LVN_BEGINLABELEDIT: {
        const auto& info = reinterpret_cast<const NMLVDISPINFOA&>(n.Header);
        if (n.Refused(n.M.RaiseNumbers(&n.Object, 1, {info.item.iItem}))) *n.Result = 1;
        break;
    }
    case NM_CLICK: n.M.Raise(&n.Object, 2); break;
    case LVN_COLUMNCLICK: n.M.RaiseNumbers(&n.Object, 3, {list.iSubItem}); break;
    case NM_DBLCLK: n.M.Raise(&n.Object, 4); break;
    case LVN_ENDLABELEDIT: {
        const auto& info = reinterpret_cast<const NMLVDISPINFOA&>(n.Header);
        if (!(info.item.mask & LVIF_TEXT)) break;
        char current[1024] = "";
        LVITEMA get = {};
        get.iSubItem = 0;
        get.pszText = current;
        get.cchTextMax = sizeof current;
        ::SendMessageA(n.Header.hwndFrom, LVM_GETITEMTEXTA, WPARAM(info.item.iItem), LPARAM(&get));
        const CString answer = n.M.Raise(
            &n.Object, 6,
            {IntToString(info.item.iItem), CString(current), CString(info.item.pszText ? info.item.pszText : "")});
        *n.Result = n.Refused(answer) ? 0 : 1;
        break;
    }
    case NM_KILLFOCUS: n.M.Raise(&n.Object, 7); break;
    case NM_RDBLCLK: n.M.Raise(&n.Object, 8); break;
    case NM_RCLICK: n.M.Raise(&n.Object, 9); break;
    case LVN_ITEMCHANGED:
        if (list.iItem != -1 && !(list.uOldState & LVIS_FOCUSED) && (list.uNewState & LVIS_FOCUSED))
            n.M.Raise(&n.Object, 10);
        break;
    case NM_SETFOCUS: n.M.Raise(&n.Object, 11); break;
    default: break;
    }
}

void RichEditNotice(const Notice& n)
{
    if (n.Header.code != EN_MSGFILTER) return;
    const auto& filter = reinterpret_cast<const MSGFILTER&>(n.Header);
    if (filter.msg == WM_KEYDOWN || filter.msg == WM_KEYUP) {
        n.M.Raise(&n.Object, filter.msg == WM_KEYDOWN ? 2 : 3, {KeyName(filter.wParam)});
        return;
    }
    const int event = EventOf(kRichEditFilter, filter.msg);
    if (event >= 0) n.M.Raise(&n.Object, event);
}

long long ItemNumber(HTREEITEM item) { return (long long)reinterpret_cast<intptr_t>(item); }

CString ItemText(HTREEITEM item)
{
    CString text;
    text.Format("%lld", ItemNumber(item));
    return text;
}

void TreeViewNotice(const Notice& n)
{
    const auto& tree = reinterpret_cast<const NMTREEVIEWA&>(n.Header);
    const HWND control = n.Header.hwndFrom;
    switch (n.Header.code) {
    case TVN_BEGINDRAGA:
        if (n.Object.Flags & kNoDragFlag) break;
        if (!n.Refused(n.M.RaiseNumbers(&n.Object, 0, {ItemNumber(tree.itemNew.hItem)})))
            StartTreeDrag(n.M, n.Object, tree.itemNew.hItem, tree.ptDrag);
        break;
    case TVN_BEGINLABELEDITA: {
        const auto& info = reinterpret_cast<const NMTVDISPINFOA&>(n.Header);
        if (n.Refused(n.M.RaiseNumbers(&n.Object, 1, {ItemNumber(info.item.hItem)}))) *n.Result = 1;
        break;
    }
    case TVN_SELCHANGEDA: n.M.Raise(&n.Object, 2); break;
    case NM_CLICK: n.M.Raise(&n.Object, 3); break;
    case TVN_DELETEITEMA: n.M.RaiseNumbers(&n.Object, 4, {ItemNumber(tree.itemOld.hItem)}); break;
    case NM_DBLCLK: n.M.Raise(&n.Object, 5); break;
    case TVN_ENDLABELEDITA: {
        const auto& info = reinterpret_cast<const NMTVDISPINFOA&>(n.Header);
        if (!(info.item.mask & TVIF_TEXT)) break;
        char current[1024] = "";
        TVITEMA get = {};
        get.mask = TVIF_TEXT;
        get.hItem = info.item.hItem;
        get.pszText = current;
        get.cchTextMax = sizeof current;
        ::SendMessageA(control, TVM_GETITEMA, 0, LPARAM(&get));
        const CString answer = n.M.Raise(
            &n.Object, 7,
            {ItemText(info.item.hItem), CString(current), CString(info.item.pszText ? info.item.pszText : "")});
        *n.Result = n.Refused(answer) ? 0 : 1;
        break;
    }
    case TVN_ITEMEXPANDEDA: {
        const bool expanded = (tree.action & TVE_EXPAND) != 0;
        auto* folders = dynamic_cast<CFolderTreeCtrl*>(n.Object.WindowObject);
        if (folders && folders->IsBrowsing()) {
            folders->OnItemExpanded(tree);
            n.M.Raise(&n.Object, 8, {ItemText(tree.itemNew.hItem), expanded ? "1" : "0"});
            break;
        }
        // Without a folder tree the item's data holds its two images: collapsed low, expanded high.
        TVITEMA item = {};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        item.hItem = tree.itemNew.hItem;
        item.iImage = item.iSelectedImage =
            int(expanded ? (tree.itemNew.lParam >> 16) & 0xFFFF : tree.itemNew.lParam & 0xFFFF);
        ::SendMessageA(control, TVM_SETITEMA, 0, LPARAM(&item));
        n.M.Raise(&n.Object, 8, {ItemText(tree.itemNew.hItem), expanded ? "1" : "0"});
        break;
    }
    case TVN_KEYDOWN: {
        const auto& key = reinterpret_cast<const NMTVKEYDOWN&>(n.Header);
        n.M.Raise(&n.Object, 9, {KeyName(key.wVKey)});
        break;
    }
    case NM_KILLFOCUS: n.M.Raise(&n.Object, 10); break;
    case NM_RDBLCLK: n.M.Raise(&n.Object, 11); break;
    case NM_RCLICK: {
        const HTREEITEM target = HTREEITEM(::SendMessageA(control, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0));
        const HTREEITEM selected = HTREEITEM(::SendMessageA(control, TVM_GETNEXTITEM, TVGN_CARET, 0));
        if (target && target != selected) ::SendMessageA(control, TVM_SELECTITEM, TVGN_CARET, LPARAM(target));
        n.M.Raise(&n.Object, 12);
        break;
    }
    case NM_SETFOCUS: n.M.Raise(&n.Object, 13); break;
    default: break;
    }
}

bool Notify(const WindowMessage& m, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (!header) return false;
    ObjectRecord* object = CProjectRuntime::FindObjectById(&m.Window, int(header->idFrom) - kControlIdBase);
    if (!object) return false;
    *result = m.Default();
    const Notice notice{m, *object, *header, result};
    switch (object->Type) {
    case qbk::TypeGrid:
        if (header->code == NM_CLICK) m.Raise(object, 0);
        break;
    case qbk::TypeListView: ListViewNotice(notice); break;
    case qbk::TypeRichEdit: RichEditNotice(notice); break;
    case qbk::TypeTabControl:
        if (header->code == TCN_SELCHANGE)
            m.RaiseNumbers(object, 0, {(long long)::SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)});
        break;
    case qbk::TypeTreeView: TreeViewNotice(notice); break;
    default: break;
    }
    return true;
}

// ---- scrolling -------------------------------------------------------------------------------

int Step(const std::vector<double>& numbers, size_t index, int fallback)
{
    return index < numbers.size() ? int(numbers[index]) : fallback;
}

// Moves a scroll bar by the request and raises event `event` of object with the old position,
// the new one and their difference.
void ScrollBy(const WindowMessage& m, ObjectRecord& object, HWND bar, int which, int line, int page, int event)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(bar, which, &info);
    const int old = info.nPos;
    const int target = qbk::ScrollTarget(int(LOWORD(m.WParam)), old, info.nMin, info.nMax, line, page, info.nTrackPos);
    ::SetScrollPos(bar, which, target, TRUE);
    m.RaiseNumbers(&object, event, {old, target, (long long)target - old});
}

void Scroll(const WindowMessage& m)
{
    const UINT code = LOWORD(m.WParam);
    if (code > SB_ENDSCROLL) return;
    const HWND bar = reinterpret_cast<HWND>(m.LParam);
    ObjectRecord* object = bar ? m.Runtime.FindObjectByHandle(&m.Window, bar) : &m.Self();
    if (!object) return;
    const bool horizontal = m.Message == WM_HSCROLL;
    switch (object->Type) {
    case qbk::TypeWindow: {
        const size_t first = horizontal ? 4 : 6;
        ScrollBy(m, *object, m.Wnd, horizontal ? SB_HORZ : SB_VERT, Step(object->Numbers, first, 1),
                 Step(object->Numbers, first + 1, 10), horizontal ? 3 : 17);
        break;
    }
    case qbk::TypeScrollBar:
        ScrollBy(m, *object, bar, SB_CTL, Step(object->Numbers, 0, 1), Step(object->Numbers, 1, 10), 0);
        break;
    case qbk::TypeSlider: m.RaiseNumbers(object, 0, {(long long)::SendMessageA(bar, TBM_GETPOS, 0, 0)}); break;
    default: break;
    }
}

// ---- notices of the runtime's own classes ----------------------------------------------------

void TrayNotice(const WindowMessage& m)
{
    ObjectRecord* object = CProjectRuntime::FindObjectById(&m.Window, int(m.WParam) - kControlIdBase);
    if (!object || object->Type != qbk::TypeTrayIcon) return;
    const int event = EventOf(kTrayMouse, LOWORD(m.LParam));
    if (event >= 0) m.Raise(object, event);
}

void ControlNotice(const WindowMessage& m)
{
    ObjectRecord* object = CProjectRuntime::FindObjectById(&m.Window, int(LOWORD(m.WParam)) - kControlIdBase);
    if (!object) return;
    const UINT code = HIWORD(m.WParam);
    switch (object->Type) {
    case qbk::TypeButton:
        if (code == WM_KEYDOWN) m.Raise(object, 2, {KeyName(WPARAM(m.LParam))});
        if (code == WM_KEYUP) m.Raise(object, 1, {KeyName(WPARAM(m.LParam))});
        if (code == WM_MOUSEMOVE) m.Raise(object, 4);
        if (code == kFocusNextCode) FocusNextTabObject(&m.Window, object);
        break;
    case qbk::TypeEditBox:
        if (code == kFocusNextCode) FocusNextTabObject(&m.Window, object);
        break;
    case qbk::TypeToolBar:
        if (code == 0) m.RaiseNumbers(object, 0, {(long long)m.LParam});
        break;
    default: break;
    }
}

}  // namespace

bool HandleControlMessage(const WindowMessage& m, LRESULT* result)
{
    switch (m.Message) {
    case WM_COMMAND: {
        Command(m);
        const HWND client = FrameClient(m);
        *result = client ? ::DefFrameProcA(m.Wnd, client, m.Message, m.WParam, m.LParam) : m.Default();
        return true;
    }
    case WM_NOTIFY: return Notify(m, result);
    case WM_HSCROLL:
    case WM_VSCROLL: Scroll(m); break;
    case kTrayNotice: TrayNotice(m); break;
    case kControlNotice: ControlNotice(m); break;
    default: return false;
    }
    *result = m.Default();
    return true;
}
