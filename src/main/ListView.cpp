#include "main/ListView.h"

#include <QHeaderView>
#include <QTreeWidget>

void SetUpReportView(QTreeView* view, const char* szName)
{
    view->setObjectName(szName);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    // The selection keeps its highlight when another control has the focus.
    QPalette palette = view->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    view->setPalette(palette);
}

QTreeWidget* NewCheckListView(QWidget* parent, const char* szName, std::span<const TListColumn> columns)
{
    auto* list = new QTreeWidget(parent);
    SetUpReportView(list, szName);
    list->setColumnCount(static_cast<int>(columns.size()));
    QStringList captions;
    for (const TListColumn& column : columns)
        captions << QString::fromUtf8(column.szCaption);
    list->setHeaderLabels(captions);
    int nColumn = 0;
    for (const TListColumn& column : columns)
        list->setColumnWidth(nColumn++, column.nWidth);
    return list;
}

QTreeWidgetItem* AddCheckItem(QTreeWidget* list, const QStringList& texts, void* pData, Qt::CheckState state)
{
    auto* item = new QTreeWidgetItem(texts);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren);
    item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(pData)));
    item->setCheckState(0, state);
    list->addTopLevelItem(item);
    return item;
}

void* ItemData(const QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<void*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

void SetAllChecked(QTreeWidget* list, Qt::CheckState state)
{
    for (int nItem = 0; nItem < list->topLevelItemCount(); ++nItem)
        list->topLevelItem(nItem)->setCheckState(0, state);
}

void SelectItem(QTreeWidget* list, QTreeWidgetItem* item)
{
    list->clearSelection();
    list->setCurrentItem(item);
    if (item != nullptr)
        item->setSelected(true);
}

void SelectFirstItem(QTreeWidget* list) { SelectItem(list, list->topLevelItem(0)); }

QTreeWidgetItem* SelectedItem(const QTreeWidget* list)
{
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void SelectRow(QTreeView* view, int nRow)
{
    view->clearSelection();
    const QModelIndex index = view->model() ? view->model()->index(nRow, 0) : QModelIndex();
    view->setCurrentIndex(index);
    if (index.isValid())
        view->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

int SelectedRow(const QTreeView* view)
{
    if (view->selectionModel() == nullptr)
        return -1;
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
