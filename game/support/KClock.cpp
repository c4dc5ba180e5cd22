#include "KClock.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

struct Names {
    std::initializer_list<const char*> weekdays, months, seasons;
};

// French and Italian in code page 1252: 0xE9 is e acute, 0xFB u circumflex.
const Names kEnglish = {
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November",
     "December"},
    {"Spring", "Summer", "Autumn", "Winter"},
};
const Names kFrench = {
    {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"},
    {"Janvier", "F\xE9vrier", "Mars", "Avril", "Mai", "Juin", "Juillet", "Ao\xFBt", "Septembre", "Octobre", "Novembre",
     "D\xE9"
     "cembre"},
    {"Printemps", "Et\xE9", "Automne", "Hiver"},
};
const Names kItalian = {
    {"Domenica", "Lunedi", "Martedi", "Mercoledi", "Giovedi", "Venerdi", "Sabato"},
    {"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto", "Settembre", "Ottobre",
     "Novembre", "Dicembre"},
    {"Primavera", "Estate", "Autunno", "Inverno"},
};

void Fill(KStringList& list, std::initializer_list<const char*> names)
{
    list.Clear();
    for (const char* name : names) list.Add(name, -1, 1);
}

// Carries value into next by unit when it reaches a unit; 64-bit so that no input overflows.
void Carry(int64_t& value, int64_t& next, int64_t unit)
{
    if (value >= unit) {
        next += value / unit;
        value %= unit;
    }
}

int ClampToInt(int64_t v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v); }

int NotNegative(int64_t v) { return v < 0 ? 0 : ClampToInt(v); }

}  // namespace

KClock::KClock(KMillisecondSource clock) : clock_(std::move(clock)) { SetLanguage(0); }

void KClock::SetLanguage(int code)
{
    const Names* names = &kEnglish;
    if (code == 1 || code == 2 || code == 4) names = &kFrench;
    if (code == 3) names = &kItalian;
    Fill(weekdays_, names->weekdays);
    Fill(months_, names->months);
    Fill(seasons_, names->seasons);
}

void KClock::SplitMilliseconds(int ms, int seconds, int minutes, int hours, int days, int months, int years)
{
    int64_t v[7] = {ms, seconds, minutes, hours, days, months, years};
    Carry(v[0], v[1], 1000);
    Carry(v[1], v[2], 60);
    if (v[1] < 0) v[1] = 0;
    Carry(v[2], v[3], 60);
    Carry(v[3], v[4], 24);
    Carry(v[4], v[5], 30);
    Carry(v[5], v[6], 12);
    time_.ms = NotNegative(v[0]);
    time_.seconds = NotNegative(v[1]);
    time_.minutes = NotNegative(v[2]);
    time_.hours = NotNegative(v[3]);
    time_.days = NotNegative(v[4]);
    time_.months = NotNegative(v[5]);
    time_.years = ClampToInt(v[6]);
}

KString KClock::Format(const char* pattern) const
{
    struct Token {
        const char* text;
        int value;
        int digits;  // leading zeros up to this many digits
    };
    // Longer tokens first: "%+M" before "%M", "%+1s" and "%+2s" before "%+s" and "%s".
    const Token tokens[] = {
        {"%Y", time_.years, 1},     {"%+M", time_.months, 2},  {"%M", time_.months, 1},  {"%+D", time_.days, 2},
        {"%D", time_.days, 1},      {"%+H", time_.hours, 2},   {"%H", time_.hours, 1},   {"%+m", time_.minutes, 2},
        {"%m", time_.minutes, 1},   {"%+S", time_.seconds, 2}, {"%S", time_.seconds, 1}, {"%+1s", time_.ms / 100, 1},
        {"%+2s", time_.ms / 10, 2}, {"%+s", time_.ms, 3},      {"%s", time_.ms, 1},
    };
    KString text(pattern);
    for (const Token& token : tokens) {
        char value[16];
        std::snprintf(value, sizeof value, "%0*d", token.digits, token.value);
        // One Replace pass covers the text as it stood; a value holds no '%', so passes end.
        while (text.Replace(token.text, value, 0, -1) > 0) {
        }
    }
    return text;
}

void KClock::Reset()
{
    running_ = paused_ = stopped_ = false;
    start_ = pause_ = stop_ = 0;
}

void KClock::Start(uint32_t t)
{
    running_ = true;
    start_ = t == kNow ? clock_() : t;
    paused_ = stopped_ = false;
    pause_ = stop_ = 0;
}

void KClock::Pause()
{
    if (paused_) return;
    pause_ = clock_();
    paused_ = true;
}

uint32_t KClock::Resume()
{
    if (!paused_) return 0;
    const uint32_t d = clock_() - pause_;
    start_ += d;
    paused_ = false;
    pause_ = 0;
    return d;
}

void KClock::Stop()
{
    if (stopped_) return;
    stop_ = clock_();
    stopped_ = true;
}

uint32_t KClock::Elapsed() const
{
    if (!running_) return 0;
    const uint32_t end = stopped_ ? stop_ : paused_ ? pause_ : clock_();
    return end - start_;
}
