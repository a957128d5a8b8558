// An appointment's reminder lead between Outlook and the calendar record. Outlook of
// version code 3 and below keeps the reminder as a moment (ReminderTime), later versions as
// minutes before the start (ReminderMinutesBeforeStart); the record keeps a count and a
// unit (minutes, hours or days).
#pragma once

#include "common/outlook/OlDateItem.h"
#include "records/CommDateRec.h"

// Whether an Outlook of this version code keeps the reminder as a moment.
bool UsesReminderTime(int nOutlookVersion);

// The lead in whole minutes that the image holds (0 when none); needs nAlarm set first.
int ReminderLeadOfItem(const OlDateItem& item, const CommDateRec& rec, bool bReminderTime);
// Sets the record's lead as count and unit: the largest unit that fits, remainders dropped.
void SetReminderLead(int nMinutes, CommDateRec& rec);
// Puts the record's reminder lead into the image: the minutes whenever the record has a
// lead, and for an Outlook that keeps a moment also the moment, found from the start, when
// the reminder is set.
void ReminderToItem(const CommDateRec& rec, bool bReminderTime, OlDateItem& item);
