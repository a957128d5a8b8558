#include "common/outlook/OlValueAccess.h"
#include "olsim/VariantConversion.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Both the adapters and the simulated Outlook convert between the program's UTF-8 and
// automation text; a character outside the BMP is a surrogate pair in either direction.
TEST(WideText, Utf8AndAutomationTextConvertBothWaysWithoutLoss)
{
    const struct {
        std::string utf8;
        platform::OleString wide;
    } cases[] = {
        {"", OLESTR("")},
        {"Contacts", OLESTR("Contacts")},
        {"Gr\xC3\xBC\xC3\x9F" "e", OLESTR("Gr\u00fc\u00dfe")},
        {"\xE6\x97\xA5\xE6\x9C\xAC \xE2\x82\xAC", OLESTR("\u65e5\u672c \u20ac")},
        {"a\xF0\x9F\x98\x80z\xF4\x8F\xBF\xBF", OLESTR("a\U0001F600z\U0010FFFF")},
        {std::string("a\0b", 3), platform::OleString(OLESTR("a\0b"), 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.utf8));
        EXPECT_EQ(WideFromUtf8(c.utf8), c.wide);
        EXPECT_EQ(Utf8FromWide(c.wide), c.utf8);
        EXPECT_EQ(olsim::WideFromUtf8(c.utf8), c.wide);
        EXPECT_EQ(olsim::Utf8FromWide(c.wide), c.utf8);

        const BSTR bstr = olsim::BstrFromUtf8(c.utf8);
        ASSERT_NE(bstr, nullptr);
        EXPECT_EQ(platform::OleStringView(bstr, SysStringLen(bstr)), c.wide);
        SysFreeString(bstr);
    }
}

}  // namespace
