// One field that can become a CSV column: a row of an adapter's field table, or a custom
// column the user inserts. Both have the same layout, so a table row can stand in the list
// of chosen columns unchanged.
#pragma once

#include "platform/WinCompat.h"

constexpr int CUSTOM_FIELD_ID = 10000;

// nType of a table row: what the field holds.
constexpr int FIELD_TYPE_NUMBER = 1;  // number or flag
constexpr int FIELD_TYPE_TEXT = 2;
constexpr int FIELD_TYPE_DATE = 4;  // date or time

// nType of a custom column: what the column writes, and what vValue holds for it.
constexpr int CUSTOM_KIND_SEQUENCE = 1;  // VT_I4: the start number
constexpr int CUSTOM_KIND_TEXT = 4;      // VT_BSTR: the fixed text
constexpr int CUSTOM_KIND_FIELD = 7;     // VT_I4: the id of a field of the same table

constexpr int FIELD_NAME_SIZE = 256;

struct CsvFieldEntry {
    int nId;
    char szName[FIELD_NAME_SIZE];  // list caption and column title
    int nType;
    int nLength;  // the field's width in bytes; 0 for a custom column
    VARIANT vValue;  // empty for a table row
};

inline bool IsCustomField(const CsvFieldEntry* pEntry) { return pEntry && pEntry->nId == CUSTOM_FIELD_ID; }

// A new custom column: "Custom Field" holding the fixed text "Custom Text". Owned by the
// caller, who gives it back with FreeCustomFieldEntry; null when memory runs out.
CsvFieldEntry* NewCustomFieldEntry();

// A custom column "None" with an empty fixed text: it takes a column of an import file and
// stores nothing, so the columns after it keep their places. Owned as NewCustomFieldEntry's.
CsvFieldEntry* NewSkipFieldEntry();

// Frees a custom column made by NewCustomFieldEntry together with the text it owns.
void FreeCustomFieldEntry(CsvFieldEntry* pEntry);

// A byte copy for the list of chosen columns, which frees it with CxFree. The copy of a
// custom column shares the fixed text of its original and never frees it, so freeing the
// copy leaves the original intact. Null for a null entry or when memory runs out.
CsvFieldEntry* CopyFieldEntry(const CsvFieldEntry* pEntry);
