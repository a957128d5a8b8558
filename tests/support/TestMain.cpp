// Every test runs with its own data folder and simulated Outlook profile, so no
// test reads or writes the user's real files or sees another test's leftovers.
#include "support/TempDir.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {
namespace {

std::unique_ptr<TempDir> g_dataHome;

class IsolatedDataHome : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        g_dataHome = std::make_unique<TempDir>();
        setenv("XDG_DATA_HOME", g_dataHome->path().c_str(), 1);
        setenv("OLSIM_PROFILE", (g_dataHome->path() / "olsim-profile.sqlite").c_str(), 1);
    }
    void OnTestEnd(const ::testing::TestInfo&) override { g_dataHome.reset(); }
};

}  // namespace

const std::filesystem::path& CurrentTestDataHome() { return g_dataHome->path(); }

}  // namespace testing_support

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt wants a private runtime folder; one that lives as long as this test program will do.
    const testing_support::TempDir runtimeDir;
    setenv("XDG_RUNTIME_DIR", runtimeDir.path().c_str(), 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new testing_support::IsolatedDataHome);
    return RUN_ALL_TESTS();
}
