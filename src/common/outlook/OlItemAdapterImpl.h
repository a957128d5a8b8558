// The members of OlItemAdapter that reach the kind's hooks, for the kind's adapter file only:
// it defines OlKindHooks of its kind, includes this and instantiates its adapter.
#pragma once

#include "common/outlook/OlItemAdapter.h"

// Fills *pTo from *pFrom; false, with nothing done, when either is missing.
template <class TFrom, class TTo>
bool FillGiven(const TFrom* pFrom, TTo* pTo, void (*fill)(const TFrom&, TTo&))
{
    if (pFrom == nullptr || pTo == nullptr)
        return false;
    fill(*pFrom, *pTo);
    return true;
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::OlItemAdapter() : OlFolderAdapter(kKind)
{
    OlItemAdapter::Init();
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::~OlItemAdapter()
{
    OlItemAdapter::Term();
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::LoadItems()
{
    OlBaseUtil::LoadItems();
    return m_pRootFolder && ReadFolder(m_pRootFolder->GetDispatch());
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
void OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::ClearItems()
{
    if (m_pDataMgr)
        m_pDataMgr->FreeAll();
    OlBaseUtil::ClearItems();
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
void OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::Init()
{
    m_pDataMgr = std::make_unique<TManager>();
    m_pRootFolder.reset();
    Connect();
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
void OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::Term()
{
    ClearItems();
    m_pDataMgr.reset();
    Disconnect();
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::ReadItem(IDispatch* pItem, TItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    OlKindHooks<kKind>::GetProperties(item, *pImage);
    return true;
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::WriteItem(IDispatch* pItem, const TItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    OlKindHooks<kKind>::PutProperties(item, *pImage);
    return SaveWrittenItem(item);
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::ItemToRecord(const TItem* pItem, TRecord* pRec)
{
    return FillGiven(pItem, pRec, &OlKindHooks<kKind>::FillRecord);
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::RecordToItem(const TRecord* pRec, TItem* pItem)
{
    return FillGiven(pRec, pItem, &OlKindHooks<kKind>::FillImage);
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::ReadFolder(IDispatch* pFolder)
{
    if (pFolder == nullptr || !m_pDataMgr)
        return false;
    CDispCmd folder(pFolder);
    const FolderNames names = ReadFolderNames(folder);
    OlObject items = GetFolderItems(folder, &OlKindTexts::itemsReadFailed);
    if (!items)
        return false;
    LoadItemsInto<TItem, TRecord>(*items, *m_pDataMgr, [&](CDispCmd& item, TItem& image, TRecord& rec) {
        CutText(image.FolderName, sizeof image.FolderName, names.szName);
        if constexpr (requires { image.StoreID; })
            CutText(image.StoreID, sizeof image.StoreID, names.szStoreId);
        return ReadItem(item.GetDispatch(), &image) && ItemToRecord(&image, &rec);
    });
    return true;
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::SaveRecord(TRecord* pRec)
{
    if (pRec == nullptr || !m_pDataMgr || !m_pRootFolder)
        return false;
    return SaveRecordByMatch(
        *m_pDataMgr, pRec, kOlKindFacts.name[kKind], [this](TRecord* pNew) { return AddItem(pNew); },
        [this](TRecord* pStored, int nIndex) { return UpdateItem(pStored, nIndex); });
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::AddItem(TRecord* pRec)
{
    if (pRec == nullptr || !m_pRootFolder)
        return false;
    OlObject items = GetFolderItems(*m_pRootFolder, &OlKindTexts::itemsAddFailed);
    if (!items)
        return false;
    HRESULT hr = S_OK;
    OlObject item = AddNewItem(*items, kOlKindFacts.itemType[kKind], &hr);
    if (!item) {
        Log(kLogError, &OlKindTexts::addFailed, HexCode(hr));
        return false;
    }
    if (!FillNewItem<TItem>(
            *item, pRec, [](TRecord* pNew, TItem* pImage) { RecordToItem(pNew, pImage); },
            [this](CDispCmd& rItem, TItem* pImage) { return WriteItem(rItem.GetDispatch(), pImage); }))
        return false;
    if constexpr (kOlKindFacts.marksAddedRecord[kKind])
        pRec->nSource = OL_SOURCE_OUTLOOK;
    return true;
}

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
bool OlItemAdapter<TAdapter, kKind, TItem, TRecord, TManager>::UpdateItem(TRecord* pRec, int nIndex)
{
    if (pRec == nullptr || nIndex < 0 || !m_pRootFolder)
        return false;
    OlObject items = GetFolderItems(*m_pRootFolder, &OlKindTexts::itemsUpdateFailed);
    if (!items)
        return false;
    const TItem* pStored = NativeImage<TItem>(*pRec);
    HRESULT hr = S_OK;
    OlObject item = FindItemForUpdate(*items, nIndex, pStored ? pStored->EntryID : "", kOlKindFacts.name[kKind], &hr);
    if (FAILED(hr))
        Log(kLogError, &OlKindTexts::itemAtFailed, nIndex, HexCode(hr));
    if (!item)
        return false;
    const bool bFromStored = pStored != nullptr && kOlKindFacts.updatesStoredImage[kKind];
    const auto pImage = bFromStored ? std::make_unique<TItem>(*pStored) : std::make_unique<TItem>();
    RecordToItem(pRec, pImage.get());
    if (!WriteOverItem(*item, [&] { return WriteItem(item->GetDispatch(), pImage.get()); }))
        return false;
    if constexpr (kOlKindFacts.refreshesAfterUpdate[kKind]) {
        if (m_pDataMgr)
            m_pDataMgr->UpdateRecord(pRec, nIndex);
    }
    return true;
}
