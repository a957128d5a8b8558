#include "olsim/ProfileSession.h"

#include "olsim/EntryIds.h"

#include <algorithm>
#include <map>

namespace olsim {

ProfileSession::ProfileSession(const std::string& path)
    : m_store(path), m_outlookVersion(m_store.OutlookVersion()), m_dataVersion(m_store.DataVersion())
{
}

std::shared_ptr<ProfileSession> ProfileSession::Open(const std::string& path)
{
    static std::map<std::string, std::weak_ptr<ProfileSession>> open;
    if (auto session = open[path].lock())
        return session;
    auto session = std::make_shared<ProfileSession>(path);
    open[path] = session;
    return session;
}

const std::vector<std::int64_t>& ProfileSession::Listing(ItemKind kind)
{
    if (const std::int64_t dataVersion = m_store.DataVersion(); dataVersion != m_dataVersion) {
        m_dataVersion = dataVersion;
        for (auto& stale : m_listings)
            stale.reset();
    }
    auto& listing = m_listings[static_cast<std::size_t>(kind)];
    if (!listing)
        listing = m_store.ListFolder(kind);
    return *listing;
}

const std::vector<std::int64_t>& ProfileSession::WalkListing(ItemKind kind)
{
    const auto& listing = m_listings[static_cast<std::size_t>(kind)];
    return listing ? *listing : Listing(kind);
}

void ProfileSession::Save(ItemData& item)
{
    const bool isNew = item.id == 0;
    m_store.Save(item);
    auto& listing = m_listings[static_cast<std::size_t>(item.kind)];
    if (isNew && listing)
        listing->push_back(item.id);
}

std::optional<ItemData> ProfileSession::LoadByEntryId(std::string_view entryId)
{
    const auto id = ItemNumberOfEntryId(entryId, m_store.StoreUid());
    if (!id)
        return std::nullopt;
    const auto kind = m_store.KindOf(*id);
    if (!kind)
        return std::nullopt;
    return m_store.Load(*kind, *id);
}

void ProfileSession::Delete(const ItemData& item)
{
    m_store.Delete(item.kind, item.id);
    m_deleted.insert(item.id);
    // This session's own commit leaves the data version as it was, so the listing is
    // mended here rather than read again.
    if (auto& listing = m_listings[static_cast<std::size_t>(item.kind)]) {
        if (const auto found = std::lower_bound(listing->begin(), listing->end(), item.id);
            found != listing->end() && *found == item.id)
            listing->erase(found);
    }
}

}  // namespace olsim
