// The Time commands' system services on Windows: the multimedia millisecond counter, the local
// time, and the timers of the script's window.
#include "time_commands.h"

#include <mmsystem.h>

#include "fw_wnd.h"
#include "project_model.h"

namespace {

HWND HandleOf(WindowRecord& window)
{
    const ObjectRecord* self = window.Self();
    return self && self->WindowObject ? self->WindowObject->GetSafeHwnd() : nullptr;
}

}  // namespace

void InstallTimeSystem()
{
    TimeSystem& system = GetTimeSystem();
    system.milliseconds = [] { return uint32_t(timeGetTime()); };
    system.localTime = [] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    };
    system.setLocalTime = [](const LocalTime& time) {
        SYSTEMTIME fields = {};
        fields.wYear = WORD(time.Year);
        fields.wMonth = WORD(time.Month);
        fields.wDay = WORD(time.Day);
        fields.wHour = WORD(time.Hour);
        fields.wMinute = WORD(time.Minute);
        fields.wSecond = WORD(time.Second);
        SetLocalTime(&fields);
    };
    system.startTimer = [](WindowRecord& window, uintptr_t id, unsigned period) {
        HWND handle = HandleOf(window);
        return handle ? uintptr_t(SetTimer(handle, UINT_PTR(id), period, nullptr)) : uintptr_t(0);
    };
    system.stopTimer = [](WindowRecord& window, uintptr_t id) {
        HWND handle = HandleOf(window);
        return handle && KillTimer(handle, UINT_PTR(id)) != FALSE;
    };
}
