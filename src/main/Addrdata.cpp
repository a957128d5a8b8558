#include "main/Addrdata.h"

#include "main/Addrdetail.h"
#include "main/engine/Apputil.h"
#include "main/ModalDialog.h"
#include "records/CommAddrMgr.h"

#include <QAction>
#include <QPushButton>

TfmAddrData* fmAddrData = nullptr;

namespace {

const TRecordColumn kColumns[] = {
    {{"First Name", 80}, 1},
    {{"Last Name", 80}, 3},
    {{"Email", 120}, 41},
    {{"Business Phone", 100}, 29},
    {{"Home Phone", 100}, 28},
    {{"Mobile Phone", 100}, 30},
    {{"Company", 100}, 69},
    {{"Title", 80}, 71},
};

const TRecordPageKind kPageKind = {
    FLAG_ADDR,
    "fmAddrData",
    "lvAddrData",
    kColumns,
    false,
    "btnAddrDetail",
    "pmAddrDetail",
    "pmiAddrSelAll",
    "pmiAddrClear",
    "pmiAddrDetail",
    "No contact record is selected. Please select the records you want to convert.",
    &RecordFieldText<CommAddrMgr, CommAddrRec>,
    2,
};

}  // namespace

TfmAddrData::TfmAddrData(QWidget* parent)
    : TRecordPage(parent, kPageKind),
      lvAddrData(m_pList),
      btnAddrDetail(m_pDetailButton),
      pmAddrDetail(m_pMenu),
      pmiAddrSelAll(m_pMenuSelAll),
      pmiAddrClear(m_pMenuClear),
      pmiAddrDetail(m_pMenuDetail)
{
    connect(btnAddrDetail, &QPushButton::clicked, this, &TfmAddrData::btnAddrDetailClick);
    connect(pmiAddrDetail, &QAction::triggered, this, &TfmAddrData::btnAddrDetailClick);
}

void TfmAddrData::btnAddrDetailClick() { DetailClick(); }

void TfmAddrData::ShowDetail(const void* pRec)
{
    TfmAddrDetail dialog(this);
    dialog.SetRecord(static_cast<const CommAddrRec*>(pRec));
    ExecModal(dialog);
}
