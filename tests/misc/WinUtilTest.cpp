#include "common/misc/WinUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kAppPathKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\OUTLOOK.EXE";

// Answers every shell open with a failure and remembers what was asked.
class FailingShell : public platform::ShellLauncher {
public:
    INT Launch(const platform::ShellCall& call) override
    {
        files.push_back(call.file);
        return SE_ERR_NOASSOC;
    }
    std::vector<std::string> files;
};

TEST(ShellOpenFile, OpensNonEmptyNamesWithTheOpenVerb)
{
    platform::ShellCallRecorder recorder;
    EXPECT_EQ(ShellOpenFile("/home/user/contacts.csv"), 1);
    EXPECT_EQ(ShellOpenFile("https://example.com/brindle"), 1);
    ASSERT_EQ(recorder.Calls().size(), 2u);
    const platform::ShellCall& call = recorder.Calls()[0];
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, "/home/user/contacts.csv");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "");
    EXPECT_EQ(call.show, SW_SHOW);
    EXPECT_EQ(recorder.Calls()[1].file, "https://example.com/brindle");
}

TEST(ShellOpenFile, EmptyNamesStartNothing)
{
    platform::ShellCallRecorder recorder;
    EXPECT_EQ(ShellOpenFile(""), 0);
    EXPECT_EQ(ShellOpenFile(nullptr), 0);
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST(ShellOpenFile, AFailingShellStillCountsAsOpened)
{
    FailingShell shell;
    platform::ScopedShellLauncher scope(shell);
    EXPECT_EQ(ShellOpenFile("/missing/file.chm"), 1);
    EXPECT_EQ(shell.files, std::vector<std::string>{"/missing/file.chm"});
}

class VersionFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        platform::RegistryDeleteKey(HKEY_LOCAL_MACHINE, kAppPathKey);
        for (const std::string& path : m_versioned)
            platform::ClearFileVersion(path);
    }
    void SetVersion(const std::string& path, WORD a, WORD b, WORD c, WORD d)
    {
        platform::SetFileVersion(path, a, b, c, d);
        m_versioned.push_back(path);
    }
    static void RegisterOutlookFolder(const std::string& folder)
    {
        platform::RegistrySetValue(HKEY_LOCAL_MACHINE, kAppPathKey, "Path", folder);
    }

private:
    std::vector<std::string> m_versioned;
};

using FileVersionNumbers = VersionFixture;

TEST_F(FileVersionNumbers, GivesTheFourPartsOrZeros)
{
    SetVersion("/opt/office/OUTLOOK.EXE", 11, 0, 8312, 0);
    SetVersion("/opt/office/max.exe", 65535, 65534, 65533, 65532);
    const struct {
        const char* path;
        bool found;
        int parts[4];
    } cases[] = {
        {"/opt/office/OUTLOOK.EXE", true, {11, 0, 8312, 0}},
        {"/opt/office/max.exe", true, {65535, 65534, 65533, 65532}},
        {"/opt/office/none.exe", false, {0, 0, 0, 0}},
        {"", false, {0, 0, 0, 0}},
        {nullptr, false, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        int parts[4] = {7, 7, 7, 7};
        EXPECT_EQ(GetFileVersionNumbers(c.path, &parts[0], &parts[1], &parts[2], &parts[3]), c.found)
            << (c.path ? c.path : "null");
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(parts[i], c.parts[i]) << (c.path ? c.path : "null") << " part " << i;
    }
}

using OutlookVersion = VersionFixture;

TEST_F(OutlookVersion, WithoutTheEntryFailsAndLeavesTheBuffer)
{
    char version[OUTLOOK_VERSION_SIZE] = "unchanged";
    EXPECT_FALSE(GetOutlookVersion(version));
    EXPECT_STREQ(version, "unchanged");
    EXPECT_FALSE(GetOutlookVersion(nullptr));
}

TEST_F(OutlookVersion, WithTheEntryButNoVersionedFileGivesTheEmptyText)
{
    RegisterOutlookFolder("/opt/office/");
    char version[OUTLOOK_VERSION_SIZE] = "unchanged";
    EXPECT_FALSE(GetOutlookVersion(version));
    EXPECT_STREQ(version, "");
}

TEST_F(OutlookVersion, WithTheEntryButNoPathValueLeavesTheBuffer)
{
    platform::RegistrySetValue(HKEY_LOCAL_MACHINE, kAppPathKey, "", "/opt/office/OUTLOOK.EXE");
    char version[OUTLOOK_VERSION_SIZE] = "unchanged";
    EXPECT_FALSE(GetOutlookVersion(version));
    EXPECT_STREQ(version, "unchanged");
}

TEST_F(OutlookVersion, ReadsTheVersionOfTheRegisteredExecutable)
{
    const struct {
        const char* folder;
        const char* exe;
        WORD parts[4];
        const char* expected;
    } cases[] = {
        {"/opt/office/", "/opt/office/OUTLOOK.EXE", {11, 0, 8312, 0}, "11.0.8312.0"},
        {"/opt/office/", "/opt/office/OUTLOOK.EXE", {16, 0, 17328, 20162}, "16.0.17328.20162"},
        {"/opt/office/", "/opt/office/OUTLOOK.EXE", {65535, 65535, 65535, 65535}, "65535.65535.65535.65535"},
        // The file name is appended as it is, without a separator.
        {"/opt/office", "/opt/officeOUTLOOK.EXE", {12, 0, 6606, 1000}, "12.0.6606.1000"},
    };
    for (const auto& c : cases) {
        RegisterOutlookFolder(c.folder);
        SetVersion(c.exe, c.parts[0], c.parts[1], c.parts[2], c.parts[3]);
        char version[OUTLOOK_VERSION_SIZE] = "";
        EXPECT_TRUE(GetOutlookVersion(version)) << c.expected;
        EXPECT_STREQ(version, c.expected);
        platform::ClearFileVersion(c.exe);
    }
}

TEST_F(OutlookVersion, AFolderTooLongForTheFileNameFails)
{
    // 250 characters leave no room for "OUTLOOK.EXE" within 260 bytes.
    const std::string folder = "/" + std::string(248, 'd') + "/";
    RegisterOutlookFolder(folder);
    SetVersion((folder + "OUTLOOK.EXE").substr(0, 259), 11, 0, 8312, 0);
    char version[OUTLOOK_VERSION_SIZE] = "unchanged";
    EXPECT_FALSE(GetOutlookVersion(version));
    EXPECT_STREQ(version, "");

    // A value that does not fit the 260-byte read fails like a missing value.
    RegisterOutlookFolder("/" + std::string(300, 'd') + "/");
    std::snprintf(version, sizeof version, "unchanged");
    EXPECT_FALSE(GetOutlookVersion(version));
    EXPECT_STREQ(version, "unchanged");
}

TEST(FormatVariantDate, WritesMonthDayYearAndTime)
{
    const struct {
        DATE date;
        const char* expected;
    } cases[] = {
        {0.0, "12-30-1899 00:00:00"},
        {25632.0 + 14.5 / 24.0, "03-05-1970 14:30:00"},
        {-1.25, "12-29-1899 06:00:00"},
        {38046.0 + (23 * 3600 + 59 * 60 + 59) / 86400.0, "02-29-2004 23:59:59"},
        {2958465.0, "12-31-9999 00:00:00"},
        {-657434.0, "01-01-0100 00:00:00"},
    };
    for (const auto& c : cases) {
        char text[20] = "";
        EXPECT_TRUE(FormatVariantDate(c.date, text)) << c.date;
        EXPECT_STREQ(text, c.expected);
    }
}

TEST(FormatVariantDate, InvalidDateLeavesTheBuffer)
{
    char text[20] = "unchanged";
    EXPECT_FALSE(FormatVariantDate(3e6, text));
    EXPECT_STREQ(text, "unchanged");
    EXPECT_FALSE(FormatVariantDate(0.0, nullptr));
}

TEST(CompareSystemDate, ComparesCalendarDaysOnly)
{
    const SYSTEMTIME morning{2004, 5, 6, 1, 8, 0, 0, 0};
    const SYSTEMTIME evening{2004, 5, 0, 1, 17, 0, 0, 999};
    const SYSTEMTIME nextDay{2004, 5, 0, 2, 0, 0, 0, 0};
    const SYSTEMTIME nextMonth{2004, 6, 2, 1, 0, 0, 0, 0};
    const SYSTEMTIME earlierYearLaterMonth{2003, 12, 3, 31, 23, 59, 59, 0};
    const struct {
        const char* name;
        const SYSTEMTIME* a;
        const SYSTEMTIME* b;
        int expected;
    } cases[] = {
        {"same day, other times", &morning, &evening, 0},
        {"same day reversed", &evening, &morning, 0},
        {"later day", &nextDay, &evening, 1},
        {"earlier day", &evening, &nextDay, -1},
        {"later month beats earlier day", &nextMonth, &nextDay, 1},
        {"year decides first", &earlierYearLaterMonth, &morning, -1},
        {"year decides first reversed", &morning, &earlierYearLaterMonth, 1},
        {"null a", nullptr, &morning, -1},
        {"null a and b", nullptr, nullptr, -1},
        {"null b", &morning, nullptr, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareSystemDate(c.a, c.b), c.expected) << c.name;
}

}  // namespace
