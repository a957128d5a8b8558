// A calendar item (appointment or meeting) with its recurrence pattern.
#pragma once

#include "platform/WinCompat.h"

#include <type_traits>

// Codes of CommRecurrence::nType.
enum : LONG {
    kRecurNone = 0,
    kRecurDaily = 1,
    kRecurWeekly = 2,
    kRecurMonthlyNth = 3,
    kRecurMonthly = 4,
    kRecurYearlyNth = 5,
    kRecurYearly = 6,
};

struct CommRecurrence {
    LONG nType;
    BYTE bHasEnd;  // non-zero = the pattern ends on stPatternEnd
    SYSTEMTIME stPatternEnd;
    LONG nInterval;
    LONG nDayOfWeekMask;  // 1 Sunday, 2 Monday, 4 Tuesday ... 64 Saturday
    LONG nDayOfMonth;
    LONG nMonthOfYear;
    LONG nInstance;  // which occurrence of the weekday in the month, 1-5
};

// Units of CommDateRec::nReminderUnit.
enum : LONG {
    kReminderMinutes = 1,
    kReminderHours = 2,
    kReminderDays = 3,
};

struct CommDateRec {
    CHAR szDescription[256];
    LONG nAllDayEvent;
    SYSTEMTIME stStart;
    SYSTEMTIME stEnd;
    LONG nAlarm;
    LONG nDuration;  // end time of day minus start time of day, in minutes
    CHAR szNote[8192];
    CHAR szLocation[256];
    CommRecurrence recurrence;
    LONG nPrivate;
    CHAR szCategory[64];
    LONG nImportance;
    LONG nReminderSet;
    LONG nReminderValue;
    LONG nReminderUnit;
    DATE dCreationTime;
    DATE dLastModificationTime;
    LONG nSource;  // 3 = came from or was written to Outlook
    // Heap copy of the calendar adapter's image of the Outlook item; present only when
    // both are set.
    void* pNative;
    DWORD nNativeSize;
};

static_assert(std::is_trivially_copyable_v<CommDateRec> && std::is_standard_layout_v<CommDateRec>);
