#include "records/CommNoteMgr.h"

#include "records/CommFieldTables.h"
#include "records/CommTextCopy.h"

#include <array>

namespace {

// Subject.
constexpr std::array<LONG, 1> kKeyFields = {2};

// Note.
constexpr std::array<LONG, 1> kCompareFields = {3};

}  // namespace

CommNoteMgr::CommNoteMgr()
    : CommRecordMgr(kCommNoteFields, kKeyFields, kCompareFields, CommFoundOnNoMatch::Unchanged)
{
}

CommNoteMgr::~CommNoteMgr() = default;

bool CommNoteMgr::GetFieldDef(LONG nId, CommFieldDef* pDef)
{
    return CommCopyFieldDef(kCommNoteFields.rows, nId, pDef);
}

bool CommNoteMgr::GetFieldText(const CommNoteRec* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize)
{
    return CommGetFieldText(kCommNoteFields, pRec, pDef, szBuf, nBufSize);
}

bool CommNoteMgr::UpdateRecord(const CommNoteRec* pRec, int nIndex)
{
    if (pRec == nullptr)
        return false;
    return EditStoredRecord(nIndex, [pRec](CommNoteRec& stored) {
        stored.nColor = pRec->nColor;
        stored.nPrivate = pRec->nPrivate;
        CommCopyTextUnlessEmpty(stored.szSubject, pRec->szSubject);
        CommCopyTextUnlessEmpty(stored.szNote, pRec->szNote);
        stored.nStatus = 0;
    });
}
