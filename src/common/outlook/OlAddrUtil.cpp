#include "common/outlook/OlAddrUtil.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlAddrProps.h"
#include "common/outlook/OlItemSupport.h"

#include <cstring>
#include <memory>
#include <string_view>

namespace {

constexpr int kLogError = 0;
constexpr int kLogInfo = 2;
constexpr LONG kContactsFolder = 10;
constexpr LONG kContactItem = 2;
constexpr LONG kSourceOutlook = 3;
constexpr int kFolderNameSize = 31;
constexpr int kStoreIdSize = 1023;
constexpr int kEntryIdSize = 1023;
constexpr const char* kKind = "Contact";

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

// A fixed-width text up to its terminator or its width.
template <std::size_t N>
std::string_view Bounded(const char (&szText)[N])
{
    return {szText, strnlen(szText, N)};
}

OlObject GetFolderItems(CDispCmd& folder)
{
    HRESULT hr = S_OK;
    OlObject items = GetObjectProperty(folder, u"Items", &hr);
    if (!items)
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to get the \"Items\" property of the Contact folder. hr=0x%x", HexCode(hr));
    return items;
}

}  // namespace

OlAddrUtil::OlAddrUtil() { OlAddrUtil::Init(); }

OlAddrUtil::~OlAddrUtil() { OlAddrUtil::Term(); }

bool OlAddrUtil::LoadItems()
{
    OlBaseUtil::LoadItems();
    if (!m_pContactRootFolder)
        return false;
    return ReadFolder(m_pContactRootFolder->GetDispatch());
}

void OlAddrUtil::ClearItems()
{
    if (m_pDataMgr)
        m_pDataMgr->FreeAll();
    OlBaseUtil::ClearItems();
}

void OlAddrUtil::Init()
{
    m_pDataMgr = std::make_unique<CommAddrMgr>();
    m_pContactRootFolder.reset();
    Connect();
}

void OlAddrUtil::Term()
{
    ClearItems();
    m_pDataMgr.reset();
    Disconnect();
}

bool OlAddrUtil::Connect()
{
    if (!OlBaseUtil::Connect())
        return false;
    VARIANT folderNumber;
    VariantInit(&folderNumber);
    folderNumber.vt = VT_I4;
    folderNumber.lVal = kContactsFolder;
    OlObject folder = CallForObject(*m_pNameSpaceCmd, u"GetDefaultFolder", &folderNumber, 1, nullptr);
    if (!folder) {
        Disconnect();
        m_bFolderOpen = false;
        return false;
    }
    m_pContactRootFolder = std::move(folder);
    m_bFolderOpen = true;
    return true;
}

void OlAddrUtil::Disconnect()
{
    m_pContactRootFolder.reset();
    OlBaseUtil::Disconnect();
}

bool OlAddrUtil::ReadFolder(IDispatch* pFolder)
{
    if (pFolder == nullptr || !m_pDataMgr)
        return false;
    CDispCmd folder(pFolder);

    char szFolderName[kFolderNameSize + 1] = "";
    HRESULT hr = folder.GetString(u"Name", szFolderName, kFolderNameSize);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the name of the Contact folder. hr=0x%x",
                            HexCode(hr));
    else
        AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Got the name of the Contacts folder: %s", szFolderName);

    char szStoreId[kStoreIdSize + 1] = "";
    hr = folder.GetString(u"StoreID", szStoreId, kStoreIdSize);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the StoreID of the Contact folder. hr=0x%x",
                            HexCode(hr));
    else
        AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Got the StoreID of the Contact folder: %s", szStoreId);

    OlObject items = GetFolderItems(folder);
    if (!items)
        return false;
    LoadItemsInto<OlAddrItem, CommAddrRec>(*items, *m_pDataMgr, [&](CDispCmd& item, OlAddrItem& image, CommAddrRec& rec) {
        CutText(image.FolderName, sizeof image.FolderName, szFolderName);
        CutText(image.StoreID, sizeof image.StoreID, szStoreId);
        return ReadItem(item.GetDispatch(), &image) && ItemToRecord(&image, &rec);
    });
    return true;
}

bool OlAddrUtil::ReadItem(IDispatch* pItem, OlAddrItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    item.GetString(u"EntryID", pImage->EntryID, kEntryIdSize);
    ReadItemProperties(item, AddrItemProperties(), pImage);
    ReadUserProperties(pItem, pImage);
    return true;
}

bool OlAddrUtil::WriteItem(IDispatch* pItem, const OlAddrItem* pImage)
{
    if (pItem == nullptr || pImage == nullptr)
        return false;
    CDispCmd item(pItem);
    WriteItemProperties(item, AddrItemProperties(), pImage);
    WriteUserProperties(pItem, pImage);
    const HRESULT hr = SaveItem(item);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to save the Contact item. hr=0x%x", HexCode(hr));
        return false;
    }
    return true;
}

bool OlAddrUtil::ItemToRecord(const OlAddrItem* pItem, CommAddrRec* pRec)
{
    if (pItem == nullptr || pRec == nullptr)
        return false;
    CopyImageToRecord(AddrItemProperties(), pItem, pRec);
    for (std::size_t i = 0; i < OL_ADDR_USER_PROPS; ++i) {
        CutText(pRec->szCustom[i], sizeof pRec->szCustom[i], Bounded(pItem->UserPropValue[i]));
        CutText(pRec->szCustomLabel[i], sizeof pRec->szCustomLabel[i], Bounded(pItem->UserPropName[i]));
    }
    pRec->nSourceType = kSourceOutlook;
    return true;
}

bool OlAddrUtil::RecordToItem(const CommAddrRec* pRec, OlAddrItem* pItem)
{
    if (pRec == nullptr || pItem == nullptr)
        return false;
    CopyRecordToImage(AddrItemProperties(), pRec, pItem);
    for (std::size_t i = 0; i < OL_ADDR_USER_PROPS; ++i) {
        CutText(pItem->UserPropValue[i], sizeof pItem->UserPropValue[i], Bounded(pRec->szCustom[i]));
        CutText(pItem->UserPropName[i], sizeof pItem->UserPropName[i], Bounded(pRec->szCustomLabel[i]));
    }
    return true;
}

bool OlAddrUtil::SaveRecord(CommAddrRec* pRec)
{
    if (pRec == nullptr || !m_pDataMgr || !m_pContactRootFolder)
        return false;
    return SaveRecordByMatch(
        *m_pDataMgr, pRec, kKind, [this](CommAddrRec* pNew) { return AddItem(pNew); },
        [this](CommAddrRec* pStored, int nIndex) { return UpdateItem(pStored, nIndex); });
}

bool OlAddrUtil::AddItem(CommAddrRec* pRec)
{
    if (pRec == nullptr || !m_pContactRootFolder)
        return false;
    OlObject items = GetFolderItems(*m_pContactRootFolder);
    if (!items)
        return false;
    HRESULT hr = S_OK;
    OlObject item = AddNewItem(*items, kContactItem, &hr);
    if (!item) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to call the \"Add\" method. hr=0x%x", HexCode(hr));
        return false;
    }
    if (!FillNewItem<OlAddrItem>(
            *item, pRec, [](CommAddrRec* pNew, OlAddrItem* pImage) { RecordToItem(pNew, pImage); },
            [this](CDispCmd& rItem, OlAddrItem* pImage) { return WriteItem(rItem.GetDispatch(), pImage); }))
        return false;
    return true;
}

bool OlAddrUtil::UpdateItem(CommAddrRec* pRec, int nIndex)
{
    if (pRec == nullptr || nIndex < 0 || !m_pContactRootFolder)
        return false;
    OlObject items = GetFolderItems(*m_pContactRootFolder);
    if (!items)
        return false;
    const OlAddrItem* pStored = NativeImage<OlAddrItem>(*pRec);
    HRESULT hr = S_OK;
    OlObject item = FindItemForUpdate(*items, nIndex, pStored ? pStored->EntryID : "", kKind, &hr);
    if (FAILED(hr))
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to get the Contact item by index: %d. hr=0x%x",
                            nIndex, HexCode(hr));
    if (!item)
        return false;
    const auto pImage = pStored ? std::make_unique<OlAddrItem>(*pStored) : std::make_unique<OlAddrItem>();
    RecordToItem(pRec, pImage.get());
    return WriteOverItem(*item, [&] { return WriteItem(item->GetDispatch(), pImage.get()); });
}
