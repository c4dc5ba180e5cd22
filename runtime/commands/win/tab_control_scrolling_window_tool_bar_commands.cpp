// Tab controls (type 69), scrolling texts (type 70) and tool bars (type 71).
#include "command_table.h"

namespace {

constexpr CommandEntry kTabControl[] = {
    {31, "TabControl_AddImage"},  // after the shared commands 0 to 30
    {32, "TabControl_DeleteItem"}, {33, "TabControl_GetCurSel"},      {34, "TabControl_GetItem"},
    {35, "TabControl_InsertItem"}, {36, "TabControl_DeleteAllItems"}, {37, "TabControl_RemoveImages"},
    {38, "TabControl_SetCurSel"},  {39, "TabControl_SetMinTabWidth"}, {40, "TabControl_SetItem"},
};
static_assert(NumbersOwnCommands(kTabControl, qbk::TypeTabControl, 40));

constexpr CommandEntry kScrollingWindow[] = {
    {31, "ScrollingWindow_ShowImage"},  // after the shared commands 0 to 30
    {32, "ScrollingWindow_GetBackColor"},      {33, "ScrollingWindow_GetTextColor"},
    {34, "ScrollingWindow_GetTextHeight"},     {35, "ScrollingWindow_GetTextWidth"},
    {36, "ScrollingWindow_LoadImageFile"},     {37, "ScrollingWindow_LoadImageFromObject"},
    {38, "ScrollingWindow_LoadImageEmbedded"}, {39, "ScrollingWindow_SetOffset"},
    {40, "ScrollingWindow_SetScrollSpeed"},    {41, "ScrollingWindow_SetBackColor"},
    {42, "ScrollingWindow_SetTextColor"},
};
static_assert(NumbersOwnCommands(kScrollingWindow, qbk::TypeScrollingWindow, 42));

constexpr CommandEntry kToolBar[] = {
    {31, "ToolBar_ActivateToolTips"},  // after the shared commands 0 to 30
    {32, "ToolBar_AddButton"},        {33, "ToolBar_AddSeparator"},      {34, "ToolBar_EnableAll"},
    {35, "ToolBar_EnableButton"},     {36, "ToolBar_GetSeparatorColor"}, {37, "ToolBar_GetButtonToolTip"},
    {38, "ToolBar_RemoveAll"},        {39, "ToolBar_SetSeparatorColor"}, {40, "ToolBar_SetButtonToolTip"},
};
static_assert(NumbersOwnCommands(kToolBar, qbk::TypeToolBar, 40));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTabControl, kTabControl),
                                  OwnCommands(qbk::TypeScrollingWindow, kScrollingWindow),
                                  OwnCommands(qbk::TypeToolBar, kToolBar)};

}  // namespace

extern const CommandFamily kTabControlScrollingWindowToolBarFamily("TabControl, ScrollingWindow and ToolBar", kLists);
