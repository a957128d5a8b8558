// In the regression suite a broken promise is a test failure; the corpus test names the
// input it came from.
#include "FuzzCheck.h"

#include <gtest/gtest.h>

namespace fuzz_support {

void FuzzCheck(bool bHolds, const char* szPromise)
{
    if (!bHolds)
        ADD_FAILURE() << "broken promise: " << szPromise;
}

}  // namespace fuzz_support
