#include "UiTest.h"

#include "main/Tododetail.h"
#include "records/CommTaskRec.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

using TaskDetail = UiTest;

std::unique_ptr<CommTaskRec> NewTask()
{
    auto pRec = std::make_unique<CommTaskRec>();
    std::memset(pRec.get(), 0, sizeof(CommTaskRec));
    return pRec;
}

time_t LocalNoon(int nYear, int nMonth, int nDay)
{
    std::tm local{};
    local.tm_year = nYear - 1900;
    local.tm_mon = nMonth - 1;
    local.tm_mday = nDay;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

QString LabelOf(const QWidget& dialog, const QWidget* box)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == box)
            return label->text();
    return {};
}

TEST_F(TaskDetail, ShowsTheTask)
{
    auto pRec = NewTask();
    std::strcpy(pRec->szSubject, "File the report");
    std::strcpy(pRec->szNote, "Two copies\r\nto accounting");
    std::strcpy(pRec->szCategory, "Office");
    pRec->tDueDate = LocalNoon(2024, 7, 4);
    pRec->bCompleted = 1;

    TfmTodoDetail dialog;
    EXPECT_TRUE(dialog.SetRecord(pRec.get()));
    EXPECT_EQ(dialog.windowTitle(), "Task detail information");
    EXPECT_EQ(dialog.btnClose->text(), "&Close");
    const struct {
        QWidget* box;
        const char* szName;
        const char* szLabel;
        QString shown;
        const char* szExpected;
    } boxes[] = {
        {dialog.edtDesc, "edtDesc", "Description:", dialog.edtDesc->text(), "File the report"},
        {dialog.edtPriority, "edtPriority", "Priority:", dialog.edtPriority->text(), "0"},
        {dialog.edtDueDate, "edtDueDate", "Due Date:", dialog.edtDueDate->text(), "07/04/2024"},
        {dialog.memNotes, "memNotes", "Notes:", dialog.memNotes->toPlainText(), "Two copies\nto accounting"},
        {dialog.edtCategory, "edtCategory", "Category:", dialog.edtCategory->text(), "Office"},
    };
    for (const auto& box : boxes) {
        EXPECT_EQ(box.box->objectName(), box.szName);
        EXPECT_EQ(LabelOf(dialog, box.box), box.szLabel);
        EXPECT_EQ(box.shown, box.szExpected) << box.szName;
    }
    EXPECT_EQ(dialog.cbCompleted->text(), "Completed");
    EXPECT_TRUE(dialog.cbCompleted->isChecked());
    EXPECT_EQ(dialog.cbPrivate->text(), "Private");
    EXPECT_FALSE(dialog.cbPrivate->isChecked());
}

TEST_F(TaskDetail, PriorityIsShownAsItsNumber)
{
    const struct {
        LONG nPriority;
        const char* szShown;
    } cases[] = {{kTaskPriorityNormal, "0"}, {kTaskPriorityHigh, "1"}, {kTaskPriorityLow, "2"}, {-3, "-3"}};
    for (const auto& testCase : cases) {
        auto pRec = NewTask();
        pRec->nPriority = testCase.nPriority;
        pRec->bPrivate = 1;
        TfmTodoDetail dialog;
        dialog.SetRecord(pRec.get());
        EXPECT_EQ(dialog.edtPriority->text(), testCase.szShown);
        EXPECT_TRUE(dialog.cbPrivate->isChecked());
    }
}

TEST_F(TaskDetail, TaskWithoutDueDateShowsNotAvailable)
{
    for (const time_t tDue : {time_t{0}, time_t{-1}}) {
        auto pRec = NewTask();
        pRec->tDueDate = tDue;
        TfmTodoDetail dialog;
        dialog.SetRecord(pRec.get());
        EXPECT_EQ(dialog.edtDueDate->text(), "N/A") << tDue;
    }
}

TEST_F(TaskDetail, NothingTypedIsStored)
{
    auto pRec = NewTask();
    std::strcpy(pRec->szSubject, "Call");
    const auto before = NewTask();
    std::memcpy(before.get(), pRec.get(), sizeof(CommTaskRec));

    TfmTodoDetail dialog;
    EXPECT_FALSE(dialog.UpdateDialog(false));
    dialog.SetRecord(pRec.get());
    ui::ModalRecorder recorder([](QDialog& shown) {
        auto& detail = dynamic_cast<TfmTodoDetail&>(shown);
        detail.edtDesc->setText("Write");
        detail.edtPriority->setText("1");
        detail.cbCompleted->setChecked(true);
        EXPECT_TRUE(detail.UpdateDialog(true));
        detail.btnClose->click();
    });
    EXPECT_EQ(ExecModal(dialog), QDialog::Rejected);
    EXPECT_EQ(std::memcmp(pRec.get(), before.get(), sizeof(CommTaskRec)), 0);
}

}  // namespace
