#include "platform/Termination.h"

#include <windows.h>

#include <mutex>
#include <stdexcept>
#include <utility>

namespace platform {

struct ScopedTerminationHandler::State {
    std::function<void()> onRequest;
};

namespace {

// Windows calls the control handler on a thread of its own; the lock keeps the answer alive
// while it runs.
std::mutex g_mutex;
const std::function<void()>* g_pOnRequest = nullptr;

// Set once the handler has ended: the program has shut down as far as it had to.
HANDLE HandlerEnded()
{
    static const HANDLE hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    return hEvent;
}

bool EndsTheProcessOnReturn(DWORD nEvent)
{
    return nEvent == CTRL_CLOSE_EVENT || nEvent == CTRL_LOGOFF_EVENT || nEvent == CTRL_SHUTDOWN_EVENT;
}

BOOL WINAPI OnConsoleControl(DWORD nEvent)
{
    {
        const std::lock_guard lock(g_mutex);
        if (g_pOnRequest == nullptr)
            return FALSE;
        (*g_pOnRequest)();
    }
    if (EndsTheProcessOnReturn(nEvent) && HandlerEnded() != nullptr)
        WaitForSingleObject(HandlerEnded(), INFINITE);
    return TRUE;
}

}  // namespace

ScopedTerminationHandler::ScopedTerminationHandler(std::function<void()> onRequest)
    : m_state(std::make_unique<State>(State{std::move(onRequest)}))
{
    const std::lock_guard lock(g_mutex);
    if (g_pOnRequest != nullptr)
        throw std::logic_error("a termination handler lives already");
    if (HandlerEnded() != nullptr)
        ResetEvent(HandlerEnded());
    if (!SetConsoleCtrlHandler(OnConsoleControl, TRUE)) {
        m_state.reset();
        return;
    }
    g_pOnRequest = &m_state->onRequest;
}

ScopedTerminationHandler::~ScopedTerminationHandler()
{
    if (!m_state)
        return;
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    {
        const std::lock_guard lock(g_mutex);
        g_pOnRequest = nullptr;
    }
    if (HandlerEnded() != nullptr)
        SetEvent(HandlerEnded());
}

}  // namespace platform
