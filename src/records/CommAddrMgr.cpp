#include "records/CommAddrMgr.h"

#include "records/CommFieldMatch.h"
#include "records/CommFieldTables.h"

#include <array>

namespace {

// First Name, Last Name, Email.
constexpr std::array<LONG, 3> kKeyFields = {1, 3, 41};

// Phones, e-mail, faxes, company, title, the three addresses and the note.
constexpr std::array<LONG, 24> kCompareFields = {28, 29, 30, 41, 38, 39, 69, 71, 13, 11, 12, 10,
                                                 9,  20, 18, 19, 17, 16, 27, 25, 26, 24, 23, 48};

}  // namespace

CommAddrMgr::CommAddrMgr()
    : CommRecordMgr(kCommAddrFields, kKeyFields, kCompareFields, CommFoundOnNoMatch::Unchanged)
{
}

bool CommAddrMgr::GetFieldDef(LONG nId, CommFieldDef* pDef)
{
    return CommCopyFieldDef(kCommAddrFields.rows, nId, pDef);
}

bool CommAddrMgr::GetFieldText(const CommAddrRec* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize)
{
    return CommGetFieldText(kCommAddrFields, pRec, pDef, szBuf, nBufSize);
}

int CommAddrMgr::CompareText(const char* szText1, const char* szText2)
{
    return CommCompareText(szText1, szText2);
}
