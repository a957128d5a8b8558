#include "main/Debugger.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/WinUtil.h"
#include "main/engine/Apputil.h"
#include "main/ClickLabel.h"
#include "main/Product.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

namespace {

// The entries of cbxLevel, in order, with the LogLevel each stands for.
const struct {
    const char* szText;
    int nLevel;
} kLevelEntries[] = {
    {"Critical - Only log critical error information.", LOG_LEVEL_CRITICAL},
    {"High - Log high level debug information.", LOG_LEVEL_HIGH},
    {"Low - Log very detail debug information.", LOG_LEVEL_LOW},
};
constexpr int kLevelEntryCount = static_cast<int>(std::size(kLevelEntries));

int EntryOfLevel(int nLevel)
{
    for (int nIndex = 0; nIndex < kLevelEntryCount - 1; ++nIndex)
        if (kLevelEntries[nIndex].nLevel == nLevel)
            return nIndex;
    return kLevelEntryCount - 1;
}

int LevelOfEntry(int nIndex)
{
    return nIndex >= 0 && nIndex < kLevelEntryCount ? kLevelEntries[nIndex].nLevel : LOG_LEVEL_LOW;
}

QPushButton* AddButton(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* button = new QPushButton(QString::fromUtf8(szCaption), parent);
    button->setObjectName(szName);
    button->setMinimumSize(92, 30);
    return button;
}

}  // namespace

TfmDebug::TfmDebug(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("fmDebug");
    setWindowTitle("Brindle Converter Debug Log Options");

    const TDialogBanner banner = CreateDialogBanner(this);
    pTop = banner.pTop;
    imgIcon = banner.imgIcon;
    imgText = banner.imgText;

    cbEnable = new QCheckBox("Enable Debug Log", this);
    cbEnable->setObjectName("cbEnable");
    Label1 = new QLabel("Set Debug Level:", this);
    Label1->setObjectName("Label1");
    cbxLevel = new QComboBox(this);
    cbxLevel->setObjectName("cbxLevel");
    cbxLevel->setEditable(false);

    suiGroupBox1 = new QGroupBox(" Debug Information ", this);
    suiGroupBox1->setObjectName("suiGroupBox1");
    auto* groupLayout = new QGridLayout(suiGroupBox1);
    m_location = CreateLogLocation(suiGroupBox1, groupLayout, 0);
    Label4 = m_location.Label4;
    edtFolder = m_location.edtFolder;
    btnFolder = m_location.btnFolder;
    Label5 = m_location.Label5;
    edtFile = m_location.edtFile;
    btnFile = m_location.btnFile;

    btnOK = AddButton(this, "btnOK", "&OK");
    btnOK->setDefault(true);
    btnCancel = AddButton(this, "btnCancel", "&Cancel");

    auto* level = new QHBoxLayout;
    level->addWidget(Label1);
    level->addWidget(cbxLevel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 14, 18, 14);
    body->setSpacing(12);
    body->addWidget(cbEnable);
    body->addLayout(level);
    body->addWidget(suiGroupBox1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pTop);
    layout->addLayout(body);
    setFixedSize(600, 380);

    connect(btnOK, &QPushButton::clicked, this, &TfmDebug::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnFolder, &QPushButton::clicked, this, &TfmDebug::btnFolderClick);
    connect(btnFile, &QPushButton::clicked, this, &TfmDebug::btnFileClick);
    connect(imgIcon, &TClickLabel::clicked, this, &TfmDebug::imgIconClick);
    connect(imgText, &TClickLabel::clicked, this, &TfmDebug::imgIconClick);

    FormCreate();
}

void TfmDebug::FormCreate() { UpdateDialog(false); }

bool TfmDebug::UpdateDialog(bool bSave)
{
    if (bSave) {
        AppSettings.EnableDebug = cbEnable->isChecked();
        AppSettings.LogLevel = LevelOfEntry(cbxLevel->currentIndex());
        AppDebug.EnableLog(AppSettings.EnableDebug);
        AppDebug.SetLogLevel(AppSettings.LogLevel);
        return true;
    }

    FillLogLocation(m_location);
    cbEnable->setChecked(AppSettings.EnableDebug);
    cbxLevel->clear();
    for (const auto& entry : kLevelEntries)
        cbxLevel->addItem(entry.szText);
    cbxLevel->setCurrentIndex(EntryOfLevel(AppSettings.LogLevel));
    return true;
}

void TfmDebug::btnOKClick()
{
    UpdateDialog(true);
    accept();
}

void TfmDebug::btnFolderClick() { OpenLogFolder(m_location); }

void TfmDebug::btnFileClick() { OpenLogFile(m_location, this); }

void TfmDebug::imgIconClick() { ShellOpenFile(PRODUCT_WEB_PAGE); }
