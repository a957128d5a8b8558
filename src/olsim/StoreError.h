// A failure of the profile database, with a message fit for the user or the log: SQLite's
// own failures and the profile's (not a profile, made by a newer version) alike.
#pragma once

#include "common/misc/SqliteDatabase.h"

namespace olsim {

using StoreError = SqliteError;

// The item asked for is no longer in the profile: deleted through this session or by
// another process.
class ItemGoneError : public StoreError {
public:
    ItemGoneError() : StoreError(kMessage) {}

    // Outlook's words for an item that was moved or deleted.
    static constexpr const char* kMessage = "The item has been moved or deleted.";
};

}  // namespace olsim
