#include "olsim/ProfileSession.h"

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

}  // namespace olsim
