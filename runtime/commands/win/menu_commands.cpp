// Owner-drawn menus (types 22 and 23): items, sub-menus, colours and states.
#include "command_table.h"

namespace {

constexpr CommandEntry kMenuBar[] = {
    {2, "MenuBar_Show"},  // after the shared commands 0 and 1
    {3, "MenuBar_AddItem"},        {4, "MenuBar_AddSubMenu"}, {5, "MenuBar_AddSeparator"},    {6, "Menu_GetColor"},
    {7, "Menu_GetItemText"},       {8, "Menu_IsItemChecked"}, {9, "Menu_IsItemEnabled"},      {10, "Menu_RemoveAll"},
    {11, "MenuBar_CheckMenuItem"}, {12, "MenuBar_SetColor"},  {13, "MenuBar_EnableMenuItem"},
};
static_assert(NumbersOwnCommands(kMenuBar, qbk::TypeMenuBar, 13));

constexpr CommandEntry kPopupMenu[] = {
    {2, "PopupMenu_AddItem"},  // after the shared commands 0 and 1
    {3, "PopupMenu_AddSubMenu"}, {4, "PopupMenu_AddSeparator"},  {5, "Menu_GetColor"},   {6, "Menu_GetItemText"},
    {7, "Menu_IsItemChecked"},   {8, "Menu_IsItemEnabled"},      {9, "Menu_RemoveAll"},  {10, "MenuBar_CheckMenuItem"},
    {11, "PopupMenu_SetColor"},  {12, "MenuBar_EnableMenuItem"}, {13, "PopupMenu_Show"},
};
static_assert(NumbersOwnCommands(kPopupMenu, qbk::TypePopupMenu, 13));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMenuBar, kMenuBar), OwnCommands(qbk::TypePopupMenu, kPopupMenu)};

}  // namespace

extern const CommandFamily kMenuFamily("MenuBar and PopupMenu", kLists);
