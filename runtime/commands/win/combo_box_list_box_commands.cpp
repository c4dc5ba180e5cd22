// Combo boxes (type 49) and list boxes (type 58).
#include "command_table.h"

namespace {

constexpr CommandEntry kComboBox[] = {
    {31, "ComboBox_AddString"},  // after the shared commands 0 to 30
    {32, "ComboBox_Deletestring"}, {33, "ComboBox_Dir"},          {34, "ComboBox_FindStringExact"},
    {35, "ComboBox_GetCount"},     {36, "ComboBox_GetCurSel"},    {37, "ComboBox_GetTopIndex"},
    {38, "ComboBox_GetText"},      {39, "ComboBox_Insertstring"}, {40, "ComboBox_ResetContent"},
    {41, "ComboBox_Setcursel"},    {42, "ComboBox_Settopindex"},  {43, "ComboBox_SetString"},
};
static_assert(NumbersOwnCommands(kComboBox, qbk::TypeComboBox, 43));

constexpr CommandEntry kListBox[] = {
    {31, "ListBox_AddString"},  // after the shared commands 0 to 30
    {32, "ListBox_DeleteString"}, {33, "ListBox_Dir"},          {34, "ListBox_FindStringExact"},
    {35, "ListBox_GetCount"},     {36, "ListBox_GetCurSel"},    {37, "ListBox_GetTopIndex"},
    {38, "ListBox_GetItemData"},  {39, "ListBox_GetSelCount"},  {40, "ListBox_GetSelItems"},
    {41, "ListBox_GetText"},      {42, "ListBox_InsertString"}, {43, "ListBox_ResetContent"},
    {44, "ListBox_SetSelection"}, {45, "ListBox_SelectRange"},  {46, "ListBox_SetTopIndex"},
    {47, "ListBox_SetItemData"},  {48, "ListBox_SetString"},
};
static_assert(NumbersOwnCommands(kListBox, qbk::TypeListBox, 48));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeComboBox, kComboBox), OwnCommands(qbk::TypeListBox, kListBox)};

}  // namespace

extern const CommandFamily kComboBoxListBoxFamily("ComboBox and ListBox", kLists);
