// Owns the contact records of the contacts adapter and decides whether an incoming
// contact is already stored.
#pragma once

#include "records/CommAddrRec.h"
#include "records/CommFieldDef.h"
#include "records/CommRecordMgr.h"

class CommAddrMgr : public CommRecordMgr<CommAddrRec> {
public:
    CommAddrMgr();

    // Copies the field table row for nId; false when there is none or pDef is null.
    static bool GetFieldDef(LONG nId, CommFieldDef* pDef);
    // The display text of one field. False, buffer untouched, for a null argument or a
    // buffer not larger than the row's size; false with empty text for Email 2, Email 3,
    // Spouse Name, Children's Names, Status, ID, Private, a source type without name and
    // ids that name no field.
    static bool GetFieldText(const CommAddrRec* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize);
    // 0 when equal ignoring letter case and line breaks (see CommCompareText).
    static int CompareText(const char* szText1, const char* szText2);
};
