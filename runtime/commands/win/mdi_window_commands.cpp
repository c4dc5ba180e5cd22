// MDI clients (type 59) and the windows they hold.
#include "command_table.h"

namespace {

constexpr CommandEntry kMdiWindow[] = {
    {31, "MdiWindow_Tile"},  // after the shared commands 0 to 30
    {32, "MdiWindow_Close"},        {33, "MdiWindow_GetActive"}, {34, "MdiWindow_GetBackColor"},
    {35, "MdiWindow_Cascade"},      {36, "MdiWindow_OpenChild"}, {37, "MdiWindow_IconArrange"},
    {38, "MdiWindow_SetBackColor"}, {39, "MdiWindow_SetMenu"},   {40, "MdiWindow_Next"},
    {41, "MdiWindow_Previous"},
};
static_assert(NumbersOwnCommands(kMdiWindow, qbk::TypeMdiWindow, 41));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMdiWindow, kMdiWindow)};

}  // namespace

extern const CommandFamily kMdiWindowFamily("MdiWindow", kLists);
