// The rows of an import that Outlook refused go to a file beside the import file: a note on
// standard error says where, and the JSON counts name the file and its rows, or why it could
// not be written.
#include "cli/CliTest.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Semicolons, and a value over two lines in the second row.
constexpr const char* kPeople = "First Name;Last Name;Email 1\n"
                                "Ann;Baker;ann@example.com\n"
                                "Bob;\"Smith\nand Sons\";bob@example.com\n"
                                "Cy;Young;cy@example.com\n";

// What the run gives as the reason for a save Outlook refused.
const std::string kRefused = "Outlook refused to save the new item";

class RejectedRowsCli : public CliTest {
protected:
    void SetUp() override { WriteFile(Path("people.csv"), kPeople); }

    // The import of people.csv with Outlook refusing the first two saves.
    static cli_test::ProgramRun ImportRefusingTwo(bool bJson)
    {
        cli_test::ProgramSetup refusing;
        refusing.environment = {{"OLSIM_FAULTS", "ContactItem.Save=0x80004005:once;ContactItem.Save=0x80004005:once"}};
        std::vector<std::string> args = {"import", "contacts", Path("people.csv"), "--delimiter", "semicolon"};
        if (bJson)
            args.emplace_back("--json");
        return Brindle(args, refusing);
    }
};

}  // namespace

TEST_F(RejectedRowsCli, RefusedRowsAreWrittenBesideTheFileAndReported)
{
    const std::string rejected = Path("people.rejected.csv");
    const cli_test::ProgramRun run = ImportRefusingTwo(false);
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_NE(run.out.find(", 2 refused by Outlook"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("note: 2 rows that did not reach Outlook are in " + rejected + ".\n"), std::string::npos)
        << run.err;
    EXPECT_EQ(ReadFile(rejected), "First Name;Last Name;Email 1;Reason\n"
                                  "Ann;Baker;ann@example.com;" + kRefused + "\n"
                                  "Bob;\"Smith\nand Sons\";bob@example.com;" + kRefused + "\n");

    const cli_test::ProgramRun counted = ImportRefusingTwo(true);
    ASSERT_EQ(counted.nExit, 0) << counted.err;
    const QJsonObject report = JsonOf(counted).value("rejected").toObject();
    EXPECT_EQ(report.value("file").toString().toStdString(), rejected);
    EXPECT_EQ(report.value("rows").toInt(), 2);
    EXPECT_FALSE(report.contains("error"));
}

TEST_F(RejectedRowsCli, AFileThatCannotBeWrittenIsToldWithItsReason)
{
    const std::string rejected = Path("people.rejected.csv");
    fs::create_directory(rejected);
    const cli_test::ProgramRun run = ImportRefusingTwo(true);
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_NE(run.err.find("note: 2 rows did not reach Outlook; they could not be written to " + rejected
                           + ": Is a directory.\n"),
              std::string::npos)
        << run.err;
    const QJsonObject report = JsonOf(run).value("rejected").toObject();
    EXPECT_EQ(report.value("file").toString().toStdString(), rejected);
    EXPECT_EQ(report.value("rows").toInt(), 2);
    EXPECT_EQ(report.value("error").toString(), "Is a directory");
    EXPECT_TRUE(fs::is_directory(rejected));
}

TEST_F(RejectedRowsCli, AnImportOutlookTakesWholeWritesNoFileAndNoNote)
{
    const cli_test::ProgramRun run =
        Brindle({"import", "contacts", Path("people.csv"), "--delimiter", "semicolon", "--json"});
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(JsonOf(run).value("added").toInt(), 3);
    EXPECT_FALSE(JsonOf(run).contains("rejected"));
    EXPECT_EQ(run.err.find("did not reach Outlook"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Path("people.rejected.csv")));
}
