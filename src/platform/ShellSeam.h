// The launcher tests put in place of the shell, shared by the seam and each platform's
// ShellExecuteA.
#pragma once

#include "platform/win/Shell.h"

namespace platform {

// What a launcher answers for a call it took: any value above 32 means success.
inline constexpr INT kShellLaunched = 42;

// Null while ShellExecuteA does its real work.
ShellLauncher* ShellLauncherInForce();

// Follows each change of the launcher in force.
void ShellLauncherChanged();

// One call as ShellExecuteA received it; absent texts become empty.
ShellCall MakeShellCall(LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory, INT nShowCmd);

// A launcher's answer as ShellExecuteA returns it.
HINSTANCE ShellResult(INT result);

}  // namespace platform
