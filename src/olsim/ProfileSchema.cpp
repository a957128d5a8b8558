#include "olsim/ProfileSchema.h"

#include "olsim/EntryIds.h"
#include "olsim/StoreError.h"
#include "olsim/VersionText.h"

namespace olsim {
namespace {

constexpr std::string_view kCreateTables = R"sql(
CREATE TABLE profile (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL
) STRICT;
CREATE TABLE items (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    folder INTEGER NOT NULL
) STRICT;
CREATE INDEX items_by_folder ON items (folder, id);
CREATE TABLE item_properties (
    item_id INTEGER NOT NULL REFERENCES items (id) ON DELETE CASCADE,
    name TEXT NOT NULL,
    value ANY,
    PRIMARY KEY (item_id, name)
) STRICT, WITHOUT ROWID;
CREATE TABLE user_properties (
    item_id INTEGER NOT NULL REFERENCES items (id) ON DELETE CASCADE,
    position INTEGER NOT NULL,
    name TEXT NOT NULL,
    type INTEGER NOT NULL,
    value ANY,
    PRIMARY KEY (item_id, position)
) STRICT, WITHOUT ROWID;
CREATE TABLE recurrence_patterns (
    item_id INTEGER PRIMARY KEY REFERENCES items (id) ON DELETE CASCADE,
    recurrence_type INTEGER NOT NULL,
    interval INTEGER NOT NULL,
    day_of_week_mask INTEGER NOT NULL,
    day_of_month INTEGER NOT NULL,
    instance INTEGER NOT NULL,
    month_of_year INTEGER NOT NULL,
    pattern_end_date REAL NOT NULL
) STRICT;
)sql";

int PragmaNumber(SqliteDatabase& db, std::string_view pragma)
{
    SqliteStatement statement(db, "PRAGMA " + std::string(pragma));
    statement.Start();
    const int value = statement.Step() ? static_cast<int>(statement.Int64(0)) : 0;
    statement.Start();
    return value;
}

bool HasTables(SqliteDatabase& db)
{
    SqliteStatement statement(db, "SELECT count(*) FROM sqlite_schema");
    statement.Start();
    const bool any = statement.Step() && statement.Int64(0) > 0;
    statement.Start();
    return any;
}

void CreateProfile(SqliteDatabase& db, const std::string& path)
{
    SqliteTransaction transaction(db);
    // Another process may have created it while this one waited for the lock.
    if (PragmaNumber(db, "application_id") == kProfileApplicationId)
        return;
    db.Execute(kCreateTables);
    const std::string uid = NewStoreUid();
    SqliteStatement insert(db, "INSERT INTO profile (key, value) VALUES (?1, ?2)");
    const std::pair<std::string_view, std::string> values[] = {
        {"store_uid", uid},
        {"store_id", MakeStoreId(uid, path)},
        {"outlook_version", std::string(kDefaultOutlookVersion)},
    };
    for (const auto& [key, value] : values)
        insert.Start().Bind(1, key).Bind(2, value).Run();
    db.Execute("PRAGMA application_id = " + std::to_string(kProfileApplicationId) + "; PRAGMA user_version = " +
               std::to_string(kProfileSchemaVersion));
    transaction.Commit();
}

// Saves go to a write-ahead log, which readers in other processes do not wait for. A large
// folder spans hundreds of megabytes: its upper pages stay in a larger page cache between
// saves, and the log is copied back (and synced) every 64 MB instead of every 4 MB, so that a
// long import does not keep waiting for the disk.
void UseWriteAheadLog(SqliteDatabase& db)
{
    db.Execute("PRAGMA journal_mode = WAL");
    db.Execute("PRAGMA synchronous = NORMAL");
    db.Execute("PRAGMA cache_size = -65536");
    db.Execute("PRAGMA wal_autocheckpoint = 16384");
}

}  // namespace

void PrepareProfile(SqliteDatabase& db, const std::string& path)
{
    try {
        PragmaNumber(db, "schema_version");
    } catch (const StoreError&) {
        throw StoreError("the file is not an Outlook simulator profile");
    }
    db.Execute("PRAGMA foreign_keys = ON");
    const int applicationId = PragmaNumber(db, "application_id");
    if (applicationId == 0 && !HasTables(db)) {
        UseWriteAheadLog(db);
        CreateProfile(db, path);
        return;
    }
    if (applicationId != kProfileApplicationId)
        throw StoreError("the file is not an Outlook simulator profile");
    const int version = PragmaNumber(db, "user_version");
    if (version > kProfileSchemaVersion)
        throw StoreError("the profile was made by a newer version of olsim (schema " + std::to_string(version) + ")");
    if (version < 1)
        throw StoreError("the profile is incomplete (schema version " + std::to_string(version) + ")");
    UseWriteAheadLog(db);
}

}  // namespace olsim
