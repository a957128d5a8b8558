// One conversion run over the chosen records: Outlook to CSV writes a row per record (after
// the title row, when asked), CSV to Outlook hands each record to Outlook. Free of any
// window, so it can be driven directly; the caller shows the progress.
#pragma once

#include <functional>
#include <string>

class CxFile;
class CxList;
struct TConvKind;

struct TRunSetup {
    int nMode = 0;                       // AppMode
    const TConvKind* pKind = nullptr;    // null: nothing is converted
    char chQuote = '\0';                 // 0: values are written bare
    bool bAddTitle = false;
    // Outlook to CSV with overwrite: the file is still closed and is emptied only now, so
    // that leaving the wizard earlier never cost the user the file's content.
    bool bOverwrite = false;
    std::string szCsvFile;
    // CSV to Outlook: adds the record to Outlook or writes it over its match.
    std::function<bool(void* pRec)> saveRecord;
};

struct TRunResult {
    int nConverted = 0;
    // The CSV file could not be written completely: nConverted rows reached it.
    bool bFailed = false;
};

// The percentage done after the k-th of n records (k counted from 1), truncated.
int RunProgress(int k, int n);

// Converts every record of selected in list order, calling afterRecord with the percentage
// done after each one, and closes file at the end. Rows go to the file in blocks (see
// TCsvRowWriter); writing stops at the first block the file did not take.
TRunResult RunConversion(const TRunSetup& setup, CxList& selected, CxList& fields, CxFile& file,
                         const std::function<void(int nPercent)>& afterRecord);
