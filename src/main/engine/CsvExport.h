// Writing records into a CSV file: the title row, and one row per record made of the field
// texts of its Outlook item image, each enclosed in the quote character (quote characters
// inside doubled), joined by the delimiter. Without a quote character values are written
// bare, but for those that would break the row, which every CSV reader expects enclosed in
// double quotes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CxFile;
class CxList;
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
    TCsvExporter(const TConvKind& kind, CxList& fields, char chQuote, char chDelimiter = ',');

    // The column names joined by the delimiter; a name holding the delimiter, the quote
    // character or a line break is enclosed in the quote character (a double quote without
    // one), all others are bare. Empty without columns.
    std::string BuildTitleRow() const;
    // The row of a record; false, row untouched, when the record has no item image.
    // nPosition is the record's place in the run (0 for the first), which a sequence-number
    // column adds to its start number.
    bool BuildRecordRow(const void* pRec, int nPosition, std::string& row) const;
    // The same row appended to text, which keeps what it held.
    bool AppendRecordRow(const void* pRec, int nPosition, std::string& text) const;

    // Writes the title row unless it is empty and pushes it to the device; false when the
    // file did not take it.
    bool WriteTitleRow(CxFile& file) const;
    // Writes one row and pushes it to the device, so a failing device is noticed at the row
    // that did not reach it.
    TRowResult WriteRecordRow(CxFile& file, const void* pRec, int nPosition) const;

private:
    enum class TColumnKind { Field, Sequence, Fixed, Empty };
    struct TColumn {
        TColumnKind nKind;
        unsigned nId;       // Field: the field of the image
        long long nStart;   // Sequence: the start number
        std::string szText; // Fixed: the text, converted and cut once
    };

    void AppendValue(std::string& text, const TColumn& column, const void* pRec, int nPosition) const;
    void AppendQuoted(std::string& text, std::string_view value) const;
    void AppendBare(std::string& text, std::string_view value) const;

    const TConvKind& m_kind;
    std::vector<std::string> m_names;
    std::vector<TColumn> m_columns;
    char m_chQuote;
    char m_chDelimiter;
};

// The rows of a run, written in blocks: each block of whole rows goes to the file in one
// write and is pushed to the device, so a long export costs a few writes instead of one per
// row, and a failing device is still noticed within a block.
class TCsvRowWriter {
public:
    TCsvRowWriter(const TCsvExporter& exporter, CxFile& file);

    // Written once the row is in the block; WriteFailed when a block the row completed did
    // not reach the file (nothing is written after that).
    TRowResult Write(const void* pRec, int nPosition);
    // Writes out the rows still in the block; false when they did not reach the file.
    bool Finish();
    // The rows known to have reached the file.
    int Confirmed() const { return m_nConfirmed; }

private:
    bool WriteBlock();

    const TCsvExporter& m_exporter;
    CxFile& m_file;
    std::string m_block;
    int m_nInBlock = 0;
    int m_nConfirmed = 0;
    bool m_bFailed = false;
};
