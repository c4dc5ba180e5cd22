// A time value with token formatting ("%m : %+S : %+2s"), a stopwatch on the millisecond clock,
// and the names of weekdays, months and seasons in English, French or Italian.
#pragma once

#include "KStringList.h"
#include "KString.h"
#include "KSystemSources.h"

#include <cstdint>

class KClock {
public:
    // Stands for "the present time" in Start.
    static constexpr uint32_t kNow = 0xFFFFFFFFu;

    explicit KClock(KMillisecondSource clock = KSystemMilliseconds);
    KClock(const KClock&) = delete;
    KClock& operator=(const KClock&) = delete;

    // 0 English (and any unknown code), 1, 2 and 4 French, 3 Italian; texts in code page 1252.
    void SetLanguage(int code);
    const KStringList& Weekdays() const { return weekdays_; }  // Sunday first
    const KStringList& Months() const { return months_; }  // January first
    const KStringList& Seasons() const { return seasons_; }  // spring first

    // Sets the time value from the seven numbers, carrying upwards (a month counts 30 days).
    void SplitMilliseconds(int ms, int seconds = 0, int minutes = 0, int hours = 0, int days = 0, int months = 0,
                           int years = 0);
    // The pattern with every token replaced by its value (see the table in KClock.cpp).
    KString Format(const char* pattern) const;

    struct Time {
        int ms = 0, seconds = 0, minutes = 0, hours = 0, days = 0, months = 0, years = 0;
    };
    const Time& Value() const { return time_; }

    // Stopwatch.
    void Reset();
    void Start(uint32_t t = kNow);
    void Pause();
    // Ends a pause, moving the start forward by its length; returns that length (0 when not paused).
    uint32_t Resume();
    void Stop();
    // Milliseconds from the start to the stop, the pause or now; 0 when not running.
    uint32_t Elapsed() const;
    bool Running() const { return running_; }
    bool Paused() const { return paused_; }
    bool Stopped() const { return stopped_; }

private:
    KMillisecondSource clock_;

    Time time_;

    KStringList weekdays_;
    KStringList months_;
    KStringList seasons_;

    // Set flags apart from the readings, so that a reading of 0 is a time like any other.
    bool running_ = false;
    bool paused_ = false;
    bool stopped_ = false;
    uint32_t start_ = 0, pause_ = 0, stop_ = 0;
};
