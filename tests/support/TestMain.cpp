// Every test runs with its own data folder and simulated Outlook profile, so no
// test reads or writes the user's real files or sees another test's leftovers.
#include "support/Environment.h"
#include "support/TempDir.h"
#include "support/TestDataHome.h"

#ifdef BRINDLE_GUI
#include <QApplication>
#endif
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
        UseDataHome(g_dataHome->path());
        SetEnvironment("OLSIM_PROFILE", (g_dataHome->path() / "olsim-profile.sqlite").generic_string());
    }
    void OnTestEnd(const ::testing::TestInfo&) override { g_dataHome.reset(); }
};

}  // namespace

const std::filesystem::path& CurrentTestDataHome() { return g_dataHome->path(); }

}  // namespace testing_support

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
#ifdef BRINDLE_GUI
    if (!std::getenv("QT_QPA_PLATFORM"))
        testing_support::SetEnvironment("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder; one that lives as long as this test program will do.
    const testing_support::TempDir runtimeDir;
    if (!std::getenv("XDG_RUNTIME_DIR"))
        testing_support::SetEnvironment("XDG_RUNTIME_DIR", runtimeDir.path().string());
    QApplication app(argc, argv);
#endif
    ::testing::UnitTest::GetInstance()->listeners().Append(new testing_support::IsolatedDataHome);
    return RUN_ALL_TESTS();
}
