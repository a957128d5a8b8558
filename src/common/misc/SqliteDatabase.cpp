#include "common/misc/SqliteDatabase.h"

#include <sqlite3.h>

namespace {

constexpr int kBusyTimeoutMs = 5000;

[[noreturn]] void Fail(sqlite3* db, std::string_view what)
{
    throw SqliteError(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

}  // namespace

SqliteDatabase::SqliteDatabase(const std::string& path)
{
    // A connection is only ever used by the thread that opened it: SQLite need not lock it
    // around every call.
    const int rc = sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw SqliteError(message);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close(m_db); }

void SqliteDatabase::Execute(std::string_view sql)
{
    char* error = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(m_db);
        sqlite3_free(error);
        throw SqliteError(message);
    }
}

std::int64_t SqliteDatabase::LastInsertRowId() const { return sqlite3_last_insert_rowid(m_db); }

int SqliteDatabase::Changes() const { return sqlite3_changes(m_db); }

SqliteStatement::SqliteStatement(const SqliteDatabase& db, std::string_view sql) : m_db(db.Handle())
{
    if (sqlite3_prepare_v3(m_db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &m_stmt,
                           nullptr) != SQLITE_OK)
        Fail(m_db, "cannot prepare \"" + std::string(sql) + "\"");
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_stmt); }

SqliteStatement& SqliteStatement::Start()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value)
{
    if (sqlite3_bind_int64(m_stmt, index, value) != SQLITE_OK)
        Fail(m_db, "cannot bind a value");
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, double value)
{
    if (sqlite3_bind_double(m_stmt, index, value) != SQLITE_OK)
        Fail(m_db, "cannot bind a value");
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text)
{
    if (sqlite3_bind_text64(m_stmt, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK)
        Fail(m_db, "cannot bind a text");
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index)
{
    if (sqlite3_bind_null(m_stmt, index) != SQLITE_OK)
        Fail(m_db, "cannot bind a value");
    return *this;
}

bool SqliteStatement::Step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    sqlite3_reset(m_stmt);
    if (rc != SQLITE_DONE)
        Fail(m_db, "the database failed");
    return false;
}

void SqliteStatement::Run()
{
    while (Step()) {
    }
}

bool SqliteStatement::IsNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

std::int64_t SqliteStatement::Int64(int column) const { return sqlite3_column_int64(m_stmt, column); }

double SqliteStatement::Double(int column) const { return sqlite3_column_double(m_stmt, column); }

std::string SqliteStatement::Text(int column) const { return std::string(TextView(column)); }

std::string_view SqliteStatement::TextView(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)))
                : std::string_view();
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : m_db(db) { m_db.Execute("BEGIN IMMEDIATE"); }

SqliteTransaction::~SqliteTransaction()
{
    if (!m_done)
        sqlite3_exec(m_db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::Commit()
{
    m_db.Execute("COMMIT");
    m_done = true;
}
