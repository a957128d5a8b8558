#include "olsim/SimulatorLog.h"

#include <cstdio>
#include <utility>

namespace olsim {
namespace {

LogSink& Sink()
{
    static LogSink sink;
    return sink;
}

}  // namespace

void SetLogSink(LogSink sink) { Sink() = std::move(sink); }

void LogLine(const std::string& line)
{
    if (Sink())
        Sink()(line);
    else
        std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace olsim
