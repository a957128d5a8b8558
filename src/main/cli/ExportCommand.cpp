// brindle export KIND FILE: every item of the kind's default folder into the CSV file, as the
// wizard exports with every record checked.
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "main/cli/CliCommands.h"
#include "main/cli/CliExit.h"
#include "main/cli/CliKinds.h"
#include "main/cli/CliRun.h"
#include "main/cli/CliSession.h"
#include "main/cli/ColumnList.h"
#include "main/cli/ColumnNotation.h"
#include "main/engine/CsvFileChecks.h"
#include "main/cli/ProgressLine.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvSource.h"

#include <cerrno>

namespace {

// The columns the request names; kExitDone, or the exit code of the problem told.
int ChooseColumns(const TCliRequest& request, const TNamedKind& kind, const TCliStreams& io, TColumnList& columns)
{
    if (request.bAllFields) {
        const int nCount = kind.pConv->GetFieldCount();
        for (int nPos = 1; nPos <= nCount; ++nPos) {
            if (!columns.Add(CopyFieldEntry(kind.pConv->GetFieldDef(static_cast<unsigned>(nPos)))))
                return Failure(io, "not enough memory for the columns");
        }
        return kExitDone;
    }
    const auto problem = AddNotatedColumns(*kind.pConv, kind.pCli->szName, request.fields.value_or(""), columns);
    if (!problem)
        return kExitDone;
    return problem->bUnknownField ? Failure(io, problem->message)
                                  : UsageProblem(io, TCliCommand::Export, problem->message);
}

}  // namespace

int RunExportCommand(const TCliRequest& request, const TCliStreams& io)
{
    const TNamedKind kind = LookUpKind(request, io);
    if (kind.pConv == nullptr)
        return kExitFailed;
    const TCliSession session("export");
    TColumnList columns;
    if (const int nExit = ChooseColumns(request, kind, io, columns); nExit != kExitDone)
        return nExit;
    const char chQuote = request.quote.value_or(AppSettings.QuoteMark[0]);
    const char chDelimiter = ExportDelimiter(request.delimiter.value_or(AppSettings.Delimiter));
    if (chQuote == chDelimiter)
        return UsageProblem(io, TCliCommand::Export, "the quotation mark cannot be the delimiter");
    const std::string& file = request.file;
    errno = 0;
    if (!CanWriteUnchanged(file.c_str()))
        return Failure(io, OpenErrorText(file, errno));

    TProgressLine progress(io.err, io.bErrTerminal);
    progress.ShowText(std::string("Reading the ") + kind.pCli->szName + " from Outlook ...");
    const TConversionObjects objects(MODE_O2C, kind.pCli->nFlag);
    progress.Finish();
    if (!objects.Created())
        return Failure(io, "not enough memory to start the conversion");
    CxList selected;
    TCliCounts counts;
    for (void* pRec = FirstStoredRecord(kind.pCli->nFlag); pRec != nullptr; pRec = NextStoredRecord(kind.pCli->nFlag)) {
        selected.Add(pRec);
        if (!kind.pConv->HasImage(pRec))
            ++counts.nSkipped;
    }
    if (selected.GetCount() == 0)
        return Failure(io, kind.pCli->szNothingChosen);

    // Appending opens the file only now, so that an export with nothing to write leaves no
    // new file behind.
    CxFile target;
    errno = 0;
    if (request.bAppend && !target.Open(file.c_str(), "a+b"))
        return Failure(io, OpenErrorText(file, errno));
    TRunSetup setup;
    setup.nMode = MODE_O2C;
    setup.pKind = kind.pConv;
    setup.chQuote = chQuote;
    setup.chDelimiter = chDelimiter;
    setup.bByteOrderMark = request.bByteOrderMark;
    setup.bAddTitle = request.bTitle;
    setup.bOverwrite = !request.bAppend;
    setup.szCsvFile = file;
    const TCliRun run = RunWithProgress(setup, selected, columns.List(), target, progress);

    counts.nRead = static_cast<int>(selected.GetCount());
    counts.nWritten = run.result.nConverted;
    return ReportRun(io, request.bJson, false, run, counts);
}
