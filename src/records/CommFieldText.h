// Field table look-up and the display texts of record fields, shared by the four kinds.
#pragma once

#include "records/CommFieldRow.h"

// The row with nId, or null.
const CommFieldRow* CommFindFieldRow(std::span<const CommFieldRow> rows, LONG nId);

// Copies the row for nId into pDef; false when there is none or pDef is null.
bool CommCopyFieldDef(std::span<const CommFieldRow> rows, LONG nId, CommFieldDef* pDef);

// Writes the display text of pDef's field of pRec into szBuf, cut to nBufSize - 1 bytes
// and terminated. False for a null argument or a size below 1 (buffer untouched), and
// where the kind's rules refuse the field (empty text).
bool CommGetFieldText(const CommKindFields& kind, const void* pRec, const CommFieldDef* pDef, char* szBuf,
                      int nBufSize);
