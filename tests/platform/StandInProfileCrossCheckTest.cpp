// Cross-check of private-profile (INI) files: the same expected values hold for our stand-ins
// on Linux and for the real kernel32 on Windows. Files are written to a folder of their own
// under the temporary folder and always named by their full path: Windows looks for a bare
// file name in the Windows folder. Each file is read only through the functions under test
// after it is first written, as Windows may keep a file it has read in memory.
#include "platform/WinCompat.h"
#include "platform/StandInCrossCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using cross_check::CheckedHere;
using cross_check::kWineDiffers;

class ProfileCrossCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = "brindle-crosscheck-" + std::to_string(std::random_device{}());
        m_dir = std::filesystem::temp_directory_path() / name;
        ASSERT_TRUE(std::filesystem::create_directory(m_dir));
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::string Path(const char* name) const { return (m_dir / name).string(); }

    std::string Create(const char* name, const std::string& text) const
    {
        std::ofstream(m_dir / name, std::ios::binary) << text;
        return Path(name);
    }

    std::filesystem::path m_dir;
};

// What a read returns and what the buffer holds up to and including the terminator.
struct ReadBack {
    DWORD length;
    std::string text;
};

ReadBack Read(const std::string& path, const char* section, const char* key, const char* fallback = "<default>",
              DWORD size = 64)
{
    std::string buffer(size + 8, '#');
    const DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer.data(), size, path.c_str());
    return {length, buffer.substr(0, std::min<std::size_t>(length + 1, size))};
}

std::string Terminated(const std::string& text) { return text + std::string(1, '\0'); }

const char* const kSample = "; settings\r\n"
                            "[General]\r\n"
                            "  Name  =  Brindle Converter  \r\n"
                            "Count=12\r\n"
                            "Empty=\r\n"
                            "Quoted=\"  padded  \"\r\n"
                            "Single='x'\r\n"
                            "Mismatched=\"x'\r\n"
                            "Inner=a \"b\" c\r\n"
                            "Lone=\"\r\n"
                            "\r\n"
                            "[Brindle]\r\n"
                            "AppMode=2\r\n"
                            "CsvAddrFile=C:\\data\\a=b.csv\r\n";

TEST_F(ProfileCrossCheck, ReadsValues)
{
    const std::string path = Create("sample.ini", kSample);
    struct Case {
        const char* name;
        const char* section;
        const char* key;
        const char* fallback;
        DWORD size;
        std::string expected;
    } const cases[] = {
        {"Exact", "General", "Name", "<default>", 64, "Brindle Converter"},
        {"NamesIgnoreCase", "GENERAL", "nAmE", "<default>", 64, "Brindle Converter"},
        {"SpacesAroundNamesIgnored", " General ", " Count ", "<default>", 64, "12"},
        {"EmptyValue", "General", "Empty", "<default>", 64, ""},
        {"MissingKey", "General", "Missing", "<default>", 64, "<default>"},
        {"MissingSection", "Nowhere", "Name", "<default>", 64, "<default>"},
        {"NullDefault", "General", "Missing", nullptr, 64, ""},
        {"DefaultLosesTrailingBlanksOnly", "General", "Missing", "  7  ", 64, "  7"},
        {"DoubleQuotesDropped", "General", "Quoted", "<default>", 64, "  padded  "},
        {"SingleQuotesDropped", "General", "Single", "<default>", 64, "x"},
        {"MismatchedQuotesKept", "General", "Mismatched", "<default>", 64, "\"x'"},
        {"InnerQuotesKept", "General", "Inner", "<default>", 64, "a \"b\" c"},
        {"LoneQuoteKept", "General", "Lone", "<default>", 64, "\""},
        {"EqualsInValue", "Brindle", "CsvAddrFile", "<default>", 64, "C:\\data\\a=b.csv"},
        {"CutToTheBuffer", "General", "Name", "<default>", 8, "Brindle"},
        {"DefaultCutToTheBuffer", "General", "Missing", "abcdef", 4, "abc"},
        {"BufferOfOne", "General", "Name", "<default>", 1, ""},
    };
    for (const Case& c : cases) {
        const ReadBack read = Read(path, c.section, c.key, c.fallback, c.size);
        EXPECT_EQ(read.length, c.expected.size()) << c.name;
        EXPECT_EQ(read.text, Terminated(c.expected)) << c.name;
    }
    EXPECT_EQ(Read(Path("absent.ini"), "General", "Name").text, Terminated("<default>"));
}

TEST_F(ProfileCrossCheck, ListsSectionsAndKeys)
{
    const std::string path = Create("names.ini", kSample);
    struct Case {
        const char* name;
        const char* section;
        DWORD size;
        DWORD length;
        std::string expected;  // the buffer up to and including the list's last terminator
        bool wineDiffers = false;  // on the last byte only
    } const cases[] = {
        {"Sections", nullptr, 64, 16, std::string("General\0Brindle\0\0", 17)},
        {"KeysOfASection", "brindle", 64, 20, std::string("AppMode\0CsvAddrFile\0\0", 21)},
        {"KeysOfAMissingSection", "Nowhere", 64, 0, std::string("\0", 1)},
        // Documented: the last name is cut and followed by two nulls; the result is nSize - 2.
        // Wine's A function converts only the returned length back from UTF-16 and terminates
        // it once, so the second null is missing there.
        {"SectionsCut", nullptr, 12, 10, std::string("General\0Br\0\0", 12), kWineDiffers},
        {"KeysCut", "Brindle", 12, 10, std::string("AppMode\0Cs\0\0", 12), kWineDiffers},
    };
    for (const Case& c : cases) {
        std::string buffer(c.size + 8, '#');
        const DWORD length = GetPrivateProfileStringA(c.section, nullptr, "", buffer.data(), c.size, path.c_str());
        EXPECT_EQ(length, c.length) << c.name;
        const std::size_t compared = c.expected.size() - (CheckedHere(c.wineDiffers) ? 0 : 1);
        EXPECT_EQ(buffer.substr(0, compared), c.expected.substr(0, compared)) << c.name;
        EXPECT_EQ(buffer.substr(c.size), std::string(8, '#')) << c.name;
    }
}

TEST_F(ProfileCrossCheck, WritesReadBack)
{
    const std::string path = Path("written.ini");
    ASSERT_TRUE(WritePrivateProfileStringA("Brindle", "AppMode", "1", path.c_str())) << "creates the file";
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(Read(path, "Brindle", "AppMode").text, Terminated("1"));

    ASSERT_TRUE(WritePrivateProfileStringA("Brindle", "Spaced", "  spaced value  ", path.c_str()));
    EXPECT_EQ(Read(path, "Brindle", "Spaced").text, Terminated("spaced value"));
    ASSERT_TRUE(WritePrivateProfileStringA("Brindle", "Quoted", "\"quoted\"", path.c_str()));
    EXPECT_EQ(Read(path, "Brindle", "Quoted").text, Terminated("quoted"));
    ASSERT_TRUE(WritePrivateProfileStringA("BRINDLE", "appmode", "2", path.c_str())) << "replaces the entry";
    EXPECT_EQ(Read(path, "Brindle", "AppMode").text, Terminated("2"));
    ASSERT_TRUE(WritePrivateProfileStringA("Other", "Key", "v", path.c_str()));

    std::string keys(64, '#');
    DWORD length = GetPrivateProfileStringA("Brindle", nullptr, "", keys.data(), 64, path.c_str());
    EXPECT_EQ(length, 22u) << "three keys, the replaced one once";

    ASSERT_TRUE(WritePrivateProfileStringA("Brindle", "Spaced", nullptr, path.c_str())) << "deletes the key";
    EXPECT_EQ(Read(path, "Brindle", "Spaced").text, Terminated("<default>"));
    EXPECT_EQ(Read(path, "Brindle", "Quoted").text, Terminated("quoted"));

    ASSERT_TRUE(WritePrivateProfileStringA("brindle", nullptr, nullptr, path.c_str())) << "deletes the section";
    EXPECT_EQ(Read(path, "Brindle", "Quoted").text, Terminated("<default>"));
    std::string sections(64, '#');
    length = GetPrivateProfileStringA(nullptr, nullptr, "", sections.data(), 64, path.c_str());
    EXPECT_EQ(sections.substr(0, length + 1), std::string("Other\0\0", 7));
}

}  // namespace
