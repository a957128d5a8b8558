// The program's assertion: a failed one is a programming error, reported as
// "Assertion failed: <expression>, file <file>, line <line>" on standard error before the
// program stops. It stays active in release builds.
#pragma once

[[noreturn]] void CxAssertFailed(const char* szExpression, const char* szFile, int nLine);

#define CxAssert(expression) \
    ((expression) ? static_cast<void>(0) : CxAssertFailed(#expression, __FILE__, __LINE__))
