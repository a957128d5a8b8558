// The report-style list views with check boxes that the wizard pages show: one row per
// object, which the row refers to (never owns) as its data.
#pragma once

#include <QStringList>
#include <Qt>
#include <span>

class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

struct TListColumn {
    const char* szCaption;
    int nWidth;
};

// What every report-style list shares: whole-row single selection that stays visible when the
// list loses the focus, uniform rows without tree decoration, texts not editable unless an
// item allows it.
void SetUpReportView(QTreeView* view, const char* szName);

// A list with the given columns, whole-row single selection that stays visible when the list
// loses the focus, and check boxes; the texts cannot be edited unless an item allows it.
QTreeWidget* NewCheckListView(QWidget* parent, const char* szName, std::span<const TListColumn> columns);

// Appends a row with the texts of its columns, referring to pData.
QTreeWidgetItem* AddCheckItem(QTreeWidget* list, const QStringList& texts, void* pData, Qt::CheckState state);
void* ItemData(const QTreeWidgetItem* item);

void SetAllChecked(QTreeWidget* list, Qt::CheckState state);
// Makes item the one selected row (and the current one); null selects nothing.
void SelectItem(QTreeWidget* list, QTreeWidgetItem* item);
void SelectFirstItem(QTreeWidget* list);
// The selected row, or null.
QTreeWidgetItem* SelectedItem(const QTreeWidget* list);

// The rows of a list over a model: makes nRow the one selected row (and the current one); -1
// selects nothing.
void SelectRow(QTreeView* view, int nRow);
// The selected row, or -1.
int SelectedRow(const QTreeView* view);
