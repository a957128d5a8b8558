// Every modal dialog of the program runs through ExecModal, so tests can act on the dialog
// instead of an event loop waiting for a user.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

// Shows dialog modally and returns its result (QDialog::Accepted or QDialog::Rejected).
int ExecModal(QDialog& dialog);

namespace ui {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int Run(QDialog& dialog) = 0;
};

// Runs every modal dialog through runner while it lives, then restores the previous runner.
class ScopedModalRunner {
public:
    explicit ScopedModalRunner(ModalRunner& runner);
    ~ScopedModalRunner();
    ScopedModalRunner(const ScopedModalRunner&) = delete;
    ScopedModalRunner& operator=(const ScopedModalRunner&) = delete;

private:
    ModalRunner* m_pPrevious;
};

// What a recorded dialog was when it was run.
struct RunDialog {
    QString className;
    QString title;
    QWidget* owner = nullptr;
    int result = 0;
};

// Records each modal dialog and hands it to the handler, which plays the user (clicks its
// buttons) while the dialog is "shown"; the result is the dialog's own once the handler returns.
// Without a handler a dialog is closed with Rejected, as by its close box.
class ModalRecorder : private ModalRunner {
public:
    using Handler = std::function<void(QDialog&)>;

    explicit ModalRecorder(Handler handler = {});
    const std::vector<RunDialog>& Dialogs() const { return m_dialogs; }

private:
    int Run(QDialog& dialog) override;

    Handler m_handler;
    std::vector<RunDialog> m_dialogs;
    ScopedModalRunner m_scope;
};

}  // namespace ui
