#include "common/outlook/OlAdapterShared.h"

#include "common/outlook/CsvValueParse.h"
#include "common/outlook/OlComm.h"

#include <cstdio>
#include <cstring>
#include <optional>

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

template <class T>
T RecordMember(const void* pRec, const OlCsvField& row)
{
    T value{};
    std::memcpy(&value, static_cast<const char*>(pRec) + row.nRecOffset, sizeof(T));
    return value;
}

template <class T>
void SetRecordMember(void* pRec, const OlCsvField& row, const T& value)
{
    std::memcpy(static_cast<char*>(pRec) + row.nRecOffset, &value, sizeof(T));
}

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

TFieldStore CsvStoreFieldText(OlCsvFieldTable rows, unsigned nId, const char* szText, void* pRec)
{
    const OlCsvField* pRow = FindRow(rows, nId);
    if (pRec == nullptr || pRow == nullptr || pRow->pfnStore == nullptr)
        return TFieldStore::NotImported;
    if (szText == nullptr)
        return TFieldStore::Stored;
    return pRow->pfnStore(*pRow, szText, pRec);
}

TFieldStore CsvStoreText(const OlCsvField& row, const char* szText, void* pRec)
{
    return StoreCutText(szText, static_cast<char*>(pRec) + row.nRecOffset, row.nRecSize);
}

TFieldStore CsvStoreDay(const OlCsvField& row, const char* szText, void* pRec)
{
    if (IsBlankCsvValue(szText))
        return TFieldStore::Stored;
    const std::optional<CsvDay> day = ParseCsvDate(szText);
    if (!day)
        return TFieldStore::NotUnderstood;
    auto stMember = RecordMember<SYSTEMTIME>(pRec, row);
    stMember.wYear = day->wYear;
    stMember.wMonth = day->wMonth;
    stMember.wDay = day->wDay;
    SetRecordMember(pRec, row, stMember);
    return TFieldStore::Stored;
}

TFieldStore CsvStoreTimeOfDay(const OlCsvField& row, const char* szText, void* pRec)
{
    if (IsBlankCsvValue(szText))
        return TFieldStore::Stored;
    const std::optional<CsvTimeOfDay> time = ParseCsvTime(szText);
    if (!time)
        return TFieldStore::NotUnderstood;
    auto stMember = RecordMember<SYSTEMTIME>(pRec, row);
    stMember.wHour = time->wHour;
    stMember.wMinute = time->wMinute;
    stMember.wSecond = time->wSecond;
    stMember.wMilliseconds = 0;
    SetRecordMember(pRec, row, stMember);
    return TFieldStore::Stored;
}

TFieldStore CsvStoreYesNo(const OlCsvField& row, const char* szText, void* pRec)
{
    if (IsBlankCsvValue(szText))
        return TFieldStore::Stored;
    const std::optional<bool> bYes = ParseCsvYesNo(szText);
    if (!bYes)
        return TFieldStore::NotUnderstood;
    SetRecordMember<LONG>(pRec, row, *bYes ? 1 : 0);
    return TFieldStore::Stored;
}
