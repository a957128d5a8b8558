#include "platform/win/Time.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kFirstDay = -657434;  // 0100-01-01
constexpr std::int64_t kLastDay = 2958465;   // 9999-12-31
// Days from 1970-01-01 back to the DATE epoch 1899-12-30.
constexpr std::int64_t kEpochOffset = -25569;

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Days since 1970-01-01 of a proleptic Gregorian date; month 1-12, day 1-31.
constexpr std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

constexpr CivilDate CivilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
    return {year, month, day};
}

static_assert(DaysFromCivil(1899, 12, 30) == kEpochOffset);
static_assert(DaysFromCivil(100, 1, 1) - kEpochOffset == kFirstDay);
static_assert(DaysFromCivil(9999, 12, 31) - kEpochOffset == kLastDay);

// 1899-12-30, day 0, was a Saturday.
WORD DayOfWeek(std::int64_t serialDay)
{
    return static_cast<WORD>(((serialDay + 6) % 7 + 7) % 7);
}

}  // namespace

INT VariantTimeToSystemTime(DOUBLE vtime, LPSYSTEMTIME lpSystemTime)
{
    if (lpSystemTime == nullptr || !(vtime > static_cast<double>(kFirstDay - 1) && vtime < static_cast<double>(kLastDay + 1)))
        return FALSE;

    const double wholeDays = std::trunc(vtime);
    std::int64_t serialDay = static_cast<std::int64_t>(wholeDays);
    std::int64_t seconds = std::llround(std::fabs(vtime - wholeDays) * static_cast<double>(kSecondsPerDay));
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        ++serialDay;
    }
    if (serialDay > kLastDay)
        return FALSE;

    const CivilDate date = CivilFromDays(serialDay + kEpochOffset);
    lpSystemTime->wYear = static_cast<WORD>(date.year);
    lpSystemTime->wMonth = static_cast<WORD>(date.month);
    lpSystemTime->wDayOfWeek = DayOfWeek(serialDay);
    lpSystemTime->wDay = static_cast<WORD>(date.day);
    lpSystemTime->wHour = static_cast<WORD>(seconds / 3600);
    lpSystemTime->wMinute = static_cast<WORD>(seconds / 60 % 60);
    lpSystemTime->wSecond = static_cast<WORD>(seconds % 60);
    lpSystemTime->wMilliseconds = 0;
    return TRUE;
}

INT SystemTimeToVariantTime(LPSYSTEMTIME lpSystemTime, DOUBLE* pvtime)
{
    if (lpSystemTime == nullptr || pvtime == nullptr)
        return FALSE;
    const SYSTEMTIME& st = *lpSystemTime;
    if (st.wMonth < 1 || st.wMonth > 12 || st.wDay > 31 || st.wHour > 23 || st.wMinute > 59 || st.wSecond > 59 ||
        st.wYear < 100 || st.wYear > 9999)
        return FALSE;

    // Counting from the first of the month lets day 0 and days past the month's end roll over.
    const std::int64_t serialDay = DaysFromCivil(st.wYear, st.wMonth, 1) - kEpochOffset + st.wDay - 1;
    if (serialDay < kFirstDay || serialDay > kLastDay)
        return FALSE;

    const double timeOfDay = static_cast<double>(st.wHour * 3600 + st.wMinute * 60 + st.wSecond) /
                             static_cast<double>(kSecondsPerDay);
    const double day = static_cast<double>(serialDay);
    *pvtime = serialDay < 0 ? day - timeOfDay : day + timeOfDay;
    return TRUE;
}

namespace platform {

SYSTEMTIME MakeSystemTime(WORD wYear, WORD wMonth, WORD wDay, WORD wHour, WORD wMinute, WORD wSecond,
                          WORD wMilliseconds)
{
    SYSTEMTIME st{wYear, wMonth, 0, wDay, wHour, wMinute, wSecond, wMilliseconds};
    if (wMonth >= 1 && wMonth <= 12)
        st.wDayOfWeek = DayOfWeek(DaysFromCivil(wYear, wMonth, 1) - kEpochOffset + wDay - 1);
    return st;
}

}  // namespace platform
