// What the import child tells the test on its standard output, one byte at a time: the
// start mark once every line is read and Outlook is open, then a record mark after each
// record the import has handed to Outlook.
#pragma once

namespace crash_test {

inline constexpr char kStartMark = 'S';
inline constexpr char kRecordMark = '.';

// Exit codes of the child beside 0 (every record stored).
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoOutlook = 3;
inline constexpr int kExitNoRecords = 4;
inline constexpr int kExitNotAllStored = 5;
inline constexpr int kExitNoJournal = 6;

}  // namespace crash_test
