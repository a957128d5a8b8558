#include "records/CommTaskMgr.h"

#include "records/CommFieldTables.h"
#include "records/CommTextCopy.h"

#include <array>

namespace {

// Subject.
constexpr std::array<LONG, 1> kKeyFields = {0};

// Priority; the due date is listed but takes no part in the comparison.
constexpr std::array<LONG, 4> kCompareFields = {2, 4, 0, 0};

}  // namespace

CommTaskMgr::CommTaskMgr()
    : CommRecordMgr(kCommTaskFields, kKeyFields, kCompareFields, CommFoundOnNoMatch::Unchanged)
{
}

CommTaskMgr::~CommTaskMgr() = default;

bool CommTaskMgr::GetFieldDef(LONG nId, CommFieldDef* pDef)
{
    return CommCopyFieldDef(kCommTaskFields.rows, nId, pDef);
}

bool CommTaskMgr::GetFieldText(const CommTaskRec* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize)
{
    return CommGetFieldText(kCommTaskFields, pRec, pDef, szBuf, nBufSize);
}

bool CommTaskMgr::UpdateRecord(const CommTaskRec* pRec, int nIndex)
{
    if (pRec == nullptr)
        return false;
    return EditStoredRecord(nIndex, [pRec](CommTaskRec& stored) {
        CommCopyTextUnlessEmpty(stored.szSubject, pRec->szSubject);
        CommCopyTextUnlessEmpty(stored.szNote, pRec->szNote);
        stored.tDueDate = pRec->tDueDate;
        stored.bAlarm = pRec->bAlarm;
        stored.bPrivate = pRec->bPrivate;
        stored.bCompleted = pRec->bCompleted;
        stored.nPriority = pRec->nPriority;
    });
}
