#include "main/CsvExport.h"

#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/ConvKind.h"
#include "platform/WinCompat.h"

#include <cstdio>
#include <string_view>

namespace {

std::string_view CutValue(std::string_view text, std::size_t nMax)
{
    return text.substr(0, CutTextLength(text, nMax));
}

std::string WideToAnsi(BSTR bstrText)
{
    if (bstrText == nullptr || bstrText[0] == 0)
        return {};
    const int nNeeded = WideCharToMultiByte(CP_ACP, 0, bstrText, -1, nullptr, 0, nullptr, nullptr);
    if (nNeeded <= 0)
        return {};
    std::string text(static_cast<std::size_t>(nNeeded), '\0');
    WideCharToMultiByte(CP_ACP, 0, bstrText, -1, text.data(), nNeeded, nullptr, nullptr);
    text.resize(text.find('\0'));
    return text;
}

// Pushes what was written to the device; the stream reports a failed write only here.
bool Commit(CxFile& file) { return file.Seek(0, SEEK_CUR) == 0; }

}  // namespace

TCsvExporter::TCsvExporter(const TConvKind& kind, CxList& fields, char chQuote) : m_kind(kind), m_chQuote(chQuote)
{
    for (void* pEntry = fields.GetFirst(); pEntry != nullptr; pEntry = fields.GetNext())
        m_columns.push_back(static_cast<const CsvFieldEntry*>(pEntry));
}

std::string TCsvExporter::BuildTitleRow() const
{
    std::string row;
    for (std::size_t nColumn = 0; nColumn < m_columns.size(); ++nColumn) {
        if (nColumn > 0)
            row += ',';
        row += m_columns[nColumn]->szName;
    }
    return row;
}

std::string TCsvExporter::ValueText(const CsvFieldEntry& column, const void* pRec, int nPosition) const
{
    const char* szText = nullptr;
    if (!IsCustomField(&column)) {
        szText = m_kind.GetRecordText(pRec, static_cast<unsigned>(column.nId));
    } else if (column.nType == CUSTOM_KIND_FIELD && column.vValue.vt == VT_I4) {
        szText = m_kind.GetRecordText(pRec, static_cast<unsigned>(column.vValue.lVal));
    } else if (column.nType == CUSTOM_KIND_SEQUENCE && column.vValue.vt == VT_I4) {
        return std::to_string(static_cast<long long>(column.vValue.lVal) + nPosition);
    } else if (column.nType == CUSTOM_KIND_TEXT && column.vValue.vt == VT_BSTR) {
        return std::string(CutValue(WideToAnsi(column.vValue.bstrVal), CSV_VALUE_MAX));
    }
    return szText ? std::string(CutValue(szText, CSV_VALUE_MAX)) : std::string();
}

bool TCsvExporter::BuildRecordRow(const void* pRec, int nPosition, std::string& row) const
{
    // A record without an item image (or no record) gives no row at all.
    if (!m_kind.HasImage(pRec))
        return false;
    row.clear();
    for (std::size_t nColumn = 0; nColumn < m_columns.size(); ++nColumn) {
        if (nColumn > 0)
            row += ',';
        const std::string value = ValueText(*m_columns[nColumn], pRec, nPosition);
        if (m_chQuote == '\0')
            row += value;
        else
            row += QuoteCsvValue(CutValue(value, CSV_VALUE_MAX - 2), m_chQuote);
    }
    return true;
}

bool TCsvExporter::WriteTitleRow(CxFile& file) const
{
    const std::string row = BuildTitleRow();
    return row.empty() || (file.WriteLine(row.c_str()) && Commit(file));
}

TRowResult TCsvExporter::WriteRecordRow(CxFile& file, const void* pRec, int nPosition) const
{
    std::string row;
    if (!BuildRecordRow(pRec, nPosition, row))
        return TRowResult::Skipped;
    return file.WriteLine(row.c_str()) && Commit(file) ? TRowResult::Written : TRowResult::WriteFailed;
}
