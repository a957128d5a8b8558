// The objects one conversion shares between the wizard pages: the four Outlook adapters,
// the chosen records, the records read from the CSV file, the chosen columns and the CSV
// file. The main window owns them; page 1 creates them afresh each time it is left forward.
#pragma once

#include "main/engine/ImportAction.h"

#include <cstdint>
#include <vector>

class CxFile;
class CxList;
class OlAddrUtil;
class OlDateUtil;
class OlNoteUtil;
class OlTaskUtil;
struct TCsvSource;

extern OlAddrUtil* pOlAddr;
extern OlDateUtil* pOlDate;
extern OlTaskUtil* pOlTask;
extern OlNoteUtil* pOlNote;
// Records chosen on the record page, in order; it never frees them (they belong to an
// adapter's record manager or to pCsvRecList).
extern CxList* pSelRecList;
// Records built from the lines of the CSV file; owns them.
extern CxList* pCsvRecList;
// The chosen columns as CsvFieldEntry copies, in column order; owns them.
extern CxList* pFieldList;
extern CxFile* pCsvFile;
// The import file's text and what its first record says, read when page 1 is left.
extern TCsvSource* pCsvSource;

// Deletes any existing objects and creates a fresh set; the adapter of the kind in AppFlag
// loads its Outlook items. False, with nothing left, when an object cannot be created.
bool CreateConvObjects();
// Deletes whatever exists, adapters first, and sets every object absent.
void DestroyConvObjects();

// The first record of the Outlook items the adapter of nFlag loaded, then the next ones;
// null at the end, for an absent adapter or an unknown kind. The walk shares the record
// manager's cursor.
void* FirstStoredRecord(int nFlag);
void* NextStoredRecord(int nFlag);

// Hands the record to the adapter of nFlag to add it to Outlook or write it over the item it
// matches, and says which it did.
TImportAction SaveConvRecord(int nFlag, void* pRec);

// What the run would do with each of records, in order, when Outlook takes every write:
// against the items the adapter of nFlag loaded, and the records before it in the same run.
// pMatched is the record an update or an identical record matches. Empty for an unknown
// kind or an absent adapter.
struct TImportPreview {
    TImportAction nAction;
    const void* pMatched;
};
std::vector<TImportPreview> PreviewImport(int nFlag, const std::vector<void*>& records);

// The key group of each record: records of different groups never match each other, so a
// change among one group's records changes only their previews. Empty as PreviewImport.
std::vector<std::uint64_t> ImportKeyGroups(int nFlag, const std::vector<void*>& records);
// PreviewImport's answers for records that are all of group nGroup, at the cost of that
// group alone.
std::vector<TImportPreview> PreviewImportGroup(int nFlag, std::uint64_t nGroup, const std::vector<void*>& records);

// The setting holding the CSV file name last used for nFlag (MAX_PATH bytes); null for an
// unknown kind.
char* KindCsvFile(int nFlag);
