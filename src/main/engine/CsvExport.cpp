#include "main/engine/CsvExport.h"

#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/ConvKind.h"
#include "platform/WinCompat.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

// A block is written once it holds this much.
constexpr std::size_t kBlockSize = 256 * 1024;

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

// A field text of at most nMax bytes, looking no further than needed.
std::string_view BoundedText(const char* szText, std::size_t nMax)
{
    // Most fields of most records are empty: not worth a call to measure.
    if (szText == nullptr || szText[0] == '\0')
        return {};
    const std::string_view text(szText, strnlen(szText, nMax + 1));
    return text.size() > nMax ? CutValue(text, nMax) : text;
}

// Pushes what was written to the device; the stream reports a failed write only here.
bool Commit(CxFile& file) { return file.Seek(0, SEEK_CUR) == 0; }

}  // namespace

TCsvExporter::TCsvExporter(const TConvKind& kind, CxList& fields, char chQuote, char chDelimiter)
    : m_kind(kind), m_chQuote(chQuote), m_chDelimiter(chDelimiter)
{
    for (void* pEntry = fields.GetFirst(); pEntry != nullptr; pEntry = fields.GetNext()) {
        const auto& entry = *static_cast<const CsvFieldEntry*>(pEntry);
        m_names.emplace_back(entry.szName);
        TColumn column{TColumnKind::Empty, 0, 0, {}};
        if (!IsCustomField(&entry)) {
            column.nKind = TColumnKind::Field;
            column.nId = static_cast<unsigned>(entry.nId);
        } else if (entry.nType == CUSTOM_KIND_FIELD && entry.vValue.vt == VT_I4) {
            column.nKind = TColumnKind::Field;
            column.nId = static_cast<unsigned>(entry.vValue.lVal);
        } else if (entry.nType == CUSTOM_KIND_SEQUENCE && entry.vValue.vt == VT_I4) {
            column.nKind = TColumnKind::Sequence;
            column.nStart = entry.vValue.lVal;
        } else if (entry.nType == CUSTOM_KIND_TEXT && entry.vValue.vt == VT_BSTR) {
            column.nKind = TColumnKind::Fixed;
            column.szText = std::string(CutValue(WideToAnsi(entry.vValue.bstrVal), CSV_VALUE_MAX));
        }
        m_columns.push_back(std::move(column));
    }
}

std::string TCsvExporter::BuildTitleRow() const
{
    const char chQuote = m_chQuote != '\0' ? m_chQuote : '"';
    const char szSpecial[] = {m_chDelimiter, chQuote, '\r', '\n', '\0'};
    std::string row;
    for (std::size_t nColumn = 0; nColumn < m_names.size(); ++nColumn) {
        if (nColumn > 0)
            row += m_chDelimiter;
        const std::string& name = m_names[nColumn];
        row += name.find_first_of(szSpecial) == std::string::npos ? name : QuoteCsvValue(name, chQuote);
    }
    return row;
}

// A bare value holding the delimiter or a line break would end its field or row early, and
// one starting with a double quote would be read as quoted.
void TCsvExporter::AppendBare(std::string& text, std::string_view value) const
{
    const char szBreaking[] = {m_chDelimiter, '\r', '\n', '\0'};
    if (value.find_first_of(szBreaking) == std::string_view::npos && !value.starts_with('"'))
        text += value;
    else
        text += QuoteCsvValue(value, '"');
}

void TCsvExporter::AppendQuoted(std::string& text, std::string_view value) const
{
    if (m_chQuote == '\0') {
        AppendBare(text, value);
        return;
    }
    text += m_chQuote;
    if (value.empty()) {
        text += m_chQuote;
        return;
    }
    value = value.size() > CSV_VALUE_MAX - 2 ? CutValue(value, CSV_VALUE_MAX - 2) : value;
    // A quote character inside is doubled: copy up to and including it, then add it again.
    for (const void* pQuote = std::memchr(value.data(), m_chQuote, value.size()); pQuote != nullptr;
         pQuote = std::memchr(value.data(), m_chQuote, value.size())) {
        const std::size_t nUpTo = static_cast<std::size_t>(static_cast<const char*>(pQuote) - value.data()) + 1;
        text.append(value.data(), nUpTo);
        text += m_chQuote;
        value.remove_prefix(nUpTo);
    }
    text += value;
    text += m_chQuote;
}

void TCsvExporter::AppendValue(std::string& text, const TColumn& column, const void* pRec, int nPosition) const
{
    switch (column.nKind) {
    case TColumnKind::Field:
        AppendQuoted(text, BoundedText(m_kind.GetRecordText(pRec, column.nId), CSV_VALUE_MAX));
        return;
    case TColumnKind::Sequence: {
        char szNumber[24];
        const auto result = std::to_chars(szNumber, szNumber + sizeof szNumber, column.nStart + nPosition);
        AppendQuoted(text, std::string_view(szNumber, static_cast<std::size_t>(result.ptr - szNumber)));
        return;
    }
    case TColumnKind::Fixed:
        AppendQuoted(text, column.szText);
        return;
    case TColumnKind::Empty:
        AppendQuoted(text, {});
        return;
    }
}

bool TCsvExporter::AppendRecordRow(const void* pRec, int nPosition, std::string& text) const
{
    // A record without an item image (or no record) gives no row at all.
    if (!m_kind.HasImage(pRec))
        return false;
    for (std::size_t nColumn = 0; nColumn < m_columns.size(); ++nColumn) {
        if (nColumn > 0)
            text += m_chDelimiter;
        AppendValue(text, m_columns[nColumn], pRec, nPosition);
    }
    return true;
}

bool TCsvExporter::BuildRecordRow(const void* pRec, int nPosition, std::string& row) const
{
    if (!m_kind.HasImage(pRec))
        return false;
    row.clear();
    return AppendRecordRow(pRec, nPosition, row);
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

TCsvRowWriter::TCsvRowWriter(const TCsvExporter& exporter, CxFile& file) : m_exporter(exporter), m_file(file)
{
    m_block.reserve(kBlockSize + kBlockSize / 4);
}

TRowResult TCsvRowWriter::Write(const void* pRec, int nPosition)
{
    if (m_bFailed)
        return TRowResult::WriteFailed;
    // The rows of a block are joined by line ends; writing the block as one line adds the last.
    const std::size_t nBefore = m_block.size();
    if (m_nInBlock > 0)
        m_block += "\r\n";
    if (!m_exporter.AppendRecordRow(pRec, nPosition, m_block)) {
        m_block.resize(nBefore);
        return TRowResult::Skipped;
    }
    ++m_nInBlock;
    if (m_block.size() >= kBlockSize && !WriteBlock())
        return TRowResult::WriteFailed;
    return TRowResult::Written;
}

bool TCsvRowWriter::Finish() { return !m_bFailed && (m_nInBlock == 0 || WriteBlock()); }

bool TCsvRowWriter::WriteBlock()
{
    m_bFailed = !(m_file.WriteLine(m_block.c_str()) && Commit(m_file));
    if (!m_bFailed)
        m_nConfirmed += m_nInBlock;
    m_block.clear();
    m_nInBlock = 0;
    return !m_bFailed;
}
