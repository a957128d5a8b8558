// Taking import runs back from their journal: the items a run added are deleted, the items
// it wrote over get their earlier content back, newest run and newest record first. An item
// changed in Outlook after the run wrote it is left alone unless the caller says otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TImportJournal;
struct TJournalRun;

// An item a run wrote that Outlook changed since.
struct TChangedItem {
    std::int64_t nRun = 0;
    int nRow = 0;
    std::string caption;  // as the user knows it: a contact's full name, an entry's subject
};

struct TUndoReport {
    int nRemoved = 0;
    int nRestored = 0;
    // Changed since the run and left as they are.
    std::vector<TChangedItem> leftChanged;
    // Gone from Outlook already: nothing to take back.
    int nAlreadyGone = 0;
    // Outlook refused the delete or the restore, or the journal held no earlier content.
    std::vector<std::string> failures;
    // Runs marked undone.
    std::vector<std::int64_t> undoneRuns;
    // Outlook could not be reached: nothing was done.
    bool bNoOutlook = false;
};

// The items of the runs that changed in Outlook after the run wrote them.
std::vector<TChangedItem> ChangedSinceImport(TImportJournal& journal, const std::vector<std::int64_t>& runs);

// Undoes the runs (already undone ones are passed over) and marks them undone. Items changed
// since are taken back too when bIncludeChanged, else left and listed.
TUndoReport UndoImports(TImportJournal& journal, const std::vector<std::int64_t>& runs, bool bIncludeChanged);

// What a recorded run did, in the result page's words: "3 added, 2 updated, 5 identical".
std::string JournalRunCountsText(const TJournalRun& run);

// "12 items removed, 3 restored, 1 left as it is because it changed since", with the items
// already gone and the failures when there are any.
std::string UndoReportText(const TUndoReport& report);
