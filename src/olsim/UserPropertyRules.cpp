#include "olsim/UserPropertyRules.h"

#include "olsim/AsciiNames.h"
#include "olsim/ItemRules.h"

namespace olsim {
namespace {

constexpr std::size_t kMaxNameCharacters = 64;

std::size_t Utf8CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

}  // namespace

bool IsValidUserPropertyName(std::string_view name)
{
    return !name.empty() && Utf8CharacterCount(name) <= kMaxNameCharacters &&
           name.find_first_of("[]_#") == std::string_view::npos;
}

std::optional<ValueType> UserPropertyValueType(std::int32_t type)
{
    switch (type) {
    case 1:
    case 11:
        return ValueType::Text;
    case 3:
    case 7:
    case 12:
    case 20:
        return ValueType::Long;
    case 5:
        return ValueType::Date;
    case 6:
        return ValueType::Bool;
    default:
        return std::nullopt;
    }
}

int FindUserProperty(const ItemData& item, std::string_view name)
{
    for (std::size_t position = 0; position < item.userProperties.size(); ++position) {
        if (SameAsciiName(item.userProperties[position].name, name))
            return static_cast<int>(position);
    }
    return -1;
}

PropertyValue UserPropertyValue(const UserPropertyData& property)
{
    if (IsSet(property.value))
        return property.value;
    const ValueType type = UserPropertyValueType(property.type).value_or(ValueType::Text);
    return DefaultValue(PropertyDef{.name = property.name, .type = type, .defaultValue = type == ValueType::Date ? kNoneDate : 0});
}

}  // namespace olsim
