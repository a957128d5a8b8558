// What the command line writes: the CSV file's rows and custom columns, appending, the JSON
// counts, the notes about the import file and the progress on a terminal.
#include "cli/CliTest.h"

#include <QStringList>

#include <filesystem>

namespace {

constexpr const char* kPeople =
    "\"Ines\",\"Abbott\",\"ines@abbott.example\"\n"
    "\"Omar\",\"Birch\",\"omar@birch.example\"\n";

class OutputTest : public CliTest {
protected:
    void SetUp() override { ImportContacts(kPeople, "First Name,Last Name,Email 1"); }
};

}  // namespace

TEST_F(OutputTest, CustomColumnsWriteSequenceFixedTextAndFieldCopies)
{
    const std::string file = Path("custom.csv");
    const cli_test::ProgramRun run =
        Brindle({"export", "contacts", file, "--fields", "#seq:100, last name ,\"=Room 4, \"\"east\"\"\",@First Name,-",
                 "--title", "--quote", "\""});
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(ReadFile(file),
              "Custom Field,Last Name,Custom Field,First Name,None\r\n"
              "\"100\",\"Abbott\",\"Room 4, \"\"east\"\"\",\"Ines\",\"\"\r\n"
              "\"101\",\"Birch\",\"Room 4, \"\"east\"\"\",\"Omar\",\"\"\r\n");
}

TEST_F(OutputTest, AppendingKeepsTheFileAndPutsNoByteOrderMarkBeforeTheRows)
{
    const std::string file = Path("appended.csv");
    WriteFile(file, "Kept,Row\r\n");
    const cli_test::ProgramRun run =
        Brindle({"export", "contacts", file, "--fields", "Last Name", "--append", "--bom", "--delimiter", "tab"});
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(ReadFile(file), "Kept,Row\r\nAbbott\r\nBirch\r\n");
}

TEST_F(OutputTest, ANewFileBeginsWithTheByteOrderMarkWhenAsked)
{
    const std::string file = Path("marked.csv");
    ASSERT_EQ(Brindle({"export", "contacts", file, "--fields", "Last Name", "--bom", "--quote", "none"}).nExit, 0);
    EXPECT_EQ(ReadFile(file), "\xEF\xBB\xBF" "Abbott\r\nBirch\r\n");
}

TEST_F(OutputTest, JsonGivesTheCountsAsOneObjectInsteadOfTheResultLine)
{
    const std::string file = Path("counted.csv");
    const cli_test::ProgramRun exported = Brindle({"export", "contacts", file, "--all", "--title", "--json"});
    ASSERT_EQ(exported.nExit, 0) << exported.err;
    const QJsonObject exportCounts = JsonOf(exported);
    EXPECT_EQ(exportCounts.keys(), (QStringList{"added", "read", "refused", "skipped", "updated", "written"}));
    EXPECT_EQ(exportCounts.value("read").toInt(), 2);
    EXPECT_EQ(exportCounts.value("written").toInt(), 2);

    WriteFile(Path("more.csv"),
              "First Name,Last Name,Email 1\nPia,Cole,pia@cole.example\nOmar,Birch,omar@birch.example\n");
    const cli_test::ProgramRun imported = Brindle({"import", "contacts", Path("more.csv"), "--json"});
    ASSERT_EQ(imported.nExit, 0) << imported.err;
    const QJsonObject importCounts = JsonOf(imported);
    EXPECT_EQ(importCounts.keys(),
              (QStringList{"added", "read", "refused", "shortened", "skipped", "updated", "written"}));
    EXPECT_EQ(importCounts.value("read").toInt(), 2);
    EXPECT_EQ(importCounts.value("added").toInt(), 1);
    EXPECT_EQ(importCounts.value("skipped").toInt(), 1);
    EXPECT_EQ(importCounts.value("written").toInt(), 1);
    EXPECT_EQ(importCounts.value("shortened").toInt(), 0);
}

TEST_F(OutputTest, ARecognisedTitleRowIsNeverImportedAlsoWithColumnsGiven)
{
    WriteFile(Path("titled.csv"), "Last Name,First Name\nCole,Pia\n");
    const cli_test::ProgramRun run =
        Brindle({"import", "contacts", Path("titled.csv"), "--fields", "Last Name,First Name", "--json"});
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(JsonOf(run).value("read").toInt(), 1);
    EXPECT_NE(run.err.find("note: Column titles in the first row are not imported."), std::string::npos);
    for (const QJsonValue& item : Items("contacts"))
        EXPECT_NE(item.toObject().value("FirstName").toString(), "First Name");
}

TEST_F(OutputTest, ValuesCutToFitTheirFieldAreCountedAndCutAtAWholeCharacter)
{
    std::string name;
    for (int n = 0; n < 70; ++n)
        name += "\xC3\xA9";  // é: two bytes
    WriteFile(Path("long.csv"), "First Name,Last Name,Email 1\n" + name + ",Long,long@name.example\n");
    const cli_test::ProgramRun run = Brindle({"import", "contacts", Path("long.csv"), "--json"});
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(JsonOf(run).value("shortened").toInt(), 1);
    EXPECT_NE(run.err.find("1 value did not fit its field and was cut (First Name in row 2 of the file)."),
              std::string::npos)
        << run.err;
    for (const QJsonValue& item : Items("contacts")) {
        if (item.toObject().value("LastName").toString() != "Long")
            continue;
        const std::string stored = item.toObject().value("FirstName").toString().toStdString();
        EXPECT_LT(stored.size(), name.size());
        EXPECT_EQ(stored.size() % 2, 0u);
        EXPECT_EQ(name.rfind(stored, 0), 0u);
    }
}

TEST_F(OutputTest, NotesAndProgressStayOffStandardOutput)
{
    const cli_test::ProgramRun run = Brindle({"export", "contacts", Path("quiet.csv"), "--all"});
    ASSERT_EQ(run.nExit, 0);
    EXPECT_EQ(run.out, "Convesion succeeded. 2 records were converted\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(OutputTest, ATerminalShowsThePercentageAndTheRateThenAClearedLine)
{
    cli_test::ProgramSetup onTerminal;
    onTerminal.bErrOnTerminal = true;
    const cli_test::ProgramRun run = Brindle({"export", "contacts", Path("shown.csv"), "--all"}, onTerminal);
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(run.out, "Convesion succeeded. 2 records were converted\n");
    EXPECT_NE(run.err.find("100%"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("items/s"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), std::string::npos) << "the progress is drawn over in place";
    EXPECT_TRUE(run.err.ends_with("\r\x1b[K")) << run.err;
}

TEST_F(OutputTest, AWriteTheDeviceRefusesEndsAsAFailedConversion)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const cli_test::ProgramRun run = Brindle({"export", "contacts", "/dev/full", "--all"});
    EXPECT_EQ(run.nExit, 1);
    EXPECT_EQ(run.out, "Conversion failed. 0 records were converted\n");

    const cli_test::ProgramRun counted = Brindle({"export", "contacts", "/dev/full", "--all", "--json"});
    EXPECT_EQ(counted.nExit, 1);
    EXPECT_EQ(JsonOf(counted).value("written").toInt(-1), 0);
    EXPECT_EQ(counted.err, "brindle: Conversion failed. 0 records were converted\n");
}
