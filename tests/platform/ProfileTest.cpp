#include "platform/WinCompat.h"
#include "support/TempDir.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>

namespace {

using testing_support::TempDir;

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Read(const std::string& path, const char* section, const char* key,
                 const char* fallback = "<default>", DWORD size = 64)
{
    char buffer[64] = "untouched";
    const DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer, size, path.c_str());
    EXPECT_EQ(length, std::strlen(buffer));
    return buffer;
}

const char* const kSample =
    "; settings of the test\n"
    "[General]\n"
    "  Name  =  Brindle Converter  \n"
    "Count=12\n"
    "Empty=\n"
    "\n"
    "[Brindle]\n"
    "AppMode=2\n"
    "# a remark\n"
    "CsvAddrFile=/tmp/a=b.csv\n";

TEST(ProfileRead, FindsValuesIgnoringCaseAndSurroundingSpace)
{
    TempDir dir;
    const std::string path = dir.file("sample.ini");
    WriteFile(path, kSample);

    struct Case {
        const char* section;
        const char* key;
        std::string expected;
    } const cases[] = {
        {"General", "Name", "Brindle Converter"},
        {"GENERAL", "name", "Brindle Converter"},
        {"general", " Count ", "12"},
        {" General ", "Name", "Brindle Converter"},
        {"General", "Empty", ""},
        {"General", "Missing", "<default>"},
        {"Brindle", "appmode", "2"},
        {"Brindle", "CsvAddrFile", "/tmp/a=b.csv"},
        {"Brindle", "Count", "<default>"},
        {"Nowhere", "Name", "<default>"},
        {"Brindle", "# a remark", "<default>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(path, c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST(ProfileRead, MissingFileGivesTheDefaultLessItsTrailingSpacesAndNullDefaultGivesEmpty)
{
    TempDir dir;
    const std::string path = dir.file("absent.ini");
    EXPECT_EQ(Read(path, "Brindle", "AppMode", "  7  "), "  7");
    EXPECT_EQ(Read(path, "Brindle", "AppMode", nullptr), "");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ProfileRead, CutsToTheBufferWithoutSplittingACharacter)
{
    TempDir dir;
    const std::string path = dir.file("cut.ini");
    WriteFile(path, "[S]\nWord=abc\xC3\xA9z\n");  // "abcéz"

    struct Case {
        DWORD size;
        std::string expected;
    } const cases[] = {
        {7, "abc\xC3\xA9z"}, {6, "abc\xC3\xA9"}, {5, "abc"}, {4, "abc"}, {1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(path, "S", "Word", "", c.size), c.expected) << c.size;
}

TEST(ProfileRead, ListsSectionAndKeyNames)
{
    TempDir dir;
    const std::string path = dir.file("names.ini");
    WriteFile(path, kSample);

    char buffer[64];
    DWORD length = GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, path.c_str());
    EXPECT_EQ(std::string(buffer, length + 1), std::string("General\0Brindle\0\0", 17));

    length = GetPrivateProfileStringA("brindle", nullptr, "", buffer, sizeof buffer, path.c_str());
    EXPECT_EQ(std::string(buffer, length + 1), std::string("AppMode\0CsvAddrFile\0\0", 21));
}

TEST(ProfileRead, NameListCutToTheBufferStaysInsideItAndEndsInTwoZeros)
{
    TempDir dir;
    const std::string path = dir.file("tight.ini");
    WriteFile(path, "[ab]\n[c]\n[]\n");

    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    const DWORD length = GetPrivateProfileStringA(nullptr, nullptr, "", buffer, 4, path.c_str());
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(std::string(buffer, 4), std::string("ab\0\0", 4));
    EXPECT_EQ(std::string(buffer + 4, 4), "####");

    char roomy[16];
    const DWORD whole = GetPrivateProfileStringA(nullptr, nullptr, "", roomy, sizeof roomy, path.c_str());
    EXPECT_EQ(std::string(roomy, whole + 1), std::string("ab\0c\0\0\0", 7));
}

TEST(ProfileWrite, KeyBeginningWithAByteOrderMarkReadsBack)
{
    TempDir dir;
    const std::string path = dir.file("mark.ini");
    WriteFile(path, "[General]\nOther=1\n");

    const std::string key = "\xEF\xBB\xBFKey";
    ASSERT_TRUE(WritePrivateProfileStringA("General", key.c_str(), "value", path.c_str()));
    EXPECT_EQ(Read(path, "General", key.c_str()), "value");
    EXPECT_EQ(Read(path, "General", "Other"), "1");
}

TEST(ProfileWrite, CreatesTheFileWhenItsFolderExists)
{
    TempDir dir;
    const std::string path = dir.file("new.ini");
    EXPECT_TRUE(WritePrivateProfileStringA("Brindle", "AppMode", "1", path.c_str()));
    EXPECT_EQ(ReadFile(path), "[Brindle]\nAppMode=1\n");

    const std::string nowhere = dir.file("missing-folder/new.ini");
    EXPECT_FALSE(WritePrivateProfileStringA("Brindle", "AppMode", "1", nowhere.c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing-folder")));
}

TEST(ProfileWrite, ChangesOnlyTheEntryAndKeepsEverythingElse)
{
    TempDir dir;
    const std::string path = dir.file("keep.ini");

    struct Case {
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    } const cases[] = {
        {"general", "COUNT", "13",
         "; settings of the test\n[General]\n  Name  =  Brindle Converter  \nCOUNT=13\nEmpty=\n\n"
         "[Brindle]\nAppMode=2\n# a remark\nCsvAddrFile=/tmp/a=b.csv\n"},
        {"General", "Added", "x",
         "; settings of the test\n[General]\n  Name  =  Brindle Converter  \nCount=12\nEmpty=\nAdded=x\n\n"
         "[Brindle]\nAppMode=2\n# a remark\nCsvAddrFile=/tmp/a=b.csv\n"},
        {"Other", "Key", " v ",
         std::string(kSample) + "[Other]\nKey=v\n"},
        {"General", "Count", nullptr,
         "; settings of the test\n[General]\n  Name  =  Brindle Converter  \nEmpty=\n\n"
         "[Brindle]\nAppMode=2\n# a remark\nCsvAddrFile=/tmp/a=b.csv\n"},
        {"General", nullptr, nullptr,
         "; settings of the test\n[Brindle]\nAppMode=2\n# a remark\nCsvAddrFile=/tmp/a=b.csv\n"},
        {"Nowhere", nullptr, nullptr, kSample},
    };
    for (const Case& c : cases) {
        WriteFile(path, kSample);
        EXPECT_TRUE(WritePrivateProfileStringA(c.section, c.key, c.value, path.c_str()));
        EXPECT_EQ(ReadFile(path), c.expected) << c.section << "/" << (c.key ? c.key : "<null>");
    }
}

TEST(ProfileWrite, KeepsWindowsLineEndingsOfAnExistingFile)
{
    TempDir dir;
    const std::string path = dir.file("crlf.ini");
    WriteFile(path, "[Brindle]\r\nAppMode=2\r\n");
    EXPECT_EQ(Read(path, "Brindle", "AppMode"), "2");
    EXPECT_TRUE(WritePrivateProfileStringA("Brindle", "AppFlag", "4", path.c_str()));
    EXPECT_EQ(ReadFile(path), "[Brindle]\r\nAppMode=2\r\nAppFlag=4\r\n");
}

TEST(ProfileWrite, RefusesTextThatWouldBreakTheFile)
{
    TempDir dir;
    const std::string path = dir.file("safe.ini");
    WriteFile(path, kSample);

    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } const cases[] = {
        {"Brindle", "Key", "two\nlines"},  {"Brindle", "Key", "cr\rvalue"}, {"Brin\ndle", "Key", "v"},
        {"Brin]dle", "Key", "v"},          {"Brindle", "a=b", "v"},         {"Brindle", "[x", "v"},
        {"Brindle", "", "v"},              {"", "Key", "v"},                {nullptr, "Key", "v"},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(WritePrivateProfileStringA(c.section, c.key, c.value, path.c_str()))
            << (c.section ? c.section : "<null>") << "/" << c.key;
    EXPECT_EQ(ReadFile(path), kSample);
}

TEST(ProfileWrite, ReplacesTheFileWholeAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.file("atomic.ini");
    WriteFile(path, kSample);
    chmod(path.c_str(), 0640);
    const auto permissionsBefore = std::filesystem::status(path).permissions();

    ASSERT_TRUE(WritePrivateProfileStringA("Brindle", "AppMode", "1", path.c_str()));
    EXPECT_EQ(std::filesystem::status(path).permissions(), permissionsBefore);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename(), "atomic.ini");
        ++files;
    }
    EXPECT_EQ(files, 1);
}

}  // namespace
