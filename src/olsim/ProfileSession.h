// One open profile shared by every object of a running simulated Outlook, as real
// Outlook has one session however many times it is asked for. It keeps the order of each
// folder's items in memory, so that walking a folder costs no query per step.
#pragma once

#include "olsim/ProfileStore.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace olsim {

class ProfileSession {
public:
    // Throws StoreError when the profile cannot be opened.
    explicit ProfileSession(const std::string& path);

    // The session of the profile at path: the one already open, or a new one.
    static std::shared_ptr<ProfileSession> Open(const std::string& path);

    const std::string& StoreId() const { return m_store.StoreId(); }
    const std::string& OutlookVersion() const { return m_outlookVersion; }

    // The ids of the folder's saved items, oldest first; read again when another process
    // has changed the profile.
    const std::vector<std::int64_t>& Listing(ItemKind kind);
    // The listing as last read, for the steps of a walk: a walk goes on in the order it
    // started with.
    const std::vector<std::int64_t>& WalkListing(ItemKind kind);
    ItemData Load(ItemKind kind, std::int64_t id) { return m_store.Load(kind, id); }
    // The saved item of any folder whose EntryID this is; none when the profile has no such item.
    std::optional<ItemData> LoadByEntryId(std::string_view entryId);
    // Saves the item; a new one joins the end of its folder.
    void Save(ItemData& item);
    // Removes the saved item from its folder and the profile; throws ItemGoneError when it
    // is no longer there.
    void Delete(const ItemData& item);
    // True once the item has been deleted through this session: its objects are stale.
    bool WasDeleted(std::int64_t id) const { return m_deleted.contains(id); }

private:
    ProfileStore m_store;
    std::string m_outlookVersion;
    std::array<std::optional<std::vector<std::int64_t>>, kAllItemKinds.size()> m_listings;
    std::int64_t m_dataVersion = 0;
    // Ids are never used again (AUTOINCREMENT), so a deleted id stays stale for good.
    std::unordered_set<std::int64_t> m_deleted;
};

}  // namespace olsim
