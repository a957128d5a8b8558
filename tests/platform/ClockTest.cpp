#include "platform/WinCompat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace {

SYSTEMTIME Now()
{
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return st;
}

DATE AsDate(SYSTEMTIME st)
{
    DATE date = 0.0;
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &date));
    return date;
}

bool Same(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek && a.wDay == b.wDay &&
           a.wHour == b.wHour && a.wMinute == b.wMinute && a.wSecond == b.wSecond &&
           a.wMilliseconds == b.wMilliseconds;
}

TEST(Clock, DefaultsToTheMachinesLocalTime)
{
    const std::time_t before = std::time(nullptr);
    const SYSTEMTIME st = Now();
    tm local{};
    ASSERT_TRUE(platform::LocalCalendarTime(before, local));
    SYSTEMTIME expected{static_cast<WORD>(local.tm_year + 1900), static_cast<WORD>(local.tm_mon + 1), 0,
                        static_cast<WORD>(local.tm_mday), static_cast<WORD>(local.tm_hour),
                        static_cast<WORD>(local.tm_min), static_cast<WORD>(local.tm_sec), 0};
    EXPECT_LT(std::fabs(AsDate(st) - AsDate(expected)) * 86400.0, 5.0);
    EXPECT_EQ(st.wDayOfWeek, local.tm_wday);
    EXPECT_LT(st.wMilliseconds, 1000);
}

TEST(Clock, ScopedClockStandsStillUntilMovedAndRestoresThePrevious)
{
    const SYSTEMTIME first = platform::MakeSystemTime(2004, 3, 1, 15, 45, 10, 250);
    const SYSTEMTIME second = platform::MakeSystemTime(2031, 12, 31, 23, 59, 59);
    const SYSTEMTIME inner = platform::MakeSystemTime(1999, 1, 1);
    {
        platform::ScopedClock clock(first);
        EXPECT_TRUE(Same(Now(), first));
        EXPECT_TRUE(Same(Now(), first));
        clock.Set(second);
        EXPECT_TRUE(Same(Now(), second));
        {
            platform::ScopedClock nested(inner);
            EXPECT_TRUE(Same(Now(), inner));
        }
        EXPECT_TRUE(Same(Now(), second));
    }
    const SYSTEMTIME real = platform::RealLocalTime();
    EXPECT_LT(std::fabs(AsDate(Now()) - AsDate(real)) * 86400.0, 5.0);
}

TEST(Clock, AFunctionClockIsAskedAtEveryRead)
{
    int reads = 0;
    {
        platform::ScopedClock clock([&reads] {
            ++reads;
            return platform::MakeSystemTime(2010, 6, 15, 8, static_cast<WORD>(reads));
        });
        EXPECT_EQ(Now().wMinute, 1);
        EXPECT_EQ(Now().wMinute, 2);
    }
    Now();
    EXPECT_EQ(reads, 2);
}

TEST(Clock, SetClockForTestingReplacesItUntilReset)
{
    const SYSTEMTIME fixed = platform::MakeSystemTime(1970, 3, 5, 14, 30);
    platform::SetClockForTesting([fixed] { return fixed; });
    EXPECT_TRUE(Same(Now(), fixed));
    platform::SetClockForTesting({});
    EXPECT_FALSE(Same(Now(), fixed));
}

TEST(Clock, MakeSystemTimeFillsTheDayOfWeek)
{
    const struct {
        SYSTEMTIME st;
        WORD dayOfWeek;
    } cases[] = {
        {platform::MakeSystemTime(1899, 12, 30), 6},
        {platform::MakeSystemTime(2004, 2, 29), 0},
        {platform::MakeSystemTime(2004, 3, 1), 1},
        {platform::MakeSystemTime(1970, 3, 5), 4},
        {platform::MakeSystemTime(9999, 12, 31), 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.st.wDayOfWeek, c.dayOfWeek) << c.st.wYear << "-" << c.st.wMonth << "-" << c.st.wDay;
}

}  // namespace
