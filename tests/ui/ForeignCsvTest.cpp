// CSV files as other programs write them, through the real pages: other delimiters and
// encodings, titles that place the columns, and the preview of what the run will do.
#include "WizardDriver.h"

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrUtil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvSource.h"
#include "main/Addrdata.h"
#include "main/Finish.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <cstring>
#include <filesystem>

namespace {

struct Person {
    const char* szFirst;
    const char* szLast;
    const char* szEmail;
    const char* szNotes;
    const char* szCompany;
};

// Commas, quote characters, line breaks, delimiters and text of several scripts.
const Person kWorldPeople[] = {
    {"\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7", "\xCE\xA0\xCE\xB1\xCF\x80\xCE\xB1\xCE\xB4\xCF\x8C\xCF\x80\xCE\xBF\xCF\x85\xCE\xBB\xCE\xBF\xCF\x85",
     "eleni@example.gr", "say \"hi\"; then \"bye\"", "Acme, Inc."},
    {"\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD0\xB9", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2",
     "dima@example.ru", "line 1\r\nline 2\ttabbed", "\"Quoted\" Ltd"},
    {"\xE5\xA4\xAA\xE9\x83\x8E", "\xE5\xB1\xB1\xE7\x94\xB0", "taro@example.jp", "\xF0\x9F\x98\x80 emoji, too", "\xE5\xB1\xB1\xE7\x94\xB0;KK"},
};

// Letters Windows-1252 has, the euro sign among them.
const Person kWesternPeople[] = {
    {"J\xC3\xBCrgen", "M\xC3\xBCller", "jm@example.de", "Stra\xC3\x9F" "e 5, 10 \xE2\x82\xAC", "B\xC3\xA4" "ckerei"},
    {"Zo\xC3\xAB", "Dupont", "zd@example.fr", "caf\xC3\xA9 \"cr\xC3\xA8me\"", "Soci\xC3\xA9t\xC3\xA9"},
};

const QStringList kFields = {"First Name", "Last Name", "Email 1", "Notes", "Company Name"};
const char* const kProperties[] = {"FirstName", "LastName", "Email1Address", "Body", "CompanyName"};

class ForeignCsv : public WizardDriverTest {
protected:
    static void AddContact(const Person& person)
    {
        OlAddrUtil adapter;
        const auto pRec = std::make_unique<CommAddrRec>();
        std::strcpy(pRec->szFirstName, person.szFirst);
        std::strcpy(pRec->szLastName, person.szLast);
        std::strcpy(pRec->szEmail, person.szEmail);
        std::strcpy(pRec->szNote, person.szNotes);
        std::strcpy(pRec->szCompany, person.szCompany);
        ASSERT_TRUE(adapter.SaveRecord(pRec.get()));
    }

    template <std::size_t N>
    static void AddContacts(const Person (&people)[N])
    {
        for (const Person& person : people)
            AddContact(person);
    }

    template <std::size_t N>
    static std::vector<std::vector<std::string>> Expected(const Person (&people)[N])
    {
        std::vector<std::vector<std::string>> columns(std::size(kProperties));
        for (const Person& person : people) {
            const char* values[] = {person.szFirst, person.szLast, person.szEmail, person.szNotes, person.szCompany};
            for (std::size_t n = 0; n < columns.size(); ++n)
                columns[n].push_back(values[n]);
        }
        return columns;
    }

    static std::vector<std::vector<std::string>> Stored()
    {
        const QJsonArray items = Items("contacts");
        std::vector<std::vector<std::string>> columns;
        for (const char* szProperty : kProperties)
            columns.push_back(Texts(items, szProperty));
        return columns;
    }

    void Export(const FileOptions& options)
    {
        Wizard().GoToStep(0);
        ChooseConversion(MODE_O2C, FLAG_ADDR);
        SetFileOptions(options);
        ChooseFields(kFields);
        Convert();
    }

    // Imports into an emptied contacts folder with the columns the titles place.
    void ImportIntoEmptyFolder(const FileOptions& options)
    {
        Tool({"clear", "contacts"});
        Wizard().GoToStep(0);
        ChooseConversion(MODE_C2O, FLAG_ADDR);
        SetFileOptions(options);
        Next();
        Convert();
    }

    static std::string Utf16(const std::string& utf8, bool bBigEndian, bool bByteOrderMark)
    {
        std::u16string units = QString::fromStdString(utf8).toStdU16String();
        if (bByteOrderMark)
            units.insert(units.begin(), u'\xFEFF');
        std::string bytes;
        for (const char16_t unit : units) {
            const char hi = static_cast<char>(unit >> 8);
            const char lo = static_cast<char>(unit & 0xFF);
            bytes += bBigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
        return bytes;
    }

    static std::string Windows1252(const std::string& utf8)
    {
        std::string bytes;
        for (const QChar ch : QString::fromStdString(utf8))
            bytes += ch.unicode() == 0x20AC ? '\x80' : static_cast<char>(ch.unicode());
        return bytes;
    }
};

TEST_F(ForeignCsv, EachDelimiterAndQuoteChoiceRoundTripsEveryCharacter)
{
    const struct {
        int nDelimiter;
        char chQuote;
        bool bByteOrderMark;
    } cases[] = {
        {DELIMITER_COMMA, '"', false},   {DELIMITER_SEMICOLON, '"', true}, {DELIMITER_TAB, '"', false},
        {DELIMITER_COMMA, '\0', true},   {DELIMITER_SEMICOLON, '\0', false}, {DELIMITER_TAB, '\0', false},
        {DELIMITER_SEMICOLON, '\'', false},
    };
    AddContacts(kWorldPeople);
    const auto expected = Expected(kWorldPeople);
    ASSERT_EQ(Stored(), expected);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "delimiter " << c.nDelimiter << ", quote " << int(c.chQuote));
        const std::string file = TempFile("world.csv");
        Export({file, c.chQuote, false, true, c.nDelimiter, ENCODING_DETECT, c.bByteOrderMark});
        ASSERT_EQ(fmFinish->lblResult->text(), "Convesion succeeded. 3 records were converted");
        EXPECT_EQ(ReadFile(file).starts_with("\xEF\xBB\xBF"), c.bByteOrderMark);

        for (const int nImportDelimiter : {c.nDelimiter, DELIMITER_DETECT}) {
            ImportIntoEmptyFolder({file, c.chQuote, false, false, nImportDelimiter});
            EXPECT_EQ(fmFinish->lblCounts->text(), "3 added, 0 updated, 0 identical");
            EXPECT_EQ(Stored(), expected) << "imported with delimiter " << nImportDelimiter;
        }
    }
}

// What the export writes without a quotation mark is read by other programs row for row:
// Python's csv module stands for them.
TEST_F(ForeignCsv, BareExportsReadBackRowForRowInOtherReaders)
{
    AddContacts(kWorldPeople);
    const std::string file = TempFile("bare.csv");
    Export({file, '\0', false, true});
    const std::string script = TempFile("read.py");
    WriteFile(script, "import csv, json, sys\n"
                      "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                      "    print(json.dumps(list(csv.reader(f))))\n");
    QProcess python;
    python.start("python3", {QString::fromStdString(script), QString::fromStdString(file)});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();

    std::vector<std::vector<std::string>> read;
    for (const QJsonValue& row : rows) {
        read.emplace_back();
        for (const QJsonValue& value : row.toArray())
            read.back().push_back(value.toString().toStdString());
    }
    std::vector<std::vector<std::string>> expected = {{"First Name", "Last Name", "Email 1", "Notes", "Company Name"}};
    for (const Person& person : kWorldPeople)
        expected.push_back({person.szFirst, person.szLast, person.szEmail, person.szNotes, person.szCompany});
    EXPECT_EQ(read, expected);
}

TEST_F(ForeignCsv, EachEncodingImportsEveryCharacterDetectedOrChosen)
{
    AddContacts(kWesternPeople);
    AddContacts(kWorldPeople);
    const std::string utf8File = TempFile("utf8.csv");
    Export({utf8File, '"', false, true, DELIMITER_SEMICOLON});
    const std::string utf8 = ReadFile(utf8File);

    Tool({"clear", "contacts"});
    AddContacts(kWesternPeople);
    const std::string westernFile = TempFile("western.csv");
    Export({westernFile, '"', false, true, DELIMITER_SEMICOLON});
    const std::string western = ReadFile(westernFile);

    auto world = Expected(kWesternPeople);
    const auto others = Expected(kWorldPeople);
    for (std::size_t n = 0; n < world.size(); ++n)
        world[n].insert(world[n].end(), others[n].begin(), others[n].end());
    const struct {
        const char* szName;
        std::string bytes;
        int nEncoding;
        std::vector<std::vector<std::string>> expected;
    } cases[] = {
        {"UTF-8", utf8, ENCODING_UTF8, world},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" + utf8, ENCODING_UTF8, world},
        {"UTF-16 LE", Utf16(utf8, false, true), ENCODING_UTF16, world},
        {"UTF-16 BE", Utf16(utf8, true, true), ENCODING_UTF16, world},
        {"UTF-16 LE without byte-order mark", Utf16(utf8, false, false), ENCODING_UTF16, world},
        {"Windows-1252", Windows1252(western), ENCODING_WINDOWS_1252, Expected(kWesternPeople)},
    };
    for (const auto& c : cases) {
        const std::string file = TempFile("encoded.csv");
        WriteFile(file, c.bytes);
        for (const int nEncoding : {ENCODING_DETECT, c.nEncoding}) {
            ImportIntoEmptyFolder({file, '"', false, false, DELIMITER_DETECT, nEncoding});
            EXPECT_EQ(Stored(), c.expected) << c.szName << " read with encoding " << nEncoding;
        }
    }
}

TEST_F(ForeignCsv, PageOneSaysWhatTheFileIsBeforeItIsLeft)
{
    const std::string semicolons = TempFile("semicolons.csv");
    WriteFile(semicolons, "Vorname;Nachname;E-Mail-Adresse\r\nJ\xFCrgen;M\xFCller;jm@example.de\r\n");
    const std::string binary = TempFile("picture.csv");
    WriteFile(binary, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0", 20));

    ChooseConversion(MODE_C2O, FLAG_ADDR);
    const struct {
        const std::string& file;
        int nDelimiter;
        const char* szDetected;
    } cases[] = {
        {semicolons, DELIMITER_DETECT, "Semicolon-separated, Windows-1252, 3 columns, first row looks like column titles"},
        {semicolons, DELIMITER_COMMA,
         "Semicolon-separated, Windows-1252, 3 columns, first row looks like column titles (read as "
         "Comma-separated now: choose another Delimiter or Detect)"},
        {binary, DELIMITER_DETECT, "This file does not look like a CSV file"},
    };
    for (const auto& c : cases) {
        fmSource->cbDelimiter->setCurrentIndex(c.nDelimiter);
        fmSource->edtCSVFile->setText(QString::fromStdString(c.file));
        EXPECT_EQ(fmSource->lblDetected->text().toStdString(), c.szDetected);
    }

    fmSource->edtCSVFile->setText(QString::fromStdString(binary));
    Next();
    EXPECT_EQ(Step(), 1);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "This file does not look like a CSV file");
    EXPECT_EQ(messages.Messages()[0].caption, "Brindle Error");
}

// The preview runs the run's own duplicate test, so its counts are the result page's.
TEST_F(ForeignCsv, ThePreviewShowsWhatTheRunThenDoes)
{
    AddContact({"Ann", "Baker", "ann@example.com", "same", ""});
    AddContact({"Bob", "Smith", "bob@example.com", "old note", ""});
    const std::string file = TempFile("mixed.csv");
    WriteFile(file,
              "First Name,Last Name,E-mail Address,Notes\r\n"
              "Ann,Baker,ann@example.com,same\r\n"
              "Bob,Smith,bob@example.com,new note\r\n"
              "Cy,Young,cy@example.com,\r\n"
              "Cy,Young,cy@example.com,\r\n"
              "Dee,Evans,dee@example.com,x\r\n");
    ChooseConversion(MODE_C2O, FLAG_ADDR);
    SetFileOptions({file, '"', false, false});
    Next();
    ASSERT_EQ(Step(), 3);
    const int nAction = fmAddrData->lvAddrData->model()->columnCount() - 1;
    EXPECT_EQ(ColumnCaption(fmAddrData->lvAddrData, nAction), "Action");
    EXPECT_EQ(Captions(fmAddrData->lvAddrData, nAction),
              (QStringList{"Skip (identical)", "Update: Bob Smith", "Add", "Skip (identical)", "Add"}));
    EXPECT_EQ(fmAddrData->lblPreview->text(), "2 to add, 1 to update, 2 identical");

    // Leaving Dee out changes the counts of the checked records only.
    SetRowCheck(fmAddrData->lvAddrData, 4, Qt::Unchecked);
    QCoreApplication::processEvents();
    EXPECT_EQ(fmAddrData->lblPreview->text(), "1 to add, 1 to update, 2 identical");
    EXPECT_EQ(CellText(fmAddrData->lvAddrData, 4, nAction), "");

    // Leaving the first Cy out makes the second one the one the run adds.
    SetRowCheck(fmAddrData->lvAddrData, 2, Qt::Unchecked);
    QCoreApplication::processEvents();
    EXPECT_EQ(Captions(fmAddrData->lvAddrData, nAction),
              (QStringList{"Skip (identical)", "Update: Bob Smith", "", "Add", ""}));
    EXPECT_EQ(fmAddrData->lblPreview->text(), "1 to add, 1 to update, 1 identical");
    SetRowCheck(fmAddrData->lvAddrData, 2, Qt::Checked);
    QCoreApplication::processEvents();
    EXPECT_EQ(Captions(fmAddrData->lvAddrData, nAction),
              (QStringList{"Skip (identical)", "Update: Bob Smith", "Add", "Skip (identical)", ""}));

    Convert();
    EXPECT_EQ(fmFinish->lblCounts->text(),
              "1 added, 1 updated, 2 identical\n2 records were already in Outlook and were skipped");
    EXPECT_EQ(Texts(Items("contacts"), "FirstName"), (std::vector<std::string>{"Ann", "Bob", "Cy"}));
}

// Odd files each end in a stated rule: only titles, titles repeated or missing, rows longer
// than the titles, UTF-16 cut in the middle of a character.
TEST_F(ForeignCsv, OddFilesGetAClearNoteAndLoseNothingUnseen)
{
    const std::string onlyTitles = TempFile("titles-only.csv");
    WriteFile(onlyTitles, "First Name,Last Name,E-mail Address\r\n");
    ChooseConversion(MODE_C2O, FLAG_ADDR);
    SetFileOptions({onlyTitles, '"', false, false});
    Next();
    EXPECT_EQ(RowCount(fmAddrData->lvAddrData), 0);
    Next();
    EXPECT_EQ(Step(), 3);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "No contact record is selected. Please select the records you want to convert.");

    const std::string odd = TempFile("odd.csv");
    WriteFile(odd, Utf16("Vorname,Nachname,,Nachname\r\nAnn,Baker,x,Other,extra\r\nBob,Smith\r\n", false, true) + "Z");
    Wizard().GoToStep(0);
    ChooseConversion(MODE_C2O, FLAG_ADDR);
    SetFileOptions({odd, '"', false, false});
    ASSERT_EQ(Step(), 2);
    EXPECT_EQ(Captions(fmCSVField->lvSel), (QStringList{"First Name", "Last Name", "None", "None"}));
    EXPECT_EQ(fmCSVField->lblTitleNotes->text(),
              "Column 3 has no title; it is skipped.\nColumn 4 \"Nachname\" names Last Name again; it is skipped.");
    Next();
    EXPECT_EQ(Captions(fmAddrData->lvAddrData), (QStringList{"Ann", "Bob"}));
    EXPECT_EQ(fmAddrData->lblFileNotes->text(),
              "Column titles in the first row are not imported.\n"
              "The file ends in half a character: its last byte is ignored.\n"
              "1 row has more fields than there are columns; its extra fields are ignored (row 2 of the file).");
    Convert();
    EXPECT_EQ(Texts(Items("contacts"), "LastName"), (std::vector<std::string>{"Baker", "Smith"}));
}

// A value longer than its field is cut at a whole character, and both record page and
// result page say so before and after the run.
TEST_F(ForeignCsv, ShortenedValuesAreNamedBeforeAndAfterTheRun)
{
    const std::string longName = std::string(30, 'a') + "\xC3\xA9\xC3\xA9";  // 34 bytes
    const std::string file = TempFile("long.csv");
    WriteFile(file, "First Name,Last Name\r\nAnn,Baker\r\n" + longName + ",Smith\r\n");
    ChooseConversion(MODE_C2O, FLAG_ADDR);
    SetFileOptions({file, '"', false, false});
    Next();
    const QString note = "1 value was shortened to fit its field (for example First Name of row 3).";
    EXPECT_TRUE(fmAddrData->lblFileNotes->text().endsWith(note)) << fmAddrData->lblFileNotes->text().toStdString();
    Convert();
    EXPECT_TRUE(fmFinish->lblCounts->text().endsWith(note)) << fmFinish->lblCounts->text().toStdString();
    // The field holds 31 bytes: the cut falls before the character it would split.
    EXPECT_EQ(Texts(Items("contacts"), "FirstName"), (std::vector<std::string>{"Ann", std::string(30, 'a')}));
}

std::string TitleFixture(const char* szName)
{
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "titles" / szName).string();
}

// The name of field nId in the kind's table; "None" stands for a column that stores nothing.
QString FieldName(int nFlag, int nId)
{
    const TConvKind& kind = *FindConvKind(nFlag);
    for (int nPos = 1; nPos <= kind.GetFieldCount(); ++nPos) {
        const CsvFieldEntry* pRow = kind.GetFieldDef(static_cast<unsigned>(nPos));
        if (pRow != nullptr && pRow->nId == nId)
            return QString::fromUtf8(pRow->szName);
    }
    return "None";
}

using Values = std::vector<std::pair<const char*, std::vector<std::string>>>;

// Files in the shapes other programs write, imported with no hand placement: the titles
// place every column, and each value reaches the item property of its field.
TEST_F(ForeignCsv, ExportsOfOtherProgramsImportWithoutHandPlacement)
{
    const struct {
        const char* szFile;
        int nFlag;
        const char* szToolKind;
        Values values;
    } cases[] = {
        {"mailclient-contacts-de.csv", FLAG_ADDR, "contacts",
         {{"FirstName", {"Jonas", "Lieselotte"}},
          {"MiddleName", {"", "Maria"}},
          {"LastName", {"Br\xC3\xBC" "ckner", "Sch\xC3\xA4" "fer"}},
          {"CompanyName", {"Feldmark G\xC3\xA4rten GmbH", ""}},
          {"Department", {"Einkauf", ""}},
          {"JobTitle", {"Einkaufsleiter", ""}},
          {"BusinessAddressStreet", {"Lindenallee 12", ""}},
          {"BusinessAddressCity", {"G\xC3\xB6rlitz", ""}},
          {"BusinessAddressState", {"Sachsen", ""}},
          {"BusinessAddressPostalCode", {"02826", ""}},
          {"BusinessAddressCountry", {"Deutschland", ""}},
          {"HomeAddressStreet", {"", "Am M\xC3\xBChlbach 3"}},
          {"HomeAddressCity", {"", "Bamberg"}},
          {"HomeAddressState", {"", "Bayern"}},
          {"HomeAddressPostalCode", {"", "96047"}},
          {"HomeAddressCountry", {"", "Deutschland"}},
          {"BusinessTelephoneNumber", {"+49 3581 555012", ""}},
          {"MobileTelephoneNumber", {"+49 170 5550123", ""}},
          {"HomeTelephoneNumber", {"", "0951 555 4471"}},
          {"Email1Address", {"j.brueckner@feldmark.example", "lilo.schaefer@post.example"}},
          {"Categories", {"Lieferanten", ""}},
          {"Body", {"R\xC3\xBC" "ckruf nach 14 Uhr", ""}},
          {"Hobby", {"", "Chorgesang"}}}},
        {"addressbook-contacts.csv", FLAG_ADDR, "contacts",
         {{"FirstName", {"Keiko", "Olu"}},
          {"LastName", {"Yamada", "Adeyemi"}},
          {"NickName", {"kei", ""}},
          {"Email1Address", {"keiko@yamada.example", "olu@adeyemi.example"}},
          {"Email2Address", {"k.yamada@foundry.example", ""}},
          {"BusinessTelephoneNumber", {"845-555-0101", ""}},
          {"HomeTelephoneNumber", {"845-555-0102", ""}},
          {"MobileTelephoneNumber", {"845-555-0199", ""}},
          {"HomeAddressStreet", {"4 Cedar Walk", ""}},
          {"HomeAddressCity", {"Millbrook", "Lagos"}},
          {"HomeAddressState", {"NY", ""}},
          {"HomeAddressPostalCode", {"12545", ""}},
          {"HomeAddressCountry", {"USA", "Nigeria"}},
          {"BusinessAddressStreet", {"9 Foundry St", ""}},
          {"BusinessAddressCity", {"Beacon", ""}},
          {"BusinessAddressPostalCode", {"12508", ""}},
          {"JobTitle", {"Illustrator", ""}},
          {"Department", {"Design", ""}},
          {"CompanyName", {"Foundry Studio", ""}},
          {"BusinessHomePage", {"https://foundry.example", ""}},
          {"Body", {"Sends invoices quarterly", ""}}}},
        {"spreadsheet-contacts-fr.csv", FLAG_ADDR, "contacts",
         {{"FirstName", {"\xC3\x89lodie", "Bastien"}},
          {"LastName", {"Marchand", "Roux"}},
          {"CompanyName", {"Ateliers du Vent", ""}},
          {"JobTitle", {"G\xC3\xA9rante", ""}},
          {"BusinessTelephoneNumber", {"01 45 55 01 23", ""}},
          {"MobileTelephoneNumber", {"06 55 12 34 56", ""}},
          {"HomeTelephoneNumber", {"", "04 91 55 22 10"}},
          {"HomeAddressStreet", {"8 rue des Tanneurs", "17 boulevard Longchamp"}},
          {"HomeAddressCity", {"Lyon", "Marseille"}},
          // The field holds 23 bytes: the longer region is cut at a whole character.
          {"HomeAddressState", {"Auvergne-Rh\xC3\xB4ne-Alpes", "Provence-Alpes-C\xC3\xB4te d'"}},
          {"HomeAddressPostalCode", {"69002", "13001"}},
          {"HomeAddressCountry", {"France", "France"}},
          {"Email1Address", {"elodie@ateliers-vent.example", "bastien.roux@courriel.example"}},
          {"Body", {"Cliente depuis 2019", ""}}}},
        {"mailclient-calendar-en.csv", FLAG_DATE, "appointments",
         {{"Subject", {"Kite festival planning", "Anniversary dinner"}},
          {"Location", {"Harbour Hall, Room 2", ""}},
          {"Categories", {"Events", "Personal"}},
          {"Body", {"Agree on the stall layout.", ""}}}},
        {"mailclient-tasks-en.csv", FLAG_TASK, "tasks",
         {{"Subject", {"Order spare spools", "Renew stall permit"}},
          {"Categories", {"Suppliers", "Admin"}},
          {"Body", {"Check the 30 m line too.", ""}}}},
        {"mailclient-notes-en.csv", FLAG_NOTE, "notes",
         {{"Body", {"Stall sizes: 3 m by 3 m; corner stalls cost extra.", "Wi-Fi at the hall: HallGuest, code on the door."}},
          {"Categories", {"Events", ""}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szFile);
        Tool({"clear", c.szToolKind});
        Wizard().GoToStep(0);
        ChooseConversion(MODE_C2O, c.nFlag);
        SetFileOptions({TitleFixture(c.szFile), '"', false, false, DELIMITER_DETECT});
        ASSERT_EQ(Step(), 2);
        ASSERT_TRUE(pCsvSource->titles.bTitleRow);
        QStringList placed;
        for (const int nId : pCsvSource->titles.columnFields)
            placed << FieldName(c.nFlag, nId);
        EXPECT_EQ(Captions(fmCSVField->lvSel), placed);
        EXPECT_TRUE(fmCSVField->btnMatchTitles->isEnabled());
        Next();
        Convert();
        ASSERT_EQ(Step(), 5);
        EXPECT_EQ(fmFinish->lblCounts->text(), "2 added, 0 updated, 0 identical");

        const QJsonArray items = Items(c.szToolKind);
        for (const auto& [szProperty, expected] : c.values)
            EXPECT_EQ(Texts(items, szProperty), expected) << szProperty;
    }
}

}  // namespace
