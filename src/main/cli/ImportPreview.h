// An import's dry run: what the run would do with each record, found by the run's own
// duplicate test (PreviewImport) against the loaded items, and nothing written.
#pragma once

#include "main/cli/CliReport.h"

class CxList;
struct TCliKind;
struct TCliStreams;

// One line per record, "row 3: update: Jane Doe", rows counted among the file's records as
// the import's notes count them (the title row is row 1), then "Dry run, nothing written:
// 2 to add, 1 to update, 0 identical"; with bJson only counts, whose written is 0. kExitDone.
int PreviewImportRun(const TCliStreams& io, bool bJson, const TCliKind& kind, CxList& records, bool bTitleRowSkipped,
                     TCliCounts counts);
