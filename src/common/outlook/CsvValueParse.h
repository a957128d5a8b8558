// Reading the CSV values that are not plain text: dates as the program prints them (month
// first), times of day, yes/no flags and counts. Blanks around a value are allowed; a text
// that is no such value gives nothing, so the import can say so instead of guessing.
#pragma once

#include "platform/WinCompat.h"

#include <optional>
#include <string_view>

struct CsvDay {
    WORD wYear;
    WORD wMonth;
    WORD wDay;
    bool operator==(const CsvDay&) const = default;
};

struct CsvTimeOfDay {
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    bool operator==(const CsvTimeOfDay&) const = default;
};

// Whether the text holds nothing but blanks: a column left empty, which stores nothing.
bool IsBlankCsvValue(std::string_view text);

// Month/day/year: month and day of one or two digits, the year of four, a day that exists
// and that CxDateTime prints. A two-digit year is refused: its century would be a guess.
std::optional<CsvDay> ParseCsvDate(std::string_view text);
// H:MM or H:MM:SS on the 24-hour clock, or followed by AM or PM (any case, blanks before
// allowed) on the 12-hour clock. 24:00 is refused: midnight ending a day is 00:00 of the next.
std::optional<CsvTimeOfDay> ParseCsvTime(std::string_view text);
// 1 or 0, True or False, Yes or No, in any case.
std::optional<bool> ParseCsvYesNo(std::string_view text);
// A count of decimal digits alone, at most the largest LONG.
std::optional<LONG> ParseCsvCount(std::string_view text);
