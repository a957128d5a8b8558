#include "common/misc/CxIniUtil.h"
#include "support/TempDir.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

using testing_support::TempDir;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A store on "settings.ini" in a fresh folder, with the given file text (none: no file).
struct IniFixture {
    TempDir dir;
    CxIniUtil ini;

    explicit IniFixture(const char* text = nullptr) : ini(dir.folder().c_str(), "settings.ini")
    {
        if (text)
            std::ofstream(Path(), std::ios::binary) << text;
    }
    std::string Path() const { return dir.file("settings.ini"); }
};

std::string ProgramFolder()
{
#ifdef _WIN32
    char program[MAX_PATH] = "";
    const std::string_view path(program, GetModuleFileNameA(nullptr, program, MAX_PATH));
    return std::string(path.substr(0, path.find_last_of("/\\") + 1));
#else
    const std::string program = std::filesystem::canonical("/proc/self/exe").string();
    return program.substr(0, program.rfind('/') + 1);
#endif
}

TEST(CxIniUtil, IntegersAreTheLeadingNumberOrTheDefault)
{
    const IniFixture fixture(
        "[Brindle]\nLead= 12ab\nLetters=abc\nEmpty=\nNegative=-7\nPlus=+5\nHuge=99999999999\n"
        "Tiny=-99999999999\n");
    struct Case {
        const char* key;
        int expected;
    } const cases[] = {
        {"Lead", 12},      {"Letters", 0},         {"Empty", 99},        {"Missing", 99},
        {"Negative", -7},  {"Plus", 5},            {"Huge", INT_MAX},    {"Tiny", INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fixture.ini.ReadInt("Brindle", c.key, 99), c.expected) << c.key;
}

TEST(CxIniUtil, BooleansAreAnyNonZeroNumber)
{
    const IniFixture fixture("[Brindle]\nZero=0\nSeven=7\nWord=yes\nEmpty=\n");
    struct Case {
        const char* key;
        bool fallback;
        bool expected;
    } const cases[] = {
        {"Missing", true, true}, {"Missing", false, false}, {"Zero", true, false},
        {"Seven", false, true},  {"Word", true, false},     {"Empty", true, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fixture.ini.ReadBool("Brindle", c.key, c.fallback), c.expected) << c.key << " " << c.fallback;
}

TEST(CxIniUtil, TextsAreCutToTheBufferAndMissingOnesTakeTheDefault)
{
    const IniFixture fixture("[Brindle]\nQuoteMark=\"\nCsvAddrFile=/home/user/contacts.csv\n");
    struct Case {
        const char* key;
        int size;
        std::string expected;
    } const cases[] = {
        {"QuoteMark", 8, "\""},
        {"CsvAddrFile", 260, "/home/user/contacts.csv"},
        {"CsvAddrFile", 6, "/home"},
        {"CsvDateFile", 260, "none"},
    };
    for (const Case& c : cases) {
        char buffer[260] = "";
        EXPECT_EQ(fixture.ini.ReadString("Brindle", c.key, buffer, c.size, "none"), static_cast<int>(c.expected.size()));
        EXPECT_EQ(std::string(buffer), c.expected) << c.key;
    }
}

TEST(CxIniUtil, EmptyKeyReadsNothingAndWritesNothing)
{
    IniFixture fixture;
    char buffer[16] = "untouched";
    for (const char* key : {"", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(fixture.ini.ReadString("Brindle", key, buffer, sizeof buffer, "default"), 0);
        EXPECT_STREQ(buffer, "untouched");
        EXPECT_EQ(fixture.ini.ReadInt("Brindle", key, 42), 42);
        EXPECT_TRUE(fixture.ini.ReadBool("Brindle", key, true));
        EXPECT_EQ(fixture.ini.WriteString("Brindle", key, "x"), 0);
        EXPECT_EQ(fixture.ini.WriteInt("Brindle", key, 1), 0);
        EXPECT_EQ(fixture.ini.WriteBool("Brindle", key, true), 0);
    }
    EXPECT_EQ(fixture.ini.ReadString("Brindle", "Key", nullptr, 16, "x"), 0);
    EXPECT_EQ(fixture.ini.ReadString("Brindle", "Key", buffer, 0, "x"), 0);
    EXPECT_FALSE(std::filesystem::exists(fixture.Path()));
}

TEST(CxIniUtil, WritesDecimalTextAndReadsItBack)
{
    IniFixture fixture;
    EXPECT_NE(fixture.ini.WriteInt("Brindle", "AppMode", -12), 0);
    EXPECT_NE(fixture.ini.WriteBool("Brindle", "AddTitle", true), 0);
    EXPECT_NE(fixture.ini.WriteBool("Brindle", "EnableDebug", false), 0);
    EXPECT_NE(fixture.ini.WriteString("Brindle", "QuoteMark", nullptr), 0);
    EXPECT_NE(fixture.ini.WriteString("Brindle", "CsvNoteFile", "/tmp/notes.csv"), 0);
    // Windows ends the lines it writes with CR LF, the Linux stand-in with LF.
    std::string written = ReadFile(fixture.Path());
    std::erase(written, '\r');
    EXPECT_EQ(written, "[Brindle]\nAppMode=-12\nAddTitle=1\nEnableDebug=0\nQuoteMark=\nCsvNoteFile=/tmp/notes.csv\n");
    EXPECT_EQ(fixture.ini.ReadInt("Brindle", "AppMode", 0), -12);
    EXPECT_TRUE(fixture.ini.ReadBool("Brindle", "AddTitle", false));
    EXPECT_FALSE(fixture.ini.ReadBool("Brindle", "EnableDebug", true));
}

TEST(CxIniUtil, SetPathIgnoresEmptyAndOverlongPaths)
{
    IniFixture fixture;
    const std::string original = fixture.ini.GetPath();
    EXPECT_EQ(original, fixture.Path());
    const std::string overlong = "/" + std::string(MAX_PATH, 'x') + ".ini";
    for (const char* path : {"", static_cast<const char*>(nullptr), overlong.c_str()}) {
        fixture.ini.SetPath(path);
        EXPECT_EQ(std::string(fixture.ini.GetPath()), original);
    }
    const std::string other = fixture.dir.file("other.ini");
    fixture.ini.SetPath(other.c_str());
    EXPECT_EQ(std::string(fixture.ini.GetPath()), other);
}

TEST(CxIniUtil, WithoutAFolderTheStoreLivesBesideTheProgram)
{
    const std::string folder = ProgramFolder();
    char buffer[MAX_PATH] = "";
    EXPECT_EQ(GetModuleFolder(nullptr, buffer), 1);
    EXPECT_EQ(std::string(buffer), folder);
    EXPECT_EQ(GetModuleFolder(nullptr, nullptr), 0);

    EXPECT_EQ(std::string(CxIniUtil("", "corvane.ini").GetPath()), folder + "corvane.ini");
    EXPECT_EQ(std::string(CxIniUtil(nullptr, "corvane.ini").GetPath()), folder + "corvane.ini");
    EXPECT_EQ(std::string(AppIni.GetPath()), folder + "corvane.ini");
}

TEST(CxIniUtil, AnOverlongPathLeavesAStoreThatReadsDefaultsAndWritesNothing)
{
    TempDir dir;
    const std::string folder = dir.folder() + std::string(MAX_PATH, 'f') + "/";
    CxIniUtil ini(folder.c_str(), "corvane.ini");
    EXPECT_STREQ(ini.GetPath(), "");
    EXPECT_EQ(ini.ReadInt("Brindle", "AppMode", 1), 1);
    EXPECT_EQ(ini.WriteInt("Brindle", "AppMode", 2), 0);
}

}  // namespace
