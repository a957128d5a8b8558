#include "records/CommFieldTables.h"

#include <array>
#include <cstddef>

namespace {

using enum CommFieldShow;
using enum CommFieldMatch;

// The size is a nominal text length, checked by nothing; the type is unused.
#define DATE_FIELD(nId, pszName, nSize, member, show, match) \
    COMM_FIELD_ROW(CommDateRec, nId, pszName, 0, nSize, member, show, match)

constexpr std::array kDateFieldRows = {
    DATE_FIELD(1, "Description", 256, szDescription, Text, TextIgnoringCase),
    DATE_FIELD(2, "Start Time", 32, stStart, TimeOfDay, SameDay),
    DATE_FIELD(3, "End Time", 32, stEnd, TimeOfDay, SameDay),
    DATE_FIELD(4, "Start Date Time", 32, stStart, DateAndTimeOfDay, None),
    DATE_FIELD(5, "End Date Time", 32, stEnd, DateAndTimeOfDay, None),
    DATE_FIELD(6, "Date", 32, stStart, DayDate, None),
    DATE_FIELD(7, "Note", 4096, szNote, Text, None),
    DATE_FIELD(8, "Private", 8, nPrivate, YesNo, None),
    DATE_FIELD(9, "Location", 256, szLocation, Text, TextIgnoringCase),
    DATE_FIELD(10, "Importance", 8, nImportance, Blank, None),
    DATE_FIELD(11, "Category", 32, szCategory, Text, None),
    DATE_FIELD(12, "Alarm", 8, nAlarm, YesNo, None),
    DATE_FIELD(13, "All Day Event", 8, nAllDayEvent, YesNo, SameValue),
    MakeFixedRow(14, "Repeat", 0, 256, RepeatInfo),
};

#undef DATE_FIELD

}  // namespace

constinit const CommKindFields kCommDateFields = {kDateFieldRows, false};
