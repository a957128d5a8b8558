#include "olsim/ItemRules.h"

#include "olsim/OleDateMath.h"

#include <cmath>
#include <stdexcept>

namespace olsim {
namespace {

constexpr int kMinutesPerDay = 1440;
constexpr std::string_view kNameParts[] = {"Title", "FirstName", "MiddleName", "LastName", "Suffix"};

int RowOf(ItemKind kind, std::string_view name)
{
    const int row = FindProperty(kind, name);
    if (row < 0)
        throw std::logic_error("no property " + std::string(name));
    return row;
}

const PropertyDef& DefOf(ItemKind kind, int row) { return Info(kind).properties[static_cast<std::size_t>(row)]; }

PropertyValue StoredOrDefault(const ItemData& item, int row)
{
    const PropertyValue& value = item.values[static_cast<std::size_t>(row)];
    return IsSet(value) ? value : DefaultValue(DefOf(item.kind, row));
}

PropertyValue Stored(const ItemData& item, std::string_view name) { return StoredOrDefault(item, RowOf(item.kind, name)); }

void Store(ItemData& item, std::string_view name, PropertyValue value)
{
    item.values[static_cast<std::size_t>(RowOf(item.kind, name))] = std::move(value);
}

std::string ComposedFullName(const ItemData& item)
{
    std::string fullName;
    for (const std::string_view part : kNameParts) {
        const std::string text = AsText(Stored(item, part));
        if (text.empty())
            continue;
        if (!fullName.empty())
            fullName += ' ';
        fullName += text;
    }
    return fullName;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

std::int32_t WholeDays(std::int32_t minutes)
{
    const std::int32_t days = std::max<std::int32_t>(1, (minutes + kMinutesPerDay - 1) / kMinutesPerDay);
    return days * kMinutesPerDay;
}

bool IsAllDay(const ItemData& item) { return AsBool(Stored(item, "AllDayEvent")); }

PropertyValue DerivedValue(const ItemData& item, const PropertyDef& def, int row)
{
    switch (def.rule) {
    case Rule::EntryId:
        return TextValue(item.entryId);
    case Rule::Saved:
        return BoolValue(item.saved);
    case Rule::IsRecurring:
        return BoolValue(item.recurrence.has_value());
    case Rule::RecurrenceState:
        return LongValue(item.recurrence ? 1 : 0);
    case Rule::FullName: {
        const PropertyValue& put = item.values[static_cast<std::size_t>(row)];
        return IsSet(put) ? put : TextValue(ComposedFullName(item));
    }
    case Rule::EmailDisplayName:
    case Rule::EmailAddressType: {
        const PropertyValue& put = item.values[static_cast<std::size_t>(row)];
        if (IsSet(put))
            return put;
        const std::string address = AsText(Stored(item, def.related));
        if (address.empty())
            return TextValue({});
        if (def.rule == Rule::EmailAddressType)
            return TextValue("SMTP");
        const std::string fullName = AsText(GetProperty(item, "FullName"));
        return TextValue(fullName.empty() ? address : fullName);
    }
    case Rule::NoteSubject:
        return TextValue(FirstLine(AsText(Stored(item, "Body"))));
    case Rule::End:
        return DateValue(AddMinutes(AsDate(Stored(item, "Start")), AsLong(Stored(item, "Duration"))));
    case Rule::Stored:
    case Rule::Start:
    case Rule::Duration:
    case Rule::AllDayEvent:
        break;
    }
    return StoredOrDefault(item, row);
}

PutOutcome PutAppointmentTime(ItemData& item, Rule rule, const PropertyValue& value)
{
    const bool allDay = IsAllDay(item);
    switch (rule) {
    case Rule::Start:
        Store(item, "Start", DateValue(allDay ? StartOfDay(AsDate(value)) : AsDate(value)));
        return PutOutcome::Done;
    case Rule::Duration:
        Store(item, "Duration", LongValue(allDay ? WholeDays(AsLong(value)) : AsLong(value)));
        return PutOutcome::Done;
    case Rule::End: {
        const int minutes = MinutesBetween(AsDate(Stored(item, "Start")), AsDate(value));
        if (minutes < 0)
            return PutOutcome::OutOfRange;
        Store(item, "Duration", LongValue(allDay ? WholeDays(minutes) : minutes));
        return PutOutcome::Done;
    }
    case Rule::AllDayEvent:
        Store(item, "AllDayEvent", value);
        if (AsBool(value)) {
            Store(item, "Start", DateValue(StartOfDay(AsDate(Stored(item, "Start")))));
            Store(item, "Duration", LongValue(WholeDays(AsLong(Stored(item, "Duration")))));
        }
        return PutOutcome::Done;
    default:
        throw std::logic_error("not an appointment time rule");
    }
}

}  // namespace

PropertyValue DefaultValue(const PropertyDef& def)
{
    switch (def.type) {
    case ValueType::Text:
        return TextValue({});
    case ValueType::Long:
        return LongValue(static_cast<std::int32_t>(def.defaultValue));
    case ValueType::Bool:
        return BoolValue(def.defaultValue != 0);
    case ValueType::Date:
        return DateValue(def.defaultValue);
    }
    return {};
}

ItemData NewItem(ItemKind kind)
{
    ItemData item(kind);
    if (kind == ItemKind::Appointment) {
        Store(item, "Start", DateValue(NextHalfHour()));
        Store(item, "Duration", LongValue(30));
    }
    return item;
}

void StampForSave(ItemData& item, double now)
{
    if (item.id == 0)
        Store(item, "CreationTime", DateValue(now));
    Store(item, "LastModificationTime", DateValue(now));
}

PropertyValue GetProperty(const ItemData& item, int row) { return DerivedValue(item, DefOf(item.kind, row), row); }

const PropertyValue* PutValue(const ItemData& item, int row)
{
    const PropertyValue& value = item.values[static_cast<std::size_t>(row)];
    return DefOf(item.kind, row).rule == Rule::Stored && IsSet(value) ? &value : nullptr;
}

PropertyValue GetProperty(const ItemData& item, std::string_view name) { return GetProperty(item, RowOf(item.kind, name)); }

PutOutcome PutProperty(ItemData& item, int row, PropertyValue value)
{
    const PropertyDef& def = DefOf(item.kind, row);
    if (def.access == Access::ReadOnly)
        return PutOutcome::ReadOnly;
    if (def.type == ValueType::Long && (AsLong(value) < def.minimum || AsLong(value) > def.maximum))
        return PutOutcome::OutOfRange;
    PutOutcome outcome = PutOutcome::Done;
    switch (def.rule) {
    case Rule::Start:
    case Rule::End:
    case Rule::Duration:
    case Rule::AllDayEvent:
        outcome = PutAppointmentTime(item, def.rule, value);
        break;
    default:
        item.values[static_cast<std::size_t>(row)] = std::move(value);
        break;
    }
    if (outcome == PutOutcome::Done)
        item.saved = false;
    return outcome;
}

}  // namespace olsim
