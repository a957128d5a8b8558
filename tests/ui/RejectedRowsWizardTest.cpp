// The rows Outlook refused during the wizard's import go to a file beside the import file, and
// the result page says where: through the real pages, the record page's order and checks
// mapped back to the rows of the file, Outlook refusing chosen saves.
#include "WizardDriver.h"

#include "main/Addrdata.h"
#include "olsim/FaultInjection.h"

#include <QLabel>
#include <QTreeView>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr const char* kFile = "First Name,Last Name,Email 1\r\n"
                              "Ann,Baker,ann@example.com\r\n"
                              "Bob,\"Smith\r\nand Sons\",bob@example.com\r\n"
                              "Cy,Young,cy@example.com\r\n"
                              "Dee,Evans,dee@example.com\r\n";

// What the run gives as the reason for a save Outlook refused.
const std::string kRefused = "Outlook refused to save the new item";

class RejectedRowsWizard : public WizardDriverTest {
protected:
    void TearDown() override
    {
        olsim::ClearFaults();
        WizardDriverTest::TearDown();
    }

    // Through page 3 with the rows sorted by last name, Z to A (Cy, Bob, Dee, Ann), Dee
    // unchecked; Outlook then refuses the first nRefused saves of the run.
    void Import(const std::string& file, int nRefused)
    {
        WriteFile(file, kFile);
        ChooseConversion(MODE_C2O, FLAG_ADDR);
        SetFileOptions({file, '"', false, false});
        Next();
        ASSERT_EQ(Step(), 3);
        QTreeView* list = fmAddrData->lvAddrData;
        list->sortByColumn(1, Qt::DescendingOrder);
        ASSERT_EQ(Captions(list), (QStringList{"Cy", "Bob", "Dee", "Ann"}));
        SetRowCheck(list, 2, Qt::Unchecked);
        for (int n = 0; n < nRefused; ++n)
            olsim::InjectFault("ContactItem", "Save", E_FAIL, olsim::FaultRepeat::Once);
        Convert();
        ASSERT_EQ(Step(), 5);
    }
};

TEST_F(RejectedRowsWizard, RefusedRowsGoBesideTheFileInFileOrderAndTheResultPageNamesIt)
{
    const std::string file = TempFile("contacts.csv");
    Import(file, 2);

    EXPECT_EQ(Texts(Items("contacts"), "FirstName"), std::vector<std::string>{"Ann"});
    EXPECT_EQ(ReadFile(TempFile("contacts.rejected.csv")),
              "First Name,Last Name,Email 1,Reason\r\n"
              "Bob,\"Smith\r\nand Sons\",bob@example.com," + kRefused + "\r\n"
              "Cy,Young,cy@example.com," + kRefused + "\r\n");
    EXPECT_FALSE(fmFinish->lblRejected->isHidden());
    EXPECT_EQ(fmFinish->lblRejected->text(), "2 rows that did not reach Outlook are in contacts.rejected.csv.");
    EXPECT_EQ(fmFinish->lblRejected->objectName(), "lblRejected");
}

TEST_F(RejectedRowsWizard, AFileThatCannotBeWrittenIsToldAndAnImportWithoutRefusalsWritesNone)
{
    const std::string file = TempFile("contacts.csv");
    const std::string rejected = TempFile("contacts.rejected.csv");
    fs::create_directory(rejected);
    Import(file, 1);
    EXPECT_TRUE(fs::is_directory(rejected));
    EXPECT_EQ(fmFinish->lblRejected->text().toStdString(),
              "1 row did not reach Outlook; it could not be written to " + rejected + ": Is a directory.");
    EXPECT_FALSE(fmFinish->lblRejected->isHidden());

    fs::remove(rejected);
    Tool({"clear", "contacts"});
    Wizard().GoToStep(0);
    Import(file, 0);
    EXPECT_FALSE(fs::exists(rejected));
    EXPECT_TRUE(fmFinish->lblRejected->isHidden());
    EXPECT_EQ(fmFinish->lblRejected->text(), "");
}

TEST_F(RejectedRowsWizard, AnExportShowsNoRejectedRows)
{
    Import(TempFile("contacts.csv"), 1);
    ASSERT_FALSE(fmFinish->lblRejected->isHidden());

    Wizard().GoToStep(0);
    ChooseConversion(MODE_O2C, FLAG_ADDR);
    SetFileOptions({TempFile("export.csv"), '"', false, false});
    ChooseFields({"Last Name"});
    Convert();
    ASSERT_EQ(Step(), 5);
    EXPECT_TRUE(fmFinish->lblRejected->isHidden());
}

}  // namespace
