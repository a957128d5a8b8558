#include "main/FileDialog.h"

#include <QFileDialog>

namespace ui {
namespace {

class ModalFileDialog : public FileDialogPresenter {
public:
    std::optional<QString> Show(const TOpenFileDialogSetup& setup) override
    {
        QFileDialog dialog(setup.owner, setup.title);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(setup.filters);
        if (!setup.initialFile.isEmpty())
            dialog.selectFile(setup.initialFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

ModalFileDialog g_modalDialog;
FileDialogPresenter* g_pPresenter = &g_modalDialog;

}  // namespace

ScopedFileDialogPresenter::ScopedFileDialogPresenter(FileDialogPresenter& presenter) : m_pPrevious(g_pPresenter)
{
    g_pPresenter = &presenter;
}

ScopedFileDialogPresenter::~ScopedFileDialogPresenter() { g_pPresenter = m_pPrevious; }

FileDialogRecorder::FileDialogRecorder(std::optional<QString> answer) : m_answer(std::move(answer)), m_scope(*this) {}

std::optional<QString> FileDialogRecorder::Show(const TOpenFileDialogSetup& setup)
{
    m_dialogs.push_back(setup);
    return m_answer;
}

}  // namespace ui

std::optional<QString> ShowOpenFileDialog(const TOpenFileDialogSetup& setup) { return ui::g_pPresenter->Show(setup); }
