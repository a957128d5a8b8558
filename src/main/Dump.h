// The error report dialog, shown when a wizard step fails: an apology, the support address,
// where the debug log lies, the log options and a way to quit.
#pragma once

#include "main/LogLocation.h"

#include <QDialog>

class QGroupBox;
class TClickLabel;

class TfmDump : public QDialog {
    Q_OBJECT

public:
    explicit TfmDump(QWidget* owner = nullptr);

    // false: fill the log location. Nothing is stored: true changes nothing.
    bool UpdateDialog(bool bSave);

    QWidget* pTop;
    TClickLabel* imgIcon;
    TClickLabel* imgText;
    QLabel* Label1;
    QLabel* Label2;
    TClickLabel* lblSupport;
    QGroupBox* suiGroupBox1;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* edtFolder;
    QPushButton* btnFolder;
    QLabel* Label5;
    QLineEdit* edtFile;
    QPushButton* btnFile;
    QPushButton* btnOK;
    QPushButton* btnDebug;
    QPushButton* btnExit;

public slots:
    void btnFolderClick();
    void btnFileClick();
    void imgIconClick();
    void lblSupportClick();
    void btnDebugClick();
    void btnExitClick();

private:
    void FormCreate();

    TLogLocation m_location;
};
