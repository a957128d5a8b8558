// Walking a folder reads its items ahead in runs. What a walk hands out must still be what
// the profile holds at that moment: changes made through this store or by another
// connection in between are seen, and every property, user property and pattern arrives
// with its own item even when the folders' items are interleaved.
#include "olsim/GeneratedItems.h"
#include "olsim/ItemRules.h"
#include "olsim/ProfileStore.h"
#include "olsim/StoreError.h"
#include "olsim/ValueText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using olsim::ItemData;
using olsim::ItemKind;
using olsim::ProfileStore;

std::string Text(const ItemData& item, const char* property) { return olsim::AsText(olsim::GetProperty(item, property)); }

void Put(ItemData& item, const char* property, const char* text)
{
    const int row = olsim::FindProperty(item.kind, property);
    ASSERT_GE(row, 0);
    const auto value = olsim::ParseValue(olsim::Info(item.kind).properties[static_cast<std::size_t>(row)].type, text);
    ASSERT_TRUE(value);
    ASSERT_EQ(olsim::PutProperty(item, row, *value), olsim::PutOutcome::Done);
}

// A profile whose contacts and tasks were saved in turn, so that their ids interleave.
struct MixedProfile {
    MixedProfile() : path(folder.file("profile.sqlite"))
    {
        ProfileStore store(path);
        olsim::ItemGenerator contactsMade(ItemKind::Contact);
        olsim::ItemGenerator tasksMade(ItemKind::Task);
        for (int i = 0; i < kEach; ++i) {
            contacts.push_back(contactsMade.Next());
            store.Save(contacts.back());
            tasks.push_back(tasksMade.Next());
            store.Save(tasks.back());
        }
    }

    static constexpr int kEach = 40;
    testing_support::TempDir folder;
    std::string path;
    std::vector<ItemData> contacts;
    std::vector<ItemData> tasks;
};

void ExpectSameItem(const ItemData& loaded, const ItemData& saved)
{
    EXPECT_EQ(loaded.id, saved.id);
    EXPECT_EQ(loaded.values, saved.values) << "item " << saved.id;
    ASSERT_EQ(loaded.userProperties.size(), saved.userProperties.size()) << "item " << saved.id;
    for (std::size_t i = 0; i < saved.userProperties.size(); ++i) {
        EXPECT_EQ(loaded.userProperties[i].name, saved.userProperties[i].name);
        EXPECT_EQ(loaded.userProperties[i].value, saved.userProperties[i].value);
    }
    EXPECT_EQ(loaded.recurrence.has_value(), saved.recurrence.has_value()) << "item " << saved.id;
}

TEST(ProfileReadAhead, AWalkGivesEveryItemOfItsFolderWholeAmongInterleavedOnes)
{
    MixedProfile profile;
    ProfileStore store(profile.path);
    for (const auto* items : {&profile.contacts, &profile.tasks}) {
        const ItemKind kind = items->front().kind;
        const std::vector<std::int64_t> ids = store.ListFolder(kind);
        ASSERT_EQ(ids.size(), items->size());
        for (std::size_t i = 0; i < ids.size(); ++i)
            ExpectSameItem(store.Load(kind, ids[i]), (*items)[i]);
    }
}

TEST(ProfileReadAhead, ChangesDuringAWalkAreSeenWhoeverMadeThem)
{
    struct Case {
        const char* name;
        bool otherConnection;
    };
    const Case cases[] = {{"this store", false}, {"another connection", true}};
    for (const Case& c : cases) {
        MixedProfile profile;
        ProfileStore store(profile.path);
        const std::vector<std::int64_t> ids = store.ListFolder(ItemKind::Contact);
        // Far enough into the walk that the items ahead were read in a run.
        for (int i = 0; i < 10; ++i)
            store.Load(ItemKind::Contact, ids[static_cast<std::size_t>(i)]);

        ItemData changed = profile.contacts[12];
        Put(changed, "CompanyName", "Changed Inc.");
        if (c.otherConnection) {
            ProfileStore other(profile.path);
            other.Save(changed);
        } else {
            store.Save(changed);
        }
        EXPECT_EQ(Text(store.Load(ItemKind::Contact, ids[10]), "CompanyName"), Text(profile.contacts[10], "CompanyName"))
            << c.name;
        EXPECT_EQ(Text(store.Load(ItemKind::Contact, ids[12]), "CompanyName"), "Changed Inc.") << c.name;
    }
}

TEST(ProfileReadAhead, AnItemDeletedByAnotherConnectionDuringAWalkIsGone)
{
    MixedProfile profile;
    ProfileStore store(profile.path);
    const std::vector<std::int64_t> ids = store.ListFolder(ItemKind::Task);
    for (int i = 0; i < 10; ++i)
        store.Load(ItemKind::Task, ids[static_cast<std::size_t>(i)]);
    {
        ProfileStore other(profile.path);
        other.Clear(ItemKind::Task);
    }
    EXPECT_THROW(store.Load(ItemKind::Task, ids[10]), olsim::StoreError);
}

TEST(ProfileReadAhead, AnItemOfAnotherFolderIsNotFoundInThisOne)
{
    MixedProfile profile;
    ProfileStore store(profile.path);
    const std::vector<std::int64_t> contactIds = store.ListFolder(ItemKind::Contact);
    for (int i = 0; i < 5; ++i)
        store.Load(ItemKind::Contact, contactIds[static_cast<std::size_t>(i)]);
    // The task saved right after the fifth contact lies inside the contacts' id range.
    EXPECT_THROW(store.Load(ItemKind::Contact, profile.tasks[5].id), olsim::StoreError);
}

}  // namespace
