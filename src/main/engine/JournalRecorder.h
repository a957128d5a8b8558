// An import run as the journal records it: each record's fate, and around every write to
// Outlook the entry that lets it be taken back, committed before the write. While it lives
// it is the adapters' write journal.
#pragma once

#include "common/outlook/OlWriteJournal.h"
#include "main/engine/ImportAction.h"
#include "main/engine/ImportJournal.h"

#include <functional>
#include <string>

struct TCsvImportReport;
struct TCsvSource;
struct TRunSetup;

class TJournalRecorder : public IOlWriteJournal {
public:
    // Begins the run in the journal; throws SqliteError when it cannot.
    TJournalRecorder(TImportJournal& journal, int nFlag, std::string_view csvFile, std::string_view settings);
    ~TJournalRecorder() override;
    TJournalRecorder(const TJournalRecorder&) = delete;
    TJournalRecorder& operator=(const TJournalRecorder&) = delete;

    std::int64_t RunId() const { return m_nRun; }

    void BeginRecord(int nRow);
    void EndRecord(TImportAction nAction);
    // Why the record just ended was refused; empty when the journal cannot tell.
    std::string RefusalReason() const;
    // Marks the run finished; what waits is committed.
    void Finish();

    bool BeforeAdd() override;
    bool BeforeUpdate(CDispCmd& item) override;
    void AfterWrite(CDispCmd& item) override;

private:
    enum class Step { None, Adding, Updating, Written, Unrecorded };

    // Runs a journal write; false, with the failure kept and logged, when it fails.
    bool Record(const std::function<void()>& write);

    TImportJournal& m_journal;
    std::int64_t m_nRun = 0;
    LONG m_nItemType = 0;
    int m_nRow = 0;
    std::int64_t m_nSeq = 0;
    Step m_step = Step::None;
    std::string m_entryId;
    DATE m_dWritten = 0;
    std::string m_failure;
};

// Sends the run's saves through the recorder: each record's row (rowOf, or its place in
// the run when absent) and fate go into the journal, and refusals get its reasons.
void JournalRunSetup(TRunSetup& setup, TJournalRecorder& recorder, std::function<int(const void* pRec)> rowOf);

// How an import read its file, as the journal keeps it for the user, such as "delimiter ;,
// quote \", Windows-1252, title row skipped".
std::string JournalSettingsText(const TCsvSource& source, const TCsvImportReport& read);
