// Owns the task records of the tasks adapter, decides whether an incoming task is already
// stored, and refreshes a stored task after its Outlook task was written over.
#pragma once

#include "records/CommFieldDef.h"
#include "records/CommRecordMgr.h"
#include "records/CommTaskRec.h"

class CommTaskMgr : public CommRecordMgr<CommTaskRec> {
public:
    CommTaskMgr();
    virtual ~CommTaskMgr();

    static bool GetFieldDef(LONG nId, CommFieldDef* pDef);
    // The display text of one field, cut to the buffer; false only for a null argument or a
    // size below 1. The due date shows "N/A" for a task without one.
    static bool GetFieldText(const CommTaskRec* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize);

    // Copies the editable fields of pRec into the stored record at the 0-based position:
    // subject and note only when not empty, due date, alarm, privacy, completion and
    // priority always. False, nothing changed, for a null pRec, a position with no record
    // or exhausted memory.
    bool UpdateRecord(const CommTaskRec* pRec, int nIndex);
};
