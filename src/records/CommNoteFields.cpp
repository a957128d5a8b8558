#include "records/CommFieldTables.h"

#include <array>
#include <cstddef>

namespace {

using enum CommFieldShow;
using enum CommFieldMatch;

// The size is a nominal length, checked by nothing; the type is unused.
#define NOTE_FIELD(nId, pszName, nSize, member, show, match) \
    COMM_FIELD_ROW(CommNoteRec, nId, pszName, 0, nSize, member, show, match)

// Subject and body compare ignoring letter case over the whole member (255 and 20479
// characters); line breaks count like any other character.
constexpr std::array kNoteFieldRows = {
    NOTE_FIELD(0, "Color", 4, nColor, ColorCode, None),
    NOTE_FIELD(1, "Private", 4, nPrivate, YesNo, None),
    NOTE_FIELD(2, "Subject", 256, szSubject, Text, TextIgnoringCase),
    NOTE_FIELD(3, "Note", 20480, szNote, Text, TextIgnoringCase),
    NOTE_FIELD(4, "Category", 256, szCategory, Text, None),
    NOTE_FIELD(5, "Creation Time", 8, dCreationTime, VariantDateAndTime, None),
    NOTE_FIELD(6, "Last Modification Time", 8, dLastModificationTime, VariantDateAndTime, None),
    NOTE_FIELD(7, "Source", 4, nSource, Blank, None),
    NOTE_FIELD(8, "Status", 4, nStatus, Blank, None),
    NOTE_FIELD(9, "ID(Integer)", 4, nId, Blank, None),
    NOTE_FIELD(10, "ID(String)", 32, szId, Blank, None),
};

#undef NOTE_FIELD

}  // namespace

constinit const CommKindFields kCommNoteFields = {kNoteFieldRows, false};
