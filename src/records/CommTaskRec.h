// A task. Its own moments are time_t values: 0 when read from a CSV file, -1 when Outlook
// had no representable date.
#pragma once

#include "platform/WinCompat.h"

#include <ctime>
#include <type_traits>

// Codes of CommTaskRec::nPriority.
enum : LONG {
    kTaskPriorityNormal = 0,
    kTaskPriorityHigh = 1,
    kTaskPriorityLow = 2,
};

struct CommTaskRec {
    CHAR szSubject[256];
    CHAR szNote[8192];
    CHAR szCategory[256];
    LONG nPriority;
    BYTE bCompleted;
    time_t tDueDate;
    BYTE bAlarm;
    BYTE bPrivate;
    BYTE bReminderSet;
    BYTE bReminderOverrideDefault;
    BYTE bReminderPlaySound;
    CHAR szReminderSoundFile[260];
    time_t tReminderTime;
    CHAR szRole[32];
    CHAR szMileage[32];
    CHAR szCardData[256];
    LONG nOrdinal;
    BYTE bTeamTask;
    LONG nTotalWork;
    LONG nPercentComplete;
    BYTE bIsRecurring;
    time_t tStartDate;
    LONG nSensitivity;      // 0-3: normal, personal, private, confidential
    LONG nStatus;           // 0-4: not started, in progress, complete, waiting, deferred
    LONG nResponseState;    // 0-3: simple, assigned, accepted, declined
    DATE dCreationTime;
    DATE dLastModificationTime;
    LONG nSource;  // 3 = came from or was written to Outlook
    // Heap copy of the tasks adapter's image of the Outlook item; present only when both
    // are set.
    void* pNative;
    DWORD nNativeSize;
};

static_assert(std::is_trivially_copyable_v<CommTaskRec> && std::is_standard_layout_v<CommTaskRec>);
