// The appointment properties the calendar adapter reads and writes, in the order it reads
// them, and those it carries between image and record.
#pragma once

#include "common/outlook/OlItemSupport.h"

// EntryID to ReminderSet.
OlPropTable DateLeadingProps();
// The reminder: ReminderTime where Outlook keeps a moment, else ReminderMinutesBeforeStart.
OlPropTable DateReminderProps(bool bReminderTime);
// Subject to IsRecurring; the texts are carried between image and record.
OlPropTable DateTextProps();
// The recurrence pattern's properties, RecurrenceType first.
OlPropTable DatePatternProps();
// CreationTime and LastModificationTime, carried into the record.
OlPropTable DateStampProps();
