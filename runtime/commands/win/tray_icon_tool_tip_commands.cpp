// The tray icon (type 42) and tool tips (type 43).
#include "command_table.h"

namespace {

constexpr CommandEntry kTrayIcon[] = {
    {2, "TrayIcon_Create"},  // after the shared commands 0 and 1
    {3, "TrayIcon_Refresh"}, {4, "TrayIcon_SetImage"}, {5, "TrayIcon_SetText"}, {6, "TrayIcon_Show"},
};
static_assert(NumbersOwnCommands(kTrayIcon, qbk::TypeTrayIcon, 6));

constexpr CommandEntry kToolTip[] = {
    {2, "ToolTip_Activate"},  // after the shared commands 0 and 1
    {3, "ToolTip_AddTool"},       {4, "ToolTip_GetBackColor"},  {5, "ToolTip_GetToolCount"},
    {6, "ToolTip_GetMaxWidth"},   {7, "ToolTip_GetText"},       {8, "ToolTip_GetTextColor"},
    {9, "ToolTip_DelTool"},       {10, "ToolTip_SetBackColor"}, {11, "ToolTip_SetDelay"},
    {12, "ToolTip_SetFont"},      {13, "ToolTip_SetMaxWidth"},  {14, "ToolTip_UpdateText"},
    {15, "ToolTip_SetTextColor"},
};
static_assert(NumbersOwnCommands(kToolTip, qbk::TypeToolTip, 15));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTrayIcon, kTrayIcon), OwnCommands(qbk::TypeToolTip, kToolTip)};

}  // namespace

extern const CommandFamily kTrayIconToolTipFamily("TrayIcon and ToolTip", kLists);
