// The notes adapter's image of one Outlook note: every property it reads, at fixed
// widths, so a record can carry a flat copy of it.
#pragma once

#include "platform/WinCompat.h"

#include <type_traits>

struct OlNoteItem {
    char FolderName[32];
    char Categories[256];
    char EntryID[1024];
    char Subject[256];
    char Body[20480];
    DATE CreationTime;
    DATE LastModificationTime;
    bool Saved;
    LONG Color;
};

static_assert(std::is_standard_layout_v<OlNoteItem> && std::is_trivially_copyable_v<OlNoteItem>,
              "records carry the image as a flat block");
