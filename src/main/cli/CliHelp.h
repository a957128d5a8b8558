// The help of the command line: the general help, each command's help and the short usage
// that follows a command line that does not fit.
#pragma once

#include "main/cli/CliRequest.h"

#include <ostream>

// nCommand None: the general help.
void WriteHelp(std::ostream& out, TCliCommand nCommand);
void WriteUsage(std::ostream& out, TCliCommand nCommand);
