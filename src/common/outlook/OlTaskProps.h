// The task properties the tasks adapter reads, in its reading order; those it writes, in
// its writing order; and those it carries between image and record.
#pragma once

#include "common/outlook/OlItemSupport.h"

// Body to TotalWork, then IsRecurring once more to decide on the pattern.
OlPropTable TaskReadProps();
// The recurrence pattern's properties, read into the image only.
OlPropTable TaskPatternProps();
// Categories, CreationTime and LastModificationTime, read after the pattern.
OlPropTable TaskTrailingReadProps();

// Body to ReminderSet.
OlPropTable TaskLeadingWriteProps();
// The reminder's details, written only when the reminder is on.
OlPropTable TaskReminderWriteProps();
// ResponseState to Categories.
OlPropTable TaskTrailingWriteProps();

// Texts, flags and numbers carried as they are (dates and codes are converted apart).
OlPropTable TaskCarriedProps();
