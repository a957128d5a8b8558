// What storing one CSV text into a record did, so that the import can count the values it
// had to shorten or could not read instead of changing them silently.
#pragma once

#include <cstddef>

enum class TFieldStore {
    NotImported,    // the kind does not import the field: nothing was stored
    Stored,         // the value was stored whole, or the field's rules store nothing of it
                    // (a blank date, time, flag or count; a contact field an earlier
                    // column filled)
    Cut,            // the text was longer than the record holds: stored cut at a whole character
    NotUnderstood,  // the text is no value of the field: nothing was stored
};

// Copies szText into the text member of nSize bytes, cut at a whole UTF-8 character to
// nSize - 1 bytes and terminated.
TFieldStore StoreCutText(const char* szText, char* pMember, std::size_t nSize);
