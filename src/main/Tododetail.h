// The task detail dialog: one task on one page. It only displays.
//
// Opening it: TfmTodoDetail dialog(owner); dialog.SetRecord(pRec); ExecModal(dialog);
#pragma once

#include "main/DetailForm.h"

struct CommTaskRec;

class TfmTodoDetail : public TDetailDialog {
    Q_OBJECT

public:
    explicit TfmTodoDetail(QWidget* owner = nullptr);

    // Keeps pRec (owned by the caller, alive while the dialog lives) and shows it.
    bool SetRecord(const CommTaskRec* pRec);
    // false: copies the record into the controls. true: nothing is stored. False without a
    // record.
    bool UpdateDialog(bool bSave);

    QLineEdit* edtDesc;
    QLineEdit* edtPriority;
    QLineEdit* edtDueDate;
    QCheckBox* cbCompleted;
    QCheckBox* cbPrivate;
    QPlainTextEdit* memNotes;
    QLineEdit* edtCategory;

private:
    void FormCreate();

    const CommTaskRec* m_pRec = nullptr;
};
