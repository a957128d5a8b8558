#include "main/engine/CsvTitles.h"

#include "common/misc/CxFile.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/TitleAliases.h"
#include "main/engine/TitleText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

const TConvKind& Kind(int nFlag) { return *FindConvKind(nFlag); }

const CsvFieldEntry* FieldNamed(const TConvKind& kind, std::string_view name)
{
    for (int nPos = 1; nPos <= kind.GetFieldCount(); ++nPos) {
        const CsvFieldEntry* pField = kind.GetFieldDef(static_cast<unsigned>(nPos));
        if (pField != nullptr && name == pField->szName)
            return pField;
    }
    return nullptr;
}

std::string FieldName(const TConvKind& kind, int nId)
{
    for (int nPos = 1; nPos <= kind.GetFieldCount(); ++nPos) {
        const CsvFieldEntry* pField = kind.GetFieldDef(static_cast<unsigned>(nPos));
        if (pField != nullptr && pField->nId == nId)
            return pField->szName;
    }
    return "no field of id " + std::to_string(nId);
}

// Per column, the name of the field it was given, or "" for none.
std::vector<std::string> FieldNames(const TConvKind& kind, const TCsvTitleMatch& match)
{
    std::vector<std::string> names;
    for (const int nId : match.columnFields)
        names.push_back(nId == kNoTitleField ? "" : FieldName(kind, nId));
    return names;
}

TCsvTitleMatch Match(int nFlag, const std::vector<std::string>& values)
{
    return MatchCsvTitles(Kind(nFlag), std::vector<std::string_view>(values.begin(), values.end()));
}

std::string Repeated(std::string_view text, int nTimes)
{
    std::string repeated;
    for (int i = 0; i < nTimes; ++i)
        repeated += text;
    return repeated;
}

TEST(TitleKey, ComparesLettersAndDigitsOnlyWithoutCaseOrAccents)
{
    const struct {
        const char* szTitle;
        const char* szKey;
    } cases[] = {
        {"First Name", "firstname"},
        {"FIRST NAME", "firstname"},
        {"first_name", "firstname"},
        {"  First-Name\t", "firstname"},
        {"E-Mail 2: Adresse", "email2adresse"},
        {"Business P/O Box", "businesspobox"},
        {"Assistant's Phone", "assistantsphone"},
        {"% Complete", "complete"},
        {"Téléphone (bureau)", "telephonebureau"},
        {"TÉLÉPHONE", "telephone"},
        {"Straße", "strasse"},
        {"STRASSE", "strasse"},
        {"Fällig am", "falligam"},
        {"Código postal", "codigopostal"},
        {"Año Nº", "anono"},
        {"Œuvre", "oeuvre"},
        {"Łódź", "lodz"},
        {"Ĳssel", "ijssel"},
        {"Sa\xCC\x81nchez", "sanchez"},  // a combining accent after the letter
        {"ΘΈΜΑ", "θέμα"},
        {"Σημειώσεις", "σημειώσεισ"},
        {"ΣΗΜΕΙΏΣΕΙΣ", "σημειώσεισ"},
        {"ТЕМА", "тема"},
        {"Ёлка", "ёлка"},
        {"電子メール：アドレス", "電子メールアドレス"},
        {"Notes \xF0\x9F\x93\x9D", "notes"},
        {"\xEF\xBB\xBFSubject", "subject"},
        {"Bad\xFF" "Byte", "badbyte"},
        {"x\xC0\xAFy", "xy"},  // an overlong "/"
        {"a\xE2\x80", "a"},    // a character cut short
        {"\xE2\x80\x94", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TitleKey(c.szTitle), c.szKey) << c.szTitle;
}

TEST(CsvTitles, TitleNamesTheFieldOfItsKind)
{
    const struct {
        int nFlag;
        const char* szTitle;
        const char* szField;  // "" for none
    } cases[] = {
        {FLAG_ADDR, "first name", "First Name"},
        {FLAG_ADDR, "FIRST_NAME", "First Name"},
        {FLAG_ADDR, "Vorname", "First Name"},
        {FLAG_ADDR, "PRENOM", "First Name"},
        {FLAG_ADDR, "Nombre", "First Name"},
        {FLAG_ADDR, "Nom", "Last Name"},
        {FLAG_ADDR, "Apellidos", "Last Name"},
        {FLAG_ADDR, "Title", ""},
        {FLAG_ADDR, "Anrede", ""},
        {FLAG_ADDR, "Job Title", "Job Title"},
        {FLAG_ADDR, "Position", "Job Title"},
        {FLAG_ADDR, "Company", "Company Name"},
        {FLAG_ADDR, "Organization", "Company Name"},
        {FLAG_ADDR, "Société", "Company Name"},
        {FLAG_ADDR, "E-mail Address", "Email 1"},
        {FLAG_ADDR, "EMAIL 1", "Email 1"},
        {FLAG_ADDR, "Correo electrónico", "Email 1"},
        {FLAG_ADDR, "CORREO ELECTRONICO", "Email 1"},
        {FLAG_ADDR, "Telefon geschäftlich", "Business Phone"},
        {FLAG_ADDR, "téléphone (bureau)", "Business Phone"},
        {FLAG_ADDR, "Código postal del trabajo", "Business Postal"},
        {FLAG_ADDR, "STRASSE PRIVAT", "Home Street"},
        {FLAG_ADDR, "Note", "Notes"},
        {FLAG_ADDR, "Rappel", "Callback Phone"},
        {FLAG_ADDR, "Location", ""},
        {FLAG_ADDR, "None", ""},
        {FLAG_DATE, "Title", "Subject"},
        {FLAG_DATE, "Asunto", "Subject"},
        {FLAG_DATE, "Beginnt um", "Start Time"},
        {FLAG_DATE, "heure de début", "Start Time"},
        {FLAG_DATE, "Startdatum", "Start Date"},
        {FLAG_DATE, "date de fin", "End Date"},
        {FLAG_DATE, "END DATE", "End Date"},
        {FLAG_DATE, "ALL-DAY EVENT", "All Day Event"},
        {FLAG_DATE, "Ganztägiges Ereignis", "All Day Event"},
        {FLAG_DATE, "Description", "Note"},
        {FLAG_DATE, "Categorías", "Category"},
        {FLAG_DATE, "Reminder On/Off", "Reminder Set"},
        {FLAG_DATE, "Ort", "Location"},
        {FLAG_DATE, "Rappel", ""},
        {FLAG_DATE, "Company", ""},
        {FLAG_TASK, "% Complete", "Percent Completed"},
        {FLAG_TASK, "% erledigt", "Percent Completed"},
        {FLAG_TASK, "Fällig am", "Due Date"},
        {FLAG_TASK, "FALLIG AM", "Due Date"},
        {FLAG_TASK, "Échéance", "Due Date"},
        {FLAG_TASK, "Notas", "Notes"},
        {FLAG_TASK, "Priority", "Importance"},
        {FLAG_TASK, "Estado", "Status"},
        {FLAG_TASK, "Start Time", ""},
        {FLAG_NOTE, "Title", "Subject"},
        {FLAG_NOTE, "Note", "Body"},
        {FLAG_NOTE, "Couleur", "Color"},
        {FLAG_NOTE, "Farbe", "Color"},
        {FLAG_NOTE, "Note Color", "Color"},
        {FLAG_NOTE, "Location", ""},
    };
    for (const auto& c : cases) {
        const TCsvTitleMatch match = Match(c.nFlag, {c.szTitle});
        EXPECT_EQ(FieldNames(Kind(c.nFlag), match), std::vector<std::string>{c.szField})
            << "kind " << c.nFlag << ": " << c.szTitle;
    }
}

TEST(TitleAliases, EveryRowNamesAFieldOfItsKindByATitleNoOtherRowOrFieldHas)
{
    std::map<std::pair<int, std::string>, std::string> fieldByKey;
    for (const int nFlag : {FLAG_ADDR, FLAG_DATE, FLAG_TASK, FLAG_NOTE}) {
        for (int nPos = 1; nPos <= Kind(nFlag).GetFieldCount(); ++nPos) {
            const char* szName = Kind(nFlag).GetFieldDef(static_cast<unsigned>(nPos))->szName;
            fieldByKey.emplace(std::pair(nFlag, TitleKey(szName)), szName);
        }
    }
    for (const TTitleAlias& alias : TitleAliases()) {
        SCOPED_TRACE(std::string(alias.szTitle) + " for " + alias.szField);
        const TConvKind* pKind = FindConvKind(alias.nKindFlag);
        ASSERT_NE(pKind, nullptr);
        EXPECT_NE(FieldNamed(*pKind, alias.szField), nullptr);
        const std::string key = TitleKey(alias.szTitle);
        EXPECT_FALSE(key.empty());
        const auto [existing, bNew] = fieldByKey.emplace(std::pair(alias.nKindFlag, key), alias.szField);
        EXPECT_TRUE(bNew) << "the title already names " << existing->second;
    }
}

struct TFixture {
    const char* szFile;
    int nFlag;
    char chQuote;
    std::vector<std::string> expectedFields;  // per column; "" for none
};

const std::vector<TFixture>& Fixtures()
{
    static const std::vector<TFixture> fixtures = {
        {"mailclient-contacts-en.csv", FLAG_ADDR, '"',
         {"", "First Name", "Middle Name", "Last Name", "Suffix", "Company Name", "Department", "Job Title",
          "Business Street", "", "", "Business City", "Business State", "Business Postal", "Business Country",
          "Home Street", "", "", "Home City", "Home State", "Home Postal", "Home Country",
          "Other Street", "", "", "Other City", "Other State", "Other Postal", "Other Country",
          "Assistant Phone", "Business Fax", "Business Phone", "Business Phone 2", "Callback Phone", "Car Phone",
          "Company Phone", "Home Fax", "Home Phone", "Home Phone 2", "ISDN Number", "Mobile Phone", "", "Other Phone",
          "Pager", "Phone Number", "Radio Phone", "", "", "Account", "Anniversary", "Assistant Name", "",
          "Birthday", "Business P/O Box", "Category", "", "", "Email 1", "Email 1 Type",
          "Email 1 Display Name", "Email 2", "Email 2 Type", "Email 2 Display Name", "Email 3", "Email 3 Type",
          "Email 3 Display Name", "Gender", "", "Hobbies", "Home P/O Box", "", "",
          "", "Language", "", "Manager Name", "", "Notes", "", "",
          "Other P/O Box", "", "", "Profession", "", "", "Spouse Name", "", "",
          "", "", "Web"}},
        {"mailclient-contacts-de.csv", FLAG_ADDR, '"',
         {"", "First Name", "Middle Name", "Last Name", "Suffix", "Company Name", "Department", "Job Title",
          "Business Street", "", "", "Business City", "Business State", "Business Postal", "Business Country",
          "Home Street", "", "", "Home City", "Home State", "Home Postal", "Home Country",
          "Other Street", "", "", "Other City", "Other State", "Other Postal", "Other Country",
          "Assistant Phone", "Business Fax", "Business Phone", "Business Phone 2", "Callback Phone", "Car Phone",
          "Company Phone", "Home Fax", "Home Phone", "Home Phone 2", "ISDN Number", "Mobile Phone", "", "Other Phone",
          "Pager", "Phone Number", "Radio Phone", "", "", "Account", "Anniversary", "Assistant Name", "",
          "Birthday", "Business P/O Box", "Category", "", "", "Email 1", "Email 1 Type",
          "Email 1 Display Name", "Email 2", "Email 2 Type", "Email 2 Display Name", "Email 3", "Email 3 Type",
          "Email 3 Display Name", "Gender", "", "Hobbies", "Home P/O Box", "", "",
          "", "Language", "", "Manager Name", "", "Notes", "", "",
          "Other P/O Box", "", "", "Profession", "", "", "Spouse Name", "", "",
          "", "", "Web"}},
        {"webmail-contacts.csv", FLAG_ADDR, '\0',
         {"Full Name", "First Name", "Middle Name", "Last Name", "", "", "", "", "", "Suffix", "", "Nick Name", "", "",
          "Birthday", "Gender", "", "", "", "", "Profession", "Hobbies", "", "", "", "Notes", "Language", "",
          "Category", "Email 1 Type", "Email 1", "Email 2 Type", "Email 2", "", "Phone Number", "", "Other Phone",
          "", "", "Home Street", "Home City", "Home P/O Box", "Home State", "Home Postal", "Home Country", "",
          "", "Company Name", "", "Job Title", "Department", "", "", "", "", "Web"}},
        {"addressbook-contacts.csv", FLAG_ADDR, '\0',
         {"First Name", "Last Name", "Full Name", "Nick Name", "Email 1", "Email 2", "IM Address", "Business Phone",
          "Home Phone", "Business Fax", "Pager", "Mobile Phone", "Home Street", "", "Home City", "Home State",
          "Home Postal", "Home Country", "Business Street", "", "Business City", "Business State", "Business Postal",
          "Business Country", "Job Title", "Department", "Company Name", "Business Home Page", "Web", "", "",
          // "Birth Day" holds the day of the month, but reads as the field's name.
          "Birthday", "", "", "", "", "Notes", ""}},
        {"mailclient-calendar-en.csv", FLAG_DATE, '"',
         {"Subject", "Start Date", "Start Time", "End Date", "End Time", "All Day Event", "Reminder Set", "", "", "",
          "", "", "", "", "Category", "Note", "Location", "",
          "Importance", "", "Sensitivity", "Busy Status"}},
        {"mailclient-tasks-en.csv", FLAG_TASK, '"',
         {"Subject", "Start Date", "Due Date", "Reminder Set", "", "Reminder Time", "", "Percent Completed",
          "Total Work", "", "", "Category", "", "", "Mileage", "Notes", "Importance", "", "Role", "", "Sensitivity",
          "Status"}},
        {"mailclient-notes-en.csv", FLAG_NOTE, '"', {"Subject", "Body", "Category", "Color", "", ""}},
        {"spreadsheet-contacts-fr.csv", FLAG_ADDR, '\0',
         {"First Name", "Last Name", "Company Name", "Job Title", "Business Phone", "Home Phone", "Mobile Phone",
          "Business Fax", "Home Street", "Home City", "Home State", "Home Postal", "Home Country", "Email 1", "Web",
          "Birthday", "Notes"}},
    };
    return fixtures;
}

// The records of the file, one line each, split as the import splits them.
std::vector<std::vector<std::string>> ReadRecords(const TFixture& fixture)
{
    const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "titles" / fixture.szFile;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << path;
    CSV splitter;
    splitter.SetQuote(fixture.chQuote);
    std::vector<std::vector<std::string>> records;
    for (std::string line; std::getline(file, line);) {
        EXPECT_TRUE(splitter.Parse(line.c_str())) << line;
        std::vector<std::string>& values = records.emplace_back();
        for (std::uint32_t i = 0; i < splitter.GetCount(); ++i)
            values.emplace_back(splitter.GetItem(i));
    }
    return records;
}

TEST(CsvTitles, FixtureTitleRowsNameTheirColumns)
{
    for (const TFixture& fixture : Fixtures()) {
        SCOPED_TRACE(fixture.szFile);
        const std::vector<std::vector<std::string>> records = ReadRecords(fixture);
        ASSERT_FALSE(records.empty());
        const TCsvTitleMatch match = Match(fixture.nFlag, records.front());
        EXPECT_TRUE(match.bTitleRow);
        EXPECT_EQ(FieldNames(Kind(fixture.nFlag), match), fixture.expectedFields);
        const auto nNamed = std::count_if(fixture.expectedFields.begin(), fixture.expectedFields.end(),
                                          [](const std::string& name) { return !name.empty(); });
        EXPECT_EQ(match.nMatched, nNamed);
    }
}

TEST(CsvTitles, FixtureDataRowsAreNotTitleRows)
{
    for (const TFixture& fixture : Fixtures()) {
        SCOPED_TRACE(fixture.szFile);
        const std::vector<std::vector<std::string>> records = ReadRecords(fixture);
        ASSERT_GE(records.size(), 2u);
        for (std::size_t nRecord = 1; nRecord < records.size(); ++nRecord) {
            const TCsvTitleMatch match = Match(fixture.nFlag, records[nRecord]);
            EXPECT_FALSE(match.bTitleRow) << "record " << nRecord;
            EXPECT_EQ(match.nMatched, 0) << "record " << nRecord;
        }
    }
}

TEST(CsvTitles, NotesNameEmptyRepeatedAndNotImportedColumns)
{
    const TCsvTitleMatch match = Match(FLAG_ADDR, {"First Name", "Last Name", "Birthday", "", "E-mail Address",
                                                   "Email", "E-mail 1 - Value", " \t", "Notes"});
    EXPECT_TRUE(match.bTitleRow);
    EXPECT_EQ(FieldNames(Kind(FLAG_ADDR), match),
              (std::vector<std::string>{"First Name", "Last Name", "Birthday", "", "Email 1", "", "", "", "Notes"}));
    EXPECT_EQ(match.nMatched, 5);
    EXPECT_EQ(match.notes, (std::vector<std::string>{
                               "Column 3 \"Birthday\": the field Birthday is not imported.",
                               "Column 4 has no title; it is skipped.",
                               "Column 6 \"Email\" names Email 1 again; it is skipped.",
                               "Column 7 \"E-mail 1 - Value\" names Email 1 again; it is skipped.",
                               "Column 8 has no title; it is skipped.",
                           }));
}

TEST(CsvTitles, NoteQuotesALongTitleCutBeforeACharacterThatWouldCrossTheLimit)
{
    // 15 bytes and ten three-byte dashes: the ninth dash would end at byte 42.
    const std::string title = "Business Phone " + Repeated("\xE2\x80\x94", 10);
    const TCsvTitleMatch match = Match(FLAG_ADDR, {"Business Phone", title});
    EXPECT_EQ(match.notes, std::vector<std::string>{"Column 2 \"Business Phone " + Repeated("\xE2\x80\x94", 8) +
                                                    "\" names Business Phone again; it is skipped."});
}

TEST(CsvTitles, TitleRowNeedsHalfItsValuesNamingFieldsAndNoLongText)
{
    const struct {
        const char* szCase;
        std::vector<std::string> values;
        bool bTitleRow;
    } cases[] = {
        {"half name fields", {"First Name", "Last Name", "Ann", "Baker"}, true},
        {"fewer than half", {"First Name", "Ann", "Baker", "ann@example.com"}, false},
        {"empty values do not count", {"First Name", "", " ", ""}, true},
        {"a single title", {"E-mail"}, true},
        {"a single value", {"ann@example.com"}, false},
        {"a title at the length limit", {"First Name", std::string(kMaxCsvTitleBytes, 'x')}, true},
        {"titles beside a longer value", {"First Name", "Last Name", "Notes", std::string(kMaxCsvTitleBytes + 1, 'x')},
         false},
        {"long text values",
         {"Please call back after the holidays, once the new catalogue has been printed.",
          "Delivered to the side door; the front of the shop is being painted until March."},
         false},
        {"numbers", {"1", "2", "3", "42", "0.5"}, false},
        {"a data row", {"Ann", "Baker", "ann@example.com", "555-0100"}, false},
        {"only empty values", {"", "", ""}, false},
        {"no values", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szCase);
        const TCsvTitleMatch match = Match(FLAG_ADDR, c.values);
        EXPECT_EQ(match.bTitleRow, c.bTitleRow);
        EXPECT_EQ(match.columnFields.size(), c.values.size());
        if (!c.bTitleRow) {
            EXPECT_TRUE(std::all_of(match.columnFields.begin(), match.columnFields.end(),
                                    [](int nId) { return nId == kNoTitleField; }));
            EXPECT_TRUE(match.notes.empty());
            EXPECT_EQ(match.nMatched, 0);
        }
    }
}

}  // namespace
