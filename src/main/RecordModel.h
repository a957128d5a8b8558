// The rows of a record page: one row per record of the kind, which the model refers to and
// never owns, with its check mark, a caption edited in place where the kind allows it, and
// an import's preview of what the run will do with the record. Cell texts come from the
// kind's record manager only when a row is shown, so a folder of any size is listed at once.
#pragma once

#include "main/engine/ConvObjects.h"
#include "main/engine/ImportAction.h"
#include "main/RecordPageKind.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <vector>

class TRecordModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The record of a row, as a quintptr, in any column.
    static constexpr int kRecordRole = Qt::UserRole;

    TRecordModel(const TRecordPageKind& kind, QObject* parent);

    // The records in their order, every one checked, no preview, no sorting.
    void SetRecords(const std::vector<void*>& records);
    void* Record(int nRow) const;
    bool IsChecked(int nRow) const;
    void SetAllChecked(bool bChecked);
    // The rows, top to bottom, that are checked and have a record.
    std::vector<int> CheckedRows() const;
    // The column of the import's preview: after the record columns.
    int ActionColumn() const;
    // The key group of each record, in the order SetRecords gave them (an import's; see
    // ImportKeyGroups): a check changes the previews of its record's group only.
    void SetGroups(const std::vector<std::uint64_t>& groups);
    std::uint64_t Group(int nRow) const;
    // CheckedRows of one group.
    std::vector<int> CheckedRowsOfGroup(std::uint64_t nGroup) const;
    void ClearActions();
    void ClearGroupActions(std::uint64_t nGroup);
    // The preview of rows[i] is previews[i].
    void SetActions(const std::vector<int>& rows, const std::vector<TImportPreview>& previews);
    struct TActionCounts {
        int nAdd = 0;
        int nUpdate = 0;
        int nIdentical = 0;
    };
    TActionCounts CountActions() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int nRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;
    // By the texts shown (dates by their date); column -1 puts the records back in their order.
    void sort(int nColumn, Qt::SortOrder order) override;

signals:
    // The check mark of one row changed, as by a click.
    void checkToggled(int nRow);
    // SetAllChecked set or cleared every check mark.
    void checksChanged();

private:
    struct TRow {
        void* pRec = nullptr;
        int nSourceRow = 0;
        std::uint64_t nGroup = 0;
        bool bChecked = true;
        bool bHasAction = false;
        TImportAction nAction = TImportAction::Refused;
        const void* pMatched = nullptr;
        QString caption;  // null while the caption is not edited
    };

    void ActionsChanged();
    void SortByColumn(int nColumn, Qt::SortOrder order);
    QString CellText(const TRow& row, int nColumn) const;
    QString FieldText(const void* pRec, int nColumn) const;
    QString ActionText(const TRow& row) const;
    // The stored item an update writes over, as its row would name it.
    QString MatchCaption(const void* pMatched) const;

    const TRecordPageKind& m_kind;
    std::vector<TRow> m_rows;
};
