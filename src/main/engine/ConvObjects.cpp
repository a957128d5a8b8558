#include "main/engine/ConvObjects.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"
#include "main/engine/Apputil.h"
#include "main/engine/CsvSource.h"

#include <new>
#include <span>
#include <type_traits>

OlAddrUtil* pOlAddr = nullptr;
OlDateUtil* pOlDate = nullptr;
OlTaskUtil* pOlTask = nullptr;
OlNoteUtil* pOlNote = nullptr;
CxList* pSelRecList = nullptr;
CxList* pCsvRecList = nullptr;
CxList* pFieldList = nullptr;
CxFile* pCsvFile = nullptr;
TCsvSource* pCsvSource = nullptr;

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

// The adapter of nFlag, when it exists, handed to visit; otherwise absent.
template <class TResult, class TVisit>
TResult WithAdapter(int nFlag, TResult absent, TVisit visit)
{
    if (nFlag == FLAG_ADDR && pOlAddr)
        return visit(*pOlAddr);
    if (nFlag == FLAG_DATE && pOlDate)
        return visit(*pOlDate);
    if (nFlag == FLAG_TASK && pOlTask)
        return visit(*pOlTask);
    if (nFlag == FLAG_NOTE && pOlNote)
        return visit(*pOlNote);
    return absent;
}

// The adapter of nFlag with a loaded manager, walked by both stored-record functions.
template <class TVisit>
void* WithManager(int nFlag, TVisit visit)
{
    return WithAdapter<void*>(nFlag, nullptr, [&visit](auto& adapter) -> void* {
        return adapter.m_pDataMgr ? visit(*adapter.m_pDataMgr) : nullptr;
    });
}

template <class TAdapter>
using RecordOf = std::remove_pointer_t<decltype(std::declval<TAdapter&>().m_pDataMgr->GetFirst())>;

TImportAction ActionOf(int nMatch)
{
    switch (nMatch) {
    case kMatchNone:
        return TImportAction::Added;
    case kMatchSameKey:
        return TImportAction::Updated;
    case kMatchIdentical:
        return TImportAction::Identical;
    default:
        return TImportAction::Refused;
    }
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
    pCsvSource = new (std::nothrow) TCsvSource();
    if (!pSelRecList || !pCsvRecList || !pFieldList || !pCsvFile || !pCsvSource) {
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
    DeleteObject(pCsvSource);
}

void* FirstStoredRecord(int nFlag)
{
    return WithManager(nFlag, [](auto& manager) -> void* { return manager.GetFirst(); });
}

void* NextStoredRecord(int nFlag)
{
    return WithManager(nFlag, [](auto& manager) -> void* { return manager.GetNext(); });
}

TImportAction SaveConvRecord(int nFlag, void* pRec)
{
    if (pRec == nullptr)
        return TImportAction::Refused;
    return WithAdapter(nFlag, TImportAction::Refused, [pRec](auto& adapter) {
        using TRec = RecordOf<std::remove_reference_t<decltype(adapter)>>;
        return SaveRecordWithAction(adapter, static_cast<TRec*>(pRec));
    });
}

namespace {

// The records as the kind's manager takes them, previewed by preview(manager, typed records).
template <class TPreview>
std::vector<TImportPreview> PreviewTyped(int nFlag, const std::vector<void*>& records, TPreview preview)
{
    return WithAdapter(nFlag, std::vector<TImportPreview>{}, [&records, &preview](auto& adapter) {
        using TRec = RecordOf<std::remove_reference_t<decltype(adapter)>>;
        std::vector<TImportPreview> previews;
        if (!adapter.m_pDataMgr)
            return previews;
        std::vector<TRec*> typed;
        typed.reserve(records.size());
        for (void* pRec : records)
            typed.push_back(static_cast<TRec*>(pRec));
        previews.reserve(records.size());
        for (const auto& found : preview(*adapter.m_pDataMgr, std::span<TRec* const>(typed)))
            previews.push_back({ActionOf(found.match.nCode), found.pMatched});
        return previews;
    });
}

}  // namespace

std::vector<TImportPreview> PreviewImport(int nFlag, const std::vector<void*>& records)
{
    return PreviewTyped(nFlag, records, [](auto& manager, auto typed) { return manager.PreviewMatches(typed); });
}

std::vector<TImportPreview> PreviewImportGroup(int nFlag, std::uint64_t nGroup, const std::vector<void*>& records)
{
    return PreviewTyped(nFlag, records,
                        [nGroup](auto& manager, auto typed) { return manager.PreviewGroup(nGroup, typed); });
}

std::vector<std::uint64_t> ImportKeyGroups(int nFlag, const std::vector<void*>& records)
{
    return WithAdapter(nFlag, std::vector<std::uint64_t>{}, [&records](auto& adapter) {
        using TRec = RecordOf<std::remove_reference_t<decltype(adapter)>>;
        std::vector<std::uint64_t> groups;
        if (!adapter.m_pDataMgr)
            return groups;
        groups.reserve(records.size());
        for (const void* pRec : records)
            groups.push_back(pRec != nullptr ? adapter.m_pDataMgr->KeyGroup(static_cast<const TRec*>(pRec)) : 0);
        return groups;
    });
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
