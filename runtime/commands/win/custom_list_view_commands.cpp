// The runtime's own list window (type 57): items with images, texts and tags.
#include "command_table.h"

namespace {

constexpr CommandEntry kCustomListView[] = {
    {31, "CustomListView_SelectItem"},  // after the shared commands 0 to 30
    {32, "CustomListView_DeleteItem"},
    {33, "CustomListView_SetDragDrop"},
    {34, "CustomListView_SetExSelection"},
    {35, "CustomListView_SetLabel"},
    {36, "CustomListView_SetSelection"},
    {37, "CustomListView_FindSelected"},
    {38, "CustomListView_GetBackColor"},
    {39, "CustomListView_GetScrollPos"},
    {40, "CustomListView_SaveItemImage"},
    {41, "CustomListView_GetItemCount"},
    {42, "CustomListView_GetItemTag"},
    {43, "CustomListView_GetItemHeight"},
    {44, "CustomListView_GetItemText"},
    {45, "CustomListView_GetItemWidth"},
    {46, "CustomListView_HitTest"},
    {47, "CustomListView_GetTextColor"},
    {48, "CustomListView_GetLabelHeight"},
    {49, "CustomListView_GetSelTextColor"},
    {50, "CustomListView_GetSelected"},
    {51, "CustomListView_GetSelColor"},
    {52, "CustomListView_GetSelectedCount"},
    {53, "CustomListView_InsertItemFromFile"},
    {54, "CustomListView_InsertItemFromObject"},
    {55, "CustomListView_InsertItemEmbedded"},
    {56, "CustomListView_MoveItem"},
    {57, "CustomListView_Deselect"},
    {58, "CustomListView_DeleteAll"},
    {59, "CustomListView_SetBackColor"},
    {60, "CustomListView_EnsureVisible"},
    {61, "CustomListView_SetItemTag"},
    {62, "CustomListView_SetItemText"},
    {63, "CustomListView_SetItemSize"},
    {64, "CustomListView_SetTextColor"},
    {65, "CustomListView_SetLabelHeight"},
    {66, "CustomListView_SetSelTextColor"},
    {67, "CustomListView_SelectOnly"},
    {68, "CustomListView_SetSelColor"},
    {69, "CustomListView_Sort"},
    {70, "CustomListView_SwapItems"},
};
static_assert(NumbersOwnCommands(kCustomListView, qbk::TypeCustomListView, 70));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeCustomListView, kCustomListView)};

}  // namespace

extern const CommandFamily kCustomListViewFamily("CustomListView", kLists);
