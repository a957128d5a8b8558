// Wizard page 0: the conversion direction and the kind of data, and the way to undo an
// earlier import.
#pragma once

#include "main/WizardPage.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class TfmMode : public TWizardPage {
    Q_OBJECT

public:
    explicit TfmMode(QWidget* parent = nullptr);

    // false: check the buttons of AppMode and AppFlag; true: store them (always accepted).
    bool UpdatePage(bool bSave) override;

    QGroupBox* suiGroupBox1;
    QRadioButton* rbtnO2C;
    QRadioButton* rbtnC2O;
    QGroupBox* suiGroupBox2;
    QRadioButton* rbtnAddr;
    QRadioButton* rbtnDate;
    QRadioButton* rbtnTask;
    QRadioButton* rbtnNote;
    QPushButton* btnUndoImport;

public slots:
    // Opens the Undo an Import dialog.
    void btnUndoImportClick();
};

extern TfmMode* fmMode;
