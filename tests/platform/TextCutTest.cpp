#include "platform/WinCompat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct CutCase {
    const char* name;
    std::string source;
    std::size_t width;
    std::string expected;
};

// "é" is two bytes, "€" three and "😀" four in UTF-8.
const CutCase kCutCases[] = {
    {"fits", "hello", 10, "hello"},
    {"exactly fits", "hello", 6, "hello"},
    {"one byte too long", "hello", 5, "hell"},
    {"width one leaves only the terminator", "hello", 1, ""},
    {"empty source", "", 8, ""},
    {"two-byte character not split", "a\xC3\xA9", 3, "a"},
    {"two-byte character fits", "a\xC3\xA9", 4, "a\xC3\xA9"},
    {"three-byte character cut after lead", "x\xE2\x82\xAC" "y", 3, "x"},
    {"three-byte character cut inside", "x\xE2\x82\xAC" "y", 4, "x"},
    {"three-byte character fits", "x\xE2\x82\xAC" "y", 5, "x\xE2\x82\xAC"},
    {"four-byte character not split", "\xF0\x9F\x98\x80", 4, ""},
    {"four-byte character fits", "\xF0\x9F\x98\x80!", 5, "\xF0\x9F\x98\x80"},
    {"stray continuation bytes cut bytewise", "\x80\x80\x80\x80\x80", 3, "\x80\x80"},
    {"lone lead byte at the end", "ab\xC3", 3, "ab"},
    {"lead byte cut away", "ab\xC3", 4, "ab\xC3"},
};

TEST(CutText, KeepsWholeCharactersWithinTheWidth)
{
    for (const CutCase& c : kCutCases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        const std::size_t copied = CutText(buffer, c.width, c.source);
        EXPECT_EQ(std::string(buffer), c.expected) << c.name;
        EXPECT_EQ(copied, c.expected.size()) << c.name;
        EXPECT_EQ(buffer[c.width], '#') << c.name << ": wrote past the width";
    }
}

TEST(CutText, LengthMatchesTheCopy)
{
    for (const CutCase& c : kCutCases)
        EXPECT_EQ(CutTextLength(c.source, c.width - 1), c.expected.size()) << c.name;
}

TEST(CutText, NothingIsWrittenWithoutRoom)
{
    char buffer[4] = {'x', 'y', 'z', '\0'};
    EXPECT_EQ(CutText(buffer, 0, "abc"), 0u);
    EXPECT_STREQ(buffer, "xyz");
    EXPECT_EQ(CutText(nullptr, 4, "abc"), 0u);
}

}  // namespace
