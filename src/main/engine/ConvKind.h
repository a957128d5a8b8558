// What the conversion needs to know about each kind of data, one row per kind: its field
// table, how a record of it is made, read for the export and filled by the import.
#pragma once

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlFieldStore.h"

#include <cstddef>

struct TConvKind {
    int nFlag;                 // AppFlag code
    const char* szAppName;     // as the result page names the kind
    std::size_t nRecordSize;   // a record of the kind, zero-filled when new
    int (*GetFieldCount)();
    // The field table row at the 1-based position nPos, else null.
    const CsvFieldEntry* (*GetFieldDef)(unsigned nPos);
    // Whether the record carries the Outlook item image that the export reads.
    bool (*HasImage)(const void* pRec);
    // The CSV text of field nId of the record's Outlook item image; null when the record has
    // no image, empty when the adapter has no text for the field. Valid until the next call.
    const char* (*GetRecordText)(const void* pRec, unsigned nId);
    // Stores one CSV text into the record and says how: whole, cut to fit, not understood,
    // or NotImported for a field the kind does not import.
    TFieldStore (*StoreFieldText)(unsigned nId, const char* szText, void* pRec);
    // Whether the import stores field nId into a record (some fields are only exported).
    bool (*ImportsField)(unsigned nId);
};

// The row of an AppFlag code; null for any other value.
const TConvKind* FindConvKind(int nFlag);
