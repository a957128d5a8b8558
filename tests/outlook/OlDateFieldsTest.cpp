// The calendar adapter's CSV field table: its rows, the CSV text of every kind of field,
// and which CSV columns an import stores.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlDateUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

using namespace adapter_test;

namespace {

struct FieldRow {
    unsigned nId;
    const char* szTitle;
    int nType;
    int nLength;
};

TEST(OlDateFields, TheTableHas28RowsWhoseIdIsTheirPosition)
{
    ASSERT_EQ(OlDateUtil::GetFieldCount(), 28);
    std::set<std::string> titles;
    for (unsigned nId = 1; nId <= 28; ++nId) {
        const CsvFieldEntry* pDef = OlDateUtil::GetFieldDef(nId);
        ASSERT_NE(pDef, nullptr) << nId;
        EXPECT_EQ(pDef->nId, static_cast<int>(nId));
        EXPECT_EQ(pDef->vValue.vt, VT_EMPTY) << nId;
        EXPECT_TRUE(titles.insert(pDef->szName).second) << "title twice: " << pDef->szName;
    }
    EXPECT_EQ(OlDateUtil::GetFieldDef(0), nullptr);
    EXPECT_EQ(OlDateUtil::GetFieldDef(29), nullptr);
    EXPECT_EQ(OlDateUtil::GetFieldDef(10000), nullptr);
}

TEST(OlDateFields, RowsCarryTheirTitleTypeAndLength)
{
    const FieldRow rows[] = {
        {1, "All Day Event", 1, 4},
        {4, "End Time", 4, 8},
        {7, "Location", 2, 256},
        {9, "NetMeeting Auto Start", 1, 4},
        {10, "NetMeeting Doc Path Name", 2, 260},
        {11, "NetMeeting Organizer Alias", 2, 64},
        {16, "Reminder Minutes Before Start", 1, 4},
        {21, "Reply Time", 4, 8},
        {25, "Start Time", 4, 8},
        {26, "Subject", 2, 256},
        {27, "Category", 2, 256},
        {28, "Note", 2, 20480},
    };
    for (const FieldRow& row : rows) {
        const CsvFieldEntry* pDef = OlDateUtil::GetFieldDef(row.nId);
        ASSERT_NE(pDef, nullptr) << row.nId;
        EXPECT_STREQ(pDef->szName, row.szTitle);
        EXPECT_EQ(pDef->nType, row.nType) << row.szTitle;
        EXPECT_EQ(pDef->nLength, row.nLength) << row.szTitle;
    }
}

TEST(OlDateFields, EachKindOfFieldHasItsCsvText)
{
    const auto pItem = std::make_unique<OlDateItem>();
    pItem->AllDayEvent = true;
    pItem->Duration = -1320;
    pItem->Start = DateOf(2024, 3, 20, 9, 30);
    pItem->End = DateOf(2024, 3, 20, 11, 5);
    pItem->NetMeetingAutoStart = 7;
    pItem->ReminderPlaySound = 0;
    pItem->ReminderMinutesBeforeStart = 90;
    pItem->ReplyTime = DateOf(2024, 3, 18, 8, 0);
    std::strcpy(pItem->Location, "Room 4");
    std::strcpy(pItem->NetShowURL, "http://example.org/show");

    struct Case {
        unsigned nId;
        const char* szText;
    };
    const Case cases[] = {
        {1, "1"},          {3, "-1320"},      {4, "11:05:00"},
        {6, "0"},          {7, "Room 4"},     {9, "1"},
        {14, "http://example.org/show"},      {16, "90"},
        {18, "0"},         {21, "03/18/2024 08:00:00"},
        {25, "09:30:00"},  {26, ""},          {0, ""},
        {29, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(OlDateUtil::GetFieldText(pItem.get(), c.nId), c.szText) << "field " << c.nId;
}

TEST(OlDateFields, FieldsFilledFromNoPropertyExportAsZeroEmptyOrABlankBeforeTheTime)
{
    const auto pItem = std::make_unique<OlDateItem>();
    EXPECT_STREQ(OlDateUtil::GetFieldText(pItem.get(), 2), "0");
    EXPECT_STREQ(OlDateUtil::GetFieldText(pItem.get(), 5), "0");
    EXPECT_STREQ(OlDateUtil::GetFieldText(pItem.get(), 24), "0");
    EXPECT_STREQ(OlDateUtil::GetFieldText(pItem.get(), 12), "");
    EXPECT_STREQ(OlDateUtil::GetFieldText(pItem.get(), 21), " 00:00:00");
}

TEST(OlDateFields, ANullImageGivesTheEmptyText)
{
    for (const unsigned nId : {1u, 4u, 7u, 21u, 28u})
        EXPECT_STREQ(OlDateUtil::GetFieldText(nullptr, nId), "") << nId;
}

TEST(OlDateFields, OnlyLocationSubjectCategoryAndNoteAreImported)
{
    struct Case {
        unsigned nId;
        std::size_t nOffset;
    };
    const Case imported[] = {
        {7, offsetof(CommDateRec, szLocation)},
        {26, offsetof(CommDateRec, szDescription)},
        {27, offsetof(CommDateRec, szCategory)},
        {28, offsetof(CommDateRec, szNote)},
    };
    for (const Case& c : imported) {
        const auto pRec = std::make_unique<CommDateRec>();
        EXPECT_TRUE(OlDateUtil::SetFieldText(c.nId, "text of the row", pRec.get())) << c.nId;
        EXPECT_STREQ(reinterpret_cast<const char*>(pRec.get()) + c.nOffset, "text of the row") << c.nId;
    }

    const auto pEmpty = std::make_unique<CommDateRec>();
    for (unsigned nId = 0; nId <= 30; ++nId) {
        if (nId == 7 || nId == 26 || nId == 27 || nId == 28)
            continue;
        const auto pRec = std::make_unique<CommDateRec>();
        EXPECT_FALSE(OlDateUtil::SetFieldText(nId, "ignored", pRec.get())) << nId;
        EXPECT_EQ(std::memcmp(pRec.get(), pEmpty.get(), sizeof(CommDateRec)), 0) << nId;
    }
    EXPECT_FALSE(OlDateUtil::SetFieldText(10000, "ignored", pEmpty.get()));
    EXPECT_FALSE(OlDateUtil::SetFieldText(7, "ignored", nullptr));
}

TEST(OlDateFields, ImportedTextIsCutToTheMemberOnACharacterBoundary)
{
    const auto pRec = std::make_unique<CommDateRec>();
    const std::string longText(300, 'x');
    ASSERT_TRUE(OlDateUtil::SetFieldText(27, longText.c_str(), pRec.get()));
    EXPECT_EQ(std::string(pRec->szCategory), std::string(63, 'x'));

    // 62 ASCII bytes, then a two-byte character that would end at byte 64.
    const std::string accented = std::string(62, 'a') + "\xC3\xA9";
    ASSERT_TRUE(OlDateUtil::SetFieldText(27, accented.c_str(), pRec.get()));
    EXPECT_EQ(std::string(pRec->szCategory), std::string(62, 'a'));
}

TEST(OlDateFields, ANullTextStoresNothingAndIsAccepted)
{
    const auto pRec = std::make_unique<CommDateRec>();
    std::strcpy(pRec->szLocation, "kept");
    EXPECT_TRUE(OlDateUtil::SetFieldText(7, nullptr, pRec.get()));
    EXPECT_STREQ(pRec->szLocation, "kept");
}

}  // namespace
