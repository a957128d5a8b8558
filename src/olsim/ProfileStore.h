// The profile: a SQLite database holding the items of the four default folders and the
// simulated Outlook's version. Every save is one transaction.
#pragma once

#include "olsim/ItemData.h"
#include "common/misc/SqliteDatabase.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace olsim {

class ProfileStore {
public:
    // Opens the profile at path, creating its folder and an empty profile when missing.
    // Throws StoreError with the reason when it cannot be opened or is not a profile.
    explicit ProfileStore(const std::string& path);
    ~ProfileStore();
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    const std::string& Path() const { return m_path; }
    const std::string& StoreId() const { return m_storeId; }

    std::string OutlookVersion();
    void SetOutlookVersion(const std::string& version);

    // Changes whenever another connection (another process) commits to the profile.
    std::int64_t DataVersion();

    // The ids of the folder's items in the order they were first saved.
    std::vector<std::int64_t> ListFolder(ItemKind kind);
    // The saved item; throws ItemGoneError when it is no longer there.
    ItemData Load(ItemKind kind, std::int64_t id);
    // The kind of the saved item with that id; none when there is no such item.
    std::optional<ItemKind> KindOf(std::int64_t id);
    // The unique id of the store, of which every EntryID of the profile is made.
    const std::string& StoreUid() const { return m_storeUid; }

    // Inserts a new item (giving it its id and EntryID) or replaces a saved one, all in
    // one transaction; on failure the profile and the item are as they were.
    void Save(ItemData& item);
    // Saves many items in one transaction.
    void SaveAll(std::span<ItemData> items);
    // Removes the saved item with everything it holds, in one transaction; throws
    // ItemGoneError when the folder no longer has it.
    void Delete(ItemKind kind, std::int64_t id);

    // One transaction for any number of saves, for filling a profile fast: nothing of it
    // is kept unless Commit is reached.
    class Batch {
    public:
        explicit Batch(ProfileStore& store);
        // The item gets its id and EntryID; they stand only once the batch is committed.
        void Save(ItemData& item);
        void Commit();

    private:
        ProfileStore& m_store;
        SqliteTransaction m_transaction;
    };

    // Deletes every item of the kind, or of every kind; returns how many went.
    std::size_t Clear(std::optional<ItemKind> kind);

private:
    struct Statements;

    // Items read ahead of a walk through a folder. A walk asks for the items one after the
    // other; reading runs of them (growing while the walk goes on) costs a few queries per
    // run instead of several per item. A run is dropped when this store writes, and not
    // used once another connection has changed the profile.
    struct ReadAhead {
        ItemKind kind = ItemKind::Contact;
        std::vector<ItemData> items;  // in id order
        std::size_t next = 0;         // the first of items not yet handed out
        std::int64_t nextId = 0;      // the folder's item after the run; 0 when there is none
        std::size_t window = 1;
        std::int64_t dataVersion = 0;
    };

    std::optional<ItemData> TakeReadAhead(ItemKind kind, std::int64_t id);
    // The folder's items from firstId on, at most count of them; throws StoreError when
    // firstId is not an item of the folder. nextId gets the item after them.
    std::vector<ItemData> ReadRun(ItemKind kind, std::int64_t firstId, std::size_t count, std::int64_t& nextId);
    // Reads the properties, user properties and pattern of the items, which are in id order.
    void ReadContent(ItemKind kind, std::span<ItemData> run);
    void SaveInTransaction(ItemData& item);
    // Writes only what differs from the stored content (stored.id names the item): an update
    // touches the rows that changed, not every row of the item.
    void WriteChanges(const ItemData& item, const ItemData& stored);
    std::string ProfileValue(std::string_view key);

    std::string m_path;
    SqliteDatabase m_db;
    std::string m_storeUid;
    std::string m_storeId;
    std::unique_ptr<Statements> m_statements;
    ReadAhead m_readAhead;
};

}  // namespace olsim
