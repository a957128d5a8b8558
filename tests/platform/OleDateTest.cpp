#include "platform/WinCompat.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <ostream>
#include <string>

namespace {

std::string Text(const SYSTEMTIME& st)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u dow %u", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond, st.wMilliseconds, st.wDayOfWeek);
    return text;
}

constexpr double kSecond = 1.0 / 86400.0;

struct DateToSystemCase {
    const char* name;
    DATE date;
    SYSTEMTIME expected;
};

void PrintTo(const DateToSystemCase& c, std::ostream* os) { *os << c.name; }

class VariantTimeToSystemTimeTest : public ::testing::TestWithParam<DateToSystemCase> {};

TEST_P(VariantTimeToSystemTimeTest, GivesTheCalendarMoment)
{
    SYSTEMTIME st{};
    ASSERT_TRUE(VariantTimeToSystemTime(GetParam().date, &st));
    EXPECT_EQ(Text(st), Text(GetParam().expected));
}

// Days of week: 0 Sunday ... 6 Saturday.
INSTANTIATE_TEST_SUITE_P(
    Dates, VariantTimeToSystemTimeTest,
    ::testing::Values(
        DateToSystemCase{"Epoch", 0.0, {1899, 12, 6, 30, 0, 0, 0, 0}},
        DateToSystemCase{"DayOne", 1.0, {1899, 12, 0, 31, 0, 0, 0, 0}},
        DateToSystemCase{"FirstOf1900", 2.0, {1900, 1, 1, 1, 0, 0, 0, 0}},
        DateToSystemCase{"NegativeWholeDay", -1.0, {1899, 12, 5, 29, 0, 0, 0, 0}},
        DateToSystemCase{"NegativeWithTime", -1.25, {1899, 12, 5, 29, 6, 0, 0, 0}},
        DateToSystemCase{"NegativeBelowOneDay", -0.5, {1899, 12, 6, 30, 12, 0, 0, 0}},
        DateToSystemCase{"LeapDay", 38046.75, {2004, 2, 0, 29, 18, 0, 0, 0}},
        DateToSystemCase{"AfterLeapDay", 38047.65625, {2004, 3, 1, 1, 15, 45, 0, 0}},
        DateToSystemCase{"Beyond2038", 50424.5, {2038, 1, 2, 19, 12, 0, 0, 0}},
        DateToSystemCase{"FirstValidDay", -657434.0, {100, 1, 5, 1, 0, 0, 0, 0}},
        DateToSystemCase{"FirstValidDayNoon", -657434.5, {100, 1, 5, 1, 12, 0, 0, 0}},
        DateToSystemCase{"LastValidSecond", 2958465.0 + 86399 * kSecond, {9999, 12, 5, 31, 23, 59, 59, 0}},
        DateToSystemCase{"RoundsDownBelowHalfSecond", 0.5 + 0.4 * kSecond, {1899, 12, 6, 30, 12, 0, 0, 0}},
        DateToSystemCase{"RoundsUpFromHalfSecond", 0.5 + 0.6 * kSecond, {1899, 12, 6, 30, 12, 0, 1, 0}},
        DateToSystemCase{"RoundsIntoNextDay", 1.0 - 0.2 * kSecond, {1899, 12, 0, 31, 0, 0, 0, 0}},
        DateToSystemCase{"NegativeRoundsIntoNextDay", -1.0 - (1.0 - 0.2 * kSecond), {1899, 12, 6, 30, 0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VariantTimeToSystemTime, RefusesDatesOutsideTheRangeAndLeavesTheTargetAlone)
{
    const double refused[] = {-657435.0,
                              -657435.5,
                              2958466.0,
                              2958465.0 + 86399.6 * kSecond,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
    for (const double date : refused) {
        SYSTEMTIME st{1, 2, 3, 4, 5, 6, 7, 8};
        EXPECT_FALSE(VariantTimeToSystemTime(date, &st)) << date;
        EXPECT_EQ(Text(st), Text(SYSTEMTIME{1, 2, 3, 4, 5, 6, 7, 8})) << date;
    }
    EXPECT_FALSE(VariantTimeToSystemTime(0.0, nullptr));
}

struct SystemToDateCase {
    const char* name;
    SYSTEMTIME st;
    DATE expected;
};

void PrintTo(const SystemToDateCase& c, std::ostream* os) { *os << c.name; }

class SystemTimeToVariantTimeTest : public ::testing::TestWithParam<SystemToDateCase> {};

TEST_P(SystemTimeToVariantTimeTest, GivesTheDate)
{
    SYSTEMTIME st = GetParam().st;
    DATE date = -99.0;
    ASSERT_TRUE(SystemTimeToVariantTime(&st, &date));
    EXPECT_NEAR(date, GetParam().expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, SystemTimeToVariantTimeTest,
    ::testing::Values(
        SystemToDateCase{"Epoch", {1899, 12, 0, 30, 0, 0, 0, 0}, 0.0},
        SystemToDateCase{"NegativeWithTime", {1899, 12, 0, 29, 6, 0, 0, 0}, -1.25},
        SystemToDateCase{"LeapDay", {2004, 2, 0, 29, 0, 0, 0, 0}, 38046.0},
        SystemToDateCase{"FebruaryTwentyNinthOfCommonYearRolls", {2001, 2, 0, 29, 0, 0, 0, 0}, 36951.0},
        SystemToDateCase{"DayZeroIsLastDayOfPreviousMonth", {2004, 3, 0, 0, 0, 0, 0, 0}, 38046.0},
        SystemToDateCase{"DayZeroOfJanuary", {2000, 1, 0, 0, 0, 0, 0, 0}, 36525.0},
        SystemToDateCase{"DayThirtyOneOfShortMonth", {2004, 4, 0, 31, 0, 0, 0, 0}, 38108.0},
        SystemToDateCase{"MillisecondsDropped", {1899, 12, 0, 30, 12, 0, 0, 999}, 0.5},
        SystemToDateCase{"DayOfWeekIgnored", {2004, 3, 4, 1, 15, 45, 0, 0}, 38047.65625},
        SystemToDateCase{"FirstValidDay", {100, 1, 0, 1, 0, 0, 0, 0}, -657434.0},
        SystemToDateCase{"FirstValidDayNoon", {100, 1, 0, 1, 12, 0, 0, 0}, -657434.5},
        SystemToDateCase{"LastValidSecond", {9999, 12, 0, 31, 23, 59, 59, 0}, 2958465.0 + 86399 * kSecond}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemTimeToVariantTime, RefusesFieldsOutOfRange)
{
    const struct {
        const char* name;
        SYSTEMTIME st;
    } refused[] = {
        {"zero", {0, 0, 0, 0, 0, 0, 0, 0}},
        {"month 0", {2004, 0, 0, 1, 0, 0, 0, 0}},
        {"month 13", {2004, 13, 0, 1, 0, 0, 0, 0}},
        {"day 32", {2004, 1, 0, 32, 0, 0, 0, 0}},
        {"hour 24", {2004, 1, 0, 1, 24, 0, 0, 0}},
        {"minute 60", {2004, 1, 0, 1, 0, 60, 0, 0}},
        {"second 60", {2004, 1, 0, 1, 0, 0, 60, 0}},
        {"year 99", {99, 12, 0, 31, 0, 0, 0, 0}},
        {"year 10000", {10000, 1, 0, 1, 0, 0, 0, 0}},
        {"rolls past 9999", {9999, 12, 0, 32, 0, 0, 0, 0}},
        {"rolls before 100", {100, 1, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : refused) {
        SYSTEMTIME st = c.st;
        DATE date = 123.0;
        EXPECT_FALSE(SystemTimeToVariantTime(&st, &date)) << c.name;
        EXPECT_EQ(date, 123.0) << c.name;
    }
}

TEST(OleDate, EveryWholeSecondSurvivesTheRoundTripAcrossTheRange)
{
    // Steps through the whole valid range with a prime stride so that every part of the
    // calendar (leap years, century years, negative dates) is visited.
    for (long long day = -657434; day <= 2958465; day += 997) {
        for (const int second : {0, 1, 43199, 43200, 86399}) {
            const double fraction = second * kSecond;
            const DATE date = day < 0 ? day - fraction : day + fraction;
            SYSTEMTIME st{};
            ASSERT_TRUE(VariantTimeToSystemTime(date, &st)) << date;
            EXPECT_EQ(st.wHour * 3600 + st.wMinute * 60 + st.wSecond, second) << date;
            DATE back = 0.0;
            ASSERT_TRUE(SystemTimeToVariantTime(&st, &back)) << Text(st);
            ASSERT_NEAR(back, date, 1e-6) << Text(st);
        }
    }
}

int DaysInMonth(int year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool SameDay(const SYSTEMTIME& a, int year, int month, int day)
{
    return a.wYear == year && a.wMonth == month && a.wDay == day && a.wHour == 0 && a.wMinute == 0 && a.wSecond == 0;
}

TEST(OleDate, DaysFollowTheGregorianCalendarThroughTheWholeRange)
{
    SYSTEMTIME previous{};
    ASSERT_TRUE(VariantTimeToSystemTime(-657434.0, &previous));
    for (double day = -657433.0; day <= 2958465.0; day += 1.0) {
        SYSTEMTIME st{};
        ASSERT_TRUE(VariantTimeToSystemTime(day, &st));
        ASSERT_EQ(st.wDayOfWeek, (previous.wDayOfWeek + 1) % 7) << Text(st);
        int year = previous.wYear;
        int month = previous.wMonth;
        int dayOfMonth = previous.wDay + 1;
        if (dayOfMonth > DaysInMonth(year, month)) {
            dayOfMonth = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
        ASSERT_TRUE(SameDay(st, year, month, dayOfMonth)) << Text(st) << " after " << Text(previous);
        previous = st;
    }
    EXPECT_TRUE(SameDay(previous, 9999, 12, 31)) << Text(previous);
}

}  // namespace
