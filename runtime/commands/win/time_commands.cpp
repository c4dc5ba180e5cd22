// Clock, calendar and timers (type 11).
#include "command_table.h"

namespace {

constexpr CommandEntry kTime[] = {
    {0, "Time_FormatDuration"},  // no shared commands: own numbers from 0
    {1, "Time_GetTickCount"},   {2, "Time_GetDay"},        {3, "Time_GetTickTime"}, {4, "Time_GetHour"},
    {5, "Time_GetMinute"},      {6, "Time_GetMonth"},      {7, "Time_GetSecond"},   {8, "Time_GetMilliseconds"},
    {9, "Time_GetYear"},        {10, "Time_SetLocalTime"}, {11, "Time_StartTimer"}, {12, "Time_StopTimer"},
};
static_assert(NumbersOwnCommands(kTime, qbk::TypeTime, 12));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTime, kTime)};

}  // namespace

extern const CommandFamily kTimeFamily("Time", kLists);
