#include "main/Notedata.h"

#include "main/engine/Apputil.h"
#include "main/ModalDialog.h"
#include "main/Notedetail.h"
#include "records/CommNoteMgr.h"

#include <QAction>
#include <QPushButton>

TfmNoteData* fmNoteData = nullptr;

namespace {

const TRecordColumn kColumns[] = {
    {{"Description", 660}, 3},
};

const TRecordPageKind kPageKind = {
    FLAG_NOTE,
    "fmNoteData",
    "lvNoteData",
    kColumns,
    false,
    "btnMemoDetail",
    "pmiMemoData",
    "pmiMemoSelAll",
    "pmiMemoClear",
    "pmiMemoDetail",
    "No note record is selected. Please select the records you want to convert.",
    &RecordFieldText<CommNoteMgr, CommNoteRec>,
    1,
};

}  // namespace

TfmNoteData::TfmNoteData(QWidget* parent)
    : TRecordPage(parent, kPageKind),
      lvNoteData(m_pList),
      btnMemoDetail(m_pDetailButton),
      pmiMemoData(m_pMenu),
      pmiMemoSelAll(m_pMenuSelAll),
      pmiMemoClear(m_pMenuClear),
      pmiMemoDetail(m_pMenuDetail)
{
    connect(btnMemoDetail, &QPushButton::clicked, this, &TfmNoteData::btnMemoDetailClick);
    connect(pmiMemoDetail, &QAction::triggered, this, &TfmNoteData::btnMemoDetailClick);
}

void TfmNoteData::btnMemoDetailClick() { DetailClick(); }

void TfmNoteData::ShowDetail(const void* pRec)
{
    TfmNoteDetail dialog(this);
    dialog.SetRecord(static_cast<const CommNoteRec*>(pRec));
    ExecModal(dialog);
}
