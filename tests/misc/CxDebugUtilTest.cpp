#include "common/misc/CxDebugUtil.h"
#include "support/TempDir.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testing_support::TempDir;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A log of its own in a fresh folder.
struct LogFixture {
    TempDir dir;
    CxDebugUtil log;

    LogFixture() { log.SetLogFolder(dir.folder().c_str()); }
    std::string Path() const { return dir.file("appdebug.log"); }
    std::string Text() const { return ReadFile(Path()); }
};

std::string Hex5(DWORD value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%05x", static_cast<unsigned>(value));
    return text;
}

TEST(CxDebugUtil, StartsOffAtLevelZeroInTheWorkingFolder)
{
    const CxDebugUtil log;
    EXPECT_STREQ(log.GetLogFileName(), "appdebug.log");
    EXPECT_STREQ(log.GetLogFolder(), "./");
    EXPECT_EQ(log.GetLogLevel(), 0);
    EXPECT_FALSE(log.IsLogEnabled());
}

TEST(CxDebugUtil, WritesErrorsAlwaysAndDetailOnlyWhenOnAndWithinTheLevel)
{
    struct Case {
        bool enabled;
        int level;
        int messageLevel;
        bool written;
    } const cases[] = {
        {false, 3, 0, true}, {false, 3, 2, false}, {false, 3, 1, false},
        {true, 1, 0, true},  {true, 1, 1, true},   {true, 1, 2, false},
        {true, 3, 2, true},  {true, 3, 3, true},   {true, 0, 1, false},
    };
    for (const Case& c : cases) {
        LogFixture fixture;
        fixture.log.EnableLog(c.enabled);
        fixture.log.SetLogLevel(c.level);
        fixture.log.LogMessage(c.messageLevel, __FILE__, __LINE__, "message at level %d", c.messageLevel);
        EXPECT_EQ(fixture.Text().find("message at level") != std::string::npos, c.written)
            << "on " << c.enabled << ", level " << c.level << ", message level " << c.messageLevel;
    }
}

TEST(CxDebugUtil, LevelIsClampedToZeroToThree)
{
    struct Case {
        int requested;
        int stored;
    } const cases[] = {{5, 3}, {4, 3}, {3, 3}, {2, 2}, {0, 0}, {-1, 0}};
    for (const Case& c : cases) {
        CxDebugUtil log;
        log.SetLogLevel(c.requested);
        EXPECT_EQ(log.GetLogLevel(), c.stored) << c.requested;
    }
}

TEST(CxDebugUtil, LineHasTimeSourceLineThreadAndLevelTag)
{
    const platform::ScopedClock clock(platform::MakeSystemTime(2024, 3, 5, 14, 7, 9));
    LogFixture fixture;
    fixture.log.EnableLog(true);
    fixture.log.SetLogLevel(3);
    fixture.log.LogMessage(0, "C:\\src\\common\\misc\\DispCmd.cpp", 42, "Invoke %s failed, hr=0x%08x", "Save", 0x80004005u);
    fixture.log.LogMessage(2, "/work/src/OlAddr.cpp", 12345, "%d contacts", 7);

    const std::string thread = Hex5(GetCurrentThreadId());
    const std::regex expected(
        "\\[2024/03/05 14:07:09\\]\\[DispCmd\\.cpp {9}\\(42  \\)\\]\\[" + thread
        + "\\]\\[!!!\\] - Invoke Save failed, hr=0x80004005\r\n"
          "\\[2024/03/05 14:07:09\\]\\[OlAddr\\.cpp {10}\\(12345\\)\\]\\["
        + thread + "\\]\\[   \\] - 7 contacts\r\n");
    EXPECT_TRUE(std::regex_match(fixture.Text(), expected)) << fixture.Text();
    EXPECT_GE(thread.size(), 5u);
}

TEST(CxDebugUtil, SourceNameIsThePartAfterTheLastSeparator)
{
    const std::string longName(300, 'n');
    struct Case {
        const char* source;
        std::string shown;
    } const cases[] = {
        {"C:\\build\\main\\Main.cpp", "Main.cpp            "},
        {"/work/main/src/Main.cpp", "Main.cpp            "},
        {"mixed/dir\\Apputil.cpp", "Apputil.cpp         "},
        {"Plain.cpp", "Plain.cpp           "},
        {"a/VeryLongSourceFileName.cpp", "VeryLongSourceFileName.cpp"},
        {nullptr, "<null>              "},
        {longName.c_str(), std::string(255, 'n')},
    };
    for (const Case& c : cases) {
        LogFixture fixture;
        fixture.log.LogMessage(0, c.source, 1, "x");
        const std::string text = fixture.Text();
        const size_t start = text.find("][") + 2;
        EXPECT_EQ(text.substr(start, text.find("(1   )") - start), c.shown) << (c.source ? c.source : "<null>");
    }
}

TEST(CxDebugUtil, RotatesOnlyALogAboveTenMebibytes)
{
    struct Case {
        std::uintmax_t size;
        bool rotated;
    } const cases[] = {
        {CxDebugUtil::ROTATE_SIZE, false},
        {CxDebugUtil::ROTATE_SIZE + 1, true},
    };
    const platform::ScopedClock clock(platform::MakeSystemTime(2024, 1, 2, 3, 4, 5));
    for (const Case& c : cases) {
        LogFixture fixture;
        std::ofstream(fixture.Path(), std::ios::binary) << "first line\r\n";
        std::filesystem::resize_file(fixture.Path(), c.size);
        std::ofstream(fixture.Path() + ".old.log") << "earlier copy";

        fixture.log.LogMessage(0, "Rotate.cpp", 1, "after the limit");

        const std::string text = fixture.Text();
        const std::string old = ReadFile(fixture.Path() + ".old.log");
        const std::string line = text.substr(text.rfind("[2024/01/02 03:04:05]"));
        if (c.rotated) {
            EXPECT_EQ(text, line) << c.size;
            EXPECT_EQ(old.size(), c.size);
            EXPECT_TRUE(old.starts_with("first line\r\n"));
        } else {
            EXPECT_EQ(text.size(), c.size + line.size()) << c.size;
            EXPECT_EQ(old, "earlier copy");
        }
        EXPECT_TRUE(line.ends_with("] - after the limit\r\n"));
    }
}

TEST(CxDebugUtil, CutsAnOverlongMessageBeforeAWholeCharacter)
{
    LogFixture fixture;
    const std::string message = std::string(40958, 'a') + "\xC3\xA9" + "tail";  // é straddles the limit
    fixture.log.LogMessage(0, "Long.cpp", 1, "%s", message.c_str());
    const std::string text = fixture.Text();
    const std::string written = text.substr(text.find(" - ") + 3);
    EXPECT_EQ(written, std::string(40958, 'a') + "\r\n");
}

TEST(CxDebugUtil, FolderChangesOnlyForAGivenFolder)
{
    TempDir first;
    TempDir second;
    CxDebugUtil log;
    log.SetLogFolder(first.folder().c_str());
    log.SetLogFolder(nullptr);
    EXPECT_EQ(std::string(log.GetLogFolder()), first.folder());
    log.LogMessage(0, "Folder.cpp", 1, "one");
    log.SetLogFolder(second.folder().c_str());
    log.LogMessage(0, "Folder.cpp", 2, "two");
    EXPECT_NE(ReadFile(first.file("appdebug.log")).find("- one"), std::string::npos);
    EXPECT_EQ(ReadFile(first.file("appdebug.log")).find("- two"), std::string::npos);
    EXPECT_NE(ReadFile(second.file("appdebug.log")).find("- two"), std::string::npos);

    const std::string tooLong = "/" + std::string(400, 'd') + "/";
    log.SetLogFolder(tooLong.c_str());
    EXPECT_EQ(std::string(log.GetLogFolder()), tooLong.substr(0, MAX_PATH - 1));
}

TEST(CxDebugUtil, LosesTheMessageQuietlyWhenTheFolderIsMissing)
{
    TempDir dir;
    CxDebugUtil log;
    const std::string missing = dir.folder() + "missing/";
    log.SetLogFolder(missing.c_str());
    log.LogMessage(0, "Lost.cpp", 1, "nowhere to go");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
