// The help: every option a command takes is explained in its help, with an example, and the
// field list is the field page's.
#include "cli/CliTest.h"

#include "common/outlook/FieldEntry.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"

namespace {

struct CommandHelp {
    const char* szCommand;
    std::vector<const char*> options;  // every option the command takes
};

void PrintTo(const CommandHelp& c, std::ostream* out) { *out << c.szCommand; }

const CommandHelp kCommands[] = {
    {"fields", {"--help"}},
    {"export",
     {"--fields LIST", "--all", "--quote CHAR|none", "--delimiter comma|semicolon|tab", "--title", "--append", "--bom",
      "--json", "--help"}},
    {"import",
     {"--fields LIST", "--match-titles", "--quote CHAR|none", "--delimiter comma|semicolon|tab|detect",
      "--encoding utf-8|windows-1252|utf-16|detect", "--dry-run", "--json", "--help"}},
};

class CommandHelpTest : public CliTest, public ::testing::WithParamInterface<CommandHelp> {};

}  // namespace

TEST_P(CommandHelpTest, ExplainsEveryOptionWithAnExample)
{
    const CommandHelp& c = GetParam();
    for (const std::vector<std::string>& asked :
         {std::vector<std::string>{c.szCommand, "--help"}, std::vector<std::string>{"help", c.szCommand}}) {
        const cli_test::ProgramRun run = Brindle(asked);
        ASSERT_EQ(run.nExit, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out.rfind(std::string("Usage: brindle ") + c.szCommand, 0), 0u) << run.out;
        for (const char* szOption : c.options)
            EXPECT_NE(run.out.find(std::string("\n  ") + szOption + "\n      "), std::string::npos) << szOption;
        const std::size_t nExamples = run.out.find(std::string("Examples:\n  brindle ") + c.szCommand + " ");
        ASSERT_NE(nExamples, std::string::npos);
        const std::string examples = run.out.substr(nExamples, run.out.find("\n\n", nExamples) - nExamples);
        for (const char* szOption : c.options) {
            const std::string name = std::string(szOption).substr(0, std::string(szOption).find(' '));
            if (name != "--help") {
                EXPECT_NE(examples.find(" " + name), std::string::npos) << "no example with " << name;
            }
        }
    }
}

TEST_P(CommandHelpTest, HelpIsAnsweredWhateverElseTheLineHolds)
{
    const CommandHelp& c = GetParam();
    const cli_test::ProgramRun run = Brindle({c.szCommand, "nonsense", "--unknown", "--help"});
    EXPECT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(run.out.rfind(std::string("Usage: brindle ") + c.szCommand, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandHelpTest, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.szCommand); });

TEST_F(CliTest, GeneralHelpNamesEveryCommandAndTheColumnNotation)
{
    for (const char* szAsked : {"--help", "-h", "help"}) {
        const cli_test::ProgramRun run = Brindle({szAsked});
        ASSERT_EQ(run.nExit, 0) << szAsked;
        for (const char* szText : {"brindle fields KIND", "brindle export KIND FILE", "brindle import KIND FILE",
                                   "contacts, calendar, tasks or notes", "#seq:N", "=TEXT", "@NAME", "- or None",
                                   "Exit codes:"})
            EXPECT_NE(run.out.find(szText), std::string::npos) << szAsked << ": " << szText;
    }
}

TEST_F(CliTest, FieldsListsTheFieldPagesNamesOfEachKind)
{
    for (const auto& [szKind, nFlag] : {std::pair{"contacts", FLAG_ADDR}, std::pair{"calendar", FLAG_DATE},
                                        std::pair{"TASKS", FLAG_TASK}, std::pair{"notes", FLAG_NOTE}}) {
        const TConvKind& kind = *FindConvKind(nFlag);
        std::string expected;
        for (int nPos = 1; nPos <= kind.GetFieldCount(); ++nPos)
            expected += std::string(kind.GetFieldDef(static_cast<unsigned>(nPos))->szName) + "\n";
        const cli_test::ProgramRun run = Brindle({"fields", szKind});
        EXPECT_EQ(run.nExit, 0) << szKind;
        EXPECT_EQ(run.out, expected) << szKind;
    }
}
