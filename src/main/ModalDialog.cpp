#include "main/ModalDialog.h"

#include <QDialog>

namespace ui {
namespace {

class EventLoopRunner : public ModalRunner {
public:
    int Run(QDialog& dialog) override { return dialog.exec(); }
};

EventLoopRunner g_eventLoop;
ModalRunner* g_pRunner = &g_eventLoop;

}  // namespace

ScopedModalRunner::ScopedModalRunner(ModalRunner& runner) : m_pPrevious(g_pRunner) { g_pRunner = &runner; }

ScopedModalRunner::~ScopedModalRunner() { g_pRunner = m_pPrevious; }

ModalRecorder::ModalRecorder(Handler handler) : m_handler(std::move(handler)), m_scope(*this) {}

int ModalRecorder::Run(QDialog& dialog)
{
    const size_t index = m_dialogs.size();
    m_dialogs.push_back({dialog.metaObject()->className(), dialog.windowTitle(), dialog.parentWidget(), 0});
    dialog.setResult(QDialog::Rejected);
    if (m_handler)
        m_handler(dialog);
    m_dialogs[index].result = dialog.result();
    return dialog.result();
}

}  // namespace ui

int ExecModal(QDialog& dialog) { return ui::g_pRunner->Run(dialog); }
