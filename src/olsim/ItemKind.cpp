#include "olsim/ItemKind.h"

#include "olsim/PropertyTables.h"

#include <string>
#include <unordered_map>

namespace olsim {
namespace {

const std::array<KindInfo, 4>& Kinds()
{
    static const std::array<KindInfo, 4> kinds{{
        {ItemKind::Contact, "ContactItem", "Contacts", 10, 2, "contacts", true, false, ContactProperties()},
        {ItemKind::Appointment, "AppointmentItem", "Calendar", 9, 1, "appointments", true, true,
         AppointmentProperties()},
        {ItemKind::Task, "TaskItem", "Tasks", 13, 3, "tasks", true, true, TaskProperties()},
        {ItemKind::Note, "NoteItem", "Notes", 12, 5, "notes", false, false, NoteProperties()},
    }};
    return kinds;
}

using NameIndex = std::unordered_map<std::string, int, AsciiCaseHash, AsciiCaseEqual>;

NameIndex BuildNameIndex(std::span<const PropertyDef> properties)
{
    NameIndex index;
    for (std::size_t row = 0; row < properties.size(); ++row)
        index.emplace(std::string(properties[row].name), static_cast<int>(row));
    return index;
}

}  // namespace

const KindInfo& Info(ItemKind kind) { return Kinds()[static_cast<std::size_t>(kind)]; }

std::optional<ItemKind> KindForFolderNumber(int folderNumber)
{
    for (const KindInfo& info : Kinds()) {
        if (info.folderNumber == folderNumber)
            return info.kind;
    }
    return std::nullopt;
}

std::optional<ItemKind> KindForItemType(int itemType)
{
    for (const KindInfo& info : Kinds()) {
        if (info.itemType == itemType)
            return info.kind;
    }
    return std::nullopt;
}

std::optional<ItemKind> KindForListName(std::string_view name)
{
    for (const KindInfo& info : Kinds()) {
        const std::string_view singular = info.listName.substr(0, info.listName.size() - 1);
        if (SameAsciiName(name, info.listName) || SameAsciiName(name, singular))
            return info.kind;
    }
    return std::nullopt;
}

int FindProperty(ItemKind kind, std::string_view name)
{
    static const std::array<NameIndex, 4> indexes{
        BuildNameIndex(ContactProperties()), BuildNameIndex(AppointmentProperties()),
        BuildNameIndex(TaskProperties()), BuildNameIndex(NoteProperties())};
    const NameIndex& index = indexes[static_cast<std::size_t>(kind)];
    const auto found = index.find(name);
    return found == index.end() ? -1 : found->second;
}

}  // namespace olsim
