#include "main/Datedetail.h"

#include "records/CommDateMgr.h"
#include "records/CommDateRec.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstdio>

namespace {

// Field ids of the calendar record's field table.
constexpr LONG kFieldDescription = 1;
constexpr LONG kFieldStartTime = 2;
constexpr LONG kFieldEndTime = 3;
constexpr LONG kFieldDate = 6;
constexpr LONG kFieldLocation = 9;
constexpr LONG kFieldCategory = 11;

constexpr int kFieldTextSize = 256;
constexpr WORD kNoEndYear = 2100;

// A box of the General sheet and the record field whose text it shows.
struct FieldBox {
    QLineEdit* TfmDateDetail::*control;
    const char* szName;
    const char* szLabel;
    LONG nFieldId;
};

const FieldBox kGeneralBoxes[] = {
    {&TfmDateDetail::edtDesc, "edtDesc", "Description:", kFieldDescription},
    {&TfmDateDetail::edtDate, "edtDate", "Date:", kFieldDate},
    {&TfmDateDetail::edtStartTime, "edtStartTime", "Start time:", kFieldStartTime},
    {&TfmDateDetail::edtEndTime, "edtEndTime", "End time:", kFieldEndTime},
    {&TfmDateDetail::edtLocation, "edtLocation", "Location:", kFieldLocation},
    {&TfmDateDetail::edtCategory, "edtCategory", "Category:", kFieldCategory},
};

struct FlagBox {
    QCheckBox* TfmDateDetail::*control;
    const char* szName;
    const char* szCaption;
    LONG CommDateRec::*flag;
};

const FlagBox kFlagBoxes[] = {
    {&TfmDateDetail::cbAlarm, "cbAlarm", "Alarm", &CommDateRec::nAlarm},
    {&TfmDateDetail::cbPrivate, "cbPrivate", "Private", &CommDateRec::nPrivate},
    {&TfmDateDetail::cbAllday, "cbAllday", "All day event", &CommDateRec::nAllDayEvent},
};

// One sheet of the recurrence: the pattern types it shows and the box of their interval.
struct RecurSheet {
    QWidget* TfmDateDetail::*sheet;
    const char* szName;
    const char* szCaption;
    QLineEdit* TfmDateDetail::*interval;
    const char* szIntervalName;
    const char* szUnit;
    LONG nTypes[2];
};

const RecurSheet kRecurSheets[] = {
    {&TfmDateDetail::tDaily, "tDaily", "Daily", &TfmDateDetail::edtRecurDays, "edtRecurDays", "days.",
     {kRecurDaily, kRecurDaily}},
    {&TfmDateDetail::tWeekly, "tWeekly", "Weekly", &TfmDateDetail::edtRecurWeeks, "edtRecurWeeks", "weeks on:",
     {kRecurWeekly, kRecurWeekly}},
    {&TfmDateDetail::tMonthly, "tMonthly", "Monthly", &TfmDateDetail::edtRecurMonths, "edtRecurMonths", "months",
     {kRecurMonthlyNth, kRecurMonthly}},
    {&TfmDateDetail::tYearly, "tYearly", "Yearly", &TfmDateDetail::edtRecurYears, "edtRecurYears", "years",
     {kRecurYearlyNth, kRecurYearly}},
};

const struct {
    QCheckBox* TfmDateDetail::*control;
    const char* szName;
    const char* szCaption;
} kWeekdayBoxes[] = {
    {&TfmDateDetail::cbMonday, "cbMonday", "Monday"},          {&TfmDateDetail::cbTuesday, "cbTuesday", "Tuesday"},
    {&TfmDateDetail::cbWednesday, "cbWednesday", "Wednesday"}, {&TfmDateDetail::cbThursday, "cbThursday", "Thursday"},
    {&TfmDateDetail::cbFriday, "cbFriday", "Friday"},          {&TfmDateDetail::cbSaturday, "cbSaturday", "Saturday"},
    {&TfmDateDetail::cbSunday, "cbSunday", "Sunday"},
};

QString FieldText(const CommDateRec* pRec, LONG nFieldId)
{
    CommFieldDef def{};
    char szText[kFieldTextSize] = "";
    if (CommDateMgr::GetFieldDef(nFieldId, &def))
        CommDateMgr::GetFieldText(pRec, &def, szText, sizeof szText);
    return RecordText(szText);
}

QString PatternEndText(const SYSTEMTIME& st)
{
    char szText[32];
    std::snprintf(szText, sizeof szText, "%02d/%02d/%04d", st.wMonth, st.wDay, st.wYear);
    return QString::fromLatin1(szText);
}

}  // namespace

TfmDateDetail::TfmDateDetail(QWidget* owner) : TDetailDialog(owner, "fmDateDetail", "Calendar detail information")
{
    pDate = new QTabWidget(this);
    pDate->setObjectName("pDate");

    tGen = new QWidget(pDate);
    tGen->setObjectName("tGen");
    pDate->addTab(tGen, "General");
    auto* general = new QVBoxLayout(tGen);
    auto* generalGrid = new QGridLayout;
    general->addLayout(generalGrid);
    for (int nRow = 0; nRow < static_cast<int>(std::size(kGeneralBoxes)); ++nRow) {
        const FieldBox& box = kGeneralBoxes[nRow];
        this->*box.control = AddEdit(generalGrid, nRow, box.szName, box.szLabel);
    }
    auto* flags = new QHBoxLayout;
    for (const FlagBox& box : kFlagBoxes) {
        this->*box.control = AddCheck(tGen, box.szName, box.szCaption);
        flags->addWidget(this->*box.control);
    }
    flags->addStretch();
    general->addLayout(flags);
    general->addStretch();

    tRecur = new QWidget(pDate);
    tRecur->setObjectName("tRecur");
    pDate->addTab(tRecur, "Recurrence");
    auto* recurrence = new QVBoxLayout(tRecur);
    pRecur = new QTabWidget(tRecur);
    pRecur->setObjectName("pRecur");
    recurrence->addWidget(pRecur);
    for (const RecurSheet& sheet : kRecurSheets) {
        auto* page = new QWidget(pRecur);
        page->setObjectName(sheet.szName);
        this->*sheet.sheet = page;
        pRecur->addTab(page, sheet.szCaption);
        auto* interval = new QLineEdit(page);
        interval->setObjectName(sheet.szIntervalName);
        interval->setFixedWidth(60);
        this->*sheet.interval = interval;
        auto* every = new QLabel("Every", page);
        every->setBuddy(interval);
        auto* line = new QHBoxLayout;
        line->addWidget(every);
        line->addWidget(interval);
        line->addWidget(new QLabel(sheet.szUnit, page));
        line->addStretch();
        auto* sheetLayout = new QVBoxLayout(page);
        sheetLayout->addLayout(line);
    }
    auto* weekdays = new QGridLayout;
    for (int nIndex = 0; nIndex < static_cast<int>(std::size(kWeekdayBoxes)); ++nIndex) {
        const auto& box = kWeekdayBoxes[nIndex];
        this->*box.control = AddCheck(tWeekly, box.szName, box.szCaption);
        weekdays->addWidget(this->*box.control, nIndex / 4, nIndex % 4);
    }
    const auto sheetLayout = [](QWidget* sheet) { return static_cast<QVBoxLayout*>(sheet->layout()); };
    sheetLayout(tWeekly)->addLayout(weekdays);
    rbtnDate = AddRadio(tMonthly, "rbtnDate", "Date");
    rbtnDay = AddRadio(tMonthly, "rbtnDay", "Day");
    auto* by = new QHBoxLayout;
    by->addWidget(new QLabel("By:", tMonthly));
    by->addWidget(rbtnDate);
    by->addWidget(rbtnDay);
    by->addStretch();
    sheetLayout(tMonthly)->addLayout(by);
    for (const RecurSheet& sheet : kRecurSheets)
        sheetLayout(this->*sheet.sheet)->addStretch();

    auto* range = new QGroupBox(" Recurrence Range ", tRecur);
    auto* rangeGrid = new QGridLayout(range);
    edtRecurStart = AddEdit(rangeGrid, 0, "edtRecurStart", "Start:");
    rbtnNoEnd = AddRadio(range, "rbtnNoEnd", "No end date");
    rbtnEndBy = AddRadio(range, "rbtnEndBy", "End by");
    edtRecurEnd = new QLineEdit(range);
    edtRecurEnd->setObjectName("edtRecurEnd");
    rangeGrid->addWidget(rbtnNoEnd, 1, 1);
    rangeGrid->addWidget(rbtnEndBy, 2, 0);
    rangeGrid->addWidget(edtRecurEnd, 2, 1);
    recurrence->addWidget(range);

    tNotes = new QWidget(pDate);
    tNotes->setObjectName("tNotes");
    pDate->addTab(tNotes, "Notes");
    memNotes = new QPlainTextEdit(tNotes);
    memNotes->setObjectName("memNotes");
    (new QVBoxLayout(tNotes))->addWidget(memNotes);

    auto* body = new QVBoxLayout;
    body->addWidget(pDate);
    SetBody(body, QSize(480, 420));

    FormCreate();
}

void TfmDateDetail::FormCreate() { m_pRec = nullptr; }

bool TfmDateDetail::SetRecord(const CommDateRec* pRec)
{
    m_pRec = pRec;
    return UpdateDialog(false);
}

bool TfmDateDetail::UpdateDialog(bool bSave)
{
    if (!m_pRec)
        return false;
    if (bSave)
        return true;

    for (const FieldBox& box : kGeneralBoxes)
        (this->*box.control)->setText(FieldText(m_pRec, box.nFieldId));
    for (const FlagBox& box : kFlagBoxes)
        (this->*box.control)->setChecked(m_pRec->*box.flag != 0);
    ShowMemoText(memNotes, RecordText(m_pRec->szNote));
    ShowRecurrence();
    return true;
}

void TfmDateDetail::ShowRecurrence()
{
    const CommRecurrence& recurrence = m_pRec->recurrence;
    pDate->setTabVisible(pDate->indexOf(tRecur), recurrence.nType != kRecurNone);

    const RecurSheet* pShown = nullptr;
    for (const RecurSheet& sheet : kRecurSheets)
        if (recurrence.nType == sheet.nTypes[0] || recurrence.nType == sheet.nTypes[1])
            pShown = &sheet;
    for (const RecurSheet& sheet : kRecurSheets) {
        const bool bShown = !pShown || pShown == &sheet;
        pRecur->setTabVisible(pRecur->indexOf(this->*sheet.sheet), bShown);
        (this->*sheet.interval)->setText(pShown == &sheet ? QString::number(recurrence.nInterval) : QString());
    }
    // Which weekdays repeat is not shown.
    for (const auto& box : kWeekdayBoxes)
        (this->*box.control)->setChecked(false);
    UncheckAll({rbtnDate, rbtnDay});
    if (recurrence.nType == kRecurMonthly)
        rbtnDate->setChecked(true);
    else if (recurrence.nType == kRecurMonthlyNth)
        rbtnDay->setChecked(true);

    edtRecurStart->setText(FieldText(m_pRec, kFieldDate));
    const bool bEndBy = recurrence.bHasEnd != 0 && recurrence.stPatternEnd.wYear < kNoEndYear;
    (bEndBy ? rbtnEndBy : rbtnNoEnd)->setChecked(true);
    edtRecurEnd->setText(bEndBy ? PatternEndText(recurrence.stPatternEnd) : QString());
}
