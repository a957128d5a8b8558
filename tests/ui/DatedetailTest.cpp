#include "UiTest.h"

#include "main/Datedetail.h"
#include "records/CommDateRec.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <cstring>
#include <memory>

namespace {

using CalendarDetail = UiTest;

SYSTEMTIME Moment(WORD wYear, WORD wMonth, WORD wDay, WORD wHour = 0, WORD wMinute = 0, WORD wSecond = 0)
{
    SYSTEMTIME st{};
    st.wYear = wYear;
    st.wMonth = wMonth;
    st.wDay = wDay;
    st.wHour = wHour;
    st.wMinute = wMinute;
    st.wSecond = wSecond;
    return st;
}

std::unique_ptr<CommDateRec> NewItem()
{
    auto pRec = std::make_unique<CommDateRec>();
    std::memset(pRec.get(), 0, sizeof(CommDateRec));
    pRec->stStart = Moment(2024, 6, 15, 9, 30, 5);
    pRec->stEnd = Moment(2024, 6, 15, 10, 45, 0);
    return pRec;
}

template <std::size_t N>
void Put(char (&member)[N], const char* szText)
{
    ASSERT_LT(std::strlen(szText), N);
    std::strcpy(member, szText);
}

QString LabelOf(const QWidget& dialog, const QWidget* box)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == box)
            return label->text();
    return {};
}

QStringList VisibleSheets(const QTabWidget* pages)
{
    QStringList sheets;
    for (int nIndex = 0; nIndex < pages->count(); ++nIndex)
        if (pages->isTabVisible(nIndex))
            sheets << pages->tabText(nIndex);
    return sheets;
}

TEST_F(CalendarDetail, GeneralSheetShowsTheItem)
{
    auto pRec = NewItem();
    Put(pRec->szDescription, "Team meeting");
    Put(pRec->szLocation, "Room 4");
    Put(pRec->szCategory, "Work");
    Put(pRec->szNote, "Agenda:\r\n1. Budget");
    pRec->nAlarm = 1;
    pRec->nAllDayEvent = 1;

    TfmDateDetail dialog;
    EXPECT_TRUE(dialog.SetRecord(pRec.get()));
    const struct {
        QLineEdit* box;
        const char* szLabel;
        const char* szShown;
    } boxes[] = {
        {dialog.edtDesc, "Description:", "Team meeting"},  {dialog.edtDate, "Date:", "06/15/2024"},
        {dialog.edtStartTime, "Start time:", "09:30:05"},  {dialog.edtEndTime, "End time:", "10:45:00"},
        {dialog.edtLocation, "Location:", "Room 4"},       {dialog.edtCategory, "Category:", "Work"},
    };
    for (const auto& box : boxes) {
        EXPECT_EQ(box.box->text(), box.szShown) << box.szLabel;
        EXPECT_EQ(LabelOf(dialog, box.box), box.szLabel);
    }
    const struct {
        QCheckBox* box;
        const char* szCaption;
        bool bChecked;
    } flags[] = {{dialog.cbAlarm, "Alarm", true}, {dialog.cbPrivate, "Private", false}, {dialog.cbAllday, "All day event", true}};
    for (const auto& flag : flags) {
        EXPECT_EQ(flag.box->text(), flag.szCaption);
        EXPECT_EQ(flag.box->isChecked(), flag.bChecked) << flag.szCaption;
    }
    EXPECT_EQ(dialog.memNotes->toPlainText(), "Agenda:\n1. Budget");
}

TEST_F(CalendarDetail, FormAndSheets)
{
    TfmDateDetail dialog;
    EXPECT_EQ(dialog.windowTitle(), "Calendar detail information");
    EXPECT_EQ(dialog.btnClose->text(), "&Close");
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const struct {
        QTabWidget* pages;
        std::vector<std::pair<QWidget*, const char*>> sheets;
    } pageControls[] = {
        {dialog.pDate, {{dialog.tGen, "General"}, {dialog.tRecur, "Recurrence"}, {dialog.tNotes, "Notes"}}},
        {dialog.pRecur,
         {{dialog.tDaily, "Daily"}, {dialog.tWeekly, "Weekly"}, {dialog.tMonthly, "Monthly"}, {dialog.tYearly, "Yearly"}}},
    };
    for (const auto& pages : pageControls) {
        ASSERT_EQ(pages.pages->count(), static_cast<int>(pages.sheets.size()));
        for (int nIndex = 0; nIndex < pages.pages->count(); ++nIndex) {
            EXPECT_EQ(pages.pages->widget(nIndex), pages.sheets[nIndex].first);
            EXPECT_EQ(pages.pages->tabText(nIndex), pages.sheets[nIndex].second);
        }
    }
    const struct {
        QWidget* control;
        const char* szName;
    } named[] = {
        {dialog.pDate, "pDate"},           {dialog.tGen, "tGen"},
        {dialog.tRecur, "tRecur"},         {dialog.tNotes, "tNotes"},
        {dialog.pRecur, "pRecur"},         {dialog.tDaily, "tDaily"},
        {dialog.tWeekly, "tWeekly"},       {dialog.tMonthly, "tMonthly"},
        {dialog.tYearly, "tYearly"},       {dialog.edtRecurDays, "edtRecurDays"},
        {dialog.edtRecurWeeks, "edtRecurWeeks"}, {dialog.edtRecurMonths, "edtRecurMonths"},
        {dialog.edtRecurYears, "edtRecurYears"}, {dialog.cbMonday, "cbMonday"},
        {dialog.cbSunday, "cbSunday"},     {dialog.rbtnDate, "rbtnDate"},
        {dialog.rbtnDay, "rbtnDay"},       {dialog.edtRecurStart, "edtRecurStart"},
        {dialog.rbtnNoEnd, "rbtnNoEnd"},   {dialog.rbtnEndBy, "rbtnEndBy"},
        {dialog.edtRecurEnd, "edtRecurEnd"}, {dialog.memNotes, "memNotes"},
    };
    for (const auto& control : named)
        EXPECT_EQ(control.control->objectName(), control.szName);
    EXPECT_EQ(dialog.rbtnDate->text(), "Date");
    EXPECT_EQ(dialog.rbtnDay->text(), "Day");
    EXPECT_EQ(dialog.rbtnNoEnd->text(), "No end date");
    EXPECT_EQ(dialog.rbtnEndBy->text(), "End by");
    EXPECT_EQ(LabelOf(dialog, dialog.edtRecurStart), "Start:");
    EXPECT_EQ(LabelOf(dialog, dialog.edtRecurWeeks), "Every");
    ASSERT_NE(dialog.findChild<QGroupBox*>(), nullptr);
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), " Recurrence Range ");
}

TEST_F(CalendarDetail, RecurrenceSheetFollowsThePatternType)
{
    const struct {
        LONG nType;
        bool bRecurrenceShown;
        QStringList visibleSheets;
        const char* szIntervalBox;  // null: every interval box is empty
        bool bByDate;
        bool bByDay;
    } cases[] = {
        {kRecurNone, false, {"Daily", "Weekly", "Monthly", "Yearly"}, nullptr, false, false},
        {kRecurDaily, true, {"Daily"}, "edtRecurDays", false, false},
        {kRecurWeekly, true, {"Weekly"}, "edtRecurWeeks", false, false},
        {kRecurMonthlyNth, true, {"Monthly"}, "edtRecurMonths", false, true},
        {kRecurMonthly, true, {"Monthly"}, "edtRecurMonths", true, false},
        {kRecurYearlyNth, true, {"Yearly"}, "edtRecurYears", false, false},
        {kRecurYearly, true, {"Yearly"}, "edtRecurYears", false, false},
        {9, true, {"Daily", "Weekly", "Monthly", "Yearly"}, nullptr, false, false},
    };
    for (const auto& testCase : cases) {
        auto pRec = NewItem();
        pRec->recurrence.nType = testCase.nType;
        pRec->recurrence.nInterval = 2;
        pRec->recurrence.nDayOfWeekMask = 0x7f;
        TfmDateDetail dialog;
        dialog.SetRecord(pRec.get());
        EXPECT_EQ(dialog.pDate->isTabVisible(dialog.pDate->indexOf(dialog.tRecur)), testCase.bRecurrenceShown)
            << testCase.nType;
        EXPECT_EQ(VisibleSheets(dialog.pRecur), testCase.visibleSheets) << testCase.nType;
        for (const QLineEdit* box : {dialog.edtRecurDays, dialog.edtRecurWeeks, dialog.edtRecurMonths, dialog.edtRecurYears})
            EXPECT_EQ(box->text(), testCase.szIntervalBox && box->objectName() == testCase.szIntervalBox ? "2" : "")
                << testCase.nType << " " << box->objectName().toStdString();
        for (const QCheckBox* weekday : {dialog.cbMonday, dialog.cbTuesday, dialog.cbWednesday, dialog.cbThursday,
                                         dialog.cbFriday, dialog.cbSaturday, dialog.cbSunday})
            EXPECT_FALSE(weekday->isChecked()) << weekday->objectName().toStdString();
        EXPECT_EQ(dialog.rbtnDate->isChecked(), testCase.bByDate) << testCase.nType;
        EXPECT_EQ(dialog.rbtnDay->isChecked(), testCase.bByDay) << testCase.nType;
        EXPECT_EQ(dialog.edtRecurStart->text(), "06/15/2024");
    }
}

TEST_F(CalendarDetail, RangeEndShownUnlessOpenEnded)
{
    const struct {
        BYTE bHasEnd;
        SYSTEMTIME stEnd;
        bool bEndBy;
        const char* szEnd;
    } cases[] = {
        {1, Moment(2024, 3, 5), true, "03/05/2024"},
        {1, Moment(2099, 12, 31), true, "12/31/2099"},
        {1, Moment(2100, 1, 1), false, ""},
        {1, Moment(4500, 8, 31), false, ""},
        {0, Moment(2024, 3, 5), false, ""},
    };
    for (const auto& testCase : cases) {
        auto pRec = NewItem();
        pRec->recurrence.nType = kRecurWeekly;
        pRec->recurrence.nInterval = 1;
        pRec->recurrence.bHasEnd = testCase.bHasEnd;
        pRec->recurrence.stPatternEnd = testCase.stEnd;
        TfmDateDetail dialog;
        dialog.SetRecord(pRec.get());
        EXPECT_EQ(dialog.rbtnEndBy->isChecked(), testCase.bEndBy) << testCase.szEnd;
        EXPECT_EQ(dialog.rbtnNoEnd->isChecked(), !testCase.bEndBy) << testCase.szEnd;
        EXPECT_EQ(dialog.edtRecurEnd->text(), testCase.szEnd);
    }
}

// A dialog filled twice shows the second item alone.
TEST_F(CalendarDetail, RefillingShowsOnlyTheNewItem)
{
    auto pMonthly = NewItem();
    pMonthly->recurrence = {kRecurMonthly, 1, Moment(2025, 1, 1), 3, 0, 1, 0, 0};
    auto pOther = NewItem();
    pOther->recurrence.nType = 9;
    pOther->stStart = Moment(2024, 7, 1, 8);

    TfmDateDetail dialog;
    dialog.SetRecord(pMonthly.get());
    EXPECT_TRUE(dialog.rbtnEndBy->isChecked());
    dialog.SetRecord(pOther.get());
    EXPECT_EQ(VisibleSheets(dialog.pRecur).size(), 4);
    EXPECT_EQ(dialog.edtRecurMonths->text(), "");
    EXPECT_FALSE(dialog.rbtnDate->isChecked());
    EXPECT_TRUE(dialog.rbtnNoEnd->isChecked());
    EXPECT_EQ(dialog.edtRecurEnd->text(), "");
    EXPECT_EQ(dialog.edtRecurStart->text(), "07/01/2024");
}

TEST_F(CalendarDetail, NothingTypedIsStored)
{
    auto pRec = NewItem();
    Put(pRec->szDescription, "Dentist");
    pRec->recurrence.nType = kRecurDaily;
    const CommDateRec before = *pRec;

    TfmDateDetail dialog;
    EXPECT_FALSE(dialog.UpdateDialog(false));
    dialog.SetRecord(pRec.get());
    ui::ModalRecorder recorder([](QDialog& shown) {
        auto& detail = dynamic_cast<TfmDateDetail&>(shown);
        detail.edtDesc->setText("Doctor");
        detail.edtRecurDays->setText("5");
        detail.cbAlarm->setChecked(true);
        detail.rbtnEndBy->setChecked(true);
        EXPECT_TRUE(detail.UpdateDialog(true));
        detail.btnClose->click();
    });
    EXPECT_EQ(ExecModal(dialog), QDialog::Rejected);
    EXPECT_EQ(std::memcmp(pRec.get(), &before, sizeof before), 0);
}

}  // namespace
