#include "platform/WinCompat.h"

#include <gtest/gtest.h>
#include <string>

namespace {

platform::OleString ToWide(const std::string& bytes, DWORD flags = 0)
{
    const int needed = MultiByteToWideChar(CP_ACP, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    platform::OleString wide(static_cast<std::size_t>(needed), OLECHAR('?'));
    const int written = MultiByteToWideChar(CP_ACP, flags, bytes.data(), static_cast<int>(bytes.size()),
                                            wide.data(), needed);
    EXPECT_EQ(written, needed);
    return wide;
}

std::string ToNarrow(const platform::OleString& wide)
{
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '?');
    const int written = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                                            needed, nullptr, nullptr);
    EXPECT_EQ(written, needed);
    return bytes;
}

TEST(CodePage, TheAnsiCodePageIsUtf8)
{
    EXPECT_EQ(GetACP(), CP_UTF8);
}

// Each maximal piece of a malformed sequence becomes one U+FFFD.
TEST(CodePage, Utf8DecodesAndReplacesMalformedInput)
{
    struct Case {
        std::string bytes;
        platform::OleString expected;
    } const cases[] = {
        {"Contacts", OLESTR("Contacts")},
        {"M\xC3\xBCller \xE2\x82\xAC \xF0\x9F\x98\x80", OLESTR("M\u00fcller \u20ac \U0001F600")},
        {"\x80", OLESTR("\uFFFD")},
        {"a\xBF\x80z", OLESTR("a\uFFFD\uFFFDz")},
        {"\xC0\x80", OLESTR("\uFFFD\uFFFD")},
        {"\xC1\xBF", OLESTR("\uFFFD\uFFFD")},
        {"\xE0\x80\x80", OLESTR("\uFFFD\uFFFD\uFFFD")},
        {"\xED\xA0\x80", OLESTR("\uFFFD\uFFFD\uFFFD")},
        {"\xF4\x90\x80\x80", OLESTR("\uFFFD\uFFFD\uFFFD\uFFFD")},
        {"\xF5\x80", OLESTR("\uFFFD\uFFFD")},
        {"\xFF", OLESTR("\uFFFD")},
        {"a\xE2\x82", OLESTR("a\uFFFD")},
        {"\xE2\x82z", OLESTR("\uFFFDz")},
        {"\xF0\x9F\x98", OLESTR("\uFFFD")},
        {"\xF0\x9F\x98\xC3\xA9", OLESTR("\uFFFD\u00e9")},
        {std::string("a\0b", 3), platform::OleString(OLESTR("a\0b"), 3)},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(ToWide(c.bytes) == c.expected) << "bytes: " << testing::PrintToString(c.bytes);
}

TEST(CodePage, Utf16EncodesAndReplacesLoneSurrogates)
{
    struct Case {
        platform::OleString wide;
        std::string expected;
    } const cases[] = {
        {OLESTR("Termin"), "Termin"},
        {OLESTR("\u00e9\u20ac\U0001F600"), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {platform::OleString(1, OLECHAR(0xD83D)), "\xEF\xBF\xBD"},
        {platform::OleString(1, OLECHAR(0xDE00)), "\xEF\xBF\xBD"},
        {platform::OleString({OLECHAR(0xD83D), OLECHAR('x')}), "\xEF\xBF\xBDx"},
        {platform::OleString({OLECHAR(0xDE00), OLECHAR(0xD83D)}), "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToNarrow(c.wide), c.expected);
}

TEST(CodePage, RoundTripsEveryValidText)
{
    const std::string texts[] = {"", "plain", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", "\xE6\x97\xA5\xE6\x9C\xAC",
                                 "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", "\xEF\xBF\xBF\xEE\x80\x80"};
    for (const std::string& text : texts)
        EXPECT_EQ(ToNarrow(ToWide(text)), text);
}

TEST(CodePage, TerminatedInputConvertsItsTerminatorToo)
{
    WCHAR szWide[8];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, szWide, 8), 4);
    EXPECT_EQ(platform::OleString(szWide), OLESTR("abc"));
    char szNarrow[8];
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, OLESTR("\u00e9"), -1, nullptr, 0, nullptr, nullptr), 3);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, OLESTR("\u00e9"), -1, szNarrow, 8, nullptr, nullptr), 3);
    EXPECT_STREQ(szNarrow, "\xC3\xA9");
}

TEST(CodePage, ABufferTooSmallFailsButHoldsTheWholeCharactersThatFit)
{
    struct Case {
        platform::OleString wide;
        int capacity;
        std::string expected;  // what the buffer holds, padded with zeros
    } const cases[] = {
        {OLESTR("abcdef"), 4, std::string("abcd", 4)},
        {OLESTR("a\u00e9\u00e9"), 4, std::string("a\xC3\xA9\0", 4)},
        {OLESTR("\U0001F600"), 3, std::string(3, '\0')},
        {OLESTR("ab\U0001F600"), 5, std::string("ab\0\0\0", 5)},
    };
    for (const Case& c : cases) {
        std::string buffer(static_cast<std::size_t>(c.capacity) + 2, '#');
        EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, c.wide.c_str(), -1, buffer.data(), c.capacity, nullptr, nullptr),
                  0);
        EXPECT_EQ(buffer, c.expected + "##");
    }

    platform::OleString wide(5, OLECHAR('#'));
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "ab\xF0\x9F\x98\x80", -1, wide.data(), 3), 0);
    EXPECT_TRUE(wide == platform::OleString(OLESTR("ab\0##"), 5));
}

TEST(CodePage, RefusesWhatWindowsRefuses)
{
    WCHAR szWide[8] = OLESTR("keep");
    char szNarrow[8] = "keep";
    BOOL bUsedDefault = FALSE;
    struct Case {
        const char* what;
        int result;
    } const cases[] = {
        {"unknown code page", MultiByteToWideChar(1252, 0, "a", -1, szWide, 8)},
        {"zero length", MultiByteToWideChar(CP_ACP, 0, "a", 0, szWide, 8)},
        {"null source", MultiByteToWideChar(CP_ACP, 0, nullptr, -1, szWide, 8)},
        {"null target with room", MultiByteToWideChar(CP_ACP, 0, "a", -1, nullptr, 8)},
        {"negative length", MultiByteToWideChar(CP_ACP, 0, "a", -2, szWide, 8)},
        {"strict on malformed", MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "a\xFF", -1, szWide, 8)},
        {"strict on lone surrogate",
         WideCharToMultiByte(CP_ACP, WC_ERR_INVALID_CHARS, OLESTR("\xD800"), -1, szNarrow, 8, nullptr, nullptr)},
        {"default char", WideCharToMultiByte(CP_ACP, 0, OLESTR("a"), -1, szNarrow, 8, "?", nullptr)},
        {"used default flag", WideCharToMultiByte(CP_ACP, 0, OLESTR("a"), -1, szNarrow, 8, nullptr, &bUsedDefault)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, 0) << c.what;
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "ok", -1, szWide, 8), 3);
}

}  // namespace
