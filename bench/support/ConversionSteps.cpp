#include "support/ConversionSteps.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/FieldEntry.h"
#include "main/cli/CliKinds.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConversionRun.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "main/engine/JournalSession.h"
#include "olsim/OutlookSimulator.h"
#include "platform/WinCompat.h"
#include "support/KindAdapter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace bench {
namespace {

// The simulated Outlook of the profile, registered as the program registers it, with COM
// started on this thread; the debug log goes beside the profile.
class OutlookSession {
public:
    explicit OutlookSession(const std::string& profile)
    {
        setenv("OLSIM_PROFILE", profile.c_str(), 1);
        const std::string folder = std::filesystem::path(profile).parent_path().string() + "/";
        AppDebug.SetLogFolder(folder.c_str());
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
            throw std::runtime_error("COM did not start");
        olsim::RegisterOutlookSimulator();
    }
    ~OutlookSession()
    {
        olsim::UnregisterOutlookSimulator();
        CoUninitialize();
    }
    OutlookSession(const OutlookSession&) = delete;
    OutlookSession& operator=(const OutlookSession&) = delete;
};

const TConvKind& ConvKindOf(const BenchKind& kind)
{
    const TConvKind* pKind = FindConvKind(kind.nFlag);
    if (pKind == nullptr)
        throw std::logic_error("no conversion kind for " + std::string(kind.name));
    return *pKind;
}

// Every field of the kind's table as the chosen columns, in table order.
class AllFields {
public:
    explicit AllFields(const TConvKind& kind)
    {
        for (int nPos = 1; nPos <= kind.GetFieldCount(); ++nPos) {
            CsvFieldEntry* pCopy = CopyFieldEntry(kind.GetFieldDef(static_cast<unsigned>(nPos)));
            if (pCopy == nullptr || !list.Add(pCopy))
                throw std::runtime_error("no memory for the field list");
        }
    }
    ~AllFields() { list.RemoveAll(true); }
    AllFields(const AllFields&) = delete;
    AllFields& operator=(const AllFields&) = delete;

    CxList list;
};

// Records read from a CSV file, owned.
class OwnedRecords {
public:
    OwnedRecords() = default;
    ~OwnedRecords() { list.RemoveAll(true); }
    OwnedRecords(const OwnedRecords&) = delete;
    OwnedRecords& operator=(const OwnedRecords&) = delete;

    CxList list;
};

// How long the written file takes to reach the disk from where the step left it.
double SecondsToDisk(const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0 || fsync(fd) != 0) {
        if (fd >= 0)
            close(fd);
        throw std::runtime_error("cannot sync " + path);
    }
    close(fd);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The kind as the command line names it.
std::string CommandLineKind(const BenchKind& kind)
{
    for (const TCliKind& cliKind : CliKinds()) {
        if (cliKind.nFlag == kind.nFlag)
            return cliKind.szName;
    }
    throw std::logic_error("the command line has no kind for " + std::string(kind.name));
}

// The number after "name": in the one-line JSON object of --json.
std::int64_t JsonCount(const std::string& json, const std::string& name)
{
    const std::size_t at = json.find("\"" + name + "\": ");
    if (at == std::string::npos)
        throw std::runtime_error("the command line gave no count " + name + ": " + json);
    return std::stoll(json.substr(at + name.size() + 4));
}

std::uint64_t FileSize(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace

Measurement MeasureLoad(const BenchKind& kind, const std::string& profile)
{
    const OutlookSession session(profile);
    const auto adapter = ConnectAdapter(kind);
    return MeasureStep([&] {
        if (!adapter->LoadItems())
            throw std::runtime_error("LoadItems failed");
        CxList records;
        return adapter->ListRecords(records);
    });
}

Measurement MeasureExport(const BenchKind& kind, const std::string& profile, const std::string& csvPath)
{
    const OutlookSession session(profile);
    const auto adapter = ConnectAdapter(kind);
    if (!adapter->LoadItems())
        throw std::runtime_error("LoadItems failed");
    CxList selected;
    adapter->ListRecords(selected);
    AllFields fields(ConvKindOf(kind));
    TRunSetup setup;
    setup.nMode = MODE_O2C;
    setup.pKind = &ConvKindOf(kind);
    setup.chQuote = '"';
    setup.bOverwrite = true;
    setup.szCsvFile = csvPath;
    std::filesystem::remove(csvPath);

    CxFile file;
    Measurement measured = MeasureStep([&] {
        const TRunResult result = RunConversion(setup, selected, fields.list, file, nullptr);
        if (result.bFailed)
            throw std::runtime_error("writing " + csvPath + " failed");
        return std::int64_t{result.nConverted};
    });
    measured.converted = measured.items;
    measured.outputBytes = FileSize(csvPath);
    measured.diskSeconds = measured.seconds + SecondsToDisk(csvPath);
    return measured;
}

Measurement MeasureCommandLineExport(const BenchKind& kind, const std::string& profile, const std::string& dataFolder,
                                     const std::string& csvPath)
{
    std::filesystem::remove(csvPath);
    std::filesystem::create_directories(dataFolder);
    const std::vector<std::string> args{
        "export", CommandLineKind(kind), csvPath, "--all", "--quote", "\"", "--delimiter", "comma", "--json"};
    ProgramMeasurement program =
        MeasureProgram(BRINDLE_PROGRAM, args, {{"OLSIM_PROFILE", profile}, {"XDG_DATA_HOME", dataFolder}});
    Measurement& measured = program.measured;
    measured.items = JsonCount(program.output, "written");
    measured.converted = measured.items;
    measured.outputBytes = FileSize(csvPath);
    measured.diskSeconds = measured.seconds + SecondsToDisk(csvPath);
    std::filesystem::remove(csvPath);
    std::filesystem::remove_all(dataFolder);
    return measured;
}

Measurement MeasureImport(const BenchKind& kind, const std::string& profile, const std::string& csvPath,
                          const std::string& journalPath)
{
    const OutlookSession session(profile);
    const auto adapter = ConnectAdapter(kind);
    if (!adapter->LoadItems())
        throw std::runtime_error("LoadItems failed");
    AllFields fields(ConvKindOf(kind));
    TRunSetup setup;
    setup.nMode = MODE_C2O;
    setup.pKind = &ConvKindOf(kind);
    setup.chQuote = '"';
    setup.szCsvFile = csvPath;
    setup.saveRecord = [&](void* pRec) { return adapter->SaveRecord(pRec); };

    OwnedRecords records;
    std::int64_t converted = 0;
    Measurement measured = MeasureStep([&] {
        TCsvSource source;
        if (!LoadCsvSource(csvPath.c_str(), ConvKindOf(kind), {'"', DELIMITER_COMMA, ENCODING_DETECT}, source))
            throw std::runtime_error("cannot read " + csvPath);
        CSV splitter;
        ImportCsvRecords(ConvKindOf(kind), source, fields.list, false, splitter, records.list);
        std::optional<TJournalSession> journal;
        if (!journalPath.empty()) {
            journal.emplace(journalPath, ConvKindOf(kind).nFlag, csvPath, "");
            if (!journal->Opened())
                throw std::runtime_error("cannot open the journal: " + journal->Failure());
            journal->Attach(setup, nullptr);
        }
        CxFile file;
        converted = RunConversion(setup, records.list, fields.list, file, nullptr).nConverted;
        if (journal)
            journal->Finish();
        return std::int64_t{records.list.GetCount()};
    });
    measured.converted = converted;
    if (!journalPath.empty()) {
        for (const char* szSuffix : {"", "-wal", "-shm"})
            std::filesystem::remove(journalPath + szSuffix);
    }
    return measured;
}

Measurement MeasureRead(const BenchKind& kind, const std::string& csvPath, bool bDetect)
{
    AllFields fields(ConvKindOf(kind));
    OwnedRecords records;
    return MeasureStep([&] {
        TCsvSource source;
        if (bDetect) {
            if (!LoadCsvSource(csvPath.c_str(), ConvKindOf(kind), {'"', DELIMITER_DETECT, ENCODING_DETECT}, source))
                throw std::runtime_error("cannot read " + csvPath);
        } else {
            if (!LoadCsvFileText(csvPath.c_str(), TCsvEncodingChoice::Utf8, source.file))
                throw std::runtime_error("cannot read " + csvPath);
            source.chQuote = '"';
            source.chDelimiter = ',';
        }
        CSV splitter;
        ImportCsvRecords(ConvKindOf(kind), source, fields.list, false, splitter, records.list);
        return std::int64_t{records.list.GetCount()};
    });
}

Measurement MeasureSingleWrite(const std::string& source, const std::string& target)
{
    std::ifstream in(source, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    const std::string bytes = content.str();
    if (!in || bytes.empty())
        throw std::runtime_error("cannot read " + source);
    std::filesystem::remove(target);
    Measurement measured = MeasureStep([&] {
        FILE* file = std::fopen(target.c_str(), "wb");
        if (file == nullptr)
            throw std::runtime_error("cannot open " + target);
        const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
        if (std::fclose(file) != 0 || written != bytes.size())
            throw std::runtime_error("writing " + target + " failed");
        return std::int64_t{1};
    });
    measured.outputBytes = FileSize(target);
    measured.diskSeconds = measured.seconds + SecondsToDisk(target);
    std::filesystem::remove(target);
    return measured;
}

Measurement MeasurePythonWriter(const std::string& source, const std::string& target)
{
    const std::string script = std::string(BRINDLE_BENCH_DIR) + "/csv_writer_reference.py";
    std::istringstream answer(RunProgram({"python3", script, source, target}));
    Measurement measured;
    answer >> measured.seconds >> measured.items >> measured.peakBytes >> measured.addedBytes >> measured.cpuSeconds >>
        measured.diskSeconds;
    if (!answer)
        throw std::runtime_error("the Python reference gave no measurement");
    measured.converted = measured.items;
    measured.outputBytes = FileSize(target);
    std::filesystem::remove(target);
    return measured;
}

}  // namespace bench
