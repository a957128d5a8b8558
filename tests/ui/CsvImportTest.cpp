#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "records/CommAddrRec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kFirstName = 32;
constexpr int kLastName = 47;
constexpr int kNotes = 68;

struct Person {
    std::string first;
    std::string last;
    std::string notes;
    bool operator==(const Person&) const = default;
};

void PrintTo(const Person& person, std::ostream* out)
{
    *out << "{" << person.first << "|" << person.last << "|" << person.notes << "}";
}

std::string DataFile(const char* szName)
{
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / szName).string();
}

// Imports the file with the given columns and returns the contacts it gave.
std::vector<Person> Import(const std::string& path, char chQuote, const std::vector<int>& ids,
                           TCsvReadOptions options = {}, bool bSkipTitleRow = false, TCsvImportReport* pReport = nullptr)
{
    const TConvKind& kind = *FindConvKind(FLAG_ADDR);
    CxList fields;
    for (const int nId : ids) {
        if (nId != CUSTOM_FIELD_ID) {
            fields.Add(CopyFieldEntry(kind.GetFieldDef(static_cast<unsigned>(nId + 1))));
            continue;
        }
        CsvFieldEntry* pCustom = NewCustomFieldEntry();
        VariantClear(&pCustom->vValue);
        fields.Add(CopyFieldEntry(pCustom));
        FreeCustomFieldEntry(pCustom);
    }
    options.chQuote = chQuote;
    TCsvSource source;
    EXPECT_TRUE(LoadCsvSource(path.c_str(), kind, options, source)) << path;
    CSV splitter;
    CxList records;
    const TCsvImportReport report = ImportCsvRecords(kind, source, fields, bSkipTitleRow, splitter, records);
    if (pReport != nullptr)
        *pReport = report;

    std::vector<Person> people;
    for (void* pRec = records.GetFirst(); pRec != nullptr; pRec = records.GetNext()) {
        const auto* pContact = static_cast<const CommAddrRec*>(pRec);
        people.push_back({pContact->szFirstName, pContact->szLastName, pContact->szNote});
    }
    records.RemoveAll(true);
    fields.RemoveAll(true);
    return people;
}

TEST(CsvImport, FixtureFilesGiveTheirRecords)
{
    const struct {
        const char* szFile;
        char chQuote;
        std::vector<int> ids;
        std::vector<Person> expected;
    } cases[] = {
        {"contacts-quoted-bom.csv", '"', {kFirstName, kLastName, kNotes},
         {{"Ann", "Baker", "say \"hi\""}, {"Bob", "Smith, Jr.", "line 1\r\nline 2"}, {"Cy", "", "x"}}},
        {"contacts-quoted-bom.csv", '"', {kLastName, kFirstName},
         {{"Baker", "Ann", ""}, {"Smith, Jr.", "Bob", ""}, {"", "Cy", ""}}},
        {"contacts-bare-title.csv", '\0', {kFirstName, kLastName, kNotes},
         {{"First Name", "Last Name", "Notes"}, {"Dee", "Evans", "n1"}, {"Fay", "", ""}}},
        // A custom column takes a column and stores nothing; fields beyond the columns stay empty.
        {"contacts-bare-title.csv", '\0',
         {kFirstName, CUSTOM_FIELD_ID, CUSTOM_FIELD_ID, CUSTOM_FIELD_ID, kLastName, kNotes, kNotes},
         {{"First Name", "Extra 2", ""}, {"Dee", "e2", ""}, {"Fay", "", ""}}},
        {"contacts-bare-title.csv", '\0', {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Import(DataFile(c.szFile), c.chQuote, c.ids), c.expected) << c.szFile << " with " << c.ids.size();
}

TEST(CsvImport, ALineLongerThanAnyBufferIsOneRecord)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("long.csv");
    const std::string longNote(70000, 'n');
    std::ofstream(path, std::ios::binary) << "\"Ann\",\"" << longNote << "\"\r\n\"Bob\",\"short\"\r\n";

    const std::vector<Person> people = Import(path, '"', {kFirstName, kNotes});
    ASSERT_EQ(people.size(), 2u);
    EXPECT_EQ(people[0].first, "Ann");
    EXPECT_EQ(people[0].notes, longNote.substr(0, sizeof(CommAddrRec::szNote) - 1));
    EXPECT_EQ(people[1], (Person{"Bob", "", "short"}));
}

// Most programs quote only the values that need it; every value must arrive whole.
TEST(CsvImport, MinimalQuotingKeepsEveryValueWhole)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("minimal.csv");
    // As Python's csv module writes with its defaults, and a spreadsheet exports.
    std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF"
                                             "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7,Papadopoulou,eleni@example.gr\r\n"
                                             "Ann,\"Acme, Inc.\",\"She said \"\"hi\"\"\"\r\n"
                                             "Bob,O'Neil,\"two\nlines\"\n"
                                             "Cy,5\" tall,x\r\n";
    const std::vector<Person> expected = {
        {"\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7", "Papadopoulou", "eleni@example.gr"},
        {"Ann", "Acme, Inc.", "She said \"hi\""},
        {"Bob", "O'Neil", "two\nlines"},
        {"Cy", "5\" tall", "x"},
    };
    EXPECT_EQ(Import(path, '"', {kFirstName, kLastName, kNotes}), expected);
}

TEST(CsvImport, ASkippedTitleRowAndRowsWithExtraFieldsAreReported)
{
    TCsvImportReport report;
    const std::vector<Person> people =
        Import(DataFile("contacts-bare-title.csv"), '\0', {kFirstName, kLastName}, {}, true, &report);
    EXPECT_EQ(people, (std::vector<Person>{{"Dee", "Evans", ""}, {"Fay", "", ""}}));
    EXPECT_TRUE(report.bTitleRowSkipped);
    EXPECT_EQ(report.nRowsWithExtraFields, 1);
    EXPECT_EQ(report.nFirstRowWithExtraFields, 2);
}

TEST(CsvImport, SemicolonsAndWindows1252AreReadAsChosenOrDetected)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("semicolon.csv");
    std::ofstream(path, std::ios::binary) << "J\xFCrgen;M\xFCller;\"5,50 \x80\"\r\nZo\xEB;Dupont;caf\xE9\r\n";
    const std::vector<Person> expected = {{"J\xC3\xBCrgen", "M\xC3\xBCller", "5,50 \xE2\x82\xAC"},
                                          {"Zo\xC3\xAB", "Dupont", "caf\xC3\xA9"}};
    const std::vector<int> ids = {kFirstName, kLastName, kNotes};
    EXPECT_EQ(Import(path, '"', ids, {'"', DELIMITER_DETECT, ENCODING_DETECT}), expected);
    EXPECT_EQ(Import(path, '"', ids, {'"', DELIMITER_SEMICOLON, ENCODING_WINDOWS_1252}), expected);
}

}  // namespace
