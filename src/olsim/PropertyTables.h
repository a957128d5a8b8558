// The property table of each item kind.
#pragma once

#include "olsim/PropertyDef.h"

#include <span>

namespace olsim {

std::span<const PropertyDef> ContactProperties();
std::span<const PropertyDef> AppointmentProperties();
std::span<const PropertyDef> TaskProperties();
std::span<const PropertyDef> NoteProperties();

}  // namespace olsim
