// The Options dialog: switches the debug log on or off, sets its level and shows where it lies.
#pragma once

#include "main/LogLocation.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class TClickLabel;

class TfmDebug : public QDialog {
    Q_OBJECT

public:
    explicit TfmDebug(QWidget* owner = nullptr);

    // false: fill the controls from the settings; true: store them in the settings and apply
    // them to the debug log at once.
    bool UpdateDialog(bool bSave);

    QWidget* pTop;
    TClickLabel* imgIcon;
    TClickLabel* imgText;
    QCheckBox* cbEnable;
    QLabel* Label1;
    QComboBox* cbxLevel;
    QGroupBox* suiGroupBox1;
    QLabel* Label4;
    QLineEdit* edtFolder;
    QPushButton* btnFolder;
    QLabel* Label5;
    QLineEdit* edtFile;
    QPushButton* btnFile;
    QPushButton* btnOK;
    QPushButton* btnCancel;

public slots:
    void btnOKClick();
    void btnFolderClick();
    void btnFileClick();
    void imgIconClick();

private:
    void FormCreate();

    TLogLocation m_location;
};
