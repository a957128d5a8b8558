// A task's codes and dates between the image (Outlook's values, automation dates) and the
// task record (its own priority codes, the private flag, time_t dates).
#pragma once

#include "common/outlook/OlTaskItem.h"
#include "records/CommTaskRec.h"

// Priority, sensitivity with the private flag, status and response state, image to record.
void TaskCodesToRecord(const OlTaskItem& item, CommTaskRec& rec);
// The same, record to image.
void TaskCodesToItem(const CommTaskRec& rec, OlTaskItem& item);

// Due date, start date and reminder time, image to record; a date Outlook holds as "none",
// or one that cannot be converted, gives -1.
void TaskDatesToRecord(const OlTaskItem& item, CommTaskRec& rec);
// The same, record to image; a date of 0 or below, or one in Outlook's "none" year or later,
// gives 0, which is never sent.
void TaskDatesToItem(const CommTaskRec& rec, OlTaskItem& item);
