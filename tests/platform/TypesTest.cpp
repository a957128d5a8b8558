#include "platform/WinCompat.h"

#include <gtest/gtest.h>

TEST(WinTypes, WordsSplitADoubleWordAsOnWindows)
{
    static_assert(sizeof(WORD) == 2 && sizeof(DWORD) == 4 && sizeof(LONG) == 4 && sizeof(WCHAR) == 2);
    EXPECT_EQ(LOWORD(0x000B0000u | 8312u), 8312);
    EXPECT_EQ(HIWORD(0x000B2070u), 11);
}
