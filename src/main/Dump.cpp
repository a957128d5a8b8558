#include "main/Dump.h"

#include "common/misc/WinUtil.h"
#include "main/ClickLabel.h"
#include "main/Main.h"
#include "main/Product.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* AddLabel(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* label = new QLabel(QString::fromUtf8(szCaption), parent);
    label->setObjectName(szName);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* button = new QPushButton(QString::fromUtf8(szCaption), parent);
    button->setObjectName(szName);
    button->setMinimumSize(92, 30);
    return button;
}

}  // namespace

TfmDump::TfmDump(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("fmDump");
    setWindowTitle("Handle Brindle Converter Exception");

    const TDialogBanner banner = CreateDialogBanner(this);
    pTop = banner.pTop;
    imgIcon = banner.imgIcon;
    imgText = banner.imgText;

    Label1 = AddLabel(this, "Label1", "We're sorry that an unhandled exception occurred  in Brindle Converter.");
    Label2 = AddLabel(this, "Label2", "Please contact us at:");
    lblSupport = new TClickLabel(this);
    lblSupport->setObjectName("lblSupport");
    lblSupport->setText(SUPPORT_ADDRESS);
    lblSupport->setStyleSheet("color: blue; text-decoration: underline;");

    suiGroupBox1 = new QGroupBox(" Debug Information ", this);
    suiGroupBox1->setObjectName("suiGroupBox1");
    auto* groupLayout = new QGridLayout(suiGroupBox1);
    Label3 = AddLabel(suiGroupBox1, "Label3",
                      "It is very appreciated if you can include the debug information in your error report.");
    Label3->setWordWrap(true);
    groupLayout->addWidget(Label3, 0, 0, 1, 3);
    m_location = CreateLogLocation(suiGroupBox1, groupLayout, 1);
    Label4 = m_location.Label4;
    edtFolder = m_location.edtFolder;
    btnFolder = m_location.btnFolder;
    Label5 = m_location.Label5;
    edtFile = m_location.edtFile;
    btnFile = m_location.btnFile;

    btnOK = AddButton(this, "btnOK", "&OK");
    btnOK->setDefault(true);
    btnDebug = AddButton(this, "btnDebug", "&Debug Options");
    btnExit = AddButton(this, "btnExit", "Quit Brindle Converter");

    auto* contact = new QHBoxLayout;
    contact->addWidget(Label2);
    contact->addWidget(lblSupport);
    contact->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDebug);
    buttons->addStretch();
    buttons->addWidget(btnExit);
    buttons->addWidget(btnOK);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 14, 18, 14);
    body->setSpacing(12);
    body->addWidget(Label1);
    body->addLayout(contact);
    body->addWidget(suiGroupBox1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pTop);
    layout->addLayout(body);
    setFixedSize(600, 380);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnDebug, &QPushButton::clicked, this, &TfmDump::btnDebugClick);
    connect(btnExit, &QPushButton::clicked, this, &TfmDump::btnExitClick);
    connect(btnFolder, &QPushButton::clicked, this, &TfmDump::btnFolderClick);
    connect(btnFile, &QPushButton::clicked, this, &TfmDump::btnFileClick);
    connect(lblSupport, &TClickLabel::clicked, this, &TfmDump::lblSupportClick);
    connect(imgIcon, &TClickLabel::clicked, this, &TfmDump::imgIconClick);
    connect(imgText, &TClickLabel::clicked, this, &TfmDump::imgIconClick);

    FormCreate();
}

void TfmDump::FormCreate() { UpdateDialog(false); }

bool TfmDump::UpdateDialog(bool bSave)
{
    if (!bSave)
        FillLogLocation(m_location);
    return true;
}

void TfmDump::btnFolderClick() { OpenLogFolder(m_location); }

void TfmDump::btnFileClick() { OpenLogFile(m_location, this); }

void TfmDump::imgIconClick() { ShellOpenFile(PRODUCT_WEB_PAGE); }

void TfmDump::lblSupportClick() { ShellOpenFile(SUPPORT_MAIL_LINK); }

void TfmDump::btnDebugClick()
{
    if (fmMain)
        fmMain->ShowOptions();
}

// The main window closes once this dialog is gone, through its normal shut-down, so the
// settings are saved.
void TfmDump::btnExitClick()
{
    reject();
    if (fmMain)
        QMetaObject::invokeMethod(fmMain, &QWidget::close, Qt::QueuedConnection);
}
