#include "main/MessageBox.h"

#include <QMessageBox>

namespace ui {
namespace {

QMessageBox::Icon BoxIcon(TMessageIcon icon)
{
    switch (icon) {
    case TMessageIcon::Information:
        return QMessageBox::Information;
    case TMessageIcon::Warning:
        return QMessageBox::Warning;
    case TMessageIcon::Error:
        break;
    }
    return QMessageBox::Critical;
}

class ModalMessageBox : public MessagePresenter {
public:
    void Show(const ShownMessage& message) override
    {
        QMessageBox box(BoxIcon(message.icon), message.caption, message.text, QMessageBox::Ok, message.owner);
        box.exec();
    }
};

// Every other way out of the box, Escape and the close box included, counts as Cancel.
class ModalQuestionBox : public QuestionPresenter {
public:
    TQuestionAnswer Ask(const AskedQuestion& question) override
    {
        QMessageBox box(QMessageBox::Question, question.caption, question.text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, question.owner);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return TQuestionAnswer::Yes;
        case QMessageBox::No:
            return TQuestionAnswer::No;
        default:
            return TQuestionAnswer::Cancel;
        }
    }
};

ModalMessageBox g_modalBox;
MessagePresenter* g_pPresenter = &g_modalBox;
ModalQuestionBox g_questionBox;
QuestionPresenter* g_pQuestionPresenter = &g_questionBox;

}  // namespace

ScopedMessagePresenter::ScopedMessagePresenter(MessagePresenter& presenter) : m_pPrevious(g_pPresenter)
{
    g_pPresenter = &presenter;
}

ScopedMessagePresenter::~ScopedMessagePresenter() { g_pPresenter = m_pPrevious; }

MessageRecorder::MessageRecorder() : m_scope(*this) {}

void MessageRecorder::Show(const ShownMessage& message) { m_messages.push_back(message); }

ScopedQuestionPresenter::ScopedQuestionPresenter(QuestionPresenter& presenter) : m_pPrevious(g_pQuestionPresenter)
{
    g_pQuestionPresenter = &presenter;
}

ScopedQuestionPresenter::~ScopedQuestionPresenter() { g_pQuestionPresenter = m_pPrevious; }

QuestionRecorder::QuestionRecorder(TQuestionAnswer answer) : m_answer(answer), m_scope(*this) {}

TQuestionAnswer QuestionRecorder::Ask(const AskedQuestion& question)
{
    m_questions.push_back(question);
    return m_answer;
}

}  // namespace ui

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, TMessageIcon icon)
{
    ui::g_pPresenter->Show({owner, text, caption, icon});
}

TQuestionAnswer AskQuestion(QWidget* owner, const QString& text, const QString& caption)
{
    return ui::g_pQuestionPresenter->Ask({owner, text, caption});
}
