// The project window's own commands (type 3): centring, closing, size limits and scroll steps,
// scroll bars, colours, font and icon, opening other windows, quiet mode.
#include "command_table.h"

namespace {

constexpr CommandEntry kWindow[] = {
    {31, "Window_Center"},  // after the shared commands 0 to 30
    {32, "Window_Close"},         {33, "Window_AcceptFiles"},     {34, "Window_SetSubclass"},
    {35, "Window_GetBackColor"},  {36, "Window_GetControlCount"}, {37, "Window_GetControlId"},
    {38, "Window_GetMaxHeight"},  {39, "Window_GetMaxWidth"},     {40, "Window_GetMinHeight"},
    {41, "Window_GetMinWidth"},   {42, "Window_GetScrollLine"},   {43, "Window_GetScrollMax"},
    {44, "Window_GetScrollMin"},  {45, "Window_GetScrollPage"},   {46, "Window_GetScrollPos"},
    {47, "Window_IsForeground"},  {48, "Window_IsMaximized"},     {49, "Window_IsMinimized"},
    {50, "Window_IsOpen"},        {51, "Window_Maximize"},        {52, "Window_Minimize"},
    {53, "Window_Open"},          {54, "Window_OpenModal"},       {55, "Window_RedrawAll"},
    {56, "Window_Restore"},       {57, "Window_Scroll"},          {58, "Window_SetBackColor"},
    {59, "Window_SetFont"},       {60, "Window_Seticon"},         {61, "Window_SetMaxSize"},
    {62, "Window_SetMinSize"},    {63, "Window_SetScrollLine"},   {64, "Window_SetScrollPage"},
    {65, "Window_SetScrollPos"},  {66, "Window_SetScrollRange"},  {67, "Window_SetTopMost"},
    {68, "Window_ShowScrollBar"},
};
static_assert(NumbersOwnCommands(kWindow, qbk::TypeWindow, 68));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeWindow, kWindow)};

}  // namespace

extern const CommandFamily kWindowFamily("Window", kLists);
