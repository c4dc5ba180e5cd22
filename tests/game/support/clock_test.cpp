// KClock: carrying a time value, token formatting, calendar names and the stopwatch on a
// clock that the test drives.
#include <gtest/gtest.h>

#include "KClock.h"

#include <climits>
#include <string>
#include <vector>

namespace {

struct FakeTime {
    uint32_t now = 0;
    KMillisecondSource Source()
    {
        return [this] { return now; };
    }
};

std::string Formatted(int ms, const char* pattern)
{
    KClock clock([] { return 0u; });
    clock.SplitMilliseconds(ms);
    return clock.Format(pattern).c_str();
}

}  // namespace

TEST(ClockSplit, CarriesEachUnitIntoTheNext)
{
    struct Case {
        int in[7];
        KClock::Time out;
    };
    const Case cases[] = {
        {{3723004, 0, 0, 0, 0, 0, 0}, {4, 3, 2, 1, 0, 0, 0}},
        {{0, 0, 0, 25, 0, 0, 0}, {0, 0, 0, 1, 1, 0, 0}},
        {{0, 0, 0, 0, 30, 0, 0}, {0, 0, 0, 0, 0, 1, 0}},  // a month counts 30 days
        {{0, 0, 0, 0, 0, 25, 0}, {0, 0, 0, 0, 0, 1, 2}},
        {{999, 59, 59, 23, 29, 11, 7}, {999, 59, 59, 23, 29, 11, 7}},
        {{1000, 59, 59, 23, 29, 11, 0}, {0, 0, 0, 0, 0, 0, 1}},  // one more millisecond carries all the way
        {{-5, -3, -2, -1, -4, -6, -9}, {0, 0, 0, 0, 0, 0, -9}},  // negatives stored as 0, years as they come
    };
    for (const Case& c : cases) {
        KClock clock([] { return 0u; });
        clock.SplitMilliseconds(c.in[0], c.in[1], c.in[2], c.in[3], c.in[4], c.in[5], c.in[6]);
        const KClock::Time& t = clock.Value();
        SCOPED_TRACE(c.in[0]);
        EXPECT_EQ(t.ms, c.out.ms);
        EXPECT_EQ(t.seconds, c.out.seconds);
        EXPECT_EQ(t.minutes, c.out.minutes);
        EXPECT_EQ(t.hours, c.out.hours);
        EXPECT_EQ(t.days, c.out.days);
        EXPECT_EQ(t.months, c.out.months);
        EXPECT_EQ(t.years, c.out.years);
    }
}

TEST(ClockSplit, ExtremeInputsCarryWithoutOverflow)
{
    KClock clock([] { return 0u; });
    clock.SplitMilliseconds(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    const KClock::Time& t = clock.Value();
    EXPECT_LT(t.ms, 1000);
    EXPECT_LT(t.seconds, 60);
    EXPECT_LT(t.months, 12);
    EXPECT_EQ(t.years, INT_MAX);  // held at the largest value
}

TEST(ClockFormat, RaceTimePattern)
{
    EXPECT_EQ(Formatted(61005, "%m : %+S : %+2s"), "1 : 01 : 00");
    EXPECT_EQ(Formatted(754321, "%m : %+S : %+2s"), "12 : 34 : 32");
    EXPECT_EQ(Formatted(0, "%m : %+S : %+2s"), "0 : 00 : 00");
}

TEST(ClockFormat, EveryTokenWithAndWithoutLeadingZeros)
{
    KClock clock([] { return 0u; });
    clock.SplitMilliseconds(7, 5, 4, 3, 2, 1, 2026);
    struct Case {
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {"%Y", "2026"}, {"%+M", "01"},
        {"%M", "1"},    {"%+D", "02"},
        {"%D", "2"},    {"%+H", "03"},
        {"%H", "3"},    {"%+m", "04"},
        {"%m", "4"},    {"%+S", "05"},
        {"%S", "5"},    {"%+1s", "0"},
        {"%+2s", "00"}, {"%+s", "007"},
        {"%s", "7"},    {"no tokens", "no tokens"},
        {"", ""},       {"%D/%+M/%Y %H:%+m:%+S.%+s", "2/01/2026 3:04:05.007"},
    };
    for (const Case& c : cases) EXPECT_EQ(std::string(clock.Format(c.pattern).c_str()), c.text) << c.pattern;
}

TEST(ClockFormat, MillisecondFormsTakeTheirOwnDigits)
{
    EXPECT_EQ(Formatted(987, "%+1s|%+2s|%+s|%s"), "9|98|987|987");
    EXPECT_EQ(Formatted(45, "%+1s|%+2s|%+s|%s"), "0|04|045|45");
}

TEST(ClockFormat, TwoDigitFormsLeaveLargerValuesWhole)
{
    KClock clock([] { return 0u; });
    clock.SplitMilliseconds(0, 0, 0, 0, 0, 0, 0);
    // A pattern can name a unit that carried nothing: zero with its leading zero.
    EXPECT_EQ(std::string(clock.Format("%+H").c_str()), "00");
    clock.SplitMilliseconds(0, 0, 59);
    EXPECT_EQ(std::string(clock.Format("%+m").c_str()), "59");
}

TEST(ClockFormat, ATokenThatStandsTwiceIsReplacedBothTimes)
{
    // Values of a different length than their token must not push the second one out of reach.
    EXPECT_EQ(Formatted(12 * 60000, "%m-%m-%m"), "12-12-12");
    EXPECT_EQ(Formatted(5 * 60000, "%+m and %+m"), "05 and 05");
}

namespace {

std::vector<std::string> Texts(const KStringList& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i) texts.push_back(list.GetAt(i).c_str());
    return texts;
}

}  // namespace

TEST(ClockNames, EnglishByDefaultAndForUnknownCodes)
{
    for (int code : {0, 5, 7, -1}) {
        KClock clock([] { return 0u; });
        if (code != 0) clock.SetLanguage(code);
        EXPECT_EQ(Texts(clock.Weekdays()), (std::vector<std::string>{"Sunday", "Monday", "Tuesday", "Wednesday",
                                                                     "Thursday", "Friday", "Saturday"}));
        EXPECT_EQ(Texts(clock.Months()),
                  (std::vector<std::string>{"January", "February", "March", "April", "May", "June", "July", "August",
                                            "September", "October", "November", "December"}));
        EXPECT_EQ(Texts(clock.Seasons()), (std::vector<std::string>{"Spring", "Summer", "Autumn", "Winter"}));
    }
}

TEST(ClockNames, FrenchInCodePage1252)
{
    for (int code : {1, 2, 4}) {
        KClock clock([] { return 0u; });
        clock.SetLanguage(code);
        EXPECT_EQ(Texts(clock.Weekdays()),
                  (std::vector<std::string>{"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"}));
        // Byte values written out: e acute is 0xE9, u circumflex 0xFB.
        EXPECT_EQ(Texts(clock.Months()),
                  (std::vector<std::string>{"Janvier", "F\xE9vrier", "Mars", "Avril", "Mai", "Juin", "Juillet",
                                            "Ao\xFBt", "Septembre", "Octobre", "Novembre",
                                            "D\xE9"
                                            "cembre"}));
        EXPECT_EQ(Texts(clock.Seasons()), (std::vector<std::string>{"Printemps", "Et\xE9", "Automne", "Hiver"}));
    }
    KClock clock([] { return 0u; });
    clock.SetLanguage(2);
    const KString feb = clock.Months().GetAt(1);
    ASSERT_EQ(feb.Length(), 7);
    EXPECT_EQ(static_cast<unsigned char>(feb[1]), 0xE9);
    const KString aug = clock.Months().GetAt(7);
    ASSERT_EQ(aug.Length(), 4);
    EXPECT_EQ(static_cast<unsigned char>(aug[2]), 0xFB);
}

TEST(ClockNames, Italian)
{
    KClock clock([] { return 0u; });
    clock.SetLanguage(3);
    EXPECT_EQ(Texts(clock.Weekdays()),
              (std::vector<std::string>{"Domenica", "Lunedi", "Martedi", "Mercoledi", "Giovedi", "Venerdi", "Sabato"}));
    EXPECT_EQ(Texts(clock.Months()),
              (std::vector<std::string>{"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio",
                                        "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"}));
    EXPECT_EQ(Texts(clock.Seasons()), (std::vector<std::string>{"Primavera", "Estate", "Autunno", "Inverno"}));
}

TEST(ClockNames, ChangingLanguageReplacesRatherThanAppends)
{
    KClock clock([] { return 0u; });
    clock.SetLanguage(3);
    clock.SetLanguage(1);
    clock.SetLanguage(0);
    EXPECT_EQ(clock.Weekdays().GetCount(), 7);
    EXPECT_EQ(clock.Months().GetCount(), 12);
    EXPECT_EQ(clock.Seasons().GetCount(), 4);
}

class Stopwatch : public ::testing::Test {
protected:
    FakeTime time;
    KClock clock{time.Source()};
};

TEST_F(Stopwatch, NotRunningReadsZero)
{
    time.now = 5000;
    EXPECT_EQ(clock.Elapsed(), 0u);
    clock.Start();
    clock.Reset();
    EXPECT_EQ(clock.Elapsed(), 0u);
}

TEST_F(Stopwatch, StartsNowOrAtAGivenTime)
{
    time.now = 1000;
    clock.Start();
    time.now = 1750;
    EXPECT_EQ(clock.Elapsed(), 750u);
    clock.Start(1500);
    EXPECT_EQ(clock.Elapsed(), 250u);
}

TEST_F(Stopwatch, PauseHoldsAndResumeGoesOnFromThePausedValue)
{
    time.now = 100;
    clock.Start();
    time.now = 400;
    clock.Pause();
    time.now = 900;
    EXPECT_EQ(clock.Elapsed(), 300u);
    clock.Pause();  // a second pause keeps the first
    time.now = 1000;
    EXPECT_EQ(clock.Resume(), 600u);
    EXPECT_EQ(clock.Elapsed(), 300u);
    time.now = 1050;
    EXPECT_EQ(clock.Elapsed(), 350u);
    EXPECT_EQ(clock.Resume(), 0u);  // not paused
}

TEST_F(Stopwatch, StopKeepsTheFirstStopTime)
{
    time.now = 10;
    clock.Start();
    time.now = 60;
    clock.Stop();
    time.now = 500;
    clock.Stop();
    EXPECT_EQ(clock.Elapsed(), 50u);
}

TEST_F(Stopwatch, StopWinsOverPause)
{
    time.now = 0;
    clock.Start();
    time.now = 40;
    clock.Pause();
    time.now = 70;
    clock.Stop();
    EXPECT_EQ(clock.Elapsed(), 70u);
}

TEST_F(Stopwatch, ReadingsOfZeroAreTimesLikeAnyOther)
{
    time.now = 0xFFFFFF00u;
    clock.Start();
    time.now = 0;  // the millisecond counter wrapped
    clock.Pause();
    time.now = 300;
    EXPECT_EQ(clock.Elapsed(), 256u);  // the pause at 0 holds
    EXPECT_EQ(clock.Resume(), 300u);
    time.now = 310;
    EXPECT_EQ(clock.Elapsed(), 266u);
}
