#include "common/outlook/OlItemAccess.h"

#include "common/misc/DispCmd.h"
#include "platform/win/ComHolders.h"

#include <string>

namespace {

// Longer than any EntryID Outlook hands out.
constexpr int kEntryIdReadSize = 1023;

}  // namespace

OlObject OlItemAccess::ItemFromId(const std::string& entryId, HRESULT* phr)
{
    if (m_pNameSpaceCmd == nullptr) {
        if (phr != nullptr)
            *phr = E_FAIL;
        return nullptr;
    }
    // EntryIDs are hexadecimal digits: widening each byte is their whole conversion.
    const platform::OleString wide(entryId.begin(), entryId.end());
    platform::VariantHolder arg;
    arg.Get()->vt = VT_BSTR;
    arg.Get()->bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return CallForObject(*m_pNameSpaceCmd, OLESTR("GetItemFromID"), arg.Get(), 1, phr);
}

OlObject OlItemAccess::FolderItems(LONG nFolder, HRESULT* phr)
{
    if (m_pNameSpaceCmd == nullptr) {
        if (phr != nullptr)
            *phr = E_FAIL;
        return nullptr;
    }
    VARIANT folderNumber;
    VariantInit(&folderNumber);
    folderNumber.vt = VT_I4;
    folderNumber.lVal = nFolder;
    OlObject folder = CallForObject(*m_pNameSpaceCmd, OLESTR("GetDefaultFolder"), &folderNumber, 1, phr);
    return folder ? GetObjectProperty(*folder, OLESTR("Items"), phr) : nullptr;
}

DATE ItemModified(CDispCmd& item)
{
    DATE dModified = 0;
    return SUCCEEDED(item.GetDate(OLESTR("LastModificationTime"), &dModified)) ? dModified : 0;
}

std::string ItemEntryId(CDispCmd& item)
{
    char szEntryId[kEntryIdReadSize + 1] = "";
    return SUCCEEDED(item.GetString(OLESTR("EntryID"), szEntryId, kEntryIdReadSize)) ? szEntryId : "";
}

HRESULT DeleteItem(CDispCmd& item)
{
    platform::VariantHolder result;
    return item.Call(OLESTR("Delete"), nullptr, 0, result.Get());
}
