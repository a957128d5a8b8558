// The duplicate test's field comparisons, and the match key: one normalised text per
// record that is equal for two records exactly when their key fields are equal, so the
// key can also serve an index.
#pragma once

#include "records/CommFieldRow.h"

#include <span>
#include <string>

// 0 when the texts are equal ignoring letter case (a-z only) and line breaks, non-zero
// otherwise or when either is null. Line breaks left over after the other text has ended
// still make a difference ("ab\r\n" differs from "ab", equals "ab\n").
int CommCompareText(const char* szText1, const char* szText2);

// Whether two records agree in every listed field; false for a missing record or an empty
// list.
bool CommFieldsEqual(std::span<const CommFieldRow* const> rows, const void* pRec1, const void* pRec2);

// True when the list holds a text field and every text field of the record is empty.
bool CommTextKeysEmpty(std::span<const CommFieldRow* const> rows, const void* pRec);

// Replaces key with the record's normalised listed fields: equal keys exactly when
// CommFieldsEqual holds (a non-empty list is assumed).
void CommMakeMatchKey(std::span<const CommFieldRow* const> rows, const void* pRec, std::string& key);
