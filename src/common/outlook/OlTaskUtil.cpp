#include "common/outlook/OlTaskUtil.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlAdapterShared.h"
#include "common/outlook/OlItemSupport.h"
#include "common/outlook/OlTaskCodes.h"
#include "common/outlook/OlTaskFields.h"
#include "common/outlook/OlTaskProps.h"

namespace {

constexpr int kLogError = 0;
constexpr int kLogInfo = 2;
constexpr LONG kTasksFolder = 13;
constexpr LONG kTaskItem = 3;
constexpr LONG kSourceOutlook = 3;
constexpr LONG kNoRecurrence = -1;
constexpr int kFolderNameSize = 31;
constexpr const char* kKind = "Task";

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

OlObject GetFolderItems(CDispCmd& folder)
{
    HRESULT hr = S_OK;
    OlObject items = GetObjectProperty(folder, u"Items", &hr);
    if (!items)
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to get the \"Items\" property of the Task folder. hr=0x%x", HexCode(hr));
    return items;
}

}  // namespace

OlTaskUtil::OlTaskUtil() { OlTaskUtil::Init(); }

OlTaskUtil::~OlTaskUtil() { OlTaskUtil::Term(); }

bool OlTaskUtil::LoadItems()
{
    OlBaseUtil::LoadItems();
    if (!m_pTaskRootFolder)
        return false;
    return ReadFolder(m_pTaskRootFolder->GetDispatch());
}

void OlTaskUtil::ClearItems()
{
    if (m_pDataMgr)
        m_pDataMgr->FreeAll();
    OlBaseUtil::ClearItems();
}

void OlTaskUtil::Init()
{
    m_pDataMgr = std::make_unique<CommTaskMgr>();
    m_pTaskRootFolder.reset();
    Connect();
}

void OlTaskUtil::Term()
{
    m_pDataMgr.reset();
    OlBaseUtil::Term();
}

bool OlTaskUtil::Connect()
{
    if (!OlBaseUtil::Connect())
        return false;
    VARIANT folderNumber;
    VariantInit(&folderNumber);
    folderNumber.vt = VT_I4;
    folderNumber.lVal = kTasksFolder;
    OlObject folder = CallForObject(*m_pNameSpaceCmd, u"GetDefaultFolder", &folderNumber, 1, nullptr);
    if (!folder) {
        Disconnect();
        m_bFolderOpen = false;
        return false;
    }
    m_pTaskRootFolder = std::move(folder);
    m_bFolderOpen = true;
    return true;
}

void OlTaskUtil::Disconnect()
{
    m_pTaskRootFolder.reset();
    OlBaseUtil::Disconnect();
}

int OlTaskUtil::GetFieldCount() { return static_cast<int>(TaskCsvFields().size()); }

const CsvFieldEntry* OlTaskUtil::GetFieldDef(unsigned nId) { return CsvFieldDef(TaskCsvFields(), nId); }

const char* OlTaskUtil::GetFieldText(const OlTaskItem* pItem, unsigned nId)
{
    return CsvFieldText(TaskCsvFields(), pItem, nId);
}

TFieldStore OlTaskUtil::StoreFieldText(unsigned nId, const char* szText, CommTaskRec* pRec)
{
    return CsvStoreFieldText(TaskCsvFields(), nId, szText, pRec);
}

bool OlTaskUtil::SetFieldText(unsigned nId, const char* szText, CommTaskRec* pRec)
{
    return StoreFieldText(nId, szText, pRec) != TFieldStore::NotImported;
}

bool OlTaskUtil::ReadFolder(IDispatch* pFolder)
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
        AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Got the name of the Task folder: %s", szFolderName);

    OlObject items = GetFolderItems(folder);
    if (!items)
        return false;
    LoadItemsInto<OlTaskItem, CommTaskRec>(*items, *m_pDataMgr,
                                          [&](CDispCmd& item, OlTaskItem& image, CommTaskRec& rec) {
                                              CutText(image.FolderName, sizeof image.FolderName, szFolderName);
                                              return ReadItem(item.GetDispatch(), &image) && ItemToRecord(&image, &rec);
                                          });
    return true;
}

bool OlTaskUtil::ReadItem(IDispatch* pItem, OlTaskItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    ReadItemProperties(item, TaskReadProps(), pImage);
    if (pImage->IsRecurring) {
        if (OlObject pattern = CallForObject(item, u"GetRecurrencePattern", nullptr, 0, nullptr))
            ReadItemProperties(*pattern, TaskPatternProps(), pImage);
    } else {
        pImage->RecurrenceType = kNoRecurrence;
    }
    ReadItemProperties(item, TaskTrailingReadProps(), pImage);
    return true;
}

bool OlTaskUtil::ItemToRecord(const OlTaskItem* pItem, CommTaskRec* pRec)
{
    if (pItem == nullptr || pRec == nullptr)
        return false;
    CopyImageToRecord(TaskCarriedProps(), pItem, pRec);
    TaskDatesToRecord(*pItem, *pRec);
    TaskCodesToRecord(*pItem, *pRec);
    pRec->nSource = kSourceOutlook;
    return true;
}

bool OlTaskUtil::RecordToItem(const CommTaskRec* pRec, OlTaskItem* pItem)
{
    if (pRec == nullptr || pItem == nullptr)
        return false;
    CopyRecordToImage(TaskCarriedProps(), pRec, pItem);
    pItem->ReminderSet = pRec->bReminderSet || pRec->bAlarm;
    TaskDatesToItem(*pRec, *pItem);
    TaskCodesToItem(*pRec, *pItem);
    pItem->RecurrenceType = kNoRecurrence;
    return true;
}

bool OlTaskUtil::WriteItem(IDispatch* pItem, const OlTaskItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    WriteItemProperties(item, TaskLeadingWriteProps(), pImage);
    if (pImage->ReminderSet)
        WriteItemProperties(item, TaskReminderWriteProps(), pImage);
    WriteItemProperties(item, TaskTrailingWriteProps(), pImage);
    const HRESULT hr = SaveItem(item);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to save the Task item. hr=0x%x", HexCode(hr));
        return false;
    }
    return true;
}

bool OlTaskUtil::SaveRecord(CommTaskRec* pRec)
{
    if (pRec == nullptr || !m_pDataMgr || !m_pTaskRootFolder)
        return false;
    return SaveRecordByMatch(
        *m_pDataMgr, pRec, kKind, [this](CommTaskRec* pNew) { return AddItem(pNew); },
        [this](CommTaskRec* pStored, int nIndex) { return UpdateItem(pStored, nIndex); });
}

bool OlTaskUtil::AddItem(CommTaskRec* pRec)
{
    if (pRec == nullptr || !m_pTaskRootFolder)
        return false;
    OlObject items = GetFolderItems(*m_pTaskRootFolder);
    if (!items)
        return false;
    HRESULT hr = S_OK;
    OlObject item = AddNewItem(*items, kTaskItem, &hr);
    if (!item) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to call the \"Add\" method. hr=0x%x", HexCode(hr));
        return false;
    }
    if (!FillNewItem<OlTaskItem>(
            *item, pRec, [](CommTaskRec* pNew, OlTaskItem* pImage) { RecordToItem(pNew, pImage); },
            [this](CDispCmd& rItem, OlTaskItem* pImage) { return WriteItem(rItem.GetDispatch(), pImage); }))
        return false;
    pRec->nSource = kSourceOutlook;
    return true;
}

bool OlTaskUtil::UpdateItem(CommTaskRec* pRec, int nIndex)
{
    if (pRec == nullptr || nIndex < 0 || !m_pTaskRootFolder)
        return false;
    OlObject items = GetFolderItems(*m_pTaskRootFolder);
    if (!items)
        return false;
    const OlTaskItem* pStored = NativeImage<OlTaskItem>(*pRec);
    HRESULT hr = S_OK;
    OlObject item = FindItemForUpdate(*items, nIndex, pStored ? pStored->EntryID : "", kKind, &hr);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the item by index: %d. hr=0x%x", nIndex,
                            HexCode(hr));
    if (!item)
        return false;
    const auto pImage = pStored ? std::make_unique<OlTaskItem>(*pStored) : std::make_unique<OlTaskItem>();
    RecordToItem(pRec, pImage.get());
    if (!WriteOverItem(*item, [&] { return WriteItem(item->GetDispatch(), pImage.get()); }))
        return false;
    if (m_pDataMgr)
        m_pDataMgr->UpdateRecord(pRec, nIndex);
    return true;
}
