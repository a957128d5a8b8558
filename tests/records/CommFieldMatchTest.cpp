// The duplicate test matches keys through one normalised text per record; a later index
// relies on it. For every compared field of the four tables, equal keys must mean equal
// fields and nothing else.
#include "records/CommFieldMatch.h"
#include "records/CommFieldTables.h"

#include "RecordTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A record-sized zero block whose one member is set through the row.
class Sample {
public:
    explicit Sample(std::size_t nSize) : m_bytes(nSize, '\0') {}

    template <typename T>
    void Set(const CommFieldRow& row, const T& value)
    {
        std::memcpy(m_bytes.data() + row.nOffset, &value, sizeof value);
    }
    void SetText(const CommFieldRow& row, const std::string& text)
    {
        CutText(m_bytes.data() + row.nOffset, row.nWidth, text);
    }
    const void* Data() const { return m_bytes.data(); }

private:
    std::vector<char> m_bytes;
};

// Values that differ only in what the match rules ignore, and values that really differ.
std::vector<Sample> SamplesFor(const CommFieldRow& row, std::size_t nRecordSize)
{
    std::vector<Sample> samples;
    const auto add = [&](auto setter) {
        samples.emplace_back(nRecordSize);
        setter(samples.back());
    };
    switch (row.member) {
    case CommMemberType::Text:
        for (const char* szText : {"", "abc", "ABC", "ab\r\nc", "abc\n", "ABC\r", "abd", "\r\n", "\n", "ab"})
            add([&](Sample& s) { s.SetText(row, szText); });
        break;
    case CommMemberType::SystemTime:
        for (const SYSTEMTIME& st : {SYSTEMTIME{}, platform::MakeSystemTime(2004, 5, 1, 9), platform::MakeSystemTime(2004, 5, 1, 17, 30),
                                     platform::MakeSystemTime(2004, 5, 2, 9), platform::MakeSystemTime(2005, 5, 1, 9)})
            add([&](Sample& s) { s.Set(row, st); });
        break;
    case CommMemberType::Long:
        for (const LONG n : {0, 1, -1, 256, 1})
            add([&](Sample& s) { s.Set(row, n); });
        break;
    case CommMemberType::Byte:
        for (const BYTE n : {0, 1, 2, 1})
            add([&](Sample& s) { s.Set(row, n); });
        break;
    case CommMemberType::Date:
        for (const DATE d : {0.0, -0.0, 1.5, 38053.25})
            add([&](Sample& s) { s.Set(row, d); });
        break;
    case CommMemberType::TimeT:
        for (const time_t t : {time_t{0}, time_t{-1}, time_t{1083412800}, time_t{-1}})
            add([&](Sample& s) { s.Set(row, t); });
        break;
    case CommMemberType::None:
        break;
    }
    return samples;
}

struct Kind {
    const char* szName;
    const CommKindFields* pFields;
    std::size_t nRecordSize;
};

TEST(CommMatchKey, EqualKeysExactlyWhenFieldsAreEqual)
{
    const Kind kinds[] = {
        {"contacts", &kCommAddrFields, sizeof(CommAddrRec)},
        {"calendar", &kCommDateFields, sizeof(CommDateRec)},
        {"tasks", &kCommTaskFields, sizeof(CommTaskRec)},
        {"notes", &kCommNoteFields, sizeof(CommNoteRec)},
    };
    int nComparedRows = 0;
    for (const Kind& kind : kinds) {
        for (const CommFieldRow& row : kind.pFields->rows) {
            if (row.match == CommFieldMatch::None)
                continue;
            ++nComparedRows;
            const std::vector<const CommFieldRow*> rows = {&row};
            const std::vector<Sample> samples = SamplesFor(row, kind.nRecordSize);
            int nEqualPairs = 0;
            for (const Sample& a : samples) {
                for (const Sample& b : samples) {
                    std::string keyA;
                    std::string keyB;
                    CommMakeMatchKey(rows, a.Data(), keyA);
                    CommMakeMatchKey(rows, b.Data(), keyB);
                    const bool bEqual = CommFieldsEqual(rows, a.Data(), b.Data());
                    EXPECT_EQ(keyA == keyB, bEqual) << kind.szName << " field " << row.pszName;
                    nEqualPairs += bEqual && &a != &b ? 1 : 0;
                }
            }
            // Each sample set holds distinct samples that the rule finds equal.
            EXPECT_GT(nEqualPairs, 0) << kind.szName << " field " << row.pszName;
        }
    }
    EXPECT_GT(nComparedRows, 0);
}

TEST(CommMatchKey, EmptyListMatchesNothing)
{
    auto rec = record_tests::NewRecord<CommNoteRec>();
    EXPECT_FALSE(CommFieldsEqual({}, rec.get(), rec.get()));
    const CommFieldRow* subject = &kCommNoteFields.rows[2];
    const std::vector<const CommFieldRow*> rows = {subject};
    EXPECT_FALSE(CommFieldsEqual(rows, rec.get(), nullptr));
    EXPECT_TRUE(CommFieldsEqual(rows, rec.get(), rec.get()));
}

}  // namespace
