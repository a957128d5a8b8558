#include "cli/BrindleProcess.h"

#include "support/TempDir.h"

#include <fcntl.h>
#include <linux/securebits.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace cli_test {
namespace {

constexpr const char* kDisplayVariables[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

std::string NameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::vector<std::string> ChildEnvironment(const ProgramSetup& setup)
{
    const auto dropped = [&setup](const std::string& name) {
        for (const char* szVariable : kDisplayVariables)
            if (name == szVariable)
                return true;
        for (const auto& [set, value] : setup.environment)
            if (name == set)
                return true;
        return false;
    };
    std::vector<std::string> entries;
    for (char** pEntry = environ; *pEntry != nullptr; ++pEntry) {
        const std::string entry(*pEntry);
        if (!dropped(NameOf(entry)))
            entries.push_back(entry);
    }
    for (const auto& [name, value] : setup.environment)
        entries.push_back(name + "=" + value);
    return entries;
}

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A pseudo-terminal whose controlling side the test reads; the child writes to the other.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        m_nMaster = posix_openpt(O_RDWR | O_NOCTTY);
        char szName[128] = "";
        if (m_nMaster < 0 || grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0
            || ptsname_r(m_nMaster, szName, sizeof szName) != 0)
            throw std::runtime_error("no pseudo-terminal");
        m_name = szName;
        // Held open here too, so that the terminal stays readable after the child has gone.
        m_nSlave = open(szName, O_RDWR | O_NOCTTY);
        if (m_nSlave < 0)
            throw std::runtime_error("cannot open the pseudo-terminal");
    }
    ~PseudoTerminal()
    {
        close(m_nSlave);
        close(m_nMaster);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& Name() const { return m_name; }

    // What the child wrote since the last call, waiting at most nWaitMs for the first byte.
    void ReadInto(std::string& text, int nWaitMs) const
    {
        pollfd ready{m_nMaster, POLLIN, 0};
        while (poll(&ready, 1, nWaitMs) > 0 && (ready.revents & POLLIN) != 0) {
            char buffer[4096];
            const ssize_t nRead = read(m_nMaster, buffer, sizeof buffer);
            if (nRead <= 0)
                return;
            text.append(buffer, static_cast<std::size_t>(nRead));
            nWaitMs = 0;
        }
    }

private:
    int m_nMaster = -1;
    int m_nSlave = -1;
    std::string m_name;
};

// In the child: only async-signal-safe calls until execve.
[[noreturn]] void StartChild(const std::vector<char*>& argv, const std::vector<char*>& envp, const char* szOut,
                             const char* szErr)
{
    const int nIn = open("/dev/null", O_RDONLY);
    const int nOut = open(szOut, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int nErr = open(szErr, O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY, 0600);
    if (nIn < 0 || nOut < 0 || nErr < 0 || dup2(nIn, STDIN_FILENO) < 0 || dup2(nOut, STDOUT_FILENO) < 0
        || dup2(nErr, STDERR_FILENO) < 0)
        _exit(127);
    if (geteuid() == 0)
        prctl(PR_SET_SECUREBITS, SECBIT_NOROOT | SECBIT_NOROOT_LOCKED);
    execve(BRINDLE_PROGRAM, argv.data(), envp.data());
    _exit(127);
}

int ExitCodeOf(int nStatus)
{
    if (WIFEXITED(nStatus))
        return WEXITSTATUS(nStatus);
    return WIFSIGNALED(nStatus) ? 128 + WTERMSIG(nStatus) : -1;
}

}  // namespace

ProgramRun RunBrindle(const std::vector<std::string>& args, const ProgramSetup& setup)
{
    std::vector<std::string> arguments{BRINDLE_PROGRAM};
    arguments.insert(arguments.end(), args.begin(), args.end());
    std::vector<std::string> environment = ChildEnvironment(setup);
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> list;
        for (std::string& text : texts)
            list.push_back(text.data());
        list.push_back(nullptr);
        return list;
    };
    const std::vector<char*> argv = pointers(arguments);
    const std::vector<char*> envp = pointers(environment);

    const std::filesystem::path& folder = testing_support::CurrentTestDataHome();
    const std::string outPath = (folder / "brindle-stdout.txt").string();
    std::string errPath = (folder / "brindle-stderr.txt").string();
    std::unique_ptr<PseudoTerminal> terminal;
    if (setup.bErrOnTerminal) {
        terminal = std::make_unique<PseudoTerminal>();
        errPath = terminal->Name();
    }

    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot start brindle");
    if (child == 0)
        StartChild(argv, envp, outPath.c_str(), errPath.c_str());

    ProgramRun run;
    int nStatus = 0;
    for (;;) {
        const pid_t ended = waitpid(child, &nStatus, terminal ? WNOHANG : 0);
        if (ended == child)
            break;
        if (ended < 0 && errno != EINTR)
            throw std::runtime_error("lost brindle");
        if (terminal)
            terminal->ReadInto(run.err, 50);
    }
    run.nExit = ExitCodeOf(nStatus);
    run.out = ReadWhole(outPath);
    if (terminal)
        terminal->ReadInto(run.err, 0);
    else
        run.err = ReadWhole(errPath);
    return run;
}

}  // namespace cli_test
