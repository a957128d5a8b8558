// A request from outside to end the program, turned into a call the program answers in its
// own time, so that it shuts down as usual and keeps what it has to keep.
#pragma once

#include <functional>
#include <memory>

namespace platform {

// While it lives, a request to end the program calls onRequest instead of ending it:
// SIGTERM and SIGINT (logout, kill, Ctrl+C) here; Ctrl+C, Ctrl+Break and closing the console
// on Windows, which tells a program with windows of a logoff or shutdown by window messages.
// Windows ends the process once a console is closed and the request answered, so that
// request waits until the object ends, for as long as Windows lets it.
//
// onRequest runs on a thread of the layer's own, never inside a signal handler, so it may do
// anything thread-safe, such as posting to an event loop; it must not throw. When the
// destructor returns, no answer runs or will start, what the process did on these requests
// before is back, and a signal that came before has been answered. One lives at a time: a
// second one throws std::logic_error. Should the system refuse to pass the requests on, they
// end the program as they did before.
class ScopedTerminationHandler {
public:
    explicit ScopedTerminationHandler(std::function<void()> onRequest);
    ~ScopedTerminationHandler();
    ScopedTerminationHandler(const ScopedTerminationHandler&) = delete;
    ScopedTerminationHandler& operator=(const ScopedTerminationHandler&) = delete;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

}  // namespace platform
