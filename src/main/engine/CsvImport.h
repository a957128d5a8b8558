// Reading a CSV file into records: every record of the file (the first included, a title
// row too) becomes a new record of the kind, column i stored into the field of column
// entry i. Quoted values may hold commas, doubled quote characters and line ends.
#pragma once

class CSV;
class CxFile;
class CxList;
struct TConvKind;

// Reads file from its start with splitter (its quote set to chQuote) and appends the records
// to records, which owns them. Blank lines, and every line when fields is empty, are
// skipped; a UTF-8 byte-order mark at the start of the file is not part of the first value.
// A line for whose record there is no memory is skipped.
void ImportCsvRecords(const TConvKind& kind, CxFile& file, CxList& fields, char chQuote, CSV& splitter,
                      CxList& records);
