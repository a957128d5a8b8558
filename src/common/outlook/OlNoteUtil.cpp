#include "common/outlook/OlNoteUtil.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlAdapterShared.h"
#include "common/outlook/OlItemSupport.h"
#include "common/outlook/OlNoteFields.h"
#include "common/outlook/OlNoteProps.h"

namespace {

constexpr int kLogError = 0;
constexpr int kLogInfo = 2;
constexpr LONG kNotesFolder = 12;
constexpr LONG kNoteItem = 5;
constexpr LONG kSourceOutlook = 3;
constexpr int kFolderNameSize = 31;
constexpr const char* kKind = "Notes";

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

OlObject GetFolderItems(CDispCmd& folder)
{
    HRESULT hr = S_OK;
    OlObject items = GetObjectProperty(folder, u"Items", &hr);
    if (!items)
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to get the \"Items\" property of the Notes folder. hr=0x%x", HexCode(hr));
    return items;
}

}  // namespace

OlNoteUtil::OlNoteUtil() { OlNoteUtil::Init(); }

OlNoteUtil::~OlNoteUtil() { OlNoteUtil::Term(); }

bool OlNoteUtil::LoadItems()
{
    OlBaseUtil::LoadItems();
    if (!m_pNoteRootFolder)
        return false;
    return ReadFolder(m_pNoteRootFolder->GetDispatch());
}

void OlNoteUtil::ClearItems()
{
    if (m_pDataMgr)
        m_pDataMgr->FreeAll();
    OlBaseUtil::ClearItems();
}

void OlNoteUtil::Init()
{
    m_pDataMgr = std::make_unique<CommNoteMgr>();
    m_pNoteRootFolder.reset();
    Connect();
}

void OlNoteUtil::Term()
{
    m_pDataMgr.reset();
    OlBaseUtil::Term();
}

bool OlNoteUtil::Connect()
{
    if (!OlBaseUtil::Connect())
        return false;
    VARIANT folderNumber;
    VariantInit(&folderNumber);
    folderNumber.vt = VT_I4;
    folderNumber.lVal = kNotesFolder;
    OlObject folder = CallForObject(*m_pNameSpaceCmd, u"GetDefaultFolder", &folderNumber, 1, nullptr);
    if (!folder) {
        Disconnect();
        return false;
    }
    m_pNoteRootFolder = std::move(folder);
    return true;
}

void OlNoteUtil::Disconnect()
{
    m_pNoteRootFolder.reset();
    OlBaseUtil::Disconnect();
}

int OlNoteUtil::GetFieldCount() { return static_cast<int>(NoteCsvFields().size()); }

const CsvFieldEntry* OlNoteUtil::GetFieldDef(unsigned nId) { return CsvFieldDef(NoteCsvFields(), nId); }

const char* OlNoteUtil::GetFieldText(const OlNoteItem* pItem, unsigned nId)
{
    return CsvFieldText(NoteCsvFields(), pItem, nId);
}

TFieldStore OlNoteUtil::StoreFieldText(unsigned nId, const char* szText, CommNoteRec* pRec)
{
    return CsvStoreFieldText(NoteCsvFields(), nId, szText, pRec);
}

bool OlNoteUtil::SetFieldText(unsigned nId, const char* szText, CommNoteRec* pRec)
{
    return StoreFieldText(nId, szText, pRec) != TFieldStore::NotImported;
}

bool OlNoteUtil::ReadFolder(IDispatch* pFolder)
{
    if (pFolder == nullptr || !m_pDataMgr)
        return false;
    CDispCmd folder(pFolder);

    char szFolderName[kFolderNameSize + 1] = "";
    const HRESULT hr = folder.GetString(u"Name", szFolderName, kFolderNameSize);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the name of the folder. hr=0x%x",
                            HexCode(hr));
    else
        AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Got the name of the Notes folder: %s", szFolderName);

    OlObject items = GetFolderItems(folder);
    if (!items)
        return false;
    LoadItemsInto<OlNoteItem, CommNoteRec>(*items, *m_pDataMgr,
                                          [&](CDispCmd& item, OlNoteItem& image, CommNoteRec& rec) {
                                              CutText(image.FolderName, sizeof image.FolderName, szFolderName);
                                              return ReadItem(item.GetDispatch(), &image) && ItemToRecord(&image, &rec);
                                          });
    return true;
}

bool OlNoteUtil::ReadItem(IDispatch* pItem, OlNoteItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    ReadItemProperties(item, NoteItemProps(), pImage);
    return true;
}

bool OlNoteUtil::ItemToRecord(const OlNoteItem* pItem, CommNoteRec* pRec)
{
    if (pItem == nullptr || pRec == nullptr)
        return false;
    CopyImageToRecord(NoteCarriedProps(), pItem, pRec);
    pRec->nSource = kSourceOutlook;
    return true;
}

bool OlNoteUtil::RecordToItem(const CommNoteRec* pRec, OlNoteItem* pItem)
{
    if (pRec == nullptr || pItem == nullptr)
        return false;
    CopyRecordToImage(NoteCarriedProps(), pRec, pItem);
    return true;
}

bool OlNoteUtil::WriteItem(IDispatch* pItem, const OlNoteItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    WriteItemProperties(item, NoteItemProps(), pImage);
    const HRESULT hr = SaveItem(item);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to save the Notes item. hr=0x%x", HexCode(hr));
        return false;
    }
    return true;
}

bool OlNoteUtil::SaveRecord(CommNoteRec* pRec)
{
    if (pRec == nullptr || !m_pDataMgr || !m_pNoteRootFolder)
        return false;
    return SaveRecordByMatch(
        *m_pDataMgr, pRec, kKind, [this](CommNoteRec* pNew) { return AddItem(pNew); },
        [this](CommNoteRec* pStored, int nIndex) { return UpdateItem(pStored, nIndex); });
}

bool OlNoteUtil::AddItem(CommNoteRec* pRec)
{
    if (pRec == nullptr || !m_pNoteRootFolder)
        return false;
    OlObject items = GetFolderItems(*m_pNoteRootFolder);
    if (!items)
        return false;
    HRESULT hr = S_OK;
    OlObject item = AddNewItem(*items, kNoteItem, &hr);
    if (!item) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to call the \"Add\" method to add notes item. hr=0x%x", HexCode(hr));
        return false;
    }
    if (!FillNewItem<OlNoteItem>(
            *item, pRec, [](CommNoteRec* pNew, OlNoteItem* pImage) { RecordToItem(pNew, pImage); },
            [this](CDispCmd& rItem, OlNoteItem* pImage) { return WriteItem(rItem.GetDispatch(), pImage); }))
        return false;
    pRec->nSource = kSourceOutlook;
    return true;
}

bool OlNoteUtil::UpdateItem(CommNoteRec* pRec, int nIndex)
{
    if (pRec == nullptr || nIndex < 0 || !m_pNoteRootFolder)
        return false;
    OlObject items = GetFolderItems(*m_pNoteRootFolder);
    if (!items)
        return false;
    const OlNoteItem* pStored = NativeImage<OlNoteItem>(*pRec);
    HRESULT hr = S_OK;
    OlObject item = FindItemForUpdate(*items, nIndex, pStored ? pStored->EntryID : "", kKind, &hr);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the notes item by index: %d. hr=0x%x", nIndex,
                            HexCode(hr));
    if (!item)
        return false;
    const auto pImage = pStored ? std::make_unique<OlNoteItem>(*pStored) : std::make_unique<OlNoteItem>();
    RecordToItem(pRec, pImage.get());
    if (!WriteOverItem(*item, [&] { return WriteItem(item->GetDispatch(), pImage.get()); }))
        return false;
    if (m_pDataMgr)
        m_pDataMgr->UpdateRecord(pRec, nIndex);
    return true;
}
