// Message boxes (type 8) and the system's folders, names, screen, colours and fonts (type 10).
#include "command_table.h"

namespace {

constexpr CommandEntry kMessageBox[] = {
    {0, "MessageBox_Show"},  // no shared commands: own numbers from 0
};
static_assert(NumbersOwnCommands(kMessageBox, qbk::TypeMessageBox, 0));

constexpr CommandEntry kSystem[] = {
    {0, "System_GetComputerName"},  // no shared commands: own numbers from 0
    {1, "System_GetDesktopDir"},   {2, "System_GetVolumeSerial"},   {3, "System_GetFontsDir"},
    {4, "System_GetFontList"},     {5, "System_GetQuickLaunchDir"}, {6, "System_GetRecentDir"},
    {7, "System_GetColorDepth"},   {8, "System_GetScreenHeight"},   {9, "System_GetScreenWidth"},
    {10, "System_GetProgramsDir"}, {11, "System_GetSysColor"},      {12, "System_GetSystemDir"},
    {13, "System_GetTempPath"},    {14, "System_GetUserName"},      {15, "System_GetWindowsDir"},
    {16, "System_InstallFont"},    {17, "System_SetSysColor"},
};
static_assert(NumbersOwnCommands(kSystem, qbk::TypeSystem, 17));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMessageBox, kMessageBox), OwnCommands(qbk::TypeSystem, kSystem)};

}  // namespace

extern const CommandFamily kMessageBoxSystemFamily("MessageBox and System", kLists);
