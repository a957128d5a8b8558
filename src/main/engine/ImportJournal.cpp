#include "main/engine/ImportJournal.h"

#include "common/misc/SqliteDatabase.h"
#include "main/engine/Apputil.h"

namespace {

// "BrJo" in the header, so no other SQLite file is taken for a journal.
constexpr std::int64_t kApplicationId = 0x42724A6F;
constexpr std::int64_t kSchemaVersion = 1;
constexpr const char* kFileName = "importjournal.sqlite";

constexpr std::string_view kSchema = R"(
CREATE TABLE runs (
    id INTEGER PRIMARY KEY,
    started REAL NOT NULL,
    kind INTEGER NOT NULL,
    csv_file TEXT NOT NULL,
    settings TEXT NOT NULL,
    finished INTEGER NOT NULL DEFAULT 0,
    undone REAL NOT NULL DEFAULT 0
);
CREATE TABLE entries (
    run INTEGER NOT NULL REFERENCES runs(id),
    seq INTEGER NOT NULL,
    row INTEGER NOT NULL,
    action INTEGER NOT NULL,
    entry_id TEXT NOT NULL DEFAULT '',
    stamp REAL NOT NULL,
    written REAL NOT NULL DEFAULT 0,
    previous TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (run, seq)
) WITHOUT ROWID;
)";

std::int64_t Pragma(SqliteDatabase& db, const char* szName)
{
    SqliteStatement statement(db, std::string("PRAGMA ") + szName);
    statement.Start();
    const std::int64_t value = statement.Step() ? statement.Int64(0) : 0;
    while (statement.Step()) {
    }
    return value;
}

void PrepareJournal(SqliteDatabase& db)
{
    db.Execute("PRAGMA journal_mode = WAL");
    // A process killed keeps every commit under WAL with NORMAL; only a power cut may cost
    // the last ones, and fsync on every record would cost the import its speed.
    db.Execute("PRAGMA synchronous = NORMAL");
    // A run commits once per record: fewer, larger checkpoints keep their syncs rare.
    db.Execute("PRAGMA wal_autocheckpoint = 8192");
    db.Execute("BEGIN IMMEDIATE");
    try {
        const std::int64_t nApplication = Pragma(db, "application_id");
        const std::int64_t nVersion = Pragma(db, "user_version");
        if (nApplication == 0 && nVersion == 0) {
            db.Execute(kSchema);
            db.Execute("PRAGMA application_id = " + std::to_string(kApplicationId) +
                       "; PRAGMA user_version = " + std::to_string(kSchemaVersion));
        } else if (nApplication != kApplicationId) {
            throw SqliteError("the file is not an import journal");
        } else if (nVersion > kSchemaVersion) {
            throw SqliteError("the import journal was written by a newer version of the program");
        }
        db.Execute("COMMIT");
    } catch (...) {
        db.Execute("ROLLBACK");
        throw;
    }
}

std::string_view CountColumns()
{
    return "SUM(e.action IN (0, 1)), SUM(e.action IN (2, 3)), SUM(e.action = 4), SUM(e.action = 5)";
}

TJournalRun ReadRun(const SqliteStatement& statement)
{
    TJournalRun run;
    run.nId = statement.Int64(0);
    run.dStarted = statement.Double(1);
    run.nFlag = static_cast<int>(statement.Int64(2));
    run.csvFile = statement.Text(3);
    run.settings = statement.Text(4);
    run.bFinished = statement.Int64(5) != 0;
    run.dUndone = statement.Double(6);
    run.nAdded = static_cast<int>(statement.Int64(7));
    run.nUpdated = static_cast<int>(statement.Int64(8));
    run.nIdentical = static_cast<int>(statement.Int64(9));
    run.nRefused = static_cast<int>(statement.Int64(10));
    return run;
}

std::string RunQuery(std::string_view where)
{
    return "SELECT r.id, r.started, r.kind, r.csv_file, r.settings, r.finished, r.undone, " + std::string(CountColumns()) +
           " FROM runs r LEFT JOIN entries e ON e.run = r.id " + std::string(where) +
           " GROUP BY r.id ORDER BY r.id DESC";
}

}  // namespace

struct TImportJournal::Statements {
    explicit Statements(const SqliteDatabase& db)
        : begin(db, "BEGIN IMMEDIATE"),
          commit(db, "COMMIT"),
          insert(db, "INSERT INTO entries (run, seq, row, action, entry_id, stamp, written, previous) "
                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
          complete(db, "UPDATE entries SET action = ?, entry_id = CASE WHEN ? = '' THEN entry_id ELSE ? END, "
                       "written = ? WHERE run = ? AND seq = ?")
    {
    }

    SqliteStatement begin;
    SqliteStatement commit;
    SqliteStatement insert;
    SqliteStatement complete;
};

TImportJournal::TImportJournal(const std::string& path) : m_path(path), m_db(std::make_unique<SqliteDatabase>(path))
{
    PrepareJournal(*m_db);
    m_statements = std::make_unique<Statements>(*m_db);
}

TImportJournal::~TImportJournal()
{
    if (m_bInTransaction) {
        try {
            Commit();
        } catch (const SqliteError&) {
            // What was not committed announced no write: losing it loses nothing undo needs.
        }
    }
}

void TImportJournal::Begin()
{
    if (!m_bInTransaction) {
        m_statements->begin.Start().Run();
        m_bInTransaction = true;
    }
}

void TImportJournal::Commit()
{
    if (m_bInTransaction) {
        m_bInTransaction = false;
        m_statements->commit.Start().Run();
    }
}

std::int64_t TImportJournal::NextSeq(std::int64_t nRun)
{
    if (nRun != m_nSeqRun) {
        SqliteStatement last(*m_db, "SELECT COALESCE(MAX(seq), 0) FROM entries WHERE run = ?");
        last.Start().Bind(1, nRun);
        m_nNextSeq = 1;
        while (last.Step())
            m_nNextSeq = last.Int64(0) + 1;
        m_nSeqRun = nRun;
    }
    return m_nNextSeq++;
}

std::int64_t TImportJournal::BeginRun(int nFlag, std::string_view csvFile, std::string_view settings, DATE dStarted)
{
    Commit();
    SqliteStatement insert(*m_db, "INSERT INTO runs (started, kind, csv_file, settings) VALUES (?, ?, ?, ?)");
    insert.Start().Bind(1, dStarted).Bind(2, static_cast<std::int64_t>(nFlag)).Bind(3, csvFile).Bind(4, settings).Run();
    return m_db->LastInsertRowId();
}

std::int64_t TImportJournal::AddEntry(std::int64_t nRun, const TJournalEntry& entry)
{
    Begin();
    const std::int64_t nSeq = NextSeq(nRun);
    m_statements->insert.Start()
        .Bind(1, nRun)
        .Bind(2, nSeq)
        .Bind(3, static_cast<std::int64_t>(entry.nRow))
        .Bind(4, static_cast<std::int64_t>(entry.nAction))
        .Bind(5, entry.entryId)
        .Bind(6, entry.dStamp)
        .Bind(7, entry.dWritten)
        .Bind(8, entry.previous)
        .Run();
    if (entry.nAction == TJournalAction::Adding || entry.nAction == TJournalAction::Updating)
        Commit();
    return nSeq;
}

void TImportJournal::CompleteEntry(std::int64_t nRun, std::int64_t nSeq, TJournalAction nAction,
                                   std::string_view entryId, DATE dWritten)
{
    Begin();
    m_statements->complete.Start()
        .Bind(1, static_cast<std::int64_t>(nAction))
        .Bind(2, entryId)
        .Bind(3, entryId)
        .Bind(4, dWritten)
        .Bind(5, nRun)
        .Bind(6, nSeq)
        .Run();
}

void TImportJournal::FinishRun(std::int64_t nRun)
{
    Begin();
    SqliteStatement update(*m_db, "UPDATE runs SET finished = 1 WHERE id = ?");
    update.Start().Bind(1, nRun).Run();
    Commit();
}

void TImportJournal::MarkUndone(std::int64_t nRun, DATE dUndone)
{
    Commit();
    SqliteStatement update(*m_db, "UPDATE runs SET undone = ? WHERE id = ?");
    update.Start().Bind(1, dUndone).Bind(2, nRun).Run();
}

std::vector<TJournalRun> TImportJournal::Runs(std::size_t nMax)
{
    Commit();
    SqliteStatement query(*m_db, RunQuery("") + " LIMIT ?");
    query.Start().Bind(1, static_cast<std::int64_t>(nMax));
    std::vector<TJournalRun> runs;
    while (query.Step())
        runs.push_back(ReadRun(query));
    return runs;
}

std::optional<TJournalRun> TImportJournal::Run(std::int64_t nRun)
{
    Commit();
    SqliteStatement query(*m_db, RunQuery("WHERE r.id = ?"));
    query.Start().Bind(1, nRun);
    std::optional<TJournalRun> run;
    while (query.Step())
        run = ReadRun(query);
    return run;
}

std::vector<TJournalEntry> TImportJournal::Entries(std::int64_t nRun)
{
    Commit();
    SqliteStatement query(*m_db, "SELECT seq, row, action, entry_id, stamp, written, previous FROM entries "
                                 "WHERE run = ? ORDER BY seq");
    query.Start().Bind(1, nRun);
    std::vector<TJournalEntry> entries;
    while (query.Step()) {
        TJournalEntry entry;
        entry.nSeq = query.Int64(0);
        entry.nRow = static_cast<int>(query.Int64(1));
        entry.nAction = static_cast<TJournalAction>(query.Int64(2));
        entry.entryId = query.Text(3);
        entry.dStamp = query.Double(4);
        entry.dWritten = query.Double(5);
        entry.previous = query.Text(6);
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool TImportJournal::KnowsEntryId(std::string_view entryId)
{
    Commit();
    SqliteStatement query(*m_db, "SELECT 1 FROM entries WHERE entry_id = ? LIMIT 1");
    query.Start().Bind(1, entryId);
    bool bKnown = false;
    while (query.Step())
        bKnown = true;
    return bKnown;
}

std::string DefaultJournalPath()
{
    char szFolder[MAX_PATH] = "";
    if (!GetAppDataFolder(szFolder))
        return {};
    return std::string(szFolder) + kFileName;
}

DATE JournalNow()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    DATE dNow = 0;
    SystemTimeToVariantTime(&now, &dNow);
    return dNow;
}
