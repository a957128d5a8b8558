// A small, realistic set of items for a new profile, so that a first export shows records:
// contacts with addresses and user properties, appointments that recur or remind,
// completed and open tasks, notes of several colours.
#pragma once

#include "olsim/ItemData.h"

#include <vector>

namespace olsim {

std::vector<ItemData> SampleItems(ItemKind kind);

}  // namespace olsim
