// Settings and log files that try to break the stores: garbage, a huge file, a section twice,
// folders and files the program may not write. Reads give what the file really holds or the
// defaults, writes keep what they do not touch, and the log loses its lines and nothing else.
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxIniUtil.h"
#include "support/PermissionChecks.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testing_support::ScopedPermissionChecks;
using testing_support::TempDir;

bool CanWrite(const std::string& path)
{
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

bool CanCreateIn(const std::string& folder)
{
    const std::string probe = folder + "probe";
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Bytes from a fixed seed, so that every run reads the same file.
std::string RandomBytes(std::size_t nBytes, unsigned nSeed)
{
    std::mt19937 generator(nSeed);
    std::string bytes(nBytes, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// Sections of other programs, then the program's own with thousands of foreign keys before
// its settings; every value is a kilobyte long.
std::string HugeIni(std::size_t nBytes)
{
    const std::string value(1000, 'v');
    std::string text;
    text.reserve(nBytes + 4096);
    for (int nSection = 0; text.size() < nBytes / 2; ++nSection) {
        text += "[Other " + std::to_string(nSection) + "]\r\n";
        for (int nKey = 0; nKey < 100; ++nKey)
            text += "Key" + std::to_string(nKey) + "=" + value + "\r\n";
    }
    text += "[Brindle]\r\n";
    for (int nKey = 0; text.size() < nBytes; ++nKey)
        text += "Foreign" + std::to_string(nKey) + "=" + value + "\r\n";
    return text + "AppMode=2\r\nQuoteMark=#\r\n";
}

struct IniRow {
    const char* szName;
    std::string contents;
    int nAppMode;           // as read with the default 1
    std::string quoteMark;  // as read with the empty default
    std::vector<std::string> kept;  // lines that writing AppMode must leave in the file
};

TEST(BadSettingsInput, IniFilesReadAsTheyAreAndKeepWhatAWriteDoesNotTouch)
{
    const std::string garbage = RandomBytes(64 << 10, 7);
    const IniRow rows[] = {
        {"random bytes", garbage, 1, "", {}},
        {"random bytes before the program's section", garbage + "\n[Brindle]\nAppMode=2\nQuoteMark=#\n", 2, "#",
         {"QuoteMark=#"}},
        {"a huge file", HugeIni(50u << 20), 2, "#",
         {"Key99=" + std::string(1000, 'v') + "\r\n", "Foreign0=" + std::string(1000, 'v') + "\r\n", "QuoteMark=#"}},
        // Windows reads and writes the first section of a name; the second one is never seen.
        {"duplicate sections", "[Brindle]\r\nAppMode=2\r\nQuoteMark='\r\n[Brindle]\r\nAppMode=3\r\nQuoteMark=#\r\n", 2,
         "'", {"[Brindle]\r\nAppMode=3\r\nQuoteMark=#\r\n"}},
        {"duplicate sections in other cases",
         "[brindle]\r\nAppMode=2\r\n[BRINDLE]\r\nAppMode=3\r\nQuoteMark=#\r\n", 2, "", {"AppMode=3"}},
    };
    for (const IniRow& row : rows) {
        SCOPED_TRACE(row.szName);
        const TempDir dir;
        std::ofstream(dir.file("corvane.ini"), std::ios::binary) << row.contents;
        CxIniUtil ini(dir.folder().c_str(), "corvane.ini");

        char szQuote[8] = "?";
        EXPECT_EQ(ini.ReadInt("Brindle", "AppMode", 1), row.nAppMode);
        ini.ReadString("Brindle", "QuoteMark", szQuote, sizeof szQuote, "");
        EXPECT_EQ(szQuote, row.quoteMark);

        ASSERT_NE(ini.WriteInt("Brindle", "AppMode", 7), 0);
        EXPECT_EQ(ini.ReadInt("Brindle", "AppMode", 1), 7);
        ini.ReadString("Brindle", "QuoteMark", szQuote, sizeof szQuote, "");
        EXPECT_EQ(szQuote, row.quoteMark) << "another key of the section changed";
        const std::string text = ReadFile(dir.file("corvane.ini"));
        for (const std::string& line : row.kept)
            EXPECT_NE(text.find(line), std::string::npos) << line;
    }
}

struct LogRow {
    const char* szName;
    // Makes the log's folder (ending with '/') in the given one, as the row needs it.
    std::function<std::string(const std::string& folder)> makeFolder;
    bool bPermissionChecks;
};

std::string ReadOnlyFolder(const std::string& folder)
{
    const std::string locked = folder + "locked/";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    return locked;
}

TEST(BadSettingsInput, ALogThatCannotBeWrittenLosesItsLinesAndGoesOn)
{
    const std::string kept = "an earlier line\r\n";
    const LogRow rows[] = {
        {"a folder that cannot be written", ReadOnlyFolder, true},
        {"a folder that does not exist", [](const std::string& folder) { return folder + "missing/"; }, false},
        {"a log that is a folder",
         [](const std::string& folder) {
             fs::create_directory(folder + "appdebug.log");
             return folder;
         },
         false},
        {"a log that cannot be written",
         [&kept](const std::string& folder) {
             std::ofstream(folder + "appdebug.log", std::ios::binary) << kept;
             fs::permissions(folder + "appdebug.log", fs::perms::owner_read);
             return folder;
         },
         true},
    };
    std::vector<std::string> skipped;
    for (const LogRow& row : rows) {
        SCOPED_TRACE(row.szName);
        const TempDir dir;
        const std::string folder = row.makeFolder(dir.folder());
        const std::string path = folder + "appdebug.log";
        const bool bLogWasFile = fs::is_regular_file(path);
        CxDebugUtil log;
        log.SetLogFolder(folder.c_str());
        log.EnableLog(true);
        log.SetLogLevel(CxDebugUtil::MAX_LEVEL);
        {
            std::optional<ScopedPermissionChecks> checks;
            if (row.bPermissionChecks) {
                checks.emplace();
                if (bLogWasFile ? CanWrite(path) : CanCreateIn(folder)) {
                    skipped.push_back(row.szName);
                    continue;
                }
            }
            log.LogMessage(0, __FILE__, __LINE__, "an error of %s", "the row");
            log.LogMessage(2, __FILE__, __LINE__, "a step of %s", "the row");
        }
        if (bLogWasFile)
            EXPECT_EQ(ReadFile(path), kept);
        else
            EXPECT_FALSE(fs::is_regular_file(path));

        const TempDir good;
        log.SetLogFolder(good.folder().c_str());
        log.LogMessage(0, __FILE__, __LINE__, "after the row");
        EXPECT_NE(ReadFile(good.file("appdebug.log")).find("] - after the row\r\n"), std::string::npos)
            << "the log no longer writes";
        if (row.bPermissionChecks)
            fs::permissions(bLogWasFile ? path : folder, fs::perms::owner_all);
    }
    std::string names;
    for (const std::string& name : skipped)
        names += (names.empty() ? "" : ", ") + name;
    if (!names.empty())
        GTEST_SKIP() << "permission bits do not hold for this user in: " << names;
}

}  // namespace
