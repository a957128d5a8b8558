// The command line reads the wizard's settings like the wizard, for the choices a command does
// not make itself, and never writes them.
#include "cli/CliTest.h"

#include <filesystem>

namespace {

class SettingsTest : public CliTest {
protected:
    void SetUp() override
    {
        ImportContacts("\"Ines\",\"Abbott\"\n", "First Name,Last Name");
        m_ini = (testing_support::CurrentTestDataHome() / "corvane" / "Brindle" / "corvane.ini").string();
    }

    std::string m_ini;
};

}  // namespace

TEST_F(SettingsTest, TheWizardsChoicesHoldWhereTheCommandMakesNone)
{
    const std::string settings = "[Brindle]\nQuoteMark='\nDelimiter=1\nAddTitle=1\nAppendCSV=1\n";
    WriteFile(m_ini, settings);
    const auto written = std::filesystem::last_write_time(m_ini);
    const std::string file = Path("from-settings.csv");
    WriteFile(file, "overwritten\r\n");

    const cli_test::ProgramRun run = Brindle({"export", "contacts", file, "--fields", "First Name,Last Name"});

    ASSERT_EQ(run.nExit, 0) << run.err;
    // Quote and delimiter as set; title row and appending only when the command asks.
    EXPECT_EQ(ReadFile(file), "'Ines';'Abbott'\r\n");
    EXPECT_EQ(ReadFile(m_ini), settings);
    EXPECT_EQ(std::filesystem::last_write_time(m_ini), written);
}

TEST_F(SettingsTest, AnOptionGivenOutweighsTheSetting)
{
    WriteFile(m_ini, "[Brindle]\nQuoteMark='\nDelimiter=1\n");
    const std::string file = Path("from-options.csv");
    const cli_test::ProgramRun run = Brindle(
        {"export", "contacts", file, "--fields", "First Name,Last Name", "--quote", "none", "--delimiter", "tab"});
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(ReadFile(file), "Ines\tAbbott\r\n");
}

TEST_F(SettingsTest, NoCommandLeavesASettingsFileBehind)
{
    ASSERT_FALSE(std::filesystem::exists(m_ini));
    const std::string file = Path("plain.csv");
    ASSERT_EQ(Brindle({"export", "contacts", file, "--all", "--title"}).nExit, 0);
    ASSERT_EQ(Brindle({"import", "contacts", file}).nExit, 0);
    ASSERT_EQ(Brindle({"import", "contacts", file, "--dry-run"}).nExit, 0);
    EXPECT_FALSE(std::filesystem::exists(m_ini));
}
