// What the item state tests stand on, beside the simulated Outlook of the adapter tests: the
// profile's listing of a kind, values put through plain automation calls, and for each kind
// a rich and a plain item, an update through the kind's adapter as an import makes it, and a
// change by hand that the adapter never makes.
#pragma once

#include "OlDateTaskNoteSim.h"

#include "olsim/ItemKind.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace item_state_test {

using adapter_test::AdapterSim;
using adapter_test::Object;

inline constexpr int kContactsFolder = 10;
inline constexpr LONG kContactItem = 2;
inline constexpr LONG kTextType = 1;
inline constexpr LONG kNumberType = 3;
inline constexpr LONG kDateType = 5;
inline constexpr LONG kYesNoType = 6;

// The profile's JSON listing of the kind, every LastModificationTime blanked.
std::string Listing(olsim::ItemKind kind);

// VARIANTs a put or a call takes over.
VARIANT Text(platform::OleStringView text);
VARIANT Date(DATE dValue);
VARIANT Long(LONG nValue);
VARIANT Flag(bool bValue);

// Puts the value, failing the test when Outlook refuses it.
void Put(CDispCmd& object, const OLECHAR* szName, VARIANT value);
// Calls a method with its arguments in their natural order; the object it gives, if any.
Object Call(CDispCmd& object, const OLECHAR* szMethod, std::vector<VARIANT> args = {});
Object UserProperties(CDispCmd& item);
void AddUserProperty(CDispCmd& item, const OLECHAR* szName, LONG nType, VARIANT value);

struct KindCase {
    const char* szName;
    LONG nItemType;
    int nFolder;
    olsim::ItemKind kind;
    void (*seedRich)(AdapterSim&);
    void (*seedPlain)(AdapterSim&);
    // Loads the kind's adapter and saves a record with the key of the item and other values.
    void (*updateByAdapter)(CDispCmd& item);
    // Clears texts, fills others, adds a user property or turns the pattern on or off; unsaved.
    void (*changeByHand)(CDispCmd& item);
};

// Contacts, appointments, tasks and notes.
std::span<const KindCase> Kinds();
const KindCase& KindOf(olsim::ItemKind kind);

}  // namespace item_state_test
