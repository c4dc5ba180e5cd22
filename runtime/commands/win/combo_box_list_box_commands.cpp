// Combo boxes (type 49) and list boxes (type 58): items added, inserted, replaced, deleted, listed
// from folders, searched and read, and the selection, single, multiple and by ranges.
#include "command_table.h"
#include "control_message.h"

#include <vector>

namespace {

// The two controls answer the same questions through messages of their own.
struct ListMessages {
    UINT AddString, DeleteString, Dir, FindStringExact, GetCount, GetCurSel, GetTopIndex, GetTextLen, GetText,
        InsertString, SetCurSel, GetItemData, SetItemData;
};

constexpr ListMessages kCombo = {CB_ADDSTRING, CB_DELETESTRING, CB_DIR,          CB_FINDSTRINGEXACT, CB_GETCOUNT,
                                 CB_GETCURSEL, CB_GETTOPINDEX,  CB_GETLBTEXTLEN, CB_GETLBTEXT,       CB_INSERTSTRING,
                                 CB_SETCURSEL, CB_GETITEMDATA,  CB_SETITEMDATA};
constexpr ListMessages kList = {LB_ADDSTRING, LB_DELETESTRING, LB_DIR,        LB_FINDSTRINGEXACT, LB_GETCOUNT,
                                LB_GETCURSEL, LB_GETTOPINDEX,  LB_GETTEXTLEN, LB_GETTEXT,         LB_INSERTSTRING,
                                LB_SETCURSEL, LB_GETITEMDATA,  LB_SETITEMDATA};

const ListMessages& MessagesOf(const CommandContext& ctx)
{
    return ctx.Object().Type == qbk::TypeComboBox ? kCombo : kList;
}

int Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return int(::SendMessageA(control, message, wParam, lParam));
}

int Count(const CommandContext& ctx, HWND control) { return Send(control, MessagesOf(ctx).GetCount); }

bool InRange(const CommandContext& ctx, HWND control, int index) { return index >= 0 && index < Count(ctx, control); }

bool HasStyle(const CommandContext& ctx, DWORD bits) { return (ctx.Object().Style & bits) != 0; }

bool IsMultipleSelection(const CommandContext& ctx) { return HasStyle(ctx, LBS_MULTIPLESEL | LBS_EXTENDEDSEL); }

// ---- shared by both types ---------------------------------------------------------------------

void AddString(CommandContext& ctx)
{
    const CString text = ctx.Text();
    const HWND control = ControlHandle(ctx);
    if (!control) return ctx.SetInt(-1);
    Send(control, MessagesOf(ctx).AddString, 0, LPARAM(text.GetString()));
    // The last index, which in a sorted list is not the new item's.
    ctx.SetInt(Count(ctx, control) - 1);
}

void Dir(CommandContext& ctx)
{
    const CString pattern = ctx.Text();
    const HWND control = ControlHandle(ctx);
    if (!control) return ctx.SetInt(-1);
    Send(control, MessagesOf(ctx).Dir, 0, LPARAM(pattern.GetString()));
}

void FindStringExact(CommandContext& ctx)
{
    const CString text = ctx.Text();
    const HWND control = ControlHandle(ctx);
    // From the top: a search that began after item 0 would find a later twin of it first.
    ctx.SetInt(control ? Send(control, MessagesOf(ctx).FindStringExact, WPARAM(-1), LPARAM(text.GetString())) : -1);
}

void GetCount(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? Count(ctx, control) : 0);
}

void GetCurSel(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? Send(control, MessagesOf(ctx).GetCurSel) : -1);
}

void GetTopIndex(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? Send(control, MessagesOf(ctx).GetTopIndex) : -1);
}

void GetText(CommandContext& ctx)
{
    const int index = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control || !InRange(ctx, control, index)) return;
    const ListMessages& m = MessagesOf(ctx);
    const int length = Send(control, m.GetTextLen, WPARAM(index));
    if (length <= 0) return;
    CString text;
    const int copied = Send(control, m.GetText, WPARAM(index), LPARAM(text.GetBuffer(length)));
    text.ReleaseBuffer(copied < 0 ? 0 : copied);
    ctx.SetResult(text);
}

// A new text for an item: the item goes and comes back at its place with the new text, keeping
// its number and, when it was the selected one, the selection.
void SetString(CommandContext& ctx)
{
    const int index = ctx.Int();
    const CString text = ctx.Text();
    const HWND control = ControlHandle(ctx);
    if (!control || !InRange(ctx, control, index)) return;
    const ListMessages& m = MessagesOf(ctx);
    const LRESULT data = ::SendMessageA(control, m.GetItemData, WPARAM(index), 0);
    const bool isList = ctx.Object().Type == qbk::TypeListBox;
    const bool selected = isList && IsMultipleSelection(ctx) ? Send(control, LB_GETSEL, WPARAM(index)) > 0
                                                             : Send(control, m.GetCurSel) == index;
    Send(control, m.DeleteString, WPARAM(index));
    const int placed = Send(control, m.InsertString, WPARAM(index), LPARAM(text.GetString()));
    if (placed < 0) return;
    ::SendMessageA(control, m.SetItemData, WPARAM(placed), data);
    if (!selected) return;
    if (isList && IsMultipleSelection(ctx))
        Send(control, LB_SETSEL, TRUE, LPARAM(placed));
    else
        Send(control, m.SetCurSel, WPARAM(placed));
}

// ---- ComboBox ---------------------------------------------------------------------------------

void ComboBox_Deletestring(CommandContext& ctx)
{
    const int index = ctx.Int();
    SendToControl(ctx, CB_DELETESTRING, WPARAM(index));
}

void ComboBox_Insertstring(CommandContext& ctx)
{
    const int index = ctx.Int();
    const CString text = ctx.Text();
    if (HasStyle(ctx, CBS_SORT))
        SendToControl(ctx, CB_ADDSTRING, 0, LPARAM(text.GetString()));
    else
        SendToControl(ctx, CB_INSERTSTRING, WPARAM(index), LPARAM(text.GetString()));
}

void ComboBox_ResetContent(CommandContext& ctx) { SendToControl(ctx, CB_RESETCONTENT); }

void ComboBox_Setcursel(CommandContext& ctx)
{
    const int index = ctx.Int();
    SendToControl(ctx, CB_SETCURSEL, WPARAM(index));
}

void ComboBox_Settopindex(CommandContext& ctx)
{
    const int index = ctx.Int();
    SendToControl(ctx, CB_SETTOPINDEX, WPARAM(index));
}

// ---- ListBox ----------------------------------------------------------------------------------

// Sends the message for the item the index argument names, when there is such an item.
void SendToItem(CommandContext& ctx, UINT message)
{
    const int index = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (control && InRange(ctx, control, index)) Send(control, message, WPARAM(index));
}

void ListBox_DeleteString(CommandContext& ctx) { SendToItem(ctx, LB_DELETESTRING); }

void ListBox_GetItemData(CommandContext& ctx)
{
    const int index = ctx.Int();
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control && InRange(ctx, control, index) ? Send(control, LB_GETITEMDATA, WPARAM(index)) : 0);
}

void ListBox_GetSelCount(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? Send(control, LB_GETSELCOUNT) : 0);
}

void ListBox_GetSelItems(CommandContext& ctx)
{
    const int n = ctx.Int();
    const HWND control = ControlHandle(ctx);
    const int selected = control ? Send(control, LB_GETSELCOUNT) : 0;
    if (n < 0 || n >= selected) return ctx.SetInt(-1);
    std::vector<int> items(size_t(selected), -1);
    Send(control, LB_GETSELITEMS, WPARAM(selected), LPARAM(items.data()));
    ctx.SetInt(items[size_t(n)]);
}

void ListBox_InsertString(CommandContext& ctx)
{
    int index = ctx.Int();
    const CString text = ctx.Text();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    const int count = Count(ctx, control);
    if (index < 0 || index > count) index = count;
    const int placed = HasStyle(ctx, LBS_SORT)
                           ? Send(control, LB_ADDSTRING, 0, LPARAM(text.GetString()))
                           : Send(control, LB_INSERTSTRING, WPARAM(index), LPARAM(text.GetString()));
    ctx.SetInt(placed >= 0 ? placed : -1);
}

void ListBox_ResetContent(CommandContext& ctx) { SendToControl(ctx, LB_RESETCONTENT); }

void ListBox_SetSelection(CommandContext& ctx)
{
    const int index = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control || index < -1 || index >= Count(ctx, control)) return;
    if (IsMultipleSelection(ctx))
        Send(control, LB_SETSEL, WPARAM(index != -1), LPARAM(index));
    else
        Send(control, LB_SETCURSEL, WPARAM(index));
}

// Selects or deselects count items from first (a negative count: to the end). The range is cut
// to the items there are; an empty one changes nothing.
void ListBox_SelectRange(CommandContext& ctx)
{
    const int first = ctx.Int();
    int count = ctx.Int();
    const bool select = ctx.Int() == 1;
    const HWND control = ControlHandle(ctx);
    if (!control || !IsMultipleSelection(ctx)) return;
    const int items = Count(ctx, control);
    if (first < 0 || first > items) return;
    if (count < 0) count = items - first;
    const int last = int(std::min<long long>((long long)first + count - 1, items - 1));
    if (last < first) return;
    // The control selects when its first bound is not above its second and deselects otherwise,
    // so a single item is deselected by itself.
    if (select)
        Send(control, LB_SELITEMRANGEEX, WPARAM(first), LPARAM(last));
    else if (last > first)
        Send(control, LB_SELITEMRANGEEX, WPARAM(last), LPARAM(first));
    else
        Send(control, LB_SETSEL, FALSE, LPARAM(first));
}

void ListBox_SetTopIndex(CommandContext& ctx) { SendToItem(ctx, LB_SETTOPINDEX); }

void ListBox_SetItemData(CommandContext& ctx)
{
    const int index = ctx.Int();
    const int number = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (control && InRange(ctx, control, index)) ::SendMessageA(control, LB_SETITEMDATA, WPARAM(index), LPARAM(number));
}

constexpr CommandEntry kComboBox[] = {
    {31, "ComboBox_AddString", AddString},  // after the shared commands 0 to 30
    {32, "ComboBox_Deletestring", ComboBox_Deletestring},
    {33, "ComboBox_Dir", Dir},
    {34, "ComboBox_FindStringExact", FindStringExact},
    {35, "ComboBox_GetCount", GetCount},
    {36, "ComboBox_GetCurSel", GetCurSel},
    {37, "ComboBox_GetTopIndex", GetTopIndex},
    {38, "ComboBox_GetText", GetText},
    {39, "ComboBox_Insertstring", ComboBox_Insertstring},
    {40, "ComboBox_ResetContent", ComboBox_ResetContent},
    {41, "ComboBox_Setcursel", ComboBox_Setcursel},
    {42, "ComboBox_Settopindex", ComboBox_Settopindex},
    {43, "ComboBox_SetString", SetString},
};
static_assert(NumbersOwnCommands(kComboBox, qbk::TypeComboBox, 43));

constexpr CommandEntry kListBox[] = {
    {31, "ListBox_AddString", AddString},  // after the shared commands 0 to 30
    {32, "ListBox_DeleteString", ListBox_DeleteString},
    {33, "ListBox_Dir", Dir},
    {34, "ListBox_FindStringExact", FindStringExact},
    {35, "ListBox_GetCount", GetCount},
    {36, "ListBox_GetCurSel", GetCurSel},
    {37, "ListBox_GetTopIndex", GetTopIndex},
    {38, "ListBox_GetItemData", ListBox_GetItemData},
    {39, "ListBox_GetSelCount", ListBox_GetSelCount},
    {40, "ListBox_GetSelItems", ListBox_GetSelItems},
    {41, "ListBox_GetText", GetText},
    {42, "ListBox_InsertString", ListBox_InsertString},
    {43, "ListBox_ResetContent", ListBox_ResetContent},
    {44, "ListBox_SetSelection", ListBox_SetSelection},
    {45, "ListBox_SelectRange", ListBox_SelectRange},
    {46, "ListBox_SetTopIndex", ListBox_SetTopIndex},
    {47, "ListBox_SetItemData", ListBox_SetItemData},
    {48, "ListBox_SetString", SetString},
};
static_assert(NumbersOwnCommands(kListBox, qbk::TypeListBox, 48));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeComboBox, kComboBox), OwnCommands(qbk::TypeListBox, kListBox)};

}  // namespace

extern const CommandFamily kComboBoxListBoxFamily("ComboBox and ListBox", kLists);
