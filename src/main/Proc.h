// Wizard page 4: the conversion run. Entering it starts a one-shot timer whose event runs
// the whole conversion, moving the progress bar, and then moves the wizard to page 5.
#pragma once

#include "main/WizardPage.h"
#include "main/engine/ConversionRun.h"

class QLabel;
class QProgressBar;
class QTimer;

class TfmProc : public TWizardPage {
    Q_OBJECT

public:
    explicit TfmProc(QWidget* parent = nullptr);

    // false: starts tmConvert. true: always accepted.
    bool UpdatePage(bool bSave) override;

    QLabel* lblStatus;
    QProgressBar* pbMain;
    QTimer* tmConvert;

public slots:
    // Runs the conversion; the user interface waits until it has ended.
    void tmConvertTimer();

private:
    void ShowProgress(int nPercent);
};

// What the last run converted, for the result page.
extern TRunResult LastRunResult;

extern TfmProc* fmProc;
