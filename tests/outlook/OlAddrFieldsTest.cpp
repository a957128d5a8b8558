// The contact field table: its rows, the export text of an item image and the CSV texts
// stored into a contact record.
#include "common/outlook/OlAddrUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

DATE DateOf(int year, int month, int day)
{
    SYSTEMTIME st = platform::MakeSystemTime(static_cast<WORD>(year), static_cast<WORD>(month), static_cast<WORD>(day));
    DATE date = 0.0;
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &date));
    return date;
}

std::unique_ptr<CommAddrRec> EmptyRecord()
{
    auto pRec = std::make_unique<CommAddrRec>();
    std::memset(static_cast<void*>(pRec.get()), 0, sizeof(CommAddrRec));
    return pRec;
}

std::unique_ptr<OlAddrItem> EmptyImage()
{
    auto pItem = std::make_unique<OlAddrItem>();
    std::memset(static_cast<void*>(pItem.get()), 0, sizeof(OlAddrItem));
    return pItem;
}

// ---- rows ----

TEST(OlAddrFieldTable, PositionsCountFromOneAndGiveTheRowOfIdPositionMinusOne)
{
    ASSERT_EQ(OlAddrUtil::GetFieldCount(), 81);
    for (unsigned nPos = 1; nPos <= 81; ++nPos) {
        const CsvFieldEntry* pDef = OlAddrUtil::GetFieldDef(nPos);
        ASSERT_NE(pDef, nullptr) << nPos;
        EXPECT_EQ(pDef->nId, static_cast<int>(nPos) - 1);
        EXPECT_NE(pDef->szName[0], 0) << nPos;
        EXPECT_EQ(pDef->vValue.vt, VT_EMPTY) << nPos;
    }
    EXPECT_EQ(OlAddrUtil::GetFieldDef(0), nullptr);
    EXPECT_EQ(OlAddrUtil::GetFieldDef(82), nullptr);
    EXPECT_EQ(OlAddrUtil::GetFieldDef(100000), nullptr);
}

struct RowCase {
    unsigned nPos;
    int nId;
    const char* szName;
    int nType;
    int nLength;
};

TEST(OlAddrFieldTable, RowsCarryTitleTypeAndLength)
{
    const RowCase cases[] = {
        {1, 0, "None", 1, 4},
        {2, 1, "Account", 2, 32},
        {3, 2, "Anniversary", 4, 8},
        {11, 10, "Business P/O Box", 2, 12},
        {25, 24, "Email 1 Type", 1, 4},
        {35, 34, "Gender", 1, 4},
        {36, 35, "Hobbies", 2, 128},
        {65, 64, "Home Page", 2, 256},
        {69, 68, "Notes", 2, 2048},
        {76, 75, "Suffix", 2, 64},
        {79, 78, "Category", 2, 256},
        {81, 80, "Last Modification Time", 4, 8},
    };
    for (const RowCase& c : cases) {
        const CsvFieldEntry* pDef = OlAddrUtil::GetFieldDef(c.nPos);
        ASSERT_NE(pDef, nullptr) << c.nPos;
        EXPECT_EQ(pDef->nId, c.nId);
        EXPECT_STREQ(pDef->szName, c.szName);
        EXPECT_EQ(pDef->nType, c.nType) << c.szName;
        EXPECT_EQ(pDef->nLength, c.nLength) << c.szName;
    }
}

// ---- export ----

TEST(OlAddrFieldText, TextFieldsPointIntoTheImage)
{
    auto pItem = EmptyImage();
    std::strcpy(pItem->CompanyName, "Acme");
    std::strcpy(pItem->BusinessHomePage, "https://acme.example");
    std::strcpy(pItem->FolderName, "Contacts");
    std::strcpy(pItem->Email1AddressType, "SMTP");
    const std::pair<unsigned, const char*> cases[] = {
        {19, pItem->CompanyName},
        {14, pItem->BusinessHomePage},
        {64, pItem->BusinessHomePage},
        {69, pItem->FolderName},
        {24, pItem->Email1AddressType},
        {68, pItem->Body},
    };
    for (const auto& [nId, pExpected] : cases)
        EXPECT_EQ(OlAddrUtil::GetFieldText(pItem.get(), nId), pExpected) << nId;
    EXPECT_STREQ(OlAddrUtil::GetFieldText(pItem.get(), 64), "https://acme.example");
}

struct DateCase {
    const char* szWhat;
    DATE dBirthday;
    DATE dAnniversary;
    const char* szBirthday;
    const char* szAnniversary;
};

TEST(OlAddrFieldText, DatesPrintMonthFirstAndNothingForNoDate)
{
    const DateCase cases[] = {
        {"both set", DateOf(1970, 3, 5), DateOf(1999, 12, 31) + 0.75, "03/05/1970", "12/31/1999"},
        {"zero dates", 0.0, 0.0, "", ""},
        {"Outlook's none date", 949998.0, 949998.0, "", ""},
        {"old birthday", DateOf(1928, 11, 2), DateOf(2031, 1, 9), "11/02/1928", "01/09/2031"},
    };
    for (const DateCase& c : cases) {
        auto pItem = EmptyImage();
        pItem->Birthday = c.dBirthday;
        pItem->Anniversary = c.dAnniversary;
        const char* szBirthday = OlAddrUtil::GetFieldText(pItem.get(), 5);
        ASSERT_NE(szBirthday, nullptr) << c.szWhat;
        EXPECT_STREQ(szBirthday, c.szBirthday) << c.szWhat;
        const char* szAnniversary = OlAddrUtil::GetFieldText(pItem.get(), 2);
        ASSERT_NE(szAnniversary, nullptr) << c.szWhat;
        EXPECT_STREQ(szAnniversary, c.szAnniversary) << c.szWhat;
    }
}

TEST(OlAddrFieldText, NoneGenderAndTheIdsAbove78GiveNull)
{
    auto pItem = EmptyImage();
    pItem->Gender = 2;
    pItem->CreationTime = DateOf(2020, 1, 1);
    pItem->LastModificationTime = DateOf(2021, 1, 1);
    for (const unsigned nId : {0u, 34u, 79u, 80u, 81u, 4000u})
        EXPECT_EQ(OlAddrUtil::GetFieldText(pItem.get(), nId), nullptr) << nId;
}

TEST(OlAddrFieldText, NoImageGivesEmptyText)
{
    for (const unsigned nId : {0u, 5u, 19u, 80u}) {
        const char* szText = OlAddrUtil::GetFieldText(nullptr, nId);
        ASSERT_NE(szText, nullptr) << nId;
        EXPECT_STREQ(szText, "") << nId;
    }
}

// ---- import ----

using MemberOf = char* (*)(CommAddrRec&);
#define MEMBER(m) [](CommAddrRec& r) -> char* { return r.m; }

struct ImportCase {
    unsigned nId;
    MemberOf member;
};

// Every imported field and the member it fills; each must leave the rest of the record alone.
const ImportCase kImported[] = {
    {1, MEMBER(szAccount)},       {3, MEMBER(szAssistantName)},  {4, MEMBER(szAssistantPhone)},
    {6, MEMBER(szWorkPhone2)},    {7, MEMBER(szWorkCity)},       {8, MEMBER(szWorkCountry)},
    {9, MEMBER(szWorkPostal)},    {10, MEMBER(szWorkPostal)},    {11, MEMBER(szWorkState)},
    {12, MEMBER(szWorkStreet)},   {13, MEMBER(szWorkFax)},       {14, MEMBER(szWorkHomePage)},
    {15, MEMBER(szWorkPhone)},    {16, MEMBER(szCallbackPhone)}, {17, MEMBER(szCarPhone)},
    {19, MEMBER(szCompany)},      {21, MEMBER(szCustomerId)},    {22, MEMBER(szDepartment)},
    {23, MEMBER(szEmail)},        {26, MEMBER(szEmail2)},        {29, MEMBER(szEmail3)},
    {32, MEMBER(szFirstName)},    {33, MEMBER(szFtpSite)},       {35, MEMBER(szHobby)},
    {36, MEMBER(szHomePhone2)},   {37, MEMBER(szHomeCity)},      {38, MEMBER(szHomeCountry)},
    {39, MEMBER(szHomePostal)},   {40, MEMBER(szHomePostal)},    {41, MEMBER(szHomeState)},
    {42, MEMBER(szHomeStreet)},   {43, MEMBER(szHomeFax)},       {44, MEMBER(szHomePhone)},
    {46, MEMBER(szTitle)},        {47, MEMBER(szLastName)},      {54, MEMBER(szManagerName)},
    {55, MEMBER(szMiddleName)},   {56, MEMBER(szMobilePhone)},   {57, MEMBER(szNickName)},
    {58, MEMBER(szOtherCity)},    {59, MEMBER(szOtherCountry)},  {60, MEMBER(szOtherPostal)},
    {61, MEMBER(szOtherPostal)},  {62, MEMBER(szOtherState)},    {63, MEMBER(szOtherStreet)},
    {64, MEMBER(szWorkHomePage)}, {65, MEMBER(szWorkPhone)},     {66, MEMBER(szProfession)},
    {67, MEMBER(szWorkHomePage)}, {68, MEMBER(szNote)},          {70, MEMBER(szOtherPhone)},
    {71, MEMBER(szRadioPhone)},   {72, MEMBER(szPager)},         {73, MEMBER(szDisplayName)},
    {74, MEMBER(szSpouseName)},   {75, MEMBER(szSuffix)},        {76, MEMBER(szLanguage)},
    {77, MEMBER(szIM1)},          {78, MEMBER(szCategory)},
};

TEST(OlAddrSetFieldText, EachImportedFieldFillsItsMemberOnly)
{
    for (const ImportCase& c : kImported) {
        const std::string text = "t" + std::to_string(c.nId);
        auto pRec = EmptyRecord();
        auto pExpected = EmptyRecord();
        std::strcpy(c.member(*pExpected), text.c_str());
        EXPECT_TRUE(OlAddrUtil::SetFieldText(c.nId, text.c_str(), pRec.get())) << c.nId;
        EXPECT_EQ(std::memcmp(pRec.get(), pExpected.get(), sizeof(CommAddrRec)), 0) << c.nId;
        EXPECT_STREQ(c.member(*pRec), text.c_str()) << c.nId;
    }
}

TEST(OlAddrSetFieldText, FieldsNotImportedAndBadArgumentsChangeNothing)
{
    const unsigned notImported[] = {0, 2, 5, 18, 20, 24, 25, 27, 28, 30, 31, 34, 45, 48, 49, 50, 51, 52, 53, 69, 79, 80, 81, 10000};
    for (const unsigned nId : notImported) {
        auto pRec = EmptyRecord();
        auto pUntouched = EmptyRecord();
        EXPECT_FALSE(OlAddrUtil::SetFieldText(nId, "12/24/1990", pRec.get())) << nId;
        EXPECT_EQ(std::memcmp(pRec.get(), pUntouched.get(), sizeof(CommAddrRec)), 0) << nId;
    }
    EXPECT_FALSE(OlAddrUtil::SetFieldText(1, "text", nullptr));
}

TEST(OlAddrSetFieldText, NullTextStoresNothingButCounts)
{
    for (const unsigned nId : {1u, 10u, 61u, 68u}) {
        auto pRec = EmptyRecord();
        std::strcpy(pRec->szAccount, "kept");
        std::strcpy(pRec->szWorkPostal, "kept");
        std::strcpy(pRec->szNote, "kept");
        EXPECT_TRUE(OlAddrUtil::SetFieldText(nId, nullptr, pRec.get())) << nId;
        EXPECT_STREQ(pRec->szAccount, "kept");
        EXPECT_STREQ(pRec->szWorkPostal, "kept");
        EXPECT_STREQ(pRec->szNote, "kept");
        EXPECT_STREQ(pRec->szOtherPostal, "");
    }
}

struct SequenceCase {
    const char* szWhat;
    std::vector<std::pair<unsigned, const char*>> columns;  // in CSV column order
    MemberOf member;
    const char* szExpected;
};

TEST(OlAddrSetFieldText, SharedMembersFollowColumnOrderAndConditions)
{
    const SequenceCase cases[] = {
        {"business postal, then an empty P/O box", {{9, "12345"}, {10, ""}}, MEMBER(szWorkPostal), "12345"},
        {"business P/O box with text wins over the postal before it", {{9, "12345"}, {10, "PO 7"}}, MEMBER(szWorkPostal), "PO 7"},
        {"business postal after the P/O box overwrites, also empty", {{10, "PO 7"}, {9, ""}}, MEMBER(szWorkPostal), ""},
        {"home postal, then an empty P/O box", {{39, "54321"}, {40, ""}}, MEMBER(szHomePostal), "54321"},
        {"home P/O box with text", {{39, "54321"}, {40, "PO 9"}}, MEMBER(szHomePostal), "PO 9"},
        {"other P/O box fills an empty postal", {{60, ""}, {61, "PO 3"}}, MEMBER(szOtherPostal), "PO 3"},
        {"other P/O box never replaces a postal", {{60, "777"}, {61, "PO 3"}}, MEMBER(szOtherPostal), "777"},
        {"business phone, then phone number", {{15, "111"}, {65, "222"}}, MEMBER(szWorkPhone), "111"},
        {"phone number, then business phone", {{65, "222"}, {15, "111"}}, MEMBER(szWorkPhone), "111"},
        {"an empty phone number fills nothing", {{65, ""}, {65, "333"}}, MEMBER(szWorkPhone), "333"},
        {"first non-empty of home page and web wins", {{64, "a.example"}, {67, "b.example"}}, MEMBER(szWorkHomePage), "a.example"},
        {"web after an empty business home page", {{14, ""}, {67, "b.example"}}, MEMBER(szWorkHomePage), "b.example"},
        {"business home page overwrites what web stored", {{67, "b.example"}, {14, "c.example"}}, MEMBER(szWorkHomePage), "c.example"},
        {"an unconditional field stores an empty text", {{19, "Acme"}, {19, ""}}, MEMBER(szCompany), ""},
    };
    for (const SequenceCase& c : cases) {
        auto pRec = EmptyRecord();
        for (const auto& [nId, szText] : c.columns)
            EXPECT_TRUE(OlAddrUtil::SetFieldText(nId, szText, pRec.get())) << c.szWhat;
        EXPECT_STREQ(c.member(*pRec), c.szExpected) << c.szWhat;
    }
}

struct CutCase {
    const char* szWhat;
    unsigned nId;
    std::string text;
    MemberOf member;
    std::string expected;
};

TEST(OlAddrSetFieldText, LongTextsAreCutToWholeCharacters)
{
    const std::string forty(40, 'a');
    std::string accents;
    for (int i = 0; i < 20; ++i)
        accents += "\xC3\xA9";  // é, two bytes each
    const CutCase cases[] = {
        {"40 characters into Account", 1, forty, MEMBER(szAccount), std::string(31, 'a')},
        {"a text that fits exactly", 1, std::string(31, 'b'), MEMBER(szAccount), std::string(31, 'b')},
        {"two-byte characters stop before the one that does not fit", 1, accents, MEMBER(szAccount),
         accents.substr(0, 30)},
        {"a postal code of 20 characters", 9, std::string(20, '9'), MEMBER(szWorkPostal), std::string(15, '9')},
        {"a note longer than the record holds", 68, std::string(9000, 'n'), MEMBER(szNote), std::string(8191, 'n')},
    };
    for (const CutCase& c : cases) {
        auto pRec = EmptyRecord();
        EXPECT_TRUE(OlAddrUtil::SetFieldText(c.nId, c.text.c_str(), pRec.get())) << c.szWhat;
        EXPECT_EQ(std::string(c.member(*pRec)), c.expected) << c.szWhat;
    }
}

#undef MEMBER

}  // namespace
