#include "common/misc/CsvRecordWalker.h"

#include "common/misc/CxFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct WalkCase {
    const char* name;
    std::string text;
    std::vector<std::string> expected;
    bool endsInsideQuotes = false;
    char quote = '"';
    char delimiter = ',';
};

const WalkCase kWalkCases[] = {
    {"empty text", "", {}},
    {"no line end at the end", "a,b", {"a,b"}},
    {"line end at the end starts no record", "a,b\r\n", {"a,b"}},
    {"mixed line ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
    {"blank lines are empty records", "a\n\n\r\n\rb\n", {"a", "", "", "", "b"}},
    {"line feed before a carriage return is two line ends", "a\n\rb", {"a", "", "b"}},
    {"a lone line end", "\n", {""}},
    {"line ends inside a quoted value", "\"x\r\ny\",z\r\nnext", {"\"x\r\ny\",z", "next"}},
    {"lone carriage return and line feed inside", "\"1\r2\n3\"\r4", {"\"1\r2\n3\"", "4"}},
    {"quote inside a bare field opens nothing", "5\"x,y\nnext\"\n", {"5\"x,y", "next\""}},
    {"doubled quote before a line end inside", "\"a\"\"\nb\"\nc", {"\"a\"\"\nb\"", "c"}},
    {"closing quote before a line end", "\"a\"\nb", {"\"a\"", "b"}},
    {"single quote inside an old value", "\"a\"b\nc\"\nd", {"\"a\"b\nc\"", "d"}},
    {"quoted field after a bare one", "a,\"b\nc\",d\ne", {"a,\"b\nc\",d", "e"}},
    {"never closed", "\"open\r\nrest\r\n", {"\"open\r\nrest\r\n"}, true},
    {"doubled quote at the end leaves it open", "x,\"a\"\"", {"x,\"a\"\""}, true},
    {"quote at the very end closes", "x,\"a\nb\"", {"x,\"a\nb\""}},
    {"no quoting", "\"a\nb\"", {"\"a", "b\""}, false, '\0'},
    {"semicolon delimiter", "a;\"b\nc\";d\ne", {"a;\"b\nc\";d", "e"}, false, '"', ';'},
    {"quote after a semicolon between commas", "a;\"b\nc\";d\ne", {"a;\"b", "c\";d", "e"}},
    {"tab delimiter", "a\t\"b\r\nc\"\td\r\n", {"a\t\"b\r\nc\"\td"}, false, '"', '\t'},
    {"bar quote", "|x\n|,|y|\n|z|\n", {"|x\n|,|y|", "|z|"}, false, '|'},
};

TEST(CsvRecordWalker, SplitsTextIntoRecords)
{
    for (const WalkCase& c : kWalkCases) {
        TCsvRecordWalker walker(c.text, c.quote, c.delimiter);
        std::vector<std::string> records;
        for (std::string_view record; walker.Next(record);)
            records.emplace_back(record);
        EXPECT_EQ(records, c.expected) << c.name;
        EXPECT_EQ(walker.EndsInsideQuotes(), c.endsInsideQuotes) << c.name;
        std::string_view after;
        EXPECT_FALSE(walker.Next(after)) << c.name;
    }
}

// Records are views into the text, in order, and what lies between two of them is one line end.
TEST(CsvRecordWalker, RecordsAndLineEndsMakeUpTheText)
{
    std::string text;
    const char* const lineEnds[] = {"\r\n", "\n", "\r"};
    for (int row = 0; row < 300; ++row) {
        if (row % 7 != 0)
            text += "\"v" + std::to_string(row) + "\r\nx\"\"\"," + std::to_string(row) + ";b\"c";
        text += lineEnds[row % 3];
    }
    TCsvRecordWalker walker(text, '"', ',');
    std::size_t position = 0;
    std::size_t count = 0;
    for (std::string_view record; walker.Next(record); ++count) {
        ASSERT_EQ(record.data(), text.data() + position) << count;
        position += record.size();
        const std::size_t lineEnd = text.compare(position, 2, "\r\n") == 0 ? 2 : 1;
        ASSERT_TRUE(text[position] == '\r' || text[position] == '\n') << count;
        position += lineEnd;
    }
    EXPECT_EQ(position, text.size());
    EXPECT_EQ(count, 300u);
}

// What the program's export writes, with any delimiter, reads back value for value.
TEST(CsvRecordWalker, WrittenRowsSplitBackIntoTheirValues)
{
    const std::vector<std::vector<std::string>> rows = {
        {"Smith", "John", "12 Main St, Apt 4; Floor 2"},
        {"O\"Brien", "say \"hi\"\r\n", ""},
        {"Note", "line 1\rline 2\nline 3\r\n", "\t\"tabbed\"\t"},
        {"\xCE\x95\xCE\xBB", "\xE6\xBC\xA2", "\xF0\x9F\x98\x80"},
        {"", "", ""},
    };
    for (const char delimiter : {',', ';', '\t'}) {
        std::string text;
        for (const auto& row : rows) {
            for (const std::string& value : row)
                text += (&value == &row.front() ? "" : std::string(1, delimiter)) + QuoteCsvValue(value, '"');
            text += "\r\n";
        }
        CSV csv;
        csv.SetQuote('"');
        csv.SetDelimiter(delimiter);
        TCsvRecordWalker walker(text, '"', delimiter);
        std::vector<std::vector<std::string>> read;
        for (std::string_view record; walker.Next(record);) {
            ASSERT_TRUE(csv.Parse(record));
            read.emplace_back();
            for (std::uint32_t field = 0; field < csv.GetCount(); ++field)
                read.back().emplace_back(csv.GetItem(field));
        }
        EXPECT_EQ(read, rows) << "delimiter " << int{delimiter};
    }
}

TEST(CsvRecordWalker, ManyRowsWithMultiLineValues)
{
    std::string text;
    for (int row = 0; row < 100000; ++row)
        text += "\"" + std::to_string(row) + "\",\"note\r\nsecond line\",bare\r\n";
    TCsvRecordWalker walker(text, '"', ',');
    std::size_t count = 0;
    std::string_view last;
    for (std::string_view record; walker.Next(record); ++count)
        last = record;
    EXPECT_EQ(count, 100000u);
    EXPECT_EQ(last, "\"99999\",\"note\r\nsecond line\",bare");
}

}  // namespace
