#include "records/CommMatchIndex.h"

#include "records/CommFieldMatch.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <new>
#include <optional>
#include <utility>

namespace {

std::uint64_t CombineHashes(std::uint64_t nFirst, std::uint64_t nSecond)
{
    return nFirst ^ (nSecond + 0x9e3779b97f4a7c15ULL + (nFirst << 6) + (nFirst >> 2));
}

}  // namespace

std::uint64_t CommDefaultKeyHash(std::string_view text)
{
    return std::hash<std::string_view>{}(text);
}

CommMatchIndex::CommMatchIndex(std::vector<const CommFieldRow*> keyRows, std::vector<const CommFieldRow*> compareRows)
    : m_keyRows(std::move(keyRows)), m_compareRows(std::move(compareRows))
{
}

bool CommMatchIndex::UseHash(CommKeyHash hash)
{
    if (!m_slots.empty() || hash == nullptr)
        return false;
    m_hash = hash;
    return true;
}

bool CommMatchIndex::Append(void* pRec)
{
    if (m_slots.size() >= std::numeric_limits<std::uint32_t>::max())
        return false;
    const auto nPosition = static_cast<std::uint32_t>(m_slots.size());
    std::uint64_t nHash = 0;
    try {
        nHash = FilingHash(pRec, CommTextKeysEmpty(m_keyRows, pRec), m_storedKey, m_contentKey);
        m_slots.push_back({pRec, nHash});
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!FileUnder(nHash, nPosition)) {
        m_slots.pop_back();
        return false;
    }
    return true;
}

void CommMatchIndex::RemoveLast()
{
    if (m_slots.empty())
        return;
    Unfile(m_slots.back().nHash, static_cast<std::uint32_t>(m_slots.size() - 1));
    m_slots.pop_back();
}

bool CommMatchIndex::Refile(std::size_t nPosition, const void* pNewContent)
{
    if (nPosition >= m_slots.size() || pNewContent == nullptr)
        return false;
    std::uint64_t nHash = 0;
    try {
        nHash = FilingHash(pNewContent, CommTextKeysEmpty(m_keyRows, pNewContent), m_storedKey, m_contentKey);
    } catch (const std::bad_alloc&) {
        return false;
    }
    Slot& slot = m_slots[nPosition];
    if (nHash == slot.nHash)
        return true;
    const auto nFiledPosition = static_cast<std::uint32_t>(nPosition);
    if (!FileUnder(nHash, nFiledPosition))
        return false;
    Unfile(slot.nHash, nFiledPosition);
    slot.nHash = nHash;
    return true;
}

bool CommMatchIndex::Substitute(std::size_t nPosition, void* pRec)
{
    if (!Refile(nPosition, pRec))
        return false;
    m_slots[nPosition].pRec = pRec;
    return true;
}

void CommMatchIndex::Clear()
{
    m_slots = {};
    m_buckets = {};
}

void* CommMatchIndex::At(std::size_t nPosition) const
{
    return nPosition < m_slots.size() ? m_slots[nPosition].pRec : nullptr;
}

CommMatch CommMatchIndex::Find(const void* pRec)
{
    const bool bEmptyKey = CommTextKeysEmpty(m_keyRows, pRec);
    const auto bucket = m_buckets.find(FilingHash(pRec, bEmptyKey, m_incomingKey, m_contentKey));
    if (bucket == m_buckets.end())
        return {kMatchNone, m_slots.size()};

    std::optional<std::size_t> lastKeyMatch;
    for (const std::uint32_t nPosition : bucket->second) {
        const void* pStored = m_slots[nPosition].pRec;
        if (pStored == pRec)
            return {kMatchIdentical, nPosition};
        if (m_keyRows.empty())
            continue;
        // Other keys share a bucket only when their hashes collide.
        CommMakeMatchKey(m_keyRows, pStored, m_storedKey);
        if (m_storedKey != m_incomingKey)
            continue;
        if (CommFieldsEqual(m_compareRows, pStored, pRec))
            return {kMatchIdentical, nPosition};
        if (!bEmptyKey)
            lastKeyMatch = nPosition;
    }
    if (lastKeyMatch)
        return {kMatchSameKey, *lastKeyMatch};
    return {kMatchNone, m_slots.size()};
}

std::uint64_t CommMatchIndex::GroupOf(const void* pRec) const
{
    std::string key;
    std::string content;
    return FilingHash(pRec, CommTextKeysEmpty(m_keyRows, pRec), key, content);
}

CommMatchIndex CommMatchIndex::Group(std::uint64_t nHash) const
{
    CommMatchIndex group(m_keyRows, m_compareRows);
    group.m_hash = m_hash;
    const auto bucket = m_buckets.find(nHash);
    if (bucket == m_buckets.end())
        return group;
    Positions& positions = group.m_buckets[nHash];
    for (const std::uint32_t nPosition : bucket->second) {
        positions.push_back(static_cast<std::uint32_t>(group.m_slots.size()));
        group.m_slots.push_back(m_slots[nPosition]);
    }
    return group;
}

std::uint64_t CommMatchIndex::FilingHash(const void* pRec, bool bEmptyKey, std::string& key, std::string& content) const
{
    CommMakeMatchKey(m_keyRows, pRec, key);
    const std::uint64_t nKeyHash = m_hash(key);
    if (!bEmptyKey)
        return nKeyHash;
    // A record without key text only ever matches an identical one, so filing such
    // records by their compared content as well keeps them from piling up in one bucket.
    CommMakeMatchKey(m_compareRows, pRec, content);
    return CombineHashes(nKeyHash, m_hash(content));
}

bool CommMatchIndex::FileUnder(std::uint64_t nHash, std::uint32_t nPosition)
{
    Positions* pPositions = nullptr;
    try {
        pPositions = &m_buckets[nHash];
        pPositions->insert(std::lower_bound(pPositions->begin(), pPositions->end(), nPosition), nPosition);
    } catch (const std::bad_alloc&) {
        // A bucket made for this position alone goes again.
        if (pPositions != nullptr && pPositions->empty())
            m_buckets.erase(nHash);
        return false;
    }
    return true;
}

void CommMatchIndex::Unfile(std::uint64_t nHash, std::uint32_t nPosition)
{
    const auto bucket = m_buckets.find(nHash);
    if (bucket == m_buckets.end())
        return;
    Positions& positions = bucket->second;
    const auto it = std::lower_bound(positions.begin(), positions.end(), nPosition);
    if (it != positions.end() && *it == nPosition)
        positions.erase(it);
    if (positions.empty())
        m_buckets.erase(bucket);
}
