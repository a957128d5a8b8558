#include "main/engine/RejectedRows.h"

#include "common/misc/CsvEncoding.h"
#include "common/misc/CsvRecordWalker.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "main/engine/ConversionRun.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "main/engine/FileReplace.h"

#include <cstdint>
#include <filesystem>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::string_view kReasonTitle = "Reason";
constexpr std::string_view kDefaultLineEnd = "\r\n";

struct TRejectedRow {
    std::string_view text;
    std::string_view reason;
};

// The rows are written as the source's are.
struct TRowFormat {
    char chReadQuote;  // as the source was read, to tell its fields
    char chQuote;      // around a reason that needs it
    char chDelimiter;
    std::size_t nColumns;
    std::string_view lineEnd;
};

// The reason each refused record was given; the run names records by their place in chosen.
std::unordered_map<const void*, std::string_view> RefusedReasons(CxList& chosen, const TRunResult& run)
{
    std::unordered_map<const void*, std::string_view> reasons;
    for (const TRefusedRecord& refused : run.refused) {
        if (refused.nPosition < 0)
            continue;
        if (const void* pRec = chosen.Find(static_cast<std::uint32_t>(refused.nPosition)))
            reasons.emplace(pRec, refused.reason);
    }
    return reasons;
}

// In file order, whatever order the run took the records in.
std::vector<TRejectedRow> RejectedRowsOf(const TCsvSource& source, const TCsvImportReport& read, CxList& chosen,
                                         const TRunResult& run)
{
    const std::unordered_map<const void*, std::string_view> reasons = RefusedReasons(chosen, run);
    std::vector<TRejectedRow> rows;
    for (const TCsvRowOrigin& origin : read.rows) {
        const std::string_view text = CsvRowText(source, origin);
        if (text.empty())
            continue;
        if (origin.pRecord == nullptr)
            rows.push_back({text, kRowNotReadReason});
        else if (const auto found = reasons.find(origin.pRecord); found != reasons.end())
            rows.push_back({text, found->second});
    }
    return rows;
}

// The line end after the file's first row, so that the rows end as the file's do.
std::string_view FirstLineEnd(const TCsvSource& source, const TCsvImportReport& read)
{
    const TCsvRowOrigin& first = read.bTitleRowSkipped ? read.titleRow : read.rows.front();
    const std::string_view text = source.file.szText;
    const std::size_t nEnd = first.nOffset + first.nLength;
    if (nEnd >= text.size())
        return kDefaultLineEnd;
    return text.substr(nEnd, 2) == "\r\n" ? text.substr(nEnd, 2) : text.substr(nEnd, 1);
}

// A file read with a byte-order mark had one; so has, all but always, a file in UTF-16,
// whose writer takes a file without one for its own code page.
bool SourceHadByteOrderMark(TCsvEncoding nEncoding)
{
    return nEncoding == TCsvEncoding::Utf8Bom || nEncoding == TCsvEncoding::Utf16Le
           || nEncoding == TCsvEncoding::Utf16Be;
}

std::size_t FieldCount(std::string_view row, const TRowFormat& format)
{
    CSV splitter;
    splitter.SetQuote(format.chReadQuote);
    splitter.SetDelimiter(format.chDelimiter);
    return splitter.Parse(row) ? splitter.GetCount() : format.nColumns;
}

bool EndsInsideQuotes(std::string_view row, const TRowFormat& format)
{
    TCsvRecordWalker walker(row, format.chReadQuote, format.chDelimiter);
    std::string_view record;
    return walker.Next(record) && walker.EndsInsideQuotes();
}

std::string ReasonField(std::string_view reason, const TRowFormat& format)
{
    const std::string special{format.chDelimiter, format.chQuote, '\r', '\n'};
    return reason.find_first_of(special) != std::string_view::npos
               ? QuoteCsvValue(reason, format.chQuote)
               : std::string(reason);
}

void AppendRow(std::string_view row, std::string_view reason, const TRowFormat& format, std::string& out)
{
    out += row;
    // The last row of a file may end inside a quoted field never closed; closed here, the
    // reason is no part of it.
    if (EndsInsideQuotes(row, format))
        out += format.chReadQuote;
    // Fields the row lacks are added empty, so that the reason stands in the column titled
    // Reason and is read into no field when the file is imported again.
    for (std::size_t nField = FieldCount(row, format); nField < format.nColumns; ++nField)
        out += format.chDelimiter;
    out += format.chDelimiter;
    out += ReasonField(reason, format);
    out += format.lineEnd;
}

std::string RejectedRowsText(const TCsvSource& source, const TCsvImportReport& read,
                             const std::vector<TRejectedRow>& rows)
{
    const TRowFormat format{source.chQuote, source.chQuote != '\0' ? source.chQuote : '"', source.chDelimiter,
                            source.nColumns, FirstLineEnd(source, read)};
    std::string text(SourceHadByteOrderMark(source.file.nEncoding) ? CsvUtf8ByteOrderMark() : "");
    if (read.bTitleRowSkipped)
        AppendRow(CsvRowText(source, read.titleRow), kReasonTitle, format, text);
    for (const TRejectedRow& row : rows)
        AppendRow(row.text, row.reason, format, text);
    return text;
}

}  // namespace

std::string RejectedRowsPath(const std::string& csvPath)
{
    std::filesystem::path path(csvPath);
    if (!path.has_filename())
        return {};
    std::string extension = path.extension().string();
    if (extension.empty() || extension == ".")
        extension = ".csv";
    path.replace_filename(path.stem().string() + ".rejected" + extension);
    return path.string();
}

TRejectedRows WriteRejectedRows(const std::string& csvPath, const TCsvSource& source, const TCsvImportReport& read,
                                CxList& chosen, const TRunResult& run)
{
    TRejectedRows rejected;
    rejected.path = RejectedRowsPath(csvPath);
    const std::vector<TRejectedRow> rows = RejectedRowsOf(source, read, chosen, run);
    rejected.nRows = static_cast<int>(rows.size());
    if (rows.empty())
        return rejected;
    if (rejected.path.empty())
        rejected.failure = "The import file has no name to name it after";
    else if (const auto failure = ReplaceFileWith(rejected.path, RejectedRowsText(source, read, rows)))
        rejected.failure = *failure;
    if (!rejected.failure.empty())
        AppDebug.LogMessage(0, __FILE__, __LINE__, "Cannot write the rows that did not reach Outlook to %s: %s",
                            rejected.path.c_str(), rejected.failure.c_str());
    return rejected;
}

std::string RejectedRowsNote(const TRejectedRows& rejected, std::string_view shownName)
{
    if (rejected.nRows == 0)
        return {};
    const bool bOne = rejected.nRows == 1;
    const std::string rows = std::to_string(rejected.nRows) + (bOne ? " row" : " rows");
    if (!rejected.failure.empty())
        return rows + " did not reach Outlook; " + (bOne ? "it" : "they") + " could not be written to "
               + rejected.path + ": " + rejected.failure + ".";
    return rows + " that did not reach Outlook " + (bOne ? "is" : "are") + " in " + std::string(shownName) + ".";
}
