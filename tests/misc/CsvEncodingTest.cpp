#include "common/misc/CsvEncoding.h"

#include "support/TempDir.h"
#include "support/Wine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// Test encoders, written from the definitions of UTF-8 and UTF-16.
std::string Utf8Of(std::u32string_view text)
{
    std::string out;
    for (const char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string BytesOfUnits(std::u16string_view units, bool bigEndian)
{
    std::string out;
    for (const char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

std::string Utf16Of(std::u32string_view text, bool bigEndian)
{
    std::u16string units;
    for (const char32_t cp : text) {
        if (cp < 0x10000) {
            units += static_cast<char16_t>(cp);
        } else {
            units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
    }
    return BytesOfUnits(units, bigEndian);
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    TCsvEncodingChoice choice;
    TCsvEncoding encoding;
    std::string text;
    bool droppedOddByte = false;
};

const DecodeCase kDecodeCases[] = {
    {"empty file", "", TCsvEncodingChoice::Detect, TCsvEncoding::Utf8, ""},
    {"ASCII", "a,b\r\n", TCsvEncodingChoice::Detect, TCsvEncoding::Utf8, "a,b\r\n"},
    {"valid UTF-8", "Zo\xC3\xAB,\xE2\x82\xAC", TCsvEncodingChoice::Detect, TCsvEncoding::Utf8,
     "Zo\xC3\xAB,\xE2\x82\xAC"},
    {"UTF-8 mark", "\xEF\xBB\xBF\xC3\xA9", TCsvEncodingChoice::Detect, TCsvEncoding::Utf8Bom, "\xC3\xA9"},
    {"UTF-8 mark alone", "\xEF\xBB\xBF", TCsvEncodingChoice::Detect, TCsvEncoding::Utf8Bom, ""},
    {"UTF-16 LE mark", std::string("\xFF\xFE" "a\0,\0\xE9\0", 8), TCsvEncodingChoice::Detect, TCsvEncoding::Utf16Le,
     "a,\xC3\xA9"},
    {"UTF-16 BE mark", std::string("\xFE\xFF\0a\0,\x20\xAC", 8), TCsvEncodingChoice::Detect, TCsvEncoding::Utf16Be,
     "a,\xE2\x82\xAC"},
    {"UTF-16 LE without a mark", std::string("N\0a\0m\0e\0,\0\r\0\n\0", 14), TCsvEncodingChoice::Detect,
     TCsvEncoding::Utf16Le, "Name,\r\n"},
    // Greek values: only the delimiter and the line end have a zero byte.
    {"UTF-16 LE without a mark, Greek", std::string("\x95\x03\xBB\x03\xAD\x03\xBD\x03\xB7\x03,\0\x91\x03\xB8\x03\r\0\n\0", 20),
     TCsvEncodingChoice::Detect, TCsvEncoding::Utf16Le,
     "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7,\xCE\x91\xCE\xB8\r\n"},
    {"UTF-16 BE without a mark", std::string("\0N\0a\0m\0e\0,\0\r\0\n", 14), TCsvEncodingChoice::Detect,
     TCsvEncoding::Utf16Be, "Name,\r\n"},
    {"odd length is no UTF-16", std::string("N\0a\0m", 5), TCsvEncodingChoice::Detect, TCsvEncoding::Utf8,
     std::string("N\0a\0m", 5)},
    {"few zero bytes are no UTF-16", std::string("ab,c\0d", 6), TCsvEncodingChoice::Detect, TCsvEncoding::Utf8,
     std::string("ab,c\0d", 6)},
    {"invalid UTF-8 is Windows-1252", "\x80 5,Ren\xE9", TCsvEncodingChoice::Detect, TCsvEncoding::Windows1252,
     "\xE2\x82\xAC 5,Ren\xC3\xA9"},
    {"UTF-8 invalid byte", "a\xE9z", TCsvEncodingChoice::Utf8, TCsvEncoding::Utf8, "a" + kReplacement + "z"},
    {"UTF-8 cut sequence at the end", "a\xE2\x82", TCsvEncodingChoice::Utf8, TCsvEncoding::Utf8, "a" + kReplacement},
    {"UTF-8 mark removed, invalid byte replaced", "\xEF\xBB\xBFx\xFFy", TCsvEncodingChoice::Utf8,
     TCsvEncoding::Utf8Bom, "x" + kReplacement + "y"},
    {"Windows-1252 of UTF-8 bytes", "\xC3\xA9", TCsvEncodingChoice::Windows1252, TCsvEncoding::Windows1252,
     "\xC3\x83\xC2\xA9"},
    {"Windows-1252 keeps a UTF-8 mark as characters", "\xEF\xBB\xBF", TCsvEncodingChoice::Windows1252,
     TCsvEncoding::Windows1252, "\xC3\xAF\xC2\xBB\xC2\xBF"},
    {"Windows-1252 unassigned bytes", "\x81\x8D\x8F\x90\x9D", TCsvEncodingChoice::Windows1252,
     TCsvEncoding::Windows1252, "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
    {"Windows-1252 edges of the high range", "\x9F\xA0\xFF", TCsvEncodingChoice::Windows1252,
     TCsvEncoding::Windows1252, "\xC5\xB8\xC2\xA0\xC3\xBF"},
    {"UTF-16 without a mark is little-endian", std::string("a\0b\0", 4), TCsvEncodingChoice::Utf16,
     TCsvEncoding::Utf16Le, "ab"},
    {"UTF-16 big-endian mark", std::string("\xFE\xFF\0a", 4), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Be, "a"},
    {"UTF-16 little-endian mark", std::string("\xFF\xFE" "a\0", 4), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le,
     "a"},
    {"UTF-16 odd byte count", std::string("a\0b\0c", 5), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le, "ab", true},
    {"UTF-16 mark and odd byte count", std::string("\xFE\xFF\0a\0", 5), TCsvEncodingChoice::Detect,
     TCsvEncoding::Utf16Be, "a", true},
    {"UTF-16 of one byte", "a", TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le, "", true},
    {"lone high surrogate", BytesOfUnits(u"\xD800" "a", false), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le,
     kReplacement + "a"},
    {"lone low surrogate", BytesOfUnits(u"a\xDC00" "b", false), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le,
     "a" + kReplacement + "b"},
    {"high surrogate at the end", BytesOfUnits(u"a\xDBFF", false), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le,
     "a" + kReplacement},
    {"surrogates in the wrong order", BytesOfUnits(u"\xDC00\xD800", false), TCsvEncodingChoice::Utf16,
     TCsvEncoding::Utf16Le, kReplacement + kReplacement},
    {"surrogate pair", BytesOfUnits(u"\xD83D\xDE00", false), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le,
     "\xF0\x9F\x98\x80"},
};

TEST(CsvDecode, EncodingsAndTheirText)
{
    for (const DecodeCase& c : kDecodeCases) {
        // Wine's MultiByteToWideChar loses the byte after an invalid one at the end of its input.
        if (c.name == std::string_view("UTF-8 invalid byte") && testing_support::UnderWine())
            continue;
        const TCsvFileText decoded = DecodeCsvBytes(c.bytes, c.choice);
        EXPECT_EQ(decoded.nEncoding, c.encoding) << c.name;
        EXPECT_EQ(decoded.szText, c.text) << c.name;
        EXPECT_EQ(decoded.bDroppedOddByte, c.droppedOddByte) << c.name;
    }
}

// Non-Latin text in every encoding that can hold it, encoded here by hand.
TEST(CsvDecode, NonAsciiTextSurvivesEveryEncoding)
{
    const std::u32string text = U"\"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC\",\u041A\u0438\u0440\u0438\u043B"
                                U"\u043B\u0438\u0446\u0430;\u6F22\u5B57\u304B\u306A\t\U0001F600\U0001F469\u200D"
                                U"\U0001F4BB\r\n\u00E9\u20AC\u00DF\n";
    const std::string utf8 = Utf8Of(text);
    const std::string bom = std::string(CsvUtf8ByteOrderMark());
    const struct {
        const char* name;
        std::string bytes;
        TCsvEncodingChoice choice;
        TCsvEncoding encoding;
    } cases[] = {
        {"UTF-8", utf8, TCsvEncodingChoice::Utf8, TCsvEncoding::Utf8},
        {"UTF-8 detected", utf8, TCsvEncodingChoice::Detect, TCsvEncoding::Utf8},
        {"UTF-8 with mark", bom + utf8, TCsvEncodingChoice::Utf8, TCsvEncoding::Utf8Bom},
        {"UTF-8 with mark detected", bom + utf8, TCsvEncodingChoice::Detect, TCsvEncoding::Utf8Bom},
        {"UTF-16 LE", Utf16Of(text, false), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le},
        {"UTF-16 LE with mark", Utf16Of(U"\uFEFF" + text, false), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Le},
        {"UTF-16 LE with mark detected", Utf16Of(U"\uFEFF" + text, false), TCsvEncodingChoice::Detect,
         TCsvEncoding::Utf16Le},
        {"UTF-16 BE with mark", Utf16Of(U"\uFEFF" + text, true), TCsvEncodingChoice::Utf16, TCsvEncoding::Utf16Be},
        {"UTF-16 BE with mark detected", Utf16Of(U"\uFEFF" + text, true), TCsvEncodingChoice::Detect,
         TCsvEncoding::Utf16Be},
    };
    for (const auto& c : cases) {
        const TCsvFileText decoded = DecodeCsvBytes(c.bytes, c.choice);
        EXPECT_EQ(decoded.szText, utf8) << c.name;
        EXPECT_EQ(decoded.nEncoding, c.encoding) << c.name;
        EXPECT_TRUE(decoded.bLooksLikeText) << c.name;
        EXPECT_FALSE(decoded.bDroppedOddByte) << c.name;
    }
}

TEST(CsvDecode, WesternTextSurvivesWindows1252)
{
    // Each character and its Windows-1252 byte.
    const std::u32string text = U"Ren\u00E9e,K\u00F6ln \u20AC5,\u201Cquoted\u201D \u0152uvre \u2122\u00FF";
    const std::string bytes = "Ren\xE9" "e,K\xF6ln \x80" "5,\x93quoted\x94 \x8Cuvre \x99\xFF";
    for (const TCsvEncodingChoice choice : {TCsvEncodingChoice::Windows1252, TCsvEncodingChoice::Detect}) {
        const TCsvFileText decoded = DecodeCsvBytes(bytes, choice);
        EXPECT_EQ(decoded.nEncoding, TCsvEncoding::Windows1252);
        EXPECT_EQ(decoded.szText, Utf8Of(text));
        EXPECT_TRUE(decoded.bLooksLikeText);
    }
}

// Long files are converted in pieces; no character may be split where one piece ends.
TEST(CsvDecode, CharactersAcrossEveryMegabyteStayWhole)
{
    const std::string euro = "\xE2\x82\xAC";
    const std::string emoji = "\xF0\x9F\x98\x80";
    for (std::size_t offset = (1u << 20) - 5; offset <= (1u << 20) + 1; ++offset) {
        const std::string valid = std::string(offset, 'a') + euro + emoji + std::string(1u << 20, 'b');
        EXPECT_EQ(DecodeCsvBytes(valid, TCsvEncodingChoice::Utf8).szText, valid) << offset;

        // A cut sequence with a valid character on each side: one replacement character.
        const std::string cut = std::string(offset, 'a') + euro + "\xF0\x9F\x98" + emoji + "b\xFF";
        const std::string expected = std::string(offset, 'a') + euro + kReplacement + emoji + "b" + kReplacement;
        EXPECT_EQ(DecodeCsvBytes(cut, TCsvEncodingChoice::Utf8).szText, expected) << offset;

        const std::u16string units = std::u16string(offset, u'a') + u"\xD83D\xDE00\xD800" + u"z";
        EXPECT_EQ(DecodeCsvBytes(BytesOfUnits(units, false), TCsvEncodingChoice::Utf16).szText,
                  std::string(offset, 'a') + emoji + kReplacement + "z")
            << offset;

        const std::string western = std::string(offset, 'a') + "\x80\xE9";
        EXPECT_EQ(DecodeCsvBytes(western, TCsvEncodingChoice::Windows1252).szText,
                  std::string(offset, 'a') + euro + "\xC3\xA9")
            << offset;
    }
}

std::string EveryByteButZero()
{
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte)
        bytes += static_cast<char>(byte);
    return bytes;
}

TEST(CsvDecode, TextOrNot)
{
    const std::string png = std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0", 20) + std::string(64, '\x03');
    const struct {
        const char* name;
        std::string bytes;
        TCsvEncodingChoice choice;
        bool text;
    } cases[] = {
        {"empty file", "", TCsvEncodingChoice::Detect, true},
        {"tabs and line ends", "a\tb\r\nc\rd\n", TCsvEncodingChoice::Detect, true},
        {"a zero character", std::string("a,b\0c", 5), TCsvEncodingChoice::Detect, false},
        {"a stray zero character far on", std::string(200000, 'a') + std::string(1, '\0'), TCsvEncodingChoice::Detect,
         true},
        {"zero characters one in twenty", std::string(19, 'a') + std::string(1, '\0'), TCsvEncodingChoice::Detect, true},
        {"an image", png, TCsvEncodingChoice::Detect, false},
        {"one control character in twenty", std::string(19, 'a') + "\x01", TCsvEncodingChoice::Detect, true},
        {"two control characters in twenty", std::string(18, 'a') + "\x01\x7F", TCsvEncodingChoice::Detect, false},
        {"controls counted per character, not per byte", std::string(6, '\x01') + std::string(57, '\xE2'),
         TCsvEncodingChoice::Windows1252, false},
        {"every byte value but zero", EveryByteButZero(), TCsvEncodingChoice::Detect, false},
        {"control characters past the sample", std::string(65536, 'a') + std::string(10000, '\x01'),
         TCsvEncodingChoice::Detect, true},
        {"unassigned Windows-1252 bytes are control characters", "ab\x81\x8D\x8F\x90\x9D",
         TCsvEncodingChoice::Windows1252, false},
        {"UTF-16 read as UTF-8", Utf16Of(U"Name,City\r\n", false), TCsvEncodingChoice::Utf8, false},
        {"UTF-16 read as UTF-16", Utf16Of(U"Name,City\r\n", false), TCsvEncodingChoice::Utf16, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeCsvBytes(c.bytes, c.choice).bLooksLikeText, c.text) << c.name;
}

TEST(CsvDecode, ExportMarkReadsBackAsUtf8WithMark)
{
    const std::string exported = std::string(CsvUtf8ByteOrderMark()) + "\"Ren\xC3\xA9\"\r\n";
    const TCsvFileText decoded = DecodeCsvBytes(exported, TCsvEncodingChoice::Detect);
    EXPECT_EQ(decoded.nEncoding, TCsvEncoding::Utf8Bom);
    EXPECT_EQ(decoded.szText, "\"Ren\xC3\xA9\"\r\n");
}

TEST(CsvDecode, EncodingNames)
{
    const struct {
        TCsvEncoding encoding;
        const char* name;
    } cases[] = {
        {TCsvEncoding::Utf8, "UTF-8"},
        {TCsvEncoding::Utf8Bom, "UTF-8 with byte-order mark"},
        {TCsvEncoding::Utf16Le, "UTF-16 LE"},
        {TCsvEncoding::Utf16Be, "UTF-16 BE"},
        {TCsvEncoding::Windows1252, "Windows-1252"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CsvEncodingName(c.encoding), c.name);
}

class CsvLoadTest : public ::testing::Test {
protected:
    std::string Write(const char* name, const std::string& bytes) const
    {
        const std::string path = m_dir.file(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    testing_support::TempDir m_dir;
};

TEST_F(CsvLoadTest, ReadsAndDecodesTheWholeFile)
{
    const std::string path = Write("contacts.csv", Utf16Of(U"\uFEFFName,City\r\nZo\u00EB,K\u00F6ln\r\n", false));
    TCsvFileText loaded;
    ASSERT_TRUE(LoadCsvFileText(path.c_str(), TCsvEncodingChoice::Detect, loaded));
    EXPECT_EQ(loaded.nEncoding, TCsvEncoding::Utf16Le);
    EXPECT_EQ(loaded.szText, "Name,City\r\nZo\xC3\xAB,K\xC3\xB6ln\r\n");
    EXPECT_TRUE(loaded.bLooksLikeText);
}

TEST_F(CsvLoadTest, RefusesWhatIsNoPlainFile)
{
    std::vector<std::string> paths = {m_dir.file("missing.csv"), m_dir.folder(), "/dev/null", ""};
#ifndef _WIN32
    const std::string fifo = m_dir.file("pipe.csv");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    paths.push_back(fifo);
#endif
    for (const std::string& path : paths) {
        TCsvFileText loaded;
        loaded.szText = "kept";
        EXPECT_FALSE(LoadCsvFileText(path.c_str(), TCsvEncodingChoice::Detect, loaded)) << path;
        EXPECT_EQ(loaded.szText, "kept") << path;
    }
}

}  // namespace
