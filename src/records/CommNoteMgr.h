// Owns the note records of the notes adapter, decides whether an incoming note is already
// stored, and refreshes a stored note after its Outlook note was written over.
#pragma once

#include "records/CommFieldDef.h"
#include "records/CommNoteRec.h"
#include "records/CommRecordMgr.h"

class CommNoteMgr : public CommRecordMgr<CommNoteRec> {
public:
    CommNoteMgr();
    virtual ~CommNoteMgr();

    static bool GetFieldDef(LONG nId, CommFieldDef* pDef);
    // The display text of one field, cut to the buffer; false only for a null argument or a
    // size below 1. Dates show as "%02d-%02d-%04d %02d:%02d:%02d".
    static bool GetFieldText(const CommNoteRec* pRec, const CommFieldDef* pDef, char* szBuf, int nBufSize);

    // The stored record at the 0-based position takes colour and privacy of pRec, and its
    // subject and body unless they are empty; its status becomes 0. False, nothing changed,
    // for a null pRec, a position with no record or exhausted memory.
    bool UpdateRecord(const CommNoteRec* pRec, int nIndex);
};
