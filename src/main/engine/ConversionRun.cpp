#include "main/engine/ConversionRun.h"

#include "common/misc/CsvEncoding.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/CsvExport.h"

#include <cstdint>
#include <filesystem>
#include <system_error>
#include <optional>

namespace {

// A byte-order mark belongs only at the very start of a file, never before appended rows.
bool IsEmptyFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::file_size(path, error) == 0 && !error;
}

// Outlook to CSV: each record's row, or nothing when the record has no item image. Rows
// go to the file in blocks; only rows of blocks that reached the file count as converted.
class TExportStep {
public:
    TExportStep(const TRunSetup& setup, CxList& fields, CxFile& file)
        : m_exporter(*setup.pKind, fields, setup.chQuote, setup.chDelimiter), m_rows(m_exporter, file), m_file(file)
    {
    }

    bool Start(const TRunSetup& setup)
    {
        if (setup.bOverwrite && !m_file.Open(setup.szCsvFile.c_str(), "wb")) {
            AppDebug.LogMessage(0, __FILE__, __LINE__, "Cannot open %s for writing", setup.szCsvFile.c_str());
            return false;
        }
        if (setup.bByteOrderMark && IsEmptyFile(setup.szCsvFile) && !m_file.Write(CsvUtf8ByteOrderMark()))
            return false;
        return !setup.bAddTitle || m_exporter.WriteTitleRow(m_file);
    }

    TRowResult Convert(void* pRec, int nPosition) { return m_rows.Write(pRec, nPosition); }
    bool Finish() { return m_rows.Finish(); }
    int Confirmed() const { return m_rows.Confirmed(); }

private:
    TCsvExporter m_exporter;
    TCsvRowWriter m_rows;
    CxFile& m_file;
};

constexpr const char* kRefusedByOutlook = "Outlook did not take the record";

// Records a refused record's reason: why the save failed, or that there was no record.
void NoteRefusal(const TRunSetup& setup, const void* pRec, int nPosition, TRunResult& result)
{
    std::string reason = pRec == nullptr ? kRowNotReadReason : "";
    if (reason.empty() && setup.refusalReason)
        reason = setup.refusalReason();
    if (reason.empty())
        reason = kRefusedByOutlook;
    result.refused.push_back({nPosition, std::move(reason)});
}

void CountAction(TImportAction nAction, TRunResult& result)
{
    switch (nAction) {
    case TImportAction::Added:
        ++result.nAdded;
        break;
    case TImportAction::Updated:
        ++result.nUpdated;
        break;
    case TImportAction::Identical:
        ++result.nIdentical;
        break;
    case TImportAction::Refused:
        ++result.nRefused;
        break;
    }
    result.nConverted = result.nAdded + result.nUpdated;
}

}  // namespace

std::string ImportCountsText(const TRunResult& result)
{
    std::string text = std::to_string(result.nAdded) + " added, " + std::to_string(result.nUpdated) + " updated, "
                       + std::to_string(result.nIdentical) + " identical";
    if (result.nRefused > 0)
        text += ", " + std::to_string(result.nRefused) + " refused by Outlook";
    return text;
}

int RunProgress(int k, int n)
{
    return n > 0 ? static_cast<int>(static_cast<long long>(k) * 100 / n) : 100;
}

TRunResult RunConversion(const TRunSetup& setup, CxList& selected, CxList& fields, CxFile& file,
                         const std::function<bool(int nPercent)>& afterRecord)
{
    TRunResult result;
    const int nRecords = static_cast<int>(selected.GetCount());
    const bool bExport = setup.nMode == MODE_O2C && setup.pKind != nullptr;
    const bool bImport = setup.nMode == MODE_C2O && setup.pKind != nullptr && setup.saveRecord;

    std::optional<TExportStep> exportStep;
    if (bExport) {
        exportStep.emplace(setup, fields, file);
        result.bFailed = !exportStep->Start(setup);
    }

    // The list's cursor is shared with whatever the saving does not touch: walk by number.
    for (int k = 1; k <= nRecords && !result.bFailed && !result.bCancelled; ++k) {
        void* pRec = selected.Find(static_cast<std::uint32_t>(k - 1));
        if (bExport) {
            result.bFailed = exportStep->Convert(pRec, k - 1) == TRowResult::WriteFailed;
        } else if (bImport) {
            const TImportAction nAction = pRec != nullptr ? setup.saveRecord(pRec) : TImportAction::Refused;
            CountAction(nAction, result);
            if (nAction == TImportAction::Refused)
                NoteRefusal(setup, pRec, k - 1, result);
        }
        if (!result.bFailed && afterRecord && !afterRecord(RunProgress(k, nRecords)) && k < nRecords)
            result.bCancelled = true;
    }
    if (bExport) {
        result.bFailed = !exportStep->Finish() || result.bFailed;
        // Rows written into a file deleted or replaced meanwhile reached no file of the user's.
        result.nConverted = file.IsAtWrittenPath() ? exportStep->Confirmed() : 0;
    }

    if (!file.Close() && bExport)
        result.bFailed = true;
    if (result.bFailed)
        AppDebug.LogMessage(0, __FILE__, __LINE__, "Writing %s failed after %d records", setup.szCsvFile.c_str(),
                            result.nConverted);
    return result;
}
