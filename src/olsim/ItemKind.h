// The four kinds of item the simulated Outlook keeps, each in its own default folder.
#pragma once

#include "olsim/AsciiNames.h"
#include "olsim/PropertyDef.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace olsim {

enum class ItemKind { Contact, Appointment, Task, Note };

inline constexpr std::array<ItemKind, 4> kAllItemKinds{ItemKind::Contact, ItemKind::Appointment, ItemKind::Task,
                                                        ItemKind::Note};

struct KindInfo {
    ItemKind kind;
    std::string_view objectName;  // the object model's class name, e.g. "ContactItem"
    std::string_view folderName;  // the default folder's name in an English profile
    int folderNumber;             // OlDefaultFolders
    int itemType;                 // OlItemType
    std::string_view listName;    // the olsim tool's name for the kind
    bool hasUserProperties;
    bool hasRecurrence;
    std::span<const PropertyDef> properties;
};

const KindInfo& Info(ItemKind kind);
std::optional<ItemKind> KindForFolderNumber(int folderNumber);
std::optional<ItemKind> KindForItemType(int itemType);
// Accepts the tool's names ("contacts") and their singular forms, without regard to case.
std::optional<ItemKind> KindForListName(std::string_view name);

// The row of the named property, compared without regard to ASCII case; -1 when the kind
// has no such property.
int FindProperty(ItemKind kind, std::string_view name);

}  // namespace olsim
