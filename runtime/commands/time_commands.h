// The Time object's commands (type 11): the local date and time, the millisecond clocks, durations
// and the window timers whose ticks come back as the Time object's event 0.
#pragma once

#include <cstdint>

#include "fw_string.h"

struct WindowRecord;

struct LocalTime {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

// What these commands need of the system; the Windows program installs the real ones.
struct TimeSystem {
    uint32_t (*milliseconds)() = nullptr;  // the system's millisecond counter; unset: a steady clock
    LocalTime (*localTime)() = nullptr;  // unset: the C library's local time
    void (*setLocalTime)(const LocalTime& time) = nullptr;  // unset: the clock is left alone
    // Starts or restarts the window's timer of that id; answers what the system answered (the id
    // when it made the timer, something else or 0 when not). Unset: no timers.
    uintptr_t (*startTimer)(WindowRecord& window, uintptr_t id, unsigned period) = nullptr;
    // Stops the window's timer of that id; false when it runs no such timer.
    bool (*stopTimer)(WindowRecord& window, uintptr_t id) = nullptr;
};
TimeSystem& GetTimeSystem();
#ifdef _WIN32
// Fills GetTimeSystem() with the Windows services (called by InstallApplicationSystem).
void InstallTimeSystem();
#endif

// A millisecond count, taken as unsigned, as hours:minutes:seconds:milliseconds (1:02:03:004).
CString FormatDuration(uint32_t milliseconds);
