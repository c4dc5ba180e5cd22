// Tree views (type 72), folder trees among them.
#include "command_table.h"

namespace {

constexpr CommandEntry kTreeView[] = {
    {31, "ListView_LinkObject"},  // after the shared commands 0 to 30
    {32, "TreeView_AddImage"},       {33, "TreeView_MoveItemAfter"}, {34, "TreeView_DeleteItem"},
    {35, "TreeView_Expand"},         {36, "TreeView_SetRootFolder"}, {37, "TreeView_GetChildCount"},
    {38, "TreeView_GetCount"},       {39, "TreeView_GetSelected"},   {40, "TreeView_GetItemData"},
    {41, "TreeView_GetItemPath"},    {42, "TreeView_GetChildAt"},    {43, "TreeView_GetItemWord"},
    {44, "TreeView_GetChildIndex"},  {45, "TreeView_GetItemText"},   {46, "TreeView_GetLevel"},
    {47, "TreeView_GetNextInOrder"}, {48, "TreeView_GetParent"},     {49, "TreeView_GetPrevInOrder"},
    {50, "TreeView_InsertItem"},     {51, "TreeView_IsExpanded"},    {52, "TreeView_LoadFile"},
    {53, "TreeView_LoadFromObject"}, {54, "TreeView_LoadEmbedded"},  {55, "TreeView_MoveItem"},
    {56, "TreeView_DeleteAllItems"}, {57, "ListView_ClearArray"},    {58, "TreeView_RemoveImageList"},
    {59, "TreeView_SaveToFile"},     {60, "TreeView_SaveToObject"},  {61, "TreeView_FindChild"},
    {62, "TreeView_SelectItem"},     {63, "TreeView_SetItemData"},   {64, "TreeView_SetItemImage"},
    {65, "TreeView_SetItemText"},    {66, "TreeView_SortChildren"},
};
static_assert(NumbersOwnCommands(kTreeView, qbk::TypeTreeView, 66));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTreeView, kTreeView)};

}  // namespace

extern const CommandFamily kTreeViewFamily("TreeView", kLists);
