// An appointment's recurrence pattern between the image (Outlook's RecurrenceType and
// pattern properties) and the calendar record (its own pattern codes).
#pragma once

#include "common/outlook/OlDateItem.h"
#include "records/CommDateRec.h"

// Fills the record's pattern from the image: type, the fields that type uses, and the end.
void PatternToRecurrence(const OlDateItem& item, CommRecurrence& recurrence);
// Fills the image's pattern from the record; a record that does not recur gives no pattern.
void RecurrenceToPattern(const CommRecurrence& recurrence, OlDateItem& item);
