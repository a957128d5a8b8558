// Every message box and every question of the program goes through ShowMessageBox and
// AskQuestion, so tests can see what would have been shown, and answer, without a window
// blocking them.
#pragma once

#include <QString>
#include <vector>

class QWidget;

enum class TMessageIcon { Error, Information, Warning };

enum class TQuestionAnswer { Yes, No, Cancel };

// A modal box with one OK button, owned by owner (null: no owner).
void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, TMessageIcon icon);

// A modal box with Yes, No and Cancel buttons, owned by owner (null: no owner). Closing it
// by its close box or Escape answers Cancel.
TQuestionAnswer AskQuestion(QWidget* owner, const QString& text, const QString& caption);

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

struct AskedQuestion {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
};

class QuestionPresenter {
public:
    virtual ~QuestionPresenter() = default;
    virtual TQuestionAnswer Ask(const AskedQuestion& question) = 0;
};

// Sends every question to presenter while it lives, then restores the previous presenter.
class ScopedQuestionPresenter {
public:
    explicit ScopedQuestionPresenter(QuestionPresenter& presenter);
    ~ScopedQuestionPresenter();
    ScopedQuestionPresenter(const ScopedQuestionPresenter&) = delete;
    ScopedQuestionPresenter& operator=(const ScopedQuestionPresenter&) = delete;

private:
    QuestionPresenter* m_pPrevious;
};

// Records the questions instead of asking them, while it lives, and gives each the answer
// the test chose.
class QuestionRecorder : private QuestionPresenter {
public:
    explicit QuestionRecorder(TQuestionAnswer answer = TQuestionAnswer::Cancel);
    void SetAnswer(TQuestionAnswer answer) { m_answer = answer; }
    const std::vector<AskedQuestion>& Questions() const { return m_questions; }

private:
    TQuestionAnswer Ask(const AskedQuestion& question) override;

    TQuestionAnswer m_answer;
    std::vector<AskedQuestion> m_questions;
    ScopedQuestionPresenter m_scope;
};

}  // namespace ui
