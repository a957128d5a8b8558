// One conversion run over the chosen records: Outlook to CSV writes a row per record (after
// the title row, when asked), CSV to Outlook hands each record to Outlook. Free of any
// window, so it can be driven directly; the caller shows the progress.
#pragma once

#include "main/engine/ImportAction.h"

#include <functional>
#include <string>
#include <vector>

class CxFile;
class CxList;
struct TConvKind;

struct TRunSetup {
    int nMode = 0;                       // AppMode
    const TConvKind* pKind = nullptr;    // null: nothing is converted
    char chQuote = '\0';                 // 0: values are written bare
    char chDelimiter = ',';
    // Outlook to CSV: a file that is still empty begins with the UTF-8 byte-order mark.
    bool bByteOrderMark = false;
    bool bAddTitle = false;
    // Outlook to CSV with overwrite: the file is still closed and is emptied only now, so
    // that leaving the wizard earlier never cost the user the file's content.
    bool bOverwrite = false;
    std::string szCsvFile;
    // CSV to Outlook: adds the record to Outlook or writes it over its match.
    std::function<TImportAction(void* pRec)> saveRecord;
    // CSV to Outlook: why the record just saved was refused, in a few words for the user;
    // without it, or when it answers nothing, a general reason is given.
    std::function<std::string()> refusalReason;
};

// The reason given for a row of the file that could not be made into a record.
inline constexpr const char* kRowNotReadReason = "The row could not be read into a record";

// A record of the run that did not reach Outlook.
struct TRefusedRecord {
    int nPosition = 0;  // in the list of chosen records, from 0
    std::string reason;
};

struct TRunResult {
    int nConverted = 0;  // rows written, or items added and updated
    // CSV to Outlook, what became of each record.
    int nAdded = 0;
    int nUpdated = 0;
    int nIdentical = 0;
    int nRefused = 0;
    // The CSV file could not be written completely: nConverted rows reached it.
    bool bFailed = false;
    // The user stopped the run: the records after the last converted one were left alone.
    bool bCancelled = false;
    // The refused records in run order (nRefused of them).
    std::vector<TRefusedRecord> refused = {};
};

// What an import did, as "3 added, 2 updated, 5 identical" and ", 1 refused by Outlook" when
// Outlook refused any.
std::string ImportCountsText(const TRunResult& result);

// The percentage done after the k-th of n records (k counted from 1), truncated.
int RunProgress(int k, int n);

// Converts every record of selected in list order, calling afterRecord with the percentage
// done after each one, and closes file at the end. Rows go to the file in blocks (see
// TCsvRowWriter); writing stops at the first block the file did not take. afterRecord
// returning false cancels the run there: the rows of the records converted so far are
// written out whole, and the result says it was cancelled.
TRunResult RunConversion(const TRunSetup& setup, CxList& selected, CxList& fields, CxFile& file,
                         const std::function<bool(int nPercent)>& afterRecord);
