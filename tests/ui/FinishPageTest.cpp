#include "WizardDriver.h"

#include "main/Finish.h"

#include <QLabel>
#include <QPushButton>
#include <cstring>

namespace {

using FinishPage = WizardDriverTest;

TEST_F(FinishPage, ControlsAndCaptions)
{
    TfmFinish page;
    const std::pair<QLabel*, const char*> labels[] = {
        {page.Label1, "Conversion Mode:"}, {page.Label2, "Application Type:"}, {page.Label3, "Source:"},
        {page.Label4, "Destination:"},     {page.Label5, "Result:"},
    };
    for (const auto& [label, szCaption] : labels)
        EXPECT_EQ(label->text().toStdString(), szCaption);
    EXPECT_EQ(page.btnCSV->text(), "Open CSV &File");
    EXPECT_EQ(page.btnAnother->text(), "Convert &More");
    for (const char* szName : {"lblMode", "lblApp", "lblSource", "lblDest", "lblResult"})
        EXPECT_NE(page.findChild<QLabel*>(szName), nullptr) << szName;
}

TEST_F(FinishPage, LabelsShowTheConversion)
{
    std::strcpy(AppSettings.CsvAddrFile, "/csv/contacts.csv");
    std::strcpy(AppSettings.CsvNoteFile, "/csv/notes.csv");
    const struct {
        int nMode;
        int nFlag;
        TRunResult result;
        const char* szCounts;
        const char* szMode;
        const char* szApp;
        const char* szSource;
        const char* szDest;
        const char* szResult;
    } cases[] = {
        {MODE_O2C, FLAG_ADDR, {.nConverted = 4}, "", "Outlook >> CSV File", "Contacts", "Default Outlook Profile",
         "/csv/contacts.csv", "Convesion succeeded. 4 records were converted"},
        {MODE_C2O, FLAG_NOTE, {.nIdentical = 3},
         "0 added, 0 updated, 3 identical\n3 records were already in Outlook and were skipped", "CSV File >> Outlook", "Notes",
         "/csv/notes.csv", "Default Outlook Profile", "Convesion succeeded. 0 records were converted"},
        {MODE_C2O, FLAG_DATE, {.nConverted = 3, .nAdded = 1, .nUpdated = 2, .nIdentical = 4, .nRefused = 1},
         "1 added, 2 updated, 4 identical, 1 refused by Outlook\n4 records were already in Outlook and were skipped", "CSV File >> Outlook", "Calendar", "",
         "Default Outlook Profile", "Convesion succeeded. 3 records were converted"},
        {MODE_O2C, FLAG_TASK, {.nConverted = 2, .bFailed = true}, "", "Outlook >> CSV File", "Tasks",
         "Default Outlook Profile", "", "Conversion failed. 2 records were converted"},
        {MODE_O2C, FLAG_TASK, {.nConverted = 7, .bCancelled = true}, "", "Outlook >> CSV File", "Tasks",
         "Default Outlook Profile", "", "Conversion cancelled. 7 records were converted"},
        // Unknown values leave what the labels showed.
        {3, 16, {.nConverted = 5}, "", "Outlook >> CSV File", "Tasks", "Default Outlook Profile", "",
         "Convesion succeeded. 5 records were converted"},
    };
    TfmFinish page;
    for (const auto& c : cases) {
        AppSettings.AppMode = c.nMode;
        AppSettings.AppFlag = c.nFlag;
        LastRunResult = c.result;
        EXPECT_TRUE(page.UpdatePage(false));
        EXPECT_EQ(page.lblMode->text().toStdString(), c.szMode);
        EXPECT_EQ(page.lblApp->text().toStdString(), c.szApp);
        EXPECT_EQ(page.lblSource->text().toStdString(), c.szSource);
        EXPECT_EQ(page.lblDest->text().toStdString(), c.szDest);
        EXPECT_EQ(page.lblResult->text().toStdString(), c.szResult);
        EXPECT_EQ(page.lblCounts->text().toStdString(), c.szCounts);
    }
}

TEST_F(FinishPage, OpenCsvFileOpensTheKindsFile)
{
    std::strcpy(AppSettings.CsvTaskFile, "/csv/tasks.csv");
    TfmFinish page;
    for (const int nMode : {MODE_O2C, MODE_C2O}) {
        AppSettings.AppMode = nMode;
        AppSettings.AppFlag = FLAG_TASK;
        page.btnCSV->click();
    }
    AppSettings.AppFlag = 5;
    page.btnCSV->click();
    ASSERT_EQ(shell.Calls().size(), 2u);
    for (const platform::ShellCall& call : shell.Calls()) {
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.file, "/csv/tasks.csv");
    }
}

TEST_F(FinishPage, ConvertMoreStartsAgainWithTheLastChoice)
{
    Tool({"seed", "--sample"});
    ChooseConversion(MODE_O2C, FLAG_NOTE);
    SetFileOptions({TempFile("notes.csv"), '"', false, false});
    ChooseFields({"Body"});
    Convert();
    ASSERT_EQ(Step(), 5);
    EXPECT_FALSE(Wizard().btnPrev->isEnabled());
    fmFinish->btnAnother->click();
    EXPECT_EQ(Step(), 0);
    EXPECT_TRUE(fmMode->rbtnNote->isChecked());
    EXPECT_TRUE(fmMode->rbtnO2C->isChecked());
}

}  // namespace
