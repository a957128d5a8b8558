// The calendar adapter's CSV field table: its rows, the CSV text of every kind of field,
// which CSV columns an import stores, and what it stores of dates, times, flags and counts.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlDateUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <utility>

using namespace adapter_test;

namespace {

struct FieldRow {
    unsigned nId;
    const char* szTitle;
    int nType;
    int nLength;
};

TEST(OlDateFields, TheTableHas30RowsWhoseIdIsTheirPosition)
{
    ASSERT_EQ(OlDateUtil::GetFieldCount(), 30);
    std::set<std::string> titles;
    for (unsigned nId = 1; nId <= 30; ++nId) {
        const CsvFieldEntry* pDef = OlDateUtil::GetFieldDef(nId);
        ASSERT_NE(pDef, nullptr) << nId;
        EXPECT_EQ(pDef->nId, static_cast<int>(nId));
        EXPECT_EQ(pDef->vValue.vt, VT_EMPTY) << nId;
        EXPECT_TRUE(titles.insert(pDef->szName).second) << "title twice: " << pDef->szName;
    }
    EXPECT_EQ(OlDateUtil::GetFieldDef(0), nullptr);
    EXPECT_EQ(OlDateUtil::GetFieldDef(31), nullptr);
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
        {29, "Start Date", 4, 8},
        {30, "End Date", 4, 8},
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
    pItem->End = DateOf(2024, 3, 21, 11, 5);
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
        {29, "03/20/2024"}, {30, "03/21/2024"}, {31, ""},
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

TEST(OlDateFields, TextsDatesTimesFlagsAndTheReminderAreImportedAndNoOtherField)
{
    struct Case {
        unsigned nId;
        std::size_t nOffset;
    };
    const Case texts[] = {
        {7, offsetof(CommDateRec, szLocation)},
        {26, offsetof(CommDateRec, szDescription)},
        {27, offsetof(CommDateRec, szCategory)},
        {28, offsetof(CommDateRec, szNote)},
    };
    for (const Case& c : texts) {
        const auto pRec = std::make_unique<CommDateRec>();
        EXPECT_TRUE(OlDateUtil::SetFieldText(c.nId, "text of the row", pRec.get())) << c.nId;
        EXPECT_STREQ(reinterpret_cast<const char*>(pRec.get()) + c.nOffset, "text of the row") << c.nId;
    }

    const std::set<unsigned> imported = {1, 4, 7, 16, 19, 25, 26, 27, 28, 29, 30};
    const auto pEmpty = std::make_unique<CommDateRec>();
    for (unsigned nId = 0; nId <= 32; ++nId) {
        if (imported.contains(nId))
            continue;
        const auto pRec = std::make_unique<CommDateRec>();
        EXPECT_EQ(OlDateUtil::StoreFieldText(nId, "1", pRec.get()), TFieldStore::NotImported) << nId;
        EXPECT_FALSE(OlDateUtil::SetFieldText(nId, "1", pRec.get())) << nId;
        EXPECT_EQ(std::memcmp(pRec.get(), pEmpty.get(), sizeof(CommDateRec)), 0) << nId;
    }
    EXPECT_FALSE(OlDateUtil::SetFieldText(10000, "ignored", pEmpty.get()));
    EXPECT_FALSE(OlDateUtil::SetFieldText(7, "ignored", nullptr));
    // Even a value it cannot read belongs to a field the calendar imports.
    EXPECT_TRUE(OlDateUtil::SetFieldText(29, "someday", pEmpty.get()));
}

std::string MomentText(const SYSTEMTIME& st)
{
    char szText[48];
    std::snprintf(szText, sizeof szText, "%04d-%02d-%02d %02d:%02d:%02d.%03d", st.wYear, st.wMonth, st.wDay, st.wHour,
                  st.wMinute, st.wSecond, st.wMilliseconds);
    return szText;
}

// The record members a calendar field stores into, as one text.
std::string MemberText(unsigned nId, const CommDateRec& rec)
{
    switch (nId) {
    case 25:
    case 29:
        return MomentText(rec.stStart);
    case 4:
    case 30:
        return MomentText(rec.stEnd);
    case 1:
        return std::to_string(rec.nAllDayEvent);
    case 19:
        return std::to_string(rec.nAlarm);
    case 16:
        return std::to_string(rec.nReminderSet) + " " + std::to_string(rec.nReminderValue) + " in unit " +
               std::to_string(rec.nReminderUnit);
    default:
        return "no such member";
    }
}

TEST(OlDateFields, DatesTimesFlagsAndTheReminderLeadFillTheirMembersOrNothing)
{
    constexpr const char* kPresetMoment = "2001-02-03 04:05:06.007";
    struct Case {
        unsigned nId;
        const char* szText;
        TFieldStore result;
        const char* szMember;
    };
    const Case cases[] = {
        // The day of a moment leaves its time of day, and the other way round.
        {29, "3/20/2024", TFieldStore::Stored, "2024-03-20 04:05:06.007"},
        {30, " 12/31/2030 ", TFieldStore::Stored, "2030-12-31 04:05:06.007"},
        {25, "23:59:59", TFieldStore::Stored, "2001-02-03 23:59:59.000"},
        {4, "7:05 pm", TFieldStore::Stored, "2001-02-03 19:05:00.000"},
        {29, "", TFieldStore::Stored, kPresetMoment},
        {4, "  ", TFieldStore::Stored, kPresetMoment},
        {29, "2/30/2024", TFieldStore::NotUnderstood, kPresetMoment},
        {30, "12/31/1899", TFieldStore::NotUnderstood, kPresetMoment},
        {30, "03/20/24", TFieldStore::NotUnderstood, kPresetMoment},
        {25, "24:00", TFieldStore::NotUnderstood, kPresetMoment},
        {4, "03/20/2024 09:30:00", TFieldStore::NotUnderstood, kPresetMoment},
        {1, "True", TFieldStore::Stored, "1"},
        {1, "0", TFieldStore::Stored, "0"},
        {1, "", TFieldStore::Stored, "7"},
        {1, "y", TFieldStore::NotUnderstood, "7"},
        {19, "YES", TFieldStore::Stored, "1"},
        {19, "false", TFieldStore::Stored, "0"},
        {19, "2", TFieldStore::NotUnderstood, "7"},
        // Minutes stay minutes: 90 is no whole number of hours.
        {16, "90", TFieldStore::Stored, "1 90 in unit 1"},
        {16, "0", TFieldStore::Stored, "1 0 in unit 1"},
        {16, "", TFieldStore::Stored, "0 0 in unit 0"},
        {16, "-5", TFieldStore::NotUnderstood, "0 0 in unit 0"},
        {16, "1.5", TFieldStore::NotUnderstood, "0 0 in unit 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nId) + " \"" + c.szText + "\"");
        const auto pRec = std::make_unique<CommDateRec>();
        pRec->stStart = SYSTEMTIME{2001, 2, 6, 3, 4, 5, 6, 7};
        pRec->stEnd = pRec->stStart;
        pRec->nAllDayEvent = 7;
        pRec->nAlarm = 7;
        EXPECT_EQ(OlDateUtil::StoreFieldText(c.nId, c.szText, pRec.get()), c.result);
        EXPECT_EQ(MemberText(c.nId, *pRec), c.szMember);
    }
}

TEST(OlDateFields, ARowsDateAndTimeColumnsMakeItsStartAndEndInAnyOrder)
{
    const auto pRec = std::make_unique<CommDateRec>();
    const std::pair<unsigned, const char*> columns[] = {
        {4, "5:45:10 PM"}, {25, "09:30:00"}, {29, "03/20/2024"}, {30, "3/21/2024"},
    };
    for (const auto& [nId, szText] : columns)
        EXPECT_EQ(OlDateUtil::StoreFieldText(nId, szText, pRec.get()), TFieldStore::Stored) << nId;
    EXPECT_EQ(MomentText(pRec->stStart), "2024-03-20 09:30:00.000");
    EXPECT_EQ(MomentText(pRec->stEnd), "2024-03-21 17:45:10.000");
}

TEST(OlDateFields, ImportedTextIsCutToTheMemberOnACharacterBoundary)
{
    const auto pRec = std::make_unique<CommDateRec>();
    const std::string longText(300, 'x');
    ASSERT_EQ(OlDateUtil::StoreFieldText(27, longText.c_str(), pRec.get()), TFieldStore::Cut);
    EXPECT_EQ(std::string(pRec->szCategory), std::string(63, 'x'));

    // 62 ASCII bytes, then a two-byte character that would end at byte 64.
    const std::string accented = std::string(62, 'a') + "\xC3\xA9";
    ASSERT_EQ(OlDateUtil::StoreFieldText(27, accented.c_str(), pRec.get()), TFieldStore::Cut);
    EXPECT_EQ(std::string(pRec->szCategory), std::string(62, 'a'));

    const std::string fitting = std::string(61, 'a') + "\xC3\xA9";
    ASSERT_EQ(OlDateUtil::StoreFieldText(27, fitting.c_str(), pRec.get()), TFieldStore::Stored);
    EXPECT_EQ(std::string(pRec->szCategory), fitting);
}

TEST(OlDateFields, ANullTextStoresNothingAndIsAccepted)
{
    const auto pRec = std::make_unique<CommDateRec>();
    std::strcpy(pRec->szLocation, "kept");
    pRec->stStart = TimeOf(2024, 3, 20, 9, 30);
    const auto pBefore = std::make_unique<CommDateRec>(*pRec);
    for (const unsigned nId : {7u, 1u, 16u, 29u, 25u}) {
        EXPECT_EQ(OlDateUtil::StoreFieldText(nId, nullptr, pRec.get()), TFieldStore::Stored) << nId;
        EXPECT_EQ(std::memcmp(pRec.get(), pBefore.get(), sizeof(CommDateRec)), 0) << nId;
    }
}

}  // namespace
