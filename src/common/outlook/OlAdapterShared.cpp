#include "common/outlook/OlAdapterShared.h"

#include "common/outlook/OlComm.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kFieldTextSize = 256;
char g_szFieldText[kFieldTextSize];

const OlCsvField* FindRow(OlCsvFieldTable rows, unsigned nId)
{
    for (const OlCsvField& row : rows) {
        if (static_cast<unsigned>(row.entry.nId) == nId)
            return &row;
    }
    return nullptr;
}

template <class T>
T MemberValue(const void* pImage, const OlCsvField& row)
{
    T value{};
    std::memcpy(&value, static_cast<const char*>(pImage) + row.nOffset, sizeof(T));
    return value;
}

const char* FlagText(bool bSet) { return bSet ? "1" : "0"; }

}  // namespace

const CsvFieldEntry* CsvFieldDef(OlCsvFieldTable rows, unsigned nId)
{
    const OlCsvField* pRow = FindRow(rows, nId);
    return pRow ? &pRow->entry : nullptr;
}

const char* CsvFieldText(OlCsvFieldTable rows, const void* pImage, unsigned nId)
{
    const OlCsvField* pRow = FindRow(rows, nId);
    if (pImage == nullptr || pRow == nullptr)
        return "";
    switch (pRow->nForm) {
    case OlTextForm::Text:
        return static_cast<const char*>(pImage) + pRow->nOffset;
    case OlTextForm::Bool:
        return FlagText(MemberValue<unsigned char>(pImage, *pRow) != 0);
    case OlTextForm::Flag:
        return FlagText(MemberValue<LONG>(pImage, *pRow) != 0);
    case OlTextForm::Number:
        std::snprintf(g_szFieldText, sizeof(g_szFieldText), "%d", static_cast<int>(MemberValue<LONG>(pImage, *pRow)));
        return g_szFieldText;
    case OlTextForm::Time:
        OlBaseUtil::FormatOleTime(MemberValue<DATE>(pImage, *pRow), g_szFieldText, kFieldTextSize);
        return g_szFieldText;
    case OlTextForm::Date:
        OlBaseUtil::FormatOleDate(MemberValue<DATE>(pImage, *pRow), g_szFieldText, kFieldTextSize);
        return g_szFieldText;
    case OlTextForm::DateTime:
        OlBaseUtil::FormatOleDateTime(MemberValue<DATE>(pImage, *pRow), g_szFieldText, kFieldTextSize);
        return g_szFieldText;
    }
    return "";
}

bool CsvStoreFieldText(OlCsvFieldTable rows, unsigned nId, const char* szText, void* pRec)
{
    const OlCsvField* pRow = FindRow(rows, nId);
    if (pRec == nullptr || pRow == nullptr || pRow->nRecOffset == OL_NO_MEMBER)
        return false;
    if (szText != nullptr)
        CutText(static_cast<char*>(pRec) + pRow->nRecOffset, pRow->nRecSize, szText);
    return true;
}
