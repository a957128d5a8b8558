// The content of one item, as loaded from the profile or built before its first save.
#pragma once

#include "olsim/ItemKind.h"
#include "olsim/PropertyValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace olsim {

struct UserPropertyData {
    std::string name;
    std::int32_t type = 1;  // OlUserPropertyType
    PropertyValue value;

    bool operator==(const UserPropertyData&) const = default;
};

// Outlook's numbering: OlRecurrenceType and OlDaysOfWeek.
struct RecurrenceData {
    std::int32_t recurrenceType = 1;
    std::int32_t interval = 1;
    std::int32_t dayOfWeekMask = 0;
    std::int32_t dayOfMonth = 0;
    std::int32_t instance = 0;
    std::int32_t monthOfYear = 0;
    double patternEndDate = kNoneDate;  // kNoneDate: the pattern has no end

    bool operator==(const RecurrenceData&) const = default;
};

struct ItemData {
    explicit ItemData(ItemKind itemKind) : kind(itemKind), values(Info(itemKind).properties.size()) {}

    ItemKind kind;
    std::int64_t id = 0;  // the profile's row; 0 until the first save
    std::string entryId;  // empty until the first save
    std::vector<PropertyValue> values;  // one per row of the kind's table
    std::vector<UserPropertyData> userProperties;
    std::optional<RecurrenceData> recurrence;
    bool saved = false;
};

}  // namespace olsim
