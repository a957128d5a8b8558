#include "main/Mode.h"

#include "main/engine/Apputil.h"
#include "main/ModalDialog.h"
#include "main/Undo.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfmMode* fmMode = nullptr;

namespace {

QRadioButton* AddRadio(QGroupBox* group, const char* szName, const char* szCaption)
{
    auto* button = new QRadioButton(QString::fromUtf8(szCaption), group);
    button->setObjectName(szName);
    group->layout()->addWidget(button);
    return button;
}

QGroupBox* AddGroup(QWidget* page, const char* szName, const char* szCaption)
{
    auto* group = new QGroupBox(QString::fromUtf8(szCaption), page);
    group->setObjectName(szName);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(24, 12, 12, 12);
    layout->setSpacing(10);
    page->layout()->addWidget(group);
    return group;
}

}  // namespace

TfmMode::TfmMode(QWidget* parent) : TWizardPage(parent)
{
    setObjectName("fmMode");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 24);
    layout->setSpacing(18);

    suiGroupBox1 = AddGroup(this, "suiGroupBox1", " Select Conversion Mode ");
    rbtnO2C = AddRadio(suiGroupBox1, "rbtnO2C", "Convert Outlook Data to CSV File");
    rbtnC2O = AddRadio(suiGroupBox1, "rbtnC2O", "Convert CSV File to Outlook Data");

    suiGroupBox2 = AddGroup(this, "suiGroupBox2", " Select Application to Convert ");
    rbtnAddr = AddRadio(suiGroupBox2, "rbtnAddr", "Outlook Contacts");
    rbtnDate = AddRadio(suiGroupBox2, "rbtnDate", "Outlook Calendar");
    rbtnTask = AddRadio(suiGroupBox2, "rbtnTask", "Outlook Tasks");
    rbtnNote = AddRadio(suiGroupBox2, "rbtnNote", "Outlook Notes");
    layout->addStretch();

    btnUndoImport = new QPushButton("Undo an Import...", this);
    btnUndoImport->setObjectName("btnUndoImport");
    btnUndoImport->setMinimumSize(120, 30);
    auto* undo = new QHBoxLayout;
    undo->addWidget(btnUndoImport);
    undo->addStretch();
    layout->addLayout(undo);
    connect(btnUndoImport, &QPushButton::clicked, this, &TfmMode::btnUndoImportClick);

    // An explicit group, so that "no kind chosen" (an unknown AppFlag) can be shown.
    auto* kinds = new QButtonGroup(this);
    for (QRadioButton* button : {rbtnAddr, rbtnDate, rbtnTask, rbtnNote})
        kinds->addButton(button);
}

bool TfmMode::UpdatePage(bool bSave)
{
    const struct {
        QRadioButton* button;
        int nFlag;
    } kinds[] = {{rbtnAddr, FLAG_ADDR}, {rbtnDate, FLAG_DATE}, {rbtnTask, FLAG_TASK}, {rbtnNote, FLAG_NOTE}};

    if (bSave) {
        AppSettings.AppMode = rbtnO2C->isChecked() ? MODE_O2C : MODE_C2O;
        for (const auto& kind : kinds) {
            if (kind.button->isChecked()) {
                AppSettings.AppFlag = kind.nFlag;
                break;
            }
        }
        return true;
    }

    (AppSettings.AppMode == MODE_C2O ? rbtnC2O : rbtnO2C)->setChecked(true);
    QButtonGroup* group = rbtnAddr->group();
    group->setExclusive(false);
    for (const auto& kind : kinds)
        kind.button->setChecked(kind.nFlag == AppSettings.AppFlag);
    group->setExclusive(true);
    return true;
}

void TfmMode::btnUndoImportClick()
{
    TfmUndo dialog(window());
    ExecModal(dialog);
}
