// brindle undo on the command line: the recorded imports listed, the newest taken back, and
// every way of asking wrongly answered with the reason and no change to Outlook.
#include "cli/CliTest.h"
#include "main/engine/ImportJournal.h"

#include <regex>

namespace {

const std::string kPeople = "First Name,Last Name,Email 1\r\n"
                            "Ann,Baker,ann@example.com\r\n"
                            "Carl,Young,carl@example.com\r\n";

class UndoCommandTest : public CliTest {
protected:
    void Import(const std::string& name)
    {
        const std::string file = Path(name);
        WriteFile(file, kPeople);
        const cli_test::ProgramRun run = Brindle({"import", "contacts", file});
        ASSERT_EQ(run.nExit, 0) << run.err;
    }
};

TEST_F(UndoCommandTest, ListsTheImportsNewestFirstAndTakesTheLastBack)
{
    const std::string empty = Listing("contacts");
    const cli_test::ProgramRun none = Brindle({"undo", "--list"});
    EXPECT_EQ(none.nExit, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "note: no import has been recorded yet\n");

    Import("first.csv");
    const std::string afterFirst = Listing("contacts");
    Import("second.csv");

    const cli_test::ProgramRun listed = Brindle({"undo", "--list"});
    ASSERT_EQ(listed.nExit, 0) << listed.err;
    const std::regex kLines("2  \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d  contacts  .*second\\.csv  0 added, 0 updated, 2 identical\n"
                            "1  \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d  contacts  .*first\\.csv  2 added, 0 updated, 0 identical\n");
    EXPECT_TRUE(std::regex_match(listed.out, kLines)) << listed.out;
    TImportJournal journal(DefaultJournalPath());
    EXPECT_EQ(journal.Runs(1).at(0).settings, "delimiter ,, quote \", UTF-8, title row skipped");

    // The second import wrote nothing: undoing it leaves the first's contacts.
    const cli_test::ProgramRun second = Brindle({"undo", "--last"});
    EXPECT_EQ(second.nExit, 0) << second.err;
    EXPECT_EQ(second.out, "0 items removed, 0 restored\n");
    EXPECT_EQ(Listing("contacts"), afterFirst);

    const cli_test::ProgramRun first = Brindle({"undo", "--last"});
    EXPECT_EQ(first.nExit, 0) << first.err;
    EXPECT_EQ(first.out, "2 items removed, 0 restored\n");
    EXPECT_EQ(Listing("contacts"), empty);

    const cli_test::ProgramRun again = Brindle({"undo", "1"});
    EXPECT_EQ(again.nExit, 1);
    EXPECT_EQ(again.err, "brindle: import 1 was undone already\n");
    const cli_test::ProgramRun nothingLeft = Brindle({"undo", "--last"});
    EXPECT_EQ(nothingLeft.nExit, 1);
    EXPECT_EQ(nothingLeft.err, "brindle: there is no import left to undo\n");
    const cli_test::ProgramRun relisted = Brindle({"undo", "--list"});
    EXPECT_NE(relisted.out.find("2 added, 0 updated, 0 identical (undone)\n"), std::string::npos) << relisted.out;
}

TEST_F(UndoCommandTest, AskingWronglyChangesNothingAndSaysWhy)
{
    Import("people.csv");
    const std::string imported = Listing("contacts");
    const struct {
        std::vector<std::string> args;
        int nExit;
        const char* szFirstLine;
    } cases[] = {
        {{"undo"}, 2, "brindle: say which import to undo: RUN, --last, or --list to see them"},
        {{"undo", "1", "--last"}, 2, "brindle: RUN, --last and --list do not go together: give one of them"},
        {{"undo", "--list", "--changed"}, 2, "brindle: --changed goes with RUN or --last, not with --list"},
        {{"undo", "first"}, 2, "brindle: RUN is a number brindle undo --list shows, not \"first\""},
        {{"undo", "0"}, 2, "brindle: RUN is a number brindle undo --list shows, not \"0\""},
        {{"undo", "--all"}, 2, "brindle: --all is not an option of brindle undo"},
        {{"undo", "7"}, 1, "brindle: no import 7 is recorded (brindle undo --list shows them)"},
    };
    for (const auto& c : cases) {
        const cli_test::ProgramRun run = Brindle(c.args);
        EXPECT_EQ(run.nExit, c.nExit) << c.szFirstLine;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.szFirstLine);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(Listing("contacts"), imported);
}

}  // namespace
