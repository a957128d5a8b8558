// The simulated Outlook: an in-process automation server registered as
// "Outlook.Application", keeping its items in a SQLite profile.
//
// The profile is the file OLSIM_PROFILE names, else "olsim/profile.sqlite" in the
// common application data folder ($XDG_DATA_HOME, else ~/.local/share); it is created,
// empty, on first use. What goes wrong inside the simulator (a profile it cannot open, a
// save that failed) is reported through the log sink of SimulatorLog.h.
#pragma once

#include "platform/WinCompat.h"

#include <string>

namespace olsim {

// Outlook.Application's class id.
inline constexpr CLSID CLSID_OutlookApplication{0x0006F03A, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// Where the profile is, as above; empty when there is no data folder to put it in.
std::string ProfilePath();

// Registers the server under "Outlook.Application", and the App Paths entry of
// OUTLOOK.EXE with the file version that the profile records, so that the program finds
// an installed Outlook of that version. Reads OLSIM_FAULTS (FaultInjection.h), replacing
// any fault injected before. Registering again refreshes all of it.
void RegisterOutlookSimulator();

// Undoes the registration: Outlook is then not installed.
void UnregisterOutlookSimulator();

}  // namespace olsim
