// The calendar adapter's image of one Outlook appointment: every property it reads,
// at fixed widths, so a record can carry a flat copy of it.
#pragma once

#include "platform/WinCompat.h"

#include <type_traits>

struct OlDateItem {
    bool AllDayEvent;
    LONG BusyStatus;
    LONG Duration;
    DATE End;
    char EntryID[1024];
    char StoreID[1024];
    LONG Importance;
    bool IsRecurring;
    char Location[256];
    LONG MeetingStatus;
    LONG NetMeetingAutoStart;
    char NetMeetingDocPathName[260];
    char NetMeetingOrganizerAlias[64];
    char NetMeetingServer[256];
    LONG NetMeetingType;
    char NetShowURL[256];
    LONG RecurrenceState;
    LONG ReminderOverrideDefault;
    LONG ReminderPlaySound;
    bool ReminderSet;
    char ReminderSoundFile[260];
    DATE ReminderTime;
    LONG ReminderMinutesBeforeStart;
    DATE ReplyTime;
    LONG ResponseRequested;
    LONG ResponseStatus;
    LONG Sensitivity;
    DATE Start;
    char Subject[256];
    char Body[20480];
    LONG RecurrenceType;  // OL_NO_RECURRENCE (OlAdapterShared.h) when the appointment does not recur
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

static_assert(std::is_standard_layout_v<OlDateItem> && std::is_trivially_copyable_v<OlDateItem>,
              "records carry the image as a flat block");
