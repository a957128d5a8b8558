#include "main/Notedetail.h"

#include "records/CommNoteRec.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TfmNoteDetail::TfmNoteDetail(QWidget* owner) : TDetailDialog(owner, "fmNoteDetail", "Note detail information")
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    edtCategory = AddEdit(grid, 0, "edtCategory", "Category:");
    memNotes = AddMemo(grid, 1, "memNotes", "Notes:");

    auto* body = new QVBoxLayout;
    body->addWidget(page);
    SetBody(body, QSize(440, 360));

    FormCreate();
}

void TfmNoteDetail::FormCreate() { m_pRec = nullptr; }

bool TfmNoteDetail::SetRecord(const CommNoteRec* pRec)
{
    m_pRec = pRec;
    return UpdateDialog(false);
}

bool TfmNoteDetail::UpdateDialog(bool bSave)
{
    if (!m_pRec)
        return false;
    if (bSave)
        return true;

    edtCategory->setText(RecordText(m_pRec->szCategory));
    ShowMemoText(memNotes, RecordText(m_pRec->szNote));
    return true;
}
