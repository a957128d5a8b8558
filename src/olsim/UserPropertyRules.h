// The user-defined properties of an item: which names and types Outlook accepts and how
// a property's value is typed.
#pragma once

#include "olsim/ItemData.h"

#include <optional>
#include <string_view>

namespace olsim {

// At most 64 characters, none of "[", "]", "_" or "#", and not empty.
bool IsValidUserPropertyName(std::string_view name);

// The value type of an OlUserPropertyType the simulator supports: text (1) and keywords
// (11) are text; number (3), duration (7), percent (12) and integer (20) are VT_I4;
// date-time (5) is a date and yes/no (6) a flag. None for the others.
std::optional<ValueType> UserPropertyValueType(std::int32_t type);

// The position of the named property, compared without regard to ASCII case; -1 if absent.
int FindUserProperty(const ItemData& item, std::string_view name);

// The property's value; a value never set reads as its type's default.
PropertyValue UserPropertyValue(const UserPropertyData& property);

}  // namespace olsim
