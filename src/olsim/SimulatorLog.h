// Where the simulated Outlook reports what goes wrong inside it (a profile it cannot
// open, a save that failed). Standard error unless the host program routes it elsewhere.
#pragma once

#include <functional>
#include <string>

namespace olsim {

using LogSink = std::function<void(const std::string& line)>;

// An empty sink restores standard error.
void SetLogSink(LogSink sink);
void LogLine(const std::string& line);

}  // namespace olsim
