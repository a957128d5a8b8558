#include "support/BenchReport.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <thread>
#include <tuple>

namespace bench {
namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr const char* kTargetKind = "contacts";
constexpr std::uint32_t kLargeCount = 100000;
constexpr std::uint32_t kMiddleCount = 10000;

// Each target the conversion is held to.
constexpr double kMostImportGrowth = 12.0;   // time(100,000) / time(10,000)
constexpr double kMostLargeImportSeconds = 20.0;
constexpr double kLeastSpeedOverPython = 2.0;
constexpr double kMostTimeOverSingleWrite = 3.0;
constexpr double kMostLargeLoadSeconds = 10.0;
constexpr double kMostDetectionShare = 0.05;  // of the import engine's time
constexpr double kMostCommandLineOverEngine = 1.2;  // time / (load + export engine)
constexpr double kMostJournalOverImport = 1.5;      // journaled import / import engine
constexpr double kMostWizardRoadOverLoad = 1.5;     // page 1's Next to page 3 painted / load
constexpr double kMostListActionSeconds = 0.05;     // a scroll or a check on page 3

struct StepInfo {
    Step step;
    const char* name;   // in the JSON
    const char* title;  // in the table
};

constexpr StepInfo kSteps[] = {
    {Step::Load, "load", "load (LoadItems)"},
    {Step::Export, "export", "export engine"},
    {Step::CommandLineExport, "command_line_export", "command-line export (brindle export --all)"},
    {Step::PythonWriter, "python_csv_writer", "Python csv.writer"},
    {Step::SingleWrite, "single_fwrite", "one fwrite"},
    {Step::Import, "import", "import engine"},
    {Step::JournaledImport, "import_journaled", "import engine with its journal"},
    {Step::ReadFixed, "read_fixed", "reading the import file, comma and UTF-8 given"},
    {Step::ReadDetected, "read_detected", "reading the import file, format detected, titles matched"},
    {Step::WizardExportRoad, "wizard_export_page1_to_page3",
     "wizard, export: Next on page 1 (folder loaded) to page 3 painted, fields chosen"},
    {Step::WizardExportRecordPage, "wizard_export_page2_to_page3", "wizard, export: Next on page 2 to page 3 painted"},
    {Step::WizardImportRecordPage, "wizard_import_page2_to_page3",
     "wizard, import: Next on page 2 to page 3 painted (file read, preview)"},
    {Step::RecordListScroll, "record_list_scroll", "page 3, export: slowest of 20 scrolls"},
    {Step::RecordListCheck, "record_list_check", "page 3, export: slowest of 20 checks"},
    {Step::RecordListCheckImport, "record_list_check_import", "page 3, import: slowest of 20 checks (preview again)"},
};

const StepInfo& InfoOf(Step step)
{
    for (const StepInfo& info : kSteps) {
        if (info.step == step)
            return info;
    }
    return kSteps[0];
}

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Grouped(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string JsonText(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// Bytes written per second of the given time: the step's own, or until its file was on the disk.
double Throughput(const Result& result, double seconds)
{
    return seconds > 0 ? static_cast<double>(result.measured.outputBytes) / seconds : 0;
}

double Throughput(const Result& result) { return Throughput(result, result.measured.seconds); }

double DiskThroughput(const Result& result) { return Throughput(result, result.measured.diskSeconds); }

std::string FirstLineOf(const std::string& path, const std::string& key)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (key.empty() || line.rfind(key, 0) == 0)
            return key.empty() ? line : line.substr(line.find(':') + 1);
    }
    return {};
}

std::string Trimmed(std::string text)
{
    const auto first = text.find_first_not_of(" \t\n");
    const auto last = text.find_last_not_of(" \t\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace

std::string LoadAverage()
{
    std::string line = FirstLineOf("/proc/loadavg", "");
    // The first three numbers: the averages over 1, 5 and 15 minutes.
    std::size_t end = 0;
    for (int field = 0; field < 3 && end != std::string::npos; ++field)
        end = line.find(' ', end + (field > 0 ? 1 : 0));
    return Trimmed(line.substr(0, end));
}

Machine DescribeMachine()
{
    Machine machine;
    machine.cpu = Trimmed(FirstLineOf("/proc/cpuinfo", "model name"));
    machine.cores = std::thread::hardware_concurrency();
    machine.memoryBytes = std::stoull("0" + Trimmed(FirstLineOf("/proc/meminfo", "MemTotal"))) * 1024;
    utsname names{};
    if (uname(&names) == 0)
        machine.system = std::string(names.sysname) + " " + names.release + " " + names.machine;
    machine.compiler = "g++ " __VERSION__;
    return machine;
}

void Report::Add(Result result) { m_results.push_back(std::move(result)); }

std::vector<Result> Report::Summary() const
{
    std::map<std::tuple<Step, std::string, std::uint32_t>, std::vector<Result>> groups;
    for (const Result& result : m_results)
        groups[{result.step, result.kind, result.count}].push_back(result);
    std::vector<Result> summary;
    for (auto& [key, results] : groups) {
        std::sort(results.begin(), results.end(),
                  [](const Result& a, const Result& b) { return a.measured.seconds < b.measured.seconds; });
        summary.push_back(results[results.size() / 2]);
    }
    std::stable_sort(summary.begin(), summary.end(), [](const Result& a, const Result& b) {
        return std::tie(a.kind, a.step, a.count) < std::tie(b.kind, b.step, b.count);
    });
    // Contacts, the kind the targets speak of, come first.
    std::stable_partition(summary.begin(), summary.end(), [](const Result& r) { return r.kind == kTargetKind; });
    return summary;
}

std::vector<Report::Target> Report::Targets() const
{
    const std::vector<Result> summary = Summary();
    const auto find = [&](Step step, std::uint32_t count) -> const Result* {
        for (const Result& result : summary) {
            if (result.step == step && result.kind == kTargetKind && result.count == count && result.error.empty())
                return &result;
        }
        return nullptr;
    };
    std::vector<Target> targets;
    const auto seconds = [&](Step step, std::uint32_t count) -> double {
        const Result* result = find(step, count);
        return result ? result->measured.seconds : -1;
    };
    const auto add = [&](std::string what, double value, std::string limit, bool met, int decimals, const char* unit) {
        targets.push_back({std::move(what), value < 0 ? "not measured" : Fixed(value, decimals) + unit,
                           std::move(limit), value < 0 ? -1 : (met ? 1 : 0)});
    };

    const double largeImport = seconds(Step::Import, kLargeCount);
    const double middleImport = seconds(Step::Import, kMiddleCount);
    const double growth = largeImport > 0 && middleImport > 0 ? largeImport / middleImport : -1;
    add("import: time(100,000) / time(10,000)", growth, "below 12", growth < kMostImportGrowth, 2, "");
    add("import of 100,000 contacts into 100,000", largeImport, "below 20 s", largeImport < kMostLargeImportSeconds,
        2, " s");

    const Result* exported = find(Step::Export, kLargeCount);
    const Result* python = find(Step::PythonWriter, kLargeCount);
    const Result* single = find(Step::SingleWrite, kLargeCount);
    // The writers are compared until their files are on the disk: the time a writer takes to hand
    // its bytes to the system's cache alone depends on what earlier steps left to write back.
    const double overPython =
        exported && python && DiskThroughput(*python) > 0 ? DiskThroughput(*exported) / DiskThroughput(*python) : -1;
    add("export throughput / Python csv.writer's, files on the disk (100,000 contacts)", overPython, "at least 2",
        overPython >= kLeastSpeedOverPython, 2, "");
    const double overSingle = exported && single && single->measured.diskSeconds > 0
                                  ? exported->measured.diskSeconds / single->measured.diskSeconds
                                  : -1;
    add("export time / one fwrite's, files on the disk (100,000 contacts)", overSingle, "at most 3",
        overSingle <= kMostTimeOverSingleWrite, 2, "");

    // The program does what the wizard does before its run too: it loads the folder. What the
    // command line may add is its start, its end and the way to the engine.
    const double largeLoad = seconds(Step::Load, kLargeCount);
    const double commandLine = seconds(Step::CommandLineExport, kLargeCount);
    const double overEngine = commandLine > 0 && largeLoad > 0 && exported
                                  ? commandLine / (largeLoad + exported->measured.seconds)
                                  : -1;
    add("command-line export / (load + export engine) at 100,000 contacts", overEngine, "at most 1.2",
        overEngine <= kMostCommandLineOverEngine, 2, "");

    const double readFixed = seconds(Step::ReadFixed, kLargeCount);
    const double readDetected = seconds(Step::ReadDetected, kLargeCount);
    const double detectionShare = readFixed > 0 && readDetected > 0 && largeImport > 0
                                      ? std::max(0.0, readDetected - readFixed) / largeImport
                                      : -1;
    add("detection and title matching / import engine (100,000 contacts)", detectionShare, "below 0.05",
        detectionShare < kMostDetectionShare, 3, "");

    const double journaled = seconds(Step::JournaledImport, kLargeCount);
    const double journalCost = journaled > 0 && largeImport > 0 ? journaled / largeImport : -1;
    add("import with its journal / without (100,000 contacts into 100,000)", journalCost, "at most 1.5",
        journalCost <= kMostJournalOverImport, 2, "");

    add("load of 100,000 contacts", largeLoad, "below 10 s", largeLoad < kMostLargeLoadSeconds, 2, " s");

    // The wizard adds to the load the progress display, the field page and page 3 painted.
    const double road = seconds(Step::WizardExportRoad, kLargeCount);
    const double roadOverLoad = road > 0 && largeLoad > 0 ? road / largeLoad : -1;
    add("wizard: page 1's Next to page 3 painted / load alone (100,000 contacts)", roadOverLoad, "at most 1.5",
        roadOverLoad <= kMostWizardRoadOverLoad, 2, "");
    const std::pair<Step, const char*> listActions[] = {
        {Step::RecordListScroll, "page 3: slowest scroll, 100,000 contacts"},
        {Step::RecordListCheck, "page 3: slowest check of a record, 100,000 contacts"},
        {Step::RecordListCheckImport, "page 3 of an import: slowest check of a record, preview again, 100,000 contacts"},
    };
    for (const auto& [step, what] : listActions) {
        const double slowest = seconds(step, kLargeCount);
        add(what, slowest < 0 ? -1 : slowest * 1000, "below 50 ms", slowest < kMostListActionSeconds, 1, " ms");
    }
    return targets;
}

void Report::PrintMarkdown(std::ostream& out, const Machine& machine) const
{
    out << "| step | kind | items | seconds | cpu seconds | on disk s | µs per item | MB/s | peak MB | added MB | handled "
           "| converted |\n"
        << "|---|---|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|\n";
    for (const Result& result : Summary()) {
        const Measurement& m = result.measured;
        out << "| " << InfoOf(result.step).title << " | " << result.kind << " | " << Grouped(result.count) << " | ";
        if (!result.error.empty()) {
            out << "failed: " << result.error << " | | | | | | | | |\n";
            continue;
        }
        out << Fixed(m.seconds, 3) << " | " << (m.cpuSeconds > 0 ? Fixed(m.cpuSeconds, 3) : "") << " | "
            << (m.diskSeconds > 0 ? Fixed(m.diskSeconds, 3) : "") << " | "
            << Fixed(m.seconds * 1e6 / result.count, 1) << " | "
            << (m.outputBytes > 0 ? Fixed(Throughput(result) / kMegabyte, 1) : "") << " | "
            << Fixed(static_cast<double>(m.peakBytes) / kMegabyte, 1) << " | "
            << Fixed(static_cast<double>(m.addedBytes) / kMegabyte, 1) << " | " << Grouped(static_cast<std::uint64_t>(m.items))
            << " | " << Grouped(static_cast<std::uint64_t>(m.converted)) << " |\n";
    }
    out << "\n| target | measured | limit | met |\n|---|--:|---|---|\n";
    for (const Target& target : Targets())
        out << "| " << target.what << " | " << target.measured << " | " << target.limit << " | "
            << (target.met < 0 ? "not measured" : target.met ? "yes" : "NO") << " |\n";
    out << "\nLoad average (1, 5, 15 minutes): " << machine.loadBefore << " at the start, " << machine.loadAfter
        << " at the end.\n";
}

void Report::WriteJson(std::ostream& out, const Machine& machine) const
{
    out << "{\n  \"machine\": {\"cpu\": " << JsonText(machine.cpu) << ", \"cores\": " << machine.cores
        << ", \"memory_bytes\": " << machine.memoryBytes << ", \"system\": " << JsonText(machine.system)
        << ", \"compiler\": " << JsonText(machine.compiler) << "},\n  \"load_average\": {\"start\": "
        << JsonText(machine.loadBefore) << ", \"end\": " << JsonText(machine.loadAfter) << "},\n  \"results\": [";
    const char* separator = "\n";
    for (const Result& result : Summary()) {
        const Measurement& m = result.measured;
        out << separator << "    {\"step\": " << JsonText(InfoOf(result.step).name) << ", \"kind\": "
            << JsonText(result.kind) << ", \"items\": " << result.count;
        if (result.error.empty())
            out << ", \"seconds\": " << Fixed(m.seconds, 6) << ", \"cpu_seconds\": " << Fixed(m.cpuSeconds, 6)
                << ", \"peak_bytes\": " << m.peakBytes
                << ", \"added_bytes\": " << m.addedBytes << ", \"handled\": " << m.items
                << ", \"converted\": " << m.converted << ", \"output_bytes\": " << m.outputBytes
                << ", \"disk_seconds\": " << Fixed(m.diskSeconds, 6) << "}";
        else
            out << ", \"error\": " << JsonText(result.error) << "}";
        separator = ",\n";
    }
    out << "\n  ],\n  \"targets\": [";
    separator = "\n";
    for (const Target& target : Targets()) {
        out << separator << "    {\"target\": " << JsonText(target.what) << ", \"measured\": " << JsonText(target.measured)
            << ", \"limit\": " << JsonText(target.limit) << ", \"met\": "
            << (target.met < 0 ? "null" : target.met ? "true" : "false") << "}";
        separator = ",\n";
    }
    out << "\n  ]\n}\n";
}

}  // namespace bench
