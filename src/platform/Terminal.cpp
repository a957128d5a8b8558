#include "platform/Terminal.h"

#include <unistd.h>

namespace platform {

bool IsTerminal(FILE* stream) { return stream != nullptr && isatty(fileno(stream)) != 0; }

}  // namespace platform
