// The adapter of one kind of Outlook item: loads the kind's default folder into records with
// their item images, and saves a record into it as a new item or over the one it matches.
// What is the kind's own, between an item and its image (GetProperties, PutProperties) and
// between image and record (FillRecord, FillImage), is OlKindHooks<kKind>, defined in the
// kind's adapter file. The members are compiled there too, once per kind (OlItemAdapterImpl.h
// and an explicit instantiation), so other files see only these declarations.
#pragma once

#include "common/misc/DispCmd.h"
#include "common/outlook/OlFolderAdapter.h"

#include <memory>

template <OlKind kKind>
struct OlKindHooks;

template <class TAdapter, OlKind kKind, class TItem, class TRecord, class TManager>
class OlItemAdapter : public OlFolderAdapter {
    // Contacts have field functions of their own.
    static constexpr bool kCsvTable = kOlKindFacts.csvTable[kKind];

public:
    OlItemAdapter();
    ~OlItemAdapter() override;

    // False when the folder is not open; else every item of the folder, in Outlook's order,
    // replaces what the manager held.
    bool LoadItems() override;
    void ClearItems() override;
    // A new, empty manager, then Connect.
    void Init() override;
    void Term() override;

    // The field functions of the kinds whose fields are an OlCsvField table; see
    // CsvFieldDef, CsvFieldText and CsvStoreFieldText.
    static int GetFieldCount() requires kCsvTable { return static_cast<int>(CsvFields().size()); }
    static const CsvFieldEntry* GetFieldDef(unsigned nId) requires kCsvTable
    {
        return CsvFieldDef(CsvFields(), nId);
    }
    static const char* GetFieldText(const TItem* pItem, unsigned nId) requires kCsvTable
    {
        return CsvFieldText(CsvFields(), pItem, nId);
    }
    static TFieldStore StoreFieldText(unsigned nId, const char* szText, TRecord* pRec) requires kCsvTable
    {
        return CsvStoreFieldText(CsvFields(), nId, szText, pRec);
    }
    // Whether the kind's StoreFieldText imports the field: true also for a value it cut or did
    // not understand.
    static bool SetFieldText(unsigned nId, const char* szText, TRecord* pRec)
    {
        return TAdapter::StoreFieldText(nId, szText, pRec) != TFieldStore::NotImported;
    }

    // False for a null argument; else every property the kind reads is got into the image.
    bool ReadItem(IDispatch* pItem, TItem* pImage);
    // Puts the image's properties, then saves; false for a null argument or when Outlook
    // refused to save the item.
    bool WriteItem(IDispatch* pItem, const TItem* pImage);
    // False for a null argument.
    static bool ItemToRecord(const TItem* pItem, TRecord* pRec);
    static bool RecordToItem(const TRecord* pRec, TItem* pItem);

    bool ReadFolder(IDispatch* pFolder);
    // True only when Outlook was written: an identical stored record writes nothing, and an
    // item Outlook refused is not stored.
    bool SaveRecord(TRecord* pRec);
    // Adds a new item made from pRec and attaches the image written, with the EntryID Outlook
    // gave it, to pRec (freed by the caller with FreeAttachedImage).
    bool AddItem(TRecord* pRec);
    // Writes pRec over the item of the stored record at nIndex: the item at that position when
    // its EntryID is the one of pRec's image, else the folder's item with that EntryID.
    bool UpdateItem(TRecord* pRec, int nIndex);

    std::unique_ptr<TManager> m_pDataMgr;

private:
    static OlCsvFieldTable CsvFields() { return kOlKindFacts.csvFields[kKind](); }
};
