// One value of an item property as the simulated Outlook keeps it, independent of COM.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace olsim {

// The four automation types that item properties have.
enum class ValueType : std::uint8_t { Text, Long, Bool, Date };

// Empty (std::monostate) for a property that was never given a value; texts are UTF-8.
using PropertyValue = std::variant<std::monostate, std::string, std::int32_t, bool, double>;

// Outlook's "none" date, 1 January 4501 00:00, reported for an unset date.
inline constexpr double kNoneDate = 949998.0;

inline PropertyValue TextValue(std::string text) { return PropertyValue{std::in_place_type<std::string>, std::move(text)}; }
inline PropertyValue LongValue(std::int32_t number) { return PropertyValue{std::in_place_type<std::int32_t>, number}; }
inline PropertyValue BoolValue(bool flag) { return PropertyValue{std::in_place_type<bool>, flag}; }
inline PropertyValue DateValue(double date) { return PropertyValue{std::in_place_type<double>, date}; }

inline bool IsSet(const PropertyValue& value) { return !std::holds_alternative<std::monostate>(value); }

// The value's content in the given type; an empty value reads as the type's zero.
std::string AsText(const PropertyValue& value);
std::int32_t AsLong(const PropertyValue& value);
bool AsBool(const PropertyValue& value);
double AsDate(const PropertyValue& value);

}  // namespace olsim
