#include "main/RecordModel.h"

#include <QCollator>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <numeric>

namespace {

// Display texts of the record columns are cut to this buffer.
constexpr int kTextBufSize = 1024;
// Wide enough for any run of digits a field holds in practice.
constexpr int kNumberWidth = 20;

// Texts compare without regard to case and numbers by their value ("Task 9" before "Task
// 10"); dates, shown month first ("%02d/%02d/%04d"), by year, month and day. The key is
// then ordered by the user's locale.
QString SortKeyText(const QString& text)
{
    static const QRegularExpression date(R"(^(\d\d)/(\d\d)/(\d{4})$)");
    static const QRegularExpression number(R"(\d+)");
    const QRegularExpressionMatch match = date.match(text);
    const QString folded =
        (match.hasMatch() ? match.captured(3) + match.captured(1) + match.captured(2) : text).toCaseFolded();
    QString key;
    qsizetype nDone = 0;
    for (const QRegularExpressionMatch& digits : number.globalMatch(folded)) {
        key += folded.mid(nDone, digits.capturedStart() - nDone);
        key += digits.captured().rightJustified(kNumberWidth, '0');
        nDone = digits.capturedEnd();
    }
    return key + folded.mid(nDone);
}

}  // namespace

TRecordModel::TRecordModel(const TRecordPageKind& kind, QObject* parent) : QAbstractTableModel(parent), m_kind(kind) {}

void TRecordModel::SetRecords(const std::vector<void*>& records)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(records.size());
    for (void* pRec : records) {
        TRow& row = m_rows.emplace_back();
        row.pRec = pRec;
        row.nSourceRow = static_cast<int>(m_rows.size()) - 1;
    }
    endResetModel();
}

void* TRecordModel::Record(int nRow) const
{
    return nRow >= 0 && nRow < rowCount() ? m_rows[static_cast<std::size_t>(nRow)].pRec : nullptr;
}

bool TRecordModel::IsChecked(int nRow) const
{
    return nRow >= 0 && nRow < rowCount() && m_rows[static_cast<std::size_t>(nRow)].bChecked;
}

void TRecordModel::SetAllChecked(bool bChecked)
{
    for (TRow& row : m_rows)
        row.bChecked = bChecked;
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
    emit checksChanged();
}

std::vector<int> TRecordModel::CheckedRows() const
{
    std::vector<int> rows;
    for (std::size_t nRow = 0; nRow < m_rows.size(); ++nRow) {
        if (m_rows[nRow].bChecked && m_rows[nRow].pRec != nullptr)
            rows.push_back(static_cast<int>(nRow));
    }
    return rows;
}

int TRecordModel::ActionColumn() const { return static_cast<int>(m_kind.columns.size()); }

void TRecordModel::SetGroups(const std::vector<std::uint64_t>& groups)
{
    for (TRow& row : m_rows) {
        const auto nSourceRow = static_cast<std::size_t>(row.nSourceRow);
        row.nGroup = nSourceRow < groups.size() ? groups[nSourceRow] : 0;
    }
}

std::uint64_t TRecordModel::Group(int nRow) const
{
    return nRow >= 0 && nRow < rowCount() ? m_rows[static_cast<std::size_t>(nRow)].nGroup : 0;
}

std::vector<int> TRecordModel::CheckedRowsOfGroup(std::uint64_t nGroup) const
{
    std::vector<int> rows;
    for (std::size_t nRow = 0; nRow < m_rows.size(); ++nRow) {
        const TRow& row = m_rows[nRow];
        if (row.nGroup == nGroup && row.bChecked && row.pRec != nullptr)
            rows.push_back(static_cast<int>(nRow));
    }
    return rows;
}

void TRecordModel::ClearActions()
{
    for (TRow& row : m_rows)
        row.bHasAction = false;
    ActionsChanged();
}

void TRecordModel::ClearGroupActions(std::uint64_t nGroup)
{
    for (TRow& row : m_rows) {
        if (row.nGroup == nGroup)
            row.bHasAction = false;
    }
    ActionsChanged();
}

void TRecordModel::SetActions(const std::vector<int>& rows, const std::vector<TImportPreview>& previews)
{
    for (std::size_t i = 0; i < rows.size() && i < previews.size(); ++i) {
        if (rows[i] < 0 || rows[i] >= rowCount())
            continue;
        TRow& row = m_rows[static_cast<std::size_t>(rows[i])];
        row.bHasAction = true;
        row.nAction = previews[i].nAction;
        row.pMatched = previews[i].pMatched;
    }
    ActionsChanged();
}

TRecordModel::TActionCounts TRecordModel::CountActions() const
{
    TActionCounts counts;
    for (const TRow& row : m_rows) {
        if (!row.bHasAction)
            continue;
        counts.nAdd += row.nAction == TImportAction::Added ? 1 : 0;
        counts.nUpdate += row.nAction == TImportAction::Updated ? 1 : 0;
        counts.nIdentical += row.nAction == TImportAction::Identical ? 1 : 0;
    }
    return counts;
}

void TRecordModel::ActionsChanged()
{
    if (!m_rows.empty())
        emit dataChanged(index(0, ActionColumn()), index(rowCount() - 1, ActionColumn()), {Qt::DisplayRole});
}

int TRecordModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TRecordModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ActionColumn() + 1; }

QVariant TRecordModel::data(const QModelIndex& index, int nRole) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (nRole) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return CellText(row, index.column());
    case Qt::CheckStateRole:
        return index.column() == 0 ? QVariant(row.bChecked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case kRecordRole:
        return QVariant::fromValue(reinterpret_cast<quintptr>(row.pRec));
    default:
        return {};
    }
}

bool TRecordModel::setData(const QModelIndex& index, const QVariant& value, int nRole)
{
    if (!index.isValid() || index.column() != 0 || index.row() >= rowCount())
        return false;
    TRow& row = m_rows[static_cast<std::size_t>(index.row())];
    if (nRole == Qt::CheckStateRole) {
        row.bChecked = value.toInt() == Qt::Checked;
        emit dataChanged(index, index, {Qt::CheckStateRole});
        emit checkToggled(index.row());
        return true;
    }
    if (nRole == Qt::EditRole && m_kind.bEditableCaption) {
        // Only the display changes: the record keeps its text.
        row.caption = value.toString();
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }
    return false;
}

Qt::ItemFlags TRecordModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0) {
        flags |= Qt::ItemIsUserCheckable;
        if (m_kind.bEditableCaption)
            flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant TRecordModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const
{
    if (orientation != Qt::Horizontal || nRole != Qt::DisplayRole || nSection < 0 || nSection > ActionColumn())
        return {};
    if (nSection == ActionColumn())
        return QString("Action");
    return QString::fromUtf8(m_kind.columns[static_cast<std::size_t>(nSection)].column.szCaption);
}

void TRecordModel::sort(int nColumn, Qt::SortOrder order)
{
    if (nColumn >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection and the current row follow their records.
    const QModelIndexList before = persistentIndexList();
    std::vector<int> sourceRows;
    sourceRows.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        sourceRows.push_back(m_rows[static_cast<std::size_t>(index.row())].nSourceRow);

    if (nColumn < 0)
        std::stable_sort(m_rows.begin(), m_rows.end(),
                         [](const TRow& a, const TRow& b) { return a.nSourceRow < b.nSourceRow; });
    else
        SortByColumn(nColumn, order);

    std::vector<int> rowOfSource(m_rows.size());
    for (std::size_t nRow = 0; nRow < m_rows.size(); ++nRow)
        rowOfSource[static_cast<std::size_t>(m_rows[nRow].nSourceRow)] = static_cast<int>(nRow);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(rowOfSource[static_cast<std::size_t>(sourceRows[static_cast<std::size_t>(i)])],
                       before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Each text is made and keyed once: a folder of 100,000 records sorts in a moment.
void TRecordModel::SortByColumn(int nColumn, Qt::SortOrder order)
{
    const QCollator collator;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(m_rows.size());
    for (const TRow& row : m_rows)
        keys.push_back(collator.sortKey(SortKeyText(CellText(row, nColumn))));
    std::vector<std::size_t> sortedRows(m_rows.size());
    std::iota(sortedRows.begin(), sortedRows.end(), std::size_t{0});
    std::stable_sort(sortedRows.begin(), sortedRows.end(), [&](std::size_t a, std::size_t b) {
        const int nCompare = keys[a].compare(keys[b]);
        return order == Qt::AscendingOrder ? nCompare < 0 : nCompare > 0;
    });
    std::vector<TRow> sorted;
    sorted.reserve(m_rows.size());
    for (const std::size_t nRow : sortedRows)
        sorted.push_back(std::move(m_rows[nRow]));
    m_rows = std::move(sorted);
}

QString TRecordModel::CellText(const TRow& row, int nColumn) const
{
    if (nColumn == ActionColumn())
        return ActionText(row);
    if (nColumn == 0 && !row.caption.isNull())
        return row.caption;
    return FieldText(row.pRec, nColumn);
}

QString TRecordModel::FieldText(const void* pRec, int nColumn) const
{
    if (pRec == nullptr || nColumn < 0 || nColumn >= ActionColumn())
        return {};
    char szText[kTextBufSize] = "";
    m_kind.GetText(pRec, m_kind.columns[static_cast<std::size_t>(nColumn)].nId, szText, sizeof szText);
    return QString::fromUtf8(szText);
}

QString TRecordModel::ActionText(const TRow& row) const
{
    if (!row.bHasAction)
        return {};
    switch (row.nAction) {
    case TImportAction::Added:
        return "Add";
    case TImportAction::Updated:
        return "Update: " + MatchCaption(row.pMatched);
    case TImportAction::Identical:
        return "Skip (identical)";
    case TImportAction::Refused:
        break;
    }
    return {};
}

QString TRecordModel::MatchCaption(const void* pMatched) const
{
    QStringList texts;
    const int nColumns = std::min(m_kind.nMatchCaptionColumns, ActionColumn());
    for (int nColumn = 0; nColumn < nColumns; ++nColumn) {
        const QString text = FieldText(pMatched, nColumn);
        if (!text.isEmpty())
            texts << text;
    }
    return texts.join(' ');
}
