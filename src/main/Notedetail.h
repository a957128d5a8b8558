// The note detail dialog: one note's category and text. It only displays.
//
// Opening it: TfmNoteDetail dialog(owner); dialog.SetRecord(pRec); ExecModal(dialog);
#pragma once

#include "main/DetailForm.h"

struct CommNoteRec;

class TfmNoteDetail : public TDetailDialog {
    Q_OBJECT

public:
    explicit TfmNoteDetail(QWidget* owner = nullptr);

    // Keeps pRec (owned by the caller, alive while the dialog lives) and shows it.
    bool SetRecord(const CommNoteRec* pRec);
    // false: copies the record into the controls. true: nothing is stored. False without a
    // record.
    bool UpdateDialog(bool bSave);

    QLineEdit* edtCategory;
    QPlainTextEdit* memNotes;

private:
    void FormCreate();

    const CommNoteRec* m_pRec = nullptr;
};
