// Where a calendar record puts its appointment in Outlook: the start, the end and the
// duration the image is given, by Outlook's rules for all-day appointments.
#pragma once

#include "common/outlook/OlDateItem.h"
#include "records/CommDateRec.h"

// Sets Start, End and Duration of the image from the record's start, end and all-day flag.
// - Start and end with a date: the appointment lies between them (a duration of 0 when
//   the end comes first).
// - An all-day appointment runs from midnight of its start day to midnight after the day
//   its end falls in, one day at least; Outlook keeps all-day appointments to whole days.
// - A start or end without a date has no moment: Start stays 0, which is never sent, so
//   Outlook keeps the start it gives a new appointment, and the duration is the difference
//   of the times of day (a whole day when all-day).
void RecordSpanToItem(const CommDateRec& rec, OlDateItem& item);
