// Shared by the StandIn*CrossCheckTest files: the same expected values hold for our stand-ins
// on Linux and for the real Windows functions, checked on Windows under Wine.
#pragma once

#include "platform/WinCompat.h"
#include "support/Wine.h"

namespace cross_check {

// Marks a case where Wine differs from Windows' documentation and from our stand-in; each
// such case names the Wine behaviour beside it.
inline constexpr bool kWineDiffers = true;

// Whether a case is checked here: everywhere except, for a case Wine differs on, under Wine.
inline bool CheckedHere(bool wineDiffers) { return !(wineDiffers && testing_support::UnderWine()); }

}  // namespace cross_check
