// Wizard page 4: the conversion run. Entering it starts a one-shot timer whose event runs
// the whole conversion, moving the progress bar, and then moves the wizard to page 5.
#pragma once

#include "main/WizardPage.h"

#include <cstdint>
#include "main/engine/ConversionRun.h"
#include "main/engine/RejectedRows.h"

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

    // Whether a run is converting records now.
    bool IsRunning() const { return m_bRunning; }
    // Stops the run after the record it is converting.
    void RequestCancel() { m_bCancelRequested = true; }

public slots:
    // Runs the conversion. The window keeps repainting and takes Cancel between records;
    // Prev and Next wait until the run has ended.
    void tmConvertTimer();

private:
    void ShowProgress(int nPercent);
    // After each record: the bar, the pacing of a short run, and the events that came meanwhile.
    bool AfterRecord(int nPercent);

    bool m_bRunning = false;
    bool m_bCancelRequested = false;
    int m_nRecordsDone = 0;
};

// What the last run converted, for the result page.
extern TRunResult LastRunResult;
// Where the last import left the rows that did not reach Outlook, for the result page.
extern TRejectedRows LastRejectedRows;
// The import journal's run of the last import, for undoing it; 0 when it kept none.
extern std::int64_t LastJournalRunId;

extern TfmProc* fmProc;
