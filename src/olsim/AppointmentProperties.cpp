#include "olsim/PropertyTables.h"

namespace olsim {
namespace {

// Appointments have no ReminderTime in any Outlook version; its absence is deliberate.
constexpr PropertyDef kAppointmentProperties[] = {
    EntryIdProperty(),
    Text("Subject"),
    Derived(Date("Start", 0), Rule::Start),
    Derived(Date("End", 0), Rule::End),
    Derived(Long("Duration", 0, 0), Rule::Duration),
    Derived(Flag("AllDayEvent"), Rule::AllDayEvent),
    Text("Location"),
    Text("Body"),
    Text("Categories"),
    Long("BusyStatus", 2, 0, 4),
    Long("Importance", 1, 0, 2),
    Long("Sensitivity", 0, 0, 3),
    Long("MeetingStatus", 0, 0, 7),
    Flag("ReminderSet", true),
    Long("ReminderMinutesBeforeStart", 15, 0),
    Flag("ReminderOverrideDefault"),
    Flag("ReminderPlaySound"),
    Text("ReminderSoundFile"),
    Date("ReplyTime"),
    Flag("ResponseRequested", true),
    ReadOnly(Long("ResponseStatus")),
    Flag("NetMeetingAutoStart"),
    Text("NetMeetingDocPathName"),
    Text("NetMeetingOrganizerAlias"),
    Text("NetMeetingServer"),
    Long("NetMeetingType"),
    Text("NetShowURL"),
    ReadOnly(Derived(Flag("IsRecurring"), Rule::IsRecurring)),
    ReadOnly(Derived(Long("RecurrenceState"), Rule::RecurrenceState)),
    SavedProperty(),
    CreationTimeProperty(),
    LastModificationTimeProperty(),
};

}  // namespace

std::span<const PropertyDef> AppointmentProperties() { return kAppointmentProperties; }

}  // namespace olsim
