// List views (type 55).
#include "command_table.h"

namespace {

constexpr CommandEntry kListView[] = {
    {31, "ListView_LinkObject"},  // after the shared commands 0 to 30
    {32, "ListView_AddImage"},         {33, "ListView_SelectItem"},       {34, "ListView_Arrange"},
    {35, "ListView_DeleteColumn"},     {36, "ListView_DeleteItem"},       {37, "ListView_FindItem"},
    {38, "ListView_GetColumnCount"},   {39, "ListView_GetColumnWidth"},   {40, "ListView_GetItemCount"},
    {41, "ListView_GetFirstSelected"}, {42, "ListView_GetTopIndex"},      {43, "ListView_GetItemImage"},
    {44, "ListView_GetItemData"},      {45, "ListView_GetSelectedCount"}, {46, "ListView_GetSelectedAt"},
    {47, "ListView_GetItemText"},      {48, "ListView_InsertColumn"},     {49, "ListView_InsertItem"},
    {50, "ListView_MoveItem"},         {51, "ListView_DeleteAllItems"},   {52, "ListView_Reset"},
    {53, "ListView_ClearArray"},       {54, "ListView_RemoveImageList"},  {55, "ListView_SetColumnWidth"},
    {56, "ListView_SelectOnly"},       {57, "ListView_SetItemImage"},     {58, "ListView_SetItemData"},
    {59, "ListView_SetItemText"},      {60, "ListView_SortByColumn"},
};
static_assert(NumbersOwnCommands(kListView, qbk::TypeListView, 60));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeListView, kListView)};

}  // namespace

extern const CommandFamily kListViewFamily("ListView", kLists);
