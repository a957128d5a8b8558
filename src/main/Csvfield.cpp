#include "main/Csvfield.h"

#include "common/misc/CxList.h"
#include "common/misc/CxMemory.h"
#include "common/outlook/FieldEntry.h"
#include "main/engine/Apputil.h"
#include "main/engine/ConvKind.h"
#include "main/engine/ConvObjects.h"
#include "main/engine/CsvImport.h"
#include "main/engine/CsvSource.h"
#include "main/Fieldprop.h"
#include "main/ListView.h"
#include "main/MessageBox.h"
#include "main/ModalDialog.h"
#include "main/ProgressDisplay.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

TfmCSVField* fmCSVField = nullptr;

namespace {

QPushButton* AddButton(QWidget* parent, const char* szName, const char* szCaption)
{
    auto* button = new QPushButton(QString::fromUtf8(szCaption), parent);
    button->setObjectName(szName);
    return button;
}

QTreeWidget* NewFieldList(QWidget* parent, const char* szName, const char* szCaption)
{
    const TListColumn columns[] = {{szCaption, 200}};
    return NewCheckListView(parent, szName, columns);
}

void AddFieldItem(QTreeWidget* list, CsvFieldEntry* pEntry, Qt::CheckState state)
{
    AddCheckItem(list, {QString::fromUtf8(pEntry->szName)}, pEntry, state);
}

// The item of the table field nId, or null.
QTreeWidgetItem* FindFieldItem(const QTreeWidget* list, int nId)
{
    for (int nItem = 0; nItem < list->topLevelItemCount(); ++nItem) {
        QTreeWidgetItem* item = list->topLevelItem(nItem);
        const CsvFieldEntry* pEntry = TfmCSVField::EntryOf(item);
        if (pEntry && !IsCustomField(pEntry) && pEntry->nId == nId)
            return item;
    }
    return nullptr;
}

// Moves the checked items whose entry may go, in list order, to the end of to, unchecked.
template <class TMayMove>
void MoveCheckedItems(QTreeWidget* from, QTreeWidget* to, TMayMove mayMove)
{
    for (int nItem = 0; nItem < from->topLevelItemCount();) {
        QTreeWidgetItem* item = from->topLevelItem(nItem);
        CsvFieldEntry* pEntry = TfmCSVField::EntryOf(item);
        if (item->checkState(0) != Qt::Checked || !mayMove(pEntry)) {
            ++nItem;
            continue;
        }
        AddFieldItem(to, pEntry, Qt::Unchecked);
        delete item;
    }
}

}  // namespace

void TfmCSVField::TCustomEntryDeleter::operator()(CsvFieldEntry* pEntry) const { FreeCustomFieldEntry(pEntry); }

TfmCSVField::TfmCSVField(QWidget* parent) : TWizardPage(parent)
{
    setObjectName("fmCSVField");
    lvAll = NewFieldList(this, "lvAll", "Available Fields");
    lvSel = NewFieldList(this, "lvSel", "Selected Fields");
    btnSel = AddButton(this, "btnSel", "> >");
    btnUnSel = AddButton(this, "btnUnSel", "< <");
    btnAllSel = AddButton(this, "btnAllSel", "Select All");
    btnAllClear = AddButton(this, "btnAllClear", "Clear All");
    btnSelSel = AddButton(this, "btnSelSel", "Select All");
    btnSelClear = AddButton(this, "btnSelClear", "Clear All");
    btnInsert = AddButton(this, "btnInsert", "Insert");
    btnDelete = AddButton(this, "btnDelete", "Delete");
    btnUp = AddButton(this, "btnUp", "Move Up");
    btnDown = AddButton(this, "btnDown", "Move Down");
    btnProp = AddButton(this, "btnProp", "Properties");
    btnMatchTitles = AddButton(this, "btnMatchTitles", "Match Titles");
    lblTitleNotes = new QLabel(this);
    lblTitleNotes->setObjectName("lblTitleNotes");
    lblTitleNotes->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 16, 24, 16);
    grid->setHorizontalSpacing(12);
    auto* moveButtons = new QVBoxLayout;
    moveButtons->setSpacing(8);
    moveButtons->addStretch();
    moveButtons->addWidget(btnSel);
    moveButtons->addWidget(btnUnSel);
    moveButtons->addStretch();
    auto* columnButtons = new QVBoxLayout;
    columnButtons->setSpacing(8);
    for (QPushButton* button : {btnInsert, btnDelete, btnUp, btnDown, btnProp})
        columnButtons->addWidget(button);
    columnButtons->addSpacing(16);
    columnButtons->addWidget(btnMatchTitles);
    columnButtons->addStretch();
    auto* allButtons = new QHBoxLayout;
    allButtons->setSpacing(8);
    allButtons->addWidget(btnAllSel);
    allButtons->addWidget(btnAllClear);
    allButtons->addStretch();
    auto* selButtons = new QHBoxLayout;
    selButtons->setSpacing(8);
    selButtons->addWidget(btnSelSel);
    selButtons->addWidget(btnSelClear);
    selButtons->addStretch();
    grid->addWidget(lvAll, 0, 0);
    grid->addLayout(moveButtons, 0, 1);
    grid->addWidget(lvSel, 0, 2);
    grid->addLayout(columnButtons, 0, 3);
    grid->addLayout(allButtons, 1, 0);
    grid->addLayout(selButtons, 1, 2);
    grid->addWidget(lblTitleNotes, 2, 0, 1, 4);

    connect(btnAllSel, &QPushButton::clicked, this, &TfmCSVField::btnAllSelClick);
    connect(btnAllClear, &QPushButton::clicked, this, &TfmCSVField::btnAllClearClick);
    connect(btnSelSel, &QPushButton::clicked, this, &TfmCSVField::btnSelSelClick);
    connect(btnSelClear, &QPushButton::clicked, this, &TfmCSVField::btnSelClearClick);
    connect(btnSel, &QPushButton::clicked, this, &TfmCSVField::btnSelClick);
    connect(btnUnSel, &QPushButton::clicked, this, &TfmCSVField::btnUnSelClick);
    connect(btnInsert, &QPushButton::clicked, this, &TfmCSVField::btnInsertClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfmCSVField::btnDeleteClick);
    connect(btnUp, &QPushButton::clicked, this, &TfmCSVField::btnUpClick);
    connect(btnDown, &QPushButton::clicked, this, &TfmCSVField::btnDownClick);
    connect(btnProp, &QPushButton::clicked, this, &TfmCSVField::btnPropClick);
    connect(btnMatchTitles, &QPushButton::clicked, this, &TfmCSVField::btnMatchTitlesClick);
    connect(lvSel, &QTreeWidget::itemSelectionChanged, this, &TfmCSVField::lvSelChange);
    connect(lvSel, &QTreeWidget::itemDoubleClicked, this, &TfmCSVField::btnPropClick);
    lvSelChange();
}

CsvFieldEntry* TfmCSVField::EntryOf(const QTreeWidgetItem* item) { return static_cast<CsvFieldEntry*>(ItemData(item)); }

bool TfmCSVField::UpdatePage(bool bSave)
{
    if (bSave)
        return StoreColumns() && (AppSettings.AppMode != MODE_C2O || ReadCsvFile());
    RebuildAvailable();
    RebuildSelected();
    lvSelChange();
    ShowTitleMatching();
    return true;
}

// A file whose first record is a title row gets its columns placed at once; the user can
// change every placement afterwards.
void TfmCSVField::ShowTitleMatching()
{
    const bool bTitles = AppSettings.AppMode == MODE_C2O && pCsvSource != nullptr && pCsvSource->titles.bTitleRow;
    btnMatchTitles->setVisible(AppSettings.AppMode == MODE_C2O);
    btnMatchTitles->setEnabled(bTitles);
    lblTitleNotes->clear();
    if (bTitles)
        btnMatchTitlesClick();
}

CsvFieldEntry* TfmCSVField::NewSkipEntry()
{
    TCustomEntry pEntry(NewSkipFieldEntry());
    if (!pEntry)
        return nullptr;
    m_customEntries.push_back(std::move(pEntry));
    return m_customEntries.back().get();
}

// Columns keep their places: a column whose title names no field, or a field placed
// already, gets a "None" column that stores nothing.
void TfmCSVField::btnMatchTitlesClick()
{
    if (pCsvSource == nullptr || !pCsvSource->titles.bTitleRow)
        return;
    RebuildAvailable();
    lvSel->clear();
    for (const int nFieldId : pCsvSource->titles.columnFields) {
        QTreeWidgetItem* item = nFieldId != kNoTitleField ? FindFieldItem(lvAll, nFieldId) : nullptr;
        CsvFieldEntry* pEntry = item != nullptr ? EntryOf(item) : NewSkipEntry();
        if (pEntry == nullptr)
            continue;
        AddFieldItem(lvSel, pEntry, Qt::Unchecked);
        delete item;
    }
    SelectFirstItem(lvSel);
    lvSelChange();
    QStringList notes;
    for (const std::string& note : pCsvSource->titles.notes)
        notes << QString::fromStdString(note);
    lblTitleNotes->setText(notes.join('\n'));
}

void TfmCSVField::RebuildAvailable()
{
    lvAll->clear();
    if (const TConvKind* kind = FindConvKind(AppSettings.AppFlag)) {
        const int nCount = kind->GetFieldCount();
        for (int nPos = 1; nPos <= nCount; ++nPos) {
            if (const CsvFieldEntry* pRow = kind->GetFieldDef(static_cast<unsigned>(nPos)))
                AddFieldItem(lvAll, const_cast<CsvFieldEntry*>(pRow), Qt::Checked);
        }
    }
    SelectFirstItem(lvAll);
}

void TfmCSVField::RebuildSelected()
{
    lvSel->clear();
    if (pFieldList != nullptr) {
        for (void* pListed = pFieldList->GetFirst(); pListed != nullptr; pListed = pFieldList->GetNext()) {
            CsvFieldEntry* pEntry = OwnedCopyOf(static_cast<const CsvFieldEntry*>(pListed));
            if (pEntry == nullptr)
                continue;
            AddFieldItem(lvSel, pEntry, Qt::Unchecked);
            if (!IsCustomField(pEntry))
                delete FindFieldItem(lvAll, pEntry->nId);
        }
    }
    SelectFirstItem(lvSel);
}

// pFieldList owns its copies and frees them when it is filled again, so the list shows the
// table row or a custom entry of the page's own instead.
CsvFieldEntry* TfmCSVField::OwnedCopyOf(const CsvFieldEntry* pListed)
{
    if (!IsCustomField(pListed)) {
        const QTreeWidgetItem* tableItem = FindFieldItem(lvAll, pListed->nId);
        return tableItem ? EntryOf(tableItem) : nullptr;
    }
    TCustomEntry pEntry(NewCustomFieldEntry());
    if (!pEntry)
        return nullptr;
    std::copy(std::begin(pListed->szName), std::end(pListed->szName), std::begin(pEntry->szName));
    pEntry->nType = pListed->nType;
    pEntry->nLength = pListed->nLength;
    if (VariantCopy(&pEntry->vValue, &pListed->vValue) != S_OK)
        return nullptr;
    m_customEntries.push_back(std::move(pEntry));
    return m_customEntries.back().get();
}

bool TfmCSVField::StoreColumns()
{
    if (lvSel->topLevelItemCount() == 0) {
        ShowMessageBox(this, "No record field is selected, you must select one or more fields for the conversion.",
                       "Brindle Error", TMessageIcon::Error);
        return false;
    }
    if (pFieldList == nullptr)
        return false;
    pFieldList->RemoveAll(true);
    for (int nItem = 0; nItem < lvSel->topLevelItemCount(); ++nItem) {
        CsvFieldEntry* pCopy = CopyFieldEntry(EntryOf(lvSel->topLevelItem(nItem)));
        if (pCopy == nullptr || !pFieldList->Add(pCopy)) {
            CxFree(pCopy);
            return false;
        }
    }
    return true;
}

// Reading again after Prev starts afresh: the records of an earlier reading and the choice
// made among them go. A large file shows its progress; Cancel keeps all as it was.
bool TfmCSVField::ReadCsvFile()
{
    if (pCsvSource == nullptr || pCsvRecList == nullptr)
        return false;
    const TConvKind* kind = FindConvKind(AppSettings.AppFlag);
    CxList records;
    TCsvImportReport report;
    if (kind != nullptr) {
        const TProgressDisplay progress(this, "Reading the CSV file...", {});
        report = ImportCsvRecords(*kind, *pCsvSource, *pFieldList, pCsvSource->titles.bTitleRow, m_csv, records);
        if (progress.Canceled()) {
            records.RemoveAll(true);
            return false;
        }
    }
    if (pSelRecList != nullptr)
        pSelRecList->RemoveAll(false);
    pCsvRecList->RemoveAll(true);
    pCsvRecList->Swap(records);
    if (kind != nullptr)
        pCsvSource->lastRead = std::move(report);
    return true;
}

void TfmCSVField::btnAllSelClick() { SetAllChecked(lvAll, Qt::Checked); }

void TfmCSVField::btnAllClearClick() { SetAllChecked(lvAll, Qt::Unchecked); }

void TfmCSVField::btnSelSelClick() { SetAllChecked(lvSel, Qt::Checked); }

void TfmCSVField::btnSelClearClick() { SetAllChecked(lvSel, Qt::Unchecked); }

void TfmCSVField::btnSelClick()
{
    MoveCheckedItems(lvAll, lvSel, [](const CsvFieldEntry*) { return true; });
    lvSelChange();
}

// Custom columns have no place among the table's fields: they stay where they are.
void TfmCSVField::btnUnSelClick()
{
    MoveCheckedItems(lvSel, lvAll, [](const CsvFieldEntry* pEntry) { return !IsCustomField(pEntry); });
    lvSelChange();
}

void TfmCSVField::btnInsertClick()
{
    TCustomEntry pEntry(NewCustomFieldEntry());
    if (!pEntry)
        return;
    TfmFieldProp dialog(this);
    dialog.SetEntry(pEntry.get());
    if (ExecModal(dialog) != QDialog::Accepted)
        return;
    AddFieldItem(lvSel, pEntry.get(), Qt::Unchecked);
    m_customEntries.push_back(std::move(pEntry));
    lvSelChange();
}

void TfmCSVField::btnDeleteClick()
{
    QTreeWidgetItem* item = SelectedItem();
    CsvFieldEntry* pEntry = EntryOf(item);
    if (!IsCustomField(pEntry))
        return;
    delete item;
    std::erase_if(m_customEntries, [pEntry](const TCustomEntry& owned) { return owned.get() == pEntry; });
    lvSelChange();
}

void TfmCSVField::btnUpClick() { MoveSelected(-1); }

void TfmCSVField::btnDownClick() { MoveSelected(+1); }

void TfmCSVField::MoveSelected(int nOffset)
{
    QTreeWidgetItem* item = SelectedItem();
    if (item == nullptr)
        return;
    const int nFrom = lvSel->indexOfTopLevelItem(item);
    const int nTo = nFrom + nOffset;
    if (nTo < 0 || nTo >= lvSel->topLevelItemCount())
        return;
    lvSel->takeTopLevelItem(nFrom);
    lvSel->insertTopLevelItem(nTo, item);
    SelectItem(lvSel, item);
    lvSelChange();
}

// The dialog edits the entry in place; the list keeps the caption it had.
void TfmCSVField::btnPropClick()
{
    QTreeWidgetItem* item = SelectedItem();
    CsvFieldEntry* pEntry = EntryOf(item);
    if (pEntry == nullptr)
        return;
    TfmFieldProp dialog(this);
    dialog.SetEntry(pEntry);
    if (ExecModal(dialog) == QDialog::Accepted)
        item->setText(0, QString::fromUtf8(pEntry->szName));  // a custom column may have been renamed
}

void TfmCSVField::lvSelChange()
{
    QTreeWidgetItem* item = SelectedItem();
    const int nIndex = item ? lvSel->indexOfTopLevelItem(item) : -1;
    btnProp->setEnabled(item != nullptr);
    btnDelete->setEnabled(item != nullptr && IsCustomField(EntryOf(item)));
    btnUp->setEnabled(item != nullptr && nIndex > 0);
    btnDown->setEnabled(item != nullptr && nIndex < lvSel->topLevelItemCount() - 1);
}

QTreeWidgetItem* TfmCSVField::SelectedItem() const { return ::SelectedItem(lvSel); }
