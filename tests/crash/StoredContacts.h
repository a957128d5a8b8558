// What an import left in the profile, seen as the program sees it: through the simulated
// Outlook, and through SQLite's own check of the file.
#pragma once

#include <string>

namespace crash_test {

struct StoredContacts {
    // The simulated Outlook started on the profile and handed over its Contacts folder.
    bool bOpened = false;
    // Contacts of the folder that are, in order, the complete contacts of lines 1, 2, ...
    int nPrefix = 0;
    // Contacts in the folder.
    int nCount = 0;
    // The first contact that is not the complete contact of its line; empty when none.
    std::string problem;
};

// Registers the simulated Outlook on the profile OLSIM_PROFILE names, walks the Contacts
// folder and compares every contact with the line of its position; unregisters at the end.
StoredContacts ReadStoredContacts();

// The rows of PRAGMA integrity_check on the file joined by "; " ("ok" for a sound file), or
// why the file could not be checked.
std::string IntegrityCheck(const std::string& profile);

}  // namespace crash_test
