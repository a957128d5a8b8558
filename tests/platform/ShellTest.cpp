#include "platform/WinCompat.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace {

using testing_support::TempDir;

INT Result(HINSTANCE instance) { return static_cast<INT>(reinterpret_cast<std::intptr_t>(instance)); }

// Puts a folder of our own first... and only: PATH holds nothing else while it lives.
class ScopedPath {
public:
    explicit ScopedPath(const std::string& folder) : m_previous(std::getenv("PATH") ? std::getenv("PATH") : "")
    {
        setenv("PATH", folder.c_str(), 1);
    }
    ~ScopedPath() { setenv("PATH", m_previous.c_str(), 1); }

private:
    std::string m_previous;
};

TEST(ShellExecute, RecorderSeesEveryCallAndStartsNothing)
{
    platform::ShellCallRecorder recorder;
    EXPECT_GT(Result(ShellExecuteA(nullptr, "open", "Brindle.chm", "", "", SW_SHOW)), 32);
    EXPECT_GT(Result(ShellExecuteA(nullptr, nullptr, "mailto:support@example.com", nullptr, nullptr, SW_SHOWNORMAL)), 32);

    ASSERT_EQ(recorder.Calls().size(), 2u);
    const platform::ShellCall& help = recorder.Calls()[0];
    EXPECT_EQ(help.verb, "open");
    EXPECT_EQ(help.file, "Brindle.chm");
    EXPECT_EQ(help.parameters, "");
    EXPECT_EQ(help.directory, "");
    EXPECT_EQ(help.show, SW_SHOW);
    EXPECT_EQ(recorder.Calls()[1].verb, "");
    EXPECT_EQ(recorder.Calls()[1].file, "mailto:support@example.com");
    EXPECT_EQ(recorder.Calls()[1].show, SW_SHOWNORMAL);
}

TEST(ShellExecute, InnerRecorderHandsBackToTheOuterOne)
{
    platform::ShellCallRecorder outer;
    {
        platform::ShellCallRecorder inner;
        ShellExecuteA(nullptr, "open", "inner.txt", nullptr, nullptr, SW_SHOW);
        EXPECT_EQ(inner.Calls().size(), 1u);
    }
    ShellExecuteA(nullptr, "open", "outer.txt", nullptr, nullptr, SW_SHOW);
    ASSERT_EQ(outer.Calls().size(), 1u);
    EXPECT_EQ(outer.Calls()[0].file, "outer.txt");
}

TEST(ShellExecute, RefusesWhatTheDesktopCannotOpen)
{
    TempDir dir;
    const ScopedPath path(dir.path().string());  // nothing to start, whatever happens
    struct Case {
        const char* verb;
        const char* file;
        INT expected;
    } const cases[] = {
        {"open", nullptr, SE_ERR_FNF},
        {"open", "", SE_ERR_FNF},
        {"print", "report.txt", SE_ERR_NOASSOC},
        {"open", "report.txt", SE_ERR_NOASSOC},  // no xdg-open on the path
    };
    for (const auto& c : cases)
        EXPECT_EQ(Result(ShellExecuteA(nullptr, c.verb, c.file, nullptr, nullptr, SW_SHOW)), c.expected)
            << c.verb << " " << (c.file ? c.file : "<null>");
}

TEST(ShellExecute, OpenStartsXdgOpenWithTheFileInTheGivenFolder)
{
    TempDir dir;
    const std::string opener = dir.file("xdg-open");
    const std::string record = dir.file("opened.txt");
    std::ofstream(opener) << "#!/bin/sh\necho \"$1 in $(pwd)\" > " << record << ".part\nmv "
                          << record << ".part " << record << "\necho noise\n";
    chmod(opener.c_str(), 0700);
    const ScopedPath path(dir.path().string() + ":/usr/bin:/bin");

    ASSERT_GT(Result(ShellExecuteA(nullptr, "open", "https://example.com/brindle", nullptr,
                                   dir.path().c_str(), SW_SHOW)), 32);

    // The opener runs detached; wait for its record instead of guessing how long it takes.
    for (int i = 0; i < 1000 && !std::filesystem::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::string line;
    std::getline(std::ifstream(record), line);
    EXPECT_EQ(line, "https://example.com/brindle in " + std::filesystem::canonical(dir.path()).string());
}

TEST(ShellFolder, CommonAppDataIsTheXdgDataHomeCreatedOnRequest)
{
    TempDir dir;
    const std::string home = dir.file("data/home");
    setenv("XDG_DATA_HOME", home.c_str(), 1);

    char folder[MAX_PATH] = "untouched";
    EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder), E_FAIL);
    EXPECT_STREQ(folder, "untouched");
    EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder), S_OK);
    EXPECT_EQ(std::string(folder), home);
    EXPECT_TRUE(std::filesystem::is_directory(home));
    EXPECT_EQ(SHGetFolderPathA(nullptr, 0x001a, nullptr, 0, folder), E_INVALIDARG);
}

TEST(ShellFolder, WithoutAnAbsoluteXdgDataHomeItIsLocalShareOfHome)
{
    TempDir dir;
    const std::string previousHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", dir.path().c_str(), 1);
    struct Case {
        const char* dataHome;
    } const cases[] = {{nullptr}, {""}, {"relative/share"}};
    for (const Case& c : cases) {
        if (c.dataHome)
            setenv("XDG_DATA_HOME", c.dataHome, 1);
        else
            unsetenv("XDG_DATA_HOME");
        char folder[MAX_PATH] = "";
        EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder), S_OK);
        EXPECT_EQ(std::string(folder), dir.file(".local/share")) << (c.dataHome ? c.dataHome : "<unset>");
    }
    setenv("HOME", previousHome.c_str(), 1);
}

}  // namespace
