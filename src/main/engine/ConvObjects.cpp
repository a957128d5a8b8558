#include "main/engine/ConvObjects.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"
#include "main/engine/Apputil.h"

#include <new>

OlAddrUtil* pOlAddr = nullptr;
OlDateUtil* pOlDate = nullptr;
OlTaskUtil* pOlTask = nullptr;
OlNoteUtil* pOlNote = nullptr;
CxList* pSelRecList = nullptr;
CxList* pCsvRecList = nullptr;
CxList* pFieldList = nullptr;
CxFile* pCsvFile = nullptr;

namespace {

template <class T>
void DeleteObject(T*& pObject)
{
    delete pObject;
    pObject = nullptr;
}

void DeleteList(CxList*& pList, bool bFreeData)
{
    if (pList != nullptr)
        pList->RemoveAll(bFreeData);
    DeleteObject(pList);
}

// The adapter of nFlag with a loaded manager, walked by both stored-record functions.
template <class TVisit>
void* WithManager(int nFlag, TVisit visit)
{
    if (nFlag == FLAG_ADDR && pOlAddr && pOlAddr->m_pDataMgr)
        return visit(*pOlAddr->m_pDataMgr);
    if (nFlag == FLAG_DATE && pOlDate && pOlDate->m_pDataMgr)
        return visit(*pOlDate->m_pDataMgr);
    if (nFlag == FLAG_TASK && pOlTask && pOlTask->m_pDataMgr)
        return visit(*pOlTask->m_pDataMgr);
    if (nFlag == FLAG_NOTE && pOlNote && pOlNote->m_pDataMgr)
        return visit(*pOlNote->m_pDataMgr);
    return nullptr;
}

}  // namespace

bool CreateConvObjects()
{
    DestroyConvObjects();

    pOlAddr = new (std::nothrow) OlAddrUtil();
    pOlDate = new (std::nothrow) OlDateUtil();
    pOlTask = new (std::nothrow) OlTaskUtil();
    pOlNote = new (std::nothrow) OlNoteUtil();
    if (!pOlAddr || !pOlDate || !pOlTask || !pOlNote) {
        AppDebug.LogMessage(0, __FILE__, __LINE__, "The Outlook adapters could not be created");
        DestroyConvObjects();
        return false;
    }

    // A failed load leaves an empty manager: the record page then simply lists nothing.
    if (AppSettings.AppFlag == FLAG_ADDR)
        pOlAddr->LoadItems();
    else if (AppSettings.AppFlag == FLAG_DATE)
        pOlDate->LoadItems();
    else if (AppSettings.AppFlag == FLAG_TASK)
        pOlTask->LoadItems();
    else if (AppSettings.AppFlag == FLAG_NOTE)
        pOlNote->LoadItems();

    pSelRecList = new (std::nothrow) CxList();
    pCsvRecList = new (std::nothrow) CxList();
    pFieldList = new (std::nothrow) CxList();
    pCsvFile = new (std::nothrow) CxFile();
    if (!pSelRecList || !pCsvRecList || !pFieldList || !pCsvFile) {
        AppDebug.LogMessage(0, __FILE__, __LINE__, "The conversion lists could not be created");
        DestroyConvObjects();
        return false;
    }
    return true;
}

// The adapters go first: pSelRecList may point at their records and is emptied without
// touching them.
void DestroyConvObjects()
{
    DeleteObject(pOlAddr);
    DeleteObject(pOlDate);
    DeleteObject(pOlTask);
    DeleteObject(pOlNote);
    DeleteList(pSelRecList, false);
    DeleteList(pCsvRecList, true);
    DeleteList(pFieldList, true);
    DeleteObject(pCsvFile);
}

void* FirstStoredRecord(int nFlag)
{
    return WithManager(nFlag, [](auto& manager) -> void* { return manager.GetFirst(); });
}

void* NextStoredRecord(int nFlag)
{
    return WithManager(nFlag, [](auto& manager) -> void* { return manager.GetNext(); });
}

bool SaveConvRecord(int nFlag, void* pRec)
{
    if (pRec == nullptr)
        return false;
    if (nFlag == FLAG_ADDR && pOlAddr)
        return pOlAddr->SaveRecord(static_cast<CommAddrRec*>(pRec));
    if (nFlag == FLAG_DATE && pOlDate)
        return pOlDate->SaveRecord(static_cast<CommDateRec*>(pRec));
    if (nFlag == FLAG_TASK && pOlTask)
        return pOlTask->SaveRecord(static_cast<CommTaskRec*>(pRec));
    if (nFlag == FLAG_NOTE && pOlNote)
        return pOlNote->SaveRecord(static_cast<CommNoteRec*>(pRec));
    return false;
}

char* KindCsvFile(int nFlag)
{
    if (nFlag == FLAG_ADDR)
        return AppSettings.CsvAddrFile;
    if (nFlag == FLAG_DATE)
        return AppSettings.CsvDateFile;
    if (nFlag == FLAG_TASK)
        return AppSettings.CsvTaskFile;
    if (nFlag == FLAG_NOTE)
        return AppSettings.CsvNoteFile;
    return nullptr;
}
