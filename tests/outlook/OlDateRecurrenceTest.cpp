// Recurrence patterns between Outlook and calendar records, both ways, through the
// simulated Outlook.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlDateUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

using namespace adapter_test;

namespace {

// A pattern member Outlook is given, in this order, after its RecurrenceType.
struct MemberPut {
    const OLECHAR* szName;
    LONG nValue;
};

struct ReadCase {
    const char* szSubject;
    LONG nRecurrenceType;  // -1: no pattern
    MemberPut puts[4];
    DATE dPatternEnd;  // 0: none
    // What the record holds.
    LONG nType;
    LONG nInterval;
    LONG nDayOfWeekMask;
    LONG nDayOfMonth;
    LONG nMonthOfYear;
    LONG nInstance;
    bool bHasEnd;
};

void ExpectSameDay(const SYSTEMTIME& stActual, int nYear, int nMonth, int nDay)
{
    EXPECT_EQ(stActual.wYear, nYear);
    EXPECT_EQ(stActual.wMonth, nMonth);
    EXPECT_EQ(stActual.wDay, nDay);
}

TEST(OlDateRecurrence, OutlookPatternsReadIntoTheRecordsCodesAndOnlyTheirOwnMembers)
{
    AdapterSim sim;
    // Each case also gives Outlook a member its type does not carry, which must not arrive.
    const ReadCase cases[] = {
        {"daily", 0, {{OLESTR("Interval"), 2}, {OLESTR("DayOfWeekMask"), 62}, {OLESTR("DayOfMonth"), 9}}, 0, 1, 2, 62,
         0, 0, 0, false},
        {"weekly", 1, {{OLESTR("Interval"), 3}, {OLESTR("DayOfWeekMask"), 10}, {OLESTR("MonthOfYear"), 5}}, 0, 2, 3, 10,
         0, 0, 0, false},
        {"month nth", 3,
         {{OLESTR("Interval"), 1}, {OLESTR("Instance"), 2}, {OLESTR("DayOfWeekMask"), 4}, {OLESTR("DayOfMonth"), 9}}, 0,
         3, 1, 4, 0, 0, 2, false},
        {"monthly", 2, {{OLESTR("Interval"), 2}, {OLESTR("DayOfMonth"), 15}, {OLESTR("DayOfWeekMask"), 4}},
         DateOf(2024, 12, 31), 4, 2, 0, 15, 0, 0, true},
        {"year nth", 6,
         {{OLESTR("Interval"), 1}, {OLESTR("Instance"), 1}, {OLESTR("MonthOfYear"), 3}, {OLESTR("DayOfWeekMask"), 2}},
         0, 5, 1, 2, 0, 3, 1, false},
        {"yearly", 5,
         {{OLESTR("Interval"), 12}, {OLESTR("DayOfMonth"), 20}, {OLESTR("MonthOfYear"), 3},
          {OLESTR("DayOfWeekMask"), 4}},
         0, 6, 1, 0, 20, 3, 0, false},
        {"single", -1, {}, 0, 0, 0, 0, 0, 0, 0, false},
    };
    for (const ReadCase& c : cases) {
        Object item = sim.NewItem(kCalendarFolder, kAppointmentItem);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->PutString(OLESTR("Subject"), c.szSubject), S_OK);
        EXPECT_EQ(item->PutDate(OLESTR("Start"), DateOf(2024, 3, 20, 9, 30)), S_OK);
        if (c.nRecurrenceType >= 0) {
            Object pattern = sim.Pattern(*item);
            ASSERT_NE(pattern, nullptr);
            EXPECT_EQ(pattern->PutLong(OLESTR("RecurrenceType"), c.nRecurrenceType), S_OK) << c.szSubject;
            for (const MemberPut& put : c.puts) {
                if (put.szName != nullptr) {
                    EXPECT_EQ(pattern->PutLong(put.szName, put.nValue), S_OK) << c.szSubject;
                }
            }
            if (c.dPatternEnd != 0.0) {
                EXPECT_EQ(pattern->PutDate(OLESTR("PatternEndDate"), c.dPatternEnd), S_OK);
            }
        }
        sim.Save(*item);
    }

    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), std::size(cases));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ReadCase& c = cases[i];
        const CommRecurrence& r = records[i]->recurrence;
        SCOPED_TRACE(c.szSubject);
        EXPECT_STREQ(records[i]->szDescription, c.szSubject);
        EXPECT_EQ(r.nType, c.nType);
        EXPECT_EQ(r.nInterval, c.nInterval);
        EXPECT_EQ(r.nDayOfWeekMask, c.nDayOfWeekMask);
        EXPECT_EQ(r.nDayOfMonth, c.nDayOfMonth);
        EXPECT_EQ(r.nMonthOfYear, c.nMonthOfYear);
        EXPECT_EQ(r.nInstance, c.nInstance);
        EXPECT_EQ(r.bHasEnd != 0, c.bHasEnd);
        if (c.bHasEnd)
            ExpectSameDay(r.stPatternEnd, 2024, 12, 31);
    }
}

struct WriteCase {
    LONG nType;
    LONG nRecurrenceType;  // what Outlook holds afterwards; -1: not recurring
    bool bInterval;        // which record members reach Outlook
    bool bDayOfWeekMask;
    bool bDayOfMonth;
    bool bInstance;
    bool bMonthOfYear;
};

struct PatternValues {
    LONG nInterval = 0;
    LONG nDayOfWeekMask = 0;
    LONG nDayOfMonth = 0;
    LONG nInstance = 0;
    LONG nMonthOfYear = 0;
};

PatternValues ReadPattern(CDispCmd& pattern)
{
    return {LongOf(pattern, OLESTR("Interval")), LongOf(pattern, OLESTR("DayOfWeekMask")),
            LongOf(pattern, OLESTR("DayOfMonth")), LongOf(pattern, OLESTR("Instance")),
            LongOf(pattern, OLESTR("MonthOfYear"))};
}

// What Outlook holds for a pattern of the type on an appointment starting at dStart when
// it is given nothing but the type.
PatternValues OutlookDefaults(AdapterSim& sim, LONG nRecurrenceType, DATE dStart)
{
    Object item = sim.NewItem(kCalendarFolder, kAppointmentItem);
    EXPECT_EQ(item->PutDate(OLESTR("Start"), dStart), S_OK);
    Object pattern = sim.Pattern(*item);
    EXPECT_EQ(pattern->PutLong(OLESTR("RecurrenceType"), nRecurrenceType), S_OK);
    return ReadPattern(*pattern);
}

TEST(OlDateRecurrence, RecordPatternsWriteOutlooksTypeAndOnlyTheMembersTheTypeCarries)
{
    AdapterSim sim;
    const WriteCase cases[] = {
        {1, 0, true, true, false, false, false},
        {2, 1, true, true, false, false, false},
        {3, 3, true, true, false, true, false},
        {4, 2, true, false, true, false, false},
        {5, 6, true, true, false, true, true},
        {6, 5, false, false, true, false, true},
        {0, -1, false, false, false, false, false},
    };
    const DATE dStart = DateOf(2024, 3, 20, 9, 30);
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    for (const WriteCase& c : cases) {
        const auto pRec = std::make_unique<CommDateRec>();
        std::snprintf(pRec->szDescription, sizeof pRec->szDescription, "type %d", static_cast<int>(c.nType));
        pRec->stStart = TimeOf(2024, 3, 20, 9, 30);
        pRec->stEnd = TimeOf(2024, 3, 20, 10, 30);
        pRec->recurrence = {c.nType, 0, {}, 2, 4, 15, 6, 3};
        EXPECT_TRUE(adapter.SaveRecord(pRec.get())) << c.nType;
    }

    ASSERT_EQ(sim.Count(kCalendarFolder), static_cast<LONG>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const WriteCase& c = cases[i];
        SCOPED_TRACE("record type " + std::to_string(c.nType));
        Object item = sim.ItemAt(kCalendarFolder, static_cast<int>(i) + 1);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(BoolOf(*item, OLESTR("IsRecurring")), c.nRecurrenceType >= 0);
        if (c.nRecurrenceType < 0)
            continue;
        Object pattern = sim.Pattern(*item);
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(LongOf(*pattern, OLESTR("RecurrenceType")), c.nRecurrenceType);
        const PatternValues written = ReadPattern(*pattern);
        const PatternValues defaults = OutlookDefaults(sim, c.nRecurrenceType, dStart);
        EXPECT_EQ(written.nInterval, c.bInterval ? 2 : defaults.nInterval);
        EXPECT_EQ(written.nDayOfWeekMask, c.bDayOfWeekMask ? 4 : defaults.nDayOfWeekMask);
        EXPECT_EQ(written.nDayOfMonth, c.bDayOfMonth ? 15 : defaults.nDayOfMonth);
        EXPECT_EQ(written.nInstance, c.bInstance ? 3 : defaults.nInstance);
        EXPECT_EQ(written.nMonthOfYear, c.bMonthOfYear ? 6 : defaults.nMonthOfYear);
        EXPECT_EQ(DateValueOf(*pattern, OLESTR("PatternEndDate")), kNoneDate);
    }
}

TEST(OlDateRecurrence, AYearlyRecordWritesNothingButTypeDayAndMonthIntoTheImage)
{
    const auto pRec = std::make_unique<CommDateRec>();
    pRec->recurrence = {6, 0, {}, 7, 8, 21, 9, 4};
    const auto pItem = std::make_unique<OlDateItem>();
    ASSERT_TRUE(OlDateUtil::RecordToItem(pRec.get(), pItem.get()));
    EXPECT_EQ(pItem->RecurrenceType, 5);
    EXPECT_EQ(pItem->DayOfMonth, 21);
    EXPECT_EQ(pItem->MonthOfYear, 9);
    EXPECT_EQ(pItem->Interval, 0);
    EXPECT_EQ(pItem->DayOfWeekMask, 0);
    EXPECT_EQ(pItem->Instance, 0);
}

TEST(OlDateRecurrence, APatternEndIsWrittenOnlyWhenTheRecordHasOne)
{
    AdapterSim sim;
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    struct Case {
        const char* szSubject;
        BYTE bHasEnd;
        DATE dExpected;
    };
    const Case cases[] = {
        {"ends", 1, DateOf(2024, 6, 30)},
        {"end date without the flag", 0, kNoneDate},
    };
    for (const Case& c : cases) {
        const auto pRec = std::make_unique<CommDateRec>();
        std::strcpy(pRec->szDescription, c.szSubject);
        pRec->stStart = TimeOf(2024, 3, 20, 9, 30);
        pRec->stEnd = TimeOf(2024, 3, 20, 10, 0);
        pRec->recurrence = {2, c.bHasEnd, TimeOf(2024, 6, 30), 1, 8, 0, 0, 0};
        EXPECT_TRUE(adapter.SaveRecord(pRec.get())) << c.szSubject;
    }
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Object item = sim.ItemAt(kCalendarFolder, static_cast<int>(i) + 1);
        ASSERT_NE(item, nullptr);
        Object pattern = sim.Pattern(*item);
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(DateValueOf(*pattern, OLESTR("PatternEndDate")), cases[i].dExpected) << cases[i].szSubject;
    }
}

TEST(OlDateRecurrence, OutlookTypesWithoutACodeReadAsNotRecurring)
{
    for (const LONG nRecurrenceType : {4L, 7L, 100L, -1L}) {
        const auto pItem = std::make_unique<OlDateItem>();
        pItem->RecurrenceType = nRecurrenceType;
        pItem->Interval = 3;
        const auto pRec = std::make_unique<CommDateRec>();
        ASSERT_TRUE(OlDateUtil::ItemToRecord(pItem.get(), pRec.get()));
        EXPECT_EQ(pRec->recurrence.nType, 0) << nRecurrenceType;
        EXPECT_EQ(pRec->recurrence.nInterval, 0) << nRecurrenceType;
    }
}

}  // namespace
