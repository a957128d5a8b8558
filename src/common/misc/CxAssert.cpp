#include "common/misc/CxAssert.h"

#include <cstdio>
#include <cstdlib>

void CxAssertFailed(const char* szExpression, const char* szFile, int nLine)
{
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", szExpression, szFile, nLine);
    std::fflush(stderr);
    std::abort();
}
