// A run of the engine as the commands make it: the progress on the terminal, Ctrl+C asking
// it to stop after the record in hand, and the result told at the end.
#pragma once

#include "main/cli/CliReport.h"
#include "main/engine/ConversionRun.h"

class CxFile;
class CxList;
class TProgressLine;
struct TCliStreams;

struct TCliRun {
    TRunResult result;
    int nSignal = 0;  // the signal that stopped the run, if it did
};

TCliRun RunWithProgress(const TRunSetup& setup, CxList& selected, CxList& fields, CxFile& file,
                        TProgressLine& progress);

// The result line (and, for an import, its counts), or the JSON counts with the result line on
// standard error when the run did not finish; the exit code the run earns.
int ReportRun(const TCliStreams& io, bool bJson, bool bImport, const TCliRun& run, const TCliCounts& counts);
