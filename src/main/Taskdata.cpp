#include "main/Taskdata.h"

#include "main/engine/Apputil.h"
#include "main/ModalDialog.h"
#include "main/Tododetail.h"
#include "records/CommTaskMgr.h"

#include <QAction>
#include <QPushButton>

TfmTaskData* fmTaskData = nullptr;

namespace {

const TRecordColumn kColumns[] = {
    {{"Description", 360}, 0},
    {{"Due Date", 100}, 4},
    {{"Priority", 80}, 2},
    {{"Completed", 80}, 3},
};

const TRecordPageKind kPageKind = {
    FLAG_TASK,
    "fmTaskData",
    "lvTaskData",
    kColumns,
    true,
    "btnTodoDetail",
    "pmiTodoData",
    "pmiTodoSelAll",
    "pmiTodoClear",
    "pmiTodoDetail",
    "No task record is selected. Please select the records you want to convert.",
    &RecordFieldText<CommTaskMgr, CommTaskRec>,
    1,
};

}  // namespace

TfmTaskData::TfmTaskData(QWidget* parent)
    : TRecordPage(parent, kPageKind),
      lvTaskData(m_pList),
      btnTodoDetail(m_pDetailButton),
      pmiTodoData(m_pMenu),
      pmiTodoSelAll(m_pMenuSelAll),
      pmiTodoClear(m_pMenuClear),
      pmiTodoDetail(m_pMenuDetail)
{
    connect(btnTodoDetail, &QPushButton::clicked, this, &TfmTaskData::btnTodoDetailClick);
    connect(pmiTodoDetail, &QAction::triggered, this, &TfmTaskData::btnTodoDetailClick);
}

void TfmTaskData::btnTodoDetailClick() { DetailClick(); }

void TfmTaskData::ShowDetail(const void* pRec)
{
    TfmTodoDetail dialog(this);
    dialog.SetRecord(static_cast<const CommTaskRec*>(pRec));
    ExecModal(dialog);
}
