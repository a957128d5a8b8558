// NameSpace.GetItemFromID: any item of the four folders by its EntryID, with or without the
// store's id, and the ids it does not find.
#include "SimulatedOutlook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace olsim_test {
namespace {

constexpr SCODE kNotFound = static_cast<SCODE>(0x8004010F);

platform::OleString Wide(const std::string& text) { return platform::OleString(text.begin(), text.end()); }

Object ItemFromId(SimulatedOutlook& outlook, const std::string& entryId, const std::string* storeId = nullptr)
{
    const platform::OleString wideId = Wide(entryId);
    const Arg id(wideId.c_str());
    if (!storeId)
        return CallForObject(outlook.NameSpace(), OLESTR("GetItemFromID"), {&id});
    const platform::OleString wideStore = Wide(*storeId);
    const Arg store(wideStore.c_str());
    return CallForObject(outlook.NameSpace(), OLESTR("GetItemFromID"), {&id, &store});
}

TEST(ItemFromIdTest, FindsTheItemOfEveryFolderWithOrWithoutTheStore)
{
    SimulatedOutlook outlook;
    const struct {
        int folderNumber;
        int itemType;
        const OLECHAR* textProperty;
        const char* text;
    } items[] = {
        {kContactsFolder, kContactItem, OLESTR("LastName"), "Okafor"},
        {kCalendarFolder, kAppointmentItem, OLESTR("Subject"), "Review"},
        {kTasksFolder, kTaskItem, OLESTR("Subject"), "Renew passport"},
        {kNotesFolder, kNoteItem, OLESTR("Body"), "Buy stamps"},
    };
    const std::string storeId = GetText(*outlook.Folder(kContactsFolder), OLESTR("StoreID"));
    for (const auto& c : items) {
        SCOPED_TRACE(c.text);
        // A neighbour in the same folder, so that a lookup by position would be caught.
        outlook.AddSaved(c.folderNumber, c.itemType, {{c.textProperty, "neighbour"}});
        Object saved = outlook.AddSaved(c.folderNumber, c.itemType, {{c.textProperty, c.text}});
        ASSERT_NE(saved, nullptr);
        const std::string entryId = GetText(*saved, OLESTR("EntryID"));
        std::string lowerCase = entryId;
        std::transform(lowerCase.begin(), lowerCase.end(), lowerCase.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });

        for (const auto& [id, store] : {std::pair{entryId, static_cast<const std::string*>(nullptr)},
                                        std::pair{entryId, &storeId}, std::pair{lowerCase, &storeId}}) {
            Object found = ItemFromId(outlook, id, store);
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(GetText(*found, OLESTR("EntryID")), entryId);
            EXPECT_EQ(GetText(*found, c.textProperty), c.text);
        }

        // Its own copy of the item, which saves like any other.
        Object found = ItemFromId(outlook, entryId);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->PutString(c.textProperty, "changed"), S_OK);
        EXPECT_EQ(GetText(*saved, c.textProperty), c.text);
        EXPECT_EQ(Save(*found), S_OK);
        EXPECT_EQ(GetText(*ItemFromId(outlook, entryId), c.textProperty), "changed");
    }
}

TEST(ItemFromIdTest, IdsItDoesNotFindFailAsOutlooksDo)
{
    SimulatedOutlook outlook;
    Object saved = outlook.AddSaved(kContactsFolder, kContactItem, {{OLESTR("LastName"), "Here"}});
    ASSERT_NE(saved, nullptr);
    const std::string entryId = GetText(*saved, OLESTR("EntryID"));
    ASSERT_EQ(entryId.size(), 48u);
    const std::string storeId = GetText(*outlook.Folder(kContactsFolder), OLESTR("StoreID"));
    std::string otherStore = entryId;
    otherStore[8] = otherStore[8] == 'F' ? 'E' : 'F';
    std::string otherStoreId = storeId;
    otherStoreId.back() = otherStoreId.back() == '0' ? '1' : '0';

    const struct {
        const char* label;
        std::string entryId;
        std::string storeId;  // empty: not given
    } misses[] = {
        {"empty", "", ""},
        {"unknown item number", entryId.substr(0, 40) + "7FFFFFFF", ""},
        {"another store's item", otherStore, ""},
        {"one digit short", entryId.substr(1), ""},
        {"one digit more", entryId + "0", ""},
        {"not hexadecimal", entryId.substr(0, 47) + "G", ""},
        {"a sign in the number", entryId.substr(0, 40) + "-0000001", ""},
        {"flags that are not zero", "1" + entryId.substr(1), ""},
        {"the right item in another store", entryId, otherStoreId},
        {"the store's id instead of the item's", storeId, ""},
    };
    for (const auto& miss : misses) {
        SCOPED_TRACE(miss.label);
        const platform::OleString wideId = Wide(miss.entryId);
        const platform::OleString wideStore = Wide(miss.storeId);
        const Arg id(wideId.c_str());
        const Arg store(wideStore.c_str());
        const CallOutcome outcome =
            miss.storeId.empty()
                ? InvokeForOutcome(outlook.NameSpace(), OLESTR("GetItemFromID"), CallKind::Method, {&id})
                : InvokeForOutcome(outlook.NameSpace(), OLESTR("GetItemFromID"), CallKind::Method, {&id, &store});
        EXPECT_EQ(outcome.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(outcome.scode, kNotFound);
        EXPECT_EQ(outcome.description, "The operation failed. An object could not be found.");
    }
    EXPECT_EQ(InvokeForOutcome(outlook.NameSpace(), OLESTR("GetItemFromID"), CallKind::Method).hr,
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(outlook.Count(kContactsFolder), 1);
}

}  // namespace
}  // namespace olsim_test
