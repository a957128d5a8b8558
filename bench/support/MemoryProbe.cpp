#include "support/MemoryProbe.h"

#include <fstream>
#include <string>

namespace bench {
namespace {

// A "Name:   1234 kB" line of /proc/self/status, in bytes; 0 when it is missing.
std::uint64_t StatusBytes(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(name + ":", 0) == 0)
            return std::stoull(line.substr(name.size() + 1)) * 1024;
    }
    return 0;
}

}  // namespace

std::uint64_t CurrentResidentBytes() { return StatusBytes("VmRSS"); }

std::uint64_t PeakResidentBytes() { return StatusBytes("VmHWM"); }

bool ResetPeakResident()
{
    // 5 resets the high water mark of the resident set (Linux 4.0 and later).
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

}  // namespace bench
