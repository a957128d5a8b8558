// An item's recurrence pattern: its members, Outlook's defaults for each recurrence type
// and the checks a pattern must pass before the item is saved.
#pragma once

#include "olsim/ItemData.h"
#include "olsim/ItemRules.h"

#include <span>
#include <string>
#include <string_view>

namespace olsim {

enum class PatternMember { RecurrenceType, Interval, DayOfWeekMask, DayOfMonth, Instance, MonthOfYear, PatternEndDate, NoEndDate };

struct PatternMemberDef {
    std::string_view name;
    ValueType type;
    PatternMember member;
};

std::span<const PatternMemberDef> PatternMembers();
// -1 when the pattern has no member of that name (compared without regard to ASCII case).
int FindPatternMember(std::string_view name);

// The item's pattern, first giving it Outlook's default (weekly on the weekday of the
// item's start, every week, no end) when it has none.
RecurrenceData& EnsurePattern(ItemData& item);

PropertyValue GetPatternMember(const RecurrenceData& pattern, PatternMember member);
// Setting RecurrenceType resets the other members to that type's defaults for the item's
// start; a type Outlook does not have, an Instance outside 1-5 or a MonthOfYear outside
// 1-12 is refused. value must have the member's type.
PutOutcome PutPatternMember(ItemData& item, PatternMember member, const PropertyValue& value);

// Empty when the item's pattern (if any) can be saved; otherwise what is wrong with it.
std::string PatternProblem(const ItemData& item);

}  // namespace olsim
