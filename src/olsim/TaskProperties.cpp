#include "olsim/PropertyTables.h"

namespace olsim {

namespace {

constexpr PropertyDef kTaskProperties[] = {
    EntryIdProperty(),
    Text("Subject"),
    Text("Body"),
    Text("Categories"),
    Date("StartDate"),
    Date("DueDate"),
    Date("DateCompleted"),
    Flag("Complete"),
    Long("Status", 0, 0, 4),
    Long("PercentComplete", 0, 0, 100),
    Long("Importance", 1, 0, 2),
    Long("Sensitivity", 0, 0, 3),
    Flag("ReminderSet"),
    Date("ReminderTime"),
    Flag("ReminderOverrideDefault"),
    Flag("ReminderPlaySound"),
    Text("ReminderSoundFile"),
    Long("TotalWork", 0, 0),
    Long("ActualWork", 0, 0),
    Long("Ordinal"),
    Text("CardData"),
    Text("Mileage"),
    Text("Role"),
    Flag("TeamTask"),
    ReadOnly(Long("ResponseState", 0, 0, 3)),
    ReadOnly(Derived(Flag("IsRecurring"), Rule::IsRecurring)),
    SavedProperty(),
    CreationTimeProperty(),
    LastModificationTimeProperty(),
};

}  // namespace

std::span<const PropertyDef> TaskProperties() { return kTaskProperties; }

}  // namespace olsim
