#include "common/outlook/OlDateUtil.h"

#include "common/misc/CxDateTime.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlAdapterShared.h"
#include "common/outlook/OlDateFields.h"
#include "common/outlook/OlDateProps.h"
#include "common/outlook/OlDateRecurrence.h"
#include "common/outlook/OlDateReminder.h"
#include "common/outlook/OlDateSpan.h"
#include "common/outlook/OlItemSupport.h"

#include <cstring>

namespace {

constexpr int kLogError = 0;
constexpr int kLogInfo = 2;
constexpr LONG kCalendarFolder = 9;
constexpr LONG kAppointmentItem = 1;
constexpr LONG kSourceOutlook = 3;
constexpr int kFolderNameSize = 31;
constexpr int kStoreIdSize = 1023;
constexpr const char* kKind = "Calendar";

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

// Pattern members Outlook is given besides the type: numbers when set, the end when there
// is one.
bool PatternValueSet(const OlPropDef& row, const OlDateItem& image)
{
    const char* pValue = reinterpret_cast<const char*>(&image) + row.nOffset;
    if (row.nKind == OlPropKind::Date) {
        DATE dValue = 0.0;
        std::memcpy(&dValue, pValue, sizeof dValue);
        return dValue > 1.0;
    }
    LONG nValue = 0;
    std::memcpy(&nValue, pValue, sizeof nValue);
    return nValue > 0;
}

}  // namespace

OlDateUtil::OlDateUtil() { OlDateUtil::Init(); }

OlDateUtil::~OlDateUtil() { OlDateUtil::Term(); }

bool OlDateUtil::LoadItems()
{
    OlBaseUtil::LoadItems();
    if (!m_pDateRootFolder)
        return false;
    return ReadFolder(m_pDateRootFolder->GetDispatch());
}

void OlDateUtil::ClearItems()
{
    if (m_pDataMgr)
        m_pDataMgr->FreeAll();
    OlBaseUtil::ClearItems();
}

void OlDateUtil::Init()
{
    m_pDataMgr = std::make_unique<CommDateMgr>();
    m_pDateRootFolder.reset();
    Connect();
}

void OlDateUtil::Term()
{
    ClearItems();
    m_pDataMgr.reset();
    Disconnect();
}

bool OlDateUtil::Connect()
{
    if (!OlBaseUtil::Connect())
        return false;
    VARIANT folderNumber;
    VariantInit(&folderNumber);
    folderNumber.vt = VT_I4;
    folderNumber.lVal = kCalendarFolder;
    HRESULT hr = S_OK;
    OlObject folder = CallForObject(*m_pNameSpaceCmd, u"GetDefaultFolder", &folderNumber, 1, &hr);
    if (!folder) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to call \"GetDefaultFolder\" method. hr=0x%x",
                            HexCode(hr));
        Disconnect();
        m_bFolderOpen = false;
        return false;
    }
    m_pDateRootFolder = std::move(folder);
    AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Get Outlook Calendar root folder successfully.");
    m_bFolderOpen = true;
    return true;
}

void OlDateUtil::Disconnect()
{
    m_pDateRootFolder.reset();
    OlBaseUtil::Disconnect();
}

int OlDateUtil::GetFieldCount() { return static_cast<int>(DateCsvFields().size()); }

const CsvFieldEntry* OlDateUtil::GetFieldDef(unsigned nId) { return CsvFieldDef(DateCsvFields(), nId); }

const char* OlDateUtil::GetFieldText(const OlDateItem* pItem, unsigned nId)
{
    return CsvFieldText(DateCsvFields(), pItem, nId);
}

TFieldStore OlDateUtil::StoreFieldText(unsigned nId, const char* szText, CommDateRec* pRec)
{
    return CsvStoreFieldText(DateCsvFields(), nId, szText, pRec);
}

bool OlDateUtil::SetFieldText(unsigned nId, const char* szText, CommDateRec* pRec)
{
    return StoreFieldText(nId, szText, pRec) != TFieldStore::NotImported;
}

bool OlDateUtil::ReadFolder(IDispatch* pFolder)
{
    if (pFolder == nullptr || !m_pDataMgr)
        return false;
    CDispCmd folder(pFolder);

    char szFolderName[kFolderNameSize + 1] = "";
    HRESULT hr = folder.GetString(u"Name", szFolderName, kFolderNameSize);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the name of the folder. hr=0x%x",
                            HexCode(hr));
    else
        AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Got the name of the Calendar folder: %s", szFolderName);

    char szStoreId[kStoreIdSize + 1] = "";
    hr = folder.GetString(u"StoreID", szStoreId, kStoreIdSize);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the StoreID of the Calendar folder. hr=0x%x",
                            HexCode(hr));
    else
        AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Got the StoreID of the Calendar folder: %s", szStoreId);

    OlObject items = GetObjectProperty(folder, u"Items", &hr);
    if (!items) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get Calendar Items property.");
        return false;
    }
    LoadItemsInto<OlDateItem, CommDateRec>(*items, *m_pDataMgr,
                                          [&](CDispCmd& item, OlDateItem& image, CommDateRec& rec) {
                                              CutText(image.FolderName, sizeof image.FolderName, szFolderName);
                                              CutText(image.StoreID, sizeof image.StoreID, szStoreId);
                                              return ReadItem(item.GetDispatch(), &image) && ItemToRecord(&image, &rec);
                                          });
    return true;
}

bool OlDateUtil::ReadItem(IDispatch* pItem, OlDateItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    ReadItemProperties(item, DateLeadingProps(), pImage);
    ReadItemProperties(item, DateReminderProps(UsesReminderTime(sm_nOutlookVersion)), pImage);
    ReadItemProperties(item, DateTextProps(), pImage);
    if (pImage->IsRecurring) {
        if (OlObject pattern = CallForObject(item, u"GetRecurrencePattern", nullptr, 0, nullptr))
            ReadItemProperties(*pattern, DatePatternProps(), pImage);
    } else {
        pImage->RecurrenceType = OL_NO_RECURRENCE;
    }
    ReadItemProperties(item, DateStampProps(), pImage);
    return true;
}

bool OlDateUtil::ItemToRecord(const OlDateItem* pItem, CommDateRec* pRec)
{
    if (pItem == nullptr || pRec == nullptr)
        return false;
    CopyImageToRecord(DateTextProps(), pItem, pRec);
    VariantTimeToSystemTime(pItem->Start, &pRec->stStart);
    VariantTimeToSystemTime(pItem->End, &pRec->stEnd);
    pRec->nAlarm = pItem->ReminderSet ? 1 : 0;
    SetReminderLead(ReminderLeadOfItem(*pItem, *pRec, UsesReminderTime(sm_nOutlookVersion)), *pRec);
    pRec->nDuration = MinutesBetweenTimes(pRec->stEnd, pRec->stStart);
    pRec->nAllDayEvent = pItem->AllDayEvent ? 1 : 0;
    PatternToRecurrence(*pItem, pRec->recurrence);
    CopyImageToRecord(DateStampProps(), pItem, pRec);
    pRec->nSource = kSourceOutlook;
    return true;
}

bool OlDateUtil::RecordToItem(const CommDateRec* pRec, OlDateItem* pItem)
{
    if (pRec == nullptr || pItem == nullptr)
        return false;
    CopyRecordToImage(DateTextProps(), pRec, pItem);
    pItem->AllDayEvent = pRec->nAllDayEvent != 0;
    RecordSpanToItem(*pRec, *pItem);
    pItem->ReminderSet = pRec->nAlarm != 0;
    ReminderToItem(*pRec, UsesReminderTime(sm_nOutlookVersion), *pItem);
    RecurrenceToPattern(pRec->recurrence, *pItem);
    return true;
}

bool OlDateUtil::WriteItem(IDispatch* pItem, const OlDateItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    WriteItemProperties(item, DateLeadingProps(), pImage);
    WriteItemProperties(item, DateReminderProps(UsesReminderTime(sm_nOutlookVersion)), pImage);
    WriteItemProperties(item, DateTextProps(), pImage);
    if (pImage->RecurrenceType >= 0)
        WritePattern(item, *pImage);
    const HRESULT hr = SaveItem(item);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to save the Calendar item. hr=0x%x", HexCode(hr));
        return false;
    }
    return true;
}

void OlDateUtil::WritePattern(CDispCmd& item, const OlDateItem& image)
{
    OlObject pattern = CallForObject(item, u"GetRecurrencePattern", nullptr, 0, nullptr);
    if (!pattern)
        return;
    // Setting the type resets the pattern to that type's defaults, so it goes first; the
    // members not given keep Outlook's defaults.
    const OlPropTable rows = DatePatternProps();
    WriteItemProperties(*pattern, rows.first(1), &image);
    for (const OlPropDef& row : rows.subspan(1)) {
        if (PatternValueSet(row, image))
            WriteItemProperties(*pattern, OlPropTable(&row, 1), &image);
    }
}

bool OlDateUtil::SaveRecord(CommDateRec* pRec)
{
    if (pRec == nullptr || !m_pDataMgr || !m_pDateRootFolder)
        return false;
    return SaveRecordByMatch(
        *m_pDataMgr, pRec, kKind, [this](CommDateRec* pNew) { return AddItem(pNew); },
        [this](CommDateRec* pStored, int nIndex) { return UpdateItem(pStored, nIndex); });
}

bool OlDateUtil::AddItem(CommDateRec* pRec)
{
    if (pRec == nullptr || !m_pDateRootFolder)
        return false;
    HRESULT hr = S_OK;
    OlObject items = GetObjectProperty(*m_pDateRootFolder, u"Items", &hr);
    if (!items) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to get the \"Items\" property of the Calendar folder. hr=0x%x", HexCode(hr));
        return false;
    }
    OlObject item = AddNewItem(*items, kAppointmentItem, &hr);
    if (!item) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to call \"Add\" method. hr=0x%x", HexCode(hr));
        return false;
    }
    if (!FillNewItem<OlDateItem>(
            *item, pRec, [](CommDateRec* pNew, OlDateItem* pImage) { RecordToItem(pNew, pImage); },
            [this](CDispCmd& rItem, OlDateItem* pImage) { return WriteItem(rItem.GetDispatch(), pImage); }))
        return false;
    pRec->nSource = kSourceOutlook;
    return true;
}

bool OlDateUtil::UpdateItem(CommDateRec* pRec, int nIndex)
{
    if (pRec == nullptr || nIndex < 0 || !m_pDateRootFolder)
        return false;
    HRESULT hr = S_OK;
    OlObject items = GetObjectProperty(*m_pDateRootFolder, u"Items", &hr);
    if (!items) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to get the \"Items\" property of the Calendar folder.");
        return false;
    }
    const OlDateItem* pStored = NativeImage<OlDateItem>(*pRec);
    OlObject item = FindItemForUpdate(*items, nIndex, pStored ? pStored->EntryID : "", kKind, &hr);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to get the Calendar event item by index: %d. hr=0x%x", nIndex, HexCode(hr));
    if (!item)
        return false;
    const auto pImage = std::make_unique<OlDateItem>();
    RecordToItem(pRec, pImage.get());
    return WriteOverItem(*item, [&] { return WriteItem(item->GetDispatch(), pImage.get()); });
}
