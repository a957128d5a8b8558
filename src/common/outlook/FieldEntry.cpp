#include "common/outlook/FieldEntry.h"

#include "common/misc/CxMemory.h"

#include <cstring>

namespace {

CsvFieldEntry* NewFixedTextEntry(const char* szName, const OLECHAR* szText)
{
    auto* pEntry = static_cast<CsvFieldEntry*>(CxAlloc(sizeof(CsvFieldEntry)));
    if (!pEntry)
        return nullptr;
    pEntry->nId = CUSTOM_FIELD_ID;
    CutText(pEntry->szName, sizeof(pEntry->szName), szName);
    pEntry->nType = CUSTOM_KIND_TEXT;
    VariantInit(&pEntry->vValue);
    pEntry->vValue.bstrVal = SysAllocString(szText);
    if (!pEntry->vValue.bstrVal) {
        CxFree(pEntry);
        return nullptr;
    }
    pEntry->vValue.vt = VT_BSTR;
    return pEntry;
}

}  // namespace

CsvFieldEntry* NewCustomFieldEntry() { return NewFixedTextEntry("Custom Field", OLESTR("Custom Text")); }

CsvFieldEntry* NewSkipFieldEntry() { return NewFixedTextEntry("None", OLESTR("")); }

void FreeCustomFieldEntry(CsvFieldEntry* pEntry)
{
    if (!pEntry)
        return;
    VariantClear(&pEntry->vValue);
    CxFree(pEntry);
}

CsvFieldEntry* CopyFieldEntry(const CsvFieldEntry* pEntry)
{
    if (!pEntry)
        return nullptr;
    auto* pCopy = static_cast<CsvFieldEntry*>(CxAlloc(sizeof(CsvFieldEntry)));
    if (pCopy)
        std::memcpy(pCopy, pEntry, sizeof(CsvFieldEntry));
    return pCopy;
}
