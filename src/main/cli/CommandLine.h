// The program run with arguments: brindle fields|export|import ..., without the wizard,
// without a window and without a display.
#pragma once

#include <ostream>
#include <span>
#include <string>

// The arguments after the program's name; the exit code. bErrTerminal: err is a terminal,
// which then shows the progress of a run.
int RunCommandLine(std::span<const std::string> args, std::ostream& out, std::ostream& err, bool bErrTerminal);
// The same on standard output and standard error.
int RunCommandLine(int argc, char** argv);
