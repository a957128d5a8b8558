#include "main/engine/CsvImport.h"

#include "common/misc/CsvRecordWalker.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/misc/CxMemory.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvSource.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    while (walker.Next(record)) {
        if (record.empty())
            continue;
        ++nRow;
        if (nRow == 1 && bSkipTitleRow) {
            report.bTitleRowSkipped = true;
            continue;
        }
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
        for (std::size_t nColumn = 0; nColumn < nColumns; ++nColumn)
            kind.SetFieldText(static_cast<unsigned>(columns[nColumn]->nId),
                              splitter.GetItem(static_cast<std::uint32_t>(nColumn)), pRec.get());
        if (nColumns > 0 && records.Add(pRec.get()))
            pRec.release();
    }
    return report;
}
