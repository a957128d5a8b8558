// The benchmark's one table: every measurement, the targets it is held to, and the machine
// it ran on, printed as Markdown and written as JSON.
#pragma once

#include "support/ChildProcess.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace bench {

// The measured steps, in the order the table shows them.
enum class Step {
    Load,
    Export,
    CommandLineExport,
    PythonWriter,
    SingleWrite,
    Import,
    JournaledImport,
    ReadFixed,
    ReadDetected,
    WizardExportRoad,
    WizardExportRecordPage,
    WizardImportRecordPage,
    RecordListScroll,
    RecordListCheck,
    RecordListCheckImport
};

struct Result {
    Step step;
    std::string kind;
    std::uint32_t count;
    Measurement measured;
    std::string error;  // empty unless the step failed
};

struct Machine {
    std::string cpu;
    unsigned cores = 0;
    std::uint64_t memoryBytes = 0;
    std::string system;
    std::string compiler;
    std::string loadBefore;  // /proc/loadavg when the run started
    std::string loadAfter;   // and when it ended
};

Machine DescribeMachine();
std::string LoadAverage();

// Several results of one step, kind and count (repetitions) count as their median time.
class Report {
public:
    void Add(Result result);

    void PrintMarkdown(std::ostream& out, const Machine& machine) const;
    void WriteJson(std::ostream& out, const Machine& machine) const;

private:
    struct Target {
        std::string what;
        std::string measured;
        std::string limit;
        int met;  // 1 met, 0 missed, -1 not measured
    };

    std::vector<Result> Summary() const;
    std::vector<Target> Targets() const;

    std::vector<Result> m_results;
};

}  // namespace bench
