// The calendar adapter's CSV field table: ids 1 to 30, each with the image member its
// CSV text is made of and, for the imported fields, the record member it fills: the texts,
// the day and time of day of the start and the end, the all-day flag and the reminder.
#pragma once

#include "common/outlook/OlAdapterShared.h"

OlCsvFieldTable DateCsvFields();
