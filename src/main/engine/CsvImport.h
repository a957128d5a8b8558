// Reading an import file into records: every record of the file (the first included, unless
// it is a title row the user had matched) becomes a new record of the kind, column i stored
// into the field of column entry i. Quoted values may hold delimiters, doubled quote
// characters and line ends.
#pragma once

class CSV;
class CxList;
struct TConvKind;
struct TCsvSource;

// What reading the file met besides records.
struct TCsvImportReport {
    bool bTitleRowSkipped = false;
    // Rows with more fields than there are columns: the extra fields are ignored.
    int nRowsWithExtraFields = 0;
    // The first such row, counted from 1 among the file's records.
    int nFirstRowWithExtraFields = 0;
};

// Splits the records of source with splitter and appends a record of the kind for each to
// records, which owns them. Blank records, and every record when fields is empty, are
// skipped; so is the first record when bSkipTitleRow is set. A record for which there is no
// memory is skipped.
TCsvImportReport ImportCsvRecords(const TConvKind& kind, const TCsvSource& source, CxList& fields, bool bSkipTitleRow,
                                  CSV& splitter, CxList& records);
