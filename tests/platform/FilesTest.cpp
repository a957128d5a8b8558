#include "platform/Files.h"
#include "support/OpenFile.h"
#include "support/TempDir.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

using testing_support::TempDir;

using testing_support::kNullDevice;
using testing_support::OpenFile;

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadAll(FILE* fp)
{
    std::string bytes;
    char buffer[256];
    for (std::size_t nGot; (nGot = std::fread(buffer, 1, sizeof buffer, fp)) > 0;)
        bytes.append(buffer, nGot);
    return bytes;
}

TEST(OpenPlainFileForReading, ReadsAPlainFileFromItsStart)
{
    TempDir dir;
    const std::string path = dir.file("contacts.csv");
    WriteFile(path, "Name\r\nAnn\r\n");
    const OpenFile fp(platform::OpenPlainFileForReading(path.c_str(), "rb"));
    ASSERT_NE(fp, nullptr);
    EXPECT_EQ(ReadAll(fp.get()), "Name\r\nAnn\r\n");
}

// What opens but is no plain file leaves errno alone, so that callers can tell it from a
// file the system would not open.
TEST(OpenPlainFileForReading, RefusesAllButPlainFiles)
{
    TempDir dir;
    struct Case {
        const char* szWhat;
        std::string path;
        int nError;  // -1: whatever the system says
    };
    std::vector<Case> cases = {
        {"missing", dir.file("missing.csv"), ENOENT},
        {"folder", dir.folder(), -1},
        {"device", kNullDevice, 0},
    };
#ifdef _WIN32
    cases.push_back({"pipe", "\\\\.\\pipe\\brindle-files-test", 0});
#else
    const std::string fifo = dir.file("pipe.csv");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    cases.push_back({"pipe without a writer", fifo, 0});
#endif
    for (const Case& c : cases) {
        errno = 0;
        const OpenFile fp(platform::OpenPlainFileForReading(c.path.c_str(), "rb"));
        EXPECT_EQ(fp, nullptr) << c.szWhat;
        if (c.nError >= 0) {
            EXPECT_EQ(errno, c.nError) << c.szWhat;
        }
    }
}

TEST(OpenPlainFileForReading, NoPathOrModeIsAnError)
{
    TempDir dir;
    const std::string path = dir.file("contacts.csv");
    WriteFile(path, "x");
    for (const auto& [szPath, szMode] : {std::pair<const char*, const char*>{nullptr, "rb"}, {path.c_str(), nullptr}}) {
        errno = 0;
        EXPECT_EQ(platform::OpenPlainFileForReading(szPath, szMode), nullptr);
        EXPECT_EQ(errno, EINVAL);
    }
}

TEST(IsPipe, OnlyAPipeIsOne)
{
    TempDir dir;
    WriteFile(dir.file("plain.csv"), "x");
    struct Case {
        std::string path;
        bool bPipe;
    };
    std::vector<Case> cases = {
        {dir.file("plain.csv"), false},
        {dir.folder(), false},
        {dir.file("missing.csv"), false},
        {kNullDevice, false},
        {"", false},
    };
#ifdef _WIN32
    cases.push_back({"\\\\.\\pipe\\brindle", true});
    cases.push_back({"//server/PIPE/brindle", true});
    cases.push_back({"\\\\server\\pipes\\brindle", false});
    cases.push_back({"\\\\\\pipe\\brindle", false});
#else
    ASSERT_EQ(mkfifo(dir.file("pipe.csv").c_str(), 0600), 0);
    cases.push_back({dir.file("pipe.csv"), true});
#endif
    for (const Case& c : cases)
        EXPECT_EQ(platform::IsPipe(c.path.c_str()), c.bPipe) << c.path;
    EXPECT_FALSE(platform::IsPipe(nullptr));
}

class IsSameOpenFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_fp.reset(std::fopen(m_path.c_str(), "wb"));
        ASSERT_NE(m_fp, nullptr);
    }

    TempDir m_dir;
    const std::string m_path = m_dir.file("export.csv");
    OpenFile m_fp;
};

TEST_F(IsSameOpenFile, OnlyThePathTheFileWasOpenedAtNamesIt)
{
    WriteFile(m_dir.file("other.csv"), "x");
    EXPECT_TRUE(platform::IsSameOpenFile(m_fp.get(), m_path.c_str()));
    EXPECT_FALSE(platform::IsSameOpenFile(m_fp.get(), m_dir.file("other.csv").c_str()));
    EXPECT_FALSE(platform::IsSameOpenFile(m_fp.get(), m_dir.file("missing.csv").c_str()));
    EXPECT_FALSE(platform::IsSameOpenFile(m_fp.get(), nullptr));
    EXPECT_FALSE(platform::IsSameOpenFile(nullptr, m_path.c_str()));
}

// Windows refuses to delete or replace an open file; elsewhere either can happen.
#ifndef _WIN32
TEST_F(IsSameOpenFile, AFileDeletedOrReplacedIsNoLongerThere)
{
    std::filesystem::remove(m_path);
    EXPECT_FALSE(platform::IsSameOpenFile(m_fp.get(), m_path.c_str())) << "deleted";
    WriteFile(m_path, "someone else's");
    EXPECT_FALSE(platform::IsSameOpenFile(m_fp.get(), m_path.c_str())) << "replaced";
}
#endif

TEST(OpenFileSize, IsTheSizeOnTheDisk)
{
    TempDir dir;
    for (const std::size_t nSize : {std::size_t{0}, std::size_t{1}, std::size_t{300000}}) {
        const std::string path = dir.file("sized.csv");
        WriteFile(path, std::string(nSize, 'x'));
        const OpenFile fp(std::fopen(path.c_str(), "rb"));
        ASSERT_NE(fp, nullptr);
        EXPECT_EQ(platform::OpenFileSize(fp.get()), nSize);
    }
    EXPECT_EQ(platform::OpenFileSize(nullptr), 0u);
}

}  // namespace
