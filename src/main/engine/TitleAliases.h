// The column titles other programs write for our fields: mail clients' exports in English,
// German, French and Spanish, web mail and desktop address books, calendar programs and
// spreadsheet contact lists. A field's own name needs no row, nor does a spelling that
// differs from another row only in case, spaces, punctuation or accents (see TitleKey).
#pragma once

#include <span>

struct TTitleAlias {
    int nKindFlag;         // FLAG_ADDR, FLAG_DATE, FLAG_TASK or FLAG_NOTE
    const char* szField;   // the field's name in the kind's table
    const char* szTitle;   // a title that names it
};

// One row per title and kind. A row naming a field the kind's table lacks counts for
// nothing until the table has that field.
std::span<const TTitleAlias> TitleAliases();
