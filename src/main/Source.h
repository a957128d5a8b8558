// Wizard page 1: the CSV file and its options (quotation mark, delimiter, encoding, what to
// do with an existing file, title row). Leaving it forward stores the options, creates the
// conversion objects and opens the CSV file as the direction needs; an import file is read
// whole here, so that a file that is no CSV file never gets further.
#pragma once

#include "main/WizardPage.h"
#include "main/engine/CsvSource.h"

#include <string>

class QCheckBox;
class QComboBox;
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
    QLabel* Label5;
    QComboBox* cbDelimiter;
    QLabel* Label6;
    QComboBox* cbEncoding;
    QCheckBox* cbByteOrderMark;
    // What the named import file was found to be, before the page is left.
    QLabel* lblDetected;

public slots:
    void btnCSVBrowseClick();
    void ShowDetection();

private:
    void ShowSettings();
    bool StoreSettings();
    bool CheckFileName();
    void StoreQuoteMark();
    bool CreateConversionObjects();
    bool OpenCsvFile(const char* szFile);
    bool LoadImportSource(const char* szFile);
    TCsvReadOptions ChosenReadOptions() const;
    std::string ChosenQuoteMark() const;
    void ShowError(const QString& text);
};

extern TfmSource* fmSource;
