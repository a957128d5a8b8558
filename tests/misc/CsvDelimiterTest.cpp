#include "common/misc/CsvDelimiter.h"

#include "common/misc/CxFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeated(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line;
    return text;
}

TEST(CsvDelimiterDetection, PicksTheDelimiterOfTheFile)
{
    const struct {
        const char* name;
        std::string text;
        char expected;
        char quote = '"';
    } cases[] = {
        {"empty text", "", ','},
        {"blank lines only", "\r\n\n\r", ','},
        {"comma file", "Name,City\r\nAnn,Paris\r\nBob,Rome\r\n", ','},
        {"semicolon file with decimal commas", "Name;Amount\r\nAnn;1,5\r\nBob;2,25\r\n", ';'},
        {"tab file with commas in values", "Name\tCity\nAnn\tParis, France\nBob\tRome\n", '\t'},
        {"comma and semicolon tie", "a,b;c\nd,e;f\n", ','},
        {"semicolon and tab tie", "a;b\tc\nd;e\tf\n", ';'},
        {"most fields wins", "a;b;c,d\ne;f;g,h\n", ';'},
        {"quoted commas between semicolons", "\"a,b\";\"c,d\"\n\"e,f\";\"g,h\"\n", ';'},
        {"quoted semicolons make no semicolon file", "\"x;y\"\n\"z;w\"\n", ','},
        {"one-column file", "Name\nAnn\nBob\n", ','},
        {"quotes off split quoted values", "\"a,b\";c\n\"d,e\";f\n", ',', '\0'},
        {"quoted values with line ends", "\"a\nb\";c\n\"d;e\nf\";g\n", ';'},
        {"blank lines do not break consistency", "\n\na;b\n\r\n\nc;d\n\n", ';'},
        {"no consistent delimiter: the larger share", "a;b;c\nd;e;f\ng;h\ni,j\n", ';'},
        {"no consistent delimiter: comma's larger share", "a,b\nc,d,e\nf,g\nh;i\nj;k;l\n", ','},
        {"equal shares go to semicolon before tab", "a;b\nc\td\ne\n", ';'},
        {"only the first twenty records count", Repeated("a;b\n", 20) + Repeated("a,b,c\n", 40), ';'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectCsvDelimiter(c.text, c.quote), c.expected) << c.name;
}

TEST(CsvDelimiterDetection, BlankLinesDoNotUseUpTheSample)
{
    // With the blank lines counted, the sample would end before the semicolon rows.
    const std::string text = Repeated("\n", 30) + Repeated("a;b\n", 20) + Repeated("a,b,c\n", 40);
    EXPECT_EQ(DetectCsvDelimiter(text, '"'), ';');
}

TEST(CsvFieldCount, CountsTheFieldsOfOneRecord)
{
    const struct {
        std::string record;
        char quote;
        char delimiter;
        std::size_t expected;
    } cases[] = {
        {"", '"', ',', 0},
        {"a", '"', ',', 1},
        {",", '"', ',', 2},
        {"a,\"b,c\",d", '"', ',', 3},
        {"a,\"b,c\",d", '\0', ',', 4},
        {"a;\"b;c\";d", '"', ',', 1},
        {"a;\"b;c\";d", '"', ';', 3},
        {"a\t\"b\tc\"", '"', '\t', 2},
        {"5\"x,y", '"', ',', 2},
        {"\"a\"b,c\",d", '"', ',', 2},
        {"\"a\"\",b\",c", '"', ',', 2},
        {"\"open,still", '"', ',', 1},
        {"\"a\"\rb,c", '"', ',', 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountCsvFields(c.record, c.quote, c.delimiter), c.expected) << c.record;
}

// The count and the splitter read the quoting alike, so the column count the file shows is
// the number of fields each record gives.
TEST(CsvFieldCount, AgreesWithTheSplitter)
{
    const std::string records[] = {
        "a,b",       "\"a\",\"b\"",      "\"a,b\"",   "\"a\"\"b\",c",    "\"a\"b\"c\",d", "a\"b,c",
        "\"a\" ,b",  "\"\",\"\"",        ",,",        "\"a\"\r\"b,c",    "\"a\r\nb\",c",  "\"a;b\";c\td",
        "\"\"\"\"", "\"x\"\"\",\"y\"", "\"a\",\"b", "a;b\t\"c;d\"\te", "\"\t\",\";\"",  "'a,b';'c''d'",
    };
    CSV csv;
    for (const char quote : {'"', '\'', '\0'}) {
        for (const char delimiter : {',', ';', '\t'}) {
            csv.SetQuote(quote);
            csv.SetDelimiter(delimiter);
            for (const std::string& record : records) {
                ASSERT_TRUE(csv.Parse(record));
                EXPECT_EQ(CountCsvFields(record, quote, delimiter), csv.GetCount())
                    << record << ", quote " << int{quote} << ", delimiter " << int{delimiter};
            }
        }
    }
}

TEST(CsvFieldCount, ColumnsOfTheFirstNonBlankRecord)
{
    const struct {
        std::string text;
        char delimiter;
        std::size_t expected;
    } cases[] = {
        {"", ',', 0},
        {"\r\n\r\n", ',', 0},
        {"\n\na;b;c\nd\n", ';', 3},
        {"\"Name\",\"Notes\"\r\n\"Ann\",\"x\"", ',', 2},
        {"\"a\nb\",c\nd", ',', 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountCsvColumns(c.text, '"', c.delimiter), c.expected) << c.text;
}

}  // namespace
