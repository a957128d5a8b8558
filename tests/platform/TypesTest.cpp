#include "platform/WinCompat.h"

#include <gtest/gtest.h>
#include <type_traits>
#include <vector>

TEST(WinTypes, WordsSplitADoubleWordAsOnWindows)
{
    static_assert(sizeof(WORD) == 2 && sizeof(DWORD) == 4 && sizeof(LONG) == 4 && sizeof(WCHAR) == 2);
    EXPECT_EQ(LOWORD(0x000B0000u | 8312u), 8312);
    EXPECT_EQ(HIWORD(0x000B2070u), 11);
}

// Automation text is UTF-16 in units of OLECHAR on every platform, so a literal spelled
// OLESTR has the units Outlook receives, surrogate pairs included.
TEST(WinTypes, OleStringLiteralsAreUtf16UnitsOfOleChar)
{
    static_assert(std::is_same_v<decltype(OLESTR("Ab")), const OLECHAR(&)[3]>);
    const struct {
        LPCOLESTR text;
        std::vector<unsigned> units;
    } cases[] = {
        {OLESTR("Ab"), {'A', 'b'}},
        {OLESTR(""), {}},
        {OLESTR("Gr\u00fc\u00dfe"), {'G', 'r', 0xFC, 0xDF, 'e'}},
        {OLESTR("\u20ac\U0001F600"), {0x20AC, 0xD83D, 0xDE00}},
    };
    for (const auto& c : cases) {
        const platform::OleStringView text = c.text;
        EXPECT_EQ(std::vector<unsigned>(text.begin(), text.end()), c.units);
    }
}
