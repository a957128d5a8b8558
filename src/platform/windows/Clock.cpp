#include "platform/ClockSeam.h"
#include "platform/windows/ImportHook.h"

#include <memory>

namespace platform {
namespace {

using LocalTimeFunction = void WINAPI(LPSYSTEMTIME);

void WINAPI ClockInForceTime(LPSYSTEMTIME lpSystemTime)
{
    if (lpSystemTime == nullptr)
        return;
    const LocalClock& clock = ClockInForce();
    *lpSystemTime = clock ? clock() : RealLocalTime();
}

std::unique_ptr<ImportHook>& ClockHook()
{
    static std::unique_ptr<ImportHook> hook;
    return hook;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsCivilDate(int year, int month, int day)
{
    constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= kDaysInMonth[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

// Sakamoto's method for the proleptic Gregorian calendar; 0 is Sunday.
WORD DayOfWeek(int year, int month, int day)
{
    constexpr int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        --year;
    return static_cast<WORD>((year + year / 4 - year / 100 + year / 400 + kMonthOffsets[month - 1] + day) % 7);
}

}  // namespace

bool LocalCalendarTime(std::time_t tTime, std::tm& local) { return localtime_s(&local, &tTime) == 0; }

SYSTEMTIME RealLocalTime()
{
    static auto* const realGetLocalTime =
        FunctionFrom<LocalTimeFunction>(SystemFunction("kernel32.dll", "GetLocalTime"));
    SYSTEMTIME now{};
    realGetLocalTime(&now);
    return now;
}

// The program's calls of GetLocalTime go to the clock in force while there is one.
void ClockChanged()
{
    std::unique_ptr<ImportHook>& hook = ClockHook();
    if (!ClockInForce())
        hook.reset();
    else if (!hook)
        hook = std::make_unique<ImportHook>("kernel32.dll", "GetLocalTime", FunctionAddress(&ClockInForceTime));
}

SYSTEMTIME MakeSystemTime(WORD wYear, WORD wMonth, WORD wDay, WORD wHour, WORD wMinute, WORD wSecond,
                          WORD wMilliseconds)
{
    SYSTEMTIME st{wYear, wMonth, 0, wDay, wHour, wMinute, wSecond, wMilliseconds};
    if (IsCivilDate(wYear, wMonth, wDay))
        st.wDayOfWeek = DayOfWeek(wYear, wMonth, wDay);
    return st;
}

}  // namespace platform
