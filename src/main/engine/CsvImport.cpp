#include "main/engine/CsvImport.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/misc/CxMemory.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/ConvKind.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(std::string_view record) { return record.find_first_not_of("\r\n") == std::string_view::npos; }

}  // namespace

void ImportCsvRecords(const TConvKind& kind, CxFile& file, CxList& fields, char chQuote, CSV& splitter,
                      CxList& records)
{
    std::vector<const CsvFieldEntry*> columns;
    for (void* pEntry = fields.GetFirst(); pEntry != nullptr; pEntry = fields.GetNext())
        columns.push_back(static_cast<const CsvFieldEntry*>(pEntry));
    if (columns.empty())
        return;

    file.Seek(0, SEEK_SET);
    splitter.SetQuote(chQuote);
    std::string record;
    bool bFirst = true;
    while (file.ReadRecord(record, chQuote)) {
        std::string_view text = record;
        if (bFirst && text.starts_with(kUtf8ByteOrderMark))
            text.remove_prefix(kUtf8ByteOrderMark.size());
        bFirst = false;
        std::string line(text);
        // No field holds a zero byte; dropping it keeps the rest of the line, which the
        // splitter would otherwise lose at the first one.
        std::erase(line, '\0');
        if (IsBlank(line) || !splitter.Parse(line.c_str()))
            continue;

        std::unique_ptr<void, CxFreeDeleter> pRec(CxAlloc(kind.nRecordSize));
        if (!pRec) {
            AppDebug.LogMessage(0, __FILE__, __LINE__, "No memory for a record of the CSV file; the line is skipped");
            continue;
        }
        const std::size_t nColumns = std::min<std::size_t>(columns.size(), splitter.GetCount());
        for (std::size_t nColumn = 0; nColumn < nColumns; ++nColumn)
            kind.SetFieldText(static_cast<unsigned>(columns[nColumn]->nId),
                              splitter.GetItem(static_cast<std::uint32_t>(nColumn)), pRec.get());
        if (nColumns > 0 && records.Add(pRec.get()))
            pRec.release();
    }
}
