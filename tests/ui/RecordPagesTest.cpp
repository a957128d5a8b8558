#include "WizardTest.h"

#include "common/outlook/OlAddrUtil.h"
#include "common/misc/CxMemory.h"
#include "main/Addrdata.h"
#include "main/engine/ConvKind.h"
#include "main/Datedata.h"
#include "main/Notedata.h"
#include "main/Taskdata.h"
#include "records/CommAddrRec.h"
#include "records/CommDateRec.h"
#include "records/CommNoteRec.h"
#include "records/CommTaskRec.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <cstring>
#include <functional>
#include <ostream>
#include <memory>

namespace {

struct PageCase {
    int nFlag;
    const char* szToolKind;
    const char* szList;
    const char* szDetailButton;
    const char* szMenu;
    std::vector<const char*> menuItems;
    std::vector<std::pair<const char*, int>> columns;
    bool bEditable;
    const char* szDialog;
    const char* szMessage;
    std::function<TRecordPage*()> create;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PageCase& c, std::ostream* os) { *os << c.szToolKind; }

const PageCase kPages[] = {
    {FLAG_ADDR, "contacts", "lvAddrData", "btnAddrDetail", "pmAddrDetail",
     {"pmiAddrSelAll", "pmiAddrClear", "pmiAddrDetail"},
     {{"First Name", 80}, {"Last Name", 80}, {"Email", 120}, {"Business Phone", 100}, {"Home Phone", 100},
      {"Mobile Phone", 100}, {"Company", 100}, {"Title", 80}},
     false, "TfmAddrDetail", "No contact record is selected. Please select the records you want to convert.",
     [] { return new TfmAddrData; }},
    {FLAG_DATE, "appointments", "lvDateData", "btnDateDetail", "pmDateData",
     {"pmiDateSelAll", "pmiDateClear", "pmiDateDetail"},
     {{"Description", 360}, {"Date", 100}, {"Start Time", 100}, {"End Time", 100}},
     false, "TfmDateDetail", "No calendar record is selected. Please select the records you want to convert.",
     [] { return new TfmDateData; }},
    {FLAG_TASK, "tasks", "lvTaskData", "btnTodoDetail", "pmiTodoData",
     {"pmiTodoSelAll", "pmiTodoClear", "pmiTodoDetail"},
     {{"Description", 360}, {"Due Date", 100}, {"Priority", 80}, {"Completed", 80}},
     true, "TfmTodoDetail", "No task record is selected. Please select the records you want to convert.",
     [] { return new TfmTaskData; }},
    {FLAG_NOTE, "notes", "lvNoteData", "btnMemoDetail", "pmiMemoData",
     {"pmiMemoSelAll", "pmiMemoClear", "pmiMemoDetail"},
     {{"Description", 660}},
     false, "TfmNoteDetail", "No note record is selected. Please select the records you want to convert.",
     [] { return new TfmNoteData; }},
};

class RecordPages : public WizardTest, public ::testing::WithParamInterface<PageCase> {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        Tool({"seed", "--sample"});
        AppSettings.AppMode = MODE_O2C;
        AppSettings.AppFlag = GetParam().nFlag;
        ASSERT_TRUE(CreateConvObjects());
        page.reset(GetParam().create());
        list = page->findChild<QTreeWidget*>(GetParam().szList);
        ASSERT_NE(list, nullptr);
    }

    void TearDown() override
    {
        page.reset();
        WizardTest::TearDown();
    }

    std::vector<void*> StoredRecords()
    {
        std::vector<void*> records;
        for (void* pRec = FirstStoredRecord(GetParam().nFlag); pRec; pRec = NextStoredRecord(GetParam().nFlag))
            records.push_back(pRec);
        return records;
    }

    QAction* MenuItem(int nItem) { return page->findChild<QAction*>(GetParam().menuItems[static_cast<std::size_t>(nItem)]); }

    std::unique_ptr<TRecordPage> page;
    QTreeWidget* list = nullptr;
};

TEST_P(RecordPages, ControlsAndCaptions)
{
    const PageCase& c = GetParam();
    // The record columns, then the import's preview column, shown first and only for an import.
    ASSERT_EQ(list->columnCount(), static_cast<int>(c.columns.size()) + 1);
    const int nAction = list->columnCount() - 1;
    EXPECT_EQ(list->headerItem()->text(nAction), "Action");
    EXPECT_EQ(list->header()->visualIndex(nAction), 0);
    page->UpdatePage(false);
    EXPECT_TRUE(list->isColumnHidden(nAction));
    for (int nColumn = 0; nColumn < nAction; ++nColumn) {
        EXPECT_EQ(list->headerItem()->text(nColumn).toStdString(), c.columns[static_cast<std::size_t>(nColumn)].first);
        EXPECT_EQ(list->columnWidth(nColumn), c.columns[static_cast<std::size_t>(nColumn)].second);
    }
    EXPECT_EQ(page->btnSelAll->text(), "&Select All");
    EXPECT_EQ(page->btnClear->text(), "Clea&r");
    const auto* detail = page->findChild<QPushButton*>(c.szDetailButton);
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->text(), "&Details");
    const auto* menu = page->findChild<QMenu*>(c.szMenu);
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(captions, (QStringList{"&Select All", "&Clear All", "-", "&Detail Information"}));
    for (int nItem = 0; nItem < 3; ++nItem)
        EXPECT_NE(MenuItem(nItem), nullptr) << c.menuItems[static_cast<std::size_t>(nItem)];
}

TEST_P(RecordPages, EnteringListsTheRecordsChecked)
{
    const std::vector<void*> records = StoredRecords();
    ASSERT_FALSE(records.empty());
    EXPECT_TRUE(page->UpdatePage(false));
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(records.size()));
    for (int nRow = 0; nRow < list->topLevelItemCount(); ++nRow) {
        EXPECT_EQ(ItemData(list->topLevelItem(nRow)), records[static_cast<std::size_t>(nRow)]);
        EXPECT_EQ(list->topLevelItem(nRow)->checkState(0), Qt::Checked);
    }
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());

    page->btnClear->click();
    page->UpdatePage(false);
    EXPECT_EQ(list->topLevelItem(0)->checkState(0), Qt::Checked) << "every entry checks all rows again";

    AppSettings.AppMode = 0;
    EXPECT_FALSE(page->UpdatePage(false));
    EXPECT_EQ(list->topLevelItemCount(), static_cast<int>(records.size())) << "list untouched";
}

TEST_P(RecordPages, LeavingAppendsTheCheckedRecordsInOrder)
{
    page->UpdatePage(false);
    const int nRows = list->topLevelItemCount();
    ASSERT_GE(nRows, 3);
    MenuItem(1)->trigger();
    EXPECT_FALSE(page->UpdatePage(true));
    int nMarker = 0;
    pSelRecList->Add(&nMarker);
    list->topLevelItem(2)->setCheckState(0, Qt::Checked);
    list->topLevelItem(0)->setCheckState(0, Qt::Checked);
    ASSERT_TRUE(page->UpdatePage(true));
    EXPECT_EQ(ListItems(*pSelRecList),
              (std::vector<void*>{&nMarker, ItemData(list->topLevelItem(0)), ItemData(list->topLevelItem(2))}));

    pSelRecList->RemoveAll(false);
    MenuItem(0)->trigger();
    ASSERT_TRUE(page->UpdatePage(true));
    EXPECT_EQ(ListItems(*pSelRecList), StoredRecords());
}

TEST_P(RecordPages, NothingCheckedShowsTheKindsMessage)
{
    page->UpdatePage(false);
    page->btnClear->click();
    EXPECT_FALSE(page->UpdatePage(true));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text.toStdString(), GetParam().szMessage);
    EXPECT_EQ(messages.Messages()[0].caption, "Error");
    EXPECT_EQ(messages.Messages()[0].icon, TMessageIcon::Error);
    EXPECT_EQ(messages.Messages()[0].owner, page.get());
    EXPECT_EQ(pSelRecList->GetCount(), 0u);
}

TEST_P(RecordPages, EmptyFolderListsNothingAndRefuses)
{
    Tool({"clear"});
    ASSERT_TRUE(CreateConvObjects());
    EXPECT_TRUE(page->UpdatePage(false));
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_FALSE(page->UpdatePage(true));
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST_P(RecordPages, DetailsShowTheSelectedRecord)
{
    page->UpdatePage(false);
    ui::ModalRecorder dialogs;
    auto* detail = page->findChild<QPushButton*>(GetParam().szDetailButton);
    detail->click();
    MenuItem(2)->trigger();
    emit list->itemDoubleClicked(list->topLevelItem(0), 0);
    ASSERT_EQ(dialogs.Dialogs().size(), 3u);
    for (const ui::RunDialog& dialog : dialogs.Dialogs()) {
        EXPECT_EQ(dialog.className, GetParam().szDialog);
        EXPECT_EQ(dialog.owner, page.get());
    }
    EXPECT_EQ(list->topLevelItem(0)->checkState(0), Qt::Checked);

    list->clearSelection();
    detail->click();
    EXPECT_EQ(dialogs.Dialogs().size(), 3u) << "no selected row, no dialog";
}

TEST_P(RecordPages, OnlyTheTasksPageEditsItsCaptionInPlace)
{
    page->UpdatePage(false);
    QTreeWidgetItem* item = list->topLevelItem(0);
    EXPECT_EQ((item->flags() & Qt::ItemIsEditable) != 0, GetParam().bEditable);
    if (!GetParam().bEditable)
        return;
    void* pRec = ItemData(item);
    const QString before = item->text(1);
    list->editItem(item, 0);
    item->setText(0, "edited");
    page->btnSelAll->click();
    ASSERT_TRUE(page->UpdatePage(true));
    EXPECT_EQ(ListItems(*pSelRecList).front(), pRec);
    EXPECT_STRNE(static_cast<const CommTaskRec*>(pRec)->szSubject, "edited");
    EXPECT_EQ(item->text(1), before);
}

TEST_P(RecordPages, CsvDirectionListsTheCsvRecords)
{
    AppSettings.AppMode = MODE_C2O;
    for (int n = 0; n < 2; ++n)
        pCsvRecList->Add(CxAlloc(FindConvKind(GetParam().nFlag)->nRecordSize));
    EXPECT_TRUE(page->UpdatePage(false));
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(ItemData(list->topLevelItem(1)), pCsvRecList->Find(1));
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecordPages, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.szToolKind); });

}  // namespace
