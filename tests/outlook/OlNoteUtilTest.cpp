// The notes adapter against the simulated Outlook: loading, the CSV texts of a loaded
// note, what a record writes, saving CSV rows (add, skip, update), and every failure
// Outlook can give.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlNoteUtil.h"
#include "olsim/FaultInjection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using namespace adapter_test;

namespace {

constexpr HRESULT kFailure = E_FAIL;

void SeedNote(AdapterSim& sim, const char* szBody, LONG nColor = -1, const char* szCategories = "")
{
    Object item = sim.NewItem(kNotesFolder, kNoteItem);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->PutString(OLESTR("Body"), szBody), S_OK);
    if (nColor >= 0) {
        EXPECT_EQ(item->PutLong(OLESTR("Color"), nColor), S_OK);
    }
    if (szCategories[0] != '\0') {
        EXPECT_EQ(item->PutString(OLESTR("Categories"), szCategories), S_OK);
    }
    sim.Save(*item);
}

std::unique_ptr<CommNoteRec> CsvRecord(const char* szSubject, const char* szBody, const char* szCategory = "")
{
    auto pRec = std::make_unique<CommNoteRec>();
    EXPECT_TRUE(OlNoteUtil::SetFieldText(4, szSubject, pRec.get()));
    EXPECT_TRUE(OlNoteUtil::SetFieldText(5, szBody, pRec.get()));
    EXPECT_TRUE(OlNoteUtil::SetFieldText(6, szCategory, pRec.get()));
    return pRec;
}

bool Logged(const LogLine& line)
{
    const auto lines = AdapterSim::LogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(OlNoteUtil, LoadsEveryNoteWithItsColourTextsAndTimes)
{
    AdapterSim sim;
    AdapterSim::SetNow(TimeOf(2004, 3, 15, 14, 5));
    SeedNote(sim, "Shopping\r\nMilk and bread", 3, "Home");
    for (const LONG nColor : {0L, 1L, 2L, 4L})
        SeedNote(sim, ("colour " + std::to_string(nColor)).c_str(), nColor);
    const std::string entryId = TextOf(*sim.ItemAt(kNotesFolder, 1), OLESTR("EntryID"));
    ASSERT_GT(entryId.size(), 30u);

    OlNoteUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 5u);

    const CommNoteRec& rec = *records[0];
    EXPECT_STREQ(rec.szSubject, "Shopping");
    EXPECT_STREQ(rec.szNote, "Shopping\r\nMilk and bread");
    EXPECT_STREQ(rec.szCategory, "Home");
    EXPECT_EQ(rec.nColor, 3);
    EXPECT_EQ(std::string(rec.szId), entryId.substr(0, 30));
    EXPECT_DOUBLE_EQ(rec.dCreationTime, DateOf(2004, 3, 15, 14, 5));
    EXPECT_EQ(rec.nSource, 3);

    const auto* pImage = static_cast<const OlNoteItem*>(rec.pNative);
    ASSERT_EQ(rec.nNativeSize, sizeof(OlNoteItem));
    struct Case {
        unsigned nId;
        std::string text;
    };
    const Case cases[] = {
        {1, entryId},    {2, "1"},    {3, "3"},  {4, "Shopping"}, {5, "Shopping\r\nMilk and bread"},
        {6, "Home"},     {7, "03/15/2004 14:05:00"},               {8, "03/15/2004 14:05:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OlNoteUtil::GetFieldText(pImage, c.nId), c.text) << "field " << c.nId;
    EXPECT_STREQ(pImage->FolderName, "Notes");

    const LONG colours[] = {0, 1, 2, 4};
    for (std::size_t i = 0; i < std::size(colours); ++i) {
        EXPECT_EQ(records[i + 1]->nColor, colours[i]);
        EXPECT_EQ(OlNoteUtil::GetFieldText(static_cast<const OlNoteItem*>(records[i + 1]->pNative), 3),
                  std::to_string(colours[i]));
    }
    EXPECT_TRUE(Logged(Info("Got the name of the Notes folder: Notes")));
}

TEST(OlNoteUtil, ACsvRowWritesItsBodyCategoryAndColourButNotItsSubject)
{
    AdapterSim sim;
    OlNoteUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    auto pRec = CsvRecord("Groceries", "Milk\r\nBread", "Home");
    pRec->nColor = 1;
    ASSERT_TRUE(adapter.SaveRecord(pRec.get()));
    auto pEmpty = CsvRecord("Nothing yet", "");
    pEmpty->nColor = 4;
    ASSERT_TRUE(adapter.SaveRecord(pEmpty.get()));

    ASSERT_EQ(sim.Count(kNotesFolder), 2);
    Object written = sim.ItemAt(kNotesFolder, 1);
    EXPECT_EQ(TextOf(*written, OLESTR("Body")), "Milk\r\nBread");
    EXPECT_EQ(TextOf(*written, OLESTR("Subject")), "Milk");
    EXPECT_EQ(TextOf(*written, OLESTR("Categories")), "Home");
    EXPECT_EQ(LongOf(*written, OLESTR("Color")), 1);

    Object empty = sim.ItemAt(kNotesFolder, 2);
    EXPECT_EQ(TextOf(*empty, OLESTR("Body")), "");
    EXPECT_EQ(TextOf(*empty, OLESTR("Subject")), "");
    EXPECT_EQ(LongOf(*empty, OLESTR("Color")), 4);

    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 2u);
    ASSERT_EQ(records[0]->nNativeSize, sizeof(OlNoteItem));
    EXPECT_EQ(static_cast<const OlNoteItem*>(records[0]->pNative)->EntryID, TextOf(*written, OLESTR("EntryID")));
    EXPECT_STREQ(records[0]->szSubject, "Groceries");
    EXPECT_EQ(records[0]->nSource, 3);
}

TEST(OlNoteUtil, AStoredNoteIsSkippedAndOneWithTheSameSubjectIsWrittenOver)
{
    AdapterSim sim;
    OlNoteUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    ASSERT_TRUE(adapter.SaveRecord(CsvRecord("Groceries", "Milk").get()));
    EXPECT_FALSE(adapter.SaveRecord(CsvRecord("GROCERIES", "milk").get()));
    EXPECT_EQ(sim.Count(kNotesFolder), 1);

    EXPECT_TRUE(adapter.SaveRecord(CsvRecord("Groceries", "Milk\r\nEggs").get()));
    EXPECT_EQ(sim.Count(kNotesFolder), 1);
    EXPECT_EQ(TextOf(*sim.ItemAt(kNotesFolder, 1), OLESTR("Body")), "Milk\r\nEggs");
    const auto records = StoredRecords(*adapter.m_pDataMgr);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_STREQ(records[0]->szNote, "Milk\r\nEggs");
}

TEST(OlNoteUtil, WithoutItsFolderTheAdapterLoadsAndSavesNothingAndSaysNothing)
{
    AdapterSim sim;
    olsim::InjectFault("NameSpace", "GetDefaultFolder", kFailure);
    OlNoteUtil adapter;
    olsim::ClearFaults();
    EXPECT_EQ(adapter.m_pNoteRootFolder, nullptr);
    EXPECT_FALSE(adapter.LoadItems());
    EXPECT_FALSE(adapter.SaveRecord(CsvRecord("Groceries", "Milk").get()));
    EXPECT_EQ(sim.Count(kNotesFolder), 0);
    EXPECT_TRUE(AdapterSim::ErrorLines().empty());
}

TEST(OlNoteUtil, LoadingGoesOnWithoutTheFolderNameButNotWithoutItsItems)
{
    AdapterSim sim;
    SeedNote(sim, "Milk");
    OlNoteUtil adapter;

    olsim::InjectFault("Folder", "Name", kFailure);
    EXPECT_TRUE(adapter.LoadItems());
    olsim::ClearFaults();
    EXPECT_EQ(StoredRecords(*adapter.m_pDataMgr).size(), 1u);
    EXPECT_TRUE(Logged(Error("Failed to get the name of the folder. hr=0x80004005")));

    olsim::InjectFault("Folder", "Items", kFailure);
    EXPECT_FALSE(adapter.LoadItems());
    olsim::ClearFaults();
    EXPECT_TRUE(StoredRecords(*adapter.m_pDataMgr).empty());
    EXPECT_TRUE(Logged(Error("Failed to get the \"Items\" property of the Notes folder. hr=0x80004005")));
}

TEST(OlNoteUtil, ANoteOutlookRefusesToAddIsNotStored)
{
    struct Case {
        const char* szKind;
        const char* szMember;
        std::string message;
    };
    const Case cases[] = {
        {"Folder", "Items", "Failed to get the \"Items\" property of the Notes folder. hr=0x80020009"},
        {"Items", "Add", "Failed to call the \"Add\" method to add notes item. hr=0x80020009"},
        {"NoteItem", "Save", "Failed to save the Notes item. hr=0x80020009"},
    };
    AdapterSim sim;
    OlNoteUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szKind) + "." + c.szMember);
        olsim::InjectFault(c.szKind, c.szMember, DISP_E_EXCEPTION);
        EXPECT_FALSE(adapter.SaveRecord(CsvRecord("Groceries", "Milk").get()));
        olsim::ClearFaults();
        EXPECT_TRUE(StoredRecords(*adapter.m_pDataMgr).empty());
        EXPECT_EQ(sim.Count(kNotesFolder), 0);
        EXPECT_TRUE(Logged(Error(c.message)));
    }
}

TEST(OlNoteUtil, AnUpdateThatFindsNoNoteWritesNothingAndRefreshesNothing)
{
    AdapterSim sim;
    SeedNote(sim, "Groceries\r\nMilk");
    OlNoteUtil adapter;
    ASSERT_TRUE(adapter.LoadItems());
    struct Case {
        const char* szKind;
        const char* szMember;
        std::string message;
    };
    const Case cases[] = {
        {"Folder", "Items", "Failed to get the \"Items\" property of the Notes folder. hr=0x80020009"},
        {"Items", "Item", "Failed to get the notes item by index: 0. hr=0x80020009"},
        {"NoteItem", "Save", "Failed to save the Notes item. hr=0x80020009"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.szKind) + "." + c.szMember);
        olsim::InjectFault(c.szKind, c.szMember, DISP_E_EXCEPTION);
        // Without GetFirst the folder cannot be searched for the note either.
        olsim::InjectFault("Items", "GetFirst", DISP_E_EXCEPTION);
        EXPECT_FALSE(adapter.SaveRecord(CsvRecord("Groceries", "Eggs").get()));
        olsim::ClearFaults();
        EXPECT_TRUE(Logged(Error(c.message)));
        EXPECT_EQ(TextOf(*sim.ItemAt(kNotesFolder, 1), OLESTR("Body")), "Groceries\r\nMilk");
        const auto records = StoredRecords(*adapter.m_pDataMgr);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_STREQ(records[0]->szNote, "Groceries\r\nMilk");
    }
}

}  // namespace
