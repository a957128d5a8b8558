// The calendar detail dialog: one calendar item with its recurrence. It only displays.
//
// Opening it: TfmDateDetail dialog(owner); dialog.SetRecord(pRec); ExecModal(dialog);
#pragma once

#include "main/DetailForm.h"

class QRadioButton;
class QTabWidget;
struct CommDateRec;

class TfmDateDetail : public TDetailDialog {
    Q_OBJECT

public:
    explicit TfmDateDetail(QWidget* owner = nullptr);

    // Keeps pRec (owned by the caller, alive while the dialog lives) and shows it.
    bool SetRecord(const CommDateRec* pRec);
    // false: copies the record into the controls. true: nothing is stored. False without a
    // record.
    bool UpdateDialog(bool bSave);

    QTabWidget* pDate;
    QWidget* tGen;
    QWidget* tRecur;
    QWidget* tNotes;

    QLineEdit* edtDesc;
    QLineEdit* edtDate;
    QLineEdit* edtStartTime;
    QLineEdit* edtEndTime;
    QLineEdit* edtLocation;
    QLineEdit* edtCategory;
    QCheckBox* cbAlarm;
    QCheckBox* cbPrivate;
    QCheckBox* cbAllday;

    QPlainTextEdit* memNotes;

    QTabWidget* pRecur;
    QWidget* tDaily;
    QWidget* tWeekly;
    QWidget* tMonthly;
    QWidget* tYearly;
    QLineEdit* edtRecurDays;
    QLineEdit* edtRecurWeeks;
    QCheckBox* cbMonday;
    QCheckBox* cbTuesday;
    QCheckBox* cbWednesday;
    QCheckBox* cbThursday;
    QCheckBox* cbFriday;
    QCheckBox* cbSaturday;
    QCheckBox* cbSunday;
    QLineEdit* edtRecurMonths;
    QRadioButton* rbtnDate;
    QRadioButton* rbtnDay;
    QLineEdit* edtRecurYears;
    QLineEdit* edtRecurStart;
    QRadioButton* rbtnNoEnd;
    QRadioButton* rbtnEndBy;
    QLineEdit* edtRecurEnd;

private:
    void FormCreate();
    void ShowRecurrence();

    const CommDateRec* m_pRec = nullptr;
};
