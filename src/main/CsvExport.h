// Writing records into a CSV file: the bare title row, and one row per record made of the
// field texts of its Outlook item image, each enclosed in the quote character (quote
// characters inside doubled), joined by ",". Every row is pushed to the file as it is
// written, so a failing device is noticed at the row that did not reach it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CxFile;
class CxList;
struct CsvFieldEntry;
struct TConvKind;

// Longest value text taken from a field (the quoted value keeps two characters less).
constexpr std::size_t CSV_VALUE_MAX = 32767;

enum class TRowResult {
    Written,
    Skipped,      // the record has no Outlook item image: no row
    WriteFailed,  // the file did not take the row
};

class TCsvExporter {
public:
    // The columns are those of fields, in list order (the list's cursor moves); chQuote 0
    // writes values bare.
    TCsvExporter(const TConvKind& kind, CxList& fields, char chQuote);

    // The column names joined by ",", never quoted; empty without columns.
    std::string BuildTitleRow() const;
    // The row of a record; false, row untouched, when the record has no item image.
    // nPosition is the record's place in the run (0 for the first), which a sequence-number
    // column adds to its start number.
    bool BuildRecordRow(const void* pRec, int nPosition, std::string& row) const;

    // Writes the title row unless it is empty; false when the file did not take it.
    bool WriteTitleRow(CxFile& file) const;
    TRowResult WriteRecordRow(CxFile& file, const void* pRec, int nPosition) const;

private:
    std::string ValueText(const CsvFieldEntry& column, const void* pRec, int nPosition) const;

    const TConvKind& m_kind;
    std::vector<const CsvFieldEntry*> m_columns;
    char m_chQuote;
};
