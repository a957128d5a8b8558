#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrItem.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvExport.h"
#include "records/CommAddrRec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kFirstName = 32;
constexpr int kLastName = 47;
constexpr int kNotes = 68;

// A contact as loading from Outlook leaves it: a record carrying its item image.
struct Contact {
    Contact(const char* szFirst, const char* szLast, const char* szNotes = "")
    {
        std::strncpy(image->FirstName, szFirst, sizeof image->FirstName - 1);
        std::strncpy(image->LastName, szLast, sizeof image->LastName - 1);
        std::strncpy(image->Body, szNotes, sizeof image->Body - 1);
        record->pNative = image.get();
        record->nNativeSize = sizeof(OlAddrItem);
    }
    std::unique_ptr<OlAddrItem> image = std::make_unique<OlAddrItem>();
    std::unique_ptr<CommAddrRec> record = std::make_unique<CommAddrRec>();
};

// The chosen columns: copies of table rows, and custom columns owned here.
class Columns {
public:
    ~Columns()
    {
        list.RemoveAll(true);
        for (CsvFieldEntry* pEntry : m_custom)
            FreeCustomFieldEntry(pEntry);
    }

    Columns& Field(int nId)
    {
        list.Add(CopyFieldEntry(Kind().GetFieldDef(static_cast<unsigned>(nId + 1))));
        return *this;
    }
    Columns& Sequence(LONG nStart)
    {
        CsvFieldEntry* pEntry = Custom();
        VariantClear(&pEntry->vValue);
        pEntry->nType = CUSTOM_KIND_SEQUENCE;
        pEntry->vValue.vt = VT_I4;
        pEntry->vValue.lVal = nStart;
        return Add(pEntry);
    }
    Columns& FixedText(const OLECHAR* szText)
    {
        CsvFieldEntry* pEntry = Custom();
        SysFreeString(pEntry->vValue.bstrVal);
        pEntry->vValue.bstrVal = SysAllocString(szText);
        return Add(pEntry);
    }
    Columns& CopiedField(int nId)
    {
        CsvFieldEntry* pEntry = Custom();
        VariantClear(&pEntry->vValue);
        pEntry->nType = CUSTOM_KIND_FIELD;
        pEntry->vValue.vt = VT_I4;
        pEntry->vValue.lVal = nId;
        return Add(pEntry);
    }

    static const TConvKind& Kind() { return *FindConvKind(FLAG_ADDR); }

    CxList list;

private:
    CsvFieldEntry* Custom()
    {
        m_custom.push_back(NewCustomFieldEntry());
        return m_custom.back();
    }
    Columns& Add(CsvFieldEntry* pEntry)
    {
        list.Add(CopyFieldEntry(pEntry));
        return *this;
    }
    std::vector<CsvFieldEntry*> m_custom;
};

std::string RowOf(Columns& columns, char chQuote, const Contact& contact, int nPosition = 0, char chDelimiter = ',')
{
    const TCsvExporter exporter(Columns::Kind(), columns.list, chQuote, chDelimiter);
    std::string row = "(no row)";
    exporter.BuildRecordRow(contact.record.get(), nPosition, row);
    return row;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(CsvExport, ValuesAreQuotedWithQuoteCharactersDoubled)
{
    const struct {
        char chQuote;
        const char* szFirst;
        const char* szNotes;
        const char* szRow;
    } cases[] = {
        {'"', "Ann", "plain", "\"Ann\",\"plain\""},
        {'"', "Ann", "say \"hi\"", "\"Ann\",\"say \"\"hi\"\"\""},
        {'"', "Ann", "a,b", "\"Ann\",\"a,b\""},
        {'"', "Ann", "line 1\r\nline 2", "\"Ann\",\"line 1\r\nline 2\""},
        {'"', "", "", "\"\",\"\""},
        {'#', "Ann", "no #1", "#Ann#,#no ##1#"},
        {'\'', "O'Neil", "x", "'O''Neil','x'"},
    };
    for (const auto& c : cases) {
        Columns columns;
        columns.Field(kFirstName).Field(kNotes);
        EXPECT_EQ(RowOf(columns, c.chQuote, Contact(c.szFirst, "", c.szNotes)), c.szRow) << c.szNotes;
    }
}

// Without a quote character only the values that would break the row are enclosed, the way
// every CSV reader expects them.
TEST(CsvExport, BareValuesThatWouldBreakTheRowAreEnclosed)
{
    const struct {
        char chDelimiter;
        const char* szNotes;
        const char* szRow;
    } cases[] = {
        {',', "plain", "Ann,plain"},
        {',', "a,b", "Ann,\"a,b\""},
        {',', "line 1\r\nline 2", "Ann,\"line 1\r\nline 2\""},
        {',', "cr\ronly", "Ann,\"cr\ronly\""},
        {',', "\"quoted\" start", "Ann,\"\"\"quoted\"\" start\""},
        {',', "in \"the\" middle", "Ann,in \"the\" middle"},
        {',', "a;b", "Ann,a;b"},
        {';', "a;b", "Ann;\"a;b\""},
        {';', "a,b", "Ann;a,b"},
        {'\t', "a\tb", "Ann\t\"a\tb\""},
    };
    for (const auto& c : cases) {
        Columns columns;
        columns.Field(kFirstName).Field(kNotes);
        EXPECT_EQ(RowOf(columns, '\0', Contact("Ann", "", c.szNotes), 0, c.chDelimiter), c.szRow) << c.szNotes;
    }
}

TEST(CsvExport, TheDelimiterSeparatesQuotedValues)
{
    Columns columns;
    columns.Field(kFirstName).Field(kLastName);
    EXPECT_EQ(RowOf(columns, '"', Contact("Ann", "Baker"), 0, ';'), "\"Ann\";\"Baker\"");
    EXPECT_EQ(RowOf(columns, '"', Contact("Ann", "Baker"), 0, '\t'), "\"Ann\"\t\"Baker\"");
}

TEST(CsvExport, CustomColumnsWriteSequenceFixedTextAndCopiedField)
{
    const struct {
        LONG nStart;
        int nPosition;
        const char* szRow;
    } cases[] = {
        {1, 0, "\"1\",\"Grüße, Welt\",\"Baker\",\"Ann\""},
        {1, 4, "\"5\",\"Grüße, Welt\",\"Baker\",\"Ann\""},
        {100, 2, "\"102\",\"Grüße, Welt\",\"Baker\",\"Ann\""},
        {-3, 1, "\"-2\",\"Grüße, Welt\",\"Baker\",\"Ann\""},
    };
    for (const auto& c : cases) {
        Columns columns;
        columns.Sequence(c.nStart).FixedText(OLESTR("Grüße, Welt")).CopiedField(kLastName).Field(kFirstName);
        EXPECT_EQ(RowOf(columns, '"', Contact("Ann", "Baker"), c.nPosition), c.szRow);
    }
}

TEST(CsvExport, ALongFixedTextIsCutToWholeCharacters)
{
    const platform::OleString longText(20000, OLECHAR(0x00E9));
    Columns quoted;
    quoted.FixedText(longText.c_str());
    Columns bare;
    bare.FixedText(longText.c_str());

    std::string twoByteChars;
    for (int n = 0; n < 16382; ++n)
        twoByteChars += "é";
    // 32,765 bytes of value inside the quotes, 32,767 without: both end before a split character.
    EXPECT_EQ(RowOf(quoted, '"', Contact("", "")), "\"" + twoByteChars + "\"");
    EXPECT_EQ(RowOf(bare, '\0', Contact("", "")), twoByteChars + "é");
}

TEST(CsvExport, RecordWithoutItemImageGivesNoRow)
{
    Columns columns;
    columns.Field(kFirstName);
    Contact contact("Ann", "Baker");
    contact.record->pNative = nullptr;
    contact.record->nNativeSize = 0;
    EXPECT_EQ(RowOf(columns, '"', contact), "(no row)");
}

TEST(CsvExport, TitleRowIsBareAndEmptyWithoutColumns)
{
    Columns columns;
    columns.Field(kFirstName).Field(kLastName).Sequence(1);
    EXPECT_EQ(TCsvExporter(Columns::Kind(), columns.list, '"').BuildTitleRow(), "First Name,Last Name,Custom Field");
    EXPECT_EQ(TCsvExporter(Columns::Kind(), columns.list, '"', ';').BuildTitleRow(), "First Name;Last Name;Custom Field");
    Columns none;
    EXPECT_EQ(TCsvExporter(Columns::Kind(), none.list, '"').BuildTitleRow(), "");
}

// A custom column, renamed as the user may rename one, shows each title that must be
// enclosed; the others stay bare.
TEST(CsvExport, TitlesThatWouldBreakTheRowAreEnclosedInTheQuoteCharacter)
{
    const struct {
        const char* szName;
        char chQuote;
        char chDelimiter;
        const char* szRow;
    } cases[] = {
        {"Street, No.", '"', ',', "First Name,\"Street, No.\""},
        {"Street, No.", '\0', ',', "First Name,\"Street, No.\""},
        {"Street, No.", '\'', ',', "First Name,'Street, No.'"},
        {"Street, No.", '"', ';', "First Name;Street, No."},
        {"Street; No.", '"', ';', "First Name;\"Street; No.\""},
        {"The \"Street\"", '"', ',', "First Name,\"The \"\"Street\"\"\""},
        {"Line\nbreak", '#', ',', "First Name,#Line\nbreak#"},
        {"Tab\there", '"', '\t', "First Name\t\"Tab\there\""},
    };
    for (const auto& c : cases) {
        Columns columns;
        columns.Field(kFirstName).Sequence(1);
        auto* pCustom = static_cast<CsvFieldEntry*>(columns.list.Find(1));
        CutText(pCustom->szName, sizeof pCustom->szName, c.szName);
        EXPECT_EQ(TCsvExporter(Columns::Kind(), columns.list, c.chQuote, c.chDelimiter).BuildTitleRow(), c.szRow)
            << c.szName;
    }
}

TEST(CsvExport, RowsReachTheFileWithLineEnds)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("out.csv");
    Columns columns;
    columns.Field(kFirstName).Field(kLastName);
    const Contact ann("Ann", "Baker");
    const Contact bob("Bob", "Smith, Jr.");
    Contact noImage("X", "Y");
    noImage.record->pNative = nullptr;

    CxFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "wb"));
    const TCsvExporter exporter(Columns::Kind(), columns.list, '"');
    EXPECT_TRUE(exporter.WriteTitleRow(file));
    EXPECT_EQ(exporter.WriteRecordRow(file, ann.record.get(), 0), TRowResult::Written);
    EXPECT_EQ(exporter.WriteRecordRow(file, noImage.record.get(), 1), TRowResult::Skipped);
    EXPECT_EQ(exporter.WriteRecordRow(file, bob.record.get(), 2), TRowResult::Written);
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadAll(path), "First Name,Last Name\r\n\"Ann\",\"Baker\"\r\n\"Bob\",\"Smith, Jr.\"\r\n");
}

TEST(CsvExport, AFullDeviceFailsTheFirstRow)
{
    Columns columns;
    columns.Field(kFirstName);
    const Contact ann("Ann", "Baker");
    CxFile file;
    ASSERT_TRUE(file.Open("/dev/full", "wb"));
    const TCsvExporter exporter(Columns::Kind(), columns.list, '"');
    EXPECT_FALSE(exporter.WriteTitleRow(file));
    EXPECT_EQ(exporter.WriteRecordRow(file, ann.record.get(), 0), TRowResult::WriteFailed);
    file.Close();
}

}  // namespace
