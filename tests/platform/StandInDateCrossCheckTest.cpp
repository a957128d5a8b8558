// Cross-check of the automation date conversions: the same expected values hold for our
// stand-ins on Linux and for the real oleaut32 on Windows. The expected values come from
// Microsoft's documentation of VariantTimeToSystemTime and SystemTimeToVariantTime and are
// worked out here independently, never by calling the function under test.
#include "platform/WinCompat.h"
#include "platform/StandInCrossCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

namespace {

using cross_check::CheckedHere;
using cross_check::kWineDiffers;

constexpr double kSecond = 1.0 / 86400.0;
// A thousandth of a second: DATE values here are compared to well within one second.
constexpr double kDateTolerance = 1e-8;

std::string Text(const SYSTEMTIME& st)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u dow %u", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond, st.wMilliseconds, st.wDayOfWeek);
    return text;
}

bool SameFields(const SYSTEMTIME& a, const SYSTEMTIME& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The proleptic Gregorian calendar by whole years and months: days since 0001-01-01.
bool IsLeap(long long year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(long long year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

long long DayNumber(long long year, int month, int day)
{
    const long long before = year - 1;
    long long days = 365 * before + before / 4 - before / 100 + before / 400;
    for (int m = 1; m < month; ++m)
        days += DaysInMonth(year, m);
    return days + day - 1;
}

const long long kEpochDay = DayNumber(1899, 12, 30);  // DATE 0

struct Civil {
    long long year;
    int month;
    int day;
};

Civil CivilFromSerial(long long serial)
{
    const long long number = serial + kEpochDay;
    long long year = static_cast<long long>(static_cast<double>(number) / 365.2425) + 1;
    while (DayNumber(year, 1, 1) > number)
        --year;
    while (DayNumber(year + 1, 1, 1) <= number)
        ++year;
    long long rest = number - DayNumber(year, 1, 1);
    int month = 1;
    while (rest >= DaysInMonth(year, month))
        rest -= DaysInMonth(year, month++);
    return {year, month, static_cast<int>(rest) + 1};
}

// 0 = Sunday; DATE 0 was a Saturday.
WORD DayOfWeek(long long serial) { return static_cast<WORD>(((serial + 6) % 7 + 7) % 7); }

// For a negative DATE the whole part is the day and the absolute fraction the time of day.
DATE DateOf(long long serial, long long seconds)
{
    const double fraction = static_cast<double>(seconds) * kSecond;
    return serial < 0 ? static_cast<double>(serial) - fraction : static_cast<double>(serial) + fraction;
}

SYSTEMTIME Expected(long long serial, long long seconds)
{
    const Civil date = CivilFromSerial(serial);
    return {static_cast<WORD>(date.year), static_cast<WORD>(date.month), DayOfWeek(serial),
            static_cast<WORD>(date.day),  static_cast<WORD>(seconds / 3600), static_cast<WORD>(seconds / 60 % 60),
            static_cast<WORD>(seconds % 60), 0};
}

const SYSTEMTIME kUntouched{1, 2, 3, 4, 5, 6, 7, 8};

TEST(StandInCrossCheck, IndependentCalendarAgreesWithKnownDates)
{
    EXPECT_EQ(DayNumber(100, 1, 1) - kEpochDay, -657434);
    EXPECT_EQ(DayNumber(9999, 12, 31) - kEpochDay, 2958465);
    EXPECT_EQ(Text(Expected(-1, 6 * 3600)), Text({1899, 12, 5, 29, 6, 0, 0, 0}));
}

// ---- VariantTimeToSystemTime ----

struct ToSystemCase {
    const char* name;
    DATE date;
    bool ok;
    SYSTEMTIME expected;  // for a failure: the target stays as it was
    bool wineDiffers = false;
};

const ToSystemCase kToSystem[] = {
    {"DayZero", 0.0, true, {1899, 12, 6, 30, 0, 0, 0, 0}},
    {"DayZeroNoon", 0.5, true, {1899, 12, 6, 30, 12, 0, 0, 0}},
    {"MinusOne", -1.0, true, {1899, 12, 5, 29, 0, 0, 0, 0}},
    {"MinusOneAndAQuarter", -1.25, true, {1899, 12, 5, 29, 6, 0, 0, 0}},
    {"MinusHalfIsDayZero", -0.5, true, {1899, 12, 6, 30, 12, 0, 0, 0}},
    {"MinusTwoAndThreeQuarters", -2.75, true, {1899, 12, 4, 28, 18, 0, 0, 0}},
    {"FirstOf1900", 2.0, true, {1900, 1, 1, 1, 0, 0, 0, 0}},
    {"SixAmSecondOf1900", 3.25, true, {1900, 1, 2, 2, 6, 0, 0, 0}},
    {"NoLeapDayIn1900", 61.0, true, {1900, 3, 4, 1, 0, 0, 0, 0}},
    {"LeapDay2000", 36585.75, true, {2000, 2, 2, 29, 18, 0, 0, 0}},
    {"Beyond2038", 50424.5, true, {2038, 1, 2, 19, 12, 0, 0, 0}},
    {"RangeStart", -657434.0, true, {100, 1, 5, 1, 0, 0, 0, 0}},
    {"RangeStartLastSecond", -657434.0 - 86399 * kSecond, true, {100, 1, 5, 1, 23, 59, 59, 0}},
    {"RangeEnd", 2958465.0, true, {9999, 12, 5, 31, 0, 0, 0, 0}},
    {"RangeEndLastSecond", 2958465.99998843, true, {9999, 12, 5, 31, 23, 59, 59, 0}},
    {"BelowHalfSecondRoundsDown", 0.5 + 0.49 * kSecond, true, {1899, 12, 6, 30, 12, 0, 0, 0}},
    {"AboveHalfSecondRoundsUp", 0.5 + 0.51 * kSecond, true, {1899, 12, 6, 30, 12, 0, 1, 0}},
    {"NegativeBelowHalfSecond", -1.5 - 0.49 * kSecond, true, {1899, 12, 5, 29, 12, 0, 0, 0}},
    {"NegativeAboveHalfSecond", -1.5 - 0.51 * kSecond, true, {1899, 12, 5, 29, 12, 0, 1, 0}},
    {"RoundsUpThroughTheMinute", 0.5 + 59.6 * kSecond, true, {1899, 12, 6, 30, 12, 1, 0, 0}},
    {"LastHalfSecondOfTheDay", 1.0 - 0.51 * kSecond, true, {1899, 12, 6, 30, 23, 59, 59, 0}},
    // Wine works out the day of week before rounding the time into the next day and keeps
    // it; Windows' SYSTEMTIME wDayOfWeek is the day of week of the date it holds.
    {"RoundsIntoTheNextDay", 1.0 - 0.49 * kSecond, true, {1899, 12, 0, 31, 0, 0, 0, 0}, kWineDiffers},
    {"NegativeRoundsIntoTheNextDay", -2.0 + 0.49 * kSecond, true, {1899, 12, 6, 30, 0, 0, 0, 0}, kWineDiffers},
    {"BeforeRangeStart", -657435.0, false, kUntouched},
    {"HalfDayBeforeRangeStart", -657435.5, false, kUntouched},
    {"AfterRangeEnd", 2958466.0, false, kUntouched},
    {"HalfDayAfterRangeEnd", 2958466.5, false, kUntouched},
    {"FarBefore", -1e10, false, kUntouched},
    {"FarAfter", 1e10, false, kUntouched},
    // Wine rounds 9999-12-31 23:59:59.6 on into 10000-01-01 and succeeds; the documented
    // range of a variant time ends on 31 December 9999.
    {"RoundsPastRangeEnd", 2958465.0 + 86399.6 * kSecond, false, kUntouched, kWineDiffers},
};

TEST(StandInCrossCheck, VariantTimeToSystemTime)
{
    for (const ToSystemCase& c : kToSystem) {
        if (!CheckedHere(c.wineDiffers))
            continue;
        SYSTEMTIME st = kUntouched;
        EXPECT_EQ(VariantTimeToSystemTime(c.date, &st) != FALSE, c.ok) << c.name;
        EXPECT_EQ(Text(st), Text(c.expected)) << c.name;
    }
}

// ---- SystemTimeToVariantTime ----

struct ToDateCase {
    const char* name;
    SYSTEMTIME st;
    bool ok;
    DATE expected;  // for a failure: the target stays as it was
    bool wineDiffers = false;
};

constexpr DATE kUntouchedDate = 123.0;

const ToDateCase kToDate[] = {
    {"Epoch", {1899, 12, 0, 30, 0, 0, 0, 0}, true, 0.0},
    {"EpochNoon", {1899, 12, 0, 30, 12, 0, 0, 0}, true, 0.5},
    {"DayBeforeSixAm", {1899, 12, 0, 29, 6, 0, 0, 0}, true, -1.25},
    {"DayBeforeNoon", {1899, 12, 0, 29, 12, 0, 0, 0}, true, -1.5},
    {"FirstOf1900", {1900, 1, 0, 1, 0, 0, 0, 0}, true, 2.0},
    {"LeapDay2000", {2000, 2, 0, 29, 18, 0, 0, 0}, true, 36585.75},
    {"DayOfWeekIgnored", {2004, 3, 4, 1, 15, 45, 0, 0}, true, 38047.65625},
    // Documented: "an invalid date such as 2/29/2001 will resolve to 3/1/2001".
    {"Feb29InCommonYear", {2001, 2, 0, 29, 0, 0, 0, 0}, true, 36951.0},
    // Documented: "2/0/2001 will resolve to 1/31/2001".
    {"DayZeroOfFebruary", {2001, 2, 0, 0, 0, 0, 0, 0}, true, 36922.0},
    {"DayZeroOfMarchInLeapYear", {2004, 3, 0, 0, 0, 0, 0, 0}, true, 38046.0},
    {"DayZeroOfJanuary", {2000, 1, 0, 0, 0, 0, 0, 0}, true, 36525.0},
    {"April31", {2004, 4, 0, 31, 0, 0, 0, 0}, true, 38108.0},
    {"RangeStart", {100, 1, 0, 1, 0, 0, 0, 0}, true, -657434.0},
    {"RangeStartNoon", {100, 1, 0, 1, 12, 0, 0, 0}, true, -657434.5},
    {"RangeEndLastSecond", {9999, 12, 0, 31, 23, 59, 59, 0}, true, 2958465.0 + 86399 * kSecond},
    // Documented: "Any milliseconds in the input date are ignored".
    {"MillisecondsIgnored", {1899, 12, 0, 30, 12, 0, 0, 999}, true, 0.5},
    {"Month13", {2004, 13, 0, 1, 0, 0, 0, 0}, false, kUntouchedDate},
    // Documented: "Only days are fixed, so invalid month values result in an error";
    // Wine takes month 0 as December of the year before.
    {"Month0", {2004, 0, 0, 1, 0, 0, 0, 0}, false, kUntouchedDate, kWineDiffers},
    {"Day32", {2004, 1, 0, 32, 0, 0, 0, 0}, false, kUntouchedDate},
    {"Year10000", {10000, 1, 0, 1, 0, 0, 0, 0}, false, kUntouchedDate},
};

TEST(StandInCrossCheck, SystemTimeToVariantTime)
{
    for (const ToDateCase& c : kToDate) {
        if (!CheckedHere(c.wineDiffers))
            continue;
        SYSTEMTIME st = c.st;
        DATE date = kUntouchedDate;
        EXPECT_EQ(SystemTimeToVariantTime(&st, &date) != FALSE, c.ok) << c.name;
        EXPECT_NEAR(date, c.expected, kDateTolerance) << c.name;
    }
}

// ---- Generated sweeps ----

// Every day of some spans of years (the range ends, the epoch, century and leap years) at a
// set of times of day, and every day of the whole range at a time of day that moves along:
// the DATE is the independently computed one and converts back to the same fields.
TEST(StandInCrossCheck, SystemTimesRoundTripThroughDates)
{
    struct Span {
        long long firstYear;
        long long lastYear;
        bool allTimes;
    } const spans[] = {{100, 101, true}, {1699, 1701, true}, {1899, 1901, true}, {1999, 2001, true},
                       {9998, 9999, true}, {100, 9999, false}};
    const long long times[] = {0, 1, 6 * 3600, 43199, 43200, 45296, 86399};
    int checked = 0;
    for (const Span& span : spans) {
        const long long first = DayNumber(span.firstYear, 1, 1) - kEpochDay;
        const long long last = DayNumber(span.lastYear, 12, 31) - kEpochDay;
        for (long long serial = first; serial <= last; ++serial) {
            const int count = span.allTimes ? static_cast<int>(std::size(times)) : 1;
            for (int i = 0; i < count; ++i) {
                const long long seconds = span.allTimes ? times[i] : (serial * 7919 % 86400 + 86400) % 86400;
                const SYSTEMTIME expected = Expected(serial, seconds);
                SYSTEMTIME st = expected;
                st.wDayOfWeek = 0;  // ignored on the way in
                DATE date = kUntouchedDate;
                ASSERT_TRUE(SystemTimeToVariantTime(&st, &date)) << Text(expected);
                ASSERT_NEAR(date, DateOf(serial, seconds), kDateTolerance) << Text(expected);
                SYSTEMTIME back = kUntouched;
                ASSERT_TRUE(VariantTimeToSystemTime(date, &back)) << Text(expected);
                ASSERT_TRUE(SameFields(back, expected)) << Text(back) << ", expected " << Text(expected);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 3'000'000);
}

// DATE values with arbitrary fractions across the whole range: each gives the day its whole
// part names and its time rounded to the second, and converts back to within half a second.
// Fractions within a hundredth of a second of a half second are left out (Windows does not
// say how it rounds there), and so are those that round into the next day (the tables above).
TEST(StandInCrossCheck, DatesWithFractionsGiveTheirRoundedMoment)
{
    unsigned long long state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state >> 11) / 9007199254740992.0;  // [0, 1)
    };
    int checked = 0;
    for (int i = 0; i < 200'000; ++i) {
        const long long serial = -657434 + static_cast<long long>(next() * (2958465 + 657434 + 1));
        const double fraction = next();
        const DATE date = serial < 0 ? static_cast<double>(serial) - fraction : static_cast<double>(serial) + fraction;
        const double exactSeconds = std::fabs(date - std::trunc(date)) * 86400.0;
        const double belowHalf = exactSeconds - std::floor(exactSeconds);
        if (std::fabs(belowHalf - 0.5) < 0.01 || exactSeconds >= 86399.5)
            continue;
        const long long seconds = std::llround(exactSeconds);
        const SYSTEMTIME expected = Expected(static_cast<long long>(std::trunc(date)), seconds);

        SYSTEMTIME st = kUntouched;
        ASSERT_TRUE(VariantTimeToSystemTime(date, &st)) << date;
        ASSERT_TRUE(SameFields(st, expected))
            << Text(st) << ", expected " << Text(expected) << " for " << testing::PrintToString(date);
        DATE back = kUntouchedDate;
        ASSERT_TRUE(SystemTimeToVariantTime(&st, &back)) << Text(st);
        ASSERT_LE(std::fabs(back - date), 0.5 * kSecond + kDateTolerance) << date;
        ++checked;
    }
    EXPECT_GT(checked, 190'000);
}

}  // namespace
