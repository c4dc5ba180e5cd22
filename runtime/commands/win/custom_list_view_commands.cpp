// The runtime's own list window (type 57): items with images, texts and tags.
#include "command_context.h"
#include "command_table.h"
#include "custom_list_wnd.h"
#include "data_stream_commands.h"

namespace {

CCustomListWnd* List(const CommandContext& ctx) { return dynamic_cast<CCustomListWnd*>(ctx.Control()); }

// Runs act on the list, when there is one.
template <class Act>
void WithList(CommandContext& ctx, Act act)
{
    if (CCustomListWnd* list = List(ctx)) act(*list);
}

// A number read from the list, or fallback without one.
template <class Read>
void AnswerInt(CommandContext& ctx, int fallback, Read read)
{
    const CCustomListWnd* list = List(ctx);
    ctx.SetInt(list ? read(*list) : fallback);
}

// An option: below 0 toggles it, else on for non-zero.
template <bool (CCustomListWnd::*Get)() const, void (CCustomListWnd::*Set)(bool)>
void SetOption(CommandContext& ctx)
{
    const int n = ctx.Int();
    WithList(ctx, [n](CCustomListWnd& list) { (list.*Set)(n < 0 ? !(list.*Get)() : n != 0); });
}

template <CCustomListWnd::Colour Which>
void GetColour(CommandContext& ctx)
{
    AnswerInt(ctx, 0, [](const CCustomListWnd& list) { return int(list.GetColour(Which)); });
}

template <CCustomListWnd::Colour Which>
void SetColour(CommandContext& ctx)
{
    const COLORREF colour = COLORREF(ctx.Int());
    WithList(ctx, [colour](CCustomListWnd& list) {
        list.SetColour(Which, colour);
        list.Redraw();
    });
}

void CustomListView_SelectItem(CommandContext& ctx)
{
    const int item = ctx.Int();
    CCustomListWnd* list = List(ctx);
    const bool selected = list && list->SelectItem(item, true);
    if (selected) list->Redraw();
    ctx.SetTruth(selected);
}

void CustomListView_DeleteItem(CommandContext& ctx)
{
    const int item = ctx.Int();
    CCustomListWnd* list = List(ctx);
    ctx.SetTruth(list && list->DeleteItem(item));
}

void CustomListView_SetDragDrop(CommandContext& ctx)
{
    SetOption<&CCustomListWnd::HasDragDrop, &CCustomListWnd::SetDragDrop>(ctx);
}
void CustomListView_SetExSelection(CommandContext& ctx)
{
    SetOption<&CCustomListWnd::HasMultipleSelection, &CCustomListWnd::SetMultipleSelection>(ctx);
}
void CustomListView_SetLabel(CommandContext& ctx)
{
    SetOption<&CCustomListWnd::HasLabels, &CCustomListWnd::SetLabels>(ctx);
}
void CustomListView_SetSelection(CommandContext& ctx)
{
    SetOption<&CCustomListWnd::HasSelection, &CCustomListWnd::SetSelection>(ctx);
}

void CustomListView_FindSelected(CommandContext& ctx)
{
    const int item = ctx.Int();
    AnswerInt(ctx, 0, [item](const CCustomListWnd& list) { return list.FindSelected(item); });
}

void CustomListView_GetScrollPos(CommandContext& ctx)
{
    AnswerInt(ctx, -1, [](const CCustomListWnd& list) { return list.GetScrollPos(); });
}

void CustomListView_SaveItemImage(CommandContext& ctx)
{
    const int id = ctx.Int();
    const int item = ctx.Int();
    ctx.SetTruth(false);
    ObjectRecord* target = ctx.FindObject(id, qbk::TypeDataStream);
    if (!target) return;
    CMemFile* stream = FindDataStream(target);
    if (!stream) stream = &NewDataStream(*target);
    const CCustomListWnd* list = List(ctx);
    const CImageBitmap* image = list ? list->GetItemImage(item) : nullptr;
    if (image) ctx.SetTruth(image->SaveToStream(stream));
}

void CustomListView_GetItemCount(CommandContext& ctx)
{
    AnswerInt(ctx, 0, [](const CCustomListWnd& list) { return list.GetItemCount(); });
}

void CustomListView_GetItemTag(CommandContext& ctx)
{
    const int item = ctx.Int();
    const CCustomListWnd* list = List(ctx);
    ctx.SetResult(list ? list->GetItemTag(item) : CString("0"));
}

void CustomListView_GetItemText(CommandContext& ctx)
{
    const int item = ctx.Int();
    if (const CCustomListWnd* list = List(ctx)) ctx.SetResult(list->GetItemText(item));
}

void CustomListView_GetItemHeight(CommandContext& ctx)
{
    AnswerInt(ctx, 0, [](const CCustomListWnd& list) { return list.GetItemHeight(); });
}
void CustomListView_GetItemWidth(CommandContext& ctx)
{
    AnswerInt(ctx, 0, [](const CCustomListWnd& list) { return list.GetItemWidth(); });
}
void CustomListView_GetLabelHeight(CommandContext& ctx)
{
    AnswerInt(ctx, 0, [](const CCustomListWnd& list) { return list.GetLabelHeight(); });
}

void CustomListView_HitTest(CommandContext& ctx)
{
    const int x = ctx.Int();
    const int y = ctx.Int();
    AnswerInt(ctx, -1, [x, y](const CCustomListWnd& list) { return list.HitTest(x, y); });
}

void CustomListView_GetSelected(CommandContext& ctx)
{
    const int n = ctx.Int();
    AnswerInt(ctx, -1, [n](const CCustomListWnd& list) { return list.GetSelected(n); });
}

void CustomListView_GetSelectedCount(CommandContext& ctx)
{
    AnswerInt(ctx, 0, [](const CCustomListWnd& list) { return list.GetSelectedCount(); });
}

// Commands 53 to 55: the image from where insert takes it, then the text on the new item; a
// sorted list answers where the text put it.
template <class Insert>
void InsertWithText(CommandContext& ctx, const CString& text, Insert insert)
{
    ctx.SetInt(-1);
    CCustomListWnd* list = List(ctx);
    if (!list) return;
    const int index = insert(*list);
    if (index >= 0) ctx.SetInt(list->SetItemText(index, text));
}

void CustomListView_InsertItemFromFile(CommandContext& ctx)
{
    const int item = ctx.Int();
    const CString text = ctx.Text();
    const CString path = ctx.Text();
    InsertWithText(ctx, text, [&](CCustomListWnd& list) { return list.InsertItemFromFile(path, item); });
}

void CustomListView_InsertItemFromObject(CommandContext& ctx)
{
    const int item = ctx.Int();
    const CString text = ctx.Text();
    CMemFile* stream = FindDataStream(ctx.FindObject(ctx.Int(), qbk::TypeDataStream));
    if (!stream) {
        ctx.SetInt(-1);
        return;
    }
    InsertWithText(ctx, text, [&](CCustomListWnd& list) { return list.InsertImageItem(stream, item); });
}

void CustomListView_InsertItemEmbedded(CommandContext& ctx)
{
    const int item = ctx.Int();
    const CString text = ctx.Text();
    CMemFile* stream = ctx.Runtime().OpenEmbeddedFile(ctx.Text());
    InsertWithText(ctx, text, [&](CCustomListWnd& list) { return list.InsertImageItem(stream, item); });
}

void CustomListView_MoveItem(CommandContext& ctx)
{
    const int from = ctx.Int();
    const int to = ctx.Int();
    CCustomListWnd* list = List(ctx);
    ctx.SetInt(list && !list->IsSorted() ? list->MoveItem(from, to) : -1);
}

void CustomListView_Deselect(CommandContext& ctx)
{
    const int item = ctx.Int();
    WithList(ctx, [item](CCustomListWnd& list) {
        if (list.Deselect(item)) list.Redraw();
    });
}

void CustomListView_DeleteAll(CommandContext& ctx)
{
    WithList(ctx, [](CCustomListWnd& list) {
        list.DeleteAll();
        list.Redraw();
    });
}

void CustomListView_EnsureVisible(CommandContext& ctx)
{
    const int item = ctx.Int();
    WithList(ctx, [item](CCustomListWnd& list) { list.EnsureVisible(item); });
}

void CustomListView_SetItemTag(CommandContext& ctx)
{
    const int item = ctx.Int();
    const CString text = ctx.Text();
    WithList(ctx, [&](CCustomListWnd& list) { list.SetItemTag(item, text); });
}

void CustomListView_SetItemText(CommandContext& ctx)
{
    const int item = ctx.Int();
    const CString text = ctx.Text();
    WithList(ctx, [&](CCustomListWnd& list) { list.SetItemText(item, text); });
}

void CustomListView_SetItemSize(CommandContext& ctx)
{
    const int width = ctx.Int();
    const int height = ctx.Int();
    WithList(ctx, [=](CCustomListWnd& list) {
        list.SetItemSize(width, height);
        list.Redraw();
    });
}

void CustomListView_SetLabelHeight(CommandContext& ctx)
{
    const int height = ctx.Int();
    WithList(ctx, [=](CCustomListWnd& list) {
        list.SetLabelHeight(height);
        list.Redraw();
    });
}

void CustomListView_SelectOnly(CommandContext& ctx)
{
    const int item = ctx.Int();
    WithList(ctx, [=](CCustomListWnd& list) {
        list.ClearSelection();
        list.SelectItem(item, true);
        list.Redraw();
    });
}

void CustomListView_Sort(CommandContext& ctx)
{
    WithList(ctx, [](CCustomListWnd& list) { list.SortItems(); });
}

void CustomListView_SwapItems(CommandContext& ctx)
{
    const int a = ctx.Int();
    const int b = ctx.Int();
    CCustomListWnd* list = List(ctx);
    ctx.SetTruth(list && !list->IsSorted() && list->SwapItems(a, b));
}

constexpr CommandEntry kCustomListView[] = {
    {31, "CustomListView_SelectItem", CustomListView_SelectItem},  // after the shared commands 0 to 30
    {32, "CustomListView_DeleteItem", CustomListView_DeleteItem},
    {33, "CustomListView_SetDragDrop", CustomListView_SetDragDrop},
    {34, "CustomListView_SetExSelection", CustomListView_SetExSelection},
    {35, "CustomListView_SetLabel", CustomListView_SetLabel},
    {36, "CustomListView_SetSelection", CustomListView_SetSelection},
    {37, "CustomListView_FindSelected", CustomListView_FindSelected},
    {38, "CustomListView_GetBackColor", GetColour<CCustomListWnd::Back>},
    {39, "CustomListView_GetScrollPos", CustomListView_GetScrollPos},
    {40, "CustomListView_SaveItemImage", CustomListView_SaveItemImage},
    {41, "CustomListView_GetItemCount", CustomListView_GetItemCount},
    {42, "CustomListView_GetItemTag", CustomListView_GetItemTag},
    {43, "CustomListView_GetItemHeight", CustomListView_GetItemHeight},
    {44, "CustomListView_GetItemText", CustomListView_GetItemText},
    {45, "CustomListView_GetItemWidth", CustomListView_GetItemWidth},
    {46, "CustomListView_HitTest", CustomListView_HitTest},
    {47, "CustomListView_GetTextColor", GetColour<CCustomListWnd::Text>},
    {48, "CustomListView_GetLabelHeight", CustomListView_GetLabelHeight},
    {49, "CustomListView_GetSelTextColor", GetColour<CCustomListWnd::SelectedText>},
    {50, "CustomListView_GetSelected", CustomListView_GetSelected},
    {51, "CustomListView_GetSelColor", GetColour<CCustomListWnd::SelectionBack>},
    {52, "CustomListView_GetSelectedCount", CustomListView_GetSelectedCount},
    {53, "CustomListView_InsertItemFromFile", CustomListView_InsertItemFromFile},
    {54, "CustomListView_InsertItemFromObject", CustomListView_InsertItemFromObject},
    {55, "CustomListView_InsertItemEmbedded", CustomListView_InsertItemEmbedded},
    {56, "CustomListView_MoveItem", CustomListView_MoveItem},
    {57, "CustomListView_Deselect", CustomListView_Deselect},
    {58, "CustomListView_DeleteAll", CustomListView_DeleteAll},
    {59, "CustomListView_SetBackColor", SetColour<CCustomListWnd::Back>},
    {60, "CustomListView_EnsureVisible", CustomListView_EnsureVisible},
    {61, "CustomListView_SetItemTag", CustomListView_SetItemTag},
    {62, "CustomListView_SetItemText", CustomListView_SetItemText},
    {63, "CustomListView_SetItemSize", CustomListView_SetItemSize},
    {64, "CustomListView_SetTextColor", SetColour<CCustomListWnd::Text>},
    {65, "CustomListView_SetLabelHeight", CustomListView_SetLabelHeight},
    {66, "CustomListView_SetSelTextColor", SetColour<CCustomListWnd::SelectedText>},
    {67, "CustomListView_SelectOnly", CustomListView_SelectOnly},
    {68, "CustomListView_SetSelColor", SetColour<CCustomListWnd::SelectionBack>},
    {69, "CustomListView_Sort", CustomListView_Sort},
    {70, "CustomListView_SwapItems", CustomListView_SwapItems},
};
static_assert(NumbersOwnCommands(kCustomListView, qbk::TypeCustomListView, 70));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeCustomListView, kCustomListView)};

}  // namespace

extern const CommandFamily kCustomListViewFamily("CustomListView", kLists);
