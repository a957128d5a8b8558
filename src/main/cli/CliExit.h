// The exit codes of the command line.
#pragma once

constexpr int kExitDone = 0;
// The conversion failed or could not start: a kind, field or file that is not there, a file
// that cannot be read or written, nothing to convert.
constexpr int kExitFailed = 1;
// The command line does not fit: usage follows the message.
constexpr int kExitUsage = 2;

// A run stopped by a signal ends as the shell reports a program the signal ended.
constexpr int ExitForSignal(int nSignal) { return 128 + nSignal; }
