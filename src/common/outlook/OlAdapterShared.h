// What the calendar, tasks and notes adapters share beyond the item machinery: Outlook's
// "none" date, and the CSV field tables, one row per field, that give a field's CSV text
// from an item image and store a CSV text into a record.
#pragma once

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlItemSupport.h"
#include "platform/WinCompat.h"

#include <cstddef>
#include <span>

// Outlook reports an unset date as 1 January 4501 00:00.
inline constexpr DATE OL_NONE_DATE = 949998.0;
// Whether Outlook means the value as a date: it lies before its "none" date.
constexpr bool IsOutlookDate(DATE dValue) { return dValue < OL_NONE_DATE; }

// How GetFieldText writes an image member: its text; "1" or "0" for a bool or a non-zero
// long; a long in decimal; a DATE as time of day, as date, or as both.
enum class OlTextForm { Text, Bool, Flag, Number, Time, Date, DateTime };

// One row of an adapter's CSV field table.
struct OlCsvField {
    CsvFieldEntry entry;      // id, title, value type, length: what the field page shows
    OlTextForm nForm;
    std::size_t nOffset;      // the image member the CSV text is made of
    std::size_t nSize;
    std::size_t nRecOffset;   // the record member SetFieldText stores into, or OL_NO_MEMBER
    std::size_t nRecSize;     // its size: the text stored is cut to one byte less
};

// A row whose field is exported only, and one whose field is also imported.
#define OL_CSV_EXPORT(Id, Title, Type, Length, Form, Item, Member) \
    OlCsvField{{Id, Title, Type, Length, {}}, OlTextForm::Form, OL_MEMBER(Item, Member), OL_NO_RECORD}
#define OL_CSV_IMPORT(Id, Title, Type, Length, Item, Member, Rec, RecMember)                   \
    OlCsvField{{Id, Title, Type, Length, {}}, OlTextForm::Text, OL_MEMBER(Item, Member), \
               OL_MEMBER(Rec, RecMember)}

using OlCsvFieldTable = std::span<const OlCsvField>;

// The table entry with id nId, or null.
const CsvFieldEntry* CsvFieldDef(OlCsvFieldTable rows, unsigned nId);
// The CSV text of field nId of the image; never null: empty for an unknown id or a null
// image. Texts point into the image; numbers and dates share one program-wide buffer. Either
// stays valid until the next call.
const char* CsvFieldText(OlCsvFieldTable rows, const void* pImage, unsigned nId);
// Stores a CSV text into the record member of an imported field nId, cut to fit and
// terminated; true for an imported field (a null text stores nothing), false otherwise.
bool CsvStoreFieldText(OlCsvFieldTable rows, unsigned nId, const char* szText, void* pRec);
