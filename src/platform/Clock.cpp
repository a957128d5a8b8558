#include "platform/win/Time.h"

#include <utility>

namespace platform {
namespace {

LocalClock& ClockInForce()
{
    static LocalClock clock;
    return clock;
}

}  // namespace

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

void SetClockForTesting(LocalClock clock)
{
    ClockInForce() = std::move(clock);
}

ScopedClock::ScopedClock(const SYSTEMTIME& stNow)
    : m_previous(ClockInForce()), m_stNow(stNow)
{
    ClockInForce() = [this] { return m_stNow; };
}

ScopedClock::ScopedClock(LocalClock clock)
    : m_previous(ClockInForce())
{
    ClockInForce() = std::move(clock);
}

ScopedClock::~ScopedClock()
{
    ClockInForce() = std::move(m_previous);
}

void ScopedClock::Set(const SYSTEMTIME& stNow)
{
    m_stNow = stNow;
}

}  // namespace platform

void GetLocalTime(LPSYSTEMTIME lpSystemTime)
{
    if (lpSystemTime == nullptr)
        return;
    const platform::LocalClock& clock = platform::ClockInForce();
    *lpSystemTime = clock ? clock() : platform::RealLocalTime();
}
