#include "main/engine/CsvImport.h"

#include "common/misc/CsvRecordWalker.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/misc/CxMemory.h"
#include "common/misc/ProgressSink.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvSource.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

void CountValue(int& nCount, TCsvValuePlace& first, const CsvFieldEntry& field, int nRow)
{
    if (nCount++ == 0)
        first = {field.szName, nRow};
}

void CountStore(TFieldStore result, const CsvFieldEntry& field, int nRow, TCsvImportReport& report)
{
    if (result == TFieldStore::Cut)
        CountValue(report.nShortened, report.firstShortened, field, nRow);
    else if (result == TFieldStore::NotUnderstood)
        CountValue(report.nNotUnderstood, report.firstNotUnderstood, field, nRow);
}

}  // namespace

TCsvImportReport ImportCsvRecords(const TConvKind& kind, const TCsvSource& source, CxList& fields, bool bSkipTitleRow,
                                  CSV& splitter, CxList& records)
{
    TCsvImportReport report;
    std::vector<const CsvFieldEntry*> columns;
    for (void* pEntry = fields.GetFirst(); pEntry != nullptr; pEntry = fields.GetNext())
        columns.push_back(static_cast<const CsvFieldEntry*>(pEntry));
    if (columns.empty())
        return report;

    splitter.SetQuote(source.chQuote);
    splitter.SetDelimiter(source.chDelimiter);
    TCsvRecordWalker walker(source.file.szText, source.chQuote, source.chDelimiter);
    std::string_view record;
    std::string line;
    int nRow = 0;
    const auto nTextSize = static_cast<std::int64_t>(source.file.szText.size());
    while (walker.Next(record)) {
        if (!ReportProgress(record.data() - source.file.szText.data(), nTextSize))
            break;
        if (record.empty())
            continue;
        ++nRow;
        const TCsvRowOrigin origin{nullptr, nRow, static_cast<std::size_t>(record.data() - source.file.szText.data()),
                                   record.size()};
        if (nRow == 1 && bSkipTitleRow) {
            report.bTitleRowSkipped = true;
            report.titleRow = origin;
            continue;
        }
        TCsvRowOrigin& row = report.rows.emplace_back(origin);
        // No field holds a zero character; dropping it keeps the rest of the record, which
        // the splitter would otherwise lose at the first one.
        line.assign(record);
        std::erase(line, '\0');
        if (!splitter.Parse(line.c_str()))
            continue;

        std::unique_ptr<void, CxFreeDeleter> pRec(CxAlloc(kind.nRecordSize));
        if (!pRec) {
            AppDebug.LogMessage(0, __FILE__, __LINE__, "No memory for a record of the CSV file; the line is skipped");
            continue;
        }
        if (splitter.GetCount() > columns.size() && report.nRowsWithExtraFields++ == 0)
            report.nFirstRowWithExtraFields = nRow;
        const std::size_t nColumns = std::min<std::size_t>(columns.size(), splitter.GetCount());
        for (std::size_t nColumn = 0; nColumn < nColumns; ++nColumn) {
            const CsvFieldEntry& field = *columns[nColumn];
            const TFieldStore result = kind.StoreFieldText(
                static_cast<unsigned>(field.nId), splitter.GetItem(static_cast<std::uint32_t>(nColumn)), pRec.get());
            CountStore(result, field, nRow, report);
        }
        if (nColumns > 0 && records.Add(pRec.get()))
            row.pRecord = pRec.release();
    }
    return report;
}

std::string_view CsvRowText(const TCsvSource& source, const TCsvRowOrigin& origin)
{
    const std::string_view text = source.file.szText;
    if (origin.nOffset > text.size() || origin.nLength > text.size() - origin.nOffset)
        return {};
    return text.substr(origin.nOffset, origin.nLength);
}

namespace {

std::string ValueNote(int nValues, const TCsvValuePlace& first, const char* szOne, const char* szMany)
{
    return std::to_string(nValues) + (nValues == 1 ? szOne : szMany) + " (for example " + first.field + " of row "
           + std::to_string(first.nRow) + ").";
}

}  // namespace

std::vector<std::string> ImportValueNotes(const TCsvImportReport& report)
{
    std::vector<std::string> notes;
    if (report.nShortened > 0)
        notes.push_back(ValueNote(report.nShortened, report.firstShortened, " value was shortened to fit its field",
                                  " values were shortened to fit their fields"));
    if (report.nNotUnderstood > 0)
        notes.push_back(ValueNote(report.nNotUnderstood, report.firstNotUnderstood,
                                  " value was not understood and is left out",
                                  " values were not understood and are left out"));
    return notes;
}
