#include "main/cli/RunInterruption.h"

namespace {

volatile std::sig_atomic_t g_nSignal = 0;

extern "C" void OnStopSignal(int nSignal) { g_nSignal = nSignal; }

}  // namespace

TRunInterruption::TRunInterruption()
{
    g_nSignal = 0;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &m_oldInterrupt);
    sigaction(SIGTERM, &action, &m_oldTerminate);
}

TRunInterruption::~TRunInterruption()
{
    sigaction(SIGINT, &m_oldInterrupt, nullptr);
    sigaction(SIGTERM, &m_oldTerminate, nullptr);
}

int TRunInterruption::Signal() { return g_nSignal; }
