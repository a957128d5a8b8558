#include "common/outlook/OlFolderAdapter.h"

#include "common/misc/DispCmd.h"

#include <cstddef>

namespace {

// GetString is given one byte less than the buffer.
template <std::size_t N>
constexpr int ReadSize(const char (&)[N])
{
    return static_cast<int>(N) - 1;
}

}  // namespace

bool OlFolderAdapter::Connect()
{
    if (!OlBaseUtil::Connect())
        return false;
    VARIANT folderNumber;
    VariantInit(&folderNumber);
    folderNumber.vt = VT_I4;
    folderNumber.lVal = kOlKindFacts.folder[m_kind];
    HRESULT hr = S_OK;
    OlObject folder = CallForObject(*m_pNameSpaceCmd, OLESTR("GetDefaultFolder"), &folderNumber, 1, &hr);
    if (!folder) {
        Log(kLogError, &OlKindTexts::folderFailed, HexCode(hr));
        Disconnect();
        m_bFolderOpen = false;
        return false;
    }
    m_pRootFolder = std::move(folder);
    Log(kLogInfo, &OlKindTexts::folderGot);
    m_bFolderOpen = true;
    return true;
}

void OlFolderAdapter::Disconnect()
{
    m_pRootFolder.reset();
    OlBaseUtil::Disconnect();
}

OlFolderAdapter::FolderNames OlFolderAdapter::ReadFolderNames(CDispCmd& folder) const
{
    FolderNames names;
    HRESULT hr = folder.GetString(OLESTR("Name"), names.szName, ReadSize(names.szName));
    if (FAILED(hr))
        Log(kLogError, &OlKindTexts::nameFailed, HexCode(hr));
    else
        Log(kLogInfo, &OlKindTexts::nameGot, names.szName);

    if (kOlKindTexts.storeIdFailed[m_kind] == nullptr)
        return names;
    hr = folder.GetString(OLESTR("StoreID"), names.szStoreId, ReadSize(names.szStoreId));
    if (FAILED(hr))
        Log(kLogError, &OlKindTexts::storeIdFailed, HexCode(hr));
    else
        Log(kLogInfo, &OlKindTexts::storeIdGot, names.szStoreId);
    return names;
}

OlObject OlFolderAdapter::GetFolderItems(CDispCmd& folder, OlKindText OlKindTexts::*step) const
{
    HRESULT hr = S_OK;
    OlObject items = GetObjectProperty(folder, OLESTR("Items"), &hr);
    if (!items)
        Log(kLogError, step, HexCode(hr));
    return items;
}

bool OlFolderAdapter::SaveWrittenItem(CDispCmd& item) const
{
    const HRESULT hr = SaveItem(item);
    if (FAILED(hr)) {
        Log(kLogError, &OlKindTexts::saveFailed, HexCode(hr));
        return false;
    }
    return true;
}
