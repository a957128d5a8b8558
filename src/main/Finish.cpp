#include "main/Finish.h"

#include "common/misc/WinUtil.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvSource.h"
#include "main/Main.h"
#include "main/Proc.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

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
    btnCSV = new QPushButton("Open CSV &File", this);
    btnCSV->setObjectName("btnCSV");
    btnAnother = new QPushButton("Convert &More", this);
    btnAnother->setObjectName("btnAnother");
    for (QPushButton* button : {btnCSV, btnAnother})
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
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(btnCSV);
    buttons->addWidget(btnAnother);
    buttons->addStretch();
    grid->addLayout(buttons, nRow++, 0, 1, 2);
    grid->setRowStretch(nRow, 1);
    grid->setColumnStretch(1, 1);

    connect(btnCSV, &QPushButton::clicked, this, &TfmFinish::btnCSVClick);
    connect(btnAnother, &QPushButton::clicked, this, &TfmFinish::btnAnotherClick);
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
