// Local time as Windows and OLE Automation hold it: SYSTEMTIME, the automation DATE and
// the conversions between them, and the local clock behind GetLocalTime.
#pragma once

#include "platform/win/Types.h"

#include <ctime>
#include <functional>

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

// Days since 1899-12-30, local time; the fraction is the time of day. For a negative
// value the whole part is the day and the absolute fraction the time (-1.25 is
// 1899-12-29 06:00).
using DATE = double;
using DOUBLE = double;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;  // 0 = Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
using LPSYSTEMTIME = SYSTEMTIME*;
using PSYSTEMTIME = SYSTEMTIME*;

// Valid DATEs run from 1 January 100 to 31 December 9999 23:59:59.

// Fills every field, the day of week included; the time is rounded to the nearest second
// and the milliseconds are 0. FALSE, with the target untouched, outside the valid range.
INT VariantTimeToSystemTime(DOUBLE vtime, LPSYSTEMTIME lpSystemTime);

// Ignores the day of week and the milliseconds. FALSE for a month outside 1-12, a day
// above 31, an hour above 23, a minute or second above 59, or a year outside 100-9999;
// day 0 is the last day of the previous month and a day past the month's end rolls into
// the next month. The result must lie in the valid range.
INT SystemTimeToVariantTime(LPSYSTEMTIME lpSystemTime, DOUBLE* pvtime);

// The current local time from the clock in force (see platform::SetClockForTesting).
void GetLocalTime(LPSYSTEMTIME lpSystemTime);

#endif  // _WIN32

namespace platform {

// Answers "what is the local time now" for GetLocalTime.
using LocalClock = std::function<SYSTEMTIME()>;

// The broken-down local time of a moment, as the C library's thread-safe call gives it;
// false when the moment cannot be shown.
bool LocalCalendarTime(std::time_t tTime, std::tm& local);

// The machine's own local time, with milliseconds and day of week.
SYSTEMTIME RealLocalTime();

// Makes GetLocalTime answer from clock; an empty function restores the real clock.
void SetClockForTesting(LocalClock clock);

// Sets the clock while it lives, then puts back the clock that was in force before.
class ScopedClock {
public:
    // A clock that stands still at the given moment until Set moves it.
    explicit ScopedClock(const SYSTEMTIME& stNow);
    explicit ScopedClock(LocalClock clock);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

    // Moves a standing clock to another moment.
    void Set(const SYSTEMTIME& stNow);

private:
    LocalClock m_previous;
    SYSTEMTIME m_stNow{};
};

// A SYSTEMTIME with the given fields and the day of week computed (0 when the date is not
// a valid one); handy for tests and fixed clocks.
SYSTEMTIME MakeSystemTime(WORD wYear, WORD wMonth, WORD wDay, WORD wHour = 0, WORD wMinute = 0,
                          WORD wSecond = 0, WORD wMilliseconds = 0);

}  // namespace platform
