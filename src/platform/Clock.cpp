#include "platform/ClockSeam.h"

namespace platform {

SYSTEMTIME RealLocalTime()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    return {static_cast<WORD>(local.tm_year + 1900), static_cast<WORD>(local.tm_mon + 1),
            static_cast<WORD>(local.tm_wday),        static_cast<WORD>(local.tm_mday),
            static_cast<WORD>(local.tm_hour),        static_cast<WORD>(local.tm_min),
            static_cast<WORD>(local.tm_sec),         static_cast<WORD>(now.tv_nsec / 1000000)};
}

bool LocalCalendarTime(std::time_t tTime, std::tm& local) { return localtime_r(&tTime, &local) != nullptr; }

// GetLocalTime asks for the clock in force on every call.
void ClockChanged() {}

}  // namespace platform

void GetLocalTime(LPSYSTEMTIME lpSystemTime)
{
    if (lpSystemTime == nullptr)
        return;
    const platform::LocalClock& clock = platform::ClockInForce();
    *lpSystemTime = clock ? clock() : platform::RealLocalTime();
}
