// What tells the four Outlook item adapters apart, beyond their item images and records: one
// value per kind in every row, so that the kinds can be compared side by side.
#pragma once

#include "common/outlook/OlAdapterShared.h"
#include "common/outlook/OlDateFields.h"
#include "common/outlook/OlNoteFields.h"
#include "common/outlook/OlTaskFields.h"
#include "platform/WinCompat.h"

#include <array>
#include <cstddef>

enum class OlKind : std::size_t { Contacts, Calendar, Tasks, Notes };

// A value for each kind, in OlKind's order.
template <class T>
struct OlPerKind {
    std::array<T, 4> values;

    constexpr T operator[](OlKind kind) const { return values[static_cast<std::size_t>(kind)]; }
};

// Marks a record as coming from (or written to) Outlook.
inline constexpr LONG OL_SOURCE_OUTLOOK = 3;

struct OlKindFacts {
    OlPerKind<const char*> name;  // as SaveRecordByMatch and FindItemForUpdate log the kind
    OlPerKind<LONG> folder;       // GetDefaultFolder's number of the kind's folder
    OlPerKind<LONG> itemType;     // Items.Add's type of a new item
    // Whether the kind's fields are a CSV field table (csvFields), else the adapter has field
    // functions of its own. A flag of its own: a function's address is no constant expression
    // in every build.
    OlPerKind<bool> csvTable;
    OlPerKind<OlCsvFieldTable (*)()> csvFields;  // null where csvTable is false
    // An update starts from the stored record's image, else from an empty one.
    OlPerKind<bool> updatesStoredImage;
    // The manager's stored record follows a successful update (its UpdateRecord).
    OlPerKind<bool> refreshesAfterUpdate;
    // A record added to Outlook is marked with OL_SOURCE_OUTLOOK.
    OlPerKind<bool> marksAddedRecord;
};

inline constexpr OlKindFacts kOlKindFacts{
    .name = {"Contact", "Calendar", "Task", "Notes"},
    .folder = {10, 9, 13, 12},
    .itemType = {2, 1, 3, 5},
    .csvTable = {false, true, true, true},
    .csvFields = {nullptr, &DateCsvFields, &TaskCsvFields, &NoteCsvFields},
    .updatesStoredImage = {true, false, true, true},
    .refreshesAfterUpdate = {false, false, true, true},
    .marksAddedRecord = {false, true, true, true},
};

using OlKindText = OlPerKind<const char*>;

// The log line of each kind at each step, null where the kind logs nothing; the comment names
// the level and the values the text takes.
struct OlKindTexts {
    OlKindText folderFailed;       // error, hr: GetDefaultFolder failed
    OlKindText folderGot;          // information
    OlKindText nameFailed;         // error, hr: the folder's Name
    OlKindText nameGot;            // information, the name
    OlKindText storeIdFailed;      // error, hr; null also means the StoreID is not read
    OlKindText storeIdGot;         // information, the StoreID
    OlKindText itemsReadFailed;    // error, hr: the folder's Items, while loading
    OlKindText itemsAddFailed;     // error, hr: ... while adding
    OlKindText itemsUpdateFailed;  // error, hr: ... while updating
    OlKindText addFailed;          // error, hr: Items.Add
    OlKindText itemAtFailed;       // error, the position, hr: the item an update writes over
    OlKindText saveFailed;         // error, hr: the item's Save
};

namespace ol_kind_text {
inline constexpr const char* kNameFailed = "Failed to get the name of the folder. hr=0x%x";
inline constexpr const char* kContactItems = "Failed to get the \"Items\" property of the Contact folder. hr=0x%x";
inline constexpr const char* kTaskItems = "Failed to get the \"Items\" property of the Task folder. hr=0x%x";
inline constexpr const char* kNoteItems = "Failed to get the \"Items\" property of the Notes folder. hr=0x%x";
inline constexpr const char* kAddFailed = "Failed to call the \"Add\" method. hr=0x%x";
}  // namespace ol_kind_text

// In every row: contacts, calendar, tasks, notes.
inline constexpr OlKindTexts kOlKindTexts{
    .folderFailed = {nullptr, "Failed to call \"GetDefaultFolder\" method. hr=0x%x", nullptr, nullptr},
    .folderGot = {nullptr, "Get Outlook Calendar root folder successfully.", nullptr, nullptr},
    .nameFailed = {"Failed to get the name of the Contact folder. hr=0x%x", ol_kind_text::kNameFailed,
                   ol_kind_text::kNameFailed, ol_kind_text::kNameFailed},
    .nameGot = {"Got the name of the Contacts folder: %s", "Got the name of the Calendar folder: %s",
                "Got the name of the Task folder: %s", "Got the name of the Notes folder: %s"},
    .storeIdFailed = {"Failed to get the StoreID of the Contact folder. hr=0x%x",
                      "Failed to get the StoreID of the Calendar folder. hr=0x%x", nullptr, nullptr},
    .storeIdGot = {"Got the StoreID of the Contact folder: %s", "Got the StoreID of the Calendar folder: %s", nullptr,
                   nullptr},
    .itemsReadFailed = {ol_kind_text::kContactItems, "Failed to get Calendar Items property.",
                        ol_kind_text::kTaskItems, ol_kind_text::kNoteItems},
    .itemsAddFailed = {ol_kind_text::kContactItems,
                       "Failed to get the \"Items\" property of the Calendar folder. hr=0x%x",
                       ol_kind_text::kTaskItems, ol_kind_text::kNoteItems},
    .itemsUpdateFailed = {ol_kind_text::kContactItems, "Failed to get the \"Items\" property of the Calendar folder.",
                          ol_kind_text::kTaskItems, ol_kind_text::kNoteItems},
    .addFailed = {ol_kind_text::kAddFailed, "Failed to call \"Add\" method. hr=0x%x", ol_kind_text::kAddFailed,
                  "Failed to call the \"Add\" method to add notes item. hr=0x%x"},
    .itemAtFailed = {"Failed to get the Contact item by index: %d. hr=0x%x",
                     "Failed to get the Calendar event item by index: %d. hr=0x%x",
                     "Failed to get the item by index: %d. hr=0x%x",
                     "Failed to get the notes item by index: %d. hr=0x%x"},
    .saveFailed = {"Failed to save the Contact item. hr=0x%x", "Failed to save the Calendar item. hr=0x%x",
                   "Failed to save the Task item. hr=0x%x", "Failed to save the Notes item. hr=0x%x"},
};
