// The command line needs no display: no application object of the window system is made,
// so it runs where there is none, even where Qt is told to use one that needs it.
#include "cli/CliTest.h"

namespace {

struct DisplaySetup {
    const char* szName;
    std::vector<std::pair<std::string, std::string>> environment;
};

void PrintTo(const DisplaySetup& setup, std::ostream* out) { *out << setup.szName; }

const DisplaySetup kSetups[] = {
    {"NoDisplayVariables", {}},
    // A QApplication would abort here, finding no X server to talk to.
    {"PlatformThatNeedsADisplay", {{"QT_QPA_PLATFORM", "xcb"}}},
};

class NoDisplayTest : public CliTest, public ::testing::WithParamInterface<DisplaySetup> {};

}  // namespace

TEST_P(NoDisplayTest, EveryCommandRuns)
{
    cli_test::ProgramSetup setup;
    setup.environment = GetParam().environment;
    Tool({"seed", "--notes", "4", "--seed", "9"});
    const std::string file = Path("notes.csv");

    const std::vector<std::vector<std::string>> commands = {
        {"--help"},
        {"fields", "notes"},
        {"export", "notes", file, "--all", "--title"},
        {"import", "notes", file, "--dry-run"},
        {"import", "notes", file},
    };
    for (const std::vector<std::string>& command : commands) {
        const cli_test::ProgramRun run = Brindle(command, setup);
        EXPECT_EQ(run.nExit, 0) << command[0] << ": " << run.err;
        EXPECT_FALSE(run.out.empty()) << command[0];
    }
}

INSTANTIATE_TEST_SUITE_P(Displays, NoDisplayTest, ::testing::ValuesIn(kSetups),
                         [](const auto& info) { return std::string(info.param.szName); });
