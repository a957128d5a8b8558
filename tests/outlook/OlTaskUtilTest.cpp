// The tasks adapter against the simulated Outlook: loading, the CSV texts of a loaded task,
// what a record writes, saving CSV rows (add, skip, update), and every failure Outlook can
// give.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlTaskUtil.h"
#include "olsim/FaultInjection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

using namespace adapter_test;

namespace {

constexpr HRESULT kFailure = E_FAIL;

Object NewTask(AdapterSim& sim, const char* szSubject)
{
    Object item = sim.NewItem(kTasksFolder, kTaskItem);
    EXPECT_NE(item, nullptr);
    if (item) {
        EXPECT_EQ(item->PutString(OLESTR("Subject"), szSubject), S_OK);
    }
    return item;
}

std::unique_ptr<CommTaskRec> CsvRecord(const char* szSubject, const char* szNote = "", const char* szCategory = "")
{
    auto pRec = std::make_unique<CommTaskRec>();
    EXPECT_TRUE(OlTaskUtil::SetFieldText(22, szSubject, pRec.get()));
    EXPECT_TRUE(OlTaskUtil::SetFieldText(1, szNote, pRec.get()));
    EXPECT_TRUE(OlTaskUtil::SetFieldText(23, szCategory, pRec.get()));
    return pRec;
}

bool Logged(const LogLine& line)
{
    const auto lines = AdapterSim::LogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(OlTaskUtil, LoadsEveryTaskWithItsTextsCodesAndDates)
{
    AdapterSim sim;
    Object report = NewTask(sim, "Quarterly report");
    const struct {
        const OLECHAR* szName;
        const char* szText;
    } texts[] = {{OLESTR("Body"), "Figures first"}, {OLESTR("Categories"), "Work"},
                 {OLESTR("Mileage"), "12 km"},      {OLESTR("Role"), "Owner"},
                 {OLESTR("CardData"), "card"},      {OLESTR("ReminderSoundFile"), "ding.wav"}};
    for (const auto& text : texts)
        EXPECT_EQ(report->PutString(text.szName, text.szText), S_OK);
    EXPECT_EQ(report->PutLong(OLESTR("Importance"), 2), S_OK);
    EXPECT_EQ(report->PutLong(OLESTR("Sensitivity"), 1), S_OK);
    EXPECT_EQ(report->PutLong(OLESTR("Status"), 1), S_OK);
    EXPECT_EQ(report->PutLong(OLESTR("PercentComplete"), 50), S_OK);
    EXPECT_EQ(report->PutLong(OLESTR("TotalWork"), 120), S_OK);
    EXPECT_EQ(report->PutLong(OLESTR("Ordinal"), 4), S_OK);
    EXPECT_EQ(report->PutBool(OLESTR("TeamTask"), true), S_OK);
    EXPECT_EQ(report->PutBool(OLESTR("ReminderSet"), true), S_OK);
    EXPECT_EQ(report->PutBool(OLESTR("ReminderPlaySound"), true), S_OK);
    EXPECT_EQ(report->PutDate(OLESTR("DueDate"), DateOf(2024, 3, 20)), S_OK);
    EXPECT_EQ(report->PutDate(OLESTR("StartDate"), DateOf(2024, 3, 18)), S_OK);
    EXPECT_EQ(report->PutDate(OLESTR("ReminderTime"), DateOf(2024, 3, 19, 8, 0)), S_OK);
    sim.Save(*report);
    Object chores = NewTask(sim, "Chores");
    ASSERT_NE(sim.Pattern(*chores), nullptr);
    sim.Save(*chores);
    const std::string entryId = TextOf(*sim.ItemAt(kTasksFolder, 1), OLESTR("EntryID"));

    OlTaskUtil adapter;
    EXPECT_TRUE(adapter.m_bFolderOpen);
    ASSERT_TRUE(adapter.LoadItems());
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 2u);

    const CommTaskRec& rec = *records[0];
    EXPECT_STREQ(rec.szSubject, "Quarterly report");
    EXPECT_STREQ(rec.szNote, "Figures first");
    EXPECT_STREQ(rec.szCategory, "Work");
    EXPECT_STREQ(rec.szMileage, "12 km");
    EXPECT_STREQ(rec.szRole, "Owner");
    EXPECT_STREQ(rec.szCardData, "card");
    EXPECT_STREQ(rec.szReminderSoundFile, "ding.wav");
    EXPECT_EQ(rec.nPriority, 1);
    EXPECT_EQ(rec.nSensitivity, 1);
    EXPECT_EQ(rec.bPrivate, 1);
    EXPECT_EQ(rec.nStatus, 1);
    EXPECT_EQ(rec.nPercentComplete, 50);
    EXPECT_EQ(rec.nTotalWork, 120);
    EXPECT_EQ(rec.nOrdinal, 4);
    EXPECT_EQ(rec.bTeamTask, 1);
    EXPECT_EQ(rec.bAlarm, 1);
    EXPECT_EQ(rec.bReminderSet, 1);
    EXPECT_EQ(rec.bReminderPlaySound, 1);
    EXPECT_EQ(rec.bIsRecurring, 0);
    EXPECT_EQ(rec.tDueDate, TimeTOf(2024, 3, 20));
    EXPECT_EQ(rec.tStartDate, TimeTOf(2024, 3, 18));
    EXPECT_EQ(rec.tReminderTime, TimeTOf(2024, 3, 19, 8, 0));
    EXPECT_DOUBLE_EQ(rec.dCreationTime, DateOf(kNowYear, 3, 15, 10, 10));
    EXPECT_EQ(rec.nSource, 3);

    const CommTaskRec& recurring = *records[1];
    EXPECT_EQ(recurring.bIsRecurring, 1);
    EXPECT_EQ(recurring.tDueDate, -1);
    EXPECT_EQ(recurring.nPriority, 0);
    EXPECT_EQ(recurring.bPrivate, 0);
    EXPECT_EQ(recurring.bAlarm, 0);

    struct Case {
        std::size_t nRecord;
        unsigned nId;
        std::string text;
    };
    const Case cases[] = {
        {0, 1, "Figures first"},  {0, 2, "card"},   {0, 3, "0"},      {0, 4, "03/20/2024"},
        {0, 5, entryId},          {0, 6, "2"},      {0, 7, "0"},      {0, 8, "12 km"},
        {0, 9, "4"},              {0, 10, "50"},    {0, 12, "1"},     {0, 13, "1"},
        {0, 14, "ding.wav"},      {0, 15, "03/19/2024 08:00:00"},    {0, 17, "Owner"},
        {0, 18, "0"},             {0, 19, "1"},     {0, 20, "03/18/2024"}, {0, 21, "1"},
        {0, 22, "Quarterly report"}, {0, 23, "Work"}, {0, 24, "1"},   {0, 25, "120"},
        {0, 26, "03/15/2024 10:10:00"},             {1, 4, ""},       {1, 7, "1"},
        {1, 12, "0"},             {1, 13, "0"},     {1, 15, " 00:00:00"},
    };
    for (const Case& c : cases) {
        const auto* pImage = static_cast<const OlTaskItem*>(records[c.nRecord]->pNative);
        EXPECT_EQ(OlTaskUtil::GetFieldText(pImage, c.nId), c.text) << "task " << c.nRecord << ", field " << c.nId;
    }
    EXPECT_STREQ(static_cast<const OlTaskItem*>(records[0]->pNative)->FolderName, "Tasks");
    EXPECT_TRUE(Logged(Info("Got the name of the Task folder: Tasks")));
}

struct WrittenTask {
    LONG nImportance;
    LONG nSensitivity;
    LONG nStatus;
    DATE dDueDate;
};

WrittenTask ReadWritten(CDispCmd& item)
{
    return {LongOf(item, OLESTR("Importance")), LongOf(item, OLESTR("Sensitivity")), LongOf(item, OLESTR("Status")),
            DateValueOf(item, OLESTR("DueDate"))};
}

TEST(OlTaskUtil, ARecordWritesOutlooksCodesAndOnlyRealDueDates)
{
    struct Case {
        const char* szSubject;
        LONG nPriority;
        LONG nSensitivity;
        BYTE bPrivate;
        LONG nStatus;
        time_t tDueDate;
        WrittenTask expected;
    };
    const Case cases[] = {
        {"high", 1, 0, 0, 0, TimeTOf(2021, 6, 1), {2, 0, 0, DateOf(2021, 6, 1)}},
        {"low and private", 2, 0, 1, 4, TimeTOf(2020, 12, 31), {0, 2, 4, DateOf(2020, 12, 31)}},
        {"normal and confidential", 0, 3, 1, 2, 0, {1, 3, 2, kNoneDate}},
        {"unknown codes", 7, 8, 0, 9, -1, {1, 0, 0, kNoneDate}},
        {"due in the none year", 0, 1, 0, 3, TimeTOf(4501, 1, 1), {1, 1, 3, kNoneDate}},
    };
    AdapterSim sim;
    OlTaskUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    for (const Case& c : cases) {
        auto pRec = CsvRecord(c.szSubject);
        pRec->nPriority = c.nPriority;
        pRec->nSensitivity = c.nSensitivity;
        pRec->bPrivate = c.bPrivate;
        pRec->nStatus = c.nStatus;
        pRec->tDueDate = c.tDueDate;
        EXPECT_TRUE(adapter.SaveRecord(pRec.get())) << c.szSubject;
    }
    ASSERT_EQ(sim.Count(kTasksFolder), static_cast<LONG>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].szSubject);
        Object item = sim.ItemAt(kTasksFolder, static_cast<int>(i) + 1);
        ASSERT_NE(item, nullptr);
        const WrittenTask written = ReadWritten(*item);
        EXPECT_EQ(written.nImportance, cases[i].expected.nImportance);
        EXPECT_EQ(written.nSensitivity, cases[i].expected.nSensitivity);
        EXPECT_EQ(written.nStatus, cases[i].expected.nStatus);
        EXPECT_DOUBLE_EQ(written.dDueDate, cases[i].expected.dDueDate);
    }
}

TEST(OlTaskUtil, ReminderDetailsAreWrittenOnlyWithTheReminderOn)
{
    AdapterSim sim;
    OlTaskUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    for (const BYTE bAlarm : {BYTE{0}, BYTE{1}}) {
        auto pRec = CsvRecord(bAlarm ? "reminder on" : "reminder off");
        pRec->bAlarm = bAlarm;
        pRec->bReminderPlaySound = 1;
        pRec->bReminderOverrideDefault = 1;
        std::strcpy(pRec->szReminderSoundFile, "ding.wav");
        pRec->tReminderTime = TimeTOf(2024, 3, 19, 8, 0);
        EXPECT_TRUE(adapter.SaveRecord(pRec.get()));
    }
    Object off = sim.ItemAt(kTasksFolder, 1);
    ASSERT_NE(off, nullptr);
    EXPECT_FALSE(BoolOf(*off, OLESTR("ReminderSet")));
    EXPECT_FALSE(BoolOf(*off, OLESTR("ReminderPlaySound")));
    EXPECT_FALSE(BoolOf(*off, OLESTR("ReminderOverrideDefault")));
    EXPECT_EQ(TextOf(*off, OLESTR("ReminderSoundFile")), "");
    EXPECT_DOUBLE_EQ(DateValueOf(*off, OLESTR("ReminderTime")), kNoneDate);

    Object on = sim.ItemAt(kTasksFolder, 2);
    ASSERT_NE(on, nullptr);
    EXPECT_TRUE(BoolOf(*on, OLESTR("ReminderSet")));
    EXPECT_TRUE(BoolOf(*on, OLESTR("ReminderPlaySound")));
    EXPECT_TRUE(BoolOf(*on, OLESTR("ReminderOverrideDefault")));
    EXPECT_EQ(TextOf(*on, OLESTR("ReminderSoundFile")), "ding.wav");
    EXPECT_DOUBLE_EQ(DateValueOf(*on, OLESTR("ReminderTime")), DateOf(2024, 3, 19, 8, 0));
}

TEST(OlTaskUtil, ACsvRowWritesItsTextsAndNoDatesNorPattern)
{
    AdapterSim sim;
    OlTaskUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    auto pRec = CsvRecord("Call Bob", "About the offer", "Calls");
    pRec->bIsRecurring = 1;
    ASSERT_TRUE(adapter.SaveRecord(pRec.get()));

    ASSERT_EQ(sim.Count(kTasksFolder), 1);
    Object item = sim.ItemAt(kTasksFolder, 1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(TextOf(*item, OLESTR("Subject")), "Call Bob");
    EXPECT_EQ(TextOf(*item, OLESTR("Body")), "About the offer");
    EXPECT_EQ(TextOf(*item, OLESTR("Categories")), "Calls");
    EXPECT_EQ(LongOf(*item, OLESTR("Importance")), 1);
    EXPECT_FALSE(BoolOf(*item, OLESTR("IsRecurring")));
    EXPECT_DOUBLE_EQ(DateValueOf(*item, OLESTR("DueDate")), kNoneDate);
    EXPECT_DOUBLE_EQ(DateValueOf(*item, OLESTR("StartDate")), kNoneDate);
    EXPECT_DOUBLE_EQ(DateValueOf(*item, OLESTR("ReminderTime")), kNoneDate);

    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0]->nNativeSize, sizeof(OlTaskItem));
    EXPECT_EQ(static_cast<const OlTaskItem*>(records[0]->pNative)->EntryID, TextOf(*item, OLESTR("EntryID")));
    EXPECT_EQ(records[0]->nSource, 3);
}

TEST(OlTaskUtil, AStoredTaskIsSkippedAndOneWithTheSameSubjectIsWrittenOver)
{
    AdapterSim sim;
    Object report = NewTask(sim, "Report");
    EXPECT_EQ(report->PutLong(OLESTR("Importance"), 2), S_OK);
    EXPECT_EQ(report->PutString(OLESTR("Body"), "old text"), S_OK);
    sim.Save(*report);
    OlTaskUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());

    ASSERT_TRUE(adapter.SaveRecord(CsvRecord("Call Bob").get()));
    EXPECT_FALSE(adapter.SaveRecord(CsvRecord("call BOB").get()));
    EXPECT_EQ(sim.Count(kTasksFolder), 2);

    EXPECT_TRUE(adapter.SaveRecord(CsvRecord("report", "new text").get()));
    EXPECT_EQ(sim.Count(kTasksFolder), 2);
    Object written = sim.ItemAt(kTasksFolder, 1);
    EXPECT_EQ(LongOf(*written, OLESTR("Importance")), 1);
    EXPECT_EQ(TextOf(*written, OLESTR("Body")), "new text");
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]->nPriority, 0);
    EXPECT_STREQ(records[0]->szNote, "new text");
}

TEST(OlTaskUtil, WithoutItsFolderTheAdapterLoadsAndSavesNothingAndSaysNothing)
{
    AdapterSim sim;
    olsim::InjectFault("NameSpace", "GetDefaultFolder", kFailure);
    OlTaskUtil adapter;
    olsim::ClearFaults();
    EXPECT_FALSE(adapter.m_bFolderOpen);
    EXPECT_EQ(adapter.m_pTaskRootFolder, nullptr);
    EXPECT_FALSE(adapter.LoadItems());
    EXPECT_FALSE(adapter.SaveRecord(CsvRecord("Call Bob").get()));
    EXPECT_EQ(sim.Count(kTasksFolder), 0);
    EXPECT_TRUE(AdapterSim::ErrorLines().empty());
}

TEST(OlTaskUtil, LoadingGoesOnWithoutTheFolderNameButNotWithoutItsItems)
{
    AdapterSim sim;
    sim.Save(*NewTask(sim, "Report"));
    OlTaskUtil adapter;

    olsim::InjectFault("Folder", "Name", kFailure);
    EXPECT_TRUE(adapter.LoadItems());
    olsim::ClearFaults();
    EXPECT_EQ(StoredRecords(*adapter.m_pDataMgr).size(), 1u);
    EXPECT_TRUE(Logged(Error("Failed to get the name of the folder. hr=0x80004005")));

    olsim::InjectFault("Folder", "Items", kFailure);
    EXPECT_FALSE(adapter.LoadItems());
    olsim::ClearFaults();
    EXPECT_TRUE(StoredRecords(*adapter.m_pDataMgr).empty());
    EXPECT_TRUE(Logged(Error("Failed to get the \"Items\" property of the Task folder. hr=0x80004005")));
}

TEST(OlTaskUtil, ATaskOutlookRefusesToAddIsNotStored)
{
    struct Case {
        const char* szKind;
        const char* szMember;
        std::string message;
    };
    const Case cases[] = {
        {"Folder", "Items", "Failed to get the \"Items\" property of the Task folder. hr=0x80020009"},
        {"Items", "Add", "Failed to call the \"Add\" method. hr=0x80020009"},
        {"TaskItem", "Save", "Failed to save the Task item. hr=0x80020009"},
    };
    AdapterSim sim;
    OlTaskUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szKind) + "." + c.szMember);
        olsim::InjectFault(c.szKind, c.szMember, DISP_E_EXCEPTION);
        EXPECT_FALSE(adapter.SaveRecord(CsvRecord("Call Bob").get()));
        olsim::ClearFaults();
        EXPECT_TRUE(StoredRecords(*adapter.m_pDataMgr).empty());
        EXPECT_EQ(sim.Count(kTasksFolder), 0);
        EXPECT_TRUE(Logged(Error(c.message)));
    }
}

TEST(OlTaskUtil, AnUpdateThatFindsNoTaskWritesNothingAndRefreshesNothing)
{
    AdapterSim sim;
    Object report = NewTask(sim, "Report");
    EXPECT_EQ(report->PutLong(OLESTR("Importance"), 2), S_OK);
    sim.Save(*report);
    OlTaskUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());

    struct Case {
        const char* szKind;
        const char* szMember;
        std::string message;
    };
    const Case cases[] = {
        {"Folder", "Items", "Failed to get the \"Items\" property of the Task folder. hr=0x80020009"},
        {"Items", "Item", "Failed to get the item by index: 0. hr=0x80020009"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szKind) + "." + c.szMember);
        olsim::InjectFault(c.szKind, c.szMember, DISP_E_EXCEPTION);
        // Without GetFirst the folder cannot be searched for the task either.
        olsim::InjectFault("Items", "GetFirst", DISP_E_EXCEPTION);
        EXPECT_FALSE(adapter.SaveRecord(CsvRecord("Report", "new text").get()));
        olsim::ClearFaults();
        EXPECT_TRUE(Logged(Error(c.message)));
        EXPECT_EQ(LongOf(*sim.ItemAt(kTasksFolder, 1), OLESTR("Importance")), 2);
        const auto records = StoredRecords(*adapter.m_pDataMgr);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0]->nPriority, 1);
        EXPECT_STREQ(records[0]->szNote, "");
    }
}

}  // namespace
