// Every message box of the program goes through ShowMessageBox, so tests can see what
// would have been shown without a window blocking them.
#pragma once

#include <QString>
#include <vector>

class QWidget;

enum class TMessageIcon { Error, Information, Warning };

// A modal box with one OK button, owned by owner (null: no owner).
void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, TMessageIcon icon);

namespace ui {

struct ShownMessage {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    TMessageIcon icon = TMessageIcon::Error;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void Show(const ShownMessage& message) = 0;
};

// Sends every message box to presenter while it lives, then restores the previous presenter.
class ScopedMessagePresenter {
public:
    explicit ScopedMessagePresenter(MessagePresenter& presenter);
    ~ScopedMessagePresenter();
    ScopedMessagePresenter(const ScopedMessagePresenter&) = delete;
    ScopedMessagePresenter& operator=(const ScopedMessagePresenter&) = delete;

private:
    MessagePresenter* m_pPrevious;
};

// Records the message boxes instead of showing them, while it lives.
class MessageRecorder : private MessagePresenter {
public:
    MessageRecorder();
    const std::vector<ShownMessage>& Messages() const { return m_messages; }

private:
    void Show(const ShownMessage& message) override;

    std::vector<ShownMessage> m_messages;
    ScopedMessagePresenter m_scope;
};

}  // namespace ui
