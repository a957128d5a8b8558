// What an import does with one CSV record: the road the adapter's save takes is the one the
// duplicate test answers, so asking the test first names what the save then did.
#pragma once

#include "records/CommMatchIndex.h"

enum class TImportAction {
    Added,      // no stored item had its key: a new item
    Updated,    // written over the stored item of the same key
    Identical,  // an identical item is stored: nothing written
    Refused,    // Outlook did not take it, or there was no record
};

template <class TAdapter, class TRec>
TImportAction SaveRecordWithAction(TAdapter& adapter, TRec* pRec)
{
    const int nMatch = pRec != nullptr && adapter.m_pDataMgr ? adapter.m_pDataMgr->FindMatch(pRec, nullptr, nullptr)
                                                             : kMatchNoRecord;
    if (adapter.SaveRecord(pRec))
        return nMatch == kMatchSameKey ? TImportAction::Updated : TImportAction::Added;
    return nMatch == kMatchIdentical ? TImportAction::Identical : TImportAction::Refused;
}
