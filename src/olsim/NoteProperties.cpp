#include "olsim/PropertyTables.h"

namespace olsim {
namespace {

constexpr PropertyDef kNoteProperties[] = {
    EntryIdProperty(),
    ReadOnly(Derived(Text("Subject"), Rule::NoteSubject)),
    Text("Body"),
    Text("Categories"),
    Long("Color", 3, 0, 4),
    SavedProperty(),
    CreationTimeProperty(),
    LastModificationTimeProperty(),
};

}  // namespace

std::span<const PropertyDef> NoteProperties() { return kNoteProperties; }

}  // namespace olsim
