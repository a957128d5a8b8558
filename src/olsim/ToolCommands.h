// The olsim command-line tool: seeding, listing and clearing the profile of the simulated
// Outlook, and the version it simulates.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace olsim {

// Runs one command (the arguments after the program's name) on the profile of
// ProfilePath(). Returns 0 on success, 1 when the command failed, 2 for a command line
// that does not fit; messages go to err.
int RunTool(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace olsim
