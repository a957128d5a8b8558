// Reading an import file into records: every record of the file (the first included, unless
// it is a title row the user had matched) becomes a new record of the kind, column i stored
// into the field of column entry i. Quoted values may hold delimiters, doubled quote
// characters and line ends.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CSV;
class CxList;
struct TConvKind;
struct TCsvSource;

// Where the import met the first value of a kind it counts.
struct TCsvValuePlace {
    std::string field;  // the name of the column's field
    int nRow = 0;       // counted as nFirstRowWithExtraFields is
};

// A row of the file as the import met it, so that a row whose record does not reach Outlook
// can be given back to the user exactly as the file holds it.
struct TCsvRowOrigin {
    const void* pRecord = nullptr;  // the record made of the row; null when none could be made
    int nRow = 0;                   // counted as nFirstRowWithExtraFields is
    // The row in the source's decoded text, without its line end; it may span lines.
    std::size_t nOffset = 0;
    std::size_t nLength = 0;
};

// What reading the file met besides records.
struct TCsvImportReport {
    bool bTitleRowSkipped = false;
    TCsvRowOrigin titleRow;  // when bTitleRowSkipped
    // Every other row that is not blank, in file order: those records were made of and those
    // no record could be made of.
    std::vector<TCsvRowOrigin> rows;
    // Rows with more fields than there are columns: the extra fields are ignored.
    int nRowsWithExtraFields = 0;
    // The first such row, counted from 1 among the file's records.
    int nFirstRowWithExtraFields = 0;
    // Values longer than their field holds: stored cut at a whole character.
    int nShortened = 0;
    TCsvValuePlace firstShortened;
    // Values that are no value of their field (a date that does not exist, a flag that is
    // neither yes nor no): nothing of them is stored.
    int nNotUnderstood = 0;
    TCsvValuePlace firstNotUnderstood;
};

// The values the import shortened or could not read, a sentence each for the user, such as
// "3 values were shortened to fit their fields (for example Notes of row 12)."; none when
// every value was stored whole.
std::vector<std::string> ImportValueNotes(const TCsvImportReport& report);

// The row's text as source holds it; empty when origin does not lie within source's text.
std::string_view CsvRowText(const TCsvSource& source, const TCsvRowOrigin& origin);

// Splits the records of source with splitter and appends a record of the kind for each to
// records, which owns them. Blank records, and every record when fields is empty, are
// skipped; so is the first record when bSkipTitleRow is set. A record for which there is no
// memory is skipped, and so are its values in the counts; its row stays in the report's
// rows without a record. The current progress sink hears how far into the text the reading
// is and may stop it; the records read until then stay in records.
TCsvImportReport ImportCsvRecords(const TConvKind& kind, const TCsvSource& source, CxList& fields, bool bSkipTitleRow,
                                  CSV& splitter, CxList& records);
