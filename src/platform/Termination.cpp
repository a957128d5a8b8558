#include "platform/Termination.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

constexpr int kRequestSignals[] = {SIGTERM, SIGINT};

std::atomic<bool> g_bHandlerLives{false};

// A signal handler may do little more than write to a descriptor: each request is one byte
// down a pipe, which the handler's thread reads. -1 while no handler lives.
std::atomic<int> g_requestPipe{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read inside a signal handler");

extern "C" void OnRequestSignal(int)
{
    const int nSavedError = errno;
    const char byte = 1;
    if (const int fd = g_requestPipe.load(); fd >= 0)
        (void)!write(fd, &byte, 1);
    errno = nSavedError;
}

// Answers each byte until the writing end is closed.
void AnswerRequests(int fdRequests, const std::function<void()>& onRequest)
{
    char byte = 0;
    for (;;) {
        const ssize_t nRead = read(fdRequests, &byte, 1);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead <= 0)
            return;
        onRequest();
    }
}

}  // namespace

struct ScopedTerminationHandler::State {
    // The pipe and the thread that reads it; false when the system has neither to spare.
    bool Start(std::function<void()> onRequest)
    {
        int fds[2] = {-1, -1};
        if (pipe2(fds, O_CLOEXEC) != 0)
            return false;
        fdRead = fds[0];
        fdWrite = fds[1];
        // Requests piling up unanswered must never block the signal handler.
        const int nFlags = fcntl(fdWrite, F_GETFL);
        if (nFlags < 0 || fcntl(fdWrite, F_SETFL, nFlags | O_NONBLOCK) != 0)
            return false;
        try {
            answering = std::thread(AnswerRequests, fdRead, std::move(onRequest));
        } catch (const std::system_error&) {
            return false;
        }
        return true;
    }

    int fdRead = -1;
    int fdWrite = -1;
    std::thread answering;
    struct sigaction previous[std::size(kRequestSignals)] {};

    ~State()
    {
        for (const int fd : {fdRead, fdWrite})
            if (fd >= 0)
                close(fd);
    }
};

ScopedTerminationHandler::ScopedTerminationHandler(std::function<void()> onRequest)
{
    if (g_bHandlerLives.exchange(true))
        throw std::logic_error("a termination handler lives already");
    auto state = std::make_unique<State>();
    if (!state->Start(std::move(onRequest))) {
        g_bHandlerLives = false;
        return;
    }
    m_state = std::move(state);
    g_requestPipe = m_state->fdWrite;
    struct sigaction action {};
    action.sa_handler = OnRequestSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kRequestSignals); ++i)
        sigaction(kRequestSignals[i], &action, &m_state->previous[i]);
}

ScopedTerminationHandler::~ScopedTerminationHandler()
{
    if (!m_state)
        return;
    for (std::size_t i = 0; i < std::size(kRequestSignals); ++i)
        sigaction(kRequestSignals[i], &m_state->previous[i], nullptr);
    // The thread reads the requests still in the pipe, then its end.
    g_requestPipe = -1;
    close(std::exchange(m_state->fdWrite, -1));
    m_state->answering.join();
    m_state.reset();
    g_bHandlerLives = false;
}

}  // namespace platform
