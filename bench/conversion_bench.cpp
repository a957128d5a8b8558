// The conversion at scale, for folders of 1,000, 10,000 and 100,000 items of each kind:
// loading the folder into the record manager, the export engine writing every field of
// every item to a CSV file (pauses off), and the import engine reading such a file into
// records and saving each into a folder that already holds as many items, half of the rows
// matching stored ones. Next to the export: the command line's export of every contact (the
// built program, loading included), Python's csv.writer and one fwrite of the same bytes.
// Every step runs in a process of its own, which reports its time and its memory.
// Prints one table, with the targets the steps are held to, and writes it as JSON.
//
//   conversion_bench [--sizes=1000,10000,100000] [--kinds=contacts,appointments,tasks,notes]
//                    [--seed=1] [--repetitions=3] [--work-dir=DIR] [--json=FILE] [Google Benchmark's flags]
#include "support/BenchKinds.h"
#include "support/BenchReport.h"
#include "support/ConversionSteps.h"
#include "support/WizardSteps.h"
#include "support/Workspace.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

using bench::BenchKind;
using bench::Measurement;
using bench::Step;

struct Options {
    std::vector<std::uint32_t> sizes{1000, 10000, 100000};
    std::vector<const BenchKind*> kinds;
    std::uint32_t seed = 1;
    // Each step runs this many times; the table shows the run of median time.
    std::uint32_t repetitions = 3;
    std::string workDir;
    std::string jsonPath;
};

std::optional<std::uint32_t> Number(std::string_view text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::vector<std::string_view> Split(std::string_view text)
{
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const auto comma = text.find(',');
        parts.push_back(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return parts;
}

// What is left of the command line after Google Benchmark took its flags; the problem, if any.
std::optional<std::string> ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : arg.substr(equals + 1);
        if (name == "--sizes") {
            options.sizes.clear();
            for (const std::string_view part : Split(value)) {
                const auto size = Number(part);
                if (!size || *size < 2)
                    return "--sizes takes numbers of at least 2, separated by commas";
                options.sizes.push_back(*size);
            }
        } else if (name == "--kinds") {
            options.kinds.clear();
            for (const std::string_view part : Split(value)) {
                const BenchKind* kind = bench::FindBenchKind(part);
                if (kind == nullptr)
                    return "unknown kind \"" + std::string(part) + "\"";
                options.kinds.push_back(kind);
            }
        } else if (name == "--seed") {
            const auto seed = Number(value);
            if (!seed)
                return std::string("--seed takes a number");
            options.seed = *seed;
        } else if (name == "--repetitions") {
            const auto repetitions = Number(value);
            if (!repetitions || *repetitions == 0)
                return std::string("--repetitions takes a number of at least 1");
            options.repetitions = *repetitions;
        } else if (name == "--work-dir") {
            options.workDir = value;
        } else if (name == "--json") {
            options.jsonPath = value;
        } else {
            return "unknown argument \"" + std::string(arg) + "\"";
        }
    }
    if (options.kinds.empty()) {
        for (const BenchKind& kind : bench::BenchKinds())
            options.kinds.push_back(&kind);
    }
    if (options.sizes.empty() || options.kinds.empty())
        return std::string("nothing to measure");
    return std::nullopt;
}

// Google Benchmark's runs are reported here in the table instead: this only shows the
// progress on standard error.
class ProgressReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            std::cerr << run.benchmark_name() << ": "
                      << (run.error_occurred ? "failed: " + run.error_message
                                             : std::to_string(run.real_accumulated_time) + " s")
                      << std::endl;
        }
    }
};

// Registers one measurement, the run-th of its step: work runs in a child process and its
// time is the benchmark's time.
void Register(bench::Report& report, std::uint32_t run, Step step, const char* stepName, const BenchKind& kind,
              std::uint32_t count, std::function<Measurement()> work)
{
    const std::string name = std::string(stepName) + "/" + std::string(kind.name) + "/" + std::to_string(count) +
                             "/run:" + std::to_string(run);
    benchmark::RegisterBenchmark(name.c_str(), [&report, step, &kind, count, work](benchmark::State& state) {
        for (auto _ : state) {
            bench::Result result{step, std::string(kind.name), count, {}, {}};
            // What earlier steps wrote is on the disk first: no step waits for another's write-back.
            sync();
            try {
                result.measured = work();
            } catch (const std::exception& error) {
                result.error = error.what();
            }
            report.Add(result);
            if (!result.error.empty()) {
                state.SkipWithError(result.error.c_str());
                break;
            }
            state.SetIterationTime(result.measured.seconds);
            state.counters["peak_bytes"] = static_cast<double>(result.measured.peakBytes);
            state.counters["added_bytes"] = static_cast<double>(result.measured.addedBytes);
            state.counters["handled"] = static_cast<double>(result.measured.items);
        }
    })->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
}

// The wizard over the folder and the file of an import, and the user on its page 3; held to
// their targets on contacts.
void RegisterWizardSteps(bench::Report& report, bench::Workspace& work, std::uint32_t run, const BenchKind& k,
                         std::uint32_t count)
{
    using bench::ListAction;
    using bench::WizardRoad;
    const std::tuple<Step, const char*, WizardRoad> roads[] = {
        {Step::WizardExportRoad, "wizard_export_page1_to_page3", WizardRoad::ExportFromFilePage},
        {Step::WizardExportRecordPage, "wizard_export_page2_to_page3", WizardRoad::ExportFieldPageToRecords},
        {Step::WizardImportRecordPage, "wizard_import_page2_to_page3", WizardRoad::ImportFieldPageToRecords},
    };
    for (const auto& [step, name, road] : roads) {
        Register(report, run, step, name, k, count, [&work, &k, count, road] {
            const bool bImport = road == WizardRoad::ImportFieldPageToRecords;
            const std::string profile = work.StoredProfile(k, count);
            const std::string csv = bImport ? work.IncomingCsv(k, count) : work.PathOf("wizard-export.csv");
            const std::string data = work.PathOf("wizard-data");
            return bench::InChild([&] { return bench::MeasureWizardRoad(k, profile, csv, data, road); });
        });
    }
    const std::tuple<Step, const char*, bool, ListAction> actions[] = {
        {Step::RecordListScroll, "record_list_scroll", false, ListAction::Scroll},
        {Step::RecordListCheck, "record_list_check", false, ListAction::Check},
        {Step::RecordListCheckImport, "record_list_check_import", true, ListAction::Check},
    };
    for (const auto& [step, name, bImport, action] : actions) {
        Register(report, run, step, name, k, count, [&work, &k, count, bImport, action] {
            const std::string profile = work.StoredProfile(k, count);
            const std::string csv = bImport ? work.IncomingCsv(k, count) : work.PathOf("wizard-export.csv");
            const std::string data = work.PathOf("wizard-data");
            return bench::InChild(
                [&] { return bench::MeasureRecordListAction(k, profile, csv, data, bImport, action); });
        });
    }
}

// The runs of a kind's steps at every size follow one another, and the next run begins only
// when the last size is done: a ratio between sizes compares runs made close together, while
// the machine was in the same state.
void RegisterAll(bench::Report& report, bench::Workspace& work, const Options& options)
{
    for (std::uint32_t run = 1; run <= options.repetitions; ++run) {
        for (const BenchKind* kind : options.kinds) {
            for (const std::uint32_t count : options.sizes) {
                const BenchKind& k = *kind;
                Register(report, run, Step::Load, "load", k, count, [&work, &k, count] {
                    const std::string profile = work.StoredProfile(k, count);
                    return bench::InChild([&] { return bench::MeasureLoad(k, profile); });
                });
                Register(report, run, Step::Export, "export", k, count, [&work, &k, count] {
                    const std::string profile = work.StoredProfile(k, count);
                    const std::string csv = work.ExportPath(k, count);
                    return bench::InChild([&] { return bench::MeasureExport(k, profile, csv); });
                });
                // The command line is held to its target on contacts; for the other kinds it would
                // mostly measure their loading again.
                if (k.item == olsim::ItemKind::Contact)
                    Register(report, run, Step::CommandLineExport, "command_line_export", k, count, [&work, &k, count] {
                        const std::string profile = work.StoredProfile(k, count);
                        return bench::MeasureCommandLineExport(k, profile, work.PathOf("command-line"),
                                                               work.PathOf("command-line.csv"));
                    });
                Register(report, run, Step::PythonWriter, "python_csv_writer", k, count, [&work, &k, count] {
                    return bench::MeasurePythonWriter(work.ExportedCsv(k, count), work.PathOf("python.csv"));
                });
                Register(report, run, Step::SingleWrite, "single_fwrite", k, count, [&work, &k, count] {
                    const std::string csv = work.ExportedCsv(k, count);
                    const std::string target = work.PathOf("fwrite.csv");
                    return bench::InChild([&] { return bench::MeasureSingleWrite(csv, target); });
                });
                Register(report, run, Step::Import, "import", k, count, [&work, &k, count] {
                    const std::string csv = work.IncomingCsv(k, count);
                    const std::string profile = work.StoredProfileCopy(k, count);
                    return bench::InChild([&] { return bench::MeasureImport(k, profile, csv); });
                });
                Register(report, run, Step::JournaledImport, "import_journaled", k, count, [&work, &k, count] {
                    const std::string csv = work.IncomingCsv(k, count);
                    const std::string profile = work.StoredProfileCopy(k, count);
                    const std::string journal = work.PathOf("journal.sqlite");
                    return bench::InChild([&] { return bench::MeasureImport(k, profile, csv, journal); });
                });
                if (k.item == olsim::ItemKind::Contact)
                    RegisterWizardSteps(report, work, run, k, count);
                for (const bool bDetect : {false, true}) {
                    Register(report, run, bDetect ? Step::ReadDetected : Step::ReadFixed,
                             bDetect ? "read_detected" : "read_fixed", k, count, [&work, &k, count, bDetect] {
                                 const std::string csv = work.IncomingCsv(k, count);
                                 return bench::InChild([&] { return bench::MeasureRead(k, csv, bDetect); });
                             });
                }
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Options options;
    if (const auto problem = ParseOptions(argc, argv, options)) {
        std::cerr << "conversion_bench: " << *problem << "\n";
        return 2;
    }
    bench::Machine machine = bench::DescribeMachine();
    machine.loadBefore = bench::LoadAverage();
    bench::Report report;
    {
        bench::Workspace work(options.workDir, options.seed);
        RegisterAll(report, work, options);
        ProgressReporter progress;
        benchmark::RunSpecifiedBenchmarks(&progress);
        benchmark::Shutdown();
    }
    machine.loadAfter = bench::LoadAverage();

    report.PrintMarkdown(std::cout, machine);
    if (!options.jsonPath.empty()) {
        std::ofstream json(options.jsonPath);
        report.WriteJson(json, machine);
        if (!json) {
            std::cerr << "conversion_bench: cannot write " << options.jsonPath << "\n";
            return 1;
        }
    }
    return 0;
}
