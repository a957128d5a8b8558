// Wizard page 5: the result of the conversion (direction, kind, source, destination and how
// many records were converted), with a way to open the CSV file or start another one.
#pragma once

#include "main/WizardPage.h"

class QLabel;
class QPushButton;
struct TRunResult;

class TfmFinish : public TWizardPage {
    Q_OBJECT

public:
    explicit TfmFinish(QWidget* parent = nullptr);

    // false: fills the labels from the settings and the last run.
    bool UpdatePage(bool bSave) override;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* lblMode;
    QLabel* lblApp;
    QLabel* lblSource;
    QLabel* lblDest;
    QLabel* lblResult;
    // What an import did with the records: added, updated, identical, refused.
    QLabel* lblCounts;
    QPushButton* btnCSV;
    QPushButton* btnAnother;

public slots:
    void btnCSVClick();
    void btnAnotherClick();

private:
    void ShowResult();
    static QString ImportCountLines(const TRunResult& result);
};

extern TfmFinish* fmFinish;
