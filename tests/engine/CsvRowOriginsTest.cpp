// The import keeps, for every record it makes, the row of the file it came from: its number
// as the reports count rows, and its text exactly as the file holds it, however many lines it
// spans, so that a row whose record goes nowhere can be given back as it was.
#include "ImportedFile.h"

#include <cstdint>

namespace {

struct ExpectedRow {
    int nRow;
    std::string text;
};

void ExpectRows(ImportedFile& file, const std::vector<ExpectedRow>& expected)
{
    const std::vector<void*> records = file.Records();
    ASSERT_EQ(file.report.rows.size(), expected.size());
    ASSERT_EQ(records.size(), expected.size()) << "every row here makes a record";
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const TCsvRowOrigin& origin = file.report.rows[n];
        EXPECT_EQ(origin.nRow, expected[n].nRow) << n;
        EXPECT_EQ(CsvRowText(file.source, origin), expected[n].text) << n;
        EXPECT_EQ(origin.pRecord, records[n]) << "row " << expected[n].nRow << " names its own record";
    }
}

constexpr const char* kTitle = "First Name,Last Name,Email 1";
constexpr const char* kBob = "\"Bob\",\"Smith \"\"Jr\"\"\",\"bob@\nexample.com\"";
constexpr const char* kCy = "Cy,\"Line one\r\nLine two\",cy@example.com";

// Line ends inside quotes, mixed line ends, a blank line and a last row without a line end.
std::string MixedFile()
{
    return std::string(kTitle) + "\r\n" + "Ann,Baker,ann@example.com\r\n" + "\r\n" + kBob + "\n" + kCy + "\n"
           + "Dee,Eve,dee@example.com";
}

TEST(CsvRowOrigins, EachRecordKnowsItsRowAndItsTextAcrossLines)
{
    ImportedFile file(MixedFile(), true);
    EXPECT_TRUE(file.report.bTitleRowSkipped);
    EXPECT_EQ(file.report.titleRow.nRow, 1);
    EXPECT_EQ(file.report.titleRow.pRecord, nullptr);
    EXPECT_EQ(CsvRowText(file.source, file.report.titleRow), kTitle);
    // Blank lines are no rows: the row after one is counted as the reports count it.
    ExpectRows(file,
               {{2, "Ann,Baker,ann@example.com"}, {3, kBob}, {4, kCy}, {5, "Dee,Eve,dee@example.com"}});
}

TEST(CsvRowOrigins, AFirstRowThatIsNotSkippedIsARowLikeAnyOther)
{
    ImportedFile file(MixedFile(), false);
    EXPECT_FALSE(file.report.bTitleRowSkipped);
    EXPECT_EQ(file.report.titleRow.nRow, 0);
    ExpectRows(file, {{1, kTitle},
                      {2, "Ann,Baker,ann@example.com"},
                      {3, kBob},
                      {4, kCy},
                      {5, "Dee,Eve,dee@example.com"}});
}

TEST(CsvRowOrigins, TheTextIsTakenFromTheDecodedFile)
{
    // Windows-1252 "ë" and a byte-order mark that is no part of the first row.
    ImportedFile latin("Zo\xEB,Baker,zoe@example.com\r\n", false);
    ASSERT_EQ(latin.report.rows.size(), 1u);
    EXPECT_EQ(CsvRowText(latin.source, latin.report.rows[0]), "Zo\xC3\xAB,Baker,zoe@example.com");

    ImportedFile marked("\xEF\xBB\xBFZo\xC3\xAB,Baker,zoe@example.com\r\n", false);
    ASSERT_EQ(marked.report.rows.size(), 1u);
    EXPECT_EQ(CsvRowText(marked.source, marked.report.rows[0]), "Zo\xC3\xAB,Baker,zoe@example.com");
}

TEST(CsvRowOrigins, AnOriginOutsideTheTextGivesNoText)
{
    ImportedFile file("Ann,Baker\r\n", false);
    const std::size_t nSize = file.source.file.szText.size();
    const TCsvRowOrigin outside[] = {
        {nullptr, 1, nSize + 1, 0},
        {nullptr, 1, 2, nSize},
        {nullptr, 1, 1, SIZE_MAX},
    };
    for (const TCsvRowOrigin& origin : outside)
        EXPECT_EQ(CsvRowText(file.source, origin), "") << origin.nOffset << "+" << origin.nLength;
    EXPECT_EQ(CsvRowText(file.source, {nullptr, 1, 4, 5}), "Baker");
}

}  // namespace
