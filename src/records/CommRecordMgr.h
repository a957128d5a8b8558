// What the four record managers share: the owned list of records with their native
// images, and the duplicate test through an index that follows every change of the list.
#pragma once

#include "common/misc/CxList.h"
#include "common/misc/CxMemory.h"
#include "records/CommFieldText.h"
#include "records/CommMatchIndex.h"

#include <cstring>
#include <memory>
#include <span>
#include <vector>

// Whether FindMatch leaves *ppFound alone or clears it when nothing is identical or the
// same.
enum class CommFoundOnNoMatch { Unchanged, Cleared };

template <typename Rec>
class CommRecordMgr {
public:
    CommRecordMgr(const CommRecordMgr&) = delete;
    CommRecordMgr& operator=(const CommRecordMgr&) = delete;

    // Stores a copy of pRec and of its native image at the end; the copy, or null when pRec
    // is null or memory runs out. A stored record without image has pNative null and
    // nNativeSize 0.
    Rec* AddRecord(const Rec* pRec)
    {
        if (pRec == nullptr)
            return nullptr;
        auto* pCopy = static_cast<Rec*>(CxAlloc(sizeof(Rec)));
        if (pCopy == nullptr)
            return nullptr;
        std::memcpy(static_cast<void*>(pCopy), pRec, sizeof(Rec));
        pCopy->pNative = nullptr;
        pCopy->nNativeSize = 0;
        if (HasImage(*pRec)) {
            pCopy->pNative = CxAlloc(pRec->nNativeSize);
            if (pCopy->pNative != nullptr) {
                std::memcpy(pCopy->pNative, pRec->pNative, pRec->nNativeSize);
                pCopy->nNativeSize = pRec->nNativeSize;
            }
        }
        if (!m_index.Append(pCopy)) {
            FreeRecord(pCopy);
            return nullptr;
        }
        if (!m_pList->Add(pCopy)) {
            m_index.RemoveLast();
            FreeRecord(pCopy);
            return nullptr;
        }
        return pCopy;
    }

    // Frees every stored record with its image; the manager is empty afterwards.
    void FreeAll()
    {
        for (Rec* pRec = GetFirst(); pRec != nullptr; pRec = GetNext())
            FreeRecord(pRec);
        m_pList->RemoveAll(false);
        m_index.Clear();
    }

    // The stored records in the order they were added; the walk shares the list's cursor.
    Rec* GetFirst() { return static_cast<Rec*>(m_pList->GetFirst()); }
    Rec* GetNext() { return static_cast<Rec*>(m_pList->GetNext()); }

    // The duplicate test. kMatchIdentical with the record and its 0-based position when
    // pRec itself or a record equal in key and compare fields is stored (the first in list
    // order); kMatchSameKey with the last stored record of equal key and its position;
    // kMatchNone with the number of stored records as position; kMatchNoRecord for a null
    // pRec, outputs untouched. A record whose text keys are all empty is never the same as
    // another unless identical: otherwise every such record would be written over the
    // first one. The list's cursor stays where it was.
    int FindMatch(const Rec* pRec, Rec** ppFound, int* pnIndex)
    {
        if (pRec == nullptr)
            return kMatchNoRecord;
        if (m_foundOnNoMatch == CommFoundOnNoMatch::Cleared && ppFound != nullptr)
            *ppFound = nullptr;
        const CommMatch match = m_index.Find(pRec);
        if (match.nCode != kMatchNone && ppFound != nullptr)
            *ppFound = static_cast<Rec*>(m_index.At(match.nPosition));
        if (pnIndex != nullptr)
            *pnIndex = static_cast<int>(match.nPosition);
        return match.nCode;
    }

    // What the duplicate test would answer for each of incoming, in order, if each were then
    // saved as the conversion run saves it: a record with no match is added, so later ones
    // match it; a record of the same key is written over the one it matches, so later ones
    // meet its new content. pMatched is the record matched (a stored one or an earlier one of
    // incoming). Nothing stored changes. A record the index has no memory for is answered
    // kMatchNoRecord.
    struct Preview {
        CommMatch match;
        const Rec* pMatched;
    };
    std::vector<Preview> PreviewMatches(std::span<Rec* const> incoming) const
    {
        return PreviewWith(m_index, incoming);
    }

    // The key group of a record: records of different groups never match each other, so a
    // change among one group's records changes only their previews.
    std::uint64_t KeyGroup(const Rec* pRec) const { return m_index.GroupOf(pRec); }
    // PreviewMatches' answers for incoming records that are all of group nGroup, worked out
    // against the stored records of that group alone.
    std::vector<Preview> PreviewGroup(std::uint64_t nGroup, std::span<Rec* const> incoming) const
    {
        return PreviewWith(m_index.Group(nGroup), incoming);
    }

    // Writes pRec over the stored record at the 0-based position, which keeps its own
    // native image. False, nothing changed, for a null pRec, a position with no record or
    // exhausted memory. Overwriting a stored record any other way leaves the duplicate
    // test looking for it under its old key.
    bool ReplaceRecord(int nIndex, const Rec* pRec)
    {
        if (pRec == nullptr)
            return false;
        return EditStoredRecord(nIndex, [pRec](Rec& stored) {
            void* const pNative = stored.pNative;
            const auto nNativeSize = stored.nNativeSize;
            std::memcpy(static_cast<void*>(&stored), pRec, sizeof(Rec));
            stored.pNative = pNative;
            stored.nNativeSize = nNativeSize;
        });
    }

protected:
    // Files the incoming records one after the other into the copy of an index, as the run
    // would store them.
    static std::vector<Preview> PreviewWith(CommMatchIndex index, std::span<Rec* const> incoming)
    {
        std::vector<Preview> previews;
        previews.reserve(incoming.size());
        for (Rec* const pRec : incoming) {
            Preview preview{pRec != nullptr ? index.Find(pRec) : CommMatch{kMatchNoRecord, 0}, nullptr};
            const int nCode = preview.match.nCode;
            if (nCode == kMatchIdentical || nCode == kMatchSameKey)
                preview.pMatched = static_cast<const Rec*>(index.At(preview.match.nPosition));
            const bool bFiled = nCode == kMatchNone       ? index.Append(pRec)
                                : nCode == kMatchSameKey ? index.Substitute(preview.match.nPosition, pRec)
                                                         : true;
            if (!bFiled)
                preview = {{kMatchNoRecord, 0}, nullptr};
            previews.push_back(preview);
        }
        return previews;
    }

    CommRecordMgr(const CommKindFields& kind, std::span<const LONG> keyFields, std::span<const LONG> compareFields,
                  CommFoundOnNoMatch foundOnNoMatch)
        : m_pList(std::make_unique<CxList>()),
          m_index(ResolveRows(kind, keyFields), ResolveRows(kind, compareFields)),
          m_foundOnNoMatch(foundOnNoMatch)
    {
    }

    ~CommRecordMgr() { FreeAll(); }

    // Applies edit(Rec&) to a copy of the stored record at the 0-based position, files the
    // result for the duplicate test and stores it. False, nothing changed, for a position
    // with no record or exhausted memory.
    template <typename Edit>
    bool EditStoredRecord(int nIndex, Edit edit)
    {
        Rec* const pStored = StoredRecordAt(nIndex);
        if (pStored == nullptr)
            return false;
        const std::unique_ptr<Rec, CxFreeDeleter> pEdited(static_cast<Rec*>(CxAlloc(sizeof(Rec))));
        if (!pEdited)
            return false;
        std::memcpy(static_cast<void*>(pEdited.get()), pStored, sizeof(Rec));
        edit(*pEdited);
        if (!m_index.Refile(static_cast<std::size_t>(nIndex), pEdited.get()))
            return false;
        std::memcpy(static_cast<void*>(pStored), pEdited.get(), sizeof(Rec));
        return true;
    }

    // Files records under hash from now on, so tests can make keys collide; false, nothing
    // changed, while records are stored.
    bool UseKeyHash(CommKeyHash hash) { return m_index.UseHash(hash); }

private:
    static bool HasImage(const Rec& rec) { return rec.pNative != nullptr && rec.nNativeSize != 0; }

    static void FreeRecord(Rec* pRec)
    {
        CxFree(pRec->pNative);
        CxFree(pRec);
    }

    static std::vector<const CommFieldRow*> ResolveRows(const CommKindFields& kind, std::span<const LONG> ids)
    {
        std::vector<const CommFieldRow*> rows;
        for (const LONG nId : ids) {
            if (const CommFieldRow* row = CommFindFieldRow(kind.rows, nId))
                rows.push_back(row);
        }
        return rows;
    }

    // The stored record at the 0-based position, or null when there is none.
    Rec* StoredRecordAt(int nIndex) const
    {
        return nIndex < 0 ? nullptr : static_cast<Rec*>(m_index.At(static_cast<std::size_t>(nIndex)));
    }

    std::unique_ptr<CxList> m_pList;
    // Every stored record by position, filed for the duplicate test.
    CommMatchIndex m_index;
    CommFoundOnNoMatch m_foundOnNoMatch;
};
