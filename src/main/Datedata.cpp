#include "main/Datedata.h"

#include "main/engine/Apputil.h"
#include "main/Datedetail.h"
#include "main/ModalDialog.h"
#include "records/CommDateMgr.h"

#include <QAction>
#include <QPushButton>

TfmDateData* fmDateData = nullptr;

namespace {

const TRecordColumn kColumns[] = {
    {{"Description", 360}, 1},
    {{"Date", 100}, 6},
    {{"Start Time", 100}, 2},
    {{"End Time", 100}, 3},
};

const TRecordPageKind kPageKind = {
    FLAG_DATE,
    "fmDateData",
    "lvDateData",
    kColumns,
    false,
    "btnDateDetail",
    "pmDateData",
    "pmiDateSelAll",
    "pmiDateClear",
    "pmiDateDetail",
    "No calendar record is selected. Please select the records you want to convert.",
    &RecordFieldText<CommDateMgr, CommDateRec>,
    1,
};

}  // namespace

TfmDateData::TfmDateData(QWidget* parent)
    : TRecordPage(parent, kPageKind),
      lvDateData(m_pList),
      btnDateDetail(m_pDetailButton),
      pmDateData(m_pMenu),
      pmiDateSelAll(m_pMenuSelAll),
      pmiDateClear(m_pMenuClear),
      pmiDateDetail(m_pMenuDetail)
{
    connect(btnDateDetail, &QPushButton::clicked, this, &TfmDateData::btnDateDetailClick);
    connect(pmiDateDetail, &QAction::triggered, this, &TfmDateData::btnDateDetailClick);
}

void TfmDateData::btnDateDetailClick() { DetailClick(); }

void TfmDateData::ShowDetail(const void* pRec)
{
    TfmDateDetail dialog(this);
    dialog.SetRecord(static_cast<const CommDateRec*>(pRec));
    ExecModal(dialog);
}
