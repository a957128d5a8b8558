#include "main/Tododetail.h"

#include "records/CommTaskMgr.h"
#include "records/CommTaskRec.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr LONG kFieldDueDate = 4;
constexpr int kDueDateSize = 31;

QString DueDateText(const CommTaskRec* pRec)
{
    CommFieldDef def{};
    char szText[kDueDateSize] = "";
    if (CommTaskMgr::GetFieldDef(kFieldDueDate, &def))
        CommTaskMgr::GetFieldText(pRec, &def, szText, sizeof szText);
    return RecordText(szText);
}

}  // namespace

TfmTodoDetail::TfmTodoDetail(QWidget* owner) : TDetailDialog(owner, "fmTodoDetail", "Task detail information")
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    edtDesc = AddEdit(grid, 0, "edtDesc", "Description:");
    edtPriority = AddEdit(grid, 1, "edtPriority", "Priority:");
    edtDueDate = AddEdit(grid, 2, "edtDueDate", "Due Date:");
    cbCompleted = AddCheck(page, "cbCompleted", "Completed");
    cbPrivate = AddCheck(page, "cbPrivate", "Private");
    auto* flags = new QHBoxLayout;
    flags->addWidget(cbCompleted);
    flags->addWidget(cbPrivate);
    flags->addStretch();
    grid->addLayout(flags, 3, 1);
    memNotes = AddMemo(grid, 4, "memNotes", "Notes:");
    edtCategory = AddEdit(grid, 5, "edtCategory", "Category:");

    auto* body = new QVBoxLayout;
    body->addWidget(page);
    SetBody(body, QSize(440, 380));

    FormCreate();
}

void TfmTodoDetail::FormCreate() { m_pRec = nullptr; }

bool TfmTodoDetail::SetRecord(const CommTaskRec* pRec)
{
    m_pRec = pRec;
    return UpdateDialog(false);
}

bool TfmTodoDetail::UpdateDialog(bool bSave)
{
    if (!m_pRec)
        return false;
    if (bSave)
        return true;

    edtDesc->setText(RecordText(m_pRec->szSubject));
    edtPriority->setText(QString::number(m_pRec->nPriority));
    edtDueDate->setText(DueDateText(m_pRec));
    cbCompleted->setChecked(m_pRec->bCompleted != 0);
    cbPrivate->setChecked(m_pRec->bPrivate != 0);
    ShowMemoText(memNotes, RecordText(m_pRec->szNote));
    edtCategory->setText(RecordText(m_pRec->szCategory));
    return true;
}
