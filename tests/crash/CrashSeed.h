// The random choices of a crash suite: a fresh seed each run, or the one BRINDLE_CRASH_SEED
// names, so that a failing run can be repeated.
#pragma once

#include <cstdlib>
#include <random>

namespace crash_test {

inline constexpr const char* kSeedVariable = "BRINDLE_CRASH_SEED";
// After the chosen record mark a kill waits up to this long, so that it lands anywhere
// inside the saves that follow rather than just after a mark.
inline constexpr int kMaxKillDelayUs = 2000;

inline unsigned ChosenSeed()
{
    if (const char* szSeed = std::getenv(kSeedVariable))
        return static_cast<unsigned>(std::strtoul(szSeed, nullptr, 10));
    return std::random_device{}();
}

}  // namespace crash_test
