// The duplicate test through an index. Every stored record is filed under a hash of its
// normalised key, so an incoming record is compared only with the stored records that can
// match it, in list order, and gets the answer a walk over every stored record would give.
#pragma once

#include "records/CommFieldRow.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Result codes of the duplicate test.
enum : int {
    kMatchNoRecord = -1,   // the incoming record is null
    kMatchIdentical = 1,   // the record itself or an identical one is stored
    kMatchNone = 2,        // no stored record has the same key
    kMatchSameKey = 3,     // a stored record has the same key but other content
};

// Hashes a normalised key text.
using CommKeyHash = std::uint64_t (*)(std::string_view text);

// The hash an index uses unless told otherwise.
std::uint64_t CommDefaultKeyHash(std::string_view text);

// What the duplicate test found: kMatchIdentical or kMatchSameKey with the position of the
// stored record, kMatchNone with the number of stored records.
struct CommMatch {
    int nCode;
    std::size_t nPosition;
};

// Holds pointers to records it does not own, by position, with the hash each is filed
// under. A filed record that changes its key or, when its text keys are empty, its
// compared fields must be filed anew with Refile.
class CommMatchIndex {
public:
    CommMatchIndex(std::vector<const CommFieldRow*> keyRows, std::vector<const CommFieldRow*> compareRows);

    // Files records under hash from now on; false, nothing changed, while records are filed.
    bool UseHash(CommKeyHash hash);

    // Files pRec at the next position; false, nothing changed, when memory runs out.
    bool Append(void* pRec);
    // Forgets the record filed last.
    void RemoveLast();
    // Files the record at nPosition for the content pNewContent is about to give it; false,
    // nothing changed, for a position with no record or when memory runs out.
    bool Refile(std::size_t nPosition, const void* pNewContent);
    // Files pRec at nPosition in place of the record there, for a stand-in whose content the
    // stored record is about to take; false, nothing changed, as for Refile.
    bool Substitute(std::size_t nPosition, void* pRec);
    // Forgets every record and gives the memory back.
    void Clear();

    // The record filed at nPosition, or null when there is none.
    void* At(std::size_t nPosition) const;

    // The hash pRec is filed under. Records of different hashes never match each other.
    std::uint64_t GroupOf(const void* pRec) const;
    // An index of the records filed under nHash alone, in their order: for records of that
    // hash it gives the answers this one gives.
    CommMatchIndex Group(std::uint64_t nHash) const;

    // The answer of a walk over the filed records in order: the first that is pRec itself
    // or equal to it in key and compare fields; else the last of equal key, unless pRec's
    // text keys are all empty; else none. pRec must not be null.
    CommMatch Find(const void* pRec);

private:
    struct Slot {
        void* pRec;
        std::uint64_t nHash;
    };
    using Positions = std::vector<std::uint32_t>;

    // The hash pRec is filed under; leaves pRec's normalised key in key (content is a
    // buffer for its compared fields).
    std::uint64_t FilingHash(const void* pRec, bool bEmptyKey, std::string& key, std::string& content) const;
    bool FileUnder(std::uint64_t nHash, std::uint32_t nPosition);
    void Unfile(std::uint64_t nHash, std::uint32_t nPosition);

    std::vector<const CommFieldRow*> m_keyRows;
    std::vector<const CommFieldRow*> m_compareRows;
    CommKeyHash m_hash = &CommDefaultKeyHash;
    std::vector<Slot> m_slots;
    // Positions in ascending order, so candidates are met in list order.
    std::unordered_map<std::uint64_t, Positions> m_buckets;
    // Reused key texts, so a search allocates only while they grow.
    std::string m_incomingKey;
    std::string m_storedKey;
    std::string m_contentKey;
};
