// What differs between the record pages of the four kinds: names, columns, messages and how
// a record's display texts are had.
#pragma once

#include "main/ListView.h"
#include "platform/WinCompat.h"
#include "records/CommFieldDef.h"

#include <span>

struct TRecordColumn {
    TListColumn column;
    LONG nId;  // the record field the column shows
};

struct TRecordPageKind {
    int nFlag;
    const char* szFormName;
    const char* szListName;
    std::span<const TRecordColumn> columns;
    bool bEditableCaption;  // the first column can be edited in place; only the display changes
    const char* szDetailButton;
    const char* szMenuName;
    const char* szMenuSelAll;
    const char* szMenuClear;
    const char* szMenuDetail;
    const char* szNothingChosen;
    // The display text of field nId of a record into szBuf.
    void (*GetText)(const void* pRec, LONG nId, char* szBuf, int nBufSize);
    // How many leading columns name the stored item an import's record would update.
    int nMatchCaptionColumns;
};

// The display text of a record field through the kind's record manager TMgr.
template <class TMgr, class TRec>
void RecordFieldText(const void* pRec, LONG nId, char* szBuf, int nBufSize)
{
    CommFieldDef def{};
    if (TMgr::GetFieldDef(nId, &def))
        TMgr::GetFieldText(static_cast<const TRec*>(pRec), &def, szBuf, nBufSize);
}
