// Clock, calendar and timers (type 11).
#include "time_commands.h"

#include <chrono>
#include <ctime>

#include "command_context.h"
#include "command_table.h"

TimeSystem& GetTimeSystem()
{
    static TimeSystem system;
    return system;
}

CString FormatDuration(uint32_t milliseconds)
{
    const uint32_t hours = milliseconds / 3600000, minutes = milliseconds % 3600000 / 60000,
                   seconds = milliseconds % 60000 / 1000, rest = milliseconds % 1000;
    CString text;
    text.Format("%u:%02u:%02u:%03u", unsigned(hours), unsigned(minutes), unsigned(seconds), unsigned(rest));
    return text;
}

namespace {

uint32_t Milliseconds()
{
    if (GetTimeSystem().milliseconds) return GetTimeSystem().milliseconds();
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

LocalTime Now()
{
    if (GetTimeSystem().localTime) return GetTimeSystem().localTime();
    const std::time_t now = std::time(nullptr);
    std::tm fields = {};
#ifdef _WIN32
    localtime_s(&fields, &now);
#else
    localtime_r(&now, &fields);
#endif
    return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min, fields.tm_sec};
}

// The script's window, when its window exists (the timers' window).
WindowRecord* OpenWindow(CommandContext& ctx)
{
    const ObjectRecord* self = ctx.Window().Self();
    return self && self->WindowObject ? &ctx.Window() : nullptr;
}

// Milliseconds since a start time, in unsigned 32-bit arithmetic (the counter wraps), as signed.
void SetElapsed(CommandContext& ctx, uint32_t start) { ctx.SetInt(int(Milliseconds() - start)); }

void Time_FormatDuration(CommandContext& ctx) { ctx.SetResult(FormatDuration(uint32_t(ctx.Int()))); }
void Time_GetTickCount(CommandContext& ctx) { SetElapsed(ctx, ctx.Runtime().m_startTime); }
void Time_GetDay(CommandContext& ctx) { ctx.SetInt(Now().Day); }
void Time_GetTickTime(CommandContext& ctx) { SetElapsed(ctx, ctx.Window().CreationTime); }
void Time_GetHour(CommandContext& ctx) { ctx.SetInt(Now().Hour); }
void Time_GetMinute(CommandContext& ctx) { ctx.SetInt(Now().Minute); }
void Time_GetMonth(CommandContext& ctx) { ctx.SetInt(Now().Month); }
void Time_GetSecond(CommandContext& ctx) { ctx.SetInt(Now().Second); }
void Time_GetMilliseconds(CommandContext& ctx) { ctx.SetInt(int(Milliseconds())); }
void Time_GetYear(CommandContext& ctx) { ctx.SetInt(Now().Year); }

void Time_SetLocalTime(CommandContext& ctx)
{
    LocalTime time;
    time.Day = ctx.Int();
    time.Month = ctx.Int();
    time.Year = ctx.Int();
    time.Hour = ctx.Int();
    time.Minute = ctx.Int();
    time.Second = ctx.Int();
    if (GetTimeSystem().setLocalTime) GetTimeSystem().setLocalTime(time);
}

void Time_StartTimer(CommandContext& ctx)
{
    const uintptr_t id = uintptr_t(unsigned(ctx.Int()));
    const unsigned period = unsigned(ctx.Int());
    ctx.SetResult("0");
    WindowRecord* window = OpenWindow(ctx);
    if (!window || !GetTimeSystem().startTimer) return;
    const uintptr_t made = GetTimeSystem().startTimer(*window, id, period);
    if (made == id) return ctx.SetResult("1");
    // The system made a timer under another number: the one asked for is stopped, never a timer
    // of that other number, which may be another live timer of the script.
    if (made != 0 && GetTimeSystem().stopTimer) GetTimeSystem().stopTimer(*window, id);
}

void Time_StopTimer(CommandContext& ctx)
{
    const uintptr_t id = uintptr_t(unsigned(ctx.Int()));
    WindowRecord* window = OpenWindow(ctx);
    ctx.SetTruth(window && GetTimeSystem().stopTimer && GetTimeSystem().stopTimer(*window, id));
}

constexpr CommandEntry kTime[] = {
    {0, "Time_FormatDuration", Time_FormatDuration},  // no shared commands: own numbers from 0
    {1, "Time_GetTickCount", Time_GetTickCount},
    {2, "Time_GetDay", Time_GetDay},
    {3, "Time_GetTickTime", Time_GetTickTime},
    {4, "Time_GetHour", Time_GetHour},
    {5, "Time_GetMinute", Time_GetMinute},
    {6, "Time_GetMonth", Time_GetMonth},
    {7, "Time_GetSecond", Time_GetSecond},
    {8, "Time_GetMilliseconds", Time_GetMilliseconds},
    {9, "Time_GetYear", Time_GetYear},
    {10, "Time_SetLocalTime", Time_SetLocalTime},
    {11, "Time_StartTimer", Time_StartTimer},
    {12, "Time_StopTimer", Time_StopTimer},
};
static_assert(NumbersOwnCommands(kTime, qbk::TypeTime, 12));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTime, kTime)};

}  // namespace

extern const CommandFamily kTimeFamily("Time", kLists);
