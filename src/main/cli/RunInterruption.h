// Ctrl+C and a termination signal during a run: instead of ending the program in the middle
// of a row or a save, they ask the run to stop after the record in hand, so the rows written
// so far are whole and the result says what was converted.
#pragma once

#include <csignal>

class TRunInterruption {
public:
    // SIGINT and SIGTERM are caught while the object lives; what they did before comes back
    // with its end.
    TRunInterruption();
    ~TRunInterruption();
    TRunInterruption(const TRunInterruption&) = delete;
    TRunInterruption& operator=(const TRunInterruption&) = delete;

    // The signal that came, 0 for none yet.
    static int Signal();

private:
    using Handler = void (*)(int);
    Handler m_oldInterrupt = SIG_DFL;
    Handler m_oldTerminate = SIG_DFL;
};
