// Wizard page 5: the result of the conversion (direction, kind, source, destination and how
// many records were converted), with a way to open the CSV file, start another one or
// undo the import just made.
#pragma once

#include "main/WizardPage.h"

#include <cstdint>

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
    // Where an import left the rows that did not reach Outlook; hidden when there were none.
    QLabel* lblRejected;
    QPushButton* btnCSV;
    QPushButton* btnAnother;
    // Shown after an import the journal kept; disabled once it has been undone.
    QPushButton* btnUndo;
    // What undoing the import did.
    QLabel* lblUndone;

public slots:
    void btnCSVClick();
    void btnAnotherClick();
    void btnUndoClick();

private:
    void ShowResult();
    void ShowRejectedRows();
    static QString ImportCountLines(const TRunResult& result);

    // The journal's run of the import shown; 0 when there is none to undo.
    std::int64_t m_nUndoRun = 0;
};

extern TfmFinish* fmFinish;
