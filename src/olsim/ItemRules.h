// What reading and changing an item's properties does: defaults, derived values and the
// rules that tie properties together, as Outlook applies them.
#pragma once

#include "olsim/ItemData.h"

namespace olsim {

enum class PutOutcome { Done, ReadOnly, OutOfRange };

// A fresh unsaved item of the kind, with the values Outlook gives a new item.
ItemData NewItem(ItemKind kind);

// The value of the property in row, in the row's type; never empty.
PropertyValue GetProperty(const ItemData& item, int row);
PropertyValue GetProperty(const ItemData& item, std::string_view name);

// The value put into a plain stored property, without a copy; null when the property was
// never set or derives its value (GetProperty then gives it).
const PropertyValue* PutValue(const ItemData& item, int row);

// value must already have the row's type. A done put marks the item unsaved.
PutOutcome PutProperty(ItemData& item, int row, PropertyValue value);

// Sets what a save sets: the creation time of a new item and the modification time.
void StampForSave(ItemData& item, double now);

// The value a property of that table row has when it was never set.
PropertyValue DefaultValue(const PropertyDef& def);

}  // namespace olsim
