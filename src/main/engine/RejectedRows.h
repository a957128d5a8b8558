// The rows of an import file that did not reach Outlook, left beside the file for the user to
// mend and import again: each row as the file holds it, with the reason in one more column.
#pragma once

#include <string>
#include <string_view>

class CxList;
struct TCsvImportReport;
struct TCsvSource;
struct TRunResult;

// What became of the rows that did not reach Outlook.
struct TRejectedRows {
    std::string path;     // where they were written, or were to be
    int nRows = 0;        // none: there was nothing to write, and nothing was written
    std::string failure;  // why they could not be written, in the system's words; empty when they were
};

// Beside the CSV file and named after it: contacts.csv gives contacts.rejected.csv, list.txt
// list.rejected.txt, a name without an extension name.rejected.csv. Empty for a path that
// names no file.
std::string RejectedRowsPath(const std::string& csvPath);

// Writes the rows of the file at csvPath that did not reach Outlook: those read into no record
// and those whose records the run refused, in file order, after the skipped title row (if
// any) with the title "Reason". source and read are the file and its reading into records;
// chosen is the list of records the run walked. The file replaces any earlier one whole, or
// is not changed at all; when every row reached Outlook nothing is written.
TRejectedRows WriteRejectedRows(const std::string& csvPath, const TCsvSource& source, const TCsvImportReport& read,
                                CxList& chosen, const TRunResult& run);

// "2 rows that did not reach Outlook are in NAME.", or "2 rows did not reach Outlook; they
// could not be written to PATH: REASON."; empty when no row was rejected.
std::string RejectedRowsNote(const TRejectedRows& rejected, std::string_view shownName);
