#include "WizardDriver.h"

#include "common/misc/CxFile.h"
#include "common/outlook/OlAddrUtil.h"
#include "main/Addrdata.h"
#include "main/Datedata.h"
#include "main/Notedata.h"
#include "main/Taskdata.h"

#include <QLabel>
#include <cstring>
#include <filesystem>

namespace {

struct Person {
    const char* szFirst;
    const char* szLast;
    const char* szEmail;
    const char* szNotes;
};

// Contacts with a comma, quote characters and a line break in their values.
const Person kPeople[] = {
    {"Ann", "Baker", "ann@example.com", "say \"hi\""},
    {"Bob", "Smith, Jr.", "bob@example.com", "line 1\r\nline 2"},
};

class Conversion : public WizardDriverTest {
protected:
    // Puts the contact into Outlook through the program's own contacts adapter.
    static void AddContact(const Person& person)
    {
        OlAddrUtil adapter;
        const auto pRec = std::make_unique<CommAddrRec>();
        std::strcpy(pRec->szFirstName, person.szFirst);
        std::strcpy(pRec->szLastName, person.szLast);
        std::strcpy(pRec->szEmail, person.szEmail);
        std::strcpy(pRec->szNote, person.szNotes);
        ASSERT_TRUE(adapter.SaveRecord(pRec.get()));
    }

    void ExportPeople(const FileOptions& options)
    {
        ChooseConversion(MODE_O2C, FLAG_ADDR);
        SetFileOptions(options);
        ChooseFields({"First Name", "Last Name", "Email 1", "Notes"});
        Convert();
    }

    static std::string Row(const Person& person)
    {
        return QuoteCsvValue(person.szFirst, '"') + "," + QuoteCsvValue(person.szLast, '"') + "," +
               QuoteCsvValue(person.szEmail, '"') + "," + QuoteCsvValue(person.szNotes, '"') + "\r\n";
    }
};

TEST_F(Conversion, ContactsExportWritesQuotedRowsAfterTheTitleRow)
{
    for (const Person& person : kPeople)
        AddContact(person);
    const std::string file = TempFile("contacts.csv");

    ExportPeople({file, '"', false, true});

    ASSERT_EQ(Step(), 5);
    EXPECT_EQ(ReadFile(file), "First Name,Last Name,Email 1,Notes\r\n"
                              "\"Ann\",\"Baker\",\"ann@example.com\",\"say \"\"hi\"\"\"\r\n"
                              "\"Bob\",\"Smith, Jr.\",\"bob@example.com\",\"line 1\r\nline 2\"\r\n");
    EXPECT_EQ(fmFinish->lblMode->text(), "Outlook >> CSV File");
    EXPECT_EQ(fmFinish->lblApp->text(), "Contacts");
    EXPECT_EQ(fmFinish->lblSource->text(), "Default Outlook Profile");
    EXPECT_EQ(fmFinish->lblDest->text().toStdString(), file);
    EXPECT_EQ(fmFinish->lblResult->text(), "Convesion succeeded. 2 records were converted");
    EXPECT_EQ(pauses.Pauses(), (std::vector<int>{100, 100, 200}));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(Conversion, AppendingTwiceWritesATitleRowBeforeEachRun)
{
    for (const Person& person : kPeople)
        AddContact(person);
    const std::string file = TempFile("contacts.csv");
    WriteFile(file, "kept\r\n");

    ExportPeople({file, '"', true, true});
    fmFinish->btnAnother->click();
    ASSERT_EQ(Step(), 0);
    ExportPeople({file, '"', true, true});

    const std::string run = "First Name,Last Name,Email 1,Notes\r\n" + Row(kPeople[0]) + Row(kPeople[1]);
    EXPECT_EQ(ReadFile(file), "kept\r\n" + run + run);
    EXPECT_EQ(fmFinish->lblResult->text(), "Convesion succeeded. 2 records were converted");
}

TEST_F(Conversion, OverwriteEmptiesTheFileOnlyWhenTheRunStarts)
{
    AddContact(kPeople[0]);
    const std::string file = TempFile("contacts.csv");
    WriteFile(file, "old content\r\n");

    ChooseConversion(MODE_O2C, FLAG_ADDR);
    SetFileOptions({file, '\0', false, false});
    ChooseFields({"Last Name", "First Name"});
    Next();
    ASSERT_EQ(Step(), 4);
    EXPECT_EQ(ReadFile(file), "old content\r\n");
    fmProc->tmConvertTimer();

    EXPECT_EQ(ReadFile(file), "Baker,Ann\r\n");
}

// Columns that carry a contact's own values both ways ("Phone Number", for one, is imported
// into the business phone).
const QStringList kRoundTripFields = {
    "First Name", "Middle Name", "Last Name", "Email 1", "Notes", "Company Name", "Job Title", "Department",
    "Business Phone", "Home Phone", "Mobile Phone", "Business Street", "Business City", "Home Street", "Category"};

// What a new user does: export the contacts with a title row, empty Outlook, import the file
// back, whose titles place its columns and are no record, and find the same contacts.
TEST_F(Conversion, ExportThenImportReproducesTheContacts)
{
    Tool({"seed", "--sample"});
    for (const Person& person : kPeople)
        AddContact(person);
    const QJsonArray before = Items("contacts");
    ASSERT_GE(before.size(), 5);
    const std::string file = TempFile("contacts.csv");

    ChooseConversion(MODE_O2C, FLAG_ADDR);
    SetFileOptions({file, '"', false, true});
    ChooseFields(kRoundTripFields);
    Convert();
    ASSERT_EQ(fmFinish->lblResult->text().toStdString(),
              "Convesion succeeded. " + std::to_string(before.size()) + " records were converted");

    Tool({"clear", "contacts"});
    fmFinish->btnAnother->click();
    ChooseConversion(MODE_C2O, FLAG_ADDR);
    SetFileOptions({file, '"', false, false});
    QStringList placed;
    for (int nItem = 0; nItem < fmCSVField->lvSel->topLevelItemCount(); ++nItem)
        placed << fmCSVField->lvSel->topLevelItem(nItem)->text(0);
    EXPECT_EQ(placed, kRoundTripFields) << "the titles place the columns";
    Next();
    ASSERT_EQ(RowCount(fmAddrData->lvAddrData), before.size());
    EXPECT_EQ(fmAddrData->lblFileNotes->text(), "Column titles in the first row are not imported.");
    Convert();

    EXPECT_EQ(fmFinish->lblMode->text(), "CSV File >> Outlook");
    EXPECT_EQ(fmFinish->lblResult->text().toStdString(),
              "Convesion succeeded. " + std::to_string(before.size()) + " records were converted");
    const QJsonArray after = Items("contacts");
    for (const char* szProperty : {"FirstName", "LastName", "MiddleName", "Email1Address", "Body", "CompanyName",
                                   "JobTitle", "Department", "BusinessTelephoneNumber", "HomeTelephoneNumber",
                                   "MobileTelephoneNumber", "BusinessAddressStreet", "BusinessAddressCity",
                                   "HomeAddressStreet", "Categories"})
        EXPECT_EQ(Texts(after, szProperty), Texts(before, szProperty)) << szProperty;
}

struct KindCase {
    int nFlag;
    const char* szToolKind;
    QStringList fields;                    // the columns chosen on page 2
    std::vector<const char*> properties;   // the Outlook properties the columns hold
};

const KindCase kKindCases[] = {
    {FLAG_DATE, "appointments", {"Subject", "Location", "Note"}, {"Subject", "Location", "Body"}},
    {FLAG_TASK, "tasks", {"Subject", "Notes", "Category"}, {"Subject", "Body", "Categories"}},
    {FLAG_NOTE, "notes", {"Body", "Category"}, {"Body", "Categories"}},
};

TEST_F(Conversion, CalendarTasksAndNotesExportTheirItems)
{
    Tool({"seed", "--sample"});
    for (const KindCase& c : kKindCases) {
        const QJsonArray items = Items(c.szToolKind);
        ASSERT_GT(items.size(), 0) << c.szToolKind;
        std::string expected;
        for (const QJsonValue& item : items) {
            std::string row;
            for (const char* szProperty : c.properties)
                row += (row.empty() ? "" : ",") +
                       QuoteCsvValue(item.toObject().value(szProperty).toString().toStdString(), '"');
            expected += row + "\r\n";
        }
        const std::string file = TempFile(std::string(c.szToolKind) + ".csv");

        Wizard().GoToStep(0);
        ChooseConversion(MODE_O2C, c.nFlag);
        SetFileOptions({file, '"', false, false});
        ChooseFields(c.fields);
        Convert();

        EXPECT_EQ(ReadFile(file), expected) << c.szToolKind;
        EXPECT_EQ(fmFinish->lblResult->text().toStdString(),
                  "Convesion succeeded. " + std::to_string(items.size()) + " records were converted");
    }
}

TEST_F(Conversion, CalendarTasksAndNotesImportCsvRows)
{
    const std::vector<std::vector<std::string>> values = {
        {"Plan, then act", "Room \"B\"", "first line\r\nsecond line"},
        {"Second item", "Hall", "plain"},
    };
    for (const KindCase& c : kKindCases) {
        std::string csv;
        for (const auto& row : values) {
            for (std::size_t nColumn = 0; nColumn < c.properties.size(); ++nColumn)
                csv += (nColumn ? "," : "") + QuoteCsvValue(row[nColumn], '"');
            csv += "\r\n";
        }
        const std::string file = TempFile(std::string(c.szToolKind) + ".csv");
        WriteFile(file, csv);

        Wizard().GoToStep(0);
        ChooseConversion(MODE_C2O, c.nFlag);
        SetFileOptions({file, '"', false, false});
        ChooseFields(c.fields);
        Convert();

        EXPECT_EQ(fmFinish->lblResult->text(), "Convesion succeeded. 2 records were converted") << c.szToolKind;
        const QJsonArray items = Items(c.szToolKind);
        for (std::size_t nColumn = 0; nColumn < c.properties.size(); ++nColumn)
            EXPECT_EQ(Texts(items, c.properties[nColumn]),
                      (std::vector<std::string>{values[0][nColumn], values[1][nColumn]}))
                << c.szToolKind << " " << c.properties[nColumn];
    }
}

TEST_F(Conversion, ImportingTheSameFileAgainConvertsNothing)
{
    const std::string file = TempFile("tasks.csv");
    WriteFile(file, "\"Call Ann\",\"about the offer\"\r\n");
    for (int nRun = 0; nRun < 2; ++nRun) {
        Wizard().GoToStep(0);
        ChooseConversion(MODE_C2O, FLAG_TASK);
        SetFileOptions({file, '"', false, false});
        ChooseFields({"Subject", "Notes"});
        Convert();
        EXPECT_EQ(fmFinish->lblResult->text().toStdString(),
                  "Convesion succeeded. " + std::to_string(1 - nRun) + " records were converted");
    }
    // The sentence stays as it is; the line under it says why nothing was converted.
    EXPECT_EQ(fmFinish->lblCounts->text(),
              "0 added, 0 updated, 1 identical\n1 records were already in Outlook and were skipped");
    EXPECT_EQ(Items("tasks").size(), 1);
}

TEST_F(Conversion, EveryPageMessageKeepsTheWizardOnItsPage)
{
    const std::string folder = testing_support::CurrentTestDataHome().string();
    const std::string missingFolderFile = folder + "/no such folder/out.csv";
    const std::string existing = TempFile("existing.csv");
    WriteFile(existing, "\"a\"\r\n");
    AddContact(kPeople[0]);

    const struct {
        int nMode;
        int nFlag;
        std::string file;
        bool bChooseField;
        bool bClearRecords;
        int nStep;
        std::string text;
        const char* szCaption;
    } cases[] = {
        {MODE_O2C, FLAG_ADDR, "", true, false, 1, "Invalid CSV file name. Please try another one.", "Brindle Error"},
        {MODE_C2O, FLAG_ADDR, folder + "/missing.csv", true, false, 1,
         "Invalid CSV file name. Please specify an existing CSV file.", "Brindle Error"},
        {MODE_C2O, FLAG_NOTE, folder, true, false, 1, "Error opening CSV file: " + folder + "\nIs a directory", "Brindle Error"},
        {MODE_O2C, FLAG_TASK, missingFolderFile, true, false, 1, "Error opening CSV file: " + missingFolderFile + "\nNo such file or directory",
         "Brindle Error"},
        {MODE_O2C, FLAG_ADDR, TempFile("out.csv"), false, false, 2,
         "No record field is selected, you must select one or more fields for the conversion.", "Brindle Error"},
        {MODE_O2C, FLAG_ADDR, TempFile("out.csv"), true, true, 3,
         "No contact record is selected. Please select the records you want to convert.", "Error"},
        {MODE_O2C, FLAG_DATE, TempFile("out.csv"), true, false, 3,
         "No calendar record is selected. Please select the records you want to convert.", "Error"},
        {MODE_C2O, FLAG_TASK, existing, true, true, 3,
         "No task record is selected. Please select the records you want to convert.", "Error"},
        {MODE_O2C, FLAG_NOTE, TempFile("out.csv"), true, false, 3,
         "No note record is selected. Please select the records you want to convert.", "Error"},
    };
    for (const auto& c : cases) {
        ui::MessageRecorder shown;
        Wizard().GoToStep(0);
        ChooseConversion(c.nMode, c.nFlag);
        SetFileOptions({c.file, '"', false, false});
        if (Step() == 2) {
            if (c.bChooseField)
                ChooseFields();
            else
                Next();
        }
        if (c.nStep == 3 && Step() == 3) {
            if (c.bClearRecords)
                for (TRecordPage* page : std::initializer_list<TRecordPage*>{fmAddrData, fmDateData, fmTaskData, fmNoteData})
                    page->btnClear->click();
            Next();
        }

        EXPECT_EQ(Step(), c.nStep) << c.text;
        ASSERT_EQ(shown.Messages().size(), 1u) << c.text;
        EXPECT_EQ(shown.Messages()[0].text.toStdString(), c.text);
        EXPECT_EQ(shown.Messages()[0].caption, c.szCaption);
        EXPECT_EQ(shown.Messages()[0].icon, TMessageIcon::Error);
        ASSERT_NE(shown.Messages()[0].owner, nullptr);
        EXPECT_EQ(shown.Messages()[0].owner->parentWidget(), Wizard().pClient) << "owned by the page";
        EXPECT_TRUE(shown.Messages()[0].owner->isVisibleTo(Wizard().pClient)) << c.text;
    }
}

TEST_F(Conversion, CancelBeforeTheRunLeavesTheFileUntouched)
{
    AddContact(kPeople[0]);
    const std::string file = TempFile("precious.csv");
    const std::string content = "\"do\",\"not\",\"lose\"\r\n";
    for (const int nCancelAt : {2, 3}) {
        WriteFile(file, content);
        Wizard().GoToStep(0);
        ChooseConversion(MODE_O2C, FLAG_ADDR);
        SetFileOptions({file, '"', false, true});
        if (nCancelAt == 3)
            ChooseFields({"First Name"});
        ASSERT_EQ(Step(), nCancelAt);
        Wizard().btnClose->click();
        wizard.reset();
        EXPECT_EQ(ReadFile(file), content) << "cancelled on page " << nCancelAt;
    }
}

TEST_F(Conversion, AFullDeviceReportsTheFailure)
{
    for (const Person& person : kPeople)
        AddContact(person);
    for (const bool bAppend : {false, true}) {
        Wizard().GoToStep(0);
        ChooseConversion(MODE_O2C, FLAG_ADDR);
        SetFileOptions({"/dev/full", '"', bAppend, false});
        ChooseFields({"First Name"});
        Convert();

        ASSERT_EQ(Step(), 5);
        EXPECT_EQ(fmFinish->lblResult->text(), "Conversion failed. 0 records were converted") << bAppend;
    }
}

TEST_F(Conversion, PrevAndNextCreateTheConversionObjectsAfresh)
{
    AddContact(kPeople[0]);
    ChooseConversion(MODE_O2C, FLAG_ADDR);
    SetFileOptions({TempFile("out.csv"), '"', false, false});
    ChooseFields({"First Name", "Last Name"});
    ASSERT_EQ(Step(), 3);
    EXPECT_EQ(RowCount(fmAddrData->lvAddrData), 1);
    EXPECT_EQ(pFieldList->GetCount(), 2u);

    Tool({"clear", "contacts"});
    Prev();
    Prev();
    ASSERT_EQ(Step(), 1);
    Next();

    EXPECT_EQ(fmCSVField->lvSel->topLevelItemCount(), 0);
    EXPECT_EQ(fmCSVField->lvAll->topLevelItemCount(), OlAddrUtil::GetFieldCount());
    EXPECT_EQ(pFieldList->GetCount(), 0u);
    ChooseFields({"First Name"});
    EXPECT_EQ(RowCount(fmAddrData->lvAddrData), 0) << "the adapter loaded Outlook again";
}

}  // namespace
