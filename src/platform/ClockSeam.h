// The clock tests set in place of the real one, shared by the seam and each platform's
// way into GetLocalTime.
#pragma once

#include "platform/win/Time.h"

namespace platform {

// Empty while the real clock is in force.
const LocalClock& ClockInForce();

// Follows each change of the clock in force.
void ClockChanged();

}  // namespace platform
