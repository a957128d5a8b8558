#include "olsim/ProfileStore.h"

#include "olsim/EntryIds.h"
#include "olsim/ProfileSchema.h"
#include "olsim/StoreError.h"
#include "olsim/UserPropertyRules.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace olsim {
namespace {

const std::string& CreatedParentOf(const std::string& path)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!parent.empty() && !std::filesystem::exists(parent, error)) {
        std::filesystem::create_directories(parent, error);
        if (error)
            throw StoreError("cannot create the folder " + parent.string() + ": " + error.message());
    }
    return path;
}

void BindValue(SqliteStatement& statement, int index, const PropertyValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        statement.Bind(index, std::string_view(*text));
    else if (const auto* number = std::get_if<std::int32_t>(&value))
        statement.Bind(index, std::int64_t{*number});
    else if (const auto* flag = std::get_if<bool>(&value))
        statement.Bind(index, std::int64_t{*flag ? 1 : 0});
    else if (const auto* date = std::get_if<double>(&value))
        statement.Bind(index, *date);
    else
        statement.BindNull(index);
}

PropertyValue ColumnValue(const SqliteStatement& statement, int column, ValueType type)
{
    if (statement.IsNull(column))
        return {};
    switch (type) {
    case ValueType::Text:
        return TextValue(statement.Text(column));
    case ValueType::Long:
        return LongValue(static_cast<std::int32_t>(statement.Int64(column)));
    case ValueType::Bool:
        return BoolValue(statement.Int64(column) != 0);
    case ValueType::Date:
        return DateValue(statement.Double(column));
    }
    return {};
}

}  // namespace

struct ProfileStore::Statements {
    explicit Statements(const SqliteDatabase& db)
        : beginRead(db, "BEGIN"),
          endRead(db, "COMMIT"),
          dataVersion(db, "PRAGMA data_version"),
          listFolder(db, "SELECT id FROM items WHERE folder = ?1 ORDER BY id"),
          itemExists(db, "SELECT folder FROM items WHERE id = ?1"),
          listFolderFrom(db, "SELECT id FROM items WHERE folder = ?1 AND id >= ?2 ORDER BY id LIMIT ?3"),
          loadProperties(db, "SELECT item_id, name, value FROM item_properties WHERE item_id BETWEEN ?1 AND ?2"),
          loadUserProperties(db, "SELECT item_id, name, type, value FROM user_properties "
                                 "WHERE item_id BETWEEN ?1 AND ?2 ORDER BY item_id, position"),
          loadPattern(db, "SELECT item_id, recurrence_type, interval, day_of_week_mask, day_of_month, instance, "
                          "month_of_year, pattern_end_date FROM recurrence_patterns WHERE item_id BETWEEN ?1 AND ?2"),
          insertItem(db, "INSERT INTO items (folder) VALUES (?1)"),
          deleteItem(db, "DELETE FROM items WHERE id = ?1 AND folder = ?2"),
          deleteProperty(db, "DELETE FROM item_properties WHERE item_id = ?1 AND name = ?2"),
          writeProperty(db, "INSERT INTO item_properties (item_id, name, value) VALUES (?1, ?2, ?3) "
                            "ON CONFLICT (item_id, name) DO UPDATE SET value = excluded.value"),
          deleteUserProperties(db, "DELETE FROM user_properties WHERE item_id = ?1"),
          insertUserProperty(db, "INSERT INTO user_properties (item_id, position, name, type, value) "
                                 "VALUES (?1, ?2, ?3, ?4, ?5)"),
          deletePattern(db, "DELETE FROM recurrence_patterns WHERE item_id = ?1"),
          insertPattern(db, "INSERT INTO recurrence_patterns (item_id, recurrence_type, interval, day_of_week_mask, "
                            "day_of_month, instance, month_of_year, pattern_end_date) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)")
    {
    }

    SqliteStatement beginRead;
    SqliteStatement endRead;
    SqliteStatement dataVersion;
    SqliteStatement listFolder;
    SqliteStatement itemExists;
    SqliteStatement listFolderFrom;
    SqliteStatement loadProperties;
    SqliteStatement loadUserProperties;
    SqliteStatement loadPattern;
    SqliteStatement insertItem;
    SqliteStatement deleteItem;
    SqliteStatement deleteProperty;
    SqliteStatement writeProperty;
    SqliteStatement deleteUserProperties;
    SqliteStatement insertUserProperty;
    SqliteStatement deletePattern;
    SqliteStatement insertPattern;
};

ProfileStore::ProfileStore(const std::string& path) : m_path(path), m_db(CreatedParentOf(path))
{
    PrepareProfile(m_db, m_path);
    m_storeUid = ProfileValue("store_uid");
    m_storeId = ProfileValue("store_id");
    m_statements = std::make_unique<Statements>(m_db);
}

ProfileStore::~ProfileStore() = default;

std::string ProfileStore::ProfileValue(std::string_view key)
{
    SqliteStatement select(m_db, "SELECT value FROM profile WHERE key = ?1");
    select.Start().Bind(1, key);
    if (!select.Step())
        throw StoreError("the profile has no " + std::string(key));
    std::string value = select.Text(0);
    select.Start();
    return value;
}

std::string ProfileStore::OutlookVersion() { return ProfileValue("outlook_version"); }

void ProfileStore::SetOutlookVersion(const std::string& version)
{
    SqliteStatement update(m_db, "UPDATE profile SET value = ?1 WHERE key = 'outlook_version'");
    update.Start().Bind(1, std::string_view(version)).Run();
}

std::int64_t ProfileStore::DataVersion()
{
    SqliteStatement& pragma = m_statements->dataVersion;
    pragma.Start();
    const std::int64_t version = pragma.Step() ? pragma.Int64(0) : 0;
    pragma.Start();
    return version;
}

std::vector<std::int64_t> ProfileStore::ListFolder(ItemKind kind)
{
    std::vector<std::int64_t> ids;
    SqliteStatement& list = m_statements->listFolder;
    list.Start().Bind(1, std::int64_t{Info(kind).folderNumber});
    while (list.Step())
        ids.push_back(list.Int64(0));
    return ids;
}

ItemData ProfileStore::Load(ItemKind kind, std::int64_t id)
{
    if (auto ahead = TakeReadAhead(kind, id))
        return std::move(*ahead);
    // A walk goes on where the last run ended: read a longer run, up to a bound.
    constexpr std::size_t kLongestRun = 256;
    const bool walking = kind == m_readAhead.kind && id == m_readAhead.nextId && id != 0;
    const std::size_t window = walking ? std::min(m_readAhead.window * 2, kLongestRun) : 1;
    m_readAhead = ReadAhead{};

    Statements& s = *m_statements;
    // One read transaction takes the database's locks once for all the queries.
    s.beginRead.Start().Run();
    try {
        std::int64_t nextId = 0;
        std::vector<ItemData> run = ReadRun(kind, id, window, nextId);
        const std::int64_t dataVersion = DataVersion();
        s.endRead.Start().Run();
        ItemData first = std::move(run.front());
        m_readAhead.kind = kind;
        m_readAhead.items = std::move(run);
        m_readAhead.next = 1;
        m_readAhead.nextId = nextId;
        m_readAhead.window = window;
        m_readAhead.dataVersion = dataVersion;
        return first;
    } catch (...) {
        sqlite3_exec(m_db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::optional<ItemKind> ProfileStore::KindOf(std::int64_t id)
{
    SqliteStatement& exists = m_statements->itemExists;
    exists.Start().Bind(1, id);
    const std::optional<std::int64_t> folder = exists.Step() ? std::optional(exists.Int64(0)) : std::nullopt;
    exists.Start();
    if (!folder)
        return std::nullopt;
    return KindForFolderNumber(static_cast<int>(*folder));
}

std::optional<ItemData> ProfileStore::TakeReadAhead(ItemKind kind, std::int64_t id)
{
    ReadAhead& ahead = m_readAhead;
    if (ahead.kind != kind || ahead.next >= ahead.items.size())
        return std::nullopt;
    const auto begin = ahead.items.begin() + static_cast<std::ptrdiff_t>(ahead.next);
    const auto found = std::lower_bound(begin, ahead.items.end(), id,
                                        [](const ItemData& item, std::int64_t wanted) { return item.id < wanted; });
    if (found == ahead.items.end() || found->id != id)
        return std::nullopt;
    if (DataVersion() != ahead.dataVersion) {
        ahead = ReadAhead{};
        return std::nullopt;
    }
    ahead.next = static_cast<std::size_t>(found - ahead.items.begin()) + 1;
    return std::move(*found);
}

std::vector<ItemData> ProfileStore::ReadRun(ItemKind kind, std::int64_t firstId, std::size_t count,
                                            std::int64_t& nextId)
{
    Statements& s = *m_statements;
    std::vector<ItemData> run;
    s.listFolderFrom.Start()
        .Bind(1, std::int64_t{Info(kind).folderNumber})
        .Bind(2, firstId)
        .Bind(3, static_cast<std::int64_t>(count + 1));
    nextId = 0;
    while (s.listFolderFrom.Step()) {
        const std::int64_t id = s.listFolderFrom.Int64(0);
        if (run.size() == count) {
            nextId = id;
            continue;
        }
        ItemData& item = run.emplace_back(kind);
        item.id = id;
        item.entryId = MakeEntryId(m_storeUid, id);
        item.saved = true;
    }
    if (run.empty() || run.front().id != firstId)
        throw ItemGoneError();
    ReadContent(kind, run);
    return run;
}

void ProfileStore::ReadContent(ItemKind kind, std::span<ItemData> run)
{
    Statements& s = *m_statements;
    // The rows of every item in the run's id range; those of other folders' items are passed over.
    const std::int64_t firstId = run.front().id;
    const std::int64_t lastId = run.back().id;
    const auto itemOf = [&run](std::int64_t id) -> ItemData* {
        const auto found = std::lower_bound(run.begin(), run.end(), id,
                                            [](const ItemData& item, std::int64_t wanted) { return item.id < wanted; });
        return found != run.end() && found->id == id ? &*found : nullptr;
    };
    const auto properties = Info(kind).properties;
    s.loadProperties.Start().Bind(1, firstId).Bind(2, lastId);
    while (s.loadProperties.Step()) {
        ItemData* item = itemOf(s.loadProperties.Int64(0));
        const int row = item ? FindProperty(kind, s.loadProperties.TextView(1)) : -1;
        if (row >= 0)
            item->values[static_cast<std::size_t>(row)] =
                ColumnValue(s.loadProperties, 2, properties[static_cast<std::size_t>(row)].type);
    }
    s.loadUserProperties.Start().Bind(1, firstId).Bind(2, lastId);
    while (s.loadUserProperties.Step()) {
        ItemData* item = itemOf(s.loadUserProperties.Int64(0));
        if (!item)
            continue;
        UserPropertyData property{s.loadUserProperties.Text(1),
                                  static_cast<std::int32_t>(s.loadUserProperties.Int64(2)), {}};
        const ValueType type = UserPropertyValueType(property.type).value_or(ValueType::Text);
        property.value = ColumnValue(s.loadUserProperties, 3, type);
        item->userProperties.push_back(std::move(property));
    }
    s.loadPattern.Start().Bind(1, firstId).Bind(2, lastId);
    while (s.loadPattern.Step()) {
        ItemData* item = itemOf(s.loadPattern.Int64(0));
        if (!item)
            continue;
        RecurrenceData pattern;
        const auto column = [&](int index) { return static_cast<std::int32_t>(s.loadPattern.Int64(index)); };
        pattern.recurrenceType = column(1);
        pattern.interval = column(2);
        pattern.dayOfWeekMask = column(3);
        pattern.dayOfMonth = column(4);
        pattern.instance = column(5);
        pattern.monthOfYear = column(6);
        pattern.patternEndDate = s.loadPattern.Double(7);
        item->recurrence = pattern;
    }
}

void ProfileStore::SaveInTransaction(ItemData& item)
{
    m_readAhead = ReadAhead{};
    Statements& s = *m_statements;
    ItemData stored(item.kind);
    if (item.id == 0) {
        s.insertItem.Start().Bind(1, std::int64_t{Info(item.kind).folderNumber}).Run();
        stored.id = m_db.LastInsertRowId();
    } else {
        s.itemExists.Start().Bind(1, item.id);
        const bool exists = s.itemExists.Step();
        s.itemExists.Start();
        if (!exists)
            throw ItemGoneError();
        stored.id = item.id;
        ReadContent(item.kind, {&stored, 1});
    }
    WriteChanges(item, stored);
    item.id = stored.id;
}

void ProfileStore::WriteChanges(const ItemData& item, const ItemData& stored)
{
    Statements& s = *m_statements;
    const std::int64_t id = stored.id;
    const auto properties = Info(item.kind).properties;
    for (std::size_t row = 0; row < properties.size(); ++row) {
        const PropertyValue& value = item.values[row];
        if (value == stored.values[row])
            continue;
        if (IsSet(value)) {
            s.writeProperty.Start().Bind(1, id).Bind(2, properties[row].name);
            BindValue(s.writeProperty, 3, value);
            s.writeProperty.Run();
        } else {
            s.deleteProperty.Start().Bind(1, id).Bind(2, properties[row].name).Run();
        }
    }
    if (item.userProperties != stored.userProperties) {
        s.deleteUserProperties.Start().Bind(1, id).Run();
        for (std::size_t position = 0; position < item.userProperties.size(); ++position) {
            const UserPropertyData& property = item.userProperties[position];
            s.insertUserProperty.Start()
                .Bind(1, id)
                .Bind(2, static_cast<std::int64_t>(position))
                .Bind(3, std::string_view(property.name))
                .Bind(4, std::int64_t{property.type});
            BindValue(s.insertUserProperty, 5, property.value);
            s.insertUserProperty.Run();
        }
    }
    if (item.recurrence != stored.recurrence) {
        s.deletePattern.Start().Bind(1, id).Run();
        if (item.recurrence) {
            const RecurrenceData& p = *item.recurrence;
            s.insertPattern.Start()
                .Bind(1, id)
                .Bind(2, std::int64_t{p.recurrenceType})
                .Bind(3, std::int64_t{p.interval})
                .Bind(4, std::int64_t{p.dayOfWeekMask})
                .Bind(5, std::int64_t{p.dayOfMonth})
                .Bind(6, std::int64_t{p.instance})
                .Bind(7, std::int64_t{p.monthOfYear})
                .Bind(8, p.patternEndDate)
                .Run();
        }
    }
}

void ProfileStore::Save(ItemData& item) { SaveAll({&item, 1}); }

void ProfileStore::SaveAll(std::span<ItemData> items)
{
    std::vector<std::int64_t> previousIds;
    previousIds.reserve(items.size());
    for (const ItemData& item : items)
        previousIds.push_back(item.id);
    try {
        SqliteTransaction transaction(m_db);
        for (ItemData& item : items)
            SaveInTransaction(item);
        transaction.Commit();
    } catch (...) {
        for (std::size_t i = 0; i < items.size(); ++i)
            items[i].id = previousIds[i];
        throw;
    }
    for (ItemData& item : items) {
        item.entryId = MakeEntryId(m_storeUid, item.id);
        item.saved = true;
    }
}

void ProfileStore::Delete(ItemKind kind, std::int64_t id)
{
    m_readAhead = ReadAhead{};
    SqliteTransaction transaction(m_db);
    // The item's properties, user properties and pattern go with it (ON DELETE CASCADE).
    m_statements->deleteItem.Start().Bind(1, id).Bind(2, std::int64_t{Info(kind).folderNumber}).Run();
    if (m_db.Changes() == 0)
        throw ItemGoneError();
    transaction.Commit();
}

ProfileStore::Batch::Batch(ProfileStore& store) : m_store(store), m_transaction(store.m_db) {}

void ProfileStore::Batch::Save(ItemData& item)
{
    m_store.SaveInTransaction(item);
    item.entryId = MakeEntryId(m_store.m_storeUid, item.id);
    item.saved = true;
}

void ProfileStore::Batch::Commit() { m_transaction.Commit(); }

std::size_t ProfileStore::Clear(std::optional<ItemKind> kind)
{
    m_readAhead = ReadAhead{};
    SqliteTransaction transaction(m_db);
    if (kind) {
        SqliteStatement remove(m_db, "DELETE FROM items WHERE folder = ?1");
        remove.Start().Bind(1, std::int64_t{Info(*kind).folderNumber}).Run();
    } else {
        m_db.Execute("DELETE FROM items");
    }
    const auto removed = static_cast<std::size_t>(m_db.Changes());
    transaction.Commit();
    return removed;
}

}  // namespace olsim
