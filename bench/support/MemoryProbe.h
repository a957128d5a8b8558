// The resident memory of this process as Linux reports it in /proc/self: the current size
// and the peak since the peak was last reset.
#pragma once

#include <cstdint>

namespace bench {

std::uint64_t CurrentResidentBytes();
std::uint64_t PeakResidentBytes();
// Makes the current size the peak, so that the next peak is that of what follows; false
// when the kernel does not offer it (the peak then covers the whole process).
bool ResetPeakResident();

}  // namespace bench
