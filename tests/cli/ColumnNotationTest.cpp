// The notation of --fields read into the columns the engine takes, and the lists it refuses.
#include "common/outlook/FieldEntry.h"
#include "main/cli/ColumnList.h"
#include "main/cli/ColumnNotation.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct SplitCase {
    const char* szList;
    std::optional<std::vector<std::string>> items;
};

const SplitCase kSplitCases[] = {
    {"First Name", std::vector<std::string>{"First Name"}},
    {" First Name ,\tLast Name ", std::vector<std::string>{"First Name", "Last Name"}},
    {"Subject,\"=Room 4, first floor\"", std::vector<std::string>{"Subject", "=Room 4, first floor"}},
    {"  \"= padded \"  ,x", std::vector<std::string>{"= padded ", "x"}},
    {"\"=say \"\"hi\"\"\"", std::vector<std::string>{"=say \"hi\""}},
    {"=a \"b\" c", std::vector<std::string>{"=a \"b\" c"}},
    {"a,,b", std::vector<std::string>{"a", "", "b"}},
    {"a,", std::vector<std::string>{"a", ""}},
    {"", std::vector<std::string>{""}},
    {"\"=open", std::nullopt},
    {"\"=closed\" trailing,x", std::nullopt},
};

class SplitColumnListTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitColumnListTest, GivesTheItemsUnquotedAndTrimmed)
{
    EXPECT_EQ(SplitColumnList(GetParam().szList), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(Lists, SplitColumnListTest, ::testing::ValuesIn(kSplitCases));

// A column as the engine sees it: a table field's id, or a custom column's kind and value.
struct Column {
    int nId;
    std::string name;
    int nType;
    std::string value;  // a number or text of a custom column; empty for a table field

    bool operator==(const Column&) const = default;
};

void PrintTo(const Column& c, std::ostream* out)
{
    *out << "{" << c.nId << ", \"" << c.name << "\", " << c.nType << ", \"" << c.value << "\"}";
}

std::vector<Column> ColumnsOf(TColumnList& columns)
{
    std::vector<Column> read;
    for (void* p = columns.List().GetFirst(); p != nullptr; p = columns.List().GetNext()) {
        const auto& entry = *static_cast<const CsvFieldEntry*>(p);
        std::string value;
        if (entry.vValue.vt == VT_I4)
            value = std::to_string(entry.vValue.lVal);
        else if (entry.vValue.vt == VT_BSTR)
            for (const OLECHAR* pUnit = entry.vValue.bstrVal; *pUnit != 0; ++pUnit)
                value += *pUnit < 0x80 ? static_cast<char>(*pUnit) : '?';
        read.push_back({entry.nId, entry.szName, IsCustomField(&entry) ? entry.nType : 0, value});
    }
    return read;
}

struct NotationCase {
    const char* szName;
    const char* szList;
    std::vector<Column> columns;
};

void PrintTo(const NotationCase& c, std::ostream* out) { *out << c.szName; }

constexpr int kCustom = CUSTOM_FIELD_ID;

// Contacts: First Name 32, Last Name 47, Email 1 23.
const NotationCase kNotationCases[] = {
    {"FieldsInAnyCase", "first name,LAST NAME, Email 1",
     {{32, "First Name", 0, ""}, {47, "Last Name", 0, ""}, {23, "Email 1", 0, ""}}},
    {"SequenceFromAnyWholeNumber", "#seq:100,#SEQ:-7,#seq:+3",
     {{kCustom, "Custom Field", CUSTOM_KIND_SEQUENCE, "100"},
      {kCustom, "Custom Field", CUSTOM_KIND_SEQUENCE, "-7"},
      {kCustom, "Custom Field", CUSTOM_KIND_SEQUENCE, "3"}}},
    {"FixedTextsEmptyAndQuoted", "=Customer,=,\"=a, b\"",
     {{kCustom, "Custom Field", CUSTOM_KIND_TEXT, "Customer"},
      {kCustom, "Custom Field", CUSTOM_KIND_TEXT, ""},
      {kCustom, "Custom Field", CUSTOM_KIND_TEXT, "a, b"}}},
    {"NonAsciiFixedText", "=Caf\xC3\xA9", {{kCustom, "Custom Field", CUSTOM_KIND_TEXT, "Caf?"}}},
    {"CopiesTakeTheFieldsName", "@email 1,First Name,@First Name",
     {{kCustom, "Email 1", CUSTOM_KIND_FIELD, "23"},
      {32, "First Name", 0, ""},
      {kCustom, "First Name", CUSTOM_KIND_FIELD, "32"}}},
    {"ColumnsOfNothing", "-,none,None",
     {{kCustom, "None", CUSTOM_KIND_TEXT, ""},
      {kCustom, "None", CUSTOM_KIND_TEXT, ""},
      {kCustom, "None", CUSTOM_KIND_TEXT, ""}}},
};

class AddNotatedColumnsTest : public ::testing::TestWithParam<NotationCase> {};

TEST_P(AddNotatedColumnsTest, MakesTheColumnsTheWizardWould)
{
    TColumnList columns;
    const auto problem = AddNotatedColumns(*FindConvKind(FLAG_ADDR), "contacts", GetParam().szList, columns);
    ASSERT_FALSE(problem) << problem->message;
    EXPECT_EQ(ColumnsOf(columns), GetParam().columns);
}

INSTANTIATE_TEST_SUITE_P(Notation, AddNotatedColumnsTest, ::testing::ValuesIn(kNotationCases),
                         [](const auto& info) { return std::string(info.param.szName); });

struct RefusedCase {
    const char* szName;
    const char* szList;
    bool bUnknownField;
    std::size_t nColumnsBefore;  // the columns added before the one refused
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.szName; }

const RefusedCase kRefusedCases[] = {
    {"UnknownField", "First Name,Shoe Size", true, 1},
    {"UnknownCopiedField", "@Shoe Size", true, 0},
    {"SequenceWithoutNumber", "#seq:", false, 0},
    {"SequenceOfText", "First Name,#seq:1x", false, 1},
    {"SequenceBeyondALong", "#seq:2147483648", false, 0},
    {"HashWithoutSequence", "#100", false, 0},
    {"EmptyColumn", "First Name,,Last Name", false, 1},
    {"SameFieldTwice", "Last Name,First Name,last name", false, 2},
    {"UnclosedQuote", "\"=Room 4", false, 0},
};

class RefusedNotationTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedNotationTest, SaysWhatIsWrongAndKeepsWhatCameBefore)
{
    TColumnList columns;
    const auto problem = AddNotatedColumns(*FindConvKind(FLAG_ADDR), "contacts", GetParam().szList, columns);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->bUnknownField, GetParam().bUnknownField) << problem->message;
    EXPECT_FALSE(problem->message.empty());
    EXPECT_EQ(columns.Count(), GetParam().nColumnsBefore);
}

INSTANTIATE_TEST_SUITE_P(Notation, RefusedNotationTest, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.szName); });

}  // namespace
