#include "common/outlook/OlItemSupport.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxMemory.h"
#include "common/misc/DispCmd.h"
#include "platform/win/ComHolders.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr int kLogError = 0;
// EntryIDs are read as loading reads them: a buffer of 1023 bytes.
constexpr int kEntryIdReadSize = 1023;

char* Member(void* pBase, std::size_t nOffset)
{
    return static_cast<char*>(pBase) + nOffset;
}

const char* Member(const void* pBase, std::size_t nOffset)
{
    return static_cast<const char*>(pBase) + nOffset;
}

// A text member, up to its terminator or its width, whichever comes first.
std::string_view TextOf(const char* pText, std::size_t nWidth)
{
    return {pText, strnlen(pText, nWidth)};
}

void ReadProperty(CDispCmd& item, const OlPropDef& row, void* pImage)
{
    char* pTarget = Member(pImage, row.nOffset);
    switch (row.nKind) {
    case OlPropKind::Text:
        // The read size may be smaller than the member, never larger.
        item.GetString(row.szName, pTarget, static_cast<int>(row.nReadSize ? std::min(row.nReadSize, row.nSize) : row.nSize));
        break;
    case OlPropKind::Date: {
        DATE dValue = 0;
        if (item.GetDate(row.szName, &dValue) == S_OK)
            std::memcpy(pTarget, &dValue, sizeof dValue);
        break;
    }
    case OlPropKind::Long: {
        LONG nValue = 0;
        if (item.GetLong(row.szName, &nValue) == S_OK)
            std::memcpy(pTarget, &nValue, sizeof nValue);
        break;
    }
    case OlPropKind::Bool: {
        bool bValue = false;
        if (item.GetBool(row.szName, &bValue) == S_OK)
            std::memcpy(pTarget, &bValue, sizeof bValue);
        break;
    }
    }
}

void WriteProperty(CDispCmd& item, const OlPropDef& row, const void* pImage)
{
    const char* pSource = Member(pImage, row.nOffset);
    switch (row.nKind) {
    case OlPropKind::Text: {
        // The put converts up to the terminator, so an unterminated member goes through a
        // terminated copy.
        const std::string_view text = TextOf(pSource, row.nSize);
        if (text.size() < row.nSize) {
            item.PutString(row.szName, pSource);
        } else {
            std::string copy(text);
            item.PutString(row.szName, copy.c_str());
        }
        break;
    }
    case OlPropKind::Date: {
        DATE dValue = 0;
        std::memcpy(&dValue, pSource, sizeof dValue);
        item.PutDate(row.szName, dValue);
        break;
    }
    case OlPropKind::Long: {
        LONG nValue = 0;
        std::memcpy(&nValue, pSource, sizeof nValue);
        item.PutLong(row.szName, nValue);
        break;
    }
    case OlPropKind::Bool: {
        bool bValue = false;
        std::memcpy(&bValue, pSource, sizeof bValue);
        item.PutBool(row.szName, bValue);
        break;
    }
    }
}

// Copies one member between image and record: texts cut to the target's width, other
// kinds as many bytes as both members hold.
void CopyMember(OlPropKind nKind, const char* pSource, std::size_t nSourceSize, char* pTarget, std::size_t nTargetSize)
{
    if (nKind == OlPropKind::Text)
        CutText(pTarget, nTargetSize, TextOf(pSource, nSourceSize));
    else
        std::memcpy(pTarget, pSource, nSourceSize < nTargetSize ? nSourceSize : nTargetSize);
}

OlObject WrapResultObject(HRESULT hr, VARIANT& result, HRESULT* phr)
{
    if (phr)
        *phr = hr;
    if (FAILED(hr) || result.vt != VT_DISPATCH || result.pdispVal == nullptr)
        return nullptr;
    return std::make_unique<CDispCmd>(result.pdispVal);
}

}  // namespace

void ReadItemProperties(CDispCmd& item, OlPropTable rows, void* pImage)
{
    for (const OlPropDef& row : rows) {
        if (row.nAccess & OL_READ)
            ReadProperty(item, row, pImage);
    }
}

void WriteItemProperties(CDispCmd& item, OlPropTable rows, const void* pImage)
{
    for (const OlPropDef& row : rows) {
        if (row.nAccess & OL_WRITE)
            WriteProperty(item, row, pImage);
    }
}

void CopyImageToRecord(OlPropTable rows, const void* pImage, void* pRec)
{
    for (const OlPropDef& row : rows) {
        if ((row.nAccess & OL_TO_RECORD) && row.nRecOffset != OL_NO_MEMBER)
            CopyMember(row.nKind, Member(pImage, row.nOffset), row.nSize, Member(pRec, row.nRecOffset), row.nRecSize);
    }
}

void CopyRecordToImage(OlPropTable rows, const void* pRec, void* pImage)
{
    for (const OlPropDef& row : rows) {
        if ((row.nAccess & OL_TO_IMAGE) && row.nRecOffset != OL_NO_MEMBER)
            CopyMember(row.nKind, Member(pRec, row.nRecOffset), row.nRecSize, Member(pImage, row.nOffset), row.nSize);
    }
}

OlObject GetObjectProperty(CDispCmd& owner, LPCOLESTR szName, HRESULT* phr)
{
    IDispatch* pDisp = nullptr;
    const HRESULT hr = owner.GetObject(szName, &pDisp);
    if (phr)
        *phr = hr;
    // The reference GetObject handed over passes to the wrapper, which takes its own.
    const auto held = platform::ComPtr<IDispatch>::Adopt(pDisp);
    if (hr != S_OK || !held)
        return nullptr;
    return std::make_unique<CDispCmd>(held.Get());
}

OlObject CallForObject(CDispCmd& owner, LPCOLESTR szMethod, VARIANT* pArgs, UINT nArgs, HRESULT* phr)
{
    platform::VariantHolder result;
    const HRESULT hr = owner.Call(szMethod, pArgs, nArgs, result.Get());
    return WrapResultObject(hr, *result.Get(), phr);
}

OlObject AddNewItem(CDispCmd& items, LONG nItemType, HRESULT* phr)
{
    VARIANT type;
    VariantInit(&type);
    type.vt = VT_I4;
    type.lVal = nItemType;
    return CallForObject(items, OLESTR("Add"), &type, 1, phr);
}

OlObject GetItemAt(CDispCmd& items, int nIndex, HRESULT* phr)
{
    VARIANT position;
    VariantInit(&position);
    position.vt = VT_I4;
    position.lVal = nIndex + 1;
    return CallForObject(items, OLESTR("Item"), &position, 1, phr);
}

void ForEachItem(CDispCmd& items, const std::function<bool(CDispCmd& item)>& visit)
{
    HRESULT hr = S_OK;
    for (OlObject item = CallForObject(items, OLESTR("GetFirst"), nullptr, 0, &hr); item;
         item = CallForObject(items, OLESTR("GetNext"), nullptr, 0, &hr)) {
        if (!visit(*item))
            break;
    }
}

std::int64_t ItemCountForProgress(CDispCmd& items)
{
    LONG nCount = 0;
    if (CurrentProgressSink() == nullptr || FAILED(items.GetLong(OLESTR("Count"), &nCount)) || nCount < 0)
        return 0;
    return nCount;
}

HRESULT SaveItem(CDispCmd& item)
{
    platform::VariantHolder result;
    return item.Call(OLESTR("Save"), nullptr, 0, result.Get());
}

HRESULT ReadEntryID(CDispCmd& item, char* szEntryID, std::size_t nSize)
{
    if (szEntryID == nullptr || nSize < 2)
        return E_INVALIDARG;
    const std::size_t nReadSize = std::min(nSize - 1, static_cast<std::size_t>(kEntryIdReadSize));
    return item.GetString(OLESTR("EntryID"), szEntryID, static_cast<int>(nReadSize));
}

OlObject FindItemForUpdate(CDispCmd& items, int nIndex, const char* szEntryID, const char* szKind, HRESULT* phrIndex)
{
    OlObject item = GetItemAt(items, nIndex, phrIndex);
    if (szEntryID == nullptr || szEntryID[0] == 0)
        return item;

    char szFound[kEntryIdReadSize + 1] = "";
    if (item) {
        if (ReadEntryID(*item, szFound, sizeof szFound) == S_OK && std::strcmp(szFound, szEntryID) == 0)
            return item;
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "The %s item at index %d is not the one loaded there (EntryID %s); searching the folder.",
                            szKind, nIndex, szEntryID);
        item.reset();
    }

    ForEachItem(items, [&](CDispCmd& candidate) {
        szFound[0] = 0;
        if (ReadEntryID(candidate, szFound, sizeof szFound) == S_OK && std::strcmp(szFound, szEntryID) == 0)
            item = std::make_unique<CDispCmd>(candidate.GetDispatch());
        return !item;
    });
    if (!item)
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "No %s item has the EntryID %s any more; it is not written.", szKind, szEntryID);
    return item;
}

void* CopyImageBlock(const void* pImage, std::size_t nSize)
{
    void* pBlock = CxAlloc(nSize);
    if (pBlock != nullptr && pImage != nullptr)
        std::memcpy(pBlock, pImage, nSize);
    return pBlock;
}

void FreeImageBlock(void* pBlock)
{
    CxFree(pBlock);
}

void LogRecordNotStored(const char* szKind)
{
    AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                        "The %s item was written to Outlook but could not be kept in the record list.", szKind);
}
