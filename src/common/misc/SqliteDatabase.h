// Owners for a SQLite connection, its prepared statements and its transactions. Every
// failure throws SqliteError with SQLite's own words.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A failure of a database, with a message fit for the user or the log.
class SqliteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SqliteDatabase {
public:
    // Opens the file, creating it when missing.
    explicit SqliteDatabase(const std::string& path);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Runs one or more statements that return no rows needed by the caller.
    void Execute(std::string_view sql);
    std::int64_t LastInsertRowId() const;
    int Changes() const;
    sqlite3* Handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

// A prepared statement, reset after the last row or a failure so that it never holds a
// read snapshot open between uses.
class SqliteStatement {
public:
    SqliteStatement(const SqliteDatabase& db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Resets the statement and clears its parameters; every use starts with it.
    SqliteStatement& Start();
    SqliteStatement& Bind(int index, std::int64_t value);
    SqliteStatement& Bind(int index, double value);
    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& BindNull(int index);

    // True while there is a row; false when done (the statement is then reset).
    bool Step();
    // Steps a statement that returns no rows.
    void Run();

    bool IsNull(int column) const;
    std::int64_t Int64(int column) const;
    double Double(int column) const;
    std::string Text(int column) const;
    // The column's text, valid until the next step or reset of the statement.
    std::string_view TextView(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// BEGIN IMMEDIATE on construction; rolled back on destruction unless committed.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    void Commit();

private:
    SqliteDatabase& m_db;
    bool m_done = false;
};
