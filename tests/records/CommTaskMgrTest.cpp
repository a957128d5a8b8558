#include "records/CommTaskMgr.h"

#include "RecordTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using record_tests::FieldText;
using record_tests::SetText;
using record_tests::UtcTime;

namespace {

using Edit = std::function<void(CommTaskRec&)>;

const Edit kSame = [](CommTaskRec&) {};

std::unique_ptr<CommTaskRec> BaseTask()
{
    auto rec = record_tests::NewRecord<CommTaskRec>();
    SetText(rec->szSubject, "File the report");
    SetText(rec->szNote, "Quarterly numbers");
    SetText(rec->szCategory, "Work");
    rec->nPriority = kTaskPriorityHigh;
    rec->tDueDate = UtcTime(2004, 5, 1, 12);
    return rec;
}

std::unique_ptr<CommTaskRec> EditedTask(const Edit& edit)
{
    auto rec = BaseTask();
    edit(*rec);
    return rec;
}

const Edit kLowPriority = [](CommTaskRec& r) { r.nPriority = kTaskPriorityLow; };
const Edit kNoSubject = [](CommTaskRec& r) { r.szSubject[0] = '\0'; };

struct MatchCase {
    const char* szName;
    std::vector<Edit> stored;
    Edit incoming;
    int nIncomingIsStored;
    int nCode;
    int nFound;  // position of the record expected in ppFound, -1 for untouched
    int nIndex;
};

const MatchCase kMatchCases[] = {
    {"EmptyManager", {}, kSame, -1, 2, -1, 0},
    {"RecordItself", {kLowPriority, kSame}, kSame, 1, 1, 1, 1},
    {"SubjectCaseIgnored", {kSame}, [](CommTaskRec& r) { SetText(r.szSubject, "FILE THE REPORT"); }, -1, 1, 0, 0},
    {"OtherPriorityAtFirstPosition", {kSame}, kLowPriority, -1, 3, 0, 0},
    {"TwoKeyMatchesNeitherIdentical", {kLowPriority, [](CommTaskRec& r) { r.nPriority = kTaskPriorityNormal; }}, kSame, -1, 3, 1, 1},
    {"OnlyDueDateDiffers", {kSame}, [](CommTaskRec& r) { r.tDueDate = UtcTime(2010, 1, 1); }, -1, 1, 0, 0},
    {"OnlyCategoryDiffers", {kSame}, [](CommTaskRec& r) { SetText(r.szCategory, "Home"); }, -1, 1, 0, 0},
    {"OnlyCompletionAndPrivacyDiffer", {kSame},
     [](CommTaskRec& r) {
         r.bCompleted = 1;
         r.bPrivate = 1;
     },
     -1, 1, 0, 0},
    {"OnlyNoteDiffers", {kSame}, [](CommTaskRec& r) { SetText(r.szNote, "Other"); }, -1, 1, 0, 0},
    {"OtherSubject", {kSame}, [](CommTaskRec& r) { SetText(r.szSubject, "File the taxes"); }, -1, 2, -1, 1},
    {"NoSubjectIdentical", {kSame, kNoSubject}, kNoSubject, -1, 1, 1, 1},
    {"NoSubjectOtherPriorityIsNew", {kNoSubject},
     [](CommTaskRec& r) {
         kNoSubject(r);
         kLowPriority(r);
     },
     -1, 2, -1, 1},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const MatchCase& c, std::ostream* os)
{
    *os << c.szName;
}

class TaskFindMatch : public testing::TestWithParam<MatchCase> {};

TEST_P(TaskFindMatch, AnswersCodeRecordAndPosition)
{
    const MatchCase& c = GetParam();
    CommTaskMgr mgr;
    std::vector<CommTaskRec*> stored;
    for (const Edit& edit : c.stored)
        stored.push_back(mgr.AddRecord(EditedTask(edit).get()));

    const auto incoming = EditedTask(c.incoming);
    const CommTaskRec* pIncoming = c.nIncomingIsStored >= 0 ? stored[static_cast<std::size_t>(c.nIncomingIsStored)] : incoming.get();
    CommTaskRec untouched{};
    CommTaskRec* pFound = &untouched;
    int nIndex = -77;

    EXPECT_EQ(mgr.FindMatch(pIncoming, &pFound, &nIndex), c.nCode);
    EXPECT_EQ(pFound, c.nFound < 0 ? &untouched : stored[static_cast<std::size_t>(c.nFound)]);
    EXPECT_EQ(nIndex, c.nIndex);
}

INSTANTIATE_TEST_SUITE_P(Cases, TaskFindMatch, testing::ValuesIn(kMatchCases),
                         [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.szName); });

TEST(TaskFindMatchNull, NullRecordIsRefused)
{
    CommTaskMgr mgr;
    CommTaskRec* pFound = nullptr;
    int nIndex = -77;
    EXPECT_EQ(mgr.FindMatch(nullptr, &pFound, &nIndex), -1);
    EXPECT_EQ(nIndex, -77);
}

TEST(TaskFieldTable, HasTheEightRows)
{
    struct Row {
        LONG nId;
        const char* szName;
        LONG nLength;
    };
    const Row rows[] = {
        {0, "Subject", 256}, {1, "Note", 8192}, {7, "Category", 256}, {2, "Priority", 4},
        {3, "Completed", 4}, {4, "DueDate", 4}, {6, "Private", 4},    {5, "Alarm", 4},
    };
    for (const Row& row : rows) {
        CommFieldDef def{};
        ASSERT_TRUE(CommTaskMgr::GetFieldDef(row.nId, &def)) << row.nId;
        EXPECT_EQ(def.nId, row.nId);
        EXPECT_STREQ(def.szName, row.szName);
        EXPECT_EQ(def.nSize, row.nLength) << row.szName;
    }
    CommFieldDef def{};
    EXPECT_FALSE(CommTaskMgr::GetFieldDef(8, &def));
    EXPECT_FALSE(CommTaskMgr::GetFieldDef(-1, &def));
}

TEST(TaskFieldText, TextsPrioritiesAndFlags)
{
    auto rec = BaseTask();
    rec->bCompleted = 1;
    rec->bAlarm = 0;
    rec->bPrivate = 2;
    struct Case {
        LONG nId;
        const char* szText;
    };
    const Case cases[] = {
        {0, "File the report"}, {1, "Quarterly numbers"}, {7, "Work"}, {2, "High"},
        {3, "Yes"},             {5, "No"},                {6, "Yes"},  {8, ""},
    };
    for (const Case& c : cases) {
        const auto shown = FieldText<CommTaskMgr>(*rec, c.nId);
        EXPECT_TRUE(shown.bResult) << c.nId;
        EXPECT_EQ(shown.text, c.szText) << c.nId;
    }

    const std::pair<LONG, const char*> priorities[] = {{0, "Normal"}, {1, "High"}, {2, "Low"}, {3, "Normal"}, {-1, "Normal"}};
    for (const auto& [nPriority, szName] : priorities) {
        rec->nPriority = nPriority;
        EXPECT_EQ(FieldText<CommTaskMgr>(*rec, 2).text, szName) << nPriority;
    }
}

TEST(TaskFieldText, DueDateIsTheLocalDateOrNA)
{
    // Five hours behind UTC: an early-morning UTC moment is still the day before here.
    const record_tests::ScopedTimeZone zone("EST5");
    struct Case {
        const char* szName;
        time_t tDueDate;
        const char* szText;
    };
    const Case cases[] = {
        {"NoneFromCsv", 0, "N/A"},
        {"NoneFromOutlook", -1, "N/A"},
        {"LocalDayBeforeUtc", UtcTime(2021, 3, 1, 2), "02/28/2021"},
        {"Year2004", UtcTime(2004, 5, 1, 12), "05/01/2004"},
        {"Year2031", UtcTime(2031, 6, 15, 12), "06/15/2031"},
        {"Year1999", UtcTime(1999, 12, 31, 12), "12/31/1999"},
#ifndef _WIN32
        // Windows' localtime ends with the year 3000.
        {"Year4500", UtcTime(4500, 12, 31, 12), "12/31/4500"},
#endif
        {"OutlookNone4501", UtcTime(4501, 1, 1, 12), "N/A"},
        {"BeyondAnyYear", static_cast<time_t>(1) << 60, "N/A"},
    };
    auto rec = BaseTask();
    for (const Case& c : cases) {
        rec->tDueDate = c.tDueDate;
        const auto shown = FieldText<CommTaskMgr>(*rec, 4);
        EXPECT_TRUE(shown.bResult) << c.szName;
        EXPECT_EQ(shown.text, c.szText) << c.szName;
    }
}

TEST(TaskFieldText, DueDateFitsTheDetailDialogsBuffer)
{
    auto rec = BaseTask();
    EXPECT_EQ(FieldText<CommTaskMgr>(*rec, 4, 31).text, "05/01/2004");
    EXPECT_EQ(FieldText<CommTaskMgr>(*rec, 4, 6).text, "05/01");
}

// Stores three tasks, "First", "Second" and "Third", each with its own note.
std::vector<CommTaskRec*> StoreThreeTasks(CommTaskMgr& mgr)
{
    std::vector<CommTaskRec*> stored;
    for (const char* szSubject : {"First", "Second", "Third"}) {
        auto rec = BaseTask();
        SetText(rec->szSubject, szSubject);
        SetText(rec->szNote, std::string(szSubject) + " note");
        stored.push_back(mgr.AddRecord(rec.get()));
    }
    return stored;
}

TEST(TaskUpdateRecord, RefusesPositionsWithoutRecord)
{
    CommTaskMgr mgr;
    const std::vector<CommTaskRec*> stored = StoreThreeTasks(mgr);
    const auto incoming = BaseTask();
    for (const int nIndex : {-1, 3, 100})
        EXPECT_FALSE(mgr.UpdateRecord(incoming.get(), nIndex)) << nIndex;
    EXPECT_FALSE(mgr.UpdateRecord(nullptr, 0));
    EXPECT_STREQ(stored[0]->szSubject, "First");
    EXPECT_STREQ(stored[2]->szSubject, "Third");
    EXPECT_TRUE(mgr.UpdateRecord(incoming.get(), 2));
    EXPECT_STREQ(stored[2]->szSubject, "File the report");
}

TEST(TaskUpdateRecord, CopiesEditableFieldsAndKeepsStoredTextsForEmptyOnes)
{
    struct Case {
        const char* szName;
        const char* szSubject;
        const char* szNote;
        const char* szExpectedSubject;
        const char* szExpectedNote;
    };
    const Case cases[] = {
        {"BothGiven", "New subject", "New note", "New subject", "New note"},
        {"EmptySubjectKept", "", "New note", "Second", "New note"},
        {"EmptyNoteKept", "New subject", "", "New subject", "Second note"},
    };
    for (const Case& c : cases) {
        CommTaskMgr mgr;
        const std::vector<CommTaskRec*> stored = StoreThreeTasks(mgr);
        auto incoming = record_tests::NewRecord<CommTaskRec>();
        SetText(incoming->szSubject, c.szSubject);
        SetText(incoming->szNote, c.szNote);
        SetText(incoming->szCategory, "Ignored");
        incoming->nPriority = kTaskPriorityNormal;
        incoming->tDueDate = 0;
        incoming->bAlarm = 1;
        incoming->bPrivate = 1;
        incoming->bCompleted = 1;

        ASSERT_TRUE(mgr.UpdateRecord(incoming.get(), 1)) << c.szName;
        const CommTaskRec& updated = *stored[1];
        EXPECT_STREQ(updated.szSubject, c.szExpectedSubject) << c.szName;
        EXPECT_STREQ(updated.szNote, c.szExpectedNote) << c.szName;
        EXPECT_EQ(updated.nPriority, kTaskPriorityNormal) << c.szName;
        EXPECT_EQ(updated.tDueDate, 0) << c.szName;
        EXPECT_EQ(updated.bAlarm, 1) << c.szName;
        EXPECT_EQ(updated.bPrivate, 1) << c.szName;
        EXPECT_EQ(updated.bCompleted, 1) << c.szName;
        EXPECT_STREQ(updated.szCategory, "Work") << c.szName;
        EXPECT_STREQ(stored[0]->szSubject, "First") << c.szName;
        EXPECT_EQ(stored[2]->nPriority, kTaskPriorityHigh) << c.szName;
    }
}

TEST(TaskRecords, AddRecordWithAndWithoutImage)
{
    CommTaskMgr mgr;
    auto rec = BaseTask();
    EXPECT_EQ(mgr.AddRecord(rec.get())->pNative, nullptr);
    long long image = 0x1122334455667788;
    rec->pNative = &image;
    rec->nNativeSize = sizeof image;
    const CommTaskRec* pStored = mgr.AddRecord(rec.get());
    ASSERT_NE(pStored->pNative, nullptr);
    EXPECT_EQ(*static_cast<const long long*>(pStored->pNative), 0x1122334455667788);
}

}  // namespace
