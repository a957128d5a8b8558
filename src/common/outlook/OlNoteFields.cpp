#include "common/outlook/OlNoteFields.h"

#include "common/outlook/OlNoteItem.h"
#include "records/CommNoteRec.h"

namespace {

constexpr int N = FIELD_TYPE_NUMBER;
constexpr int T = FIELD_TYPE_TEXT;
constexpr int D = FIELD_TYPE_DATE;

const OlCsvField kNoteCsvFields[] = {
    OL_CSV_EXPORT(1, "Entry ID", T, 1024, Text, OlNoteItem, EntryID),
    OL_CSV_EXPORT(2, "Saved", N, 4, Bool, OlNoteItem, Saved),
    OL_CSV_EXPORT(3, "Color", N, 4, Number, OlNoteItem, Color),
    OL_CSV_IMPORT(4, "Subject", T, 256, OlNoteItem, Subject, CommNoteRec, szSubject),
    OL_CSV_IMPORT(5, "Body", T, 20480, OlNoteItem, Body, CommNoteRec, szNote),
    OL_CSV_IMPORT(6, "Category", T, 256, OlNoteItem, Categories, CommNoteRec, szCategory),
    OL_CSV_EXPORT(7, "Creation Time", D, 8, DateTime, OlNoteItem, CreationTime),
    OL_CSV_EXPORT(8, "Last Modification Time", D, 8, DateTime, OlNoteItem, LastModificationTime),
};

}  // namespace

OlCsvFieldTable NoteCsvFields() { return kNoteCsvFields; }
