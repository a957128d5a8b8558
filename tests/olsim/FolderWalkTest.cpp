// Folders, their Items walk and positions, and what saving does to an item's place.
#include "SimulatedOutlook.h"

#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <set>
#include <vector>

namespace olsim_test {
namespace {

struct FolderCase {
    int folderNumber;
    int itemType;
    const char* folderName;
    const OLECHAR* textProperty;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.folderName; }

constexpr FolderCase kFolders[] = {
    {kContactsFolder, kContactItem, "Contacts", OLESTR("LastName")},
    {kCalendarFolder, kAppointmentItem, "Calendar", OLESTR("Subject")},
    {kTasksFolder, kTaskItem, "Tasks", OLESTR("Subject")},
    {kNotesFolder, kNoteItem, "Notes", OLESTR("Body")},
};

class FolderWalkTest : public ::testing::TestWithParam<FolderCase> {};

// The texts of the walk, in the order GetFirst and GetNext hand out the items.
std::vector<std::string> Walk(CDispCmd& items, const OLECHAR* property)
{
    std::vector<std::string> texts;
    platform::VariantHolder current;
    HRESULT hr = CallMethod(items, OLESTR("GetFirst"), {}, current);
    while (hr == S_OK && current->vt == VT_DISPATCH && current->pdispVal) {
        CDispCmd item(current->pdispVal);
        texts.push_back(GetText(item, property));
        hr = CallMethod(items, OLESTR("GetNext"), {}, current);
    }
    EXPECT_EQ(hr, S_OK) << "the walk ends with Nothing, not a failure";
    EXPECT_EQ(current->vt, VT_DISPATCH);
    return texts;
}

std::vector<std::string> ByPosition(CDispCmd& items, const OLECHAR* property)
{
    std::vector<std::string> texts;
    const LONG count = GetNumber(items, OLESTR("Count"));
    for (int position = 1; position <= count; ++position) {
        const Arg index(position);
        if (Object item = CallForObject(items, OLESTR("Item"), {&index}))
            texts.push_back(GetText(*item, property));
    }
    return texts;
}

TEST_P(FolderWalkTest, FolderHasItsNameAndAnEmptyWalk)
{
    SimulatedOutlook outlook;
    Object folder = outlook.Folder(GetParam().folderNumber);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(GetText(*folder, OLESTR("Name")), GetParam().folderName);
    Object items = GetObjectProperty(*folder, OLESTR("Items"));
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(GetNumber(*items, OLESTR("Count")), 0);
    EXPECT_TRUE(Walk(*items, GetParam().textProperty).empty());
}

TEST_P(FolderWalkTest, WalkAndPositionsFollowTheOrderOfFirstSave)
{
    SimulatedOutlook outlook;
    const FolderCase& c = GetParam();
    Object items = outlook.Items(c.folderNumber);
    ASSERT_NE(items, nullptr);
    const Arg type(c.itemType);
    Object first = CallForObject(*items, OLESTR("Add"), {&type});
    Object second = CallForObject(*items, OLESTR("Add"), {&type});
    Object third = CallForObject(*items, OLESTR("Add"), {&type});
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(first->PutString(c.textProperty, "first"), S_OK);
    EXPECT_EQ(second->PutString(c.textProperty, "second"), S_OK);
    EXPECT_EQ(third->PutString(c.textProperty, "third"), S_OK);

    // Saved out of creation order; the unsaved one is not in the folder yet.
    EXPECT_EQ(Save(*second), S_OK);
    EXPECT_EQ(Save(*first), S_OK);
    EXPECT_EQ(GetNumber(*items, OLESTR("Count")), 2);
    EXPECT_EQ(Walk(*items, c.textProperty), (std::vector<std::string>{"second", "first"}));

    EXPECT_EQ(Save(*third), S_OK);
    // Saving again keeps the item's place.
    EXPECT_EQ(second->PutString(c.textProperty, "second again"), S_OK);
    EXPECT_EQ(Save(*second), S_OK);
    const std::vector<std::string> expected{"second again", "first", "third"};
    EXPECT_EQ(Walk(*items, c.textProperty), expected);
    EXPECT_EQ(ByPosition(*items, c.textProperty), expected);
    EXPECT_EQ(outlook.Count(c.folderNumber), 3) << "another Items of the folder sees the same";
}

TEST_P(FolderWalkTest, AddOfAnotherKindFailsAndAddWithoutTypeGivesTheFoldersKind)
{
    SimulatedOutlook outlook;
    Object items = outlook.Items(GetParam().folderNumber);
    ASSERT_NE(items, nullptr);
    for (const FolderCase& other : kFolders) {
        if (other.itemType == GetParam().itemType)
            continue;
        const Arg type(other.itemType);
        platform::VariantHolder result;
        EXPECT_EQ(CallMethod(*items, OLESTR("Add"), {&type}, result), DISP_E_EXCEPTION) << other.itemType;
    }
    Object item = CallForObject(*items, OLESTR("Add"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->PutString(GetParam().textProperty, "untyped"), S_OK);
    EXPECT_EQ(Save(*item), S_OK);
    EXPECT_EQ(Walk(*items, GetParam().textProperty), std::vector<std::string>{"untyped"});
}

INSTANTIATE_TEST_SUITE_P(EachFolder, FolderWalkTest, ::testing::ValuesIn(kFolders),
                         [](const auto& info) { return std::string(info.param.folderName); });

TEST(FolderTest, StoreIdIsOneLongUpperCaseHexTextForAllFolders)
{
    SimulatedOutlook outlook;
    std::set<std::string> storeIds;
    for (const FolderCase& c : kFolders) {
        Object folder = outlook.Folder(c.folderNumber);
        ASSERT_NE(folder, nullptr);
        storeIds.insert(GetText(*folder, OLESTR("StoreID")));
    }
    ASSERT_EQ(storeIds.size(), 1u);
    const std::string& storeId = *storeIds.begin();
    EXPECT_GT(storeId.size(), 200u);
    EXPECT_TRUE(std::regex_match(storeId, std::regex("0000000038A1BB1005E5101AA1BB08002B2A56C2[0-9A-F]+")))
        << storeId;
}

TEST(FolderTest, OtherFolderNumbersAndNamespacesFail)
{
    SimulatedOutlook outlook;
    for (const int number : {0, 3, 6, 11, 14, -1}) {
        const Arg folderNumber(number);
        platform::VariantHolder result;
        EXPECT_EQ(CallMethod(outlook.NameSpace(), OLESTR("GetDefaultFolder"), {&folderNumber}, result),
                  DISP_E_EXCEPTION)
            << number;
    }
    const Arg other(OLESTR("LDAP"));
    platform::VariantHolder result;
    EXPECT_EQ(CallMethod(outlook.Application(), OLESTR("GetNameSpace"), {&other}, result), DISP_E_EXCEPTION);
}

TEST(ItemsTest, ItemOutOfRangeFailsWithAnException)
{
    SimulatedOutlook outlook;
    outlook.AddSaved(kContactsFolder, kContactItem, {{OLESTR("LastName"), "Only"}});
    Object items = outlook.Items(kContactsFolder);
    ASSERT_NE(items, nullptr);
    for (const int position : {0, 2, -1}) {
        const Arg index(position);
        platform::VariantHolder result;
        EXPECT_EQ(CallMethod(*items, OLESTR("Item"), {&index}, result), DISP_E_EXCEPTION) << position;
    }
    const Arg text(OLESTR("1"));
    platform::VariantHolder result;
    EXPECT_EQ(CallMethod(*items, OLESTR("Item"), {&text}, result), DISP_E_TYPEMISMATCH);
}

TEST(ItemsTest, EntryIdIsEmptyUntilSavedThenUniqueLongUpperCaseHex)
{
    SimulatedOutlook outlook;
    std::set<std::string> entryIds;
    for (int i = 0; i < 3; ++i) {
        Object item = outlook.Add(kNotesFolder, kNoteItem);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->PutString(OLESTR("Body"), "text"), S_OK);
        EXPECT_EQ(GetText(*item, OLESTR("EntryID")), "");
        EXPECT_EQ(Save(*item), S_OK);
        const std::string entryId = GetText(*item, OLESTR("EntryID"));
        EXPECT_TRUE(std::regex_match(entryId, std::regex("00000000[0-9A-F]{40}"))) << entryId;
        entryIds.insert(entryId);
        Object again = outlook.Items(kNotesFolder);
        const Arg last(i + 1);
        Object stored = CallForObject(*again, OLESTR("Item"), {&last});
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(GetText(*stored, OLESTR("EntryID")), entryId);
    }
    EXPECT_EQ(entryIds.size(), 3u);
}

TEST(ItemsTest, EachReferenceIsAFreshObjectWithItsOwnUnsavedChanges)
{
    SimulatedOutlook outlook;
    outlook.AddSaved(kContactsFolder, kContactItem, {{OLESTR("LastName"), "Original"}});
    Object items = outlook.Items(kContactsFolder);
    const Arg first(1);
    Object one = CallForObject(*items, OLESTR("Item"), {&first});
    Object two = CallForObject(*items, OLESTR("Item"), {&first});
    Object walked = CallForObject(*items, OLESTR("GetFirst"));
    ASSERT_TRUE(one && two && walked);
    EXPECT_NE(one->GetDispatch(), two->GetDispatch());

    EXPECT_EQ(one->PutString(OLESTR("LastName"), "Changed"), S_OK);
    EXPECT_EQ(GetText(*two, OLESTR("LastName")), "Original");
    EXPECT_EQ(GetText(*walked, OLESTR("LastName")), "Original");

    EXPECT_EQ(Save(*one), S_OK);
    Object three = CallForObject(*items, OLESTR("Item"), {&first});
    ASSERT_NE(three, nullptr);
    EXPECT_EQ(GetText(*three, OLESTR("LastName")), "Changed");
    EXPECT_EQ(GetText(*two, OLESTR("LastName")), "Original") << "an object keeps what it was given";
}

TEST(ItemsTest, SaveStampsCreationOnceAndModificationEachTime)
{
    SimulatedOutlook outlook;
    Object task = outlook.Add(kTasksFolder, kTaskItem);
    ASSERT_NE(task, nullptr);
    EXPECT_FALSE(GetFlag(*task, OLESTR("Saved")));
    EXPECT_EQ(Save(*task), S_OK);
    EXPECT_TRUE(GetFlag(*task, OLESTR("Saved")));
    const double created = DateOf(2024, 3, 15, 10, 10);
    EXPECT_DOUBLE_EQ(GetDateValue(*task, OLESTR("CreationTime")), created);
    EXPECT_DOUBLE_EQ(GetDateValue(*task, OLESTR("LastModificationTime")), created);

    outlook.Clock().Set(platform::MakeSystemTime(2024, 4, 1, 8, 30));
    EXPECT_EQ(task->PutString(OLESTR("Subject"), "later"), S_OK);
    EXPECT_FALSE(GetFlag(*task, OLESTR("Saved")));
    EXPECT_EQ(Save(*task), S_OK);
    Object stored = CallForObject(*outlook.Items(kTasksFolder), OLESTR("GetFirst"));
    ASSERT_NE(stored, nullptr);
    EXPECT_TRUE(GetFlag(*stored, OLESTR("Saved")));
    EXPECT_DOUBLE_EQ(GetDateValue(*stored, OLESTR("CreationTime")), created);
    EXPECT_DOUBLE_EQ(GetDateValue(*stored, OLESTR("LastModificationTime")), DateOf(2024, 4, 1, 8, 30));
    EXPECT_EQ(outlook.Count(kTasksFolder), 1);
}

}  // namespace
}  // namespace olsim_test
