// Property values as the olsim tool writes and reads them: texts as they are, numbers in
// decimal, flags as true or false, dates as "YYYY-MM-DD HH:MM:SS" (the "none" date as
// the empty text).
#pragma once

#include "olsim/PropertyValue.h"

#include <optional>
#include <string>
#include <string_view>

namespace olsim {

std::string FormatValue(const PropertyValue& value);

// Dates may leave out the seconds or the whole time. None for a text that does not fit
// the type.
std::optional<PropertyValue> ParseValue(ValueType type, std::string_view text);

}  // namespace olsim
