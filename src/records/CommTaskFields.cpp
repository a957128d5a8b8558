#include "records/CommFieldTables.h"

#include <array>
#include <cstddef>

namespace {

using enum CommFieldShow;
using enum CommFieldMatch;

// The size is a nominal length, checked by nothing; the type is unused.
#define TASK_FIELD(nId, pszName, nSize, member, show, match) \
    COMM_FIELD_ROW(CommTaskRec, nId, pszName, 0, nSize, member, show, match)

// Id 0 is a real field here. Due date and category take no part in the duplicate test.
constexpr std::array kTaskFieldRows = {
    TASK_FIELD(0, "Subject", 256, szSubject, Text, TextIgnoringCase),
    TASK_FIELD(1, "Note", 8192, szNote, Text, TextIgnoringCase),
    TASK_FIELD(7, "Category", 256, szCategory, Text, None),
    TASK_FIELD(2, "Priority", 4, nPriority, PriorityName, SameValue),
    TASK_FIELD(3, "Completed", 4, bCompleted, YesNo, SameValue),
    TASK_FIELD(4, "DueDate", 4, tDueDate, DueDate, None),
    TASK_FIELD(6, "Private", 4, bPrivate, YesNo, SameValue),
    TASK_FIELD(5, "Alarm", 4, bAlarm, YesNo, SameValue),
};

#undef TASK_FIELD

}  // namespace

constinit const CommKindFields kCommTaskFields = {kTaskFieldRows, false};
