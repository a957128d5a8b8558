// Whether a stream is shown to a person, who then can follow what changes on one line.
#pragma once

#include <cstdio>

namespace platform {

// Whether the stream writes to a terminal: a console on Windows, where the NUL device is
// none. False for a file, a pipe or no stream.
bool IsTerminal(FILE* stream);

}  // namespace platform
