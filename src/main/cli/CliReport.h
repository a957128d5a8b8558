// What a command tells when it is done: the result in the words of the wizard's last page,
// or the counts as one JSON object; and the notes about the file the record page shows.
#pragma once

#include "main/engine/RejectedRows.h"

#include <optional>
#include <string>
#include <vector>

struct TCsvFileText;
struct TCsvImportReport;
struct TRunResult;

struct TCliCounts {
    int nRead = 0;     // items of the folder, or records made of the file's rows
    int nAdded = 0;
    int nUpdated = 0;
    int nSkipped = 0;  // identical to a stored item, or (export) with no item to write
    int nRefused = 0;
    int nWritten = 0;  // rows written, or items written to Outlook
    std::optional<int> nShortened;  // values cut to fit their field, where the import counts them
    TRejectedRows rejected;         // the import's rows that did not reach Outlook
};

// {"read": 3, "added": 1, ...} on one line; with "rejected": {"file": ..., "rows": 2} (and
// "error" when the file could not be written) when rows did not reach Outlook.
std::string CountsJson(const TCliCounts& counts);

// "Convesion succeeded. 3 records were converted", as the result page words it, or that it
// failed or was cancelled.
std::string ResultLine(const TRunResult& result);

// An import's counts, "3 added, 2 updated, 5 identical", and when it skipped any, that they
// were in Outlook already: a line each, as the result page shows them.
std::string ImportCountLines(const TRunResult& result);

// What reading the import file left out or changed, one sentence each, as the record page
// lists them.
std::vector<std::string> FileNotes(const TCsvFileText& file, const TCsvImportReport& report);
