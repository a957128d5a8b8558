#include "crash/ImportChildProcess.h"

#include "crash/ImportProgress.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

extern char** environ;

namespace crash_test {
namespace {

// A child that writes nothing for this long has hung; the guard keeps a broken import
// from blocking the suite forever.
constexpr int kStallMs = 300000;

}  // namespace

ImportChildProcess::ImportChildProcess(const std::string& program, const std::vector<std::string>& args)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return;
    }
    m_pid = pid;
    m_nOutput = fds[0];
}

ImportChildProcess::~ImportChildProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        Reap();
    }
}

bool ImportChildProcess::ReadMarks()
{
    pollfd output{m_nOutput, POLLIN, 0};
    int ready = 0;
    do {
        ready = poll(&output, 1, kStallMs);
    } while (ready < 0 && errno == EINTR);
    if (ready == 0)
        m_bStalled = true;
    if (ready <= 0)
        return false;
    char buffer[4096];
    ssize_t nRead = 0;
    do {
        nRead = read(m_nOutput, buffer, sizeof buffer);
    } while (nRead < 0 && errno == EINTR);
    for (ssize_t i = 0; i < nRead; ++i) {
        if (buffer[i] == kStartMark)
            m_bStarted = true;
        else if (buffer[i] == kRecordMark)
            ++m_nRecords;
    }
    return nRead > 0;
}

bool ImportChildProcess::WaitForRecords(int nRecords)
{
    if (m_pid <= 0)
        return false;
    while (!m_bStarted || m_nRecords < nRecords) {
        if (!ReadMarks())
            return false;
    }
    return true;
}

void ImportChildProcess::Kill()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGKILL);
    Finish();
}

void ImportChildProcess::Finish()
{
    if (m_pid <= 0)
        return;
    while (ReadMarks()) {
    }
    if (m_bStalled)
        kill(m_pid, SIGKILL);
    Reap();
}

void ImportChildProcess::Reap()
{
    while (waitpid(m_pid, &m_nStatus, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    close(m_nOutput);
    m_nOutput = -1;
}

std::string ImportChildProcess::StatusText() const
{
    if (m_bStalled)
        return "stalled";
    if (WIFEXITED(m_nStatus))
        return "exited with " + std::to_string(WEXITSTATUS(m_nStatus));
    if (WIFSIGNALED(m_nStatus))
        return "ended by signal " + std::to_string(WTERMSIG(m_nStatus));
    return "status " + std::to_string(m_nStatus);
}

}  // namespace crash_test
