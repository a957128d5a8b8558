#include "main/Pause.h"

#include <QThread>

namespace ui {
namespace {

class ThreadPauser : public Pauser {
public:
    void Pause(int nMilliseconds) override { QThread::msleep(static_cast<unsigned long>(nMilliseconds)); }
};

ThreadPauser g_threadPauser;
Pauser* g_pPauser = &g_threadPauser;

}  // namespace

ScopedPauser::ScopedPauser(Pauser& pauser) : m_pPrevious(g_pPauser) { g_pPauser = &pauser; }

ScopedPauser::~ScopedPauser() { g_pPauser = m_pPrevious; }

PauseRecorder::PauseRecorder() : m_scope(*this) {}

void PauseRecorder::Pause(int nMilliseconds) { m_pauses.push_back(nMilliseconds); }

}  // namespace ui

void Pause(int nMilliseconds)
{
    if (nMilliseconds > 0)
        ui::g_pPauser->Pause(nMilliseconds);
}
