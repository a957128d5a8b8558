#include "main/RecordPage.h"

#include "common/misc/CxList.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvSource.h"
#include "main/ListView.h"
#include "main/MessageBox.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <vector>

namespace {

// Display texts of the record columns are cut to this buffer.
constexpr int kTextBufSize = 1024;

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
    std::vector<TListColumn> columns;
    for (const TRecordColumn& column : kind.columns)
        columns.push_back(column.column);
    // Last among the columns, so that every record column keeps its number and the caption
    // its check box, but shown first.
    m_nActionColumn = static_cast<int>(columns.size());
    columns.push_back({"Action", 160});
    m_pList = NewCheckListView(this, kind.szListName, columns);
    m_pList->header()->moveSection(m_nActionColumn, 0);
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
    connect(m_pList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem*, int nColumn) {
        if (nColumn == 0 && AppSettings.AppMode == MODE_C2O)
            m_pPreviewTimer->start();
    });
}

bool TRecordPage::UpdatePage(bool bSave) { return bSave ? CollectChoice() : FillList(); }

// Every entry rebuilds the rows, so checks cleared earlier are set again.
bool TRecordPage::FillList()
{
    if (AppSettings.AppMode != MODE_O2C && AppSettings.AppMode != MODE_C2O)
        return false;
    const bool bImport = AppSettings.AppMode == MODE_C2O;
    m_pList->setUpdatesEnabled(false);
    {
        const QSignalBlocker quiet(m_pList);
        m_pList->clear();
        if (!bImport) {
            for (void* pRec = FirstStoredRecord(m_kind.nFlag); pRec != nullptr; pRec = NextStoredRecord(m_kind.nFlag))
                AddRecordRow(pRec);
        } else if (pCsvRecList != nullptr) {
            for (void* pRec = pCsvRecList->GetFirst(); pRec != nullptr; pRec = pCsvRecList->GetNext())
                AddRecordRow(pRec);
        }
    }
    m_pList->setColumnHidden(m_nActionColumn, !bImport);
    m_pList->setUpdatesEnabled(true);
    SelectFirstItem(m_pList);
    lblPreview->setVisible(bImport);
    lblFileNotes->setVisible(bImport);
    if (bImport) {
        ShowFileNotes();
        RefreshPreview();
    }
    return true;
}

QString TRecordPage::MatchCaption(const void* pMatched) const
{
    QStringList texts;
    char szText[kTextBufSize];
    for (int nColumn = 0; nColumn < m_kind.nMatchCaptionColumns && nColumn < static_cast<int>(m_kind.columns.size());
         ++nColumn) {
        szText[0] = '\0';
        m_kind.GetText(pMatched, m_kind.columns[static_cast<std::size_t>(nColumn)].nId, szText, sizeof szText);
        if (szText[0] != '\0')
            texts << QString::fromUtf8(szText);
    }
    return texts.join(' ');
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
// them, against the Outlook items loaded for this conversion.
void TRecordPage::RefreshPreview()
{
    m_pPreviewTimer->stop();
    std::vector<QTreeWidgetItem*> checkedItems;
    std::vector<void*> checkedRecords;
    for (int nRow = 0; nRow < m_pList->topLevelItemCount(); ++nRow) {
        QTreeWidgetItem* item = m_pList->topLevelItem(nRow);
        if (item->checkState(0) == Qt::Checked && ItemData(item) != nullptr) {
            checkedItems.push_back(item);
            checkedRecords.push_back(ItemData(item));
        }
    }
    const std::vector<TImportPreview> previews = PreviewImport(m_kind.nFlag, checkedRecords);

    const QSignalBlocker quiet(m_pList);
    for (int nRow = 0; nRow < m_pList->topLevelItemCount(); ++nRow)
        m_pList->topLevelItem(nRow)->setText(m_nActionColumn, {});
    int nAdd = 0;
    int nUpdate = 0;
    int nIdentical = 0;
    for (std::size_t nChecked = 0; nChecked < previews.size() && nChecked < checkedItems.size(); ++nChecked) {
        const TImportPreview& preview = previews[nChecked];
        QString action;
        switch (preview.nAction) {
        case TImportAction::Added:
            action = "Add";
            ++nAdd;
            break;
        case TImportAction::Updated:
            action = "Update: " + MatchCaption(preview.pMatched);
            ++nUpdate;
            break;
        case TImportAction::Identical:
            action = "Skip (identical)";
            ++nIdentical;
            break;
        case TImportAction::Refused:
            break;
        }
        checkedItems[nChecked]->setText(m_nActionColumn, action);
    }
    lblPreview->setText(CountText(nAdd, "to add") + ", " + CountText(nUpdate, "to update") + ", "
                        + CountText(nIdentical, "identical"));
    m_pList->viewport()->update();
}

void TRecordPage::AddRecordRow(void* pRec)
{
    QStringList texts;
    char szText[kTextBufSize];
    for (const TRecordColumn& column : m_kind.columns) {
        szText[0] = '\0';
        m_kind.GetText(pRec, column.nId, szText, sizeof szText);
        texts << QString::fromUtf8(szText);
    }
    QTreeWidgetItem* item = AddCheckItem(m_pList, texts, pRec, Qt::Checked);
    if (m_kind.bEditableCaption)
        item->setFlags(item->flags() | Qt::ItemIsEditable);
}

// The records are appended to whatever the list holds already.
bool TRecordPage::CollectChoice()
{
    if (pSelRecList != nullptr) {
        for (int nRow = 0; nRow < m_pList->topLevelItemCount(); ++nRow) {
            const QTreeWidgetItem* item = m_pList->topLevelItem(nRow);
            if (item->checkState(0) == Qt::Checked && ItemData(item) != nullptr)
                pSelRecList->Add(ItemData(item));
        }
    }
    if (pSelRecList != nullptr && pSelRecList->GetCount() > 0)
        return true;
    ShowMessageBox(this, QString::fromUtf8(m_kind.szNothingChosen), "Error", TMessageIcon::Error);
    return false;
}

void TRecordPage::btnSelAllClick() { SetAllChecked(m_pList, Qt::Checked); }

void TRecordPage::btnClearClick() { SetAllChecked(m_pList, Qt::Unchecked); }

void TRecordPage::DetailClick()
{
    if (const void* pRec = ItemData(SelectedItem(m_pList)))
        ShowDetail(pRec);
}
