#include "main/cli/CliReport.h"

#include "common/misc/CsvEncoding.h"
#include "common/misc/JsonText.h"
#include "main/engine/ConversionRun.h"
#include "main/engine/CsvImport.h"

#include <string_view>
#include <utility>

namespace {

std::string RejectedJson(const TRejectedRows& rejected)
{
    std::string json =
        "{\"file\": " + JsonString(rejected.path) + ", \"rows\": " + std::to_string(rejected.nRows);
    if (!rejected.failure.empty())
        json += ", \"error\": " + JsonString(rejected.failure);
    return json + "}";
}

std::string Counted(int nCount, const char* szOne, const char* szMore)
{
    return std::to_string(nCount) + " " + (nCount == 1 ? szOne : szMore);
}

// "2 values did not fit ... (the first: Notes in row 3 of the file)."
std::string ValueNote(int nCount, const char* szOne, const char* szMore, const TCsvValuePlace& first)
{
    return Counted(nCount, "value", "values") + " " + (nCount == 1 ? szOne : szMore) + " ("
           + (nCount == 1 ? "" : "the first: ") + first.field + " in row " + std::to_string(first.nRow)
           + " of the file).";
}

}  // namespace

std::string CountsJson(const TCliCounts& counts)
{
    const std::pair<const char*, int> members[] = {
        {"read", counts.nRead},       {"added", counts.nAdded},     {"updated", counts.nUpdated},
        {"skipped", counts.nSkipped}, {"refused", counts.nRefused}, {"written", counts.nWritten},
    };
    std::string json = "{";
    for (const auto& [szName, nValue] : members)
        json += (json.size() > 1 ? ", \"" : "\"") + std::string(szName) + "\": " + std::to_string(nValue);
    if (counts.nShortened)
        json += ", \"shortened\": " + std::to_string(*counts.nShortened);
    if (counts.rejected.nRows > 0)
        json += ", \"rejected\": " + RejectedJson(counts.rejected);
    return json + "}";
}

std::string ResultLine(const TRunResult& result)
{
    const char* szResult = result.bFailed      ? "Conversion failed."
                           : result.bCancelled ? "Conversion cancelled."
                                               : "Convesion succeeded.";
    return std::string(szResult) + " " + std::to_string(result.nConverted) + " records were converted";
}

std::string ImportCountLines(const TRunResult& result)
{
    std::string lines = ImportCountsText(result) + '\n';
    if (result.nIdentical > 0)
        lines += std::to_string(result.nIdentical) + " records were already in Outlook and were skipped\n";
    return lines;
}

std::vector<std::string> FileNotes(const TCsvFileText& file, const TCsvImportReport& report)
{
    std::vector<std::string> notes;
    if (report.bTitleRowSkipped)
        notes.emplace_back("Column titles in the first row are not imported.");
    if (file.bDroppedOddByte)
        notes.emplace_back("The file ends in half a character: its last byte is ignored.");
    if (report.nRowsWithExtraFields == 1)
        notes.push_back("1 row has more fields than there are columns; its extra fields are ignored (row "
                        + std::to_string(report.nFirstRowWithExtraFields) + " of the file).");
    else if (report.nRowsWithExtraFields > 1)
        notes.push_back(std::to_string(report.nRowsWithExtraFields)
                        + " rows have more fields than there are columns; their extra fields are ignored (the first "
                          "is row "
                        + std::to_string(report.nFirstRowWithExtraFields) + " of the file).");
    if (report.nShortened > 0)
        notes.push_back(ValueNote(report.nShortened, "did not fit its field and was cut",
                                  "did not fit their fields and were cut", report.firstShortened));
    if (report.nNotUnderstood > 0)
        notes.push_back(ValueNote(report.nNotUnderstood, "could not be understood and was not imported",
                                  "could not be understood and were not imported", report.firstNotUnderstood));
    return notes;
}
