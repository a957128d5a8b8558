// Appointment reminders between Outlook and calendar records: minutes before the start for
// Outlook of version code 4 and above, a reminder moment for older ones.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlDateUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

using namespace adapter_test;

namespace {

constexpr const char* kOutlook2003 = "11.0.8312.0";

Object SeedAppointment(AdapterSim& sim, const std::string& subject, bool bReminderSet, LONG nMinutesBefore)
{
    Object item = sim.NewItem(kCalendarFolder, kAppointmentItem);
    EXPECT_NE(item, nullptr);
    if (!item)
        return nullptr;
    EXPECT_EQ(item->PutString(OLESTR("Subject"), subject.c_str()), S_OK);
    EXPECT_EQ(item->PutDate(OLESTR("Start"), DateOf(2024, 3, 20, 9, 30)), S_OK);
    EXPECT_EQ(item->PutBool(OLESTR("ReminderSet"), bReminderSet), S_OK);
    EXPECT_EQ(item->PutLong(OLESTR("ReminderMinutesBeforeStart"), nMinutesBefore), S_OK);
    sim.Save(*item);
    return item;
}

std::unique_ptr<CommDateRec> ReminderRecord(const char* szSubject, LONG nAlarm, LONG nUnit, LONG nValue,
                                            SYSTEMTIME stStart = TimeOf(2024, 3, 20, 9, 30))
{
    auto pRec = std::make_unique<CommDateRec>();
    std::snprintf(pRec->szDescription, sizeof pRec->szDescription, "%s", szSubject);
    pRec->stStart = stStart;
    pRec->stEnd = stStart;
    pRec->nAlarm = nAlarm;
    pRec->nReminderSet = 1;
    pRec->nReminderUnit = nUnit;
    pRec->nReminderValue = nValue;
    return pRec;
}

TEST(OlDateReminder, MinutesBeforeTheStartReadAsTheLargestWholeUnit)
{
    AdapterSim sim;
    struct Case {
        bool bReminderSet;
        LONG nMinutesBefore;
        LONG nReminderSet;
        LONG nUnit;
        LONG nValue;
    };
    const Case cases[] = {
        {true, 5, 1, 1, 5},     {true, 59, 1, 1, 59},   {true, 60, 1, 2, 1},   {true, 90, 1, 2, 1},
        {true, 1439, 1, 2, 23}, {true, 1440, 1, 3, 1},  {true, 2910, 1, 3, 2}, {true, 0, 0, 0, 0},
        {false, 90, 0, 0, 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        SeedAppointment(sim, "reminder " + std::to_string(i), cases[i].bReminderSet, cases[i].nMinutesBefore);

    OlDateUtil adapter;
    ASSERT_EQ(OlBaseUtil::GetOutlookVersionCode(), 6);
    ASSERT_TRUE(adapter.LoadItems());
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), std::size(cases));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(std::to_string(c.nMinutesBefore) + " minutes, reminder " + (c.bReminderSet ? "on" : "off"));
        EXPECT_EQ(records[i]->nAlarm, c.bReminderSet ? 1 : 0);
        EXPECT_EQ(records[i]->nReminderSet, c.nReminderSet);
        EXPECT_EQ(records[i]->nReminderUnit, c.nUnit);
        EXPECT_EQ(records[i]->nReminderValue, c.nValue);
    }
}

TEST(OlDateReminder, CountAndUnitWriteMinutesBeforeTheStart)
{
    AdapterSim sim;
    struct Case {
        LONG nAlarm;
        LONG nUnit;
        LONG nValue;
        LONG nMinutesBefore;
    };
    // A lead without the reminder set is kept for when it is turned on.
    const Case cases[] = {
        {1, 1, 45, 45}, {1, 2, 1, 60}, {1, 3, 2, 2880}, {1, 9, 3, 15}, {0, 2, 1, 60}, {0, 1, 90, 90},
    };
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const auto pRec = ReminderRecord(("reminder " + std::to_string(i)).c_str(), c.nAlarm, c.nUnit, c.nValue);
        EXPECT_TRUE(adapter.SaveRecord(pRec.get()));
    }
    ASSERT_EQ(sim.Count(kCalendarFolder), static_cast<LONG>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE("unit " + std::to_string(c.nUnit) + ", value " + std::to_string(c.nValue));
        Object item = sim.ItemAt(kCalendarFolder, static_cast<int>(i) + 1);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(BoolOf(*item, OLESTR("ReminderSet")), c.nAlarm != 0);
        EXPECT_EQ(LongOf(*item, OLESTR("ReminderMinutesBeforeStart")), c.nMinutesBefore);
    }
}

TEST(OlDateReminder, AnOlderOutlookGetsAReminderMomentThatNeverLeavesTheStartDay)
{
    AdapterSim sim(kOutlook2003);
    OlDateUtil adapter;
    ASSERT_EQ(OlBaseUtil::GetOutlookVersionCode(), 3);
    struct Case {
        LONG nUnit;
        LONG nValue;
        SYSTEMTIME stStart;
        DATE dReminder;
        LONG nMinutesBefore;
    };
    const Case cases[] = {
        {3, 2, TimeOf(2024, 3, 20, 9, 30), DateOf(2024, 3, 18, 0, 0), 2880},
        {1, 30, TimeOf(2024, 3, 20, 0, 10), DateOf(2024, 3, 20, 0, 0), 30},
        {1, 45, TimeOf(2024, 3, 20, 9, 30), DateOf(2024, 3, 20, 8, 45), 45},
        {2, 1, TimeOf(2024, 3, 20, 9, 30), DateOf(2024, 3, 20, 8, 30), 60},
        {9, 3, TimeOf(2024, 3, 20, 9, 30), DateOf(2024, 3, 20, 9, 25), 15},
        {1, 0, TimeOf(2024, 3, 20, 9, 30), DateOf(2024, 3, 20, 9, 25), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("unit " + std::to_string(c.nUnit) + ", value " + std::to_string(c.nValue));
        const auto pRec = ReminderRecord("reminder", 1, c.nUnit, c.nValue, c.stStart);
        const auto pItem = std::make_unique<OlDateItem>();
        ASSERT_TRUE(OlDateUtil::RecordToItem(pRec.get(), pItem.get()));
        EXPECT_NEAR(pItem->ReminderTime, c.dReminder, 1e-7);
        EXPECT_EQ(pItem->ReminderMinutesBeforeStart, c.nMinutesBefore);
    }

    const auto pOff = ReminderRecord("reminder off", 0, 2, 1);
    const auto pItem = std::make_unique<OlDateItem>();
    ASSERT_TRUE(OlDateUtil::RecordToItem(pOff.get(), pItem.get()));
    EXPECT_EQ(pItem->ReminderTime, 0.0) << "a reminder that is off has no moment";
    EXPECT_EQ(pItem->ReminderMinutesBeforeStart, 60);
}

TEST(OlDateReminder, AnOlderOutlookIsNotGivenMinutesAndRefusesTheMomentOnAnAppointment)
{
    AdapterSim sim(kOutlook2003);
    const LONG nDefaultMinutes =
        LongOf(*sim.NewItem(kCalendarFolder, kAppointmentItem), OLESTR("ReminderMinutesBeforeStart"));
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const auto pRec = ReminderRecord("two days ahead", 1, 3, 2);
    EXPECT_TRUE(adapter.SaveRecord(pRec.get()));

    Object item = sim.ItemAt(kCalendarFolder, 1);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(BoolOf(*item, OLESTR("ReminderSet")));
    EXPECT_EQ(LongOf(*item, OLESTR("ReminderMinutesBeforeStart")), nDefaultMinutes);
    const auto errors = AdapterSim::ErrorLines();
    EXPECT_NE(std::find(errors.begin(), errors.end(),
                        Error("Failed to call IDispatch->GetIDsOfNames, Name=ReminderTime, hr=0x80020006")),
              errors.end());
}

TEST(OlDateReminder, AnOlderOutlookReadsTheLeadFromTheReminderMomentWhateverTheFlag)
{
    AdapterSim sim(kOutlook2003);
    OlDateUtil adapter;
    ASSERT_EQ(OlBaseUtil::GetOutlookVersionCode(), 3);
    struct Case {
        DATE dReminder;
        bool bReminderSet;
        LONG nReminderSet;
        LONG nUnit;
        LONG nValue;
    };
    // The second moment lies a hair before 08:00, as a moment stored in floating point may.
    const Case cases[] = {
        {DateOf(2024, 3, 20, 8, 0), false, 1, 2, 1},
        {DateOf(2024, 3, 20, 8, 0) - 1e-9, true, 1, 2, 1},
        {DateOf(2024, 3, 18, 9, 30), true, 1, 3, 2},
        {DateOf(2024, 3, 20, 9, 45), true, 0, 0, 0},
        {0.0, true, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const auto pItem = std::make_unique<OlDateItem>();
        pItem->Start = DateOf(2024, 3, 20, 9, 30);
        pItem->ReminderTime = c.dReminder;
        pItem->ReminderSet = c.bReminderSet;
        pItem->ReminderMinutesBeforeStart = 15;
        const auto pRec = std::make_unique<CommDateRec>();
        ASSERT_TRUE(OlDateUtil::ItemToRecord(pItem.get(), pRec.get()));
        SCOPED_TRACE(c.dReminder);
        EXPECT_EQ(pRec->nAlarm, c.bReminderSet ? 1 : 0);
        EXPECT_EQ(pRec->nReminderSet, c.nReminderSet);
        EXPECT_EQ(pRec->nReminderUnit, c.nUnit);
        EXPECT_EQ(pRec->nReminderValue, c.nValue);
    }
}

TEST(OlDateReminder, AnOlderOutlookLoadsAppointmentsWithoutALeadSinceTheyHaveNoMoment)
{
    AdapterSim sim(kOutlook2003);
    SeedAppointment(sim, "with reminder", true, 90);
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]->nAlarm, 1);
    EXPECT_EQ(records[0]->nReminderSet, 0);
}

}  // namespace
