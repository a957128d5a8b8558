#include "support/BenchProfiles.h"

#include "olsim/GeneratedItems.h"
#include "olsim/ItemRules.h"
#include "olsim/OleDateMath.h"
#include "olsim/ProfileStore.h"
#include "olsim/ValueText.h"

#include <filesystem>
#include <stdexcept>

namespace bench {
namespace {

void RemoveProfile(const std::string& path)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(path + suffix);
}

void ChangeComparedField(olsim::ItemData& item, const BenchKind& kind)
{
    const int row = olsim::FindProperty(item.kind, kind.changedProperty);
    if (row < 0)
        throw std::logic_error("no property " + std::string(kind.changedProperty));
    const olsim::PropertyDef& def = olsim::Info(item.kind).properties[static_cast<std::size_t>(row)];
    const olsim::PropertyValue old = olsim::GetProperty(item, row);
    std::string text(kind.changedText);
    if (kind.change == Change::Append)
        text = olsim::FormatValue(old) + text;
    else if (kind.change == Change::RaiseImportance)
        text = std::to_string((olsim::AsLong(old) + 1) % 3);
    const auto value = olsim::ParseValue(def.type, text);
    if (!value || olsim::PutProperty(item, row, *value) != olsim::PutOutcome::Done)
        throw std::logic_error("cannot change " + std::string(kind.changedProperty));
}

// Saves count items from next into a new profile at path, in one transaction.
template <typename NextItem>
void FillProfile(const std::string& path, std::uint32_t count, NextItem next)
{
    RemoveProfile(path);
    olsim::ProfileStore store(path);
    olsim::ProfileStore::Batch batch(store);
    const double now = olsim::Now();
    for (std::uint32_t i = 0; i < count; ++i) {
        olsim::ItemData item = next(i);
        olsim::StampForSave(item, now);
        batch.Save(item);
    }
    batch.Commit();
}

}  // namespace

void MakeProfile(const std::string& path, const BenchKind& kind, std::uint32_t count, std::uint32_t seed)
{
    olsim::ItemGenerator generator(kind.item, seed);
    FillProfile(path, count, [&](std::uint32_t) { return generator.Next(); });
}

void MakeIncomingProfile(const std::string& path, const BenchKind& kind, std::uint32_t count,
                         std::uint32_t storedSeed, std::uint32_t newSeed)
{
    const std::uint32_t matching = count / 2;
    olsim::ItemGenerator stored(kind.item, storedSeed);
    olsim::ItemGenerator fresh(kind.item, newSeed);
    FillProfile(path, count, [&](std::uint32_t i) {
        if (i >= matching)
            return fresh.Next();
        olsim::ItemData item = stored.Next();
        if (i % 2 == 1)
            ChangeComparedField(item, kind);
        return item;
    });
}

}  // namespace bench
