// An Outlook note.
#pragma once

#include "platform/WinCompat.h"

#include <type_traits>

struct CommNoteRec {
    LONG nColor;  // Outlook's note colour code
    LONG nPrivate;
    CHAR szSubject[256];
    CHAR szNote[20480];
    CHAR szCategory[256];
    DATE dCreationTime;
    DATE dLastModificationTime;
    LONG nSource;  // 3 = came from or was written to Outlook
    LONG nStatus;
    LONG nId;
    CHAR szId[32];  // the first 30 characters of the Outlook entry id
    // Heap copy of the notes adapter's image of the Outlook item; present only when both
    // are set.
    void* pNative;
    DWORD nNativeSize;
};

static_assert(std::is_trivially_copyable_v<CommNoteRec> && std::is_standard_layout_v<CommNoteRec>);
