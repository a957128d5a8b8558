#include "main/Finish.h"

#include "common/misc/WinUtil.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvSource.h"
#include "main/engine/RejectedRows.h"
#include "main/Main.h"
#include "main/Proc.h"
#include "main/UndoFlow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <filesystem>

TfmFinish* fmFinish = nullptr;

namespace {

const char* const kOutlookProfile = "Default Outlook Profile";

QLabel* AddLabel(QWidget* parent, const char* szName, const char* szCaption = "")
{
    auto* label = new QLabel(QString::fromUtf8(szCaption), parent);
    label->setObjectName(szName);
    return label;
}

}  // namespace

TfmFinish::TfmFinish(QWidget* parent) : TWizardPage(parent)
{
    setObjectName("fmFinish");
    Label1 = AddLabel(this, "Label1", "Conversion Mode:");
    Label2 = AddLabel(this, "Label2", "Application Type:");
    Label3 = AddLabel(this, "Label3", "Source:");
    Label4 = AddLabel(this, "Label4", "Destination:");
    Label5 = AddLabel(this, "Label5", "Result:");
    lblMode = AddLabel(this, "lblMode");
    lblApp = AddLabel(this, "lblApp");
    lblSource = AddLabel(this, "lblSource");
    lblDest = AddLabel(this, "lblDest");
    lblResult = AddLabel(this, "lblResult");
    lblCounts = AddLabel(this, "lblCounts");
    lblRejected = AddLabel(this, "lblRejected");
    btnCSV = new QPushButton("Open CSV &File", this);
    btnCSV->setObjectName("btnCSV");
    btnAnother = new QPushButton("Convert &More", this);
    btnAnother->setObjectName("btnAnother");
    btnUndo = new QPushButton("Undo This Import", this);
    btnUndo->setObjectName("btnUndo");
    btnUndo->hide();
    lblUndone = AddLabel(this, "lblUndone");
    for (QPushButton* button : {btnCSV, btnAnother, btnUndo})
        button->setMinimumSize(120, 30);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(60, 40, 60, 24);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    const std::pair<QLabel*, QLabel*> rows[] = {
        {Label1, lblMode}, {Label2, lblApp}, {Label3, lblSource}, {Label4, lblDest}, {Label5, lblResult},
    };
    int nRow = 0;
    for (const auto& [caption, value] : rows) {
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, nRow, 0);
        grid->addWidget(value, nRow++, 1);
    }
    lblCounts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(lblCounts, nRow++, 1);
    lblRejected->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRejected->setWordWrap(true);
    lblRejected->hide();
    grid->addWidget(lblRejected, nRow++, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(btnCSV);
    buttons->addWidget(btnAnother);
    buttons->addWidget(btnUndo);
    buttons->addStretch();
    grid->addLayout(buttons, nRow++, 0, 1, 2);
    // Under the buttons, where the eye is after pressing Undo This Import.
    lblUndone->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(lblUndone, nRow++, 0, 1, 2);
    grid->setRowStretch(nRow, 1);
    grid->setColumnStretch(1, 1);

    connect(btnCSV, &QPushButton::clicked, this, &TfmFinish::btnCSVClick);
    connect(btnAnother, &QPushButton::clicked, this, &TfmFinish::btnAnotherClick);
    connect(btnUndo, &QPushButton::clicked, this, &TfmFinish::btnUndoClick);
}

bool TfmFinish::UpdatePage(bool bSave)
{
    if (!bSave)
        ShowResult();
    return true;
}

// What the import did besides converting: the counts, and the records that were skipped
// because Outlook holds them already, which a count of converted records alone hides.
QString TfmFinish::ImportCountLines(const TRunResult& result)
{
    QStringList lines{QString::fromStdString(ImportCountsText(result))};
    if (result.nIdentical > 0)
        lines << QString("%1 records were already in Outlook and were skipped").arg(result.nIdentical);
    if (pCsvSource != nullptr) {
        for (const std::string& note : ImportValueNotes(pCsvSource->lastRead))
            lines << QString::fromStdString(note);
    }
    return lines.join('\n');
}

// Labels whose direction or kind is unknown keep their previous text.
void TfmFinish::ShowResult()
{
    const char* szFile = KindCsvFile(AppSettings.AppFlag);
    const QString file = szFile ? QString::fromUtf8(szFile) : QString();
    if (AppSettings.AppMode == MODE_O2C) {
        lblMode->setText("Outlook >> CSV File");
        lblSource->setText(kOutlookProfile);
        if (szFile)
            lblDest->setText(file);
    } else if (AppSettings.AppMode == MODE_C2O) {
        lblMode->setText("CSV File >> Outlook");
        if (szFile)
            lblSource->setText(file);
        lblDest->setText(kOutlookProfile);
    }
    if (const TConvKind* kind = FindConvKind(AppSettings.AppFlag))
        lblApp->setText(QString::fromUtf8(kind->szAppName));
    const char* szResult = LastRunResult.bFailed      ? "Conversion failed. %1 records were converted"
                           : LastRunResult.bCancelled ? "Conversion cancelled. %1 records were converted"
                                                      : "Convesion succeeded. %1 records were converted";
    lblResult->setText(QString::fromUtf8(szResult).arg(LastRunResult.nConverted));
    lblCounts->setText(AppSettings.AppMode == MODE_C2O ? ImportCountLines(LastRunResult) : QString());
    ShowRejectedRows();
    m_nUndoRun = AppSettings.AppMode == MODE_C2O ? LastJournalRunId : 0;
    btnUndo->setVisible(m_nUndoRun != 0);
    btnUndo->setEnabled(true);
    lblUndone->clear();
}

// The file beside the import file is named alone; a path where it could not be written, whole.
void TfmFinish::ShowRejectedRows()
{
    const std::string note =
        AppSettings.AppMode == MODE_C2O
            ? RejectedRowsNote(LastRejectedRows, std::filesystem::path(LastRejectedRows.path).filename().string())
            : std::string();
    lblRejected->setText(QString::fromStdString(note));
    lblRejected->setVisible(!note.empty());
}

void TfmFinish::btnCSVClick()
{
    if (const char* szFile = KindCsvFile(AppSettings.AppFlag))
        ShellOpenFile(szFile);
}

void TfmFinish::btnAnotherClick()
{
    if (fmMain != nullptr)
        fmMain->GoToStep(0);
}

// Undone once: a second undo would find nothing of the run left to take back.
void TfmFinish::btnUndoClick()
{
    if (m_nUndoRun == 0)
        return;
    if (const std::optional<QString> done = UndoImportRuns(this, {m_nUndoRun})) {
        btnUndo->setEnabled(false);
        lblUndone->setText("Import undone: " + *done);
    }
}
