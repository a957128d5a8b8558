// The journal of one import as the wizard and the command line keep it: the journal file
// opened, the run begun and the run's saves sent through the recorder, or the reason why
// there is no journal, for the caller to put to the user.
#pragma once

#include "main/engine/ImportJournal.h"
#include "main/engine/JournalRecorder.h"

#include <memory>
#include <string>

struct TCsvImportReport;
struct TRunSetup;

class TJournalSession {
public:
    // Opens the journal at path and begins a run of the kind on the CSV file.
    TJournalSession(const std::string& path, int nFlag, const std::string& csvFile, const std::string& settings);

    bool Opened() const { return m_recorder != nullptr; }
    // Why the journal could not be opened, such as "unable to open database file".
    const std::string& Failure() const { return m_failure; }
    std::int64_t RunId() const { return m_recorder ? m_recorder->RunId() : 0; }

    // See JournalRunSetup; each record's row is the file's, as pRead met it (its place in the
    // run without pRead). Nothing without a journal.
    void Attach(TRunSetup& setup, const TCsvImportReport* pRead);
    // Marks the run finished.
    void Finish();

private:
    std::unique_ptr<TImportJournal> m_journal;
    std::unique_ptr<TJournalRecorder> m_recorder;
    std::string m_failure;
};
