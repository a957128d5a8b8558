#include "main/RecordPage.h"

#include "common/misc/CxList.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvObjects.h"
#include "main/ListView.h"
#include "main/MessageBox.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QStyledItemDelegate>
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
    m_pList = NewCheckListView(this, kind.szListName, columns);
    if (kind.bEditableCaption) {
        m_pList->setItemDelegate(new TCaptionOnlyDelegate(m_pList));
        m_pList->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    }

    btnSelAll = AddButton(this, "btnSelAll", "&Select All");
    btnClear = AddButton(this, "btnClear", "Clea&r");
    m_pDetailButton = AddButton(this, kind.szDetailButton, "&Details");

    m_pMenu = new QMenu(this);
    m_pMenu->setObjectName(kind.szMenuName);
    m_pMenuSelAll = AddMenuItem(m_pMenu, kind.szMenuSelAll, "&Select All");
    m_pMenuClear = AddMenuItem(m_pMenu, kind.szMenuClear, "&Clear All");
    m_pMenu->addSeparator()->setObjectName("N1");
    m_pMenuDetail = AddMenuItem(m_pMenu, kind.szMenuDetail, "&Detail Information");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(m_pList, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(btnSelAll);
    buttons->addWidget(btnClear);
    buttons->addStretch();
    buttons->addWidget(m_pDetailButton);
    layout->addLayout(buttons, 1, 0);

    m_pList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_pMenu->popup(m_pList->viewport()->mapToGlobal(pos)); });
    connect(btnSelAll, &QPushButton::clicked, this, &TRecordPage::btnSelAllClick);
    connect(btnClear, &QPushButton::clicked, this, &TRecordPage::btnClearClick);
    connect(m_pMenuSelAll, &QAction::triggered, this, &TRecordPage::btnSelAllClick);
    connect(m_pMenuClear, &QAction::triggered, this, &TRecordPage::btnClearClick);
}

bool TRecordPage::UpdatePage(bool bSave) { return bSave ? CollectChoice() : FillList(); }

// Every entry rebuilds the rows, so checks cleared earlier are set again.
bool TRecordPage::FillList()
{
    if (AppSettings.AppMode != MODE_O2C && AppSettings.AppMode != MODE_C2O)
        return false;
    m_pList->setUpdatesEnabled(false);
    m_pList->clear();
    if (AppSettings.AppMode == MODE_O2C) {
        for (void* pRec = FirstStoredRecord(m_kind.nFlag); pRec != nullptr; pRec = NextStoredRecord(m_kind.nFlag))
            AddRecordRow(pRec);
    } else if (pCsvRecList != nullptr) {
        for (void* pRec = pCsvRecList->GetFirst(); pRec != nullptr; pRec = pCsvRecList->GetNext())
            AddRecordRow(pRec);
    }
    m_pList->setUpdatesEnabled(true);
    SelectFirstItem(m_pList);
    return true;
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
