// Reading the first record of an import file as a title row: whether it is one, and which
// field of the kind each column's title names. A title names a field when it equals the
// field's name or a title other programs write for it (TitleAliases.h), compared by
// TitleKey: without regard to case, spaces, punctuation and accents.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct TConvKind;

constexpr int kNoTitleField = -1;
// A value longer than this is text, not a title.
constexpr std::size_t kMaxCsvTitleBytes = 64;
// A note quotes at most this much of a title.
constexpr std::size_t kNoteTitleBytes = 40;

struct TCsvTitleMatch {
    // At least half of the non-empty values name a field (one named before counts too), at
    // least one does, and none is longer than kMaxCsvTitleBytes. Empty means nothing but
    // spaces and tabs. A row that is not a title row has every column at kNoTitleField and
    // no notes.
    bool bTitleRow = false;
    // Per column: the id of the field its title names, else kNoTitleField. A field that a
    // column before already took counts for that one only.
    std::vector<int> columnFields;
    // In column order, one per empty or duplicate title and per column given a field the
    // kind does not import. Columns are numbered from 1; titles are quoted as they stand,
    // cut to kNoteTitleBytes at a whole character.
    std::vector<std::string> notes;
    int nMatched = 0;  // columns given a field
};

// Meant to run once per file: it builds the kind's title lookup on every call.
TCsvTitleMatch MatchCsvTitles(const TConvKind& kind, const std::vector<std::string_view>& titles);
