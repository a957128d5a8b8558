// brindle import KIND FILE: the rows of the CSV file into the kind's default folder, as the
// wizard imports with every record checked; with --dry-run only what each row would do.
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/cli/CliCommands.h"
#include "main/cli/CliExit.h"
#include "main/cli/CliKinds.h"
#include "main/cli/CliRun.h"
#include "main/cli/CliSession.h"
#include "main/cli/CliText.h"
#include "main/cli/ColumnList.h"
#include "main/cli/ColumnNotation.h"
#include "main/engine/CsvFileChecks.h"
#include "main/cli/ImportPreview.h"
#include "main/cli/ProgressLine.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "main/engine/JournalSession.h"
#include "main/engine/RejectedRows.h"

#include <cerrno>
#include <vector>

namespace {

// Records read from the file, freed with it.
class TOwnedRecords {
public:
    TOwnedRecords() = default;
    ~TOwnedRecords() { list.RemoveAll(true); }
    TOwnedRecords(const TOwnedRecords&) = delete;
    TOwnedRecords& operator=(const TOwnedRecords&) = delete;

    CxList list;
};

TCsvReadOptions ReadOptions(const TCliRequest& request)
{
    return {request.quote.value_or(AppSettings.QuoteMark[0]),
            request.delimiter.value_or(KnownDelimiterChoice(AppSettings.Delimiter)),
            request.encoding.value_or(KnownEncodingChoice(AppSettings.Encoding))};
}

char DelimiterOf(int nDelimiter)
{
    return nDelimiter == DELIMITER_DETECT ? '\0' : ExportDelimiter(nDelimiter);
}

// As the field page places them by themselves: each column on the field its title names, a
// column of nothing where the title names none.
bool AddTitleColumns(const TConvKind& kind, const TCsvTitleMatch& titles, TColumnList& columns)
{
    for (const int nFieldId : titles.columnFields) {
        const bool bAdded = nFieldId != kNoTitleField ? columns.AddField(kind, nFieldId)
                                                      : columns.Add(NewSkipFieldEntry());
        if (!bAdded)
            return false;
    }
    return true;
}

// What the title matcher notes of a matched field the kind does not import, for the
// columns given by hand.
std::vector<std::string> NotImportedNotes(const TConvKind& kind, TColumnList& columns)
{
    std::vector<std::string> notes;
    int nColumn = 0;
    for (void* pListed = columns.List().GetFirst(); pListed != nullptr; pListed = columns.List().GetNext()) {
        const auto* pEntry = static_cast<const CsvFieldEntry*>(pListed);
        ++nColumn;
        if (!IsCustomField(pEntry) && !kind.ImportsField(static_cast<unsigned>(pEntry->nId)))
            notes.push_back("Column " + std::to_string(nColumn) + " " + Quoted(pEntry->szName) + ": the field "
                            + pEntry->szName + " is not imported.");
    }
    return notes;
}

// The columns of the file; kExitDone, or the exit code of the problem told.
int ChooseColumns(const TCliRequest& request, const TNamedKind& kind, const TCsvSource& source,
                  const TCliStreams& io, TColumnList& columns, std::vector<std::string>& notes)
{
    const std::string szKind = kind.pCli->szName;
    if (request.fields) {
        if (const auto problem = AddNotatedColumns(*kind.pConv, kind.pCli->szName, *request.fields, columns))
            return problem->bUnknownField ? Failure(io, problem->message)
                                          : UsageProblem(io, TCliCommand::Import, problem->message);
        notes = NotImportedNotes(*kind.pConv, columns);
        return kExitDone;
    }
    if (!source.titles.bTitleRow)
        return UsageProblem(io, TCliCommand::Import,
                            request.file + " has no title row naming fields of " + szKind
                                + ": give its columns with --fields (\"brindle fields " + szKind
                                + "\" lists the names)");
    if (!AddTitleColumns(*kind.pConv, source.titles, columns))
        return Failure(io, "not enough memory for the columns");
    notes = source.titles.notes;
    return kExitDone;
}

// The rows that did not reach Outlook go beside the file, and a note says where.
TRejectedRows LeaveRejectedRows(const std::string& file, const TCsvSource& source, const TCsvImportReport& report,
                                CxList& records, const TRunResult& result, const TCliStreams& io)
{
    TRejectedRows rejected = WriteRejectedRows(file, source, report, records, result);
    if (const std::string note = RejectedRowsNote(rejected, rejected.path); !note.empty())
        io.err << "note: " << note << '\n';
    return rejected;
}

}  // namespace

int RunImportCommand(const TCliRequest& request, const TCliStreams& io)
{
    const TNamedKind kind = LookUpKind(request, io);
    if (kind.pConv == nullptr)
        return kExitFailed;
    const TCliSession session("import");
    const TCsvReadOptions options = ReadOptions(request);
    if (options.chQuote != '\0' && options.chQuote == DelimiterOf(options.nDelimiter))
        return UsageProblem(io, TCliCommand::Import, "the quotation mark cannot be the delimiter");
    const std::string& file = request.file;
    if (!FileExists(file.c_str()))
        return Failure(io, file + ": Invalid CSV file name. Please specify an existing CSV file.");
    TCsvSource source;
    errno = 0;
    if (!CanOpenForReading(file.c_str()) || !LoadCsvSource(file.c_str(), *kind.pConv, options, source))
        return Failure(io, OpenErrorText(file, errno));
    if (!source.file.bLooksLikeText)
        return Failure(io, file + ": This file does not look like a CSV file");
    TColumnList columns;
    std::vector<std::string> notes;
    if (const int nExit = ChooseColumns(request, kind, source, io, columns, notes); nExit != kExitDone)
        return nExit;

    TOwnedRecords records;
    CSV splitter;
    const TCsvImportReport report =
        ImportCsvRecords(*kind.pConv, source, columns.List(), source.titles.bTitleRow, splitter, records.list);
    for (const std::string& note : FileNotes(source.file, report))
        notes.push_back(note);
    for (const std::string& note : notes)
        io.err << "note: " << note << '\n';
    if (records.list.GetCount() == 0)
        return Failure(io, kind.pCli->szNothingChosen);

    TProgressLine progress(io.err, io.bErrTerminal);
    progress.ShowText(std::string("Reading the ") + kind.pCli->szName + " from Outlook ...");
    const TConversionObjects objects(MODE_C2O, kind.pCli->nFlag);
    progress.Finish();
    if (!objects.Created())
        return Failure(io, "not enough memory to start the conversion");

    TCliCounts counts;
    counts.nRead = static_cast<int>(records.list.GetCount());
    counts.nShortened = report.nShortened;
    if (request.bDryRun)
        return PreviewImportRun(io, request.bJson, *kind.pCli, records.list, report.bTitleRowSkipped, counts);

    TRunSetup setup;
    setup.nMode = MODE_C2O;
    setup.pKind = kind.pConv;
    setup.szCsvFile = file;
    const int nFlag = kind.pCli->nFlag;
    setup.saveRecord = [nFlag](void* pRec) { return SaveConvRecord(nFlag, pRec); };
    TJournalSession journal(DefaultJournalPath(), nFlag, file, JournalSettingsText(source, report));
    if (!journal.Opened())
        return Failure(io, "the import journal cannot be opened, so the import could not be undone: " + journal.Failure());
    journal.Attach(setup, &report);
    CxFile noFile;  // an import writes none; the run only closes it
    const TCliRun run = RunWithProgress(setup, records.list, columns.List(), noFile, progress);
    counts.rejected = LeaveRejectedRows(file, source, report, records.list, run.result, io);
    journal.Finish();

    counts.nAdded = run.result.nAdded;
    counts.nUpdated = run.result.nUpdated;
    counts.nSkipped = run.result.nIdentical;
    counts.nRefused = run.result.nRefused;
    counts.nWritten = run.result.nConverted;
    return ReportRun(io, request.bJson, true, run, counts);
}
