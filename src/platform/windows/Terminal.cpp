#include "platform/Terminal.h"

#include <windows.h>

#include <io.h>

namespace platform {

// _isatty answers yes for every character device, the NUL device too; only a console has a
// console mode.
bool IsTerminal(FILE* stream)
{
    const int fd = stream == nullptr ? -1 : _fileno(stream);
    if (fd < 0)
        return false;
    const auto hStream = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    DWORD nMode = 0;
    return hStream != INVALID_HANDLE_VALUE && GetConsoleMode(hStream, &nMode) != FALSE;
}

}  // namespace platform
