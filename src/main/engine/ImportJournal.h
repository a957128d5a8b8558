// The import journal: a SQLite file of its own in the program's data folder that records
// each import run and, for each CSV record, what became of it, with what it takes to take it
// back: the EntryID of every item written and, for an item written over, its whole earlier
// content. An entry is committed before Outlook is written, so a run that dies at any point
// leaves a journal covering every write that happened.
#pragma once

#include "platform/WinCompat.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SqliteDatabase;
class SqliteStatement;

// What became of one record. Adding and Updating are announced before the write and stay so
// only when the run died before it could say more.
enum class TJournalAction { Adding = 0, Added = 1, Updating = 2, Updated = 3, Identical = 4, Refused = 5 };

struct TJournalRun {
    std::int64_t nId = 0;
    DATE dStarted = 0;
    int nFlag = 0;  // the kind, as AppFlag
    std::string csvFile;
    std::string settings;  // how the file was read, for the user
    bool bFinished = false;
    DATE dUndone = 0;  // 0 while not undone
    int nAdded = 0;    // Adding entries count as added, Updating ones as updated
    int nUpdated = 0;
    int nIdentical = 0;
    int nRefused = 0;
};

struct TJournalEntry {
    std::int64_t nSeq = 0;  // order of the entries within the run
    int nRow = 0;           // the record's row in the file, from 1
    TJournalAction nAction = TJournalAction::Refused;
    std::string entryId;  // of the item added or written over
    DATE dStamp = 0;      // when the entry was made
    DATE dWritten = 0;    // the item's LastModificationTime after the write; 0 when unknown
    // The item's earlier content (EncodeItemState), for updates; empty when Outlook would not
    // give all of it.
    std::string previous;
};

class TImportJournal {
public:
    // Opens the journal at path, creating it when missing; throws SqliteError with the
    // reason when it cannot be opened or was made by a newer version of the program.
    explicit TImportJournal(const std::string& path);
    ~TImportJournal();
    TImportJournal(const TImportJournal&) = delete;
    TImportJournal& operator=(const TImportJournal&) = delete;

    const std::string& Path() const { return m_path; }

    std::int64_t BeginRun(int nFlag, std::string_view csvFile, std::string_view settings, DATE dStarted);
    // Adds an entry; a write announced (Adding, Updating) is committed with all before it
    // at once, anything else goes with the next commit. Returns the entry's nSeq.
    std::int64_t AddEntry(std::int64_t nRun, const TJournalEntry& entry);
    // What the write announced by entry nSeq came to; goes with the next commit.
    void CompleteEntry(std::int64_t nRun, std::int64_t nSeq, TJournalAction nAction, std::string_view entryId,
                       DATE dWritten);
    // Commits what waits and marks the run finished.
    void FinishRun(std::int64_t nRun);
    void MarkUndone(std::int64_t nRun, DATE dUndone);

    // The newest runs first, at most nMax of them.
    std::vector<TJournalRun> Runs(std::size_t nMax);
    std::optional<TJournalRun> Run(std::int64_t nRun);
    std::vector<TJournalEntry> Entries(std::int64_t nRun);
    // Whether any entry of any run names the item.
    bool KnowsEntryId(std::string_view entryId);

private:
    // The statements every record of a run uses, prepared once.
    struct Statements;

    void Begin();
    void Commit();
    std::int64_t NextSeq(std::int64_t nRun);

    std::string m_path;
    std::unique_ptr<SqliteDatabase> m_db;
    std::unique_ptr<Statements> m_statements;
    bool m_bInTransaction = false;
    // The run entries were last added to, and the sequence number its next entry gets.
    std::int64_t m_nSeqRun = 0;
    std::int64_t m_nNextSeq = 0;
};

// The journal's file in the program's data folder; empty when the folder cannot be made.
std::string DefaultJournalPath();
// The local time now, as Outlook's dates are kept.
DATE JournalNow();
