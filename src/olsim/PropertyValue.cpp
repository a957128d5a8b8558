#include "olsim/PropertyValue.h"

namespace olsim {

std::string AsText(const PropertyValue& value)
{
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

std::int32_t AsLong(const PropertyValue& value)
{
    const auto* number = std::get_if<std::int32_t>(&value);
    return number ? *number : 0;
}

bool AsBool(const PropertyValue& value)
{
    const auto* flag = std::get_if<bool>(&value);
    return flag && *flag;
}

double AsDate(const PropertyValue& value)
{
    const auto* date = std::get_if<double>(&value);
    return date ? *date : 0.0;
}

}  // namespace olsim
