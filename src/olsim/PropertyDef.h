// One row of an item kind's property table: how a named property is typed, defaulted,
// protected and derived. The tables themselves are data, one file per kind.
#pragma once

#include "olsim/PropertyValue.h"

#include <cstdint>
#include <limits>
#include <string_view>

namespace olsim {

enum class Access : std::uint8_t { ReadWrite, ReadOnly };

// How a property's value comes about when it is not simply the value last put.
enum class Rule : std::uint8_t {
    Stored,            // the value put, else the default
    EntryId,           // the item's identifier, empty until saved
    Saved,             // true from a save until the next change
    IsRecurring,       // the item has a recurrence pattern
    RecurrenceState,   // 1 (master) with a pattern, else 0
    FullName,          // the value put, else the name parts joined
    EmailDisplayName,  // the value put, else the full name of an item with that address
    EmailAddressType,  // the value put, else "SMTP" for an item with that address
    NoteSubject,       // the first line of the body
    Start,             // an appointment's start; moves its end
    End,               // an appointment's start plus its duration; a put changes the duration
    Duration,          // an appointment's length in minutes; moves its end
    AllDayEvent,       // a true put stretches the appointment to whole days
};

struct PropertyDef {
    std::string_view name;
    ValueType type = ValueType::Text;
    Access access = Access::ReadWrite;
    Rule rule = Rule::Stored;
    double defaultValue = 0;  // for Long, Bool and Date; a text starts empty
    std::int32_t minimum = std::numeric_limits<std::int32_t>::min();
    std::int32_t maximum = std::numeric_limits<std::int32_t>::max();
    std::string_view related = {};  // the property that a derived value follows
};

constexpr PropertyDef Text(std::string_view name) { return {.name = name}; }
constexpr PropertyDef Long(std::string_view name, std::int32_t initial = 0,
                           std::int32_t minimum = std::numeric_limits<std::int32_t>::min(),
                           std::int32_t maximum = std::numeric_limits<std::int32_t>::max())
{
    return {.name = name, .type = ValueType::Long, .defaultValue = static_cast<double>(initial),
            .minimum = minimum, .maximum = maximum};
}
constexpr PropertyDef Flag(std::string_view name, bool initial = false)
{
    return {.name = name, .type = ValueType::Bool, .defaultValue = initial ? 1.0 : 0.0};
}
constexpr PropertyDef Date(std::string_view name, double initial = kNoneDate)
{
    return {.name = name, .type = ValueType::Date, .defaultValue = initial};
}
constexpr PropertyDef ReadOnly(PropertyDef def)
{
    def.access = Access::ReadOnly;
    return def;
}
constexpr PropertyDef Derived(PropertyDef def, Rule rule, std::string_view related = {})
{
    def.rule = rule;
    def.related = related;
    return def;
}

// Rows every item kind has, each kind placing them in its table.
constexpr PropertyDef EntryIdProperty() { return ReadOnly(Derived(Text("EntryID"), Rule::EntryId)); }
constexpr PropertyDef SavedProperty() { return ReadOnly(Derived(Flag("Saved"), Rule::Saved)); }
constexpr PropertyDef CreationTimeProperty() { return ReadOnly(Date("CreationTime")); }
constexpr PropertyDef LastModificationTimeProperty() { return ReadOnly(Date("LastModificationTime")); }

}  // namespace olsim
