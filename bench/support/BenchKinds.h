// The four kinds of item the benchmark moves, one row each: how the simulated Outlook, the
// program and the report name the kind, and how an incoming item is made to differ from its
// stored match in a field the duplicate test compares.
#pragma once

#include "olsim/ItemKind.h"

#include <span>
#include <string_view>

namespace bench {

// How the changed property of an incoming item comes to differ from its stored match.
enum class Change {
    Replace,          // it becomes changedText
    Append,           // changedText goes after the old text
    RaiseImportance,  // one of Outlook's three levels up, high wrapping round to low
};

struct BenchKind {
    olsim::ItemKind item;
    int nFlag;                        // the program's AppFlag
    std::string_view name;            // as the olsim tool and the report name it
    std::string_view changedProperty; // a property behind a compared field, not a key field
    Change change;
    std::string_view changedText;     // what Replace sets or Append adds; unused by RaiseImportance
};

std::span<const BenchKind> BenchKinds();
// The row named name; null for none.
const BenchKind* FindBenchKind(std::string_view name);

}  // namespace bench
