// The tasks adapter's CSV field table and its conversions between item image and task
// record: texts, codes and dates.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlTaskUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

using namespace adapter_test;

namespace {

TEST(OlTaskFields, TheTableHas27RowsWhoseIdIsTheirPosition)
{
    ASSERT_EQ(OlTaskUtil::GetFieldCount(), 27);
    std::set<std::string> titles;
    for (unsigned nId = 1; nId <= 27; ++nId) {
        const CsvFieldEntry* pDef = OlTaskUtil::GetFieldDef(nId);
        ASSERT_NE(pDef, nullptr) << nId;
        EXPECT_EQ(pDef->nId, static_cast<int>(nId));
        EXPECT_EQ(pDef->vValue.vt, VT_EMPTY) << nId;
        EXPECT_TRUE(titles.insert(pDef->szName).second) << "title twice: " << pDef->szName;
    }
    EXPECT_EQ(OlTaskUtil::GetFieldDef(0), nullptr);
    EXPECT_EQ(OlTaskUtil::GetFieldDef(28), nullptr);
}

TEST(OlTaskFields, RowsCarryTheirTitleTypeAndLength)
{
    struct Row {
        unsigned nId;
        const char* szTitle;
        int nType;
        int nLength;
    };
    const Row rows[] = {
        {1, "Notes", 2, 20480},       {4, "Due Date", 4, 8},
        {5, "Entry ID", 2, 1024},     {10, "Percent Completed", 1, 4},
        {11, "Reminder Overwrite Default", 1, 4},
        {15, "Reminder Time", 4, 8},  {17, "Role", 2, 32},
        {18, "Saved", 1, 4},          {23, "Category", 2, 256},
        {27, "Last Modification Time", 4, 8},
    };
    for (const Row& row : rows) {
        const CsvFieldEntry* pDef = OlTaskUtil::GetFieldDef(row.nId);
        ASSERT_NE(pDef, nullptr) << row.nId;
        EXPECT_STREQ(pDef->szName, row.szTitle);
        EXPECT_EQ(pDef->nType, row.nType) << row.szTitle;
        EXPECT_EQ(pDef->nLength, row.nLength) << row.szTitle;
    }
}

TEST(OlTaskFields, EachKindOfFieldHasItsCsvText)
{
    const auto pItem = std::make_unique<OlTaskItem>();
    std::strcpy(pItem->Body, "Call back");
    pItem->Complete = true;
    pItem->DueDate = DateOf(2024, 3, 20);
    pItem->StartDate = kNoneDate;
    pItem->Importance = 2;
    pItem->PercentComplete = 50;
    pItem->ReminderTime = DateOf(2024, 3, 19, 8, 0);
    pItem->Status = 3;
    pItem->Saved = true;  // never read from Outlook; the export still shows what the image holds

    struct Case {
        unsigned nId;
        const char* szText;
    };
    const Case cases[] = {
        {1, "Call back"}, {3, "1"},   {4, "03/20/2024"},         {6, "2"},  {7, "0"},
        {10, "50"},       {13, "0"},  {15, "03/19/2024 08:00:00"}, {18, "1"}, {20, ""},
        {21, "3"},        {0, ""},    {28, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(OlTaskUtil::GetFieldText(pItem.get(), c.nId), c.szText) << "field " << c.nId;
    EXPECT_STREQ(OlTaskUtil::GetFieldText(nullptr, 1), "");
}

TEST(OlTaskFields, OnlyNotesSubjectAndCategoryAreImported)
{
    const auto pRec = std::make_unique<CommTaskRec>();
    EXPECT_TRUE(OlTaskUtil::SetFieldText(1, "the note", pRec.get()));
    EXPECT_TRUE(OlTaskUtil::SetFieldText(22, "the subject", pRec.get()));
    EXPECT_TRUE(OlTaskUtil::SetFieldText(23, "the category", pRec.get()));
    EXPECT_STREQ(pRec->szNote, "the note");
    EXPECT_STREQ(pRec->szSubject, "the subject");
    EXPECT_STREQ(pRec->szCategory, "the category");

    const auto pEmpty = std::make_unique<CommTaskRec>();
    for (unsigned nId = 0; nId <= 28; ++nId) {
        if (nId == 1 || nId == 22 || nId == 23)
            continue;
        const auto pOther = std::make_unique<CommTaskRec>();
        EXPECT_FALSE(OlTaskUtil::SetFieldText(nId, "2", pOther.get())) << nId;
        EXPECT_EQ(std::memcmp(pOther.get(), pEmpty.get(), sizeof(CommTaskRec)), 0) << nId;
    }
    EXPECT_FALSE(OlTaskUtil::SetFieldText(22, "x", nullptr));
    EXPECT_TRUE(OlTaskUtil::SetFieldText(22, nullptr, pRec.get()));
    EXPECT_STREQ(pRec->szSubject, "the subject");

    const std::string longNote(9000, 'n');
    ASSERT_TRUE(OlTaskUtil::SetFieldText(1, longNote.c_str(), pRec.get()));
    EXPECT_EQ(std::strlen(pRec->szNote), 8191u);
}

TEST(OlTaskFields, OutlookCodesReadIntoTheRecordsCodes)
{
    struct Case {
        LONG nImportance;
        LONG nSensitivity;
        LONG nStatus;
        LONG nResponseState;
        LONG nPriority;
        LONG nRecSensitivity;
        BYTE bPrivate;
        LONG nRecStatus;
        LONG nRecResponseState;
    };
    const Case cases[] = {
        {2, 0, 0, 0, 1, 0, 0, 0, 0},
        {0, 1, 4, 3, 2, 1, 1, 4, 3},
        {1, 2, 2, 1, 0, 2, 1, 2, 1},
        {7, 3, 5, 4, 0, 3, 1, 0, 0},
        {-1, 9, -1, -2, 0, 0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        const auto pItem = std::make_unique<OlTaskItem>();
        pItem->Importance = c.nImportance;
        pItem->Sensitivity = c.nSensitivity;
        pItem->Status = c.nStatus;
        pItem->ResponseState = c.nResponseState;
        const auto pRec = std::make_unique<CommTaskRec>();
        ASSERT_TRUE(OlTaskUtil::ItemToRecord(pItem.get(), pRec.get()));
        SCOPED_TRACE("importance " + std::to_string(c.nImportance) + ", sensitivity " + std::to_string(c.nSensitivity));
        EXPECT_EQ(pRec->nPriority, c.nPriority);
        EXPECT_EQ(pRec->nSensitivity, c.nRecSensitivity);
        EXPECT_EQ(pRec->bPrivate, c.bPrivate);
        EXPECT_EQ(pRec->nStatus, c.nRecStatus);
        EXPECT_EQ(pRec->nResponseState, c.nRecResponseState);
        EXPECT_EQ(pRec->nSource, 3);
    }
}

TEST(OlTaskFields, RecordCodesWriteOutlooksCodes)
{
    struct Case {
        LONG nPriority;
        LONG nSensitivity;
        BYTE bPrivate;
        LONG nStatus;
        LONG nResponseState;
        LONG nImportance;
        LONG nItemSensitivity;
        LONG nItemStatus;
        LONG nItemResponseState;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 0, 2, 0, 0, 0},
        {2, 0, 1, 4, 3, 0, 2, 4, 3},
        {0, 3, 1, 2, 1, 1, 3, 2, 1},
        {5, 1, 0, 5, 4, 1, 1, 0, 0},
        {-1, 9, 0, -1, -1, 1, 0, 0, 0},
        {0, 9, 1, 0, 0, 1, 2, 0, 0},
    };
    for (const Case& c : cases) {
        const auto pRec = std::make_unique<CommTaskRec>();
        pRec->nPriority = c.nPriority;
        pRec->nSensitivity = c.nSensitivity;
        pRec->bPrivate = c.bPrivate;
        pRec->nStatus = c.nStatus;
        pRec->nResponseState = c.nResponseState;
        const auto pItem = std::make_unique<OlTaskItem>();
        ASSERT_TRUE(OlTaskUtil::RecordToItem(pRec.get(), pItem.get()));
        SCOPED_TRACE("priority " + std::to_string(c.nPriority) + ", sensitivity " + std::to_string(c.nSensitivity));
        EXPECT_EQ(pItem->Importance, c.nImportance);
        EXPECT_EQ(pItem->Sensitivity, c.nItemSensitivity);
        EXPECT_EQ(pItem->Status, c.nItemStatus);
        EXPECT_EQ(pItem->ResponseState, c.nItemResponseState);
        EXPECT_EQ(pItem->RecurrenceType, -1);
    }
}

TEST(OlTaskFields, OnlyRealDatesAreGivenToOutlook)
{
    struct Case {
        const char* szWhat;
        time_t tDate;
        DATE dExpected;
    };
    const Case cases[] = {
        {"2021", TimeTOf(2021, 6, 1), DateOf(2021, 6, 1)},
        {"2020", TimeTOf(2020, 12, 31, 9, 15), DateOf(2020, 12, 31, 9, 15)},
        {"1985", TimeTOf(1985, 2, 3), DateOf(1985, 2, 3)},
        {"none from a CSV file", 0, 0.0},
        {"none from Outlook", -1, 0.0},
        {"Outlook's none year", TimeTOf(4501, 1, 1), 0.0},
        {"later still", TimeTOf(6000, 5, 5), 0.0},
    };
    for (const Case& c : cases) {
        const auto pRec = std::make_unique<CommTaskRec>();
        pRec->tDueDate = c.tDate;
        pRec->tStartDate = c.tDate;
        pRec->tReminderTime = c.tDate;
        const auto pItem = std::make_unique<OlTaskItem>();
        ASSERT_TRUE(OlTaskUtil::RecordToItem(pRec.get(), pItem.get()));
        SCOPED_TRACE(c.szWhat);
        EXPECT_DOUBLE_EQ(pItem->DueDate, c.dExpected);
        EXPECT_DOUBLE_EQ(pItem->StartDate, c.dExpected);
        EXPECT_DOUBLE_EQ(pItem->ReminderTime, c.dExpected);
    }
}

TEST(OlTaskFields, OutlooksNoneDateReadsAsNoDate)
{
    struct Case {
        const char* szWhat;
        DATE dDate;
        time_t tExpected;
    };
    const Case cases[] = {
        {"a date", DateOf(2024, 3, 20, 17, 0), TimeTOf(2024, 3, 20, 17, 0)},
        {"after 2030", DateOf(2040, 1, 2), TimeTOf(2040, 1, 2)},
        {"none", kNoneDate, -1},
        {"the last date there is", 2958465.0, -1},
    };
    for (const Case& c : cases) {
        const auto pItem = std::make_unique<OlTaskItem>();
        pItem->DueDate = c.dDate;
        pItem->StartDate = c.dDate;
        pItem->ReminderTime = c.dDate;
        const auto pRec = std::make_unique<CommTaskRec>();
        ASSERT_TRUE(OlTaskUtil::ItemToRecord(pItem.get(), pRec.get()));
        SCOPED_TRACE(c.szWhat);
        EXPECT_EQ(pRec->tDueDate, c.tExpected);
        EXPECT_EQ(pRec->tStartDate, c.tExpected);
        EXPECT_EQ(pRec->tReminderTime, c.tExpected);
    }
}

TEST(OlTaskFields, TextsAreCutAtTheirOwnLengthsBothWays)
{
    const auto pItem = std::make_unique<OlTaskItem>();
    std::memset(pItem->CardData, 'c', 255);
    std::memset(pItem->Categories, 'k', 255);
    std::memset(pItem->Mileage, 'm', 255);
    std::memset(pItem->Body, 'b', 9000);
    const auto pRec = std::make_unique<CommTaskRec>();
    ASSERT_TRUE(OlTaskUtil::ItemToRecord(pItem.get(), pRec.get()));
    EXPECT_EQ(std::strlen(pRec->szCardData), 254u);
    EXPECT_EQ(std::strlen(pRec->szCategory), 254u);
    EXPECT_EQ(std::strlen(pRec->szMileage), 31u);
    EXPECT_EQ(std::strlen(pRec->szNote), 8191u);

    const auto pBack = std::make_unique<CommTaskRec>();
    std::memset(pBack->szCategory, 'k', 255);
    std::memset(pBack->szSubject, 's', 255);
    const auto pWritten = std::make_unique<OlTaskItem>();
    ASSERT_TRUE(OlTaskUtil::RecordToItem(pBack.get(), pWritten.get()));
    EXPECT_EQ(std::strlen(pWritten->Categories), 254u);
    EXPECT_EQ(std::strlen(pWritten->Subject), 255u);
}

TEST(OlTaskFields, TheReminderIsOnWhenEitherFlagOfTheRecordIsAndBothFlagsReadFromIt)
{
    struct Case {
        BYTE bReminderSet;
        BYTE bAlarm;
        bool bExpected;
    };
    for (const Case& c : {Case{0, 0, false}, Case{1, 0, true}, Case{0, 1, true}, Case{1, 1, true}}) {
        const auto pRec = std::make_unique<CommTaskRec>();
        pRec->bReminderSet = c.bReminderSet;
        pRec->bAlarm = c.bAlarm;
        const auto pItem = std::make_unique<OlTaskItem>();
        ASSERT_TRUE(OlTaskUtil::RecordToItem(pRec.get(), pItem.get()));
        EXPECT_EQ(pItem->ReminderSet, c.bExpected);

        const auto pRead = std::make_unique<CommTaskRec>();
        ASSERT_TRUE(OlTaskUtil::ItemToRecord(pItem.get(), pRead.get()));
        EXPECT_EQ(pRead->bReminderSet, c.bExpected ? 1 : 0);
        EXPECT_EQ(pRead->bAlarm, c.bExpected ? 1 : 0);
    }
}

}  // namespace
