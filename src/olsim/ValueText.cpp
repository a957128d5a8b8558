#include "olsim/ValueText.h"

#include "platform/WinCompat.h"

#include <charconv>
#include <cstdio>

namespace olsim {
namespace {

std::string FormatDate(double date)
{
    if (date == kNoneDate)
        return {};
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(date, &st))
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
                  st.wMinute, st.wSecond);
    return text;
}

std::optional<int> Number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseDate(std::string_view text)
{
    if (text.empty())
        return kNoneDate;
    // "YYYY-MM-DD", then optionally " HH:MM" and ":SS".
    if (text.size() != 10 && text.size() != 16 && text.size() != 19)
        return std::nullopt;
    const auto part = [&](std::size_t at, std::size_t length) { return Number(text.substr(at, length)); };
    const auto year = part(0, 4), month = part(5, 2), day = part(8, 2);
    const auto hour = text.size() > 10 ? part(11, 2) : 0;
    const auto minute = text.size() > 10 ? part(14, 2) : 0;
    const auto second = text.size() > 16 ? part(17, 2) : 0;
    if (!year || !month || !day || !hour || !minute || !second || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    SYSTEMTIME st{static_cast<WORD>(*year), static_cast<WORD>(*month), 0, static_cast<WORD>(*day),
                  static_cast<WORD>(*hour), static_cast<WORD>(*minute), static_cast<WORD>(*second), 0};
    double date = 0;
    if (!SystemTimeToVariantTime(&st, &date))
        return std::nullopt;
    return date;
}

}  // namespace

std::string FormatValue(const PropertyValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* number = std::get_if<std::int32_t>(&value))
        return std::to_string(*number);
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? "true" : "false";
    if (const auto* date = std::get_if<double>(&value))
        return FormatDate(*date);
    return {};
}

std::optional<PropertyValue> ParseValue(ValueType type, std::string_view text)
{
    switch (type) {
    case ValueType::Text:
        return TextValue(std::string(text));
    case ValueType::Long:
        if (const auto number = Number(text))
            return LongValue(*number);
        return std::nullopt;
    case ValueType::Bool:
        if (text == "true" || text == "false")
            return BoolValue(text == "true");
        return std::nullopt;
    case ValueType::Date:
        if (const auto date = ParseDate(text))
            return DateValue(*date);
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace olsim
