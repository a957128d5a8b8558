// What the calendar, tasks and notes adapters share beyond the item machinery: Outlook's
// "none" date, the reading of a recurrence pattern, and the CSV field tables, one row per
// field, that give a field's CSV text from an item image and store a CSV text into a record.
#pragma once

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlFieldStore.h"
#include "common/outlook/OlItemSupport.h"
#include "platform/WinCompat.h"

#include <cstddef>
#include <span>

// Outlook reports an unset date as 1 January 4501 00:00.
inline constexpr DATE OL_NONE_DATE = 949998.0;
// Whether Outlook means the value as a date: it lies before its "none" date.
constexpr bool IsOutlookDate(DATE dValue) { return dValue < OL_NONE_DATE; }

// The pattern type of an image whose item does not recur.
inline constexpr LONG OL_NO_RECURRENCE = -1;

// Reads the recurrence pattern of an item the image says recurs by rows into the image; an
// item that does not recur has no pattern to ask for.
template <class TImage>
void ReadRecurrence(CDispCmd& item, OlPropTable rows, TImage& image)
{
    if (!image.IsRecurring) {
        image.RecurrenceType = OL_NO_RECURRENCE;
        return;
    }
    if (OlObject pattern = CallForObject(item, OLESTR("GetRecurrencePattern"), nullptr, 0, nullptr))
        ReadItemProperties(*pattern, rows, &image);
}

// How GetFieldText writes an image member: its text; "1" or "0" for a bool or a non-zero
// long; a long in decimal; a DATE as time of day, as date, or as both.
enum class OlTextForm { Text, Bool, Flag, Number, Time, Date, DateTime };

struct OlCsvField;

// Stores a CSV text (never null) into the record as the row says.
using OlCsvStore = TFieldStore (*)(const OlCsvField& row, const char* szText, void* pRec);

// One row of an adapter's CSV field table.
struct OlCsvField {
    CsvFieldEntry entry;      // id, title, value type, length: what the field page shows
    OlTextForm nForm;
    std::size_t nOffset;      // the image member the CSV text is made of
    std::size_t nSize;
    std::size_t nRecOffset;   // the record member the import stores into, or OL_NO_MEMBER
    std::size_t nRecSize;     // its size: a text stored is cut to one byte less
    OlCsvStore pfnStore;      // null for a field that is only exported
};

// The stores of imported rows, by the record member's type: a text member takes the text
// cut to fit; a SYSTEMTIME member takes a date's year, month and day or a time's hour,
// minute and second and keeps the rest; a LONG member takes a yes/no flag as 1 or 0.
TFieldStore CsvStoreText(const OlCsvField& row, const char* szText, void* pRec);
TFieldStore CsvStoreDay(const OlCsvField& row, const char* szText, void* pRec);
TFieldStore CsvStoreTimeOfDay(const OlCsvField& row, const char* szText, void* pRec);
TFieldStore CsvStoreYesNo(const OlCsvField& row, const char* szText, void* pRec);

// A row whose field is exported only; one whose text is also imported; one whose value is
// imported by Store.
#define OL_CSV_EXPORT(Id, Title, Type, Length, Form, Item, Member) \
    OlCsvField{{Id, Title, Type, Length, {}}, OlTextForm::Form, OL_MEMBER(Item, Member), OL_NO_RECORD, nullptr}
#define OL_CSV_IMPORT(Id, Title, Type, Length, Item, Member, Rec, RecMember)                   \
    OlCsvField{{Id, Title, Type, Length, {}}, OlTextForm::Text, OL_MEMBER(Item, Member), \
               OL_MEMBER(Rec, RecMember), &CsvStoreText}
#define OL_CSV_STORE(Id, Title, Type, Length, Form, Item, Member, Store, Rec, RecMember) \
    OlCsvField{{Id, Title, Type, Length, {}}, OlTextForm::Form, OL_MEMBER(Item, Member),  \
               OL_MEMBER(Rec, RecMember), &Store}

using OlCsvFieldTable = std::span<const OlCsvField>;

// The table entry with id nId, or null.
const CsvFieldEntry* CsvFieldDef(OlCsvFieldTable rows, unsigned nId);
// The CSV text of field nId of the image; never null: empty for an unknown id or a null
// image. Texts point into the image; numbers and dates share one program-wide buffer. Either
// stays valid until the next call.
const char* CsvFieldText(OlCsvFieldTable rows, const void* pImage, unsigned nId);
// Stores a CSV text into the record by the row of the imported field nId and says how;
// NotImported for any other id or a null record. A null text stores nothing and counts as
// stored, so callers can ask whether a field is imported.
TFieldStore CsvStoreFieldText(OlCsvFieldTable rows, unsigned nId, const char* szText, void* pRec);
