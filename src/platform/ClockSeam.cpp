#include "platform/ClockSeam.h"

#include <utility>

namespace platform {
namespace {

LocalClock& ClockSlot()
{
    static LocalClock clock;
    return clock;
}

}  // namespace

const LocalClock& ClockInForce() { return ClockSlot(); }

void SetClockForTesting(LocalClock clock)
{
    ClockSlot() = std::move(clock);
    ClockChanged();
}

ScopedClock::ScopedClock(const SYSTEMTIME& stNow)
    : m_previous(ClockSlot()), m_stNow(stNow)
{
    SetClockForTesting([this] { return m_stNow; });
}

ScopedClock::ScopedClock(LocalClock clock)
    : m_previous(ClockSlot())
{
    SetClockForTesting(std::move(clock));
}

ScopedClock::~ScopedClock()
{
    SetClockForTesting(std::move(m_previous));
}

void ScopedClock::Set(const SYSTEMTIME& stNow)
{
    m_stNow = stNow;
}

}  // namespace platform
