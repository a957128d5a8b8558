// Profiles of the simulated Outlook filled with generated items, as the benchmark needs them.
#pragma once

#include "support/BenchKinds.h"

#include <cstdint>
#include <string>

namespace bench {

// A new profile at path holding count generated items of the kind, made from seed. Throws
// olsim::StoreError when the profile cannot be written.
void MakeProfile(const std::string& path, const BenchKind& kind, std::uint32_t count, std::uint32_t seed);

// A new profile at path whose items an import brings into a profile made by MakeProfile
// with storedSeed and count: its first half are the first count / 2 of those items, every
// second one changed in a compared field (so half of them are identical to their stored
// match and half are updates); its second half are new items made from newSeed.
void MakeIncomingProfile(const std::string& path, const BenchKind& kind, std::uint32_t count,
                         std::uint32_t storedSeed, std::uint32_t newSeed);

}  // namespace bench
