// Measuring one step of a benchmark in a process of its own: every measurement starts from
// the same small process, and what one leaves behind in memory does not weigh on the next.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace bench {

struct Measurement {
    double seconds = 0;
    double cpuSeconds = 0;          // processor time of the step (user and system)
    std::uint64_t peakBytes = 0;    // the process's resident peak while the step ran
    std::uint64_t addedBytes = 0;   // how far that peak rose above the resident size before it
    std::int64_t items = 0;         // what the step handled: items, rows or records
    std::int64_t converted = 0;     // of those, what changed the other side
    std::uint64_t outputBytes = 0;  // the size of the file the step wrote, if any
    double diskSeconds = 0;         // a step that writes a file: until the file is on the disk
};

// Times step, which returns what it handled, and watches the memory while it runs.
Measurement MeasureStep(const std::function<std::int64_t()>& step);

// Runs work in a forked child and hands back its measurement. Throws std::runtime_error
// with the child's own words when it failed.
Measurement InChild(const std::function<Measurement()>& work);

// Runs the program (found on PATH) with the arguments and returns what it wrote to its
// standard output; throws std::runtime_error when it cannot start or does not end with 0.
std::string RunProgram(const std::vector<std::string>& argv);

// A program measured from the outside, as a user's shell starts it: its wall-clock time from
// start to end, its processor time and its resident peak (the whole process's, so also its
// added memory). items and converted are left to the caller.
struct ProgramMeasurement {
    Measurement measured;
    std::string output;  // its standard output
};

// Runs the program at path with the arguments, in this process's environment with the
// variables of environment set; throws std::runtime_error when it cannot start or does not
// end with 0.
ProgramMeasurement MeasureProgram(const std::string& path, const std::vector<std::string>& args,
                                  const std::vector<std::pair<std::string, std::string>>& environment);

}  // namespace bench
