// Builds an item from texts, the way the olsim tool writes its sample and generated items
// down. A name or text that does not fit the kind is a mistake in those tables and throws
// std::invalid_argument.
#pragma once

#include "olsim/ItemData.h"

#include <string_view>

namespace olsim {

class ItemBuilder {
public:
    explicit ItemBuilder(ItemKind kind);

    // Puts the property as the object model would, with its rules (ValueText gives the
    // texts' forms).
    ItemBuilder& Set(std::string_view property, std::string_view text);
    ItemBuilder& UserProperty(std::string_view name, std::int32_t type, std::string_view text);
    // Gives the item a recurrence pattern (if it has none) and sets one of its members.
    ItemBuilder& Pattern(std::string_view member, std::string_view text);

    ItemData& Item() { return m_item; }

private:
    ItemData m_item;
};

}  // namespace olsim
