// Every open-file dialog of the program goes through ShowOpenFileDialog, so tests can see
// how it was set up and answer it without a window blocking them.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

struct TOpenFileDialogSetup {
    QWidget* owner = nullptr;
    QString title;        // empty: the dialog's own default title
    QString initialFile;
    QStringList filters;  // "Description(pattern)", the first one chosen
};

// Shows the dialog modally: the chosen path, or nothing when the user cancels. The folder
// must exist, the file need not (an export names a file it is about to create).
std::optional<QString> ShowOpenFileDialog(const TOpenFileDialogSetup& setup);

namespace ui {

class FileDialogPresenter {
public:
    virtual ~FileDialogPresenter() = default;
    virtual std::optional<QString> Show(const TOpenFileDialogSetup& setup) = 0;
};

// Sends every open-file dialog to presenter while it lives, then restores the previous one.
class ScopedFileDialogPresenter {
public:
    explicit ScopedFileDialogPresenter(FileDialogPresenter& presenter);
    ~ScopedFileDialogPresenter();
    ScopedFileDialogPresenter(const ScopedFileDialogPresenter&) = delete;
    ScopedFileDialogPresenter& operator=(const ScopedFileDialogPresenter&) = delete;

private:
    FileDialogPresenter* m_pPrevious;
};

// Records each dialog's setup and answers it with the given path (nothing: cancelled).
class FileDialogRecorder : private FileDialogPresenter {
public:
    explicit FileDialogRecorder(std::optional<QString> answer = std::nullopt);
    const std::vector<TOpenFileDialogSetup>& Dialogs() const { return m_dialogs; }

private:
    std::optional<QString> Show(const TOpenFileDialogSetup& setup) override;

    std::optional<QString> m_answer;
    std::vector<TOpenFileDialogSetup> m_dialogs;
    ScopedFileDialogPresenter m_scope;
};

}  // namespace ui
