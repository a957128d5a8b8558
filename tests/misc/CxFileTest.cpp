#include "common/misc/CxFile.h"

#include "common/misc/CsvRecordWalker.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

class CxFileTest : public ::testing::Test {
protected:
    std::string Path(const char* name = "data.csv") const { return m_dir.file(name); }

    void WriteBytes(const std::string& bytes, const char* name = "data.csv") const
    {
        std::ofstream out(Path(name), std::ios::binary);
        out << bytes;
    }

    std::string ReadBytes(const char* name = "data.csv") const
    {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The file's records as the import walks them, without their line ends.
    std::vector<std::string> Records(char quote, const char* name = "data.csv") const
    {
        CxFile file;
        EXPECT_TRUE(file.Open(Path(name).c_str(), "rb"));
        std::string text;
        EXPECT_TRUE(file.ReadRest(text));
        std::vector<std::string> records;
        TCsvRecordWalker walker(text, quote, ',');
        for (std::string_view record; walker.Next(record);)
            records.emplace_back(record);
        return records;
    }

private:
    testing_support::TempDir m_dir;
};

TEST_F(CxFileTest, OpenRefusesMissingArgumentsAndUnopenableFiles)
{
    CxFile file;
    const std::string path = Path();
    const std::string missingFolder = Path("no-such-folder/data.csv");
    EXPECT_FALSE(file.Open(nullptr, "wb"));
    EXPECT_FALSE(file.Open("", "wb"));
    EXPECT_FALSE(file.Open(path.c_str(), nullptr));
    EXPECT_FALSE(file.Open(path.c_str(), ""));
    EXPECT_FALSE(file.Open(missingFolder.c_str(), "wb"));
    EXPECT_FALSE(file.Open(path.c_str(), "rb"));  // does not exist yet
    ASSERT_TRUE(file.Open(path.c_str(), "wb"));
    EXPECT_FALSE(file.Open(Path("other.csv").c_str(), "wb"));  // one file at a time
    EXPECT_TRUE(file.WriteLine("kept"));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(), "kept\r\n");
}

TEST_F(CxFileTest, WriteLineEndsEveryLineWithCarriageReturnAndLineFeed)
{
    {
        CxFile file;
        ASSERT_TRUE(file.Open(Path().c_str(), "wb"));
        EXPECT_TRUE(file.WriteLine("\"Smith\",\"John\""));
        EXPECT_TRUE(file.WriteLine(nullptr));
        EXPECT_TRUE(file.WriteLine(""));
        EXPECT_TRUE(file.WriteLine("100% %s %d"));
        EXPECT_TRUE(file.Write(std::string_view("raw\0", 4)));
    }  // the destructor closes
    EXPECT_EQ(ReadBytes(), std::string("\"Smith\",\"John\"\r\n\r\n\r\n100% %s %d\r\nraw\0", 36));
}

TEST_F(CxFileTest, WritesNeedAnOpenFile)
{
    CxFile file;
    EXPECT_FALSE(file.WriteLine("x"));
    char buffer[8];
    EXPECT_EQ(file.ReadLine(buffer, sizeof buffer), nullptr);
    EXPECT_FALSE(file.Write("x"));
    EXPECT_EQ(file.Seek(0, SEEK_SET), -1);
    EXPECT_TRUE(file.Close());
}

TEST_F(CxFileTest, OverwriteAndAppendModes)
{
    WriteBytes("old\r\n");
    {
        CxFile file;
        ASSERT_TRUE(file.Open(Path().c_str(), "a+b"));
        EXPECT_TRUE(file.WriteLine("appended"));
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(ReadBytes(), "old\r\nappended\r\n");
    {
        CxFile file;
        ASSERT_TRUE(file.Open(Path().c_str(), "wb"));
        EXPECT_TRUE(file.WriteLine("new"));
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(ReadBytes(), "new\r\n");
}

TEST_F(CxFileTest, CloseReportsDataThatCouldNotBeWritten)
{
    CxFile file;
    ASSERT_TRUE(file.Open("/dev/full", "wb"));
    EXPECT_TRUE(file.WriteLine("buffered until the close"));
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(file.Close());  // nothing left open
}

TEST_F(CxFileTest, ReadLineKeepsLineEndsAndCutsLongLines)
{
    WriteBytes("a,b\r\nbare\nlong line of text\nlast");
    CxFile file;
    ASSERT_TRUE(file.Open(Path().c_str(), "rb"));
    char buffer[8];
    std::vector<std::string> lines;
    while (file.ReadLine(buffer, sizeof buffer) != nullptr)
        lines.emplace_back(buffer);
    EXPECT_EQ(lines, (std::vector<std::string>{"a,b\r\n", "bare\n", "long li", "ne of t", "ext\n", "last"}));
    EXPECT_EQ(file.ReadLine(nullptr, 8), nullptr);
}

TEST_F(CxFileTest, SeekRewinds)
{
    WriteBytes("first\r\nsecond\r\n");
    CxFile file;
    ASSERT_TRUE(file.Open(Path().c_str(), "rb"));
    char buffer[32];
    ASSERT_NE(file.ReadLine(buffer, sizeof buffer), nullptr);
    ASSERT_NE(file.ReadLine(buffer, sizeof buffer), nullptr);
    EXPECT_EQ(file.Seek(0, SEEK_SET), 0);
    ASSERT_NE(file.ReadLine(buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "first\r\n");
}

TEST_F(CxFileTest, ARecordLongerThanAnyLineBufferStaysWhole)
{
    const std::string longLine(1 << 20, 'x');
    WriteBytes("\"" + longLine + "\"\r\nnext\r\n");
    const std::vector<std::string> records = Records('"');
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].size(), longLine.size() + 2);
    CSV csv;
    csv.SetQuote('"');
    ASSERT_TRUE(csv.Parse(records[0].c_str()));
    ASSERT_EQ(csv.GetCount(), 1u);
    EXPECT_EQ(std::string(csv.GetItem(0)), longLine);
    EXPECT_EQ(records[1], "next");
}

TEST_F(CxFileTest, ReadRestGivesTheBytesFromTheReadingPosition)
{
    const std::string bytes = std::string("first\r\n\0\xFF\xFE", 10) + std::string(200000, 'x');
    WriteBytes(bytes);
    CxFile file;
    std::string rest = "stale";
    EXPECT_FALSE(file.ReadRest(rest));
    EXPECT_EQ(rest, "");
    ASSERT_TRUE(file.Open(Path().c_str(), "rb"));
    ASSERT_TRUE(file.ReadRest(rest));
    EXPECT_EQ(rest, bytes);
    ASSERT_TRUE(file.ReadRest(rest));
    EXPECT_EQ(rest, "");
    ASSERT_EQ(file.Seek(0, SEEK_SET), 0);
    char buffer[16];
    ASSERT_NE(file.ReadLine(buffer, sizeof buffer), nullptr);
    ASSERT_TRUE(file.ReadRest(rest));
    EXPECT_EQ(rest, bytes.substr(7));
}

TEST_F(CxFileTest, ReadRestOfAnEmptyFile)
{
    WriteBytes("");
    CxFile file;
    ASSERT_TRUE(file.Open(Path().c_str(), "rb"));
    std::string rest = "stale";
    ASSERT_TRUE(file.ReadRest(rest));
    EXPECT_EQ(rest, "");
}

TEST_F(CxFileTest, ExportedRowsReadBackAsTheSameValues)
{
    const std::vector<std::vector<std::string>> rows = {
        {"Smith", "John", "12 Main St, Apt 4"},
        {"O\"Brien", "say \"hi\"", ""},
        {"Note", "line 1\r\nline 2\r\n", "\"quoted\"\nbare line feed"},
        {"", "", ""},
    };
    for (const char quote : {'"', '\''}) {
        {
            CxFile file;
            ASSERT_TRUE(file.Open(Path().c_str(), "wb"));
            for (const auto& row : rows) {
                std::string line;
                for (const std::string& value : row) {
                    if (&value != &row.front())
                        line += ',';
                    line += QuoteCsvValue(value, quote);
                }
                ASSERT_TRUE(file.WriteLine(line.c_str()));
            }
            ASSERT_TRUE(file.Close());
        }
        const std::vector<std::string> records = Records(quote);
        ASSERT_EQ(records.size(), rows.size()) << "quote " << quote;
        CSV csv;
        csv.SetQuote(quote);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_TRUE(csv.Parse(records[i].c_str()));
            std::vector<std::string> values;
            for (std::uint32_t f = 0; f < csv.GetCount(); ++f)
                values.emplace_back(csv.GetItem(f));
            EXPECT_EQ(values, rows[i]) << "quote " << quote << ", row " << i;
        }
    }
}

}  // namespace
