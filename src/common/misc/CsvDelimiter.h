// Which of comma, semicolon and tab separates the fields of a CSV text, and how many fields
// its records have. Quoting follows the rule of TCsvRecordWalker and CSV::Parse.
#pragma once

#include <cstddef>
#include <string_view>

// Judged from the first 20 non-blank records: the delimiter that gives every one of them the
// same number of fields, more than one, wins; of several, the one giving the most fields, and
// on a tie comma before semicolon before tab. Failing that, the delimiter whose most common
// field count above one covers the largest share of the records; failing that, comma.
char DetectCsvDelimiter(std::string_view text, char chQuote);

// The fields CSV::Parse makes of one record without its line end; 0 for the empty record.
std::size_t CountCsvFields(std::string_view record, char chQuote, char chDelimiter);

// The fields of the first non-blank record, the columns the file shows; 0 when it has none.
std::size_t CountCsvColumns(std::string_view text, char chQuote, char chDelimiter);
