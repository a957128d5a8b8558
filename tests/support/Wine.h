// Whether the tests run under Wine, for the few cases where Wine differs from Windows'
// documentation and from the Linux stand-ins; each such case names the Wine behaviour.
#pragma once

#ifdef _WIN32
#include "platform/WinCompat.h"
#endif

namespace testing_support {

inline bool UnderWine()
{
#ifdef _WIN32
    static const bool bUnderWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return bUnderWine;
#else
    return false;
#endif
}

}  // namespace testing_support
