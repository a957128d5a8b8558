// The user properties in an item state: every one the item has, with its type and value,
// read in the item's order and put back in that order.
#pragma once

#include "common/outlook/OlItemState.h"
#include "common/outlook/OlItemStateKinds.h"

// False, the reason logged, when the collection or a property's name, type or value cannot
// be read (a value of a type no TOlValue holds among them).
bool ReadUserPropertyStates(CDispCmd& item, const TOlStateKind& kind, int nFailureLevel,
                            std::vector<TOlSavedUserProperty>& properties);

// Makes the item's user properties the saved ones: those already standing where the state
// has them (same name and type) stay; from the first that does not, the item's go and the
// state's are added, so the order comes back too; then every value is put.
bool RestoreUserProperties(CDispCmd& item, const TOlStateKind& kind,
                           const std::vector<TOlSavedUserProperty>& properties);
