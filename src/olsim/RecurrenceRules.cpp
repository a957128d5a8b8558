#include "olsim/RecurrenceRules.h"

#include "olsim/ItemKind.h"
#include "olsim/OleDateMath.h"

namespace olsim {
namespace {

enum RecurrenceType : std::int32_t { Daily = 0, Weekly = 1, Monthly = 2, MonthNth = 3, Yearly = 5, YearNth = 6 };

constexpr PatternMemberDef kPatternMembers[] = {
    {"RecurrenceType", ValueType::Long, PatternMember::RecurrenceType},
    {"Interval", ValueType::Long, PatternMember::Interval},
    {"DayOfWeekMask", ValueType::Long, PatternMember::DayOfWeekMask},
    {"DayOfMonth", ValueType::Long, PatternMember::DayOfMonth},
    {"Instance", ValueType::Long, PatternMember::Instance},
    {"MonthOfYear", ValueType::Long, PatternMember::MonthOfYear},
    {"PatternEndDate", ValueType::Date, PatternMember::PatternEndDate},
    {"NoEndDate", ValueType::Bool, PatternMember::NoEndDate},
};

bool IsRecurrenceType(std::int32_t type)
{
    return type == Daily || type == Weekly || type == Monthly || type == MonthNth || type == Yearly || type == YearNth;
}

// The date a new pattern takes its weekday, day and month from.
double AnchorDate(const ItemData& item)
{
    if (item.kind == ItemKind::Appointment)
        return AsDate(GetProperty(item, "Start"));
    for (const std::string_view name : {"StartDate", "DueDate"}) {
        const double date = AsDate(GetProperty(item, name));
        if (date != kNoneDate)
            return date;
    }
    return Now();
}

RecurrenceData DefaultsFor(std::int32_t type, double anchor)
{
    const CivilDate civil = CivilOf(anchor);
    const std::int32_t weekday = civil.year ? 1 << civil.dayOfWeek : 0;
    const std::int32_t instance = civil.year ? std::min((civil.day - 1) / 7 + 1, 5) : 1;
    RecurrenceData pattern;
    pattern.recurrenceType = type;
    switch (type) {
    case Weekly:
        pattern.dayOfWeekMask = weekday;
        break;
    case Monthly:
        pattern.dayOfMonth = civil.day;
        break;
    case MonthNth:
        pattern.instance = instance;
        pattern.dayOfWeekMask = weekday;
        break;
    case Yearly:
        pattern.dayOfMonth = civil.day;
        pattern.monthOfYear = civil.month;
        break;
    case YearNth:
        pattern.instance = instance;
        pattern.dayOfWeekMask = weekday;
        pattern.monthOfYear = civil.month;
        break;
    default:
        break;
    }
    return pattern;
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

}  // namespace

std::span<const PatternMemberDef> PatternMembers() { return kPatternMembers; }

int FindPatternMember(std::string_view name)
{
    for (std::size_t row = 0; row < std::size(kPatternMembers); ++row) {
        if (SameAsciiName(kPatternMembers[row].name, name))
            return static_cast<int>(row);
    }
    return -1;
}

RecurrenceData& EnsurePattern(ItemData& item)
{
    if (!item.recurrence) {
        item.recurrence = DefaultsFor(Weekly, AnchorDate(item));
        item.saved = false;
    }
    return *item.recurrence;
}

PropertyValue GetPatternMember(const RecurrenceData& pattern, PatternMember member)
{
    switch (member) {
    case PatternMember::RecurrenceType:
        return LongValue(pattern.recurrenceType);
    case PatternMember::Interval:
        return LongValue(pattern.interval);
    case PatternMember::DayOfWeekMask:
        return LongValue(pattern.dayOfWeekMask);
    case PatternMember::DayOfMonth:
        return LongValue(pattern.dayOfMonth);
    case PatternMember::Instance:
        return LongValue(pattern.instance);
    case PatternMember::MonthOfYear:
        return LongValue(pattern.monthOfYear);
    case PatternMember::PatternEndDate:
        return DateValue(pattern.patternEndDate);
    case PatternMember::NoEndDate:
        return BoolValue(pattern.patternEndDate == kNoneDate);
    }
    return {};
}

PutOutcome PutPatternMember(ItemData& item, PatternMember member, const PropertyValue& value)
{
    RecurrenceData& pattern = EnsurePattern(item);
    const std::int32_t number = AsLong(value);
    switch (member) {
    case PatternMember::RecurrenceType: {
        if (!IsRecurrenceType(number))
            return PutOutcome::OutOfRange;
        const double end = pattern.patternEndDate;
        pattern = DefaultsFor(number, AnchorDate(item));
        pattern.patternEndDate = end;
        break;
    }
    case PatternMember::Interval:
        pattern.interval = number;
        break;
    case PatternMember::DayOfWeekMask:
        pattern.dayOfWeekMask = number;
        break;
    case PatternMember::DayOfMonth:
        pattern.dayOfMonth = number;
        break;
    case PatternMember::Instance:
        if (!InRange(number, 1, 5))
            return PutOutcome::OutOfRange;
        pattern.instance = number;
        break;
    case PatternMember::MonthOfYear:
        if (!InRange(number, 1, 12))
            return PutOutcome::OutOfRange;
        pattern.monthOfYear = number;
        break;
    case PatternMember::PatternEndDate:
        pattern.patternEndDate = AsDate(value);
        break;
    case PatternMember::NoEndDate:
        if (AsBool(value))
            pattern.patternEndDate = kNoneDate;
        break;
    }
    item.saved = false;
    return PutOutcome::Done;
}

std::string PatternProblem(const ItemData& item)
{
    if (!item.recurrence)
        return {};
    const RecurrenceData& pattern = *item.recurrence;
    const std::int32_t type = pattern.recurrenceType;
    if (pattern.interval < 1 || pattern.interval > 999)
        return "The recurrence interval must lie between 1 and 999.";
    if (!InRange(pattern.dayOfWeekMask, 0, 127))
        return "The days of the week of the recurrence pattern are not valid.";
    const bool needsWeekdays = type == Weekly || type == MonthNth || type == YearNth;
    if (needsWeekdays && pattern.dayOfWeekMask == 0)
        return "The recurrence pattern needs at least one day of the week.";
    if ((type == Monthly || type == Yearly) && !InRange(pattern.dayOfMonth, 1, 31))
        return "The day of the month of the recurrence pattern is not valid.";
    if (pattern.patternEndDate != kNoneDate &&
        DateToLinear(pattern.patternEndDate) < DateToLinear(StartOfDay(AnchorDate(item))))
        return "The end of the recurrence pattern lies before its start.";
    return {};
}

}  // namespace olsim
