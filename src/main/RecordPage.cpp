#include "main/RecordPage.h"

#include "common/misc/CxList.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvSource.h"
#include "main/ListView.h"
#include "main/MessageBox.h"
#include "main/RecordModel.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <vector>

namespace {

// Only the caption column of a row can be edited in place.
class TCaptionOnlyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return index.column() == 0 ? QStyledItemDelegate::createEditor(parent, option, index) : nullptr;
    }
};

QPushButton* AddButton(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* button = new QPushButton(QString::fromUtf8(szCaption), parent);
    button->setObjectName(szName);
    button->setMinimumWidth(92);
    return button;
}

QString CountText(int nCount, const char* szWhat) { return QString("%1 %2").arg(nCount).arg(szWhat); }

QAction* AddMenuItem(QMenu* menu, const char* szName, const char* szCaption)
{
    QAction* action = menu->addAction(QString::fromUtf8(szCaption));
    action->setObjectName(szName);
    return action;
}

}  // namespace

TRecordPage::TRecordPage(QWidget* parent, const TRecordPageKind& kind)
    : TWizardPage(parent), m_kind(kind)
{
    setObjectName(kind.szFormName);
    m_pList = new QTreeView(this);
    SetUpReportView(m_pList, kind.szListName);
    m_pModel = new TRecordModel(kind, m_pList);
    m_pList->setModel(m_pModel);
    for (std::size_t nColumn = 0; nColumn < kind.columns.size(); ++nColumn)
        m_pList->setColumnWidth(static_cast<int>(nColumn), kind.columns[nColumn].column.nWidth);
    // Last among the columns, so that every record column keeps its number and the caption
    // its check box, but shown first.
    m_pList->setColumnWidth(m_pModel->ActionColumn(), 160);
    m_pList->header()->moveSection(m_pModel->ActionColumn(), 0);
    // A click on a column title sorts by it; the third click gives back the records' order.
    m_pList->header()->setSortIndicatorClearable(true);
    m_pList->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pList->setSortingEnabled(true);
    if (kind.bEditableCaption) {
        m_pList->setItemDelegate(new TCaptionOnlyDelegate(m_pList));
        m_pList->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    }

    btnSelAll = AddButton(this, "btnSelAll", "&Select All");
    btnClear = AddButton(this, "btnClear", "Clea&r");
    m_pDetailButton = AddButton(this, kind.szDetailButton, "&Details");
    lblPreview = new QLabel(this);
    lblPreview->setObjectName("lblPreview");
    lblFileNotes = new QLabel(this);
    lblFileNotes->setObjectName("lblFileNotes");
    lblFileNotes->setWordWrap(true);
    m_pPreviewTimer = new QTimer(this);
    m_pPreviewTimer->setSingleShot(true);
    m_pPreviewTimer->setInterval(0);

    m_pMenu = new QMenu(this);
    m_pMenu->setObjectName(kind.szMenuName);
    m_pMenuSelAll = AddMenuItem(m_pMenu, kind.szMenuSelAll, "&Select All");
    m_pMenuClear = AddMenuItem(m_pMenu, kind.szMenuClear, "&Clear All");
    m_pMenu->addSeparator()->setObjectName("N1");
    m_pMenuDetail = AddMenuItem(m_pMenu, kind.szMenuDetail, "&Detail Information");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(m_pList, 0, 0);
    layout->addWidget(lblFileNotes, 1, 0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(btnSelAll);
    buttons->addWidget(btnClear);
    buttons->addSpacing(16);
    buttons->addWidget(lblPreview);
    buttons->addStretch();
    buttons->addWidget(m_pDetailButton);
    layout->addLayout(buttons, 2, 0);

    m_pList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_pMenu->popup(m_pList->viewport()->mapToGlobal(pos)); });
    connect(btnSelAll, &QPushButton::clicked, this, &TRecordPage::btnSelAllClick);
    connect(btnClear, &QPushButton::clicked, this, &TRecordPage::btnClearClick);
    connect(m_pMenuSelAll, &QAction::triggered, this, &TRecordPage::btnSelAllClick);
    connect(m_pMenuClear, &QAction::triggered, this, &TRecordPage::btnClearClick);
    connect(m_pPreviewTimer, &QTimer::timeout, this, &TRecordPage::RefreshPreview);
    connect(m_pModel, &TRecordModel::checkToggled, this, [this](int nRow) {
        if (AppSettings.AppMode != MODE_C2O)
            return;
        m_changedGroups.push_back(m_pModel->Group(nRow));
        m_pPreviewTimer->start();
    });
    connect(m_pModel, &TRecordModel::checksChanged, this, [this] {
        if (AppSettings.AppMode != MODE_C2O)
            return;
        m_bFullPreview = true;
        m_pPreviewTimer->start();
    });
    connect(m_pList, &QAbstractItemView::doubleClicked, this, &TRecordPage::DetailClick);
}

bool TRecordPage::UpdatePage(bool bSave) { return bSave ? CollectChoice() : FillList(); }

// Every entry rebuilds the rows, in the source's order, so checks cleared earlier are set
// again.
bool TRecordPage::FillList()
{
    if (AppSettings.AppMode != MODE_O2C && AppSettings.AppMode != MODE_C2O)
        return false;
    const bool bImport = AppSettings.AppMode == MODE_C2O;
    std::vector<void*> records;
    if (!bImport) {
        for (void* pRec = FirstStoredRecord(m_kind.nFlag); pRec != nullptr; pRec = NextStoredRecord(m_kind.nFlag))
            records.push_back(pRec);
    } else if (pCsvRecList != nullptr) {
        records.reserve(pCsvRecList->GetCount());
        for (void* pRec = pCsvRecList->GetFirst(); pRec != nullptr; pRec = pCsvRecList->GetNext())
            records.push_back(pRec);
    }
    m_pList->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pModel->SetRecords(records);
    m_pPreviewTimer->stop();
    m_pList->setColumnHidden(m_pModel->ActionColumn(), !bImport);
    SelectRow(m_pList, m_pModel->rowCount() > 0 ? 0 : -1);
    lblPreview->setVisible(bImport);
    lblFileNotes->setVisible(bImport);
    if (bImport) {
        m_pModel->SetGroups(ImportKeyGroups(m_kind.nFlag, records));
        ShowFileNotes();
        m_bFullPreview = true;
        RefreshPreview();
    }
    return true;
}

void TRecordPage::ShowFileNotes()
{
    QStringList notes;
    if (pCsvSource != nullptr && pCsvSource->lastRead.bTitleRowSkipped)
        notes << "Column titles in the first row are not imported.";
    if (pCsvSource != nullptr && pCsvSource->file.bDroppedOddByte)
        notes << "The file ends in half a character: its last byte is ignored.";
    if (pCsvSource != nullptr && pCsvSource->lastRead.nRowsWithExtraFields > 0) {
        const int nRows = pCsvSource->lastRead.nRowsWithExtraFields;
        const int nFirst = pCsvSource->lastRead.nFirstRowWithExtraFields;
        notes << (nRows == 1 ? QString("1 row has more fields than there are columns; its extra fields are ignored "
                                       "(row %1 of the file).")
                                   .arg(nFirst)
                             : QString("%1 rows have more fields than there are columns; their extra fields are "
                                       "ignored (the first is row %2 of the file).")
                                   .arg(nRows)
                                   .arg(nFirst));
    }
    if (pCsvSource != nullptr) {
        for (const std::string& note : ImportValueNotes(pCsvSource->lastRead))
            notes << QString::fromStdString(note);
    }
    lblFileNotes->setText(notes.join('\n'));
}

// The same duplicate test as the run, over the checked records in the order the run takes
// them, against the Outlook items loaded for this conversion. A record can only match one of
// its key group, so a check changes the previews of that group alone.
void TRecordPage::RefreshPreview()
{
    m_pPreviewTimer->stop();
    if (m_bFullPreview) {
        m_pModel->ClearActions();
        PreviewRows(m_pModel->CheckedRows(), nullptr);
    } else {
        std::sort(m_changedGroups.begin(), m_changedGroups.end());
        m_changedGroups.erase(std::unique(m_changedGroups.begin(), m_changedGroups.end()), m_changedGroups.end());
        for (const std::uint64_t nGroup : m_changedGroups) {
            m_pModel->ClearGroupActions(nGroup);
            PreviewRows(m_pModel->CheckedRowsOfGroup(nGroup), &nGroup);
        }
    }
    m_bFullPreview = false;
    m_changedGroups.clear();
    const TRecordModel::TActionCounts counts = m_pModel->CountActions();
    lblPreview->setText(CountText(counts.nAdd, "to add") + ", " + CountText(counts.nUpdate, "to update") + ", "
                        + CountText(counts.nIdentical, "identical"));
}

void TRecordPage::PreviewRows(const std::vector<int>& rows, const std::uint64_t* pGroup)
{
    std::vector<void*> records;
    records.reserve(rows.size());
    for (const int nRow : rows)
        records.push_back(m_pModel->Record(nRow));
    m_pModel->SetActions(rows, pGroup ? PreviewImportGroup(m_kind.nFlag, *pGroup, records)
                                      : PreviewImport(m_kind.nFlag, records));
}

// The records are appended to whatever the list holds already.
bool TRecordPage::CollectChoice()
{
    if (pSelRecList != nullptr) {
        for (const int nRow : m_pModel->CheckedRows())
            pSelRecList->Add(m_pModel->Record(nRow));
    }
    if (pSelRecList != nullptr && pSelRecList->GetCount() > 0)
        return true;
    ShowMessageBox(this, QString::fromUtf8(m_kind.szNothingChosen), "Error", TMessageIcon::Error);
    return false;
}

void TRecordPage::btnSelAllClick() { m_pModel->SetAllChecked(true); }

void TRecordPage::btnClearClick() { m_pModel->SetAllChecked(false); }

void TRecordPage::DetailClick()
{
    if (const void* pRec = m_pModel->Record(SelectedRow(m_pList)))
        ShowDetail(pRec);
}
