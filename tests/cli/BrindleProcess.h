// Runs the built brindle as a user runs it from a shell: a child process in this process's
// environment (so on the test's data folder and profile) but without a display, with its
// standard output and standard error collected.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace cli_test {

struct ProgramRun {
    int nExit = -1;  // the exit code; 128 + the signal for a child a signal ended
    std::string out;
    std::string err;
};

struct ProgramSetup {
    // Variables set for the child, beyond this process's environment.
    std::vector<std::pair<std::string, std::string>> environment;
    // Standard error on a terminal of its own (a pseudo-terminal) instead of a file.
    bool bErrOnTerminal = false;
};

// DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are never passed on (unless environment sets
// one). Root runs the child without its capabilities, so file permissions mean for the
// child what they mean for any user.
ProgramRun RunBrindle(const std::vector<std::string>& args, const ProgramSetup& setup = {});

}  // namespace cli_test
