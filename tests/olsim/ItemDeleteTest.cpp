// Deleting items: what leaves the folder, what becomes of the objects still holding a
// deleted item, and what another process on the same profile sees.
#include "SimulatedOutlook.h"

#include "olsim/ProfileSession.h"
#include "olsim/ToolCommands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <sstream>
#include <vector>

namespace olsim_test {
namespace {

constexpr SCODE kObjectDeleted = static_cast<SCODE>(0x8004010A);
constexpr SCODE kNotFound = static_cast<SCODE>(0x8004010F);

struct KindCase {
    int folderNumber;
    int itemType;
    const char* listName;
    const OLECHAR* textProperty;
    olsim::ItemKind kind;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.listName; }

constexpr KindCase kKinds[] = {
    {kContactsFolder, kContactItem, "contacts", OLESTR("LastName"), olsim::ItemKind::Contact},
    {kCalendarFolder, kAppointmentItem, "appointments", OLESTR("Subject"), olsim::ItemKind::Appointment},
    {kTasksFolder, kTaskItem, "tasks", OLESTR("Subject"), olsim::ItemKind::Task},
    {kNotesFolder, kNoteItem, "notes", OLESTR("Body"), olsim::ItemKind::Note},
};

class ItemDeleteTest : public ::testing::TestWithParam<KindCase> {
protected:
    // Saves items with the texts, in that order; their EntryIDs.
    std::vector<std::string> AddItems(std::initializer_list<const char*> texts)
    {
        std::vector<std::string> entryIds;
        for (const char* text : texts) {
            Object item = outlook.AddSaved(GetParam().folderNumber, GetParam().itemType,
                                           {{GetParam().textProperty, text}});
            entryIds.push_back(item ? GetText(*item, OLESTR("EntryID")) : std::string());
        }
        return entryIds;
    }

    Object ItemAt(int position)
    {
        const Arg index(position);
        return CallForObject(*outlook.Items(GetParam().folderNumber), OLESTR("Item"), {&index});
    }

    // The texts of a walk with GetFirst and GetNext.
    std::vector<std::string> Walk(CDispCmd& items)
    {
        std::vector<std::string> texts;
        platform::VariantHolder current;
        HRESULT hr = CallMethod(items, OLESTR("GetFirst"), {}, current);
        while (hr == S_OK && current->vt == VT_DISPATCH && current->pdispVal) {
            CDispCmd item(current->pdispVal);
            texts.push_back(GetText(item, GetParam().textProperty));
            hr = CallMethod(items, OLESTR("GetNext"), {}, current);
        }
        EXPECT_EQ(hr, S_OK);
        return texts;
    }

    CallOutcome GetItemFromId(const std::string& entryId)
    {
        const platform::OleString wide(entryId.begin(), entryId.end());
        const Arg id(wide.c_str());
        return InvokeForOutcome(outlook.NameSpace(), OLESTR("GetItemFromID"), CallKind::Method, {&id});
    }

    SimulatedOutlook outlook;
};

void ExpectMovedOrDeleted(const CallOutcome& outcome)
{
    EXPECT_EQ(outcome.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(outcome.scode, kObjectDeleted);
    EXPECT_EQ(outcome.description, "The item has been moved or deleted.");
}

TEST_P(ItemDeleteTest, TheItemLeavesItsFolderForGood)
{
    const std::vector<std::string> ids = AddItems({"first", "second", "third"});
    Object second = ItemAt(2);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(InvokeForOutcome(*second, OLESTR("Delete"), CallKind::Method).hr, S_OK);

    Object items = outlook.Items(GetParam().folderNumber);
    EXPECT_EQ(GetNumber(*items, OLESTR("Count")), 2);
    EXPECT_EQ(Walk(*items), (std::vector<std::string>{"first", "third"}));
    Object atTwo = ItemAt(2);
    ASSERT_NE(atTwo, nullptr);
    EXPECT_EQ(GetText(*atTwo, OLESTR("EntryID")), ids[2]);
    const CallOutcome lookup = GetItemFromId(ids[1]);
    EXPECT_EQ(lookup.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(lookup.scode, kNotFound);
    EXPECT_EQ(GetItemFromId(ids[0]).hr, S_OK);

    outlook.Disconnect();
    outlook.Reconnect();
    Object reopened = outlook.Items(GetParam().folderNumber);
    EXPECT_EQ(Walk(*reopened), (std::vector<std::string>{"first", "third"}));
    EXPECT_EQ(GetItemFromId(ids[1]).hr, DISP_E_EXCEPTION);
}

TEST_P(ItemDeleteTest, EveryCallThroughAStaleObjectFails)
{
    AddItems({"doomed", "kept"});
    Object deleting = ItemAt(1);
    Object openedEarlier = CallForObject(*outlook.Items(GetParam().folderNumber), OLESTR("GetFirst"));
    ASSERT_NE(deleting, nullptr);
    ASSERT_NE(openedEarlier, nullptr);
    ASSERT_EQ(InvokeForOutcome(*deleting, OLESTR("Delete"), CallKind::Method).hr, S_OK);

    const Arg text(OLESTR("changed"));
    for (CDispCmd* stale : {deleting.get(), openedEarlier.get()}) {
        ExpectMovedOrDeleted(InvokeForOutcome(*stale, GetParam().textProperty, CallKind::Get));
        ExpectMovedOrDeleted(InvokeForOutcome(*stale, OLESTR("EntryID"), CallKind::Get));
        ExpectMovedOrDeleted(InvokeForOutcome(*stale, GetParam().textProperty, CallKind::Put, {&text}));
        ExpectMovedOrDeleted(InvokeForOutcome(*stale, OLESTR("Save"), CallKind::Method));
        ExpectMovedOrDeleted(InvokeForOutcome(*stale, OLESTR("Delete"), CallKind::Method));
    }
    Object items = outlook.Items(GetParam().folderNumber);
    EXPECT_EQ(Walk(*items), std::vector<std::string>{"kept"}) << "no failed call brought it back";
}

TEST_P(ItemDeleteTest, AnUnsavedItemIsDroppedWithoutTouchingTheFolder)
{
    AddItems({"kept"});
    Object fresh = outlook.Add(GetParam().folderNumber, GetParam().itemType);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->PutString(GetParam().textProperty, "never saved"), S_OK);
    ASSERT_EQ(InvokeForOutcome(*fresh, OLESTR("Delete"), CallKind::Method).hr, S_OK);
    ExpectMovedOrDeleted(InvokeForOutcome(*fresh, OLESTR("Save"), CallKind::Method));
    Object items = outlook.Items(GetParam().folderNumber);
    EXPECT_EQ(Walk(*items), std::vector<std::string>{"kept"});
}

TEST_P(ItemDeleteTest, AnotherSessionOnTheProfileSeesTheDeletion)
{
    const std::vector<std::string> ids = AddItems({"first", "second", "third"});
    olsim::ProfileSession other(std::getenv("OLSIM_PROFILE"));
    ASSERT_EQ(other.Listing(GetParam().kind).size(), 3u);

    Object first = ItemAt(1);
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(InvokeForOutcome(*first, OLESTR("Delete"), CallKind::Method).hr, S_OK);
    EXPECT_EQ(other.Listing(GetParam().kind).size(), 2u);
    EXPECT_FALSE(other.LoadByEntryId(ids[0]).has_value());

    // And the other way round, in the middle of a walk that already passed the first item.
    Object items = outlook.Items(GetParam().folderNumber);
    Object walked = CallForObject(*items, OLESTR("GetFirst"));
    ASSERT_NE(walked, nullptr);
    EXPECT_EQ(GetText(*walked, GetParam().textProperty), "second");
    other.Delete(*other.LoadByEntryId(ids[2]));
    platform::VariantHolder next;
    ASSERT_EQ(CallMethod(*items, OLESTR("GetNext"), {}, next), S_OK);
    EXPECT_EQ(next->vt, VT_DISPATCH);
    EXPECT_EQ(next->pdispVal, nullptr) << "the walk passes over the item deleted meanwhile";
    EXPECT_EQ(GetNumber(*items, OLESTR("Count")), 1);
    EXPECT_EQ(GetItemFromId(ids[2]).hr, DISP_E_EXCEPTION);

    // An object this process opened before learns of it when it saves or deletes.
    Object secondAgain = ItemAt(1);
    ASSERT_NE(secondAgain, nullptr);
    other.Delete(*other.LoadByEntryId(ids[1]));
    ExpectMovedOrDeleted(InvokeForOutcome(*secondAgain, OLESTR("Delete"), CallKind::Method));
    ExpectMovedOrDeleted(InvokeForOutcome(*walked, OLESTR("Save"), CallKind::Method));
    EXPECT_EQ(GetNumber(*items, OLESTR("Count")), 0);
}

TEST_P(ItemDeleteTest, TheToolsListingLeavesTheDeletedItemOut)
{
    const std::vector<std::string> ids = AddItems({"stays", "goes"});
    Object goes = ItemAt(2);
    ASSERT_NE(goes, nullptr);
    ASSERT_EQ(InvokeForOutcome(*goes, OLESTR("Delete"), CallKind::Method).hr, S_OK);

    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(olsim::RunTool(std::vector<std::string>{"list", GetParam().listName, "--format", "json"}, out, err), 0)
        << err.str();
    const std::string listing = out.str();
    EXPECT_NE(listing.find(ids[0]), std::string::npos) << listing;
    EXPECT_NE(listing.find("\"stays\""), std::string::npos) << listing;
    EXPECT_EQ(listing.find(ids[1]), std::string::npos) << listing;
    EXPECT_EQ(listing.find("goes"), std::string::npos) << listing;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ItemDeleteTest, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.listName); });

}  // namespace
}  // namespace olsim_test
