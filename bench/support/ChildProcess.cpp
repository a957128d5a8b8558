#include "support/ChildProcess.h"

#include "support/MemoryProbe.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>
#include <stdexcept>

extern char** environ;

namespace bench {
namespace {

constexpr char kSucceeded = 'o';
constexpr char kFailed = 'e';

class Pipe {
public:
    Pipe()
    {
        if (pipe(m_ends) != 0)
            throw std::runtime_error(std::string("cannot make a pipe: ") + std::strerror(errno));
    }
    ~Pipe()
    {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int ReadEnd() const { return m_ends[0]; }
    int WriteEnd() const { return m_ends[1]; }
    void CloseRead() { Close(m_ends[0]); }
    void CloseWrite() { Close(m_ends[1]); }

private:
    static void Close(int& fd)
    {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
    int m_ends[2] = {-1, -1};
};

void WriteAll(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

// The child's exit status in words, empty for a clean exit with 0; usage, when given, gets
// what the child used.
std::string ExitProblem(pid_t child, rusage* usage = nullptr)
{
    int status = 0;
    while (wait4(child, &status, 0, usage) < 0) {
        if (errno != EINTR)
            return std::string("cannot wait for the child: ") + std::strerror(errno);
    }
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
        return "ended with exit code " + std::to_string(WEXITSTATUS(status));
    return {};
}

double CpuSecondsOf(const rusage& usage)
{
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return CpuSecondsOf(usage);
}

// This process's environment with the variables of changes set.
std::vector<std::string> EnvironmentWith(const std::vector<std::pair<std::string, std::string>>& changes)
{
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('='));
        bool changed = false;
        for (const auto& change : changes)
            changed = changed || change.first == name;
        if (!changed)
            entries.push_back(text);
    }
    for (const auto& [name, value] : changes)
        entries.push_back(name + "=" + value);
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Starts a child whose standard output goes into output, running exec (which returns only
// when the program could not be started); the parent keeps the reading end.
template <class TExec>
pid_t StartWithOutput(Pipe& output, TExec exec)
{
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error(std::string("cannot fork: ") + std::strerror(errno));
    if (child == 0) {
        dup2(output.WriteEnd(), STDOUT_FILENO);
        output.CloseRead();
        output.CloseWrite();
        exec();
        _exit(127);
    }
    output.CloseWrite();
    return child;
}

}  // namespace

Measurement MeasureStep(const std::function<std::int64_t()>& step)
{
    ResetPeakResident();
    const std::uint64_t before = CurrentResidentBytes();
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    Measurement measured;
    measured.items = step();
    measured.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.cpuSeconds = CpuSeconds() - cpuStart;
    measured.peakBytes = PeakResidentBytes();
    measured.addedBytes = measured.peakBytes > before ? measured.peakBytes - before : 0;
    return measured;
}

Measurement InChild(const std::function<Measurement()>& work)
{
    Pipe channel;
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error(std::string("cannot fork: ") + std::strerror(errno));
    if (child == 0) {
        channel.CloseRead();
        try {
            const Measurement measured = work();
            WriteAll(channel.WriteEnd(), &kSucceeded, 1);
            WriteAll(channel.WriteEnd(), &measured, sizeof measured);
        } catch (const std::exception& error) {
            WriteAll(channel.WriteEnd(), &kFailed, 1);
            WriteAll(channel.WriteEnd(), error.what(), std::strlen(error.what()));
        }
        // Nothing of the parent's (its buffers, its exit handlers) may run twice.
        _exit(0);
    }
    channel.CloseWrite();
    const std::string answer = ReadAll(channel.ReadEnd());
    const std::string problem = ExitProblem(child);
    if (!answer.empty() && answer[0] == kFailed)
        throw std::runtime_error(answer.substr(1));
    if (!problem.empty() || answer.size() != 1 + sizeof(Measurement) || answer[0] != kSucceeded)
        throw std::runtime_error("the measuring process " + (problem.empty() ? "gave no result" : problem));
    Measurement measured;
    std::memcpy(&measured, answer.data() + 1, sizeof measured);
    return measured;
}

std::string RunProgram(const std::vector<std::string>& argv)
{
    if (argv.empty())
        throw std::runtime_error("no program to run");
    std::vector<std::string> args = argv;
    const std::vector<char*> argPointers = Pointers(args);
    Pipe output;
    const pid_t child = StartWithOutput(output, [&] { execvp(argPointers[0], argPointers.data()); });
    const std::string text = ReadAll(output.ReadEnd());
    const std::string problem = ExitProblem(child);
    if (!problem.empty())
        throw std::runtime_error(argv[0] + " " + problem);
    return text;
}

ProgramMeasurement MeasureProgram(const std::string& path, const std::vector<std::string>& args,
                                  const std::vector<std::pair<std::string, std::string>>& environment)
{
    std::vector<std::string> argv{path};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> envp = EnvironmentWith(environment);
    const std::vector<char*> argPointers = Pointers(argv);
    const std::vector<char*> envPointers = Pointers(envp);

    Pipe output;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child =
        StartWithOutput(output, [&] { execve(path.c_str(), argPointers.data(), envPointers.data()); });
    ProgramMeasurement program;
    program.output = ReadAll(output.ReadEnd());
    rusage usage{};
    const std::string problem = ExitProblem(child, &usage);
    program.measured.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!problem.empty())
        throw std::runtime_error(path + " " + problem);
    program.measured.cpuSeconds = CpuSecondsOf(usage);
    // Linux gives the peak in kilobytes.
    program.measured.peakBytes = static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
    program.measured.addedBytes = program.measured.peakBytes;
    return program;
}

}  // namespace bench
