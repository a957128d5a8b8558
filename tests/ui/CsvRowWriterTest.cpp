// The rows of an export run written in blocks: the file gets exactly the rows one by one
// writing would give, across block boundaries, and only rows that reached the file count.
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

const TConvKind& Contacts() { return *FindConvKind(FLAG_ADDR); }

// Contacts as loading leaves them, each with its item image; every seventh has none.
class People {
public:
    explicit People(int nCount)
    {
        for (int i = 0; i < nCount; ++i) {
            auto image = std::make_unique<OlAddrItem>();
            auto record = std::make_unique<CommAddrRec>();
            std::snprintf(image->FirstName, sizeof image->FirstName, "First \"%d\"", i);
            std::snprintf(image->LastName, sizeof image->LastName, "Last, %d", i);
            std::memset(image->Body, 'a' + i % 26, 200 + i % 300);
            if (i % 7 != 6) {
                record->pNative = image.get();
                record->nNativeSize = sizeof(OlAddrItem);
            }
            m_images.push_back(std::move(image));
            m_records.push_back(std::move(record));
        }
    }
    std::size_t Count() const { return m_records.size(); }
    const CommAddrRec* At(std::size_t i) const { return m_records[i].get(); }

private:
    std::vector<std::unique_ptr<OlAddrItem>> m_images;
    std::vector<std::unique_ptr<CommAddrRec>> m_records;
};

class Columns {
public:
    Columns()
    {
        for (const int nId : {kFirstName, kLastName, kNotes})
            list.Add(CopyFieldEntry(Contacts().GetFieldDef(static_cast<unsigned>(nId + 1))));
    }
    ~Columns() { list.RemoveAll(true); }
    CxList list;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(CsvRowWriter, BlocksHoldExactlyTheRowsWrittenOneByOne)
{
    testing_support::TempDir folder;
    Columns columns;
    const TCsvExporter exporter(Contacts(), columns.list, '"');
    // Small runs, and one long enough for several blocks.
    for (const int nCount : {0, 1, 6, 7, 1500}) {
        const People people(nCount);
        std::string expected;
        int nRows = 0;
        for (std::size_t i = 0; i < people.Count(); ++i) {
            std::string row;
            if (exporter.BuildRecordRow(people.At(i), static_cast<int>(i), row)) {
                expected += row + "\r\n";
                ++nRows;
            }
        }

        const std::string path = folder.file("rows-" + std::to_string(nCount) + ".csv");
        CxFile file;
        ASSERT_TRUE(file.Open(path.c_str(), "wb"));
        TCsvRowWriter writer(exporter, file);
        for (std::size_t i = 0; i < people.Count(); ++i)
            EXPECT_EQ(writer.Write(people.At(i), static_cast<int>(i)),
                      i % 7 == 6 ? TRowResult::Skipped : TRowResult::Written)
                << i;
        EXPECT_TRUE(writer.Finish());
        EXPECT_EQ(writer.Confirmed(), nRows);
        ASSERT_TRUE(file.Close());
        EXPECT_EQ(ReadAll(path), expected) << nCount << " records";
    }
}

TEST(CsvRowWriter, AFullDeviceConfirmsNoRowAndTakesNoMore)
{
    Columns columns;
    const TCsvExporter exporter(Contacts(), columns.list, '"');
    const People people(1500);
    CxFile file;
    ASSERT_TRUE(file.Open("/dev/full", "wb"));
    TCsvRowWriter writer(exporter, file);
    std::size_t nFailedAt = people.Count();
    for (std::size_t i = 0; i < people.Count() && nFailedAt == people.Count(); ++i) {
        if (writer.Write(people.At(i), static_cast<int>(i)) == TRowResult::WriteFailed)
            nFailedAt = i;
    }
    ASSERT_LT(nFailedAt, people.Count()) << "a block of 1500 rows must reach the device before the end";
    EXPECT_EQ(writer.Write(people.At(0), 0), TRowResult::WriteFailed);
    EXPECT_FALSE(writer.Finish());
    EXPECT_EQ(writer.Confirmed(), 0);
    file.Close();
}

}  // namespace
