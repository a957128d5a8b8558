#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvImport.h"
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
std::vector<Person> Import(const std::string& path, char chQuote, const std::vector<int>& ids)
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
    CxFile file;
    EXPECT_TRUE(file.Open(path.c_str(), "rb")) << path;
    CSV splitter;
    CxList records;
    ImportCsvRecords(kind, file, fields, chQuote, splitter, records);

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

}  // namespace
