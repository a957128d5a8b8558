#include "olsim/ItemBuilder.h"

#include "olsim/ItemRules.h"
#include "olsim/RecurrenceRules.h"
#include "olsim/UserPropertyRules.h"
#include "olsim/ValueText.h"

#include <stdexcept>
#include <string>

namespace olsim {
namespace {

PropertyValue Parsed(ValueType type, std::string_view name, std::string_view text)
{
    auto value = ParseValue(type, text);
    if (!value)
        throw std::invalid_argument("\"" + std::string(text) + "\" is no value for " + std::string(name));
    return *value;
}

}  // namespace

ItemBuilder::ItemBuilder(ItemKind kind) : m_item(NewItem(kind)) {}

ItemBuilder& ItemBuilder::Set(std::string_view property, std::string_view text)
{
    const int row = FindProperty(m_item.kind, property);
    if (row < 0)
        throw std::invalid_argument(std::string(Info(m_item.kind).objectName) + " has no " + std::string(property));
    const ValueType type = Info(m_item.kind).properties[static_cast<std::size_t>(row)].type;
    if (PutProperty(m_item, row, Parsed(type, property, text)) != PutOutcome::Done)
        throw std::invalid_argument(std::string(property) + " does not take \"" + std::string(text) + "\"");
    return *this;
}

ItemBuilder& ItemBuilder::UserProperty(std::string_view name, std::int32_t type, std::string_view text)
{
    const auto valueType = UserPropertyValueType(type);
    if (!Info(m_item.kind).hasUserProperties || !valueType || !IsValidUserPropertyName(name) ||
        FindUserProperty(m_item, name) >= 0)
        throw std::invalid_argument("cannot add the user property " + std::string(name));
    m_item.userProperties.push_back({std::string(name), type, Parsed(*valueType, name, text)});
    return *this;
}

ItemBuilder& ItemBuilder::Pattern(std::string_view member, std::string_view text)
{
    const int row = FindPatternMember(member);
    if (row < 0 || !Info(m_item.kind).hasRecurrence)
        throw std::invalid_argument("no recurrence pattern member " + std::string(member));
    const PatternMemberDef& def = PatternMembers()[static_cast<std::size_t>(row)];
    if (PutPatternMember(m_item, def.member, Parsed(def.type, member, text)) != PutOutcome::Done)
        throw std::invalid_argument(std::string(member) + " does not take \"" + std::string(text) + "\"");
    return *this;
}

}  // namespace olsim
