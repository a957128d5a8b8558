// Owns the calendar records of the calendar adapter and decides whether an incoming
// calendar item is already stored.
#pragma once

#include "records/CommDateRec.h"
#include "records/CommFieldDef.h"
#include "records/CommRecordMgr.h"

class CommDateMgr : public CommRecordMgr<CommDateRec> {
public:
    CommDateMgr();

    static bool GetFieldDef(LONG nId, CommFieldDef* pDef);
    // The display text of one field, cut to the buffer; false only for a null argument or a
    // size below 1. Ids without text give the empty text.
    static bool GetFieldText(const CommDateRec* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize);
};
