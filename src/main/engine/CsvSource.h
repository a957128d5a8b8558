// An import file as the import reads it: the whole file decoded to UTF-8, the quote
// character and delimiter its records are split with, and what its first record says about
// the columns. Page 1 reads it, page 2 matches its titles, the import makes records of it.
#pragma once

#include "common/misc/CsvEncoding.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvTitles.h"

#include <string>

struct TConvKind;

// How to read an import file: the settings' quote character (0 for none: values that begin
// with a double quote are still read as enclosed in them), delimiter and encoding codes.
struct TCsvReadOptions {
    char chQuote = '\0';
    int nDelimiter = 0;
    int nEncoding = 0;
};

// The options the settings hold now.
TCsvReadOptions SettingsReadOptions();

// A stored code the program does not know counts as the default.
int KnownDelimiterChoice(int nDelimiter);
int KnownEncodingChoice(int nEncoding);

// The delimiter an export writes for a stored code: detection has nothing to read there, so
// it writes commas.
char ExportDelimiter(int nDelimiter);

struct TCsvSource {
    TCsvFileText file;
    char chQuote = '\0';
    char chDelimiter = ',';
    std::size_t nColumns = 0;  // fields of the first record
    // Of the first record, against the kind's field names and the titles other programs use.
    TCsvTitleMatch titles;
    // What the last reading of the file into records met.
    TCsvImportReport lastRead;
};

// Reads and decodes the whole file, settles the delimiter and matches the first record's
// titles; false, source emptied, when the file cannot be read.
bool LoadCsvSource(const char* szPath, const TConvKind& kind, const TCsvReadOptions& options, TCsvSource& source);

// What the start of the file shows, in a line for the user, such as "Semicolon-separated,
// Windows-1252, 21 columns, first row looks like column titles"; reads no more than the
// start, so it can follow the user's typing. Empty when the file cannot be read.
std::string DescribeCsvFile(const char* szPath, const TConvKind& kind, const TCsvReadOptions& options);
