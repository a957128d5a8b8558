// The contacts a crash round imports: every CSV column is a contact field whose text
// carries the contact's serial, so that any stored contact shows which line it came from
// and whether all of it arrived.
#pragma once

#include "platform/WinCompat.h"

#include <span>
#include <string>

namespace crash_test {

struct CrashColumn {
    int nFieldId;                // the contact field the column is mapped to
    const OLECHAR* szProperty;   // the Outlook property the field lands in
    const char* szPattern;       // the text; every '#' stands for the serial
    int nRepeat;                 // how many times the pattern is written one after the other
};

// The columns of the file, in order.
std::span<const CrashColumn> CrashColumns();

// The text of the column for the contact on line nSerial (counted from 1).
std::string CrashValue(const CrashColumn& column, int nSerial);

// Writes nContacts lines, every value in double quotes, no title line; false when the file
// cannot be written completely.
bool WriteCrashCsv(const std::string& path, int nContacts);

// One line of a file: the contact of a serial, its company changed when bChanged, so that
// it writes over the contact of the plain line.
struct CrashLine {
    int nSerial;
    bool bChanged;
};
bool WriteCrashLines(const std::string& path, std::span<const CrashLine> lines);

}  // namespace crash_test
