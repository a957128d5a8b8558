#include "platform/WinCompat.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using testing_support::TempDir;

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FileSystem, CreateDirectoryMakesOneLevel)
{
    TempDir dir;
    struct Case {
        std::string path;
        BOOL expected;
    } const cases[] = {
        {dir.file("corvane"), TRUE},
        {dir.file("corvane"), FALSE},  // exists by now
        {dir.file("corvane/Brindle"), TRUE},
        {dir.file("missing/Brindle"), FALSE},
        {"", FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CreateDirectoryA(c.path.c_str(), nullptr), c.expected) << c.path;
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("corvane/Brindle")));
    EXPECT_EQ(CreateDirectoryA(nullptr, nullptr), FALSE);
}

TEST(FileSystem, AttributesTellFoldersFilesAndNothing)
{
    TempDir dir;
    WriteFile(dir.file("log.txt"), "x");
    WriteFile(dir.file("locked.txt"), "x");
    chmod(dir.file("locked.txt").c_str(), 0400);
    struct Case {
        std::string path;
        DWORD expected;
    } const cases[] = {
        {dir.folder(), FILE_ATTRIBUTE_DIRECTORY},
        {dir.file("log.txt"), FILE_ATTRIBUTE_NORMAL},
        {dir.file("locked.txt"), FILE_ATTRIBUTE_READONLY},
        {dir.file("absent.txt"), INVALID_FILE_ATTRIBUTES},
        {"", INVALID_FILE_ATTRIBUTES},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetFileAttributesA(c.path.c_str()), c.expected) << c.path;
}

TEST(FileSystem, CopyReplacesTheTargetUnlessAskedNotTo)
{
    TempDir dir;
    const std::string source = dir.file("appdebug.log");
    const std::string target = dir.file("appdebug.log.old.log");
    WriteFile(source, std::string(100000, 'n') + "end");
    WriteFile(target, "old copy");

    EXPECT_FALSE(CopyFileA(source.c_str(), target.c_str(), TRUE));
    EXPECT_EQ(ReadFile(target), "old copy");
    EXPECT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE));
    EXPECT_EQ(ReadFile(target), ReadFile(source));

    EXPECT_FALSE(CopyFileA(dir.file("absent").c_str(), target.c_str(), FALSE));
    EXPECT_FALSE(CopyFileA(dir.folder().c_str(), target.c_str(), FALSE));
    EXPECT_FALSE(CopyFileA(source.c_str(), dir.file("missing/copy").c_str(), FALSE));
    EXPECT_EQ(ReadFile(target), ReadFile(source));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(FileSystem, DeleteRemovesOnlyFiles)
{
    TempDir dir;
    WriteFile(dir.file("gone.txt"), "x");
    EXPECT_TRUE(DeleteFileA(dir.file("gone.txt").c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir.file("gone.txt")));
    EXPECT_FALSE(DeleteFileA(dir.file("gone.txt").c_str()));
    EXPECT_FALSE(DeleteFileA(dir.folder().c_str()));
}

TEST(FileSystem, ModuleFileNameIsThisProgramCutToTheBuffer)
{
    const std::string program = std::filesystem::canonical("/proc/self/exe").string();
    char name[MAX_PATH] = "";
    EXPECT_EQ(GetModuleFileNameA(nullptr, name, MAX_PATH), program.size());
    EXPECT_EQ(std::string(name), program);

    char small[6] = "";
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), sizeof small);
    EXPECT_EQ(std::string(small), program.substr(0, sizeof small - 1));
    EXPECT_EQ(GetModuleFileNameA(nullptr, nullptr, MAX_PATH), 0u);
}

TEST(FileSystem, ThreadIdIsTheKernelsIdOfTheCallingThread)
{
    EXPECT_EQ(GetCurrentThreadId(), static_cast<DWORD>(getpid()));  // tests run on the main thread
    DWORD other = GetCurrentThreadId();
    std::thread([&other] { other = GetCurrentThreadId(); }).join();
    EXPECT_NE(other, GetCurrentThreadId());
    EXPECT_NE(other, 0u);
}

}  // namespace
