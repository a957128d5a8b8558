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

ModalMessageBox g_modalBox;
MessagePresenter* g_pPresenter = &g_modalBox;

}  // namespace

ScopedMessagePresenter::ScopedMessagePresenter(MessagePresenter& presenter) : m_pPrevious(g_pPresenter)
{
    g_pPresenter = &presenter;
}

ScopedMessagePresenter::~ScopedMessagePresenter() { g_pPresenter = m_pPrevious; }

MessageRecorder::MessageRecorder() : m_scope(*this) {}

void MessageRecorder::Show(const ShownMessage& message) { m_messages.push_back(message); }

}  // namespace ui

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, TMessageIcon icon)
{
    ui::g_pPresenter->Show({owner, text, caption, icon});
}
