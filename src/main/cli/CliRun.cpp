#include "main/cli/CliRun.h"

#include "main/cli/CliCommands.h"
#include "main/cli/CliExit.h"
#include "main/cli/ProgressLine.h"
#include "main/cli/RunInterruption.h"

TCliRun RunWithProgress(const TRunSetup& setup, CxList& selected, CxList& fields, CxFile& file,
                        TProgressLine& progress)
{
    const TRunInterruption interruption;
    progress.StartRun();
    TCliRun run;
    run.result = RunConversion(setup, selected, fields, file, [&progress](int nPercent) {
        progress.AfterItem(nPercent);
        return TRunInterruption::Signal() == 0;
    });
    run.nSignal = TRunInterruption::Signal();
    progress.Finish();
    return run;
}

int ReportRun(const TCliStreams& io, bool bJson, bool bImport, const TCliRun& run, const TCliCounts& counts)
{
    const bool bFinished = !run.result.bFailed && !run.result.bCancelled;
    if (bJson) {
        io.out << CountsJson(counts) << '\n';
        if (!bFinished)
            io.err << "brindle: " << ResultLine(run.result) << '\n';
    } else {
        io.out << ResultLine(run.result) << '\n';
        if (bImport)
            io.out << ImportCountLines(run.result);
    }
    io.out.flush();
    if (run.result.bFailed)
        return kExitFailed;
    return run.result.bCancelled ? ExitForSignal(run.nSignal) : kExitDone;
}
