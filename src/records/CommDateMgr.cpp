#include "records/CommDateMgr.h"

#include "records/CommFieldTables.h"

#include <array>

namespace {

// Description, Start Time, End Time, All Day Event: items with the same description and
// all-day flag that start on the same day and end on the same day are the same item.
constexpr std::array<LONG, 4> kKeyFields = {1, 2, 3, 13};

// Location.
constexpr std::array<LONG, 1> kCompareFields = {9};

}  // namespace

CommDateMgr::CommDateMgr()
    : CommRecordMgr(kCommDateFields, kKeyFields, kCompareFields, CommFoundOnNoMatch::Cleared)
{
}

bool CommDateMgr::GetFieldDef(LONG nId, CommFieldDef* pDef)
{
    return CommCopyFieldDef(kCommDateFields.rows, nId, pDef);
}

bool CommDateMgr::GetFieldText(const CommDateRec* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize)
{
    return CommGetFieldText(kCommDateFields, pRec, pDef, szBuf, nBufSize);
}
