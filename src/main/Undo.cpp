#include "main/Undo.h"

#include "common/misc/SqliteDatabase.h"
#include "common/misc/WinUtil.h"
#include "main/ClickLabel.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ImportJournal.h"
#include "main/engine/UndoImport.h"
#include "main/ListView.h"
#include "main/Product.h"
#include "main/UndoFlow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>

namespace {

QString TimeText(const TJournalRun& run)
{
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(run.dStarted, &st))
        return {};
    char szText[32];
    std::snprintf(szText, sizeof szText, "%02d/%02d/%04d %02d:%02d", st.wMonth, st.wDay, st.wYear, st.wHour,
                  st.wMinute);
    return szText;
}

// A kind this version does not know comes from a newer one sharing the journal.
QString KindText(const TJournalRun& run)
{
    const TConvKind* kind = FindConvKind(run.nFlag);
    return kind != nullptr ? QString::fromUtf8(kind->szAppName) : QString("Unknown");
}

QString FileText(const TJournalRun& run) { return QString::fromStdString(run.csvFile); }

// In the words the result page used for the run.
QString ResultText(const TJournalRun& run)
{
    const QString text = QString::fromStdString(JournalRunCountsText(run));
    return run.dUndone != 0 ? text + " (undone)" : text;
}

const struct {
    TListColumn column;
    QString (*text)(const TJournalRun& run);
} kRunColumns[] = {
    {{"Time", 120}, &TimeText},
    {{"Kind", 80}, &KindText},
    {{"File", 200}, &FileText},
    {{"Result", 300}, &ResultText},
};

const char* const kNoRunsText = "No import has been recorded yet.";

QPushButton* AddButton(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* button = new QPushButton(QString::fromUtf8(szCaption), parent);
    button->setObjectName(szName);
    button->setMinimumSize(92, 30);
    return button;
}

QTreeWidgetItem* AddRunItem(QTreeWidget* list, const TJournalRun& run)
{
    QStringList texts;
    for (const auto& column : kRunColumns)
        texts << column.text(run);
    auto* item = new QTreeWidgetItem(texts);
    // An undone run has nothing left to take back: it is shown greyed and cannot be chosen.
    item->setFlags(run.dUndone != 0 ? Qt::ItemNeverHasChildren
                                    : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren);
    item->setData(0, Qt::UserRole, QVariant::fromValue<qint64>(run.nId));
    if (!run.settings.empty())
        item->setToolTip(2, QString::fromStdString(run.csvFile + "\n" + run.settings));
    list->addTopLevelItem(item);
    return item;
}

}  // namespace

TfmUndo::TfmUndo(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("fmUndo");
    setWindowTitle("Undo an Import");

    const TDialogBanner banner = CreateDialogBanner(this);
    pTop = banner.pTop;
    imgIcon = banner.imgIcon;
    imgText = banner.imgText;

    Label1 = new QLabel("Choose the imports to undo: the items they added are removed, those they updated get "
                        "their earlier content back.",
                        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    TListColumn columns[std::size(kRunColumns)];
    for (std::size_t nColumn = 0; nColumn < std::size(kRunColumns); ++nColumn)
        columns[nColumn] = kRunColumns[nColumn].column;
    lvRuns = NewCheckListView(this, "lvRuns", columns);
    lvRuns->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lblNoRuns = new QLabel(this);
    lblNoRuns->setObjectName("lblNoRuns");
    lblNoRuns->setWordWrap(true);

    btnUndo = AddButton(this, "btnUndo", "&Undo");
    btnUndo->setDefault(true);
    btnClose = AddButton(this, "btnClose", "&Close");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnUndo);
    buttons->addWidget(btnClose);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 14, 18, 14);
    body->setSpacing(12);
    body->addWidget(Label1);
    body->addWidget(lvRuns, 1);
    body->addWidget(lblNoRuns);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pTop);
    layout->addLayout(body);
    setFixedSize(740, 460);

    connect(btnUndo, &QPushButton::clicked, this, &TfmUndo::btnUndoClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvRuns, &QTreeWidget::itemSelectionChanged, this, &TfmUndo::lvRunsChange);
    connect(imgIcon, &TClickLabel::clicked, this, &TfmUndo::imgIconClick);
    connect(imgText, &TClickLabel::clicked, this, &TfmUndo::imgIconClick);

    FillRuns();
}

// Only looks: a journal that is missing is not made just to find it empty.
void TfmUndo::FillRuns()
{
    lvRuns->clear();
    std::vector<TJournalRun> runs;
    QString note;
    const std::string path = DefaultJournalPath();
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        try {
            TImportJournal journal(path);
            runs = journal.Runs(MAX_RUNS);
        } catch (const SqliteError& failure) {
            note = QString("The import journal cannot be read: %1").arg(QString::fromUtf8(failure.what()));
        }
    }
    for (const TJournalRun& run : runs)
        AddRunItem(lvRuns, run);
    if (runs.empty() && note.isEmpty())
        note = kNoRunsText;
    lblNoRuns->setText(note);
    lblNoRuns->setVisible(!note.isEmpty());
    lvRunsChange();
}

std::vector<std::int64_t> TfmUndo::SelectedRuns() const
{
    std::vector<std::int64_t> runs;
    for (int nItem = 0; nItem < lvRuns->topLevelItemCount(); ++nItem) {
        const QTreeWidgetItem* item = lvRuns->topLevelItem(nItem);
        if (item->isSelected())
            runs.push_back(item->data(0, Qt::UserRole).value<qint64>());
    }
    return runs;
}

// Listed afresh whatever came of it: an undo that failed half-way may have taken some back.
void TfmUndo::btnUndoClick()
{
    const std::vector<std::int64_t> runs = SelectedRuns();
    if (runs.empty())
        return;
    UndoImportRuns(this, runs);
    FillRuns();
}

void TfmUndo::lvRunsChange() { btnUndo->setEnabled(!SelectedRuns().empty()); }

void TfmUndo::imgIconClick() { ShellOpenFile(PRODUCT_WEB_PAGE); }
