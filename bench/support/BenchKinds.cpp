#include "support/BenchKinds.h"

#include "main/engine/Apputil.h"

namespace bench {
namespace {

constexpr BenchKind kKinds[] = {
    {olsim::ItemKind::Contact, FLAG_ADDR, "contacts", "MobileTelephoneNumber", Change::Replace, "(425) 555-0123"},
    {olsim::ItemKind::Appointment, FLAG_DATE, "appointments", "Location", Change::Replace, "Board room 2"},
    // The priority is the one field besides the subject that the duplicate test compares.
    {olsim::ItemKind::Task, FLAG_TASK, "tasks", "Importance", Change::RaiseImportance, ""},
    // A note's first line is its key, so the change goes below it.
    {olsim::ItemKind::Note, FLAG_NOTE, "notes", "Body", Change::Append, "\r\nChanged since the export"},
};

}  // namespace

std::span<const BenchKind> BenchKinds() { return kKinds; }

const BenchKind* FindBenchKind(std::string_view name)
{
    for (const BenchKind& kind : kKinds) {
        if (kind.name == name)
            return &kind;
    }
    return nullptr;
}

}  // namespace bench
