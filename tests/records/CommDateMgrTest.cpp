#include "records/CommDateMgr.h"

#include "RecordTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using record_tests::FieldText;
using record_tests::SetText;

namespace {

using Edit = std::function<void(CommDateRec&)>;

const Edit kSame = [](CommDateRec&) {};

std::unique_ptr<CommDateRec> BaseItem()
{
    auto rec = record_tests::NewRecord<CommDateRec>();
    SetText(rec->szDescription, "Team meeting");
    SetText(rec->szLocation, "Room 4");
    rec->stStart = platform::MakeSystemTime(2004, 5, 1, 9, 0);
    rec->stEnd = platform::MakeSystemTime(2004, 5, 1, 10, 30);
    return rec;
}

std::unique_ptr<CommDateRec> EditedItem(const Edit& edit)
{
    auto rec = BaseItem();
    edit(*rec);
    return rec;
}

struct MatchCase {
    const char* szName;
    std::vector<Edit> stored;
    Edit incoming;
    int nIncomingIsStored;
    int nCode;
    int nFound;  // position of the record expected in ppFound, -1 for null
    int nIndex;
};

const Edit kOtherDay = [](CommDateRec& r) {
    r.stStart = platform::MakeSystemTime(2004, 5, 2, 9, 0);
    r.stEnd = platform::MakeSystemTime(2004, 5, 2, 10, 30);
};
const Edit kNoDescription = [](CommDateRec& r) { r.szDescription[0] = '\0'; };

const MatchCase kMatchCases[] = {
    {"EmptyManager", {}, kSame, -1, 2, -1, 0},
    {"RecordItself", {kOtherDay, kSame}, kSame, 1, 1, 1, 1},
    {"Identical", {kOtherDay, kSame}, kSame, -1, 1, 1, 1},
    {"OtherTimesOfTheSameDayAreIdentical", {kSame},
     [](CommDateRec& r) {
         r.stStart = platform::MakeSystemTime(2004, 5, 1, 14, 0);
         r.stEnd = platform::MakeSystemTime(2004, 5, 1, 15, 0);
     },
     -1, 1, 0, 0},
    {"LetterCaseIgnored", {kSame},
     [](CommDateRec& r) {
         SetText(r.szDescription, "TEAM Meeting");
         SetText(r.szLocation, "room 4");
     },
     -1, 1, 0, 0},
    {"LineBreakInDescriptionCounts", {kSame}, [](CommDateRec& r) { SetText(r.szDescription, "Team meeting\r\n"); }, -1, 2, -1, 1},
    {"OtherLocationAtFirstPosition", {kSame}, [](CommDateRec& r) { SetText(r.szLocation, "Room 5"); }, -1, 3, 0, 0},
    {"OtherStartDay", {kSame}, [](CommDateRec& r) { r.stStart.wDay = 2; }, -1, 2, -1, 1},
    {"OtherEndMonth", {kSame}, [](CommDateRec& r) { r.stEnd.wMonth = 6; }, -1, 2, -1, 1},
    {"OtherAllDayFlag", {kSame}, [](CommDateRec& r) { r.nAllDayEvent = 1; }, -1, 2, -1, 1},
    {"NoteTakesNoPart", {kSame}, [](CommDateRec& r) { SetText(r.szNote, "bring slides"); }, -1, 1, 0, 0},
    {"LastOfSeveralKeyMatches",
     {[](CommDateRec& r) { SetText(r.szLocation, "A"); }, kOtherDay, [](CommDateRec& r) { SetText(r.szLocation, "B"); }},
     kSame, -1, 3, 2, 2},
    {"ZeroTimesCompareEqual",
     {[](CommDateRec& r) {
         r.stStart = {};
         r.stEnd = {};
     }},
     [](CommDateRec& r) {
         r.stStart = {};
         r.stEnd = {};
     },
     -1, 1, 0, 0},
    {"NoDescriptionIdentical", {kNoDescription}, kNoDescription, -1, 1, 0, 0},
    {"NoDescriptionOtherLocationIsNew", {kNoDescription},
     [](CommDateRec& r) {
         kNoDescription(r);
         SetText(r.szLocation, "Room 9");
     },
     -1, 2, -1, 1},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const MatchCase& c, std::ostream* os)
{
    *os << c.szName;
}

class DateFindMatch : public testing::TestWithParam<MatchCase> {};

TEST_P(DateFindMatch, AnswersCodeRecordAndPosition)
{
    const MatchCase& c = GetParam();
    CommDateMgr mgr;
    std::vector<CommDateRec*> stored;
    for (const Edit& edit : c.stored)
        stored.push_back(mgr.AddRecord(EditedItem(edit).get()));

    const auto incoming = EditedItem(c.incoming);
    const CommDateRec* pIncoming = c.nIncomingIsStored >= 0 ? stored[static_cast<std::size_t>(c.nIncomingIsStored)] : incoming.get();
    CommDateRec untouched{};
    CommDateRec* pFound = &untouched;
    int nIndex = -77;

    EXPECT_EQ(mgr.FindMatch(pIncoming, &pFound, &nIndex), c.nCode);
    // Calendar look-ups clear the found record first.
    EXPECT_EQ(pFound, c.nFound < 0 ? nullptr : stored[static_cast<std::size_t>(c.nFound)]);
    EXPECT_EQ(nIndex, c.nIndex);
}

INSTANTIATE_TEST_SUITE_P(Cases, DateFindMatch, testing::ValuesIn(kMatchCases),
                         [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.szName); });

TEST(DateFindMatchNull, NullRecordLeavesOutputsAlone)
{
    CommDateMgr mgr;
    CommDateRec untouched{};
    CommDateRec* pFound = &untouched;
    int nIndex = -77;
    EXPECT_EQ(mgr.FindMatch(nullptr, &pFound, &nIndex), -1);
    EXPECT_EQ(pFound, &untouched);
    EXPECT_EQ(nIndex, -77);
}

TEST(DateFieldTable, HasTheFourteenRows)
{
    struct Row {
        LONG nId;
        const char* szName;
        LONG nLength;
    };
    const Row rows[] = {
        {1, "Description", 256}, {2, "Start Time", 32}, {3, "End Time", 32},  {4, "Start Date Time", 32},
        {5, "End Date Time", 32}, {6, "Date", 32},       {7, "Note", 4096},    {8, "Private", 8},
        {9, "Location", 256},    {10, "Importance", 8}, {11, "Category", 32}, {12, "Alarm", 8},
        {13, "All Day Event", 8}, {14, "Repeat", 256},
    };
    for (const Row& row : rows) {
        CommFieldDef def{};
        ASSERT_TRUE(CommDateMgr::GetFieldDef(row.nId, &def)) << row.nId;
        EXPECT_EQ(def.nId, row.nId);
        EXPECT_STREQ(def.szName, row.szName);
        EXPECT_EQ(def.nSize, row.nLength) << row.szName;
    }
    CommFieldDef def{};
    EXPECT_FALSE(CommDateMgr::GetFieldDef(0, &def));
    EXPECT_FALSE(CommDateMgr::GetFieldDef(15, &def));
    EXPECT_FALSE(CommDateMgr::GetFieldDef(1, nullptr));
}

TEST(DateFieldText, EveryField)
{
    auto rec = BaseItem();
    rec->stStart = platform::MakeSystemTime(2004, 3, 7, 9, 5, 30);
    rec->stEnd = platform::MakeSystemTime(2004, 3, 8, 17, 45);
    SetText(rec->szNote, "Agenda");
    SetText(rec->szCategory, "Work");
    rec->nPrivate = 1;
    rec->nAlarm = 0;
    rec->nAllDayEvent = 7;
    rec->nImportance = 2;
    struct Case {
        LONG nId;
        const char* szText;
    };
    const Case cases[] = {
        {1, "Team meeting"},
        {2, "09:05:30"},
        {3, "17:45:00"},
        {4, "03/07/2004 09:05:30"},
        {5, "03/08/2004 17:45:00"},
        {6, "03/07/2004"},
        {7, "Agenda"},
        {8, "Yes"},
        {9, "Room 4"},
        {10, ""},
        {11, "Work"},
        {12, "No"},
        {13, "Yes"},
        {14, "Repeat Info"},
        {0, ""},
        {15, ""},
    };
    for (const Case& c : cases) {
        const auto shown = FieldText<CommDateMgr>(*rec, c.nId);
        EXPECT_TRUE(shown.bResult) << c.nId;
        EXPECT_EQ(shown.text, c.szText) << c.nId;
    }
}

TEST(DateFieldText, RepeatInfoWhetherRecurringOrNot)
{
    auto rec = BaseItem();
    for (const LONG nType : {kRecurNone, kRecurWeekly, kRecurYearly}) {
        rec->recurrence.nType = nType;
        EXPECT_EQ(FieldText<CommDateMgr>(*rec, 14).text, "Repeat Info") << nType;
    }
}

TEST(DateFieldText, ZeroStartHasNoDate)
{
    auto rec = BaseItem();
    rec->stStart = {};
    EXPECT_EQ(FieldText<CommDateMgr>(*rec, 6).text, "");
    EXPECT_EQ(FieldText<CommDateMgr>(*rec, 4).text, " 00:00:00");
    EXPECT_EQ(FieldText<CommDateMgr>(*rec, 2).text, "00:00:00");
}

TEST(DateFieldText, TextsAreCutToTheBufferOnWholeCharacters)
{
    auto rec = BaseItem();
    SetText(rec->szDescription, "caf\xC3\xA9 au lait");  // "café au lait"
    struct Case {
        LONG nId;
        int nBufSize;
        const char* szText;
    };
    const Case cases[] = {
        {1, 5, "caf"},  // the two-byte é does not fit in the last byte
        {1, 6, "caf\xC3\xA9"},
        {4, 11, "05/01/2004"},
        {14, 7, "Repeat"},
        {1, 1, ""},
    };
    for (const Case& c : cases) {
        const auto shown = FieldText<CommDateMgr>(*rec, c.nId, c.nBufSize);
        EXPECT_TRUE(shown.bResult);
        EXPECT_EQ(shown.text, c.szText) << c.nId << " in " << c.nBufSize;
    }
}

TEST(DateFieldText, NullArgumentsAndEmptyBufferAreRefused)
{
    auto rec = BaseItem();
    CommFieldDef def{};
    ASSERT_TRUE(CommDateMgr::GetFieldDef(1, &def));
    char buffer[16] = "previous";
    EXPECT_FALSE(CommDateMgr::GetFieldText(nullptr, &def, buffer, sizeof buffer));
    EXPECT_FALSE(CommDateMgr::GetFieldText(rec.get(), nullptr, buffer, sizeof buffer));
    EXPECT_FALSE(CommDateMgr::GetFieldText(rec.get(), &def, nullptr, sizeof buffer));
    EXPECT_FALSE(CommDateMgr::GetFieldText(rec.get(), &def, buffer, 0));
    EXPECT_STREQ(buffer, "previous");
}

TEST(DateRecords, AddRecordCopiesImageAndFreeAllEmpties)
{
    CommDateMgr mgr;
    auto rec = BaseItem();
    unsigned char image[300];
    for (std::size_t i = 0; i < sizeof image; ++i)
        image[i] = static_cast<unsigned char>(i);
    rec->pNative = image;
    rec->nNativeSize = sizeof image;

    const CommDateRec* pStored = mgr.AddRecord(rec.get());
    ASSERT_NE(pStored, nullptr);
    ASSERT_NE(pStored->pNative, nullptr);
    EXPECT_NE(pStored->pNative, static_cast<void*>(image));
    EXPECT_EQ(std::memcmp(pStored->pNative, image, sizeof image), 0);
    mgr.AddRecord(EditedItem(kOtherDay).get());

    mgr.FreeAll();
    EXPECT_EQ(mgr.GetFirst(), nullptr);
}

}  // namespace
