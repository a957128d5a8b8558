#include "main/cli/RunInterruption.h"

namespace {

volatile std::sig_atomic_t g_nSignal = 0;

// On Windows a handler is reset to the default when it runs, on Linux it stays; either way
// one signal is enough to stop the run.
extern "C" void OnStopSignal(int nSignal) { g_nSignal = nSignal; }

}  // namespace

TRunInterruption::TRunInterruption()
{
    g_nSignal = 0;
    m_oldInterrupt = std::signal(SIGINT, OnStopSignal);
    m_oldTerminate = std::signal(SIGTERM, OnStopSignal);
}

TRunInterruption::~TRunInterruption()
{
    std::signal(SIGINT, m_oldInterrupt);
    std::signal(SIGTERM, m_oldTerminate);
}

int TRunInterruption::Signal() { return g_nSignal; }
