// Making a member of the simulated Outlook fail on purpose, so that tests can see how the
// program copes with an Outlook that refuses a call.
//
// A fault names an object kind and a member, both compared without regard to ASCII case,
// and the HRESULT the call returns instead of running. Object kinds are "Application",
// "NameSpace", "Folder", "Items", "ContactItem", "AppointmentItem", "TaskItem",
// "NoteItem", "UserProperties", "UserProperty" and "RecurrencePattern"; members are the
// object model's names ("GetFirst", "Save", "FullName", ...), and the member
// "CreateInstance" of "Application" makes CoCreateInstance itself fail. A fault fires
// on every call (always) or on the next call only (once), for gets, puts and method
// calls alike. A fault given through InjectFault may first let a number of calls through,
// so that a test can make, say, the third adapter's GetDefaultFolder fail and not the first.
//
// Whole-program tests set the environment variable OLSIM_FAULTS, read when the
// simulator is registered:
//
//     OLSIM_FAULTS="Kind.Member=HRESULT[:once|:always][;Kind.Member=HRESULT...]"
//     OLSIM_FAULTS="Items.GetNext=0x80004005:once;ContactItem.Save=0x80020009"
//
// HRESULT is hexadecimal with 0x, or decimal; the repeat defaults to always.
#pragma once

#include "platform/WinCompat.h"

#include <optional>
#include <string>
#include <string_view>

namespace olsim {

enum class FaultRepeat { Once, Always };

inline constexpr const char* kFaultsVariable = "OLSIM_FAULTS";

void InjectFault(std::string_view objectKind, std::string_view member, HRESULT hr,
                 FaultRepeat repeat = FaultRepeat::Always, unsigned passFirst = 0);
void ClearFaults();

// Replaces every fault with those of a list in the syntax above. On a bad
// list no fault is left and the reason is returned.
std::optional<std::string> LoadFaults(std::string_view faultList);

// The failure a call of the member is to return, if one is injected; a call the fault still
// lets through counts down its passes, and a fault that fires once is used up.
std::optional<HRESULT> TakeFault(std::string_view objectKind, std::string_view member);

}  // namespace olsim
