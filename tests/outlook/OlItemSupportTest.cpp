// The machinery the item adapters share: property tables walked against Outlook, the
// copies between image and record, the lookup of the item an update writes over, and the
// skip/update/add decision of SaveRecord.
#include "OlAddrTestOutlook.h"

#include "common/misc/CxMemory.h"
#include "common/outlook/OlItemSupport.h"
#include "olsim/FaultInjection.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace addr_test {
namespace {

// ---- property tables ----

struct MiniImage {
    char Company[12];
    char Department[8];
    DATE Birthday;
    LONG Gender;
    char Mismatched[16];
    DATE CreationTime;
};

struct MiniRecord {
    char szCompany[6];
    DATE dBirthday;
    DATE dCreated;
};

const OlPropDef kMiniProps[] = {
    {OLESTR("CompanyName"), OlPropKind::Text, OL_READ_WRITE | OL_CARRY, OL_MEMBER(MiniImage, Company), 0,
     OL_MEMBER(MiniRecord, szCompany)},
    {OLESTR("Department"), OlPropKind::Text, OL_READ_WRITE, OL_MEMBER(MiniImage, Department), 5, OL_NO_RECORD},
    {OLESTR("Birthday"), OlPropKind::Date, OL_READ_WRITE | OL_CARRY, OL_MEMBER(MiniImage, Birthday), 0,
     OL_MEMBER(MiniRecord, dBirthday)},
    {OLESTR("Gender"), OlPropKind::Long, OL_READ_WRITE, OL_MEMBER(MiniImage, Gender), 0, OL_NO_RECORD},
    // A text row naming a date property: the get answers another type.
    {OLESTR("Anniversary"), OlPropKind::Text, OL_READ, OL_MEMBER(MiniImage, Mismatched), 0, OL_NO_RECORD},
    {OLESTR("CreationTime"), OlPropKind::Date, OL_READ | OL_TO_RECORD, OL_MEMBER(MiniImage, CreationTime), 0,
     OL_MEMBER(MiniRecord, dCreated)},
};

TEST(OlItemSupportProps, ReadFollowsTheTableAndLeavesUnreadableMembers)
{
    ContactsOutlook outlook;
    outlook.AddContact({{OLESTR("CompanyName"), Value::Text("Initech Corporation")},
                        {OLESTR("Department"), Value::Text("Accounting")},
                        {OLESTR("Birthday"), Value::Date(DateOf(1980, 6, 7))},
                        {OLESTR("Gender"), Value::Long(2)}});
    Object contact = outlook.ContactAt(1);
    ASSERT_NE(contact, nullptr);
    MiniImage image{};
    std::strcpy(image.Mismatched, "kept");
    ReadItemProperties(*contact, kMiniProps, &image);
    EXPECT_STREQ(image.Company, "Initech Cor") << "cut to the member's width";
    EXPECT_STREQ(image.Department, "Acco") << "cut to the row's read size";
    EXPECT_EQ(image.Birthday, DateOf(1980, 6, 7));
    EXPECT_EQ(image.Gender, 2);
    EXPECT_STREQ(image.Mismatched, "kept");
    EXPECT_EQ(image.CreationTime, DateOf(2024, 3, 15, 10, 10));
}

TEST(OlItemSupportProps, WriteNeverSendsEmptyTextsOrZeroDatesButAlwaysLongs)
{
    ContactsOutlook outlook;
    outlook.AddContact({{OLESTR("CompanyName"), Value::Text("Acme")},
                        {OLESTR("Department"), Value::Text("Sales")},
                        {OLESTR("Birthday"), Value::Date(DateOf(1980, 6, 7))},
                        {OLESTR("Gender"), Value::Long(2)}});
    Object contact = outlook.ContactAt(1);
    ASSERT_NE(contact, nullptr);
    MiniImage image{};
    std::strcpy(image.Department, "Support");
    WriteItemProperties(*contact, kMiniProps, &image);
    EXPECT_EQ(Text(*contact, OLESTR("CompanyName")), "Acme");
    EXPECT_EQ(Text(*contact, OLESTR("Department")), "Support");
    EXPECT_EQ(DateValue(*contact, OLESTR("Birthday")), DateOf(1980, 6, 7));
    EXPECT_EQ(Number(*contact, OLESTR("Gender")), 0);
}

TEST(OlItemSupportProps, CopiesHonourTheirDirectionAndCutWholeCharacters)
{
    MiniImage image{};
    std::strcpy(image.Company, "xcaf\xC3\xA9 ab");  // "xcafé ab": the é spans bytes 5 and 6
    image.Birthday = 1234.5;
    image.CreationTime = 4321.0;
    MiniRecord rec{};
    CopyImageToRecord(kMiniProps, &image, &rec);
    EXPECT_STREQ(rec.szCompany, "xcaf") << "five bytes would split the é";
    EXPECT_EQ(rec.dBirthday, 1234.5);
    EXPECT_EQ(rec.dCreated, 4321.0);

    MiniImage back{};
    std::strcpy(back.Department, "kept");
    rec.dCreated = 99.0;
    CopyRecordToImage(kMiniProps, &rec, &back);
    EXPECT_STREQ(back.Company, "xcaf");
    EXPECT_EQ(back.Birthday, 1234.5);
    EXPECT_EQ(back.CreationTime, 0.0) << "carried to the record only";
    EXPECT_STREQ(back.Department, "kept");
}

// ---- the item an update writes over ----

class OlItemSupportLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* szName : {"Ann", "Bob", "Cy"})
            m_ids.push_back(m_outlook.AddContact({{OLESTR("FirstName"), Value::Text(szName)}}));
        m_items = m_outlook.Items();
        ASSERT_NE(m_items, nullptr);
    }

    ContactsOutlook m_outlook;
    LogCapture m_log;
    std::vector<std::string> m_ids;
    Object m_items;
};

struct LookupCase {
    const char* szWhat;
    int nIndex;
    int nEntryOf;  // index of the contact whose EntryID is looked for; -1 none, -2 unknown
    const char* szFound;  // first name of the item found, null for none
    bool bIndexFails;
};

TEST_F(OlItemSupportLookup, PositionIsCheckedByEntryIdAndTheFolderWalkedWhenItDiffers)
{
    const LookupCase cases[] = {
        {"the item at the position is the one", 1, 1, "Bob", false},
        {"another item at the position", 0, 2, "Cy", false},
        {"position beyond the folder", 7, 1, "Bob", true},
        {"no EntryID to check", 2, -1, "Cy", false},
        {"an EntryID no item has", 0, -2, nullptr, false},
        {"negative position without EntryID", -1, -1, nullptr, true},
    };
    for (const LookupCase& c : cases) {
        const std::string entryId = c.nEntryOf >= 0 ? m_ids[static_cast<std::size_t>(c.nEntryOf)]
                                    : c.nEntryOf == -2 ? std::string("0000000012345678") : std::string();
        HRESULT hr = S_OK;
        Object item = FindItemForUpdate(*m_items, c.nIndex, entryId.c_str(), "Contact", &hr);
        EXPECT_EQ(FAILED(hr), c.bIndexFails) << c.szWhat;
        if (c.szFound == nullptr) {
            EXPECT_EQ(item, nullptr) << c.szWhat;
            continue;
        }
        ASSERT_NE(item, nullptr) << c.szWhat;
        EXPECT_EQ(Text(*item, OLESTR("FirstName")), c.szFound) << c.szWhat;
    }
    EXPECT_TRUE(m_log.HasLine("The Contact item at index 0 is not the one loaded there (EntryID " + m_ids[2] +
                              "); searching the folder."));
    EXPECT_TRUE(m_log.HasLine("No Contact item has the EntryID 0000000012345678 any more; it is not written."));
}

TEST_F(OlItemSupportLookup, WalkVisitsEveryItemInOrderAndStopsWhenAsked)
{
    std::vector<std::string> names;
    ForEachItem(*m_items, [&](CDispCmd& item) {
        names.push_back(Text(item, OLESTR("FirstName")));
        return true;
    });
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Bob", "Cy"}));
    names.clear();
    ForEachItem(*m_items, [&](CDispCmd& item) {
        names.push_back(Text(item, OLESTR("FirstName")));
        return names.size() < 2;
    });
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Bob"}));
    olsim::InjectFault("Items", "GetNext", E_FAIL, olsim::FaultRepeat::Once);
    names.clear();
    ForEachItem(*m_items, [&](CDispCmd& item) {
        names.push_back(Text(item, OLESTR("FirstName")));
        return true;
    });
    EXPECT_EQ(names, (std::vector<std::string>{"Ann"})) << "a failing GetNext ends the walk";
}

TEST_F(OlItemSupportLookup, NewItemGetsItsEntryIdWhenSaved)
{
    HRESULT hr = S_OK;
    Object item = AddNewItem(*m_items, kContactItem, &hr);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(hr, S_OK);
    char szEntryID[1024] = "stale";
    EXPECT_EQ(ReadEntryID(*item, szEntryID, sizeof szEntryID), S_OK);
    EXPECT_STREQ(szEntryID, "") << "unsaved";
    EXPECT_EQ(item->PutString(OLESTR("FirstName"), "Dee"), S_OK);
    EXPECT_EQ(SaveItem(*item), S_OK);
    EXPECT_EQ(ReadEntryID(*item, szEntryID, sizeof szEntryID), S_OK);
    Object fourth = GetItemAt(*m_items, 3, &hr);
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(Text(*fourth, OLESTR("EntryID")), szEntryID);
    EXPECT_EQ(ReadEntryID(*item, nullptr, 8), E_INVALIDARG);
}

// ---- the decision of SaveRecord ----

struct FakeRecord {
    char szKey[8];
    char szContent[8];
    void* pNative;
    DWORD nNativeSize;
};

struct FakeImage {
    char szEntryID[8];
};

// Answers FindMatch as told and stores copies as the record managers do.
class FakeManager {
public:
    ~FakeManager()
    {
        for (FakeRecord* pRec : m_stored) {
            CxFree(pRec->pNative);
            delete pRec;
        }
    }

    int FindMatch(const FakeRecord*, FakeRecord** ppFound, int* pnIndex)
    {
        if (m_nAnswer == OL_MATCH_SAME_KEY || m_nAnswer == OL_MATCH_IDENTICAL) {
            *ppFound = m_stored.at(0);
            *pnIndex = 0;
        } else {
            *pnIndex = static_cast<int>(m_stored.size());
        }
        return m_nAnswer;
    }

    FakeRecord* AddRecord(const FakeRecord* pRec)
    {
        if (m_bRefuseStore)
            return nullptr;
        auto* pCopy = new FakeRecord(*pRec);
        pCopy->pNative = CopyImageBlock(pRec->pNative, pRec->nNativeSize);
        m_stored.push_back(pCopy);
        return pCopy;
    }

    // Overwrites the content at a position; the stored record keeps its own image.
    bool ReplaceRecord(int nIndex, const FakeRecord* pRec)
    {
        FakeRecord* pStored = m_stored.at(static_cast<std::size_t>(nIndex));
        void* pImage = pStored->pNative;
        const DWORD nImageSize = pStored->nNativeSize;
        *pStored = *pRec;
        pStored->pNative = pImage;
        pStored->nNativeSize = nImageSize;
        return true;
    }

    int m_nAnswer = OL_MATCH_NONE;
    bool m_bRefuseStore = false;
    std::vector<FakeRecord*> m_stored;
};

struct DecisionCase {
    const char* szWhat;
    int nAnswer;
    bool bOutlookAccepts;
    bool bRefuseStore;
    bool bExpected;
    int nAdds;
    int nUpdates;
    const char* szStoredContent;  // what the first stored record holds afterwards
    std::size_t nStored;
};

TEST(OlItemSupportSave, DecisionFollowsFindMatchAndWhatOutlookAccepted)
{
    const DecisionCase cases[] = {
        {"identical: skipped", OL_MATCH_IDENTICAL, true, false, false, 0, 0, "old", 1},
        {"bad record: skipped", OL_MATCH_BAD_RECORD, true, false, false, 0, 0, "old", 1},
        {"same key, written", OL_MATCH_SAME_KEY, true, false, true, 0, 1, "new", 1},
        {"same key, refused", OL_MATCH_SAME_KEY, false, false, false, 0, 1, "old", 1},
        {"no match, added", OL_MATCH_NONE, true, false, true, 1, 0, "old", 2},
        {"no match, refused", OL_MATCH_NONE, false, false, false, 1, 0, "old", 1},
        {"no match, added but not kept", OL_MATCH_NONE, true, true, true, 1, 0, "old", 1},
    };
    for (const DecisionCase& c : cases) {
        LogCapture log;
        FakeManager mgr;
        FakeImage storedImage{"E-1"};
        FakeRecord stored{"k", "old", &storedImage, sizeof storedImage};
        mgr.AddRecord(&stored);
        mgr.m_nAnswer = c.nAnswer;
        mgr.m_bRefuseStore = c.bRefuseStore;
        FakeRecord incoming{"k", "new", nullptr, 0};

        int nAdds = 0;
        int nUpdates = 0;
        const bool bResult = SaveRecordByMatch(
            mgr, &incoming, "Fake",
            [&](FakeRecord* pNew) {
                ++nAdds;
                EXPECT_EQ(pNew->pNative, nullptr) << c.szWhat;
                EXPECT_STREQ(pNew->szContent, "new") << c.szWhat;
                if (!c.bOutlookAccepts)
                    return false;
                const FakeImage written{"E-2"};
                return AttachImageCopy(*pNew, written);
            },
            [&](FakeRecord* pWork, int nIndex) {
                ++nUpdates;
                EXPECT_EQ(nIndex, 0) << c.szWhat;
                EXPECT_STREQ(pWork->szContent, "new") << c.szWhat;
                const FakeImage* pImage = NativeImage<FakeImage>(*pWork);
                EXPECT_TRUE(pImage && std::strcmp(pImage->szEntryID, "E-1") == 0) << c.szWhat;
                return c.bOutlookAccepts;
            });

        EXPECT_EQ(bResult, c.bExpected) << c.szWhat;
        EXPECT_EQ(nAdds, c.nAdds) << c.szWhat;
        EXPECT_EQ(nUpdates, c.nUpdates) << c.szWhat;
        ASSERT_EQ(mgr.m_stored.size(), c.nStored) << c.szWhat;
        EXPECT_STREQ(mgr.m_stored[0]->szContent, c.szStoredContent) << c.szWhat;
        const FakeImage* pFirstImage = NativeImage<FakeImage>(*mgr.m_stored[0]);
        ASSERT_NE(pFirstImage, nullptr) << c.szWhat;
        EXPECT_STREQ(pFirstImage->szEntryID, "E-1") << "the stored record keeps its own image: " << c.szWhat;
        if (c.nStored == 2) {
            const FakeImage* pAdded = NativeImage<FakeImage>(*mgr.m_stored[1]);
            ASSERT_NE(pAdded, nullptr) << c.szWhat;
            EXPECT_STREQ(pAdded->szEntryID, "E-2") << c.szWhat;
        }
        EXPECT_EQ(incoming.pNative, nullptr) << c.szWhat;
        EXPECT_EQ(log.HasLine("The Fake item was written to Outlook but could not be kept in the record list."),
                  c.bRefuseStore)
            << c.szWhat;
    }
}

TEST(OlItemSupportSave, NullRecordIsRefusedWithoutAsking)
{
    FakeManager mgr;
    int nCalls = 0;
    EXPECT_FALSE(SaveRecordByMatch(
        mgr, static_cast<FakeRecord*>(nullptr), "Fake", [&](FakeRecord*) { return ++nCalls > 0; },
        [&](FakeRecord*, int) { return ++nCalls > 0; }));
    EXPECT_EQ(nCalls, 0);
}

TEST(OlItemSupportSave, ImageViewsNeedTheirOwnSize)
{
    FakeImage image{"E-9"};
    FakeRecord rec{"k", "c", &image, sizeof image};
    EXPECT_EQ(NativeImage<FakeImage>(rec), &image);
    rec.nNativeSize = sizeof image + 1;
    EXPECT_EQ(NativeImage<FakeImage>(rec), nullptr);
    rec.pNative = nullptr;
    rec.nNativeSize = sizeof image;
    EXPECT_EQ(NativeImage<FakeImage>(rec), nullptr);

    ASSERT_TRUE(AttachImageCopy(rec, image));
    ASSERT_NE(rec.pNative, &image);
    EXPECT_EQ(rec.nNativeSize, sizeof image);
    EXPECT_STREQ(NativeImage<FakeImage>(rec)->szEntryID, "E-9");
    FreeAttachedImage(rec);
    EXPECT_EQ(rec.pNative, nullptr);
    EXPECT_EQ(rec.nNativeSize, 0u);
}

}  // namespace
}  // namespace addr_test
