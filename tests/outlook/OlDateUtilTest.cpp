// The calendar adapter against the simulated Outlook: loading, the CSV texts of a loaded
// appointment, durations, saving CSV rows (add, skip, update), finding the right
// appointment to update, and every failure Outlook can give.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlDateUtil.h"
#include "olsim/FaultInjection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

using namespace adapter_test;

namespace {

constexpr HRESULT kFailure = E_FAIL;

Object SeedAppointment(AdapterSim& sim, const char* szSubject, DATE dStart, LONG nDuration, const char* szLocation = "")
{
    Object item = sim.NewItem(kCalendarFolder, kAppointmentItem);
    EXPECT_NE(item, nullptr);
    if (!item)
        return nullptr;
    EXPECT_EQ(item->PutString(OLESTR("Subject"), szSubject), S_OK);
    EXPECT_EQ(item->PutDate(OLESTR("Start"), dStart), S_OK);
    EXPECT_EQ(item->PutLong(OLESTR("Duration"), nDuration), S_OK);
    if (szLocation[0] != '\0') {
        EXPECT_EQ(item->PutString(OLESTR("Location"), szLocation), S_OK);
    }
    return item;
}

// A record as the CSV import makes it: only the four imported columns.
std::unique_ptr<CommDateRec> CsvRecord(const char* szSubject, const char* szLocation, const char* szCategory = "",
                                       const char* szNote = "")
{
    auto pRec = std::make_unique<CommDateRec>();
    EXPECT_TRUE(OlDateUtil::SetFieldText(26, szSubject, pRec.get()));
    EXPECT_TRUE(OlDateUtil::SetFieldText(7, szLocation, pRec.get()));
    EXPECT_TRUE(OlDateUtil::SetFieldText(27, szCategory, pRec.get()));
    EXPECT_TRUE(OlDateUtil::SetFieldText(28, szNote, pRec.get()));
    return pRec;
}

void ExpectTime(const SYSTEMTIME& stActual, const SYSTEMTIME& stExpected)
{
    EXPECT_EQ(stActual.wYear, stExpected.wYear);
    EXPECT_EQ(stActual.wMonth, stExpected.wMonth);
    EXPECT_EQ(stActual.wDay, stExpected.wDay);
    EXPECT_EQ(stActual.wHour, stExpected.wHour);
    EXPECT_EQ(stActual.wMinute, stExpected.wMinute);
}

bool Logged(const LogLine& line)
{
    const auto lines = AdapterSim::LogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string HexText(HRESULT hr)
{
    char szText[16];
    std::snprintf(szText, sizeof szText, "0x%x", static_cast<unsigned>(hr));
    return szText;
}

TEST(OlDateUtil, LoadsEveryAppointmentIntoARecordWithItsImage)
{
    AdapterSim sim;
    Object dentist = SeedAppointment(sim, "Dentist", DateOf(2024, 3, 20, 9, 30), 90, "Main St 4");
    EXPECT_EQ(dentist->PutString(OLESTR("Body"), "Bring the card"), S_OK);
    EXPECT_EQ(dentist->PutString(OLESTR("Categories"), "Health"), S_OK);
    EXPECT_EQ(dentist->PutBool(OLESTR("ReminderSet"), true), S_OK);
    EXPECT_EQ(dentist->PutLong(OLESTR("ReminderMinutesBeforeStart"), 90), S_OK);
    sim.Save(*dentist);
    Object holiday = SeedAppointment(sim, "Holiday", DateOf(2024, 4, 1), 1440);
    EXPECT_EQ(holiday->PutBool(OLESTR("AllDayEvent"), true), S_OK);
    sim.Save(*holiday);
    const std::string entryId = TextOf(*sim.ItemAt(kCalendarFolder, 1), OLESTR("EntryID"));

    OlDateUtil adapter;
    EXPECT_TRUE(adapter.m_bFolderOpen);
    ASSERT_TRUE(adapter.LoadItems());
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 2u);

    const CommDateRec& rec = *records[0];
    EXPECT_STREQ(rec.szDescription, "Dentist");
    EXPECT_STREQ(rec.szLocation, "Main St 4");
    EXPECT_STREQ(rec.szNote, "Bring the card");
    EXPECT_STREQ(rec.szCategory, "Health");
    ExpectTime(rec.stStart, TimeOf(2024, 3, 20, 9, 30));
    ExpectTime(rec.stEnd, TimeOf(2024, 3, 20, 11, 0));
    EXPECT_EQ(rec.nDuration, 90);
    EXPECT_EQ(rec.nAllDayEvent, 0);
    EXPECT_EQ(rec.nAlarm, 1);
    EXPECT_EQ(rec.nReminderSet, 1);
    EXPECT_EQ(rec.nReminderUnit, 2);
    EXPECT_EQ(rec.nReminderValue, 1);
    EXPECT_EQ(rec.recurrence.nType, 0);
    EXPECT_EQ(rec.nSource, 3);
    EXPECT_DOUBLE_EQ(rec.dCreationTime, DateOf(kNowYear, 3, 15, 10, 10));
    EXPECT_DOUBLE_EQ(rec.dLastModificationTime, DateOf(kNowYear, 3, 15, 10, 10));
    ASSERT_NE(rec.pNative, nullptr);
    ASSERT_EQ(rec.nNativeSize, sizeof(OlDateItem));
    const auto& image = *static_cast<const OlDateItem*>(rec.pNative);
    EXPECT_EQ(image.EntryID, entryId);
    EXPECT_STREQ(image.FolderName, "Calendar");
    EXPECT_EQ(image.RecurrenceType, -1);

    EXPECT_EQ(records[1]->nAllDayEvent, 1);
    EXPECT_STREQ(records[1]->szDescription, "Holiday");

    const std::string storeId = image.StoreID;
    EXPECT_FALSE(storeId.empty());
    const std::vector<LogLine> expected = {
        Info("Get Outlook Calendar root folder successfully."),
        Info("Got the name of the Calendar folder: Calendar"),
        Info("Got the StoreID of the Calendar folder: " + storeId),
    };
    for (const LogLine& line : expected)
        EXPECT_TRUE(Logged(line)) << line;
}

TEST(OlDateUtil, ALoadedAppointmentGivesTheCsvTextOfEveryField)
{
    AdapterSim sim;
    Object item = SeedAppointment(sim, "Dentist", DateOf(2024, 3, 20, 9, 30), 90, "Main St 4");
    EXPECT_EQ(item->PutString(OLESTR("Body"), "Bring the card"), S_OK);
    EXPECT_EQ(item->PutString(OLESTR("Categories"), "Health"), S_OK);
    EXPECT_EQ(item->PutBool(OLESTR("ReminderSet"), true), S_OK);
    EXPECT_EQ(item->PutLong(OLESTR("ReminderMinutesBeforeStart"), 90), S_OK);
    // Outlook has these, but the adapter reads none of them.
    EXPECT_EQ(item->PutLong(OLESTR("BusyStatus"), 3), S_OK);
    EXPECT_EQ(item->PutLong(OLESTR("Importance"), 2), S_OK);
    EXPECT_EQ(item->PutLong(OLESTR("Sensitivity"), 2), S_OK);
    EXPECT_EQ(item->PutDate(OLESTR("ReplyTime"), DateOf(2024, 3, 18, 8, 0)), S_OK);
    sim.Save(*item);

    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    const auto* pImage = static_cast<const OlDateItem*>(records[0]->pNative);
    struct Case {
        unsigned nId;
        const char* szText;
    };
    const Case cases[] = {
        {1, "0"},          {2, "0"},          {3, "90"},       {4, "11:00:00"},  {5, "0"},
        {6, "0"},          {7, "Main St 4"},  {8, "0"},        {13, "0"},        {16, "90"},
        {19, "1"},         {21, " 00:00:00"}, {24, "0"},       {25, "09:30:00"}, {26, "Dentist"},
        {27, "Health"},    {28, "Bring the card"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(OlDateUtil::GetFieldText(pImage, c.nId), c.szText) << "field " << c.nId;
}

TEST(OlDateUtil, AnAppointmentOverMidnightReadsANegativeDuration)
{
    AdapterSim sim;
    sim.Save(*SeedAppointment(sim, "Night shift", DateOf(2024, 3, 20, 23, 0), 120));
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    ExpectTime(records[0]->stEnd, TimeOf(2024, 3, 21, 1, 0));
    EXPECT_EQ(records[0]->nDuration, -1320);
}

// A start or end read from a file with a time of day but no date.
SYSTEMTIME TimeOfDayOnly(int nHour, int nMinute)
{
    return SYSTEMTIME{0, 0, 0, 0, static_cast<WORD>(nHour), static_cast<WORD>(nMinute), 0, 0};
}

TEST(OlDateUtil, StartEndAndAllDayGiveTheStartAndDurationWritten)
{
    struct Case {
        const char* szWhat;
        bool bAllDay;
        SYSTEMTIME stStart;
        SYSTEMTIME stEnd;
        DATE dStart;  // 0: none is sent
        LONG nDuration;
    };
    const Case cases[] = {
        {"an hour and a half", false, TimeOf(2024, 3, 20, 9, 30), TimeOf(2024, 3, 20, 11, 0),
         DateOf(2024, 3, 20, 9, 30), 90},
        {"over midnight", false, TimeOf(2024, 3, 20, 23, 0), TimeOf(2024, 3, 21, 1, 0), DateOf(2024, 3, 20, 23, 0),
         120},
        {"over three days", false, TimeOf(2024, 3, 20, 9, 0), TimeOf(2024, 3, 22, 17, 0), DateOf(2024, 3, 20, 9, 0),
         3360},
        {"ending before it starts", false, TimeOf(2024, 3, 20, 10, 0), TimeOf(2024, 3, 20, 9, 0),
         DateOf(2024, 3, 20, 10, 0), 0},
        {"times without dates", false, TimeOfDayOnly(9, 30), TimeOfDayOnly(11, 0), 0.0, 90},
        {"an end time without a date", false, TimeOf(2024, 3, 20, 9, 30), TimeOfDayOnly(10, 15),
         DateOf(2024, 3, 20, 9, 30), 45},
        {"one whole day", true, TimeOf(2024, 3, 20), TimeOf(2024, 3, 21), DateOf(2024, 3, 20), 1440},
        {"a day given with times", true, TimeOf(2024, 3, 20, 13, 0), TimeOf(2024, 3, 20, 15, 0),
         DateOf(2024, 3, 20), 1440},
        {"to the end of the day the end falls in", true, TimeOf(2024, 3, 20), TimeOf(2024, 3, 22, 13, 0),
         DateOf(2024, 3, 20), 4320},
        {"ending before it starts, all day", true, TimeOf(2024, 3, 20), TimeOf(2024, 3, 18), DateOf(2024, 3, 20),
         1440},
        {"a day without its end", true, TimeOf(2024, 3, 20), SYSTEMTIME{}, DateOf(2024, 3, 20), 1440},
        {"a day without a date", true, SYSTEMTIME{}, SYSTEMTIME{}, 0.0, 1440},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szWhat);
        const auto pRec = std::make_unique<CommDateRec>();
        pRec->nAllDayEvent = c.bAllDay ? 1 : 0;
        pRec->stStart = c.stStart;
        pRec->stEnd = c.stEnd;
        const auto pItem = std::make_unique<OlDateItem>();
        ASSERT_TRUE(OlDateUtil::RecordToItem(pRec.get(), pItem.get()));
        EXPECT_EQ(pItem->AllDayEvent, c.bAllDay);
        EXPECT_DOUBLE_EQ(pItem->Start, c.dStart);
        EXPECT_EQ(pItem->Duration, c.nDuration);
    }
}

TEST(OlDateUtil, OutlookGetsTheDaysOfAnAllDayAppointmentAndItsOwnStartForTimesWithoutDates)
{
    AdapterSim sim;
    const DATE dNewStart = DateValueOf(*sim.NewItem(kCalendarFolder, kAppointmentItem), OLESTR("Start"));
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());

    const auto pConference = std::make_unique<CommDateRec>();
    std::strcpy(pConference->szDescription, "Conference");
    pConference->nAllDayEvent = 1;
    pConference->stStart = TimeOf(2024, 3, 20, 8, 0);
    pConference->stEnd = TimeOf(2024, 3, 23);
    ASSERT_TRUE(adapter.SaveRecord(pConference.get()));

    const auto pCall = std::make_unique<CommDateRec>();
    std::strcpy(pCall->szDescription, "Call");
    pCall->stStart = TimeOfDayOnly(9, 30);
    pCall->stEnd = TimeOfDayOnly(10, 0);
    ASSERT_TRUE(adapter.SaveRecord(pCall.get()));

    Object conference = sim.ItemAt(kCalendarFolder, 1);
    ASSERT_NE(conference, nullptr);
    EXPECT_TRUE(BoolOf(*conference, OLESTR("AllDayEvent")));
    EXPECT_DOUBLE_EQ(DateValueOf(*conference, OLESTR("Start")), DateOf(2024, 3, 20));
    EXPECT_DOUBLE_EQ(DateValueOf(*conference, OLESTR("End")), DateOf(2024, 3, 23));
    Object call = sim.ItemAt(kCalendarFolder, 2);
    ASSERT_NE(call, nullptr);
    EXPECT_DOUBLE_EQ(DateValueOf(*call, OLESTR("Start")), dNewStart);
    EXPECT_EQ(LongOf(*call, OLESTR("Duration")), 30);
}

TEST(OlDateUtil, ACsvRowPutsItsTextsAndNoStartButClearsDurationAndReminder)
{
    AdapterSim sim;
    const DATE dNewStart = DateValueOf(*sim.NewItem(kCalendarFolder, kAppointmentItem), OLESTR("Start"));
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const auto pRec = CsvRecord("Review", "Room 2", "Work", "Bring the notes");
    ASSERT_TRUE(adapter.SaveRecord(pRec.get()));

    ASSERT_EQ(sim.Count(kCalendarFolder), 1);
    Object item = sim.ItemAt(kCalendarFolder, 1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(TextOf(*item, OLESTR("Subject")), "Review");
    EXPECT_EQ(TextOf(*item, OLESTR("Location")), "Room 2");
    EXPECT_EQ(TextOf(*item, OLESTR("Categories")), "Work");
    EXPECT_EQ(TextOf(*item, OLESTR("Body")), "Bring the notes");
    EXPECT_DOUBLE_EQ(DateValueOf(*item, OLESTR("Start")), dNewStart);
    EXPECT_EQ(LongOf(*item, OLESTR("Duration")), 0);
    EXPECT_FALSE(BoolOf(*item, OLESTR("AllDayEvent")));
    EXPECT_FALSE(BoolOf(*item, OLESTR("ReminderSet")));
    EXPECT_EQ(LongOf(*item, OLESTR("ReminderMinutesBeforeStart")), 0);

    // The manager keeps what was written, with the EntryID Outlook gave the appointment.
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]->nSource, 3);
    ASSERT_EQ(records[0]->nNativeSize, sizeof(OlDateItem));
    EXPECT_EQ(static_cast<const OlDateItem*>(records[0]->pNative)->EntryID, TextOf(*item, OLESTR("EntryID")));
    EXPECT_EQ(pRec->pNative, nullptr);
}

TEST(OlDateUtil, ASecondRowThatIsStoredAlreadyIsSkippedAndOneWithAnotherLocationUpdates)
{
    AdapterSim sim;
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    ASSERT_TRUE(adapter.SaveRecord(CsvRecord("Review", "Room 2").get()));
    EXPECT_FALSE(adapter.SaveRecord(CsvRecord("review", "ROOM 2").get()));
    EXPECT_EQ(sim.Count(kCalendarFolder), 1);

    EXPECT_TRUE(adapter.SaveRecord(CsvRecord("Review", "Room 9").get()));
    EXPECT_EQ(sim.Count(kCalendarFolder), 1);
    EXPECT_EQ(TextOf(*sim.ItemAt(kCalendarFolder, 1), OLESTR("Location")), "Room 9");
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_STREQ(records[0]->szLocation, "Room 9");
}

// A record with the key of a loaded appointment (description, start and end day, all-day
// flag) and another location.
std::unique_ptr<CommDateRec> SameAppointmentElsewhere(const char* szSubject, const char* szLocation)
{
    auto pRec = std::make_unique<CommDateRec>();
    std::strcpy(pRec->szDescription, szSubject);
    std::strcpy(pRec->szLocation, szLocation);
    pRec->stStart = TimeOf(2024, 3, 20, 14, 0);
    pRec->stEnd = TimeOf(2024, 3, 20, 15, 0);
    return pRec;
}

class OlDateUtilUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim.Save(*SeedAppointment(sim, "Dentist", DateOf(2024, 3, 20, 9, 30), 30, "Main St 4"));
        sim.Save(*SeedAppointment(sim, "Lunch", DateOf(2024, 3, 20, 12, 0), 60, "Cafe"));
        adapter = std::make_unique<OlDateUtil>();
        ASSERT_TRUE(adapter->LoadItems());
    }
    void TearDown() override { adapter.reset(); }

    std::string LocationAt(int nPosition)
    {
        return TextOf(*sim.ItemAt(kCalendarFolder, nPosition), OLESTR("Location"));
    }

    AdapterSim sim;
    std::unique_ptr<OlDateUtil> adapter;
};

TEST_F(OlDateUtilUpdate, ARecordWithTheKeyOfALoadedAppointmentWritesOverIt)
{
    ASSERT_TRUE(adapter->SaveRecord(SameAppointmentElsewhere("lunch", "Canteen").get()));
    EXPECT_EQ(sim.Count(kCalendarFolder), 2);
    EXPECT_EQ(LocationAt(1), "Main St 4");
    EXPECT_EQ(LocationAt(2), "Canteen");
    EXPECT_DOUBLE_EQ(DateValueOf(*sim.ItemAt(kCalendarFolder, 2), OLESTR("Start")), DateOf(2024, 3, 20, 14, 0));
    EXPECT_STREQ(StoredRecords(*adapter->m_pDataMgr)[1]->szLocation, "Canteen");
}

TEST_F(OlDateUtilUpdate, AnAppointmentThatMovedInTheFolderIsFoundByItsEntryId)
{
    // The manager's order no longer matches the folder's: position 0 holds Lunch.
    CommDateMgr reordered;
    const auto records = StoredRecords(*adapter->m_pDataMgr);
    ASSERT_NE(reordered.AddRecord(records[1]), nullptr);
    ASSERT_NE(reordered.AddRecord(records[0]), nullptr);
    adapter->m_pDataMgr->FreeAll();
    for (const CommDateRec* pRec : StoredRecords(reordered))
        ASSERT_NE(adapter->m_pDataMgr->AddRecord(pRec), nullptr);

    ASSERT_TRUE(adapter->SaveRecord(SameAppointmentElsewhere("Lunch", "Canteen").get()));
    EXPECT_EQ(LocationAt(1), "Main St 4");
    EXPECT_EQ(LocationAt(2), "Canteen");
    EXPECT_FALSE(AdapterSim::ErrorLines().empty());
}

TEST_F(OlDateUtilUpdate, AnAppointmentNoLongerInTheFolderIsNotWritten)
{
    auto records = StoredRecords(*adapter->m_pDataMgr);
    auto* pImage = static_cast<OlDateItem*>(records[1]->pNative);
    std::strcpy(pImage->EntryID, "00000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");

    EXPECT_FALSE(adapter->SaveRecord(SameAppointmentElsewhere("Lunch", "Canteen").get()));
    EXPECT_EQ(LocationAt(1), "Main St 4");
    EXPECT_EQ(LocationAt(2), "Cafe");
    EXPECT_STREQ(records[1]->szLocation, "Cafe");
}

TEST_F(OlDateUtilUpdate, AnUpdateOutlookRefusesLeavesTheStoredRecordAsItWas)
{
    struct Case {
        const char* szKind;
        const char* szMember;
        HRESULT hr;
        std::string message;
    };
    const Case cases[] = {
        {"Folder", "Items", kFailure, "Failed to get the \"Items\" property of the Calendar folder."},
        {"AppointmentItem", "Save", DISP_E_EXCEPTION, "Failed to save the Calendar item. hr=0x80020009"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szKind) + "." + c.szMember);
        olsim::InjectFault(c.szKind, c.szMember, c.hr);
        EXPECT_FALSE(adapter->SaveRecord(SameAppointmentElsewhere("Lunch", "Canteen").get()));
        olsim::ClearFaults();
        EXPECT_EQ(LocationAt(2), "Cafe");
        EXPECT_STREQ(StoredRecords(*adapter->m_pDataMgr)[1]->szLocation, "Cafe");
        EXPECT_TRUE(Logged(Error(c.message)));
    }
}

TEST_F(OlDateUtilUpdate, AnAppointmentFoundNeitherByPositionNorInTheFolderIsNotWritten)
{
    olsim::InjectFault("Items", "Item", DISP_E_EXCEPTION);
    olsim::InjectFault("Items", "GetFirst", kFailure);
    EXPECT_FALSE(adapter->SaveRecord(SameAppointmentElsewhere("Lunch", "Canteen").get()));
    olsim::ClearFaults();
    EXPECT_TRUE(Logged(Error("Failed to get the Calendar event item by index: 1. hr=0x80020009")));
    EXPECT_EQ(LocationAt(2), "Cafe");
}

TEST_F(OlDateUtilUpdate, AnAppointmentThePositionCannotReachIsFoundInTheFolder)
{
    olsim::InjectFault("Items", "Item", DISP_E_EXCEPTION);
    EXPECT_TRUE(adapter->SaveRecord(SameAppointmentElsewhere("Lunch", "Canteen").get()));
    olsim::ClearFaults();
    EXPECT_EQ(LocationAt(2), "Canteen");
}

TEST(OlDateUtil, AnAppointmentOutlookRefusesToAddIsNotStored)
{
    struct Case {
        const char* szKind;
        const char* szMember;
        HRESULT hr;
        std::string message;
    };
    const Case cases[] = {
        {"Folder", "Items", kFailure, "Failed to get the \"Items\" property of the Calendar folder. hr=0x80004005"},
        {"Items", "Add", DISP_E_EXCEPTION, "Failed to call \"Add\" method. hr=0x80020009"},
        {"AppointmentItem", "Save", DISP_E_EXCEPTION, "Failed to save the Calendar item. hr=0x80020009"},
    };
    AdapterSim sim;
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szKind) + "." + c.szMember);
        olsim::InjectFault(c.szKind, c.szMember, c.hr);
        const auto pRec = CsvRecord("Review", "Room 2");
        EXPECT_FALSE(adapter.SaveRecord(pRec.get()));
        EXPECT_FALSE(adapter.AddItem(pRec.get()));
        olsim::ClearFaults();
        EXPECT_EQ(pRec->pNative, nullptr);
        EXPECT_TRUE(StoredRecords(*adapter.m_pDataMgr).empty());
        EXPECT_EQ(sim.Count(kCalendarFolder), 0);
        EXPECT_TRUE(Logged(Error(c.message)));
    }
}

TEST(OlDateUtil, WithoutItsFolderTheAdapterLoadsAndSavesNothing)
{
    AdapterSim sim;
    olsim::InjectFault("NameSpace", "GetDefaultFolder", kFailure);
    OlDateUtil adapter;
    olsim::ClearFaults();
    EXPECT_FALSE(adapter.m_bFolderOpen);
    EXPECT_EQ(adapter.m_pDateRootFolder, nullptr);
    EXPECT_FALSE(adapter.LoadItems());
    EXPECT_FALSE(adapter.SaveRecord(CsvRecord("Review", "Room 2").get()));
    EXPECT_EQ(sim.Count(kCalendarFolder), 0);
    EXPECT_TRUE(Logged(Error("Failed to call \"GetDefaultFolder\" method. hr=" + HexText(kFailure))));
}

TEST(OlDateUtil, LoadingGoesOnWithoutTheFolderNameOrStoreId)
{
    struct Case {
        const char* szMember;
        std::string message;
    };
    const Case cases[] = {
        {"Name", "Failed to get the name of the folder. hr=0x80004005"},
        {"StoreID", "Failed to get the StoreID of the Calendar folder. hr=0x80004005"},
    };
    AdapterSim sim;
    sim.Save(*SeedAppointment(sim, "Dentist", DateOf(2024, 3, 20, 9, 30), 30));
    OlDateUtil adapter;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szMember);
        olsim::InjectFault("Folder", c.szMember, kFailure);
        EXPECT_TRUE(adapter.LoadItems());
        olsim::ClearFaults();
        const auto records = StoredRecords(*adapter.m_pDataMgr);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_STREQ(records[0]->szDescription, "Dentist");
        EXPECT_TRUE(Logged(Error(c.message)));
    }
}

TEST(OlDateUtil, AFolderWhoseItemsCannotBeReadLoadsNothing)
{
    AdapterSim sim;
    sim.Save(*SeedAppointment(sim, "Dentist", DateOf(2024, 3, 20, 9, 30), 30));
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    olsim::InjectFault("Folder", "Items", kFailure);
    EXPECT_FALSE(adapter.LoadItems());
    olsim::ClearFaults();
    EXPECT_TRUE(StoredRecords(*adapter.m_pDataMgr).empty());
    EXPECT_TRUE(Logged(Error("Failed to get Calendar Items property.")));
}

TEST(OlDateUtil, APropertyOutlookWillNotGiveStaysEmptyAndTheRestLoads)
{
    AdapterSim sim;
    sim.Save(*SeedAppointment(sim, "Dentist", DateOf(2024, 3, 20, 9, 30), 30, "Main St 4"));
    olsim::InjectFault("AppointmentItem", "Location", kFailure);
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    olsim::ClearFaults();
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_STREQ(records[0]->szLocation, "");
    EXPECT_STREQ(records[0]->szDescription, "Dentist");
    EXPECT_EQ(records[0]->nDuration, 30);
}

TEST(OlDateUtil, ARecurringAppointmentWhosePatternCannotBeReadLoadsAsDailyEveryZeroDays)
{
    AdapterSim sim;
    Object item = SeedAppointment(sim, "Weekly", DateOf(2024, 3, 20, 9, 30), 30);
    ASSERT_NE(sim.Pattern(*item), nullptr);
    sim.Save(*item);
    olsim::InjectFault("AppointmentItem", "GetRecurrencePattern", kFailure);
    OlDateUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    olsim::ClearFaults();
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]->recurrence.nType, 1);
    EXPECT_EQ(records[0]->recurrence.nInterval, 0);
    EXPECT_STREQ(OlDateUtil::GetFieldText(static_cast<const OlDateItem*>(records[0]->pNative), 6), "1");
}

}  // namespace
