// The import journal keeps what undo needs across processes and versions: announced writes
// are on disk before Outlook is touched, counts follow the entries, and a file it cannot
// trust is refused with a reason instead of being read or written.
#include "common/misc/SqliteDatabase.h"
#include "main/engine/ImportJournal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

constexpr int kContacts = 1;
constexpr int kTasks = 4;

TJournalEntry Entry(int nRow, TJournalAction nAction, const std::string& entryId = "", const std::string& previous = "")
{
    TJournalEntry entry;
    entry.nRow = nRow;
    entry.nAction = nAction;
    entry.entryId = entryId;
    entry.dStamp = 46000.5;
    entry.previous = previous;
    return entry;
}

// What another process reading the file sees of a run's entries right now.
int EntriesSeenFromOutside(const std::string& path, std::int64_t nRun)
{
    SqliteDatabase db(path);
    SqliteStatement count(db, "SELECT COUNT(*) FROM entries WHERE run = ?");
    count.Start().Bind(1, nRun);
    int nCount = 0;
    while (count.Step())
        nCount = static_cast<int>(count.Int64(0));
    return nCount;
}

TEST(ImportJournal, AnnouncedWritesAreCommittedAtOnceOutcomesWithTheNext)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("journal.sqlite");
    TImportJournal journal(path);
    const std::int64_t nRun = journal.BeginRun(kContacts, "/data/contacts.csv", "delimiter ,", 46000.0);

    journal.AddEntry(nRun, Entry(1, TJournalAction::Identical));
    EXPECT_EQ(EntriesSeenFromOutside(path, nRun), 0) << "an entry that announces no write need not wait for the disk";
    const std::int64_t nSeq = journal.AddEntry(nRun, Entry(2, TJournalAction::Adding));
    EXPECT_EQ(EntriesSeenFromOutside(path, nRun), 2) << "an announced write is on disk before Outlook is written";

    journal.CompleteEntry(nRun, nSeq, TJournalAction::Added, "00000000AB", 46000.75);
    journal.AddEntry(nRun, Entry(3, TJournalAction::Updating, "00000000CD", "earlier content"));
    journal.FinishRun(nRun);

    const std::vector<TJournalEntry> entries = journal.Entries(nRun);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].nAction, TJournalAction::Added);
    EXPECT_EQ(entries[1].entryId, "00000000AB");
    EXPECT_DOUBLE_EQ(entries[1].dWritten, 46000.75);
    EXPECT_EQ(entries[2].nRow, 3);
    EXPECT_EQ(entries[2].previous, "earlier content");

    const std::optional<TJournalRun> run = journal.Run(nRun);
    ASSERT_TRUE(run);
    EXPECT_TRUE(run->bFinished);
    EXPECT_EQ(run->csvFile, "/data/contacts.csv");
    // A write announced and never completed (the run died) counts as done: it may have been.
    EXPECT_EQ(run->nAdded, 1);
    EXPECT_EQ(run->nUpdated, 1);
    EXPECT_EQ(run->nIdentical, 1);
    EXPECT_EQ(run->nRefused, 0);
    EXPECT_TRUE(journal.KnowsEntryId("00000000CD"));
    EXPECT_FALSE(journal.KnowsEntryId("00000000EF"));
}

TEST(ImportJournal, RunsAreListedNewestFirstAndKeepTheirUndoneMark)
{
    testing_support::TempDir folder;
    const std::string path = folder.file("journal.sqlite");
    std::int64_t nFirst = 0;
    std::int64_t nSecond = 0;
    {
        TImportJournal journal(path);
        nFirst = journal.BeginRun(kContacts, "a.csv", "", 46000.0);
        journal.AddEntry(nFirst, Entry(1, TJournalAction::Refused));
        nSecond = journal.BeginRun(kTasks, "b.csv", "", 46001.0);
        journal.MarkUndone(nFirst, 46002.0);
    }
    TImportJournal reopened(path);
    const std::vector<TJournalRun> runs = reopened.Runs(10);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].nId, nSecond);
    EXPECT_EQ(runs[0].nFlag, kTasks);
    EXPECT_FALSE(runs[0].bFinished);
    EXPECT_EQ(runs[1].nId, nFirst);
    EXPECT_DOUBLE_EQ(runs[1].dUndone, 46002.0);
    EXPECT_EQ(runs[1].nRefused, 1);
    EXPECT_EQ(reopened.Runs(1).size(), 1u);
}

TEST(ImportJournal, FilesItCannotTrustAreRefusedWithAReason)
{
    testing_support::TempDir folder;
    const std::string newer = folder.file("newer.sqlite");
    {
        TImportJournal journal(newer);
    }
    {
        SqliteDatabase db(newer);
        db.Execute("PRAGMA user_version = 99");
    }
    EXPECT_THROW(TImportJournal journal(newer), SqliteError);

    const std::string other = folder.file("other.sqlite");
    {
        SqliteDatabase db(other);
        db.Execute("CREATE TABLE t (x); PRAGMA application_id = 7");
    }
    EXPECT_THROW(TImportJournal journal(other), SqliteError);

    const std::string text = folder.file("text.sqlite");
    std::ofstream(text) << "name,phone\nAnn,123\n";
    EXPECT_THROW(TImportJournal journal(text), SqliteError);
}

}  // namespace
