#include "platform/ShellSeam.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr const char* kOpener = "xdg-open";

// Starts xdg-open in a grandchild that belongs to no one: the middle child exits at once,
// so the program neither waits for the opened application nor leaves a zombie behind.
// A pipe closed on exec tells whether the opener really started.
INT StartDetached(const ShellCall& call)
{
    int status[2];
    if (pipe2(status, O_CLOEXEC) != 0)
        return SE_ERR_NOASSOC;

    const char* const directory = call.directory.empty() ? nullptr : call.directory.c_str();
    char* const argv[] = {const_cast<char*>(kOpener), const_cast<char*>(call.file.c_str()), nullptr};

    const pid_t middle = fork();
    if (middle == 0) {
        setsid();
        if (fork() == 0) {
            const int devNull = open("/dev/null", O_RDWR);
            if (devNull >= 0) {
                dup2(devNull, STDIN_FILENO);
                dup2(devNull, STDOUT_FILENO);
                dup2(devNull, STDERR_FILENO);
            }
            if (directory == nullptr || chdir(directory) == 0)
                execvp(kOpener, argv);
            const int error = errno;
            (void)!write(status[1], &error, sizeof error);
            _exit(127);
        }
        _exit(0);
    }
    close(status[1]);
    if (middle < 0) {
        close(status[0]);
        return SE_ERR_NOASSOC;
    }
    int ignored = 0;
    while (waitpid(middle, &ignored, 0) < 0 && errno == EINTR) {
    }

    int error = 0;
    ssize_t got = 0;
    while ((got = read(status[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(status[0]);
    if (got > 0)
        return error == ENOENT ? SE_ERR_NOASSOC : SE_ERR_FNF;
    return kShellLaunched;
}

class XdgOpenLauncher : public ShellLauncher {
public:
    INT Launch(const ShellCall& call) override
    {
        if (call.file.empty())
            return SE_ERR_FNF;
        if (!call.verb.empty() && call.verb != "open")
            return SE_ERR_NOASSOC;
        return StartDetached(call);
    }
};

}  // namespace

// ShellExecuteA asks for the launcher in force on every call.
void ShellLauncherChanged() {}

}  // namespace platform

HINSTANCE ShellExecuteA(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters,
                        LPCSTR lpDirectory, INT nShowCmd)
{
    static platform::XdgOpenLauncher desktopLauncher;
    platform::ShellLauncher* launcher = platform::ShellLauncherInForce();
    if (launcher == nullptr)
        launcher = &desktopLauncher;
    return platform::ShellResult(
        launcher->Launch(platform::MakeShellCall(lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd)));
}
