// The tasks adapter's image of one Outlook task: every property it reads, at fixed
// widths, so a record can carry a flat copy of it.
#pragma once

#include "platform/WinCompat.h"

#include <type_traits>

struct OlTaskItem {
    char Body[20480];
    char CardData[256];
    bool Complete;
    DATE DueDate;
    char EntryID[1024];
    LONG Importance;
    bool IsRecurring;
    char Mileage[256];
    LONG Ordinal;
    LONG PercentComplete;
    bool ReminderOverrideDefault;
    bool ReminderPlaySound;
    bool ReminderSet;
    char ReminderSoundFile[260];
    DATE ReminderTime;
    LONG ResponseState;
    char Role[32];
    bool Saved;
    LONG Sensitivity;
    DATE StartDate;
    LONG Status;
    char Subject[256];
    bool TeamTask;
    LONG TotalWork;
    LONG RecurrenceType;  // -1 when the task does not recur
    LONG Interval;
    LONG DayOfWeekMask;
    LONG DayOfMonth;
    LONG Instance;
    LONG MonthOfYear;
    DATE PatternEndDate;  // not above 1.0: the pattern has no end
    char FolderName[32];
    char Categories[256];
    DATE CreationTime;
    DATE LastModificationTime;
};

static_assert(std::is_standard_layout_v<OlTaskItem> && std::is_trivially_copyable_v<OlTaskItem>,
              "records carry the image as a flat block");
