#include "olsim/ItemListing.h"

#include "common/misc/JsonText.h"
#include "olsim/ItemRules.h"
#include "olsim/RecurrenceRules.h"
#include "olsim/UserPropertyRules.h"
#include "olsim/ValueText.h"

#include <string>

namespace olsim {
namespace {

constexpr std::string_view kPatternPrefix = "RecurrencePattern.";

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string JsonValue(const PropertyValue& value)
{
    if (std::holds_alternative<std::string>(value))
        return JsonString(std::get<std::string>(value));
    if (const auto* date = std::get_if<double>(&value))
        return *date == kNoneDate ? "null" : JsonString(FormatValue(value));
    return FormatValue(value);
}

std::string UserPropertiesText(const ItemData& item)
{
    std::string text;
    for (const UserPropertyData& property : item.userProperties) {
        if (!text.empty())
            text += "; ";
        text += property.name + "=" + FormatValue(UserPropertyValue(property));
    }
    return text;
}

}  // namespace

ItemListing::ItemListing(std::ostream& out, ItemKind kind, ListFormat format)
    : m_out(out), m_kind(kind), m_format(format)
{
    const KindInfo& info = Info(kind);
    if (format == ListFormat::Json) {
        m_out << "[";
        return;
    }
    std::string title;
    for (const PropertyDef& def : info.properties)
        title.append(title.empty() ? "" : ",").append(def.name);
    if (info.hasUserProperties)
        title += ",UserProperties";
    if (info.hasRecurrence) {
        for (const PatternMemberDef& member : PatternMembers())
            title.append(",").append(kPatternPrefix).append(member.name);
    }
    m_out << title << "\n";
}

void ItemListing::Add(const ItemData& item)
{
    if (m_format == ListFormat::Csv)
        AddCsv(item);
    else
        AddJson(item);
    m_first = false;
}

void ItemListing::AddCsv(const ItemData& item)
{
    const KindInfo& info = Info(m_kind);
    std::string row;
    for (std::size_t index = 0; index < info.properties.size(); ++index) {
        if (index > 0)
            row += ',';
        row += CsvField(FormatValue(GetProperty(item, static_cast<int>(index))));
    }
    if (info.hasUserProperties)
        row.append(",").append(CsvField(UserPropertiesText(item)));
    if (info.hasRecurrence) {
        for (const PatternMemberDef& member : PatternMembers()) {
            row += ',';
            if (item.recurrence)
                row += CsvField(FormatValue(GetPatternMember(*item.recurrence, member.member)));
        }
    }
    m_out << row << "\n";
}

void ItemListing::AddJson(const ItemData& item)
{
    const KindInfo& info = Info(m_kind);
    std::string object = m_first ? "\n  {" : ",\n  {";
    for (std::size_t index = 0; index < info.properties.size(); ++index) {
        object += index > 0 ? ", " : "";
        object += JsonString(info.properties[index].name) + ": " + JsonValue(GetProperty(item, static_cast<int>(index)));
    }
    if (info.hasUserProperties) {
        object += ", \"UserProperties\": [";
        for (std::size_t i = 0; i < item.userProperties.size(); ++i) {
            const UserPropertyData& property = item.userProperties[i];
            object += (i > 0 ? ", " : "") + std::string("{\"Name\": ") + JsonString(property.name) +
                      ", \"Type\": " + std::to_string(property.type) +
                      ", \"Value\": " + JsonValue(UserPropertyValue(property)) + "}";
        }
        object += "]";
    }
    if (info.hasRecurrence) {
        object += ", \"RecurrencePattern\": ";
        if (!item.recurrence) {
            object += "null";
        } else {
            object += "{";
            bool firstMember = true;
            for (const PatternMemberDef& member : PatternMembers()) {
                object += (firstMember ? "" : ", ") + JsonString(member.name) + ": " +
                          JsonValue(GetPatternMember(*item.recurrence, member.member));
                firstMember = false;
            }
            object += "}";
        }
    }
    m_out << object << "}";
}

void ItemListing::Finish()
{
    if (m_format == ListFormat::Json)
        m_out << (m_first ? "]\n" : "\n]\n");
}

}  // namespace olsim
