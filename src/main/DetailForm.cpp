#include "main/DetailForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cstring>

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

TDetailDialog::TDetailDialog(QWidget* owner, const char* szObjectName, const char* szCaption)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(szObjectName);
    setWindowTitle(QString::fromUtf8(szCaption));
    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");
    btnClose->setMinimumSize(92, 30);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TDetailDialog::SetBody(QLayout* body, QSize size)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    setFixedSize(size);
}

void TDetailDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

namespace {

QLabel* AddLabel(QGridLayout* grid, int nRow, int nColumn, const char* szLabel, QWidget* buddy,
                 Qt::Alignment alignment)
{
    auto* label = new QLabel(QString::fromUtf8(szLabel), grid->parentWidget());
    label->setBuddy(buddy);
    grid->addWidget(label, nRow, nColumn, alignment);
    return label;
}

}  // namespace

QLineEdit* AddEdit(QGridLayout* grid, int nRow, const char* szName, const char* szLabel, int nPair)
{
    auto* edit = new QLineEdit(grid->parentWidget());
    edit->setObjectName(szName);
    AddLabel(grid, nRow, 2 * nPair, szLabel, edit, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(edit, nRow, 2 * nPair + 1);
    return edit;
}

QPlainTextEdit* AddMemo(QGridLayout* grid, int nRow, const char* szName, const char* szLabel)
{
    auto* memo = new QPlainTextEdit(grid->parentWidget());
    memo->setObjectName(szName);
    AddLabel(grid, nRow, 0, szLabel, memo, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(memo, nRow, 1);
    grid->setRowStretch(nRow, 1);
    return memo;
}

QCheckBox* AddCheck(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* check = new QCheckBox(QString::fromUtf8(szCaption), parent);
    check->setObjectName(szName);
    return check;
}

QRadioButton* AddRadio(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* radio = new QRadioButton(QString::fromUtf8(szCaption), parent);
    radio->setObjectName(szName);
    return radio;
}

void UncheckAll(std::initializer_list<QRadioButton*> radios)
{
    for (QRadioButton* radio : radios) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
}

QString RecordText(const char* szText, std::size_t nWidth)
{
    return QString::fromUtf8(szText, static_cast<qsizetype>(strnlen(szText, nWidth)));
}

void ShowMemoText(QPlainTextEdit* memo, const QString& text)
{
    QString lines = text;
    lines.replace("\r\n", "\n");
    memo->setPlainText(lines);
}
