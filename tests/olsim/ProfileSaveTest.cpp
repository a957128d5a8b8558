// Saving an item that is already in the profile writes only what differs from the stored
// rows. Whatever was set, cleared, added or removed in between, a fresh connection must read
// back exactly the item as it was saved, and the saver's whole item wins over a change that
// another connection made after the saver had loaded it.
#include "olsim/GeneratedItems.h"
#include "olsim/ItemRules.h"
#include "olsim/ProfileStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using olsim::ItemData;
using olsim::ItemKind;
using olsim::ProfileStore;

void ExpectStoredAsSaved(const ItemData& loaded, const ItemData& saved, int round)
{
    EXPECT_EQ(loaded.values, saved.values) << "item " << saved.id << ", round " << round;
    EXPECT_EQ(loaded.userProperties, saved.userProperties) << "item " << saved.id << ", round " << round;
    EXPECT_EQ(loaded.recurrence, saved.recurrence) << "item " << saved.id << ", round " << round;
}

// Changes about a quarter of the item's properties (a value of another item of the kind, or
// none), and now and then its user properties and its pattern.
class ItemMutator {
public:
    ItemMutator(ItemKind kind, std::uint32_t seed) : m_donors(kind, seed), m_random(seed) {}

    void Mutate(ItemData& item)
    {
        const ItemData donor = m_donors.Next();
        for (std::size_t row = 0; row < item.values.size(); ++row) {
            if (Below(4) != 0)
                continue;
            item.values[row] = Below(3) == 0 ? olsim::PropertyValue{} : donor.values[row];
        }
        switch (Below(4)) {
        case 0:
            item.userProperties = donor.userProperties;
            break;
        case 1:
            item.userProperties.push_back({"Extra " + std::to_string(m_next++), 1, olsim::TextValue("added")});
            break;
        case 2:
            if (!item.userProperties.empty())
                item.userProperties.erase(item.userProperties.begin());
            break;
        default:
            break;
        }
        if (Below(3) == 0)
            item.recurrence = donor.recurrence;
        else if (item.recurrence && Below(2) == 0)
            item.recurrence->interval += 1;
    }

private:
    std::uint32_t Below(std::uint32_t count) { return m_random() % count; }

    olsim::ItemGenerator m_donors;
    std::mt19937 m_random;
    int m_next = 0;
};

TEST(ProfileSave, EveryChangeOfASavedItemReadsBackExactly)
{
    for (const ItemKind kind : olsim::kAllItemKinds) {
        testing_support::TempDir folder;
        const std::string path = folder.file("profile.sqlite");
        ProfileStore store(path);
        olsim::ItemGenerator made(kind, 3);
        std::vector<ItemData> items;
        for (int i = 0; i < 30; ++i) {
            items.push_back(made.Next());
            store.Save(items.back());
        }
        ItemMutator mutator(kind, 11);
        for (int round = 1; round <= 5; ++round) {
            for (ItemData& item : items) {
                mutator.Mutate(item);
                store.Save(item);
            }
            ProfileStore reader(path);
            for (const ItemData& item : items)
                ExpectStoredAsSaved(reader.Load(kind, item.id), item, round);
        }
    }
}

TEST(ProfileSave, AnItemClearedOfEverythingReadsBackEmpty)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("profile.sqlite");
    ProfileStore store(path);
    ItemData item = olsim::ItemGenerator(ItemKind::Appointment, 5).Next();
    item.userProperties.push_back({"Mood", 1, olsim::TextValue("fine")});
    item.recurrence = olsim::RecurrenceData{};
    store.Save(item);

    for (olsim::PropertyValue& value : item.values)
        value = {};
    item.userProperties.clear();
    item.recurrence.reset();
    store.Save(item);
    ExpectStoredAsSaved(ProfileStore(path).Load(ItemKind::Appointment, item.id), item, 1);
}

TEST(ProfileSave, TheSaversWholeItemWinsOverAChangeMadeSinceItWasLoaded)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("profile.sqlite");
    ProfileStore store(path);
    ItemData original = olsim::ItemGenerator(ItemKind::Contact, 9).Next();
    store.Save(original);

    ItemData mine = store.Load(ItemKind::Contact, original.id);
    {
        ProfileStore other(path);
        ItemData theirs = other.Load(ItemKind::Contact, original.id);
        olsim::PutProperty(theirs, olsim::FindProperty(ItemKind::Contact, "CompanyName"),
                           olsim::TextValue("Theirs Ltd."));
        theirs.userProperties.push_back({"Theirs", 1, olsim::TextValue("yes")});
        other.Save(theirs);
    }
    olsim::PutProperty(mine, olsim::FindProperty(ItemKind::Contact, "JobTitle"), olsim::TextValue("Mine"));
    store.Save(mine);

    ExpectStoredAsSaved(ProfileStore(path).Load(ItemKind::Contact, original.id), mine, 1);
}

}  // namespace
