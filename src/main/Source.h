// Wizard page 1: the CSV file and its options (quotation mark, what to do with an existing
// file, title row). Leaving it forward stores the options, creates the conversion objects
// and opens the CSV file as the direction needs.
#pragma once

#include "main/WizardPage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TfmSource : public TWizardPage {
    Q_OBJECT

public:
    explicit TfmSource(QWidget* parent = nullptr);

    bool UpdatePage(bool bSave) override;

    QGroupBox* suiGroupBox1;
    QLabel* Label4;
    QLineEdit* edtCSVFile;
    QPushButton* btnCSVBrowse;
    QLabel* Label2;
    QRadioButton* rbtnQuoteNone;
    QRadioButton* rbtnQuoteDouble;
    QRadioButton* rbtnQuoteSingle;
    QRadioButton* rbtnQuoteCustom;
    QLineEdit* edtQuoteCustom;
    QLabel* Label3;
    QRadioButton* rbtnAppend;
    QRadioButton* rbtnOverwrite;
    QCheckBox* cbAddTitle;

public slots:
    void btnCSVBrowseClick();

private:
    void ShowSettings();
    bool StoreSettings();
    bool CheckFileName();
    void StoreQuoteMark();
    bool OpenCsvFile(const char* szFile);
    void ShowError(const QString& text);
};

extern TfmSource* fmSource;
