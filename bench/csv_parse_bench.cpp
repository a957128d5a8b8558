// How fast CSV::Parse splits the lines of a 100 MB CSV file, next to merely reading the
// same lines. Splitting should run at no less than a third of the reading speed.
#include "common/misc/CsvEncoding.h"
#include "common/misc/CsvRecordWalker.h"
#include "common/misc/CxFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr std::size_t kFileSize = 100u << 20;
constexpr int kLineBufferSize = 65536;  // the buffer the CSV import reads with

// A contacts export as the program writes it: every value quoted, some holding commas.
class SampleFile {
public:
    SampleFile()
        : m_path(std::filesystem::temp_directory_path() / ("csv_parse_bench-" + std::to_string(getpid()) + ".csv"))
    {
        CxFile file;
        if (!file.Open(m_path.c_str(), "wb"))
            return;
        std::size_t written = 0;
        for (int row = 0; written < kFileSize; ++row) {
            char line[512];
            // Every value quoted as the export writes it; some hold commas or doubled quotes.
            const int length = std::snprintf(
                line, sizeof line,
                "\"Contact %d\",\"Smith\",\"%d Main St, Apt 4\",\"Springfield\",\"555-01%02d\","
                "\"person%d@example.com\",\"Met at the \"\"spring\"\" fair\",\"\",\"Acme, Inc.\",\"12/31/2004\"",
                row, row % 97, row % 100, row);
            file.WriteLine(line);
            written += static_cast<std::size_t>(length) + 2;
        }
        m_bReady = file.Close();
        m_nSize = written;
    }
    ~SampleFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    SampleFile(const SampleFile&) = delete;
    SampleFile& operator=(const SampleFile&) = delete;

    bool Ready() const { return m_bReady; }
    const char* Path() const { return m_path.c_str(); }
    std::size_t Size() const { return m_nSize; }

private:
    std::filesystem::path m_path;
    std::size_t m_nSize = 0;
    bool m_bReady = false;
};

const SampleFile& Sample()
{
    static const SampleFile sample;
    return sample;
}

// Reads every line of the sample; with a splitter, splits each one too.
template <typename Reader>
void RunOverSample(benchmark::State& state, Reader read)
{
    const SampleFile& sample = Sample();
    if (!sample.Ready()) {
        state.SkipWithError("cannot write the sample file");
        return;
    }
    std::size_t fields = 0;
    for (auto _ : state) {
        CxFile file;
        if (!file.Open(sample.Path(), "rb")) {
            state.SkipWithError("cannot open the sample file");
            return;
        }
        fields += read(file);
    }
    benchmark::DoNotOptimize(fields);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sample.Size()));
}

void ReadLines(benchmark::State& state)
{
    static char buffer[kLineBufferSize];
    RunOverSample(state, [](CxFile& file) {
        std::size_t lines = 0;
        while (file.ReadLine(buffer, sizeof buffer) != nullptr)
            ++lines;
        return lines;
    });
}

void ReadLinesAndParse(benchmark::State& state)
{
    static char buffer[kLineBufferSize];
    RunOverSample(state, [](CxFile& file) {
        CSV csv;
        csv.SetQuote('"');
        std::size_t fields = 0;
        while (file.ReadLine(buffer, sizeof buffer) != nullptr) {
            if (csv.Parse(buffer))
                fields += csv.GetCount();
        }
        return fields;
    });
}

// The import's road: the whole file decoded, then its records walked.
void WalkRecords(benchmark::State& state)
{
    RunOverSample(state, [](CxFile& file) {
        std::string bytes;
        file.ReadRest(bytes);
        const TCsvFileText text = DecodeCsvBytes(bytes, TCsvEncodingChoice::Detect);
        TCsvRecordWalker walker(text.szText, '"', ',');
        std::size_t records = 0;
        for (std::string_view record; walker.Next(record);)
            ++records;
        return records;
    });
}

void WalkRecordsAndParse(benchmark::State& state)
{
    RunOverSample(state, [](CxFile& file) {
        std::string bytes;
        file.ReadRest(bytes);
        const TCsvFileText text = DecodeCsvBytes(bytes, TCsvEncodingChoice::Detect);
        TCsvRecordWalker walker(text.szText, '"', ',');
        CSV csv;
        csv.SetQuote('"');
        std::size_t fields = 0;
        for (std::string_view record; walker.Next(record);) {
            if (csv.Parse(record))
                fields += csv.GetCount();
        }
        return fields;
    });
}

BENCHMARK(ReadLines)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ReadLinesAndParse)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WalkRecords)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WalkRecordsAndParse)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
