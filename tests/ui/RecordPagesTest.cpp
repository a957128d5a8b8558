#include "WizardTest.h"

#include "common/outlook/OlAddrUtil.h"
#include "common/misc/CxMemory.h"
#include "main/Addrdata.h"
#include "main/engine/ConvKind.h"
#include "main/Datedata.h"
#include "main/Notedata.h"
#include "main/ListView.h"
#include "main/Taskdata.h"
#include "records/CommAddrRec.h"
#include "records/CommDateRec.h"
#include "records/CommNoteRec.h"
#include "records/CommTaskRec.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <cstring>
#include <ctime>
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
        list = page->findChild<QTreeView*>(GetParam().szList);
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
    QTreeView* list = nullptr;
};

TEST_P(RecordPages, ControlsAndCaptions)
{
    const PageCase& c = GetParam();
    // The record columns, then the import's preview column, shown first and only for an import.
    ASSERT_EQ(list->model()->columnCount(), static_cast<int>(c.columns.size()) + 1);
    const int nAction = list->model()->columnCount() - 1;
    EXPECT_EQ(ColumnCaption(list, nAction), "Action");
    EXPECT_EQ(list->header()->visualIndex(nAction), 0);
    page->UpdatePage(false);
    EXPECT_TRUE(list->isColumnHidden(nAction));
    for (int nColumn = 0; nColumn < nAction; ++nColumn) {
        EXPECT_EQ(ColumnCaption(list, nColumn).toStdString(), c.columns[static_cast<std::size_t>(nColumn)].first);
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
    ASSERT_EQ(RowCount(list), static_cast<int>(records.size()));
    for (int nRow = 0; nRow < RowCount(list); ++nRow) {
        EXPECT_EQ(RowData(list, nRow), records[static_cast<std::size_t>(nRow)]);
        EXPECT_EQ(RowCheck(list, nRow), Qt::Checked);
    }
    EXPECT_EQ(SelectedRow(list), 0);

    page->btnClear->click();
    page->UpdatePage(false);
    EXPECT_EQ(RowCheck(list, 0), Qt::Checked) << "every entry checks all rows again";

    AppSettings.AppMode = 0;
    EXPECT_FALSE(page->UpdatePage(false));
    EXPECT_EQ(RowCount(list), static_cast<int>(records.size())) << "list untouched";
}

TEST_P(RecordPages, LeavingAppendsTheCheckedRecordsInOrder)
{
    page->UpdatePage(false);
    const int nRows = RowCount(list);
    ASSERT_GE(nRows, 3);
    MenuItem(1)->trigger();
    EXPECT_FALSE(page->UpdatePage(true));
    int nMarker = 0;
    pSelRecList->Add(&nMarker);
    SetRowCheck(list, 2, Qt::Checked);
    SetRowCheck(list, 0, Qt::Checked);
    ASSERT_TRUE(page->UpdatePage(true));
    EXPECT_EQ(ListItems(*pSelRecList),
              (std::vector<void*>{&nMarker, RowData(list, 0), RowData(list, 2)}));

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
    EXPECT_EQ(RowCount(list), 0);
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
    emit list->doubleClicked(list->model()->index(0, 1));
    ASSERT_EQ(dialogs.Dialogs().size(), 3u);
    for (const ui::RunDialog& dialog : dialogs.Dialogs()) {
        EXPECT_EQ(dialog.className, GetParam().szDialog);
        EXPECT_EQ(dialog.owner, page.get());
    }
    EXPECT_EQ(RowCheck(list, 0), Qt::Checked);

    list->clearSelection();
    detail->click();
    EXPECT_EQ(dialogs.Dialogs().size(), 3u) << "no selected row, no dialog";
}

TEST_P(RecordPages, OnlyTheTasksPageEditsItsCaptionInPlace)
{
    page->UpdatePage(false);
    const QModelIndex caption = list->model()->index(0, 0);
    EXPECT_EQ((list->model()->flags(caption) & Qt::ItemIsEditable) != 0, GetParam().bEditable);
    EXPECT_FALSE(list->model()->flags(list->model()->index(0, 1)) & Qt::ItemIsEditable);
    if (!GetParam().bEditable)
        return;
    void* pRec = RowData(list, 0);
    const QString before = CellText(list, 0, 1);
    list->edit(caption);
    ASSERT_TRUE(list->model()->setData(caption, "edited"));
    EXPECT_EQ(CellText(list, 0), "edited");
    page->btnSelAll->click();
    ASSERT_TRUE(page->UpdatePage(true));
    EXPECT_EQ(ListItems(*pSelRecList).front(), pRec);
    EXPECT_STRNE(static_cast<const CommTaskRec*>(pRec)->szSubject, "edited");
    EXPECT_EQ(CellText(list, 0, 1), before);
}

TEST_P(RecordPages, CsvDirectionListsTheCsvRecords)
{
    AppSettings.AppMode = MODE_C2O;
    for (int n = 0; n < 2; ++n)
        pCsvRecList->Add(CxAlloc(FindConvKind(GetParam().nFlag)->nRecordSize));
    EXPECT_TRUE(page->UpdatePage(false));
    ASSERT_EQ(RowCount(list), 2);
    EXPECT_EQ(RowData(list, 1), pCsvRecList->Find(1));
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecordPages, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.szToolKind); });

}  // namespace

namespace {

// The tasks page over records of the import, whose texts the test chooses.
class RecordPageSorting : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        AppSettings.AppMode = MODE_C2O;
        AppSettings.AppFlag = FLAG_TASK;
        ASSERT_TRUE(CreateConvObjects());
        page = std::make_unique<TfmTaskData>();
        list = page->lvTaskData;
    }

    void TearDown() override
    {
        page.reset();
        WizardTest::TearDown();
    }

    void AddTask(const char* szSubject, int nYear, int nMonth, int nDay)
    {
        auto* pRec = static_cast<CommTaskRec*>(CxAlloc(sizeof(CommTaskRec)));
        std::strcpy(pRec->szSubject, szSubject);
        std::tm due{};
        due.tm_year = nYear - 1900;
        due.tm_mon = nMonth - 1;
        due.tm_mday = nDay;
        due.tm_hour = 12;
        due.tm_isdst = -1;
        pRec->tDueDate = std::mktime(&due);
        pCsvRecList->Add(pRec);
    }

    std::unique_ptr<TfmTaskData> page;
    QTreeView* list = nullptr;
};

TEST_F(RecordPageSorting, RowsSortWithTheirChecksAndRecordsAndComeBackInTheirOrder)
{
    AddTask("Task 10", 2025, 1, 5);
    AddTask("task 9", 2024, 12, 31);
    AddTask("Alpha", 2026, 3, 1);
    AddTask("beta", 2025, 6, 15);
    ASSERT_TRUE(page->UpdatePage(false));
    const std::vector<void*> records = ListItems(*pCsvRecList);
    SetRowCheck(list, 3, Qt::Unchecked);
    SelectRow(list, 0);

    // Letters without regard to case, numbers by their value.
    list->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(Captions(list), (QStringList{"Alpha", "beta", "task 9", "Task 10"}));
    EXPECT_EQ(RowCheck(list, 1), Qt::Unchecked) << "the check mark stays with its record";
    EXPECT_EQ(RowData(list, 1), records[3]);
    EXPECT_EQ(SelectedRow(list), 3) << "the selection follows its record";

    // Dates by year, month and day, not by their month-first text.
    list->sortByColumn(1, Qt::DescendingOrder);
    EXPECT_EQ(Captions(list), (QStringList{"Alpha", "beta", "Task 10", "task 9"}));

    // The run takes the checked records as they are listed.
    ASSERT_TRUE(page->UpdatePage(true));
    EXPECT_EQ(ListItems(*pSelRecList), (std::vector<void*>{records[2], records[0], records[1]}));

    list->sortByColumn(-1, Qt::AscendingOrder);
    EXPECT_EQ(Captions(list), (QStringList{"Task 10", "task 9", "Alpha", "beta"}));

    list->sortByColumn(0, Qt::DescendingOrder);
    ASSERT_TRUE(page->UpdatePage(false));
    EXPECT_EQ(Captions(list), (QStringList{"Task 10", "task 9", "Alpha", "beta"})) << "every entry lists in file order";
    EXPECT_EQ(list->header()->sortIndicatorSection(), -1);
}

}  // namespace
