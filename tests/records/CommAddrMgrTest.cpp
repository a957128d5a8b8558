#include "records/CommAddrMgr.h"

#include "RecordTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using record_tests::FieldText;
using record_tests::SetText;

namespace {

using Edit = std::function<void(CommAddrRec&)>;

const Edit kSame = [](CommAddrRec&) {};

std::unique_ptr<CommAddrRec> BaseContact()
{
    auto rec = record_tests::NewRecord<CommAddrRec>();
    SetText(rec->szFirstName, "Ann");
    SetText(rec->szLastName, "Lee");
    SetText(rec->szEmail, "ann@example.com");
    SetText(rec->szMobilePhone, "555-0100");
    SetText(rec->szCompany, "Acme");
    SetText(rec->szHomeStreet, "1 Main St");
    SetText(rec->szOtherStreet, "9 Side Rd");
    SetText(rec->szNote, "Met at the fair");
    return rec;
}

std::unique_ptr<CommAddrRec> EditedContact(const Edit& edit)
{
    auto rec = BaseContact();
    edit(*rec);
    return rec;
}

const Edit kEmptyKeys = [](CommAddrRec& r) {
    r.szFirstName[0] = '\0';
    r.szLastName[0] = '\0';
    r.szEmail[0] = '\0';
};

struct MatchCase {
    const char* szName;
    std::vector<Edit> stored;  // each one edits a copy of the base contact
    Edit incoming;
    int nIncomingIsStored;  // position of the stored record passed in itself, or -1
    int nCode;
    int nFound;  // position of the record expected in ppFound, -1 for untouched
    int nIndex;
};

const MatchCase kMatchCases[] = {
    {"EmptyManager", {}, kSame, -1, 2, -1, 0},
    {"NoKeyMatch", {[](CommAddrRec& r) { SetText(r.szFirstName, "Bob"); }, kSame}, [](CommAddrRec& r) { SetText(r.szFirstName, "Cy"); },
     -1, 2, -1, 2},
    {"RecordItself", {[](CommAddrRec& r) { SetText(r.szCompany, "Other"); }, kSame}, kSame, 1, 1, 1, 1},
    {"IdenticalCopy", {[](CommAddrRec& r) { SetText(r.szFirstName, "Bob"); }, kSame}, kSame, -1, 1, 1, 1},
    {"LetterCaseAndLineBreaksIgnored", {kSame},
     [](CommAddrRec& r) {
         SetText(r.szFirstName, "ANN");
         SetText(r.szEmail, "Ann@Example.COM");
         SetText(r.szNote, "met at\r\n the FAIR");
     },
     -1, 1, 0, 0},
    {"OtherMobilePhoneAtFirstPosition", {kSame}, [](CommAddrRec& r) { SetText(r.szMobilePhone, "555-0199"); }, -1, 3, 0, 0},
    {"OtherStreetDiffers", {kSame}, [](CommAddrRec& r) { SetText(r.szOtherStreet, "10 Side Rd"); }, -1, 3, 0, 0},
    {"HomeStreetDiffers", {kSame}, [](CommAddrRec& r) { SetText(r.szHomeStreet, "2 Main St"); }, -1, 3, 0, 0},
    {"FieldOutsideCompareListIgnored", {kSame}, [](CommAddrRec& r) { SetText(r.szHobby, "Chess"); }, -1, 1, 0, 0},
    {"SecondOfTwoKeyMatchesIdentical", {[](CommAddrRec& r) { SetText(r.szCompany, "Other"); }, kSame}, kSame, -1, 1, 1, 1},
    {"FirstOfTwoKeyMatchesIdentical", {kSame, [](CommAddrRec& r) { SetText(r.szCompany, "Other"); }}, kSame, -1, 1, 0, 0},
    {"LastOfSeveralKeyMatchesReported",
     {[](CommAddrRec& r) { SetText(r.szCompany, "One"); }, [](CommAddrRec& r) { SetText(r.szFirstName, "Zed"); },
      [](CommAddrRec& r) { SetText(r.szCompany, "Two"); }, [](CommAddrRec& r) { SetText(r.szFirstName, "Kim"); }},
     kSame, -1, 3, 2, 2},
    {"TrailingLineBreakMakesKeyDiffer", {kSame}, [](CommAddrRec& r) { SetText(r.szFirstName, "Ann\r\n"); }, -1, 2, -1, 1},
    {"EmptyKeysIdentical", {kSame, kEmptyKeys}, kEmptyKeys, -1, 1, 1, 1},
    {"EmptyKeysOtherCompanyIsNew", {kEmptyKeys},
     [](CommAddrRec& r) {
         kEmptyKeys(r);
         SetText(r.szCompany, "Globex");
     },
     -1, 2, -1, 1},
    {"EmptyKeysNeverSameContact",
     {kEmptyKeys, [](CommAddrRec& r) {
          kEmptyKeys(r);
          SetText(r.szCompany, "Initech");
      }},
     [](CommAddrRec& r) {
         kEmptyKeys(r);
         SetText(r.szCompany, "Globex");
     },
     -1, 2, -1, 2},
    {"EmptyRecordItselfStored", {kEmptyKeys}, kEmptyKeys, 0, 1, 0, 0},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const MatchCase& c, std::ostream* os)
{
    *os << c.szName;
}

class AddrFindMatch : public testing::TestWithParam<MatchCase> {};

TEST_P(AddrFindMatch, AnswersCodeRecordAndPosition)
{
    const MatchCase& c = GetParam();
    CommAddrMgr mgr;
    std::vector<CommAddrRec*> stored;
    for (const Edit& edit : c.stored)
        stored.push_back(mgr.AddRecord(EditedContact(edit).get()));

    const auto incoming = EditedContact(c.incoming);
    const CommAddrRec* pIncoming = c.nIncomingIsStored >= 0 ? stored[static_cast<std::size_t>(c.nIncomingIsStored)] : incoming.get();
    CommAddrRec untouched{};
    CommAddrRec* pFound = &untouched;
    int nIndex = -77;

    EXPECT_EQ(mgr.FindMatch(pIncoming, &pFound, &nIndex), c.nCode);
    EXPECT_EQ(pFound, c.nFound < 0 ? &untouched : stored[static_cast<std::size_t>(c.nFound)]);
    EXPECT_EQ(nIndex, c.nIndex);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddrFindMatch, testing::ValuesIn(kMatchCases),
                         [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.szName); });

TEST(AddrFindMatchNull, NullRecordLeavesOutputsAlone)
{
    CommAddrMgr mgr;
    mgr.AddRecord(BaseContact().get());
    CommAddrRec untouched{};
    CommAddrRec* pFound = &untouched;
    int nIndex = -77;
    EXPECT_EQ(mgr.FindMatch(nullptr, &pFound, &nIndex), -1);
    EXPECT_EQ(pFound, &untouched);
    EXPECT_EQ(nIndex, -77);
}

// Importing a CSV file: every row written is stored, so later rows match earlier ones.
TEST(AddrFindMatchImport, LaterRowsMatchRowsWrittenBefore)
{
    CommAddrMgr mgr;
    const auto first = BaseContact();
    CommAddrRec* pFound = nullptr;
    int nIndex = -1;
    ASSERT_EQ(mgr.FindMatch(first.get(), &pFound, &nIndex), 2);
    const CommAddrRec* pStored = mgr.AddRecord(first.get());

    EXPECT_EQ(mgr.FindMatch(BaseContact().get(), &pFound, &nIndex), 1);
    EXPECT_EQ(pFound, pStored);
    const auto otherPhone = EditedContact([](CommAddrRec& r) { SetText(r.szWorkPhone, "555-0123"); });
    EXPECT_EQ(mgr.FindMatch(otherPhone.get(), &pFound, &nIndex), 3);
    EXPECT_EQ(pFound, pStored);
    EXPECT_EQ(nIndex, 0);
}

// Company-only contacts: each distinct one is added, none is written over another.
TEST(AddrFindMatchImport, ContactsWithoutNameOrEmailAreAllKept)
{
    CommAddrMgr mgr;
    for (const char* szCompany : {"Acme", "Globex", "Initech", "Acme"}) {
        const auto rec = EditedContact([&](CommAddrRec& r) {
            kEmptyKeys(r);
            SetText(r.szCompany, szCompany);
        });
        CommAddrRec* pFound = nullptr;
        int nIndex = -1;
        if (mgr.FindMatch(rec.get(), &pFound, &nIndex) == 2)
            mgr.AddRecord(rec.get());
    }
    std::vector<std::string> companies;
    for (const CommAddrRec* pRec = mgr.GetFirst(); pRec != nullptr; pRec = mgr.GetNext())
        companies.emplace_back(pRec->szCompany);
    EXPECT_EQ(companies, (std::vector<std::string>{"Acme", "Globex", "Initech"}));
}

struct CompareTextCase {
    const char* szText1;
    const char* szText2;
    bool bEqual;
};

TEST(AddrCompareText, IgnoresCaseAndLineBreaksExceptLeftOverOnes)
{
    const CompareTextCase cases[] = {
        {"", "", true},
        {"abc", "abc", true},
        {"abc", "ABC", true},
        {"A\r\nB", "ab", true},
        {"a\rb\nc", "abc", true},
        {"\r\nab", "ab", true},
        {"ab\r\n", "AB\n", true},
        {"ab\r\n", "ab\r", true},
        {"\r\n", "\n", true},
        {"ab\r\n", "ab", false},
        {"ab", "ab\r\n", false},
        {"\r\n", "", false},
        {"ab", "abc", false},
        {"abd", "abc", false},
        {"a\r\nb\r\n", "ab", false},
        {"\xC3\xA9", "\xC3\x89", false},  // only a-z change case
        {"[", "{", false},
    };
    for (const CompareTextCase& c : cases) {
        EXPECT_EQ(CommAddrMgr::CompareText(c.szText1, c.szText2) == 0, c.bEqual) << c.szText1 << " / " << c.szText2;
        EXPECT_EQ(CommAddrMgr::CompareText(c.szText2, c.szText1) == 0, c.bEqual) << c.szText2 << " / " << c.szText1;
    }
    EXPECT_NE(CommAddrMgr::CompareText(nullptr, "a"), 0);
    EXPECT_NE(CommAddrMgr::CompareText("a", nullptr), 0);
    EXPECT_NE(CommAddrMgr::CompareText(nullptr, nullptr), 0);
}

// All short texts over letters and line breaks: the duplicate test's key matching agrees
// with CompareText pair by pair.
TEST(AddrCompareText, DuplicateTestKeysAgreeWithCompareText)
{
    std::vector<std::string> texts = {""};
    for (std::size_t begin = 0, length = 1; length <= 3; ++length) {
        const std::size_t end = texts.size();
        for (std::size_t i = begin; i < end; ++i) {
            for (const char c : std::string("aAb\r\n"))
                texts.push_back(texts[i] + c);
        }
        begin = end;
    }
    for (const std::string& stored : texts) {
        CommAddrMgr mgr;
        mgr.AddRecord(EditedContact([&](CommAddrRec& r) { SetText(r.szFirstName, stored); }).get());
        for (const std::string& incoming : texts) {
            const auto rec = EditedContact([&](CommAddrRec& r) { SetText(r.szFirstName, incoming); });
            CommAddrRec* pFound = nullptr;
            int nIndex = -1;
            const bool bSameKey = mgr.FindMatch(rec.get(), &pFound, &nIndex) == 1;
            ASSERT_EQ(bSameKey, CommAddrMgr::CompareText(stored.c_str(), incoming.c_str()) == 0)
                << testing::PrintToString(stored) << " / " << testing::PrintToString(incoming);
        }
    }
}

struct TableRow {
    LONG nId;
    const char* szName;
    LONG nType;
    LONG nSize;
};

const TableRow kTable[] = {
    {1, "First Name", 1, 32},          {2, "Middle Name", 1, 32},         {3, "Last Name", 1, 32},
    {4, "Prefix", 1, 32},              {5, "Suffix", 1, 32},              {6, "Nick Name", 1, 32},
    {7, "Display Name", 1, 32},        {8, "Gender", 4, 4},               {9, "(Work) Street", 1, 256},
    {10, "(Work) City", 1, 32},        {11, "(Work) State", 1, 32},       {12, "(Work) Postal", 1, 16},
    {13, "(Work) Country", 1, 32},     {16, "(Home) Street", 1, 256},     {17, "(Home) City", 1, 32},
    {18, "(Home) State", 1, 32},       {19, "(Home) Postal", 1, 16},      {20, "(Home) Country", 1, 32},
    {23, "(Other) Street", 1, 256},    {24, "(Other) City", 1, 32},       {25, "(Other) State", 1, 32},
    {26, "(Other) Postal", 1, 16},     {27, "(Other) Country", 1, 32},    {28, "Home Phone", 1, 24},
    {29, "Work Phone", 1, 24},         {30, "Mobile Phone", 1, 24},       {31, "Other Phone", 1, 24},
    {32, "Primary Phone", 1, 24},      {33, "Callback Phone", 1, 24},     {34, "Car Phone", 1, 24},
    {35, "Radio Phone", 1, 24},        {36, "Work Phone 2", 1, 24},       {37, "Home Phone 2", 1, 24},
    {38, "Work Fax", 1, 24},           {39, "Home Fax", 1, 24},           {40, "Pager", 1, 24},
    {41, "Email", 1, 64},              {42, "Email 2", 1, 64},            {43, "Email 3", 1, 64},
    {44, "Personal Home Page", 1, 256}, {45, "Work Home Page", 1, 256},   {47, "FTP Site", 1, 256},
    {48, "Note", 1, 8192},             {49, "Custom 1", 1, 64},           {50, "Custom 2", 1, 64},
    {51, "Custom 3", 1, 64},           {52, "Custom 4", 1, 64},           {53, "Custom 5", 1, 64},
    {54, "Custom 6", 1, 64},           {55, "Custom 7", 1, 64},           {56, "Custom 8", 1, 64},
    {57, "Custom 9", 1, 64},           {59, "Custom Label 1", 1, 64},     {60, "Custom Label 2", 1, 64},
    {61, "Custom Label 3", 1, 64},     {62, "Custom Label 4", 1, 64},     {63, "Custom Label 5", 1, 64},
    {64, "Custom Label 6", 1, 64},     {65, "Custom Label 7", 1, 64},     {66, "Custom Label 8", 1, 64},
    {67, "Custom Label 9", 1, 64},     {69, "Company", 1, 64},            {70, "Department", 1, 32},
    {71, "Title", 1, 32},              {72, "IM 1", 1, 32},               {73, "IM 2", 1, 32},
    {74, "Manager Name", 1, 32},       {75, "Assistant Name", 1, 32},     {76, "Assistant Phone", 1, 24},
    {77, "Spouse Name", 1, 32},        {78, "Children's Names", 1, 32},   {80, "Profession", 1, 64},
    {81, "Hobby", 1, 64},              {82, "Account", 1, 32},            {83, "Anniversary", 6, 8},
    {84, "Birthday", 6, 8},            {85, "Keyword", 1, 64},            {86, "Language", 1, 64},
    {87, "Location", 1, 64},           {88, "MHS Common Name", 1, 32},    {89, "Customer ID", 1, 32},
    {90, "Government ID", 1, 32},      {91, "Organization ID", 1, 32},    {92, "Category", 1, 256},
    {93, "Creation Time", 6, 8},       {94, "Last Modification Time", 6, 8}, {95, "Source Type", 5, 4},
    {96, "Status", 5, 4},              {97, "ID", 1, 64},                 {98, "Private", 5, 4},
};

TEST(AddrFieldTable, HasTheNinetyRows)
{
    static_assert(std::size(kTable) == 90);
    for (const TableRow& row : kTable) {
        CommFieldDef def{};
        ASSERT_TRUE(CommAddrMgr::GetFieldDef(row.nId, &def)) << row.nId;
        EXPECT_EQ(def.nId, row.nId);
        EXPECT_STREQ(def.szName, row.szName);
        EXPECT_EQ(def.nType, row.nType) << row.szName;
        EXPECT_EQ(def.nSize, row.nSize) << row.szName;
    }
}

TEST(AddrFieldTable, IdsWithoutFieldAndNullOutputAreRefused)
{
    CommFieldDef def{};
    for (const LONG nId : {0, 14, 15, 21, 22, 46, 58, 68, 79, 99, -1})
        EXPECT_FALSE(CommAddrMgr::GetFieldDef(nId, &def)) << nId;
    EXPECT_FALSE(CommAddrMgr::GetFieldDef(1, nullptr));
}

// Each text field shows the member it names; the four that nobody asks for show nothing.
struct TextMember {
    LONG nId;
    char* (*member)(CommAddrRec&);
    bool bShown;
};

const TextMember kTextMembers[] = {
    {1, [](CommAddrRec& r) -> char* { return r.szFirstName; }, true},
    {2, [](CommAddrRec& r) -> char* { return r.szMiddleName; }, true},
    {3, [](CommAddrRec& r) -> char* { return r.szLastName; }, true},
    {4, [](CommAddrRec& r) -> char* { return r.szPrefix; }, true},
    {5, [](CommAddrRec& r) -> char* { return r.szSuffix; }, true},
    {6, [](CommAddrRec& r) -> char* { return r.szNickName; }, true},
    {7, [](CommAddrRec& r) -> char* { return r.szDisplayName; }, true},
    {9, [](CommAddrRec& r) -> char* { return r.szWorkStreet; }, true},
    {10, [](CommAddrRec& r) -> char* { return r.szWorkCity; }, true},
    {11, [](CommAddrRec& r) -> char* { return r.szWorkState; }, true},
    {12, [](CommAddrRec& r) -> char* { return r.szWorkPostal; }, true},
    {13, [](CommAddrRec& r) -> char* { return r.szWorkCountry; }, true},
    {16, [](CommAddrRec& r) -> char* { return r.szHomeStreet; }, true},
    {17, [](CommAddrRec& r) -> char* { return r.szHomeCity; }, true},
    {18, [](CommAddrRec& r) -> char* { return r.szHomeState; }, true},
    {19, [](CommAddrRec& r) -> char* { return r.szHomePostal; }, true},
    {20, [](CommAddrRec& r) -> char* { return r.szHomeCountry; }, true},
    {23, [](CommAddrRec& r) -> char* { return r.szOtherStreet; }, true},
    {24, [](CommAddrRec& r) -> char* { return r.szOtherCity; }, true},
    {25, [](CommAddrRec& r) -> char* { return r.szOtherState; }, true},
    {26, [](CommAddrRec& r) -> char* { return r.szOtherPostal; }, true},
    {27, [](CommAddrRec& r) -> char* { return r.szOtherCountry; }, true},
    {28, [](CommAddrRec& r) -> char* { return r.szHomePhone; }, true},
    {29, [](CommAddrRec& r) -> char* { return r.szWorkPhone; }, true},
    {30, [](CommAddrRec& r) -> char* { return r.szMobilePhone; }, true},
    {31, [](CommAddrRec& r) -> char* { return r.szOtherPhone; }, true},
    {32, [](CommAddrRec& r) -> char* { return r.szPrimaryPhone; }, true},
    {33, [](CommAddrRec& r) -> char* { return r.szCallbackPhone; }, true},
    {34, [](CommAddrRec& r) -> char* { return r.szCarPhone; }, true},
    {35, [](CommAddrRec& r) -> char* { return r.szRadioPhone; }, true},
    {36, [](CommAddrRec& r) -> char* { return r.szWorkPhone2; }, true},
    {37, [](CommAddrRec& r) -> char* { return r.szHomePhone2; }, true},
    {38, [](CommAddrRec& r) -> char* { return r.szWorkFax; }, true},
    {39, [](CommAddrRec& r) -> char* { return r.szHomeFax; }, true},
    {40, [](CommAddrRec& r) -> char* { return r.szPager; }, true},
    {41, [](CommAddrRec& r) -> char* { return r.szEmail; }, true},
    {42, [](CommAddrRec& r) -> char* { return r.szEmail2; }, false},
    {43, [](CommAddrRec& r) -> char* { return r.szEmail3; }, false},
    {44, [](CommAddrRec& r) -> char* { return r.szPersonalHomePage; }, true},
    {45, [](CommAddrRec& r) -> char* { return r.szWorkHomePage; }, true},
    {47, [](CommAddrRec& r) -> char* { return r.szFtpSite; }, true},
    {48, [](CommAddrRec& r) -> char* { return r.szNote; }, true},
    {49, [](CommAddrRec& r) -> char* { return r.szCustom[0]; }, true},
    {53, [](CommAddrRec& r) -> char* { return r.szCustom[4]; }, true},
    {57, [](CommAddrRec& r) -> char* { return r.szCustom[8]; }, true},
    {59, [](CommAddrRec& r) -> char* { return r.szCustomLabel[0]; }, true},
    {63, [](CommAddrRec& r) -> char* { return r.szCustomLabel[4]; }, true},
    {67, [](CommAddrRec& r) -> char* { return r.szCustomLabel[8]; }, true},
    {69, [](CommAddrRec& r) -> char* { return r.szCompany; }, true},
    {70, [](CommAddrRec& r) -> char* { return r.szDepartment; }, true},
    {71, [](CommAddrRec& r) -> char* { return r.szTitle; }, true},
    {72, [](CommAddrRec& r) -> char* { return r.szIM1; }, true},
    {73, [](CommAddrRec& r) -> char* { return r.szIM2; }, true},
    {74, [](CommAddrRec& r) -> char* { return r.szManagerName; }, true},
    {75, [](CommAddrRec& r) -> char* { return r.szAssistantName; }, true},
    {76, [](CommAddrRec& r) -> char* { return r.szAssistantPhone; }, true},
    {77, [](CommAddrRec& r) -> char* { return r.szSpouseName; }, false},
    {78, [](CommAddrRec& r) -> char* { return r.szChildrenNames; }, false},
    {80, [](CommAddrRec& r) -> char* { return r.szProfession; }, true},
    {81, [](CommAddrRec& r) -> char* { return r.szHobby; }, true},
    {82, [](CommAddrRec& r) -> char* { return r.szAccount; }, true},
    {85, [](CommAddrRec& r) -> char* { return r.szKeyword; }, true},
    {86, [](CommAddrRec& r) -> char* { return r.szLanguage; }, true},
    {87, [](CommAddrRec& r) -> char* { return r.szLocation; }, true},
    {88, [](CommAddrRec& r) -> char* { return r.szMhsCommonName; }, true},
    {89, [](CommAddrRec& r) -> char* { return r.szCustomerId; }, true},
    {90, [](CommAddrRec& r) -> char* { return r.szGovernmentId; }, true},
    {91, [](CommAddrRec& r) -> char* { return r.szOrganizationId; }, true},
    {92, [](CommAddrRec& r) -> char* { return r.szCategory; }, true},
    {97, [](CommAddrRec& r) -> char* { return r.szId; }, false},
};

TEST(AddrFieldText, TextFieldsShowTheirOwnMember)
{
    // Every member holds a different text, so a field that reads the wrong one shows it.
    auto rec = record_tests::NewRecord<CommAddrRec>();
    for (const TextMember& m : kTextMembers)
        std::strcpy(m.member(*rec), ("value " + std::to_string(m.nId)).c_str());
    for (const TextMember& m : kTextMembers) {
        const auto shown = FieldText<CommAddrMgr>(*rec, m.nId, 16384);
        EXPECT_EQ(shown.bResult, m.bShown) << m.nId;
        EXPECT_EQ(shown.text, m.bShown ? std::string(m.member(*rec)) : std::string()) << m.nId;
    }
}

TEST(AddrFieldText, NumbersAndDates)
{
    auto rec = record_tests::NewRecord<CommAddrRec>();
    rec->nGender = 2;
    rec->nStatus = 1;
    rec->nPrivate = 1;
    rec->dBirthday = 38053.37847222222;  // 2004-03-07 09:05:00
    rec->dAnniversary = 0.0;
    rec->dCreationTime = 36526.5;  // 2000-01-01 12:00:00
    rec->dLastModificationTime = 951.0;  // 1902-08-08, a year that still prints
    struct Case {
        LONG nId;
        bool bResult;
        const char* szText;
    };
    const Case cases[] = {
        {8, true, ""},
        {84, true, "03/07/2004 09:05:00"},
        {83, true, " 00:00:00"},
        {93, true, "01/01/2000 12:00:00"},
        {94, true, "08/08/1902 00:00:00"},
        {96, false, ""},
        {98, false, ""},
        {79, false, ""},
        {0, false, ""},
    };
    for (const Case& c : cases) {
        const auto shown = FieldText<CommAddrMgr>(*rec, c.nId);
        EXPECT_EQ(shown.bResult, c.bResult) << c.nId;
        EXPECT_EQ(shown.text, c.szText) << c.nId;
    }
}

TEST(AddrFieldText, SourceTypeNames)
{
    struct Case {
        LONG nSourceType;
        bool bResult;
        const char* szText;
    };
    const Case cases[] = {
        {0, false, ""},           {1, true, "Palm"},     {2, true, "Palm(4.1.2 and aboves)"},
        {3, true, "Outlook"},     {4, true, "Windows Address Book"}, {5, true, "MSN"},
        {6, true, "ICQ"},         {7, true, "Yahoo"},    {8, true, "Google"},
        {9, true, "Domino"},      {10, true, "Endora"},  {11, true, "CSV"},
        {12, true, "XML"},        {13, true, "VCard"},   {14, true, "Database"},
        {15, true, "Wrenbook"},   {16, false, ""},       {-1, false, ""},
    };
    auto rec = record_tests::NewRecord<CommAddrRec>();
    for (const Case& c : cases) {
        rec->nSourceType = c.nSourceType;
        const auto shown = FieldText<CommAddrMgr>(*rec, 95);
        EXPECT_EQ(shown.bResult, c.bResult) << c.nSourceType;
        EXPECT_EQ(shown.text, c.szText) << c.nSourceType;
    }
}

TEST(AddrFieldText, BufferMustBeLargerThanTheField)
{
    auto rec = BaseContact();
    CommFieldDef def{};
    ASSERT_TRUE(CommAddrMgr::GetFieldDef(1, &def));
    char buffer[40] = "previous";

    EXPECT_FALSE(CommAddrMgr::GetFieldText(rec.get(), &def, buffer, 32));
    EXPECT_STREQ(buffer, "previous");
    EXPECT_TRUE(CommAddrMgr::GetFieldText(rec.get(), &def, buffer, 33));
    EXPECT_STREQ(buffer, "Ann");

    const auto note = FieldText<CommAddrMgr>(*rec, 48, 1024);
    EXPECT_FALSE(note.bResult);
    EXPECT_EQ(note.text, std::string(1024, '#')) << "a refused buffer is left as it was";
}

TEST(AddrFieldText, NullArgumentsLeaveTheBufferAlone)
{
    auto rec = BaseContact();
    CommFieldDef def{};
    ASSERT_TRUE(CommAddrMgr::GetFieldDef(1, &def));
    char buffer[64] = "previous";
    EXPECT_FALSE(CommAddrMgr::GetFieldText(nullptr, &def, buffer, sizeof buffer));
    EXPECT_FALSE(CommAddrMgr::GetFieldText(rec.get(), nullptr, buffer, sizeof buffer));
    EXPECT_FALSE(CommAddrMgr::GetFieldText(rec.get(), &def, nullptr, sizeof buffer));
    EXPECT_STREQ(buffer, "previous");
}

TEST(AddrFieldText, UnterminatedMemberIsReadOnlyToItsWidth)
{
    auto rec = BaseContact();
    std::memset(rec->szFirstName, 'x', sizeof rec->szFirstName);
    const auto shown = FieldText<CommAddrMgr>(*rec, 1);
    EXPECT_TRUE(shown.bResult);
    EXPECT_EQ(shown.text, std::string(31, 'x'));
}

TEST(AddrRecords, AddRecordCopiesRecordAndImage)
{
    CommAddrMgr mgr;
    auto rec = BaseContact();
    char image[] = "contact image bytes";
    rec->pNative = image;
    rec->nNativeSize = sizeof image;

    CommAddrRec* pStored = mgr.AddRecord(rec.get());
    ASSERT_NE(pStored, nullptr);
    ASSERT_NE(pStored, rec.get());
    ASSERT_NE(pStored->pNative, nullptr);
    EXPECT_NE(pStored->pNative, static_cast<void*>(image));
    EXPECT_EQ(pStored->nNativeSize, sizeof image);
    image[0] = 'X';
    SetText(rec->szFirstName, "Changed");
    EXPECT_STREQ(static_cast<const char*>(pStored->pNative), "contact image bytes");
    EXPECT_STREQ(pStored->szFirstName, "Ann");
}

TEST(AddrRecords, RecordsWithoutImageStoreNone)
{
    CommAddrMgr mgr;
    auto rec = BaseContact();
    EXPECT_EQ(mgr.AddRecord(rec.get())->pNative, nullptr);

    // A pointer without a size is not an image: the stored copy must not keep the
    // caller's pointer.
    char image[] = "x";
    rec->pNative = image;
    rec->nNativeSize = 0;
    const CommAddrRec* pStored = mgr.AddRecord(rec.get());
    EXPECT_EQ(pStored->pNative, nullptr);
    EXPECT_EQ(pStored->nNativeSize, 0u);

    EXPECT_EQ(mgr.AddRecord(nullptr), nullptr);
}

TEST(AddrRecords, WalkAndFreeAll)
{
    CommAddrMgr mgr;
    EXPECT_EQ(mgr.GetFirst(), nullptr);
    char image[] = "image";
    for (const char* szName : {"One", "Two", "Three"}) {
        auto rec = BaseContact();
        SetText(rec->szFirstName, szName);
        rec->pNative = image;
        rec->nNativeSize = sizeof image;
        mgr.AddRecord(rec.get());
    }
    std::vector<std::string> names;
    for (const CommAddrRec* pRec = mgr.GetFirst(); pRec != nullptr; pRec = mgr.GetNext())
        names.emplace_back(pRec->szFirstName);
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Two", "Three"}));

    mgr.FreeAll();
    EXPECT_EQ(mgr.GetFirst(), nullptr);
    CommAddrRec* pFound = nullptr;
    int nIndex = -1;
    EXPECT_EQ(mgr.FindMatch(BaseContact().get(), &pFound, &nIndex), 2);
    EXPECT_EQ(nIndex, 0);

    // The manager is usable again after being emptied; its destructor frees what is left.
    mgr.AddRecord(BaseContact().get());
    EXPECT_STREQ(mgr.GetFirst()->szFirstName, "Ann");
}

}  // namespace
