#include "platform/ReplacementFile.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#endif

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> FolderNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Not empty, and with no line end or full stop of its own: the caller puts it in a sentence.
bool ReadsAsAPartOfASentence(const std::string& reason)
{
    return !reason.empty() && reason.find_last_of(".\r\n ") != reason.size() - 1;
}

class ReplacementFileTest : public ::testing::Test {
protected:
    TempDir m_dir;
    const std::string m_target = m_dir.file("contacts.rejected.csv");
};

TEST_F(ReplacementFileTest, TakesTheTargetsPlaceWithNothingLeftBeside)
{
    for (const bool bTargetExists : {false, true}) {
        SCOPED_TRACE(bTargetExists ? "replacing a file" : "no file there yet");
        if (bTargetExists)
            WriteFile(m_target, "an earlier, longer file");
        platform::ReplacementFile file;
        ASSERT_TRUE(file.Create(m_target));
        ASSERT_TRUE(file.Write("Name\r\n"));
        ASSERT_TRUE(file.Write("Ann\r\n"));
        ASSERT_TRUE(file.Finish());
        ASSERT_TRUE(file.PutInPlace());
        EXPECT_EQ(ReadFile(m_target), "Name\r\nAnn\r\n");
        EXPECT_EQ(FolderNames(m_dir.path()), std::set<std::string>{"contacts.rejected.csv"});
    }
}

TEST_F(ReplacementFileTest, DroppedUnfinishedItLeavesTheTargetAsItWas)
{
    WriteFile(m_target, "kept");
    for (const int nSteps : {1, 2, 3}) {
        SCOPED_TRACE(nSteps);
        {
            platform::ReplacementFile file;
            ASSERT_TRUE(file.Create(m_target));
            if (nSteps >= 2) {
                ASSERT_TRUE(file.Write("lost"));
            }
            if (nSteps >= 3) {
                ASSERT_TRUE(file.Finish());
            }
            EXPECT_EQ(FolderNames(m_dir.path()).size(), 2u) << "the new file is beside the target";
        }
        EXPECT_EQ(ReadFile(m_target), "kept");
        EXPECT_EQ(FolderNames(m_dir.path()), std::set<std::string>{"contacts.rejected.csv"});
    }
}

// A second writer of the same target in the same process gets a file of its own; the last one
// put in place wins whole.
TEST_F(ReplacementFileTest, TwoAtOnceDoNotShareAFile)
{
    platform::ReplacementFile first;
    platform::ReplacementFile second;
    ASSERT_TRUE(first.Create(m_target));
    ASSERT_TRUE(second.Create(m_target));
    ASSERT_TRUE(first.Write("first"));
    ASSERT_TRUE(second.Write("second"));
    ASSERT_TRUE(first.Finish());
    ASSERT_TRUE(second.Finish());
    ASSERT_TRUE(first.PutInPlace());
    EXPECT_EQ(ReadFile(m_target), "first");
    ASSERT_TRUE(second.PutInPlace());
    EXPECT_EQ(ReadFile(m_target), "second");
    EXPECT_EQ(FolderNames(m_dir.path()), std::set<std::string>{"contacts.rejected.csv"});
}

TEST_F(ReplacementFileTest, FailuresSayWhyAndLeaveNothing)
{
    const std::string missingFolder = m_dir.file("missing/contacts.rejected.csv");
    platform::ReplacementFile nowhere;
    EXPECT_FALSE(nowhere.Create(missingFolder));
#ifndef _WIN32
    EXPECT_EQ(nowhere.FailureReason(), std::strerror(ENOENT));
#endif
    EXPECT_TRUE(ReadsAsAPartOfASentence(nowhere.FailureReason())) << nowhere.FailureReason();

    fs::create_directory(m_target);
    {
        platform::ReplacementFile overFolder;
        ASSERT_TRUE(overFolder.Create(m_target));
        ASSERT_TRUE(overFolder.Write("rows"));
        ASSERT_TRUE(overFolder.Finish());
        EXPECT_FALSE(overFolder.PutInPlace());
#ifndef _WIN32
        EXPECT_EQ(overFolder.FailureReason(), std::strerror(EISDIR));
#endif
        EXPECT_TRUE(ReadsAsAPartOfASentence(overFolder.FailureReason())) << overFolder.FailureReason();
    }
    EXPECT_TRUE(fs::is_directory(m_target));
    EXPECT_EQ(FolderNames(m_dir.path()), std::set<std::string>{"contacts.rejected.csv"});
}

}  // namespace
