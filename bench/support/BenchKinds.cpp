#include "support/BenchKinds.h"

#include "main/Apputil.h"

namespace bench {
namespace {

constexpr BenchKind kKinds[] = {
    {olsim::ItemKind::Contact, FLAG_ADDR, "contacts", "MobileTelephoneNumber", "(425) 555-0123", false},
    {olsim::ItemKind::Appointment, FLAG_DATE, "appointments", "Location", "Board room 2", false},
    {olsim::ItemKind::Task, FLAG_TASK, "tasks", "DueDate", "2031-06-30", false},
    // A note's first line is its key, so the change goes below it.
    {olsim::ItemKind::Note, FLAG_NOTE, "notes", "Body", "\r\nChanged since the export", true},
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
