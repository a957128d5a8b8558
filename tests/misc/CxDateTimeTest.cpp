#include "support/Environment.h"
#include "support/Wine.h"
#include "common/misc/CxDateTime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// Sets TZ for one test and puts the previous value back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        if (const char* previous = std::getenv("TZ")) {
            m_previous = previous;
            m_hadPrevious = true;
        }
        testing_support::SetEnvironment("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_hadPrevious)
            testing_support::SetEnvironment("TZ", m_previous.c_str());
        else
            testing_support::UnsetEnvironment("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::string m_previous;
    bool m_hadPrevious = false;
};

// POSIX rules, so the tests need no time zone database.
constexpr const char* kUtc = "UTC0";
constexpr const char* kNewYork = "EST5EDT,M3.2.0,M11.1.0";

constexpr double kMinute = 1.0 / 1440.0;

std::string Text(const SYSTEMTIME& st)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u dow %u", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond, st.wMilliseconds, st.wDayOfWeek);
    return text;
}

struct Texts {
    std::string date;
    std::string time;
    std::string dateTime;
};

Texts Format(const CxDateTime& dt)
{
    char date[CxDateTime::DATE_TEXT_SIZE];
    char time[32];
    char dateTime[CxDateTime::DATETIME_TEXT_SIZE];
    dt.FormatDate(date, sizeof date);
    dt.FormatTime(time, sizeof time);
    dt.FormatDateTime(dateTime, sizeof dateTime);
    return {date, time, dateTime};
}

TEST(CxDateTime, NewObjectHoldsTheCurrentLocalTime)
{
    platform::ScopedClock clock(platform::MakeSystemTime(2004, 3, 7, 9, 5, 0, 640));
    const CxDateTime now;
    EXPECT_TRUE(now.IsValid());
    EXPECT_EQ(Format(now).dateTime, "03/07/2004 09:05:00");
    EXPECT_NEAR(now.GetDate(), 38053.0 + 545 * kMinute, 1e-9);
}

struct PrintCase {
    const char* name;
    DATE date;
    const char* dateText;
    const char* timeText;
    const char* dateTimeText;
};

TEST(CxDateTime, PrintsYears1900To4500AndNothingForNoDate)
{
    const PrintCase cases[] = {
        {"zero date", 0.0, "", "00:00:00", " 00:00:00"},
        {"last day before 1900", 1.0, "", "00:00:00", " 00:00:00"},
        {"first day of 1900", 2.0, "01/01/1900", "00:00:00", "01/01/1900 00:00:00"},
        {"birthday in 1928", 10365.75, "05/17/1928", "18:00:00", "05/17/1928 18:00:00"},
        {"end of 1930", 11323.0, "12/31/1930", "00:00:00", "12/31/1930 00:00:00"},
        {"start of 1931", 11324.0, "01/01/1931", "00:00:00", "01/01/1931 00:00:00"},
        {"morning", 38053.0 + 545 * kMinute, "03/07/2004", "09:05:00", "03/07/2004 09:05:00"},
        {"end of 2030", 47848.0, "12/31/2030", "00:00:00", "12/31/2030 00:00:00"},
        {"task due in 2031", 47849.5, "01/01/2031", "12:00:00", "01/01/2031 12:00:00"},
        {"last printed day", 949997.0 + 1439 * kMinute, "12/31/4500", "23:59:00", "12/31/4500 23:59:00"},
        {"Outlook's none date", 949998.0, "", "00:00:00", " 00:00:00"},
        {"last valid day", 2958465.0, "", "00:00:00", " 00:00:00"},
        {"negative date", -1.25, "", "06:00:00", " 06:00:00"},
    };
    for (const PrintCase& c : cases) {
        CxDateTime dt;
        dt.SetDate(c.date);
        EXPECT_TRUE(dt.IsValid()) << c.name;
        const Texts texts = Format(dt);
        EXPECT_EQ(texts.date, c.dateText) << c.name;
        EXPECT_EQ(texts.time, c.timeText) << c.name;
        EXPECT_EQ(texts.dateTime, c.dateTimeText) << c.name;
    }
}

TEST(CxDateTime, FormattersCutToTheBufferSize)
{
    SYSTEMTIME st{2004, 13, 0, 7, 65535, 59, 7, 0};  // a month and an hour no conversion accepts
    CxDateTime dt;
    dt.SetSystemTime(&st);
    EXPECT_FALSE(dt.IsValid());

    char buffer[16];
    dt.FormatTime(buffer, 9);
    EXPECT_STREQ(buffer, "65535:59");
    dt.FormatTime(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "65535:59:07");
    dt.FormatDate(buffer, 5);
    EXPECT_STREQ(buffer, "13/0");
    dt.FormatDateTime(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "13/07/2004 6553");
    buffer[0] = 'x';
    dt.FormatDate(buffer, 0);
    EXPECT_EQ(buffer[0], 'x');
}

TEST(CxDateTimeDeathTest, NullBufferStopsTheProgramWithTheExpression)
{
    const CxDateTime dt;
    EXPECT_DEATH(dt.FormatDate(nullptr, 11), "Assertion failed: szBuf!=NULL, file .*CxDateTime\\.cpp, line ");
    EXPECT_DEATH(dt.FormatTime(nullptr, 9), "Assertion failed: szBuf!=NULL");
    EXPECT_DEATH(dt.FormatDateTime(nullptr, 20), "Assertion failed: szBuf!=NULL");
}

TEST(CxDateTime, SetSystemTimeKeepsAllEightWords)
{
    const SYSTEMTIME st{2004, 3, 3, 1, 15, 45, 30, 250};  // the day of week as given, even if wrong
    CxDateTime dt;
    dt.SetSystemTime(&st);
    EXPECT_TRUE(dt.IsValid());
    EXPECT_EQ(Text(*dt.GetSystemTime()), Text(st));
    EXPECT_NEAR(dt.GetDate(), 38047.0 + (15 * 3600 + 45 * 60 + 30) / 86400.0, 1e-9);
}

TEST(CxDateTime, ConversionFailuresClearValidity)
{
    CxDateTime dt;
    dt.SetDate(1e9);
    EXPECT_FALSE(dt.IsValid());
    dt.SetDate(2.0);
    EXPECT_TRUE(dt.IsValid());
    // Wine's SystemTimeToVariantTime takes month 0 as December of the year before.
    if (testing_support::UnderWine())
        return;
    const SYSTEMTIME zero{};
    dt.SetSystemTime(&zero);
    EXPECT_FALSE(dt.IsValid());
    EXPECT_EQ(Format(dt).date, "");
}

struct TimeTCase {
    const char* name;
    const char* zone;
    time_t t;
    SYSTEMTIME expected;
    DATE date;
};

const TimeTCase kTimeTCases[] = {
    {"epoch in UTC", kUtc, 0, {1970, 1, 4, 1, 0, 0, 0, 0}, 25569.0},
    {"epoch in New York", kNewYork, 0, {1969, 12, 3, 31, 19, 0, 0, 0}, 25568.0 + 19.0 / 24.0},
    {"summer time in New York", kNewYork, 1088697600, {2004, 7, 4, 1, 12, 0, 0, 0}, 38169.5},
    {"beyond 2038", kUtc, 2147483648, {2038, 1, 2, 19, 3, 14, 8, 0}, 50424.0 + (3 * 3600 + 14 * 60 + 8) / 86400.0},
    {"year 2100", kUtc, 4116744000, {2100, 6, 2, 15, 12, 0, 0, 0}, 73216.5},
};

// Wine's C runtime takes no daylight-saving rules from TZ, and Windows' mktime refuses
// moments before 1970, so on Windows only the UTC rows hold.
bool RowHoldsHere(const TimeTCase& c)
{
#ifdef _WIN32
    return c.zone == kUtc;
#else
    static_cast<void>(c);
    return true;
#endif
}

TEST(CxDateTime, SetTimeTUsesLocalTime)
{
    for (const TimeTCase& c : kTimeTCases) {
        if (!RowHoldsHere(c))
            continue;
        ScopedTimeZone zone(c.zone);
        CxDateTime dt;
        dt.SetTimeT(&c.t);
        EXPECT_TRUE(dt.IsValid()) << c.name;
        EXPECT_EQ(Text(*dt.GetSystemTime()), Text(c.expected)) << c.name;
        EXPECT_NEAR(dt.GetDate(), c.date, 1e-9) << c.name;
    }
}

TEST(CxDateTime, SetTimeTRefusedByLocaltimeChangesOnlyValidity)
{
    CxDateTime dt;
    dt.SetDate(38169.5);
    const time_t huge = std::numeric_limits<time_t>::max();
    dt.SetTimeT(&huge);
    EXPECT_FALSE(dt.IsValid());
    EXPECT_EQ(dt.GetDate(), 38169.5);
    EXPECT_EQ(Text(*dt.GetSystemTime()), Text({2004, 7, 4, 1, 12, 0, 0, 0}));
}

TEST(TimeTConversion, VariantDateToTimeTAndBack)
{
    for (const TimeTCase& c : kTimeTCases) {
        if (!RowHoldsHere(c))
            continue;
        ScopedTimeZone zone(c.zone);
        time_t t = 0;
        VariantDateToTimeT(c.date, &t);
        EXPECT_EQ(t, c.t) << c.name;
        DATE date = -1.0;
        EXPECT_NE(TimeTToVariantDate(c.t, &date), 0) << c.name;
        EXPECT_NEAR(date, c.date, 1e-9) << c.name;
    }
}

TEST(TimeTConversion, FailuresAreReported)
{
    ScopedTimeZone zone(kUtc);
    time_t t = 12345;
    VariantDateToTimeT(1e9, &t);
    EXPECT_EQ(t, -1);

    DATE date = 7.0;
    EXPECT_EQ(TimeTToVariantDate(std::numeric_limits<time_t>::max(), &date), 0);
    EXPECT_EQ(date, 7.0);
    // Year 10000 is a valid time_t but no DATE.
    EXPECT_EQ(TimeTToVariantDate(253402300800, &date), 0);
    EXPECT_EQ(date, 7.0);
}

TEST(TimeOfDay, MinutesOfDayIgnoresDateAndSeconds)
{
    EXPECT_EQ(MinutesOfDay({2004, 3, 1, 1, 0, 0, 59, 999}), 0);
    EXPECT_EQ(MinutesOfDay({1999, 12, 5, 31, 9, 30, 10, 0}), 570);
    EXPECT_EQ(MinutesOfDay({2004, 3, 1, 1, 23, 59, 59, 0}), 1439);
}

TEST(TimeOfDay, AddMinutesToTimeNeverChangesTheDate)
{
    const struct {
        const char* name;
        WORD hour;
        WORD minute;
        int shift;
        WORD expectedHour;
        WORD expectedMinute;
    } cases[] = {
        {"below midnight stops at 00:00", 0, 10, -15, 0, 0},
        {"ninety minutes back", 9, 30, -90, 8, 0},
        {"a whole day back", 12, 0, -1440, 0, 0},
        {"no shift", 17, 45, 0, 17, 45},
        {"forward within the day", 22, 50, 60, 23, 50},
        {"past midnight stops at 23:59", 23, 0, 120, 23, 59},
        {"extreme shift back", 5, 0, std::numeric_limits<int>::min(), 0, 0},
        {"extreme shift forward", 5, 0, std::numeric_limits<int>::max(), 23, 59},
    };
    for (const auto& c : cases) {
        SYSTEMTIME st{2004, 3, 1, 1, c.hour, c.minute, 42, 7};
        AddMinutesToTime(&st, c.shift);
        EXPECT_EQ(Text(st), Text({2004, 3, 1, 1, c.expectedHour, c.expectedMinute, 42, 7})) << c.name;
    }
}

TEST(TimeOfDay, SetTimeOfDayChangesOnlyHourAndMinute)
{
    SYSTEMTIME st{2004, 3, 1, 1, 15, 45, 42, 7};
    SetTimeOfDay(570, &st);
    EXPECT_EQ(Text(st), Text({2004, 3, 1, 1, 9, 30, 42, 7}));
}

TEST(TimeOfDay, MinutesBetweenTimesIgnoresTheDates)
{
    const SYSTEMTIME oneAm{2004, 3, 1, 1, 1, 0, 0, 0};
    const SYSTEMTIME elevenPmTheDayBefore{2004, 2, 0, 29, 23, 0, 0, 0};
    EXPECT_EQ(MinutesBetweenTimes(oneAm, elevenPmTheDayBefore), -1320);
    EXPECT_EQ(MinutesBetweenTimes(elevenPmTheDayBefore, oneAm), 1320);
    EXPECT_EQ(MinutesBetweenTimes({2004, 3, 1, 1, 9, 15, 59, 0}, {1970, 1, 4, 1, 8, 0, 0, 0}), 75);
}

TEST(DayArithmetic, AddDaysToDateGivesMidnightOfTheShiftedDay)
{
    const struct {
        const char* name;
        SYSTEMTIME st;
        int days;
        SYSTEMTIME expected;
    } cases[] = {
        {"back over a leap day", {2004, 3, 1, 1, 15, 45, 0, 0}, -1, {2004, 2, 0, 29, 0, 0, 0, 0}},
        {"onto a leap day", {2004, 2, 6, 28, 8, 0, 0, 0}, 1, {2004, 2, 0, 29, 0, 0, 0, 0}},
        {"over a common year's end of February", {2001, 2, 3, 28, 23, 59, 59, 0}, 1, {2001, 3, 4, 1, 0, 0, 0, 0}},
        {"into the next year", {2003, 12, 3, 31, 12, 0, 0, 0}, 1, {2004, 1, 4, 1, 0, 0, 0, 0}},
        {"no shift drops the time", {2004, 3, 1, 1, 15, 45, 0, 0}, 0, {2004, 3, 1, 1, 0, 0, 0, 0}},
        {"a year forward", {2004, 3, 1, 1, 0, 0, 0, 0}, 365, {2005, 3, 2, 1, 0, 0, 0, 0}},
        {"before the epoch", {1899, 12, 6, 30, 12, 0, 0, 0}, -1, {1899, 12, 5, 29, 0, 0, 0, 0}},
        {"from a negative date", {1899, 12, 5, 29, 6, 0, 0, 0}, 1, {1899, 12, 6, 30, 0, 0, 0, 0}},
        {"day 31 of a short month", {2004, 4, 0, 31, 10, 0, 0, 0}, 0, {2004, 5, 6, 1, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SYSTEMTIME st = c.st;
        EXPECT_TRUE(AddDaysToDate(&st, c.days)) << c.name;
        EXPECT_EQ(Text(st), Text(c.expected)) << c.name;
    }
}

TEST(DayArithmetic, AddDaysToDateLeavesUnusableDatesAlone)
{
    const struct {
        const char* name;
        SYSTEMTIME st;
        int days;
    } cases[] = {
        {"past the last valid day", {9999, 12, 5, 31, 0, 0, 0, 0}, 1},
        {"before the first valid day", {100, 1, 5, 1, 0, 0, 0, 0}, -1},
        {"not a date", {0, 0, 0, 0, 0, 0, 0, 0}, 1},
    };
    for (const auto& c : cases) {
        // Wine's SystemTimeToVariantTime takes month 0 as December of the year before.
        if (c.st.wMonth == 0 && testing_support::UnderWine())
            continue;
        SYSTEMTIME st = c.st;
        EXPECT_FALSE(AddDaysToDate(&st, c.days)) << c.name;
        EXPECT_EQ(Text(st), Text(c.st)) << c.name;
    }
}

}  // namespace
