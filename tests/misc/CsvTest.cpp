#include "common/misc/CxFile.h"

#include "common/misc/CsvRecordWalker.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// Whether a quoted field is still open at the end of text, as the import's walk finds it.
bool EndsInsideQuotes(std::string_view text, char quote, char delimiter)
{
    TCsvRecordWalker walker(text, quote, delimiter);
    for (std::string_view record; walker.Next(record);)
        continue;  // only how the last record ends matters
    return walker.EndsInsideQuotes();
}

// The values quoted and joined by commas, as the export writes a row.
std::string QuotedRow(const std::vector<std::string>& values, char quote)
{
    std::string row;
    for (const std::string& value : values) {
        if (&value != &values.front())
            row += ',';
        row += QuoteCsvValue(value, quote);
    }
    return row;
}

std::vector<std::string> Fields(const CSV& csv)
{
    std::vector<std::string> fields;
    for (std::uint32_t i = 0; i < csv.GetCount(); ++i)
        fields.emplace_back(csv.GetItem(i));
    return fields;
}

struct SplitCase {
    const char* name;
    char quote;  // 0: quoting off
    std::string line;
    std::vector<std::string> expected;
    char delimiter = ',';
};

const SplitCase kSplitCases[] = {
    // Quoting off: the line is cut at each delimiter and nothing else.
    {"bare fields with an empty one", 0, "a,b,,c\r\n", {"a", "b", "", "c"}},
    {"bare line feed only", 0, "a,b,,c\n", {"a", "b", "", "c"}},
    {"no comma", 0, "abc\r\n", {"abc"}},
    {"no line end", 0, "abc", {"abc"}},
    {"leading comma", 0, ",a", {"", "a"}},
    {"trailing comma", 0, "a,\r\n", {"a", ""}},
    {"line end alone", 0, "\r\n", {""}},
    {"carriage return inside stays", 0, "a\rb,c", {"a\rb", "c"}},
    {"quotes are text without quoting", 0, "\"x\",y", {"\"x\"", "y"}},

    // Every value quoted and inner quotes doubled, as this program writes.
    {"bar quote protects a comma", '|', "|a|,|b,c|,||\r\n", {"a", "b,c", ""}},
    {"leading comma with quoting", '"', ",\"a\"", {"", "a"}},
    {"quoted fields", '"', "\"a\",\"b\"\r\n", {"a", "b"}},
    {"doubled quote becomes one", '"', "\"a\"\"b\",\"c\"", {"a\"b", "c"}},
    {"doubled quote at the value's end", '"', "\"x\"\"\",\"y\"", {"x\"", "y"}},
    {"value of one quote and an empty value", '"', "\"\"\"\",\"\"", {"\"", ""}},
    {"commas after a doubled quote stay protected", '"', "\"a,\"\"b\"\",c\",\"d\"", {"a,\"b\",c", "d"}},
    {"line end inside a quoted value", '"', "\"a\r\nb\",\"c\"\r\n", {"a\r\nb", "c"}},
    {"doubled quote before a line end inside", '"', "\"a\"\"\nb\"", {"a\"\nb"}},

    // Minimal quoting, as Python's csv module and spreadsheets write: only values holding
    // the delimiter, a quote or a line end are quoted.
    {"python minimal quoting", '"', "Smith,\"12 Main St, Apt 4\",\"say \"\"hi\"\"\",,\"l1\nl2\"\r\n",
     {"Smith", "12 Main St, Apt 4", "say \"hi\"", "", "l1\nl2"}},
    {"python row of one empty value", '"', "\"\"\r\n", {""}},
    {"bare fields with quoting on", '"', "abc,x,\r\n", {"abc", "x", ""}},
    {"one-character field", '"', "x", {"x"}},
    {"one-character fields between commas", '"', "x,y,\"z\"", {"x", "y", "z"}},
    {"spreadsheet numbers bare, text quoted", '"', "\"Smith\",42,\"\",3.5", {"Smith", "42", "", "3.5"}},
    {"spreadsheet semicolons with decimal commas", '"', "M\xC3\xBCller;1,5;\"a;b\"", {"M\xC3\xBCller", "1,5", "a;b"},
     ';'},
    {"tab-separated with a quoted tab", '"', "a\t\"b\tc\"\t\r\n", {"a", "b\tc", ""}, '\t'},
    {"comma is text between tabs", '"', "a,b\tc", {"a,b", "c"}, '\t'},
    {"quoted comma is text between semicolons", '\'', "'x,y';'it''s'", {"x,y", "it's"}, ';'},

    // Files of old versions, which did not double quotes inside values.
    {"single quotes inside stay", '"', "\"a\"b\"c\"", {"a\"b\"c"}},
    {"single quote inside stays", '"', "\"a\"b\"", {"a\"b"}},
    {"quoted words inside a value", '"', "\"say \"hi\" there\",\"x\"", {"say \"hi\" there", "x"}},
    {"bar quotes inside a value", '|', "|x|y|,|z|", {"x|y", "z"}},

    // A quote character inside a field that does not begin with one is text.
    {"quote inside a bare field", '"', "a\"b,c", {"a\"b", "c"}},
    {"inches mark", '"', "5'11\",\"tall\"", {"5'11\"", "tall"}},
    {"doubled quotes inside a bare field stay doubled", '"', "ab\"\",c", {"ab\"\"", "c"}},
    {"bare field ending in a quote", '"', "O\"Brien\",\"x\"", {"O\"Brien\"", "x"}},
    {"space before a quote makes the field bare", '"', " \"a\",b", {" \"a\"", "b"}},

    // Quoted fields that do not close where a writer would close them.
    {"never closed", '"', "\"abc", {"abc"}},
    {"never closed after a bare field", '"', "a,\"b,c\r\n", {"a", "b,c"}},
    {"space after the closing quote keeps it open", '"', "\"a\" ,b", {"a\" ,b"}},
    {"text after a quote closed by a line end stays", '"', "\"a\"\rb\"c,d", {"a\rb\"c", "d"}},
    {"quoted text after a line end stays as it is", '"', "\"a\"\r\n\"\"b\",c", {"a\r\n\"\"b\"", "c"}},
};
TEST(CsvSplit, SplitsLinesIntoFields)
{
    for (const SplitCase& c : kSplitCases) {
        CSV csv;
        csv.SetQuote(c.quote);
        csv.SetDelimiter(c.delimiter);
        ASSERT_TRUE(csv.Parse(c.line.c_str())) << c.name;
        EXPECT_EQ(Fields(csv), c.expected) << c.name;
    }
}

TEST(CsvSplit, OneObjectServesManyLines)
{
    CSV csv;
    for (int round = 0; round < 2; ++round) {
        for (const SplitCase& c : kSplitCases) {
            csv.SetQuote(c.quote);
            csv.SetDelimiter(c.delimiter);
            ASSERT_TRUE(csv.Parse(c.line.c_str())) << c.name;
            EXPECT_EQ(Fields(csv), c.expected) << c.name;
        }
    }
}

TEST(CsvSplit, ConstructorParsesWithTheDoubleQuote)
{
    const CSV quoted("\"a\",\"b,c\"", true);
    EXPECT_EQ(Fields(quoted), (std::vector<std::string>{"a", "b,c"}));
    const CSV bare("\"a\",\"b,c\"");
    EXPECT_EQ(Fields(bare), (std::vector<std::string>{"\"a\"", "\"b", "c\""}));
    const CSV empty("");
    EXPECT_EQ(empty.GetCount(), 0u);
    const CSV absent;
    EXPECT_EQ(absent.GetCount(), 0u);
    EXPECT_STREQ(absent.GetItem(0), "");
}

TEST(CsvSplit, SetQuoteOfZeroSwitchesQuotingOff)
{
    CSV csv(nullptr, true);
    csv.SetQuote('\0');
    ASSERT_TRUE(csv.Parse("\"a,b\""));
    EXPECT_EQ(Fields(csv), (std::vector<std::string>{"\"a", "b\""}));
}

TEST(CsvSplit, ViewsAreSplitWithinTheirBounds)
{
    CSV csv;
    csv.SetQuote('"');
    const std::string text = "a,\"b\",c\r\nnext,\"line";
    ASSERT_TRUE(csv.Parse(std::string_view(text).substr(0, 5)));
    EXPECT_EQ(Fields(csv), (std::vector<std::string>{"a", "b"}));
    ASSERT_TRUE(csv.Parse(std::string_view(text).substr(9, 7)));
    EXPECT_EQ(Fields(csv), (std::vector<std::string>{"next", "l"}));
    EXPECT_FALSE(csv.Parse(std::string_view(text).substr(3, 0)));
    EXPECT_EQ(Fields(csv), (std::vector<std::string>{"next", "l"}));
}

TEST(CsvSplit, ZeroBytesInAViewEndOnlyTheirField)
{
    CSV csv;
    csv.SetQuote('"');
    ASSERT_TRUE(csv.Parse(std::string_view("a\0b,\"c\0\",d", 10)));
    EXPECT_EQ(Fields(csv), (std::vector<std::string>{"a", "c", "d"}));
}

TEST(CsvSplit, DelimiterChangesBetweenLines)
{
    CSV csv;
    csv.SetQuote('"');
    const struct {
        char delimiter;
        std::vector<std::string> expected;
    } cases[] = {
        {',', {"a;b\tc", "d\";e"}},
        {';', {"a", "b\tc,\"d\"", "e"}},
        {'\t', {"a;b", "c,\"d\";e"}},
    };
    for (const auto& c : cases) {
        csv.SetDelimiter(c.delimiter);
        ASSERT_TRUE(csv.Parse("a;b\tc,\"d\";e"));
        EXPECT_EQ(Fields(csv), c.expected) << "delimiter " << int{c.delimiter};
    }
}

TEST(CsvSplit, EmptyOrAbsentLineKeepsThePreviousFields)
{
    CSV csv;
    ASSERT_TRUE(csv.Parse("a,b\r\n"));
    EXPECT_FALSE(csv.Parse(""));
    EXPECT_FALSE(csv.Parse(nullptr));
    EXPECT_EQ(Fields(csv), (std::vector<std::string>{"a", "b"}));
}

TEST(CsvSplit, IndexesBeyondTheFieldsGiveTheEmptyText)
{
    CSV csv;
    ASSERT_TRUE(csv.Parse("a,b"));
    EXPECT_STREQ(csv.GetItem(csv.GetCount()), "");
    EXPECT_STREQ(csv.GetItem(1000), "");
    csv.Clear();
    EXPECT_EQ(csv.GetCount(), 0u);
    EXPECT_STREQ(csv.GetItem(0), "");
}

TEST(CsvSplit, LongLinesAfterShortOnes)
{
    CSV csv;
    csv.SetQuote('"');
    for (const std::size_t count : {3u, 5000u, 1u, 20000u, 2u}) {
        std::vector<std::string> values;
        for (std::size_t i = 0; i < count; ++i)
            values.push_back(std::to_string(i));
        const std::string line = QuotedRow(values, '"') + "\r\n";
        ASSERT_TRUE(csv.Parse(line.c_str()));
        ASSERT_EQ(csv.GetCount(), count);
        EXPECT_EQ(std::string(csv.GetItem(0)), "0");
        EXPECT_EQ(std::string(csv.GetItem(static_cast<std::uint32_t>(count - 1))), std::to_string(count - 1));
    }
}

TEST(CsvSplit, QuotedValuesOfEveryLengthAndPosition)
{
    // Quote characters, commas and bytes above 0x7F land on every position of an
    // eight-byte word.
    const std::string alphabet = "ab,\"c\xA2\xC3\xA9|";
    for (const char quote : {'"', '|'}) {
        CSV csv;
        csv.SetQuote(quote);
        for (std::size_t first = 0; first < 20; ++first) {
            for (std::size_t second = 0; second < 20; ++second) {
                std::vector<std::string> values(2);
                for (std::size_t i = 0; i < first; ++i)
                    values[0] += alphabet[(i + second) % alphabet.size()];
                for (std::size_t i = 0; i < second; ++i)
                    values[1] += alphabet[(i * 3 + first) % alphabet.size()];
                const std::string line = QuotedRow(values, quote);
                ASSERT_TRUE(csv.Parse(line.c_str()));
                EXPECT_EQ(Fields(csv), values) << "quote " << quote << ", lengths " << first << " and " << second;
            }
        }
    }
}

TEST(CsvSplit, AOneMegabyteLineSplitsWhole)
{
    // 1 MB of fields, one of them a 500 kB value full of commas and doubled quotes.
    const std::string big(500000, ',');
    std::vector<std::string> expected{big + "\"" + big.substr(0, 10) + "\""};
    for (std::size_t size = expected.back().size(); size < (1u << 20); size += expected.back().size() + 3)
        expected.push_back(std::string("value ").append(std::to_string(expected.size())));
    const std::string line = QuotedRow(expected, '"') + "\r\n";
    ASSERT_GE(line.size(), 1u << 20);

    CSV csv;
    csv.SetQuote('"');
    ASSERT_TRUE(csv.Parse(line.c_str()));
    EXPECT_EQ(Fields(csv), expected);
}

TEST(CsvQuote, EnclosesAndDoublesTheQuoteCharacter)
{
    const struct {
        std::string value;
        char quote;
        std::string expected;
    } cases[] = {
        {"Smith", '"', "\"Smith\""},
        {"", '"', "\"\""},
        {"a\"b", '"', "\"a\"\"b\""},
        {"\"\"", '"', "\"\"\"\"\"\""},
        {"x|y", '|', "|x||y|"},
        {"x\"y", '|', "|x\"y|"},
        {"a,b", '\0', "a,b"},
        {"a\"b", '\0', "a\"b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuoteCsvValue(c.value, c.quote), c.expected) << c.value;
}

TEST(CsvQuote, QuotedValuesSurviveTheSplit)
{
    const std::vector<std::string> values = {
        "Smith", "", "a,b", "say \"hi\"", "\"", "\"\"", ",\",", "|", "x|y||z", "line 1\r\nline 2", "end\r\n",
        "\xC3\xA9t\xC3\xA9", "a;\"b\"\t;", "\"\r", "\"\n\"",
    };
    for (const char delimiter : {',', ';', '\t'}) {
        for (const char quote : {'"', '|', '\''}) {
            std::string row;
            for (const std::string& value : values)
                row += (row.empty() ? "" : std::string(1, delimiter)) + QuoteCsvValue(value, quote);
            row += "\r\n";
            CSV csv;
            csv.SetQuote(quote);
            csv.SetDelimiter(delimiter);
            ASSERT_TRUE(csv.Parse(row.c_str()));
            EXPECT_EQ(Fields(csv), values) << "quote " << quote << ", delimiter " << int{delimiter};
            EXPECT_FALSE(EndsInsideQuotes(row, quote, delimiter)) << "quote " << quote;
        }
    }
}

TEST(CsvQuote, QuoteStateAtTheEndOfText)
{
    const struct {
        std::string text;
        char quote;
        char delimiter;
        bool open;
    } cases[] = {
        {"\"a\",\"b\"\r\n", '"', ',', false},
        {"\"a\r\n", '"', ',', true},
        {"\"a\"\"b\r\n", '"', ',', true},
        {"\"a\"\"b\"\r\n", '"', ',', false},
        {"\"a\"\"", '"', ',', true},
        {"\"a\"b", '"', ',', true},
        {"|x|y|", '|', ',', false},
        {"\"open", '\0', ',', false},
        {"", '"', ',', false},
        {"a\"b\r\n", '"', ',', false},
        {"5\"x,y", '"', ',', false},
        {"a,\"b", '"', ',', true},
        {"a;\"b", '"', ',', false},
        {"a;\"b", '"', ';', true},
        {"a\t\"b\nc", '"', '\t', true},
        {"\"a\"\r\n\"b", '"', ',', true},
        {"\"a\"\r", '"', ',', false},
        {"\"a\r\"\"\n", '"', ',', true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EndsInsideQuotes(c.text, c.quote, c.delimiter), c.open) << c.text;
}

}  // namespace
