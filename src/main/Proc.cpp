#include "main/Proc.h"

#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvSource.h"
#include "main/engine/ConversionRun.h"
#include "main/engine/RejectedRows.h"
#include "main/engine/JournalSession.h"
#include "main/Main.h"
#include "main/MessageBox.h"
#include "main/Pause.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

TfmProc* fmProc = nullptr;
TRunResult LastRunResult;
TRejectedRows LastRejectedRows;
std::int64_t LastJournalRunId = 0;

namespace {

constexpr int kStartDelay = 500;
constexpr int kPauseAfterRecord = 100;
// Only the first records of a run are paced, so that a long run is not slowed by its pauses.
constexpr int kPacedRecords = 20;
constexpr int kPauseAtEnd = 200;

const char* const kRunningText = "Converting now, please wait ...";

// An import's rows that did not reach Outlook go beside its file.
TRejectedRows LeaveRejectedRows(const TRunSetup& setup, const TRunResult& result)
{
    if (setup.nMode != MODE_C2O || pCsvSource == nullptr || pSelRecList == nullptr)
        return {};
    return WriteRejectedRows(setup.szCsvFile, *pCsvSource, pCsvSource->lastRead, *pSelRecList, result);
}

// The journal that lets the import be undone; without one the user decides whether to import
// all the same.
TJournalSession OpenImportJournal(TRunSetup& setup)
{
    TJournalSession journal(DefaultJournalPath(), AppSettings.AppFlag, setup.szCsvFile,
                            pCsvSource != nullptr ? JournalSettingsText(*pCsvSource, pCsvSource->lastRead) : std::string());
    if (journal.Opened())
        journal.Attach(setup, pCsvSource != nullptr ? &pCsvSource->lastRead : nullptr);
    return journal;
}

bool ImportWithoutJournal(const TJournalSession& journal)
{
    const QString text = QString("The import journal cannot be opened: %1\nThis import could not be undone. Import "
                                 "anyway?")
                             .arg(QString::fromStdString(journal.Failure()));
    return AskQuestion(fmMain, text, "Brindle") == TQuestionAnswer::Yes;
}

}  // namespace

TfmProc::TfmProc(QWidget* parent) : TWizardPage(parent)
{
    setObjectName("fmProc");
    lblStatus = new QLabel(kRunningText, this);
    lblStatus->setObjectName("lblStatus");
    pbMain = new QProgressBar(this);
    pbMain->setObjectName("pbMain");
    pbMain->setRange(0, 100);
    pbMain->setValue(0);
    pbMain->setTextVisible(true);
    tmConvert = new QTimer(this);
    tmConvert->setObjectName("tmConvert");
    tmConvert->setInterval(kStartDelay);
    tmConvert->setSingleShot(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 80, 60, 80);
    layout->setSpacing(16);
    layout->addWidget(lblStatus);
    layout->addWidget(pbMain);
    layout->addStretch();

    connect(tmConvert, &QTimer::timeout, this, &TfmProc::tmConvertTimer);
}

bool TfmProc::UpdatePage(bool bSave)
{
    // A later run shows the running text and an empty bar again while it waits to start.
    if (!bSave) {
        lblStatus->setText(kRunningText);
        pbMain->setValue(0);
        tmConvert->start();
    }
    return true;
}

// Painted at once: the run holds the thread between the moments it lets events through.
void TfmProc::ShowProgress(int nPercent)
{
    pbMain->setValue(nPercent);
    pbMain->repaint();
}

bool TfmProc::AfterRecord(int nPercent)
{
    ShowProgress(nPercent);
    if (++m_nRecordsDone <= kPacedRecords)
        Pause(kPauseAfterRecord);
    QCoreApplication::processEvents();
    return !m_bCancelRequested;
}

void TfmProc::tmConvertTimer()
{
    tmConvert->stop();
    ShowProgress(0);

    LastRunResult = {};
    LastRejectedRows = {};
    LastJournalRunId = 0;
    m_bRunning = true;
    m_bCancelRequested = false;
    m_nRecordsDone = 0;
    if (fmMain != nullptr)
        fmMain->UpdateStepControls();
    if (pSelRecList != nullptr && pFieldList != nullptr && pCsvFile != nullptr) {
        TRunSetup setup;
        setup.nMode = AppSettings.AppMode;
        setup.pKind = FindConvKind(AppSettings.AppFlag);
        setup.chQuote = AppSettings.QuoteMark[0];
        setup.chDelimiter = ExportDelimiter(AppSettings.Delimiter);
        setup.bByteOrderMark = AppSettings.ByteOrderMark;
        setup.bAddTitle = AppSettings.AddTitle;
        setup.bOverwrite = AppSettings.AppendCSV == 0;
        if (const char* szFile = KindCsvFile(AppSettings.AppFlag))
            setup.szCsvFile = szFile;
        const int nFlag = AppSettings.AppFlag;
        setup.saveRecord = [nFlag](void* pRec) { return SaveConvRecord(nFlag, pRec); };
        std::optional<TJournalSession> journal;
        if (setup.nMode == MODE_C2O)
            journal.emplace(OpenImportJournal(setup));
        if (journal && !journal->Opened() && !ImportWithoutJournal(*journal))
            LastRunResult.bCancelled = true;
        else
            LastRunResult = RunConversion(setup, *pSelRecList, *pFieldList, *pCsvFile,
                                          [this](int nPercent) { return AfterRecord(nPercent); });
        LastRejectedRows = LeaveRejectedRows(setup, LastRunResult);
        if (journal) {
            journal->Finish();
            LastJournalRunId = journal->RunId();
        }
    }
    m_bRunning = false;

    if (!LastRunResult.bFailed)
        ShowProgress(100);
    lblStatus->setText("Conversion finishing ... ");
    lblStatus->repaint();
    Pause(kPauseAtEnd);
    if (fmMain != nullptr)
        fmMain->GoToStep(5);
}
