// The layout of a profile database and the check that a file is one of ours.
#pragma once

#include "common/misc/SqliteDatabase.h"

#include <string>

namespace olsim {

// Marks the database as an Outlook simulator profile ("OLSI").
inline constexpr int kProfileApplicationId = 0x4F4C5349;
inline constexpr int kProfileSchemaVersion = 1;

// Sets up the connection (WAL journal, foreign keys) and makes sure the database holds a
// profile of this schema version: an empty database becomes a new profile whose store id
// names path. Throws StoreError for a file that is not a profile or was made by a newer
// version.
void PrepareProfile(SqliteDatabase& db, const std::string& path);

}  // namespace olsim
