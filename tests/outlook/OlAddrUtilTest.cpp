// The contacts adapter against the simulated Outlook: loading the Contacts folder, the
// export texts of loaded contacts, and saving CSV records as skips, updates and adds.
#include "OlAddrTestOutlook.h"

#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlItemSupport.h"
#include "olsim/FaultInjection.h"
#include "olsim/OutlookSimulator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace addr_test {
namespace {

using MemberOf = char* (*)(CommAddrRec&);
#define MEMBER(m) [](CommAddrRec& r) -> char* { return r.m; }

// A text property of a contact, the CSV field that exports it (0: none) and the record
// member it is carried to (null: the image only).
struct CarriedProperty {
    const OLECHAR* szProperty;
    unsigned nCsvId;
    MemberOf member;
};

const CarriedProperty kCarried[] = {
    {OLESTR("Account"), 1, MEMBER(szAccount)},
    {OLESTR("AssistantName"), 3, MEMBER(szAssistantName)},
    {OLESTR("AssistantTelephoneNumber"), 4, MEMBER(szAssistantPhone)},
    {OLESTR("Business2TelephoneNumber"), 6, MEMBER(szWorkPhone2)},
    {OLESTR("BusinessAddressCity"), 7, MEMBER(szWorkCity)},
    {OLESTR("BusinessAddressCountry"), 8, MEMBER(szWorkCountry)},
    {OLESTR("BusinessAddressPostalCode"), 9, MEMBER(szWorkPostal)},
    {OLESTR("BusinessAddressPostOfficeBox"), 10, nullptr},
    {OLESTR("BusinessAddressState"), 11, MEMBER(szWorkState)},
    {OLESTR("BusinessAddressStreet"), 12, MEMBER(szWorkStreet)},
    {OLESTR("BusinessFaxNumber"), 13, MEMBER(szWorkFax)},
    {OLESTR("BusinessHomePage"), 14, MEMBER(szWorkHomePage)},
    {OLESTR("BusinessTelephoneNumber"), 15, MEMBER(szWorkPhone)},
    {OLESTR("CallbackTelephoneNumber"), 16, MEMBER(szCallbackPhone)},
    {OLESTR("CarTelephoneNumber"), 17, MEMBER(szCarPhone)},
    {OLESTR("CompanyMainTelephoneNumber"), 18, nullptr},
    {OLESTR("CompanyName"), 19, MEMBER(szCompany)},
    {OLESTR("ComputerNetworkName"), 20, nullptr},
    {OLESTR("CustomerID"), 21, MEMBER(szCustomerId)},
    {OLESTR("Department"), 22, MEMBER(szDepartment)},
    {OLESTR("Email1Address"), 23, MEMBER(szEmail)},
    {OLESTR("Email1AddressType"), 24, nullptr},
    {OLESTR("Email1DisplayName"), 25, nullptr},
    {OLESTR("Email2Address"), 26, MEMBER(szEmail2)},
    {OLESTR("Email2AddressType"), 27, nullptr},
    {OLESTR("Email2DisplayName"), 28, nullptr},
    {OLESTR("Email3Address"), 29, MEMBER(szEmail3)},
    {OLESTR("Email3AddressType"), 30, nullptr},
    {OLESTR("Email3DisplayName"), 31, nullptr},
    {OLESTR("FirstName"), 32, MEMBER(szFirstName)},
    {OLESTR("FTPSite"), 33, MEMBER(szFtpSite)},
    {OLESTR("FullName"), 73, MEMBER(szDisplayName)},
    {OLESTR("Hobby"), 35, MEMBER(szHobby)},
    {OLESTR("Home2TelephoneNumber"), 36, MEMBER(szHomePhone2)},
    {OLESTR("HomeAddressCity"), 37, MEMBER(szHomeCity)},
    {OLESTR("HomeAddressCountry"), 38, MEMBER(szHomeCountry)},
    {OLESTR("HomeAddressPostalCode"), 39, MEMBER(szHomePostal)},
    {OLESTR("HomeAddressPostOfficeBox"), 40, nullptr},
    {OLESTR("HomeAddressState"), 41, MEMBER(szHomeState)},
    {OLESTR("HomeAddressStreet"), 42, MEMBER(szHomeStreet)},
    {OLESTR("HomeFaxNumber"), 43, MEMBER(szHomeFax)},
    {OLESTR("HomeTelephoneNumber"), 44, MEMBER(szHomePhone)},
    {OLESTR("IMAddress"), 77, MEMBER(szIM1)},
    {OLESTR("Initials"), 0, MEMBER(szPrefix)},
    {OLESTR("ISDNNumber"), 45, nullptr},
    {OLESTR("JobTitle"), 46, MEMBER(szTitle)},
    {OLESTR("Language"), 76, MEMBER(szLanguage)},
    {OLESTR("LastName"), 47, MEMBER(szLastName)},
    {OLESTR("MailingAddressCity"), 48, nullptr},
    {OLESTR("MailingAddressCountry"), 49, nullptr},
    {OLESTR("MailingAddressPostalCode"), 50, nullptr},
    {OLESTR("MailingAddressPostOfficeBox"), 51, nullptr},
    {OLESTR("MailingAddressState"), 52, nullptr},
    {OLESTR("MailingAddressStreet"), 53, nullptr},
    {OLESTR("ManagerName"), 54, MEMBER(szManagerName)},
    {OLESTR("MiddleName"), 55, MEMBER(szMiddleName)},
    {OLESTR("MobileTelephoneNumber"), 56, MEMBER(szMobilePhone)},
    {OLESTR("NickName"), 57, MEMBER(szNickName)},
    {OLESTR("OtherAddressCity"), 58, MEMBER(szOtherCity)},
    {OLESTR("OtherAddressCountry"), 59, MEMBER(szOtherCountry)},
    {OLESTR("OtherAddressPostalCode"), 60, MEMBER(szOtherPostal)},
    {OLESTR("OtherAddressPostOfficeBox"), 61, nullptr},
    {OLESTR("OtherAddressState"), 62, MEMBER(szOtherState)},
    {OLESTR("OtherAddressStreet"), 63, MEMBER(szOtherStreet)},
    {OLESTR("OtherTelephoneNumber"), 70, MEMBER(szOtherPhone)},
    {OLESTR("PagerNumber"), 72, MEMBER(szPager)},
    {OLESTR("PersonalHomePage"), 0, MEMBER(szPersonalHomePage)},
    {OLESTR("PrimaryTelephoneNumber"), 65, MEMBER(szPrimaryPhone)},
    {OLESTR("Profession"), 66, MEMBER(szProfession)},
    {OLESTR("RadioTelephoneNumber"), 71, MEMBER(szRadioPhone)},
    {OLESTR("Spouse"), 74, MEMBER(szSpouseName)},
    {OLESTR("WebPage"), 67, nullptr},
    {OLESTR("Body"), 68, MEMBER(szNote)},
    {OLESTR("Categories"), 78, MEMBER(szCategory)},
};

// Short enough for the narrowest image member (8 bytes).
std::string SampleValue(std::size_t nRow)
{
    return "p" + std::to_string(nRow);
}

std::string Narrow(const OLECHAR* szWide)
{
    std::string text;
    for (; *szWide; ++szWide)
        text += static_cast<char>(*szWide);
    return text;
}

std::vector<CommAddrRec*> StoredRecords(OlAddrUtil& adapter)
{
    std::vector<CommAddrRec*> records;
    for (CommAddrRec* pRec = adapter.m_pDataMgr->GetFirst(); pRec; pRec = adapter.m_pDataMgr->GetNext())
        records.push_back(pRec);
    return records;
}

const OlAddrItem* ImageOf(const CommAddrRec* pRec)
{
    return NativeImage<OlAddrItem>(*pRec);
}

std::unique_ptr<CommAddrRec> CsvRecord(const std::vector<std::pair<unsigned, const char*>>& columns)
{
    auto pRec = std::make_unique<CommAddrRec>();
    std::memset(static_cast<void*>(pRec.get()), 0, sizeof(CommAddrRec));
    for (const auto& [nId, szText] : columns)
        EXPECT_TRUE(OlAddrUtil::SetFieldText(nId, szText, pRec.get())) << nId;
    return pRec;
}

std::vector<Property> Person(const char* szFirst, const char* szLast, const char* szEmail, const char* szMobile)
{
    return {{OLESTR("FirstName"), Value::Text(szFirst)},
            {OLESTR("LastName"), Value::Text(szLast)},
            {OLESTR("Email1Address"), Value::Text(szEmail)},
            {OLESTR("MobileTelephoneNumber"), Value::Text(szMobile)}};
}

// ---- loading ----

TEST(OlAddrLoad, EveryPropertyReachesImageRecordAndExportText)
{
    ContactsOutlook outlook;
    std::vector<Property> properties;
    for (std::size_t i = 0; i < std::size(kCarried); ++i)
        properties.push_back({kCarried[i].szProperty, Value::Text(SampleValue(i))});
    properties.push_back({OLESTR("Suffix"), Value::Text("Jr.")});
    properties.push_back({OLESTR("Birthday"), Value::Date(DateOf(1970, 3, 5))});
    properties.push_back({OLESTR("Gender"), Value::Long(2)});
    const std::string entryId = outlook.AddContact(properties);
    ASSERT_FALSE(entryId.empty());

    LogCapture log;
    OlAddrUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const std::vector<CommAddrRec*> records = StoredRecords(adapter);
    ASSERT_EQ(records.size(), 1u);
    CommAddrRec& rec = *records[0];
    const OlAddrItem* pImage = ImageOf(&rec);
    ASSERT_NE(pImage, nullptr);

    for (std::size_t i = 0; i < std::size(kCarried); ++i) {
        const CarriedProperty& c = kCarried[i];
        const std::string name = Narrow(c.szProperty);
        if (c.member) {
            EXPECT_EQ(std::string(c.member(rec)), SampleValue(i)) << name;
        }
        if (c.nCsvId) {
            const char* szText = OlAddrUtil::GetFieldText(pImage, c.nCsvId);
            ASSERT_NE(szText, nullptr) << name;
            EXPECT_EQ(std::string(szText), SampleValue(i)) << name;
        }
    }
    EXPECT_STREQ(OlAddrUtil::GetFieldText(pImage, 64), OlAddrUtil::GetFieldText(pImage, 14));
    EXPECT_STREQ(OlAddrUtil::GetFieldText(pImage, 69), "Contacts");
    EXPECT_STREQ(OlAddrUtil::GetFieldText(pImage, 5), "03/05/1970");
    EXPECT_STREQ(OlAddrUtil::GetFieldText(pImage, 2), "") << "Outlook's none date";
    EXPECT_STREQ(OlAddrUtil::GetFieldText(pImage, 75), "") << "Outlook's suffix is not read";
    EXPECT_STREQ(rec.szSuffix, "");
    EXPECT_EQ(OlAddrUtil::GetFieldText(pImage, 34), nullptr);

    EXPECT_EQ(std::string(pImage->EntryID), entryId);
    EXPECT_GT(std::strlen(pImage->StoreID), 40u);
    EXPECT_EQ(pImage->Gender, 2);
    EXPECT_EQ(rec.dBirthday, DateOf(1970, 3, 5));
    EXPECT_EQ(rec.dAnniversary, kOutlookNoDate);
    EXPECT_EQ(rec.dCreationTime, DateOf(2024, 3, 15, 10, 10));
    EXPECT_EQ(rec.dLastModificationTime, DateOf(2024, 3, 15, 10, 10));
    EXPECT_EQ(rec.nSourceType, 3);
    EXPECT_EQ(rec.nNativeSize, sizeof(OlAddrItem));

    EXPECT_TRUE(log.HasLine("Got the name of the Contacts folder: Contacts"));
    EXPECT_TRUE(log.HasLine("Got the StoreID of the Contact folder: " + std::string(pImage->StoreID)));
}

TEST(OlAddrLoad, ContactsLoadInFolderOrderAndReloadReplacesThem)
{
    ContactsOutlook outlook;
    outlook.AddContact(Person("Ann", "Lee", "ann@example.com", "111"));
    outlook.AddContact(Person("Bob", "Ray", "bob@example.com", "222"));
    OlAddrUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    outlook.AddContact(Person("Cy", "Doe", "cy@example.com", "333"));
    ASSERT_TRUE(adapter.LoadItems());
    std::vector<std::string> names;
    for (CommAddrRec* pRec : StoredRecords(adapter))
        names.push_back(pRec->szFirstName);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Bob", "Cy"}));
}

TEST(OlAddrLoad, UserPropertiesFillTheFirstTenSlots)
{
    ContactsOutlook outlook;
    outlook.AddContact(
        Person("Ann", "Lee", "ann@example.com", "111"),
        {{OLESTR("Team"), std::string("Blue")}, {OLESTR("Score"), LONG{7}}, {OLESTR("Badge"), std::string("B-12")}});
    std::vector<UserProperty> twelve;
    for (int i = 1; i <= 12; ++i)
        twelve.push_back(
            {OLESTR("Extra") + platform::OleString(1, static_cast<OLECHAR>('A' + i - 1)), "v" + std::to_string(i)});
    outlook.AddContact(Person("Bob", "Ray", "bob@example.com", "222"), twelve);

    OlAddrUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const std::vector<CommAddrRec*> records = StoredRecords(adapter);
    ASSERT_EQ(records.size(), 2u);

    struct SlotCase {
        std::size_t nRecord;
        std::size_t nSlot;
        const char* szName;
        const char* szValue;
    };
    const SlotCase cases[] = {
        {0, 0, "Team", "Blue"},   {0, 1, "Score", ""},    {0, 2, "Badge", "B-12"}, {0, 3, "", ""},
        {1, 0, "ExtraA", "v1"},   {1, 9, "ExtraJ", "v10"},
    };
    for (const SlotCase& c : cases) {
        const CommAddrRec& rec = *records[c.nRecord];
        const OlAddrItem* pImage = ImageOf(&rec);
        ASSERT_NE(pImage, nullptr);
        EXPECT_STREQ(pImage->UserPropName[c.nSlot], c.szName) << c.nRecord << "/" << c.nSlot;
        EXPECT_STREQ(pImage->UserPropValue[c.nSlot], c.szValue) << c.nRecord << "/" << c.nSlot;
        EXPECT_STREQ(rec.szCustomLabel[c.nSlot], c.szName) << c.nRecord << "/" << c.nSlot;
        EXPECT_STREQ(rec.szCustom[c.nSlot], c.szValue) << c.nRecord << "/" << c.nSlot;
    }
    // The eleventh and twelfth are nowhere.
    for (std::size_t i = 0; i < OL_ADDR_USER_PROPS; ++i) {
        EXPECT_STRNE(records[1]->szCustomLabel[i], "ExtraK");
        EXPECT_STRNE(records[1]->szCustomLabel[i], "ExtraL");
    }
}

TEST(OlAddrLoad, UnreadableItemsGiveAnEmptyManagerAndFalse)
{
    ContactsOutlook outlook;
    outlook.AddContact(Person("Ann", "Lee", "ann@example.com", "111"));
    LogCapture log;
    OlAddrUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    ASSERT_EQ(StoredRecords(adapter).size(), 1u);

    olsim::InjectFault("Folder", "Items", E_FAIL);
    EXPECT_FALSE(adapter.LoadItems());
    EXPECT_TRUE(StoredRecords(adapter).empty());
    EXPECT_TRUE(log.HasLine("Failed to get the \"Items\" property of the Contact folder. hr=0x80004005"));
}

TEST(OlAddrLoad, WithoutOutlookNothingLoadsOrSaves)
{
    olsim::UnregisterOutlookSimulator();
    OlAddrUtil adapter;
    EXPECT_FALSE(adapter.m_bFolderOpen);
    EXPECT_FALSE(adapter.LoadItems());
    auto pRec = CsvRecord({{32, "Ann"}, {47, "Lee"}});
    EXPECT_FALSE(adapter.SaveRecord(pRec.get()));
    EXPECT_EQ(OlBaseUtil::GetUseCount(), 0);
}

// ---- saving ----

class OlAddrSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_annId = m_outlook.AddContact({{OLESTR("FirstName"), Value::Text("Ann")},
                                        {OLESTR("LastName"), Value::Text("Lee")},
                                        {OLESTR("Email1Address"), Value::Text("ann@example.com")},
                                        {OLESTR("MobileTelephoneNumber"), Value::Text("111")},
                                        {OLESTR("CompanyName"), Value::Text("Acme")},
                                        {OLESTR("Gender"), Value::Long(1)}});
        m_outlook.AddContact(Person("Bob", "Ray", "bob@example.com", "222"));
        m_adapter = std::make_unique<OlAddrUtil>();
        ASSERT_TRUE(m_adapter->LoadItems());
        ASSERT_EQ(StoredRecords(*m_adapter).size(), 2u);
        // Writes show in LastModificationTime from here on.
        m_outlook.Clock().Set(platform::MakeSystemTime(2024, 4, 1, 9, 0, 0));
    }

    void TearDown() override { m_adapter.reset(); }

    std::string TextAt(LONG nPosition, const OLECHAR* szProperty)
    {
        Object contact = m_outlook.ContactAt(nPosition);
        return contact ? Text(*contact, szProperty) : "<none>";
    }

    bool WrittenSinceSetUp(LONG nPosition)
    {
        Object contact = m_outlook.ContactAt(nPosition);
        return contact && DateValue(*contact, OLESTR("LastModificationTime")) == DateOf(2024, 4, 1, 9, 0);
    }

    ContactsOutlook m_outlook;
    LogCapture m_log;
    std::string m_annId;
    std::unique_ptr<OlAddrUtil> m_adapter;
};

TEST_F(OlAddrSave, IdenticalContactIsSkipped)
{
    auto pRec = CsvRecord({{32, "ANN"}, {47, "lee"}, {23, "ann@example.com"}, {56, "111"}, {19, "Acme"}});
    EXPECT_FALSE(m_adapter->SaveRecord(pRec.get()));
    EXPECT_EQ(m_outlook.Count(), 2);
    EXPECT_FALSE(WrittenSinceSetUp(1));
    EXPECT_EQ(StoredRecords(*m_adapter).size(), 2u);
}

TEST_F(OlAddrSave, SameKeyOtherContentUpdatesTheFirstContactAndKeepsWhatTheRowLeavesEmpty)
{
    auto pRec = CsvRecord({{32, "Ann"}, {47, "Lee"}, {23, "ann@example.com"}, {56, "999"}, {19, ""}, {44, "555"}});
    EXPECT_TRUE(m_adapter->SaveRecord(pRec.get()));

    EXPECT_EQ(m_outlook.Count(), 2);
    EXPECT_TRUE(WrittenSinceSetUp(1));
    EXPECT_EQ(TextAt(1, OLESTR("MobileTelephoneNumber")), "999");
    EXPECT_EQ(TextAt(1, OLESTR("HomeTelephoneNumber")), "555");
    EXPECT_EQ(TextAt(1, OLESTR("CompanyName")), "Acme") << "an empty text never clears Outlook's value";
    Object ann = m_outlook.ContactAt(1);
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(Number(*ann, OLESTR("Gender")), 1) << "an update keeps the contact's gender";
    EXPECT_FALSE(WrittenSinceSetUp(2));
    EXPECT_EQ(TextAt(2, OLESTR("MobileTelephoneNumber")), "222");

    const std::vector<CommAddrRec*> records = StoredRecords(*m_adapter);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_STREQ(records[0]->szMobilePhone, "999");
    ASSERT_NE(ImageOf(records[0]), nullptr) << "the stored record keeps its image";
    EXPECT_EQ(std::string(ImageOf(records[0])->EntryID), m_annId);

    // The same row once more is now identical to what is stored.
    EXPECT_FALSE(m_adapter->SaveRecord(pRec.get()));
}

TEST_F(OlAddrSave, NewContactIsAddedAndAnIdenticalSecondRowSkipped)
{
    auto pRec = CsvRecord({{32, "Cy"}, {47, "Doe"}, {23, "cy@example.com"}, {56, "333"}, {19, "Initech"}});
    EXPECT_TRUE(m_adapter->SaveRecord(pRec.get()));
    ASSERT_EQ(m_outlook.Count(), 3);
    EXPECT_EQ(TextAt(3, OLESTR("FirstName")), "Cy");
    EXPECT_EQ(TextAt(3, OLESTR("CompanyName")), "Initech");

    const std::vector<CommAddrRec*> records = StoredRecords(*m_adapter);
    ASSERT_EQ(records.size(), 3u);
    const OlAddrItem* pImage = ImageOf(records[2]);
    ASSERT_NE(pImage, nullptr);
    Object added = m_outlook.ContactAt(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(std::string(pImage->EntryID), Text(*added, OLESTR("EntryID")));
    EXPECT_EQ(pRec->pNative, nullptr) << "the caller's record is left as it was";

    auto pSecond = CsvRecord({{32, "Cy"}, {47, "Doe"}, {23, "cy@example.com"}, {56, "333"}, {19, "Initech"}});
    EXPECT_FALSE(m_adapter->SaveRecord(pSecond.get()));
    EXPECT_EQ(m_outlook.Count(), 3);

    auto pChanged = CsvRecord({{32, "Cy"}, {47, "Doe"}, {23, "cy@example.com"}, {56, "444"}});
    EXPECT_TRUE(m_adapter->SaveRecord(pChanged.get()));
    EXPECT_EQ(m_outlook.Count(), 3);
    EXPECT_EQ(TextAt(3, OLESTR("MobileTelephoneNumber")), "444");
    EXPECT_EQ(TextAt(1, OLESTR("MobileTelephoneNumber")), "111");
}

struct RefusalCase {
    const char* szObject;
    const char* szMember;
    const char* szLogLine;  // null: the message is not checked
};

TEST_F(OlAddrSave, RefusedAddLeavesOutlookAndManagerAsTheyWere)
{
    const RefusalCase cases[] = {
        {"Items", "Add", "Failed to call the \"Add\" method. hr=0x80004005"},
        {"Folder", "Items", "Failed to get the \"Items\" property of the Contact folder. hr=0x80004005"},
        {"ContactItem", "Save", "Failed to save the Contact item. hr=0x80004005"},
    };
    for (const RefusalCase& c : cases) {
        olsim::InjectFault(c.szObject, c.szMember, E_FAIL, olsim::FaultRepeat::Once);
        auto pRec = CsvRecord({{32, "Cy"}, {47, "Doe"}, {23, "cy@example.com"}});
        EXPECT_FALSE(m_adapter->SaveRecord(pRec.get())) << c.szMember;
        EXPECT_EQ(m_outlook.Count(), 2) << c.szMember;
        EXPECT_EQ(StoredRecords(*m_adapter).size(), 2u) << c.szMember;
        EXPECT_TRUE(m_log.HasLine(c.szLogLine)) << c.szLogLine;
    }
    // Once Outlook accepts it again, the contact goes in: nothing of the refusals was kept.
    auto pRec = CsvRecord({{32, "Cy"}, {47, "Doe"}, {23, "cy@example.com"}});
    EXPECT_TRUE(m_adapter->SaveRecord(pRec.get()));
    EXPECT_EQ(m_outlook.Count(), 3);
}

struct UpdateRefusalCase {
    const char* szWhat;
    std::vector<std::pair<const char*, const char*>> faults;  // object kind, member
    bool bWritten;
    const char* szLogLine;
};

TEST_F(OlAddrSave, UpdateSucceedsOnlyWhenTheContactIsWritten)
{
    const UpdateRefusalCase cases[] = {
        {"Outlook refuses the save", {{"ContactItem", "Save"}}, false, "Failed to save the Contact item. hr=0x80004005"},
        {"no item by position and no walk", {{"Items", "Item"}, {"Items", "GetFirst"}}, false,
         "Failed to get the Contact item by index: 0. hr=0x80004005"},
        {"no item by position, found by the walk", {{"Items", "Item"}}, true,
         "Failed to get the Contact item by index: 0. hr=0x80004005"},
    };
    for (const UpdateRefusalCase& c : cases) {
        for (const auto& [szObject, szMember] : c.faults)
            olsim::InjectFault(szObject, szMember, E_FAIL);
        auto pRec = CsvRecord({{32, "Ann"}, {47, "Lee"}, {23, "ann@example.com"}, {56, "999"}});
        EXPECT_EQ(m_adapter->SaveRecord(pRec.get()), c.bWritten) << c.szWhat;
        olsim::ClearFaults();
        EXPECT_TRUE(m_log.HasLine(c.szLogLine)) << c.szWhat;
        const char* szExpected = c.bWritten ? "999" : "111";
        EXPECT_STREQ(StoredRecords(*m_adapter)[0]->szMobilePhone, szExpected) << c.szWhat;
        EXPECT_EQ(TextAt(1, OLESTR("MobileTelephoneNumber")), szExpected) << c.szWhat;
    }
}

TEST_F(OlAddrSave, ReorderedFolderStillUpdatesTheRightContact)
{
    m_outlook.AddContact(Person("Cy", "Doe", "cy@example.com", "333"));
    ASSERT_TRUE(m_adapter->LoadItems());
    // The list now holds Cy first: its position no longer names Cy's place in the folder.
    std::vector<CommAddrRec> copies;
    for (CommAddrRec* pRec : StoredRecords(*m_adapter))
        copies.push_back(*pRec);
    std::vector<std::unique_ptr<OlAddrItem>> images;
    for (CommAddrRec& copy : copies) {
        images.push_back(std::make_unique<OlAddrItem>(*ImageOf(&copy)));
        copy.pNative = images.back().get();
    }
    m_adapter->m_pDataMgr->FreeAll();
    for (const std::size_t i : {2u, 0u, 1u})
        ASSERT_NE(m_adapter->m_pDataMgr->AddRecord(&copies[i]), nullptr);

    auto pRec = CsvRecord({{32, "Cy"}, {47, "Doe"}, {23, "cy@example.com"}, {56, "999"}});
    EXPECT_TRUE(m_adapter->SaveRecord(pRec.get()));
    EXPECT_EQ(TextAt(3, OLESTR("MobileTelephoneNumber")), "999");
    EXPECT_EQ(TextAt(1, OLESTR("MobileTelephoneNumber")), "111");
    EXPECT_FALSE(WrittenSinceSetUp(1));
    EXPECT_NE(m_log.Text().find("is not the one loaded there"), std::string::npos);
}

TEST_F(OlAddrSave, ContactGoneFromTheFolderIsNotWrittenElsewhere)
{
    CommAddrRec* pBob = StoredRecords(*m_adapter)[1];
    auto* pImage = static_cast<OlAddrItem*>(pBob->pNative);
    ASSERT_NE(pImage, nullptr);
    std::strcpy(pImage->EntryID, "00000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");

    auto pRec = CsvRecord({{32, "Bob"}, {47, "Ray"}, {23, "bob@example.com"}, {56, "999"}});
    EXPECT_FALSE(m_adapter->SaveRecord(pRec.get()));
    EXPECT_FALSE(WrittenSinceSetUp(1));
    EXPECT_FALSE(WrittenSinceSetUp(2));
    EXPECT_STREQ(StoredRecords(*m_adapter)[1]->szMobilePhone, "222");
    EXPECT_TRUE(m_log.HasLine(
        "No Contact item has the EntryID 00000000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF any more; it is not written."));
}

TEST_F(OlAddrSave, UserPropertiesAreFoundOrAddedWhenWritten)
{
    auto pRec = CsvRecord({{32, "Cy"}, {47, "Doe"}});
    std::strcpy(pRec->szCustomLabel[0], "Team");
    std::strcpy(pRec->szCustom[0], "Red");
    std::strcpy(pRec->szCustomLabel[3], "Level");
    std::strcpy(pRec->szCustom[3], "Gold");
    ASSERT_TRUE(m_adapter->AddItem(pRec.get()));
    ASSERT_NE(pRec->pNative, nullptr);
    Object added = m_outlook.ContactAt(3);
    ASSERT_NE(added, nullptr);
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(UserProperties(*added), (Pairs{{"Team", "Red"}, {"Level", "Gold"}}));

    std::strcpy(pRec->szCustom[0], "Blue");
    pRec->szCustom[3][0] = 0;
    EXPECT_TRUE(m_adapter->UpdateItem(pRec.get(), 2));
    added = m_outlook.ContactAt(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(UserProperties(*added), (Pairs{{"Team", "Blue"}, {"Level", "Gold"}}))
        << "an existing property is found, not added twice; an empty value is not sent";
    FreeAttachedImage(*pRec);
}

TEST_F(OlAddrSave, MissingPiecesAreRefused)
{
    EXPECT_FALSE(m_adapter->SaveRecord(nullptr));
    EXPECT_FALSE(m_adapter->AddItem(nullptr));
    auto pRec = CsvRecord({{32, "Ann"}});
    EXPECT_FALSE(m_adapter->UpdateItem(pRec.get(), -1));
    EXPECT_FALSE(m_adapter->ReadFolder(nullptr));
    EXPECT_FALSE(m_adapter->ReadItem(nullptr, nullptr));
    EXPECT_FALSE(m_adapter->WriteItem(nullptr, nullptr));
    EXPECT_FALSE(OlAddrUtil::ItemToRecord(nullptr, pRec.get()));
    EXPECT_FALSE(OlAddrUtil::RecordToItem(pRec.get(), nullptr));
    EXPECT_EQ(m_outlook.Count(), 2);
}

#undef MEMBER

}  // namespace
}  // namespace addr_test
