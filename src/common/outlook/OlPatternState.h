// The recurrence pattern in an item state: whether the item recurs and, when it does, the
// pattern properties its adapter writes; read, and put back or cleared.
#pragma once

#include "common/outlook/OlItemState.h"
#include "common/outlook/OlItemStateKinds.h"

#include <string_view>

// Set first when a pattern is put back: a state of a recurring item must have it.
inline constexpr std::string_view kRecurrenceTypeName = "RecurrenceType";

// False, the reason logged, when IsRecurring or a pattern property cannot be read.
bool ReadPatternState(CDispCmd& item, const TOlStateKind& kind, int nFailureLevel, bool& bRecurring,
                      std::vector<TOlSavedValue>& pattern);

// Makes a recurring item single again; an item that does not recur is left alone.
bool ClearItemPattern(CDispCmd& item, const TOlStateKind& kind);

// Gives the item the saved pattern. RecurrenceType goes first, since setting it resets the
// other members to that type's defaults; the others follow as the adapter writes them, only
// when set (Outlook refuses an Instance or MonthOfYear of 0), and a pattern without end gets
// NoEndDate. A pattern equal to the item's own is not touched. Its members must be rows of
// the kind's pattern, RecurrenceType among them, as RestoreItemState makes sure.
bool RestoreItemPattern(CDispCmd& item, const TOlStateKind& kind, const std::vector<TOlSavedValue>& pattern);
