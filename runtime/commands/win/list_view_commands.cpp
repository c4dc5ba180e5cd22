// List views (type 55): items, sub-item texts, data and images, columns, selection, moving and
// sorting, the image list and the list of linked objects (whose two commands tree views share).
#include <vector>

#include "command_context.h"
#include "command_table.h"
#include "control_message.h"
#include "fw_controls.h"
#include "image_sources.h"
#include "list_view_items.h"

#include <commctrl.h>
// The system names its message helpers like our handlers.
#undef ListView_DeleteAllItems
#undef ListView_DeleteColumn
#undef ListView_DeleteItem
#undef ListView_FindItem
#undef ListView_GetColumnWidth
#undef ListView_GetItemCount
#undef ListView_GetTopIndex
#undef ListView_GetSelectedCount
#undef ListView_GetItemText
#undef ListView_InsertColumn
#undef ListView_InsertItem
#undef ListView_SetColumnWidth
#undef ListView_SetItemText
#undef ListView_Arrange

namespace {

constexpr DWORD kNoHandMoves = LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_OWNERDATA;

// The record's image list and the slot it went into, so that it leaves the same slot. The control
// shares it (LVS_SHAREIMAGELISTS): only this part destroys it.
class ListViewImages : public ObjectPart {
public:
    CImageList List;
    int Slot = LVSIL_NORMAL;
};

LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(list, message, wParam, lParam);
}

int ItemCount(HWND list) { return int(Send(list, LVM_GETITEMCOUNT)); }
bool InRange(HWND list, int item) { return item >= 0 && item < ItemCount(list); }
DWORD Style(HWND list) { return DWORD(::GetWindowLongA(list, GWL_STYLE)); }

void ListView_LinkObject(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const int id = ctx.Int();
    ctx.SetTruth(false);
    if (!ctx.Control()) return;
    WindowRecord* window = ctx.Runtime().FindWindowByName(name);
    if (!window) window = &ctx.Window();
    ObjectRecord* object = nullptr;
    for (const auto& candidate : window->Objects)
        if (candidate->Id == id) object = candidate.get();
    if (!object || (object->Type != qbk::TypeWindow && !qbk::HasControlCommands(object->Type))) return;
    ctx.Object().NumberArray.Add(double(window->Id));
    ctx.Object().NumberArray.Add(double(object->Id));
    ctx.SetTruth(true);
}

void ListView_AddImage(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetInt(-1);
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    CImageBitmap image;
    if (!LoadEmbeddedBmp(ctx, name, image)) return;
    ListViewImages& images = ctx.EnsurePart<ListViewImages>();
    if (!images.List.GetSafeHandle()) {
        const CSize size = image.GetSize();
        if (!images.List.Attach(ImageList_Create(size.cx, size.cy, ILC_COLORDDB, 0, 1))) return;
    }
    int width = 0, height = 0;
    ImageList_GetIconSize(images.List.GetSafeHandle(), &width, &height);
    // One entry per image, whatever its size.
    if (!FitImage(image, width, height)) return;
    if (ImageList_Add(images.List.GetSafeHandle(), HBITMAP(image.GetSafeHandle()), nullptr) < 0) return;
    ::SetWindowLongA(list, GWL_STYLE, LONG(Style(list) | LVS_SHAREIMAGELISTS));
    images.Slot = (Style(list) & LVS_TYPEMASK) == LVS_ICON ? LVSIL_NORMAL : LVSIL_SMALL;
    Send(list, LVM_SETIMAGELIST, WPARAM(images.Slot), LPARAM(images.List.GetSafeHandle()));
    ctx.SetInt(ImageList_GetImageCount(images.List.GetSafeHandle()) - 1);
}

void SelectListItem(HWND list, int item)
{
    LVITEMA state = {};
    state.state = LVIS_SELECTED;
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(list, LVM_SETITEMSTATE, WPARAM(item), LPARAM(&state));
}

void ListView_SelectItem(CommandContext& ctx)
{
    const int item = ctx.Int();
    const HWND list = ControlHandle(ctx);
    if (list && InRange(list, item)) SelectListItem(list, item);
}

void ListView_Arrange(CommandContext& ctx)
{
    const CString word = ctx.Text();
    const int code = word == "TOP"          ? LVA_ALIGNTOP
                     : word == "LEFT"       ? LVA_ALIGNLEFT
                     : word == "SNAPTOGRID" ? LVA_SNAPTOGRID
                                            : LVA_DEFAULT;
    SendToControl(ctx, LVM_ARRANGE, WPARAM(code));
}

void ListView_DeleteColumn(CommandContext& ctx)
{
    const int column = ctx.Int();
    SendToControl(ctx, LVM_DELETECOLUMN, WPARAM(column));
}

void ListView_DeleteItem(CommandContext& ctx)
{
    const int item = ctx.Int();
    const HWND list = ControlHandle(ctx);
    if (list && InRange(list, item)) Send(list, LVM_DELETEITEM, WPARAM(item));
}

void ListView_FindItem(CommandContext& ctx)
{
    const CString text = ctx.Text();
    ctx.SetInt(-1);
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING;
    find.psz = text;
    ctx.SetInt(int(Send(list, LVM_FINDITEMA, WPARAM(-1), LPARAM(&find))));
}

// A number the control answers, or fallback without a control.
void AnswerMessage(CommandContext& ctx, int fallback, UINT message, WPARAM wParam = 0)
{
    const HWND list = ControlHandle(ctx);
    ctx.SetInt(list ? int(Send(list, message, wParam)) : fallback);
}

void ListView_GetColumnCount(CommandContext& ctx)
{
    const HWND list = ControlHandle(ctx);
    const HWND header = list ? ListHeader(list) : nullptr;
    ctx.SetInt(header ? int(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0);
}

void ListView_GetColumnWidth(CommandContext& ctx)
{
    const int column = ctx.Int();
    AnswerMessage(ctx, 0, LVM_GETCOLUMNWIDTH, WPARAM(column));
}

void ListView_GetItemCount(CommandContext& ctx) { AnswerMessage(ctx, 0, LVM_GETITEMCOUNT); }
void ListView_GetFirstSelected(CommandContext& ctx)
{
    const HWND list = ControlHandle(ctx);
    ctx.SetInt(list ? int(Send(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)) : -1);
}
void ListView_GetTopIndex(CommandContext& ctx) { AnswerMessage(ctx, -1, LVM_GETTOPINDEX); }
void ListView_GetSelectedCount(CommandContext& ctx) { AnswerMessage(ctx, 0, LVM_GETSELECTEDCOUNT); }

void ListView_GetItemImage(CommandContext& ctx)
{
    const int item = ctx.Int();
    ctx.SetInt(0);
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    LVITEMA read = {};
    read.mask = LVIF_IMAGE;
    read.iItem = item;
    read.iImage = -1;
    Send(list, LVM_GETITEMA, 0, LPARAM(&read));
    ctx.SetInt(read.iImage);
}

void ListView_GetItemData(CommandContext& ctx)
{
    const int item = ctx.Int();
    ctx.SetInt(0);
    const HWND list = ControlHandle(ctx);
    if (!list || !InRange(list, item)) return;
    LVITEMA read = {};
    read.mask = LVIF_PARAM;
    read.iItem = item;
    if (Send(list, LVM_GETITEMA, 0, LPARAM(&read))) ctx.SetInt(int(read.lParam));
}

void ListView_GetSelectedAt(CommandContext& ctx)
{
    const int n = ctx.Int();
    ctx.SetInt(-1);
    const HWND list = ControlHandle(ctx);
    if (!list || n < 0 || n >= int(Send(list, LVM_GETSELECTEDCOUNT))) return;
    int found = int(Send(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    for (int i = 0; i < n && found >= 0; ++i) found = int(Send(list, LVM_GETNEXTITEM, WPARAM(found), LVNI_SELECTED));
    ctx.SetInt(found);
}

void ListView_GetItemText(CommandContext& ctx)
{
    const int item = ctx.Int();
    const int subItem = ctx.Int();
    const HWND list = ControlHandle(ctx);
    if (list && InRange(list, item)) ctx.SetResult(ListItemText(list, item, subItem == -1 ? 0 : subItem));
}

void ListView_InsertColumn(CommandContext& ctx)
{
    int column = ctx.Int();
    const CString heading = ctx.Text();
    const int width = ctx.Int();
    const CString align = ctx.Text();
    ctx.SetInt(-1);
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    if (column == -1) column = ListColumnCount(list);
    LVCOLUMNA made = {};
    made.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    made.fmt = align == "CENTER" ? LVCFMT_CENTER : align == "RIGHT" ? LVCFMT_RIGHT : LVCFMT_LEFT;
    made.cx = width;
    made.pszText = const_cast<char*>(static_cast<const char*>(heading));
    ctx.SetInt(int(Send(list, LVM_INSERTCOLUMNA, WPARAM(column), LPARAM(&made))));
}

void ListView_InsertItem(CommandContext& ctx)
{
    int item = ctx.Int();
    const CString texts = ctx.Text() + "|";
    const int image = ctx.Int();
    ctx.SetInt(-1);
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    if (item == -1) item = ItemCount(list);
    std::vector<CString> pieces;
    for (int start = 0, bar; (bar = texts.Find('|', start)) >= 0; start = bar + 1)
        pieces.push_back(texts.Mid(start, bar - start));
    LVITEMA made = {};
    made.mask = LVIF_TEXT | LVIF_IMAGE;
    made.iItem = item;
    made.pszText = const_cast<char*>(static_cast<const char*>(pieces[0]));
    made.iImage = image;
    const int index = int(Send(list, LVM_INSERTITEMA, 0, LPARAM(&made)));
    ctx.SetInt(index);
    if (index < 0) return;
    for (size_t k = 1; k < pieces.size(); ++k) SetListItemText(list, index, int(k), pieces[k]);
}

void ListView_MoveItem(CommandContext& ctx)
{
    const int from = ctx.Int();
    int to = ctx.Int();
    ctx.SetTruth(false);
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    if (to == -1) to = ItemCount(list);
    if (Style(list) & kNoHandMoves) return;
    ctx.SetTruth(MoveListItem(list, from, to) >= 0);
}

void ListView_DeleteAllItems(CommandContext& ctx) { SendToControl(ctx, LVM_DELETEALLITEMS); }

// The image list leaves the slot it went into, before it is destroyed.
void DropImageList(CommandContext& ctx, HWND list)
{
    ListViewImages* images = ctx.FindPart<ListViewImages>();
    if (!images || !images->List.GetSafeHandle()) return;
    Send(list, LVM_SETIMAGELIST, WPARAM(images->Slot), 0);
    images->List.DeleteImageList();
}

void ClearLinks(CommandContext& ctx)
{
    ctx.Object().NumberArray.RemoveAll();
    ctx.Object().NumberArray.FreeExtra();
}

void ListView_Reset(CommandContext& ctx)
{
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    Send(list, LVM_DELETEALLITEMS);
    while (Send(list, LVM_DELETECOLUMN, 0)) {
    }
    DropImageList(ctx, list);
    ClearLinks(ctx);
}

void ListView_ClearArray(CommandContext& ctx)
{
    if (ctx.Control()) ClearLinks(ctx);
}

void ListView_RemoveImageList(CommandContext& ctx)
{
    if (const HWND list = ControlHandle(ctx)) DropImageList(ctx, list);
}

void ListView_SetColumnWidth(CommandContext& ctx)
{
    const int column = ctx.Int();
    const int width = ctx.Int();
    ctx.SetInt(0);
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    ctx.SetInt(int(Send(list, LVM_GETCOLUMNWIDTH, WPARAM(column))));
    Send(list, LVM_SETCOLUMNWIDTH, WPARAM(column), MAKELPARAM(width, 0));
}

void ListView_SelectOnly(CommandContext& ctx)
{
    const int item = ctx.Int();
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    LVITEMA none = {};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Send(list, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&none));
    if (InRange(list, item)) SelectListItem(list, item);
}

void ListView_SetItemImage(CommandContext& ctx)
{
    const int item = ctx.Int();
    const int image = ctx.Int();
    const HWND list = ControlHandle(ctx);
    if (!list) return;
    LVITEMA change = {};
    change.mask = LVIF_IMAGE;
    change.iItem = item;
    change.iImage = image;
    Send(list, LVM_SETITEMA, 0, LPARAM(&change));
}

void ListView_SetItemData(CommandContext& ctx)
{
    const int item = ctx.Int();
    const int data = ctx.Int();
    const HWND list = ControlHandle(ctx);
    if (!list || !InRange(list, item)) return;
    LVITEMA change = {};
    change.mask = LVIF_PARAM;
    change.iItem = item;
    change.lParam = LPARAM(data);
    Send(list, LVM_SETITEMA, 0, LPARAM(&change));
}

void ListView_SetItemText(CommandContext& ctx)
{
    const int item = ctx.Int();
    const int subItem = ctx.Int();
    const CString text = ctx.Text();
    const HWND list = ControlHandle(ctx);
    if (list && InRange(list, item)) SetListItemText(list, item, subItem, text);
}

void ListView_SortByColumn(CommandContext& ctx)
{
    const int column = ctx.Int();
    const bool ascending = ctx.Int() != 0;
    const HWND list = ControlHandle(ctx);
    if (!list || (Style(list) & kNoHandMoves) || column < 0 || column >= ListColumnCount(list)) return;
    SortListByColumn(list, column, ascending);
}

constexpr CommandEntry kListView[] = {
    {31, "ListView_LinkObject", ListView_LinkObject},  // after the shared commands 0 to 30
    {32, "ListView_AddImage", ListView_AddImage},
    {33, "ListView_SelectItem", ListView_SelectItem},
    {34, "ListView_Arrange", ListView_Arrange},
    {35, "ListView_DeleteColumn", ListView_DeleteColumn},
    {36, "ListView_DeleteItem", ListView_DeleteItem},
    {37, "ListView_FindItem", ListView_FindItem},
    {38, "ListView_GetColumnCount", ListView_GetColumnCount},
    {39, "ListView_GetColumnWidth", ListView_GetColumnWidth},
    {40, "ListView_GetItemCount", ListView_GetItemCount},
    {41, "ListView_GetFirstSelected", ListView_GetFirstSelected},
    {42, "ListView_GetTopIndex", ListView_GetTopIndex},
    {43, "ListView_GetItemImage", ListView_GetItemImage},
    {44, "ListView_GetItemData", ListView_GetItemData},
    {45, "ListView_GetSelectedCount", ListView_GetSelectedCount},
    {46, "ListView_GetSelectedAt", ListView_GetSelectedAt},
    {47, "ListView_GetItemText", ListView_GetItemText},
    {48, "ListView_InsertColumn", ListView_InsertColumn},
    {49, "ListView_InsertItem", ListView_InsertItem},
    {50, "ListView_MoveItem", ListView_MoveItem},
    {51, "ListView_DeleteAllItems", ListView_DeleteAllItems},
    {52, "ListView_Reset", ListView_Reset},
    {53, "ListView_ClearArray", ListView_ClearArray},
    {54, "ListView_RemoveImageList", ListView_RemoveImageList},
    {55, "ListView_SetColumnWidth", ListView_SetColumnWidth},
    {56, "ListView_SelectOnly", ListView_SelectOnly},
    {57, "ListView_SetItemImage", ListView_SetItemImage},
    {58, "ListView_SetItemData", ListView_SetItemData},
    {59, "ListView_SetItemText", ListView_SetItemText},
    {60, "ListView_SortByColumn", ListView_SortByColumn},
};
static_assert(NumbersOwnCommands(kListView, qbk::TypeListView, 60));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeListView, kListView)};

}  // namespace

extern const CommandFamily kListViewFamily("ListView", kLists);
