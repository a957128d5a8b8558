// Identifiers in Outlook's form: upper-case hexadecimal of MAPI binary ids.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace olsim {

// 32 hexadecimal digits of fresh random bytes: the unique id of a new profile's store.
std::string NewStoreUid();

// Four zero bytes, the store's unique id and the item's number: 48 hexadecimal digits.
std::string MakeEntryId(std::string_view storeUid, std::int64_t itemId);
// The item's number in an EntryID of the store (hexadecimal digits in either case); none
// for an id of another store or one not in that form.
std::optional<std::int64_t> ItemNumberOfEntryId(std::string_view entryId, std::string_view storeUid);

// A wrapped store id as a personal-folders store has it: the wrapper's provider id, the
// provider's library name, the store's unique id and the path of its file in UTF-16.
std::string MakeStoreId(std::string_view storeUid, std::string_view path);

}  // namespace olsim
