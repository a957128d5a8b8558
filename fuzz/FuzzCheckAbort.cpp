#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz_support {

void FuzzCheck(bool bHolds, const char* szPromise)
{
    if (bHolds)
        return;
    std::fprintf(stderr, "broken promise: %s\n", szPromise);
    std::abort();
}

}  // namespace fuzz_support
