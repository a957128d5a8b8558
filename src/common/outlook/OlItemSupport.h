// What the Outlook item adapters share: tables of item properties walked to read and write
// item images, the calls that reach folders and items, the folder walk into a record
// manager, the EntryID-checked lookup of the item an update writes over, and the
// skip/update/add decision of SaveRecord.
#pragma once

#include "common/misc/ProgressSink.h"
#include "common/outlook/OlWriteJournal.h"
#include "platform/WinCompat.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <span>

class CDispCmd;

// How a property travels: texts with GetString/PutString, dates with GetDate/PutDate,
// longs with GetLong/PutLong, flags with GetBool/PutBool.
enum class OlPropKind { Text, Date, Long, Bool };

// Directions of a property row: got from Outlook, put to Outlook, carried from the image
// to the record, carried from the record to the image.
inline constexpr unsigned OL_READ = 1;
inline constexpr unsigned OL_WRITE = 2;
inline constexpr unsigned OL_READ_WRITE = OL_READ | OL_WRITE;
inline constexpr unsigned OL_TO_RECORD = 4;
inline constexpr unsigned OL_TO_IMAGE = 8;
inline constexpr unsigned OL_CARRY = OL_TO_RECORD | OL_TO_IMAGE;

// Marks a row whose property has no record member.
inline constexpr std::size_t OL_NO_MEMBER = SIZE_MAX;

// One item property and where it lives: a member of the item image and, optionally, the
// record member it is carried to and from.
struct OlPropDef {
    LPCOLESTR szName;         // the property's name in Outlook's object model
    OlPropKind nKind;
    unsigned nAccess;         // OL_READ, OL_WRITE, OL_TO_RECORD, OL_TO_IMAGE, combined
    std::size_t nOffset;      // image member
    std::size_t nSize;        // its size in bytes
    std::size_t nReadSize;    // buffer size GetString is given (0: the member size, never more); texts only
    std::size_t nRecOffset;   // record member, or OL_NO_MEMBER
    std::size_t nRecSize;     // its size in bytes
};

// The offset and size of a member, as OlPropDef rows take them.
#define OL_MEMBER(Type, Member) offsetof(Type, Member), sizeof(Type::Member)
// The record half of a row whose property has no record member.
#define OL_NO_RECORD OL_NO_MEMBER, 0

using OlPropTable = std::span<const OlPropDef>;

// Gets every OL_READ row from the item into the image, in table order; a failed or mistyped get leaves its member as it was.
void ReadItemProperties(CDispCmd& item, OlPropTable rows, void* pImage);
// Puts every OL_WRITE row from the image, in table order; empty texts and zero dates are never sent, longs and flags always.
void WriteItemProperties(CDispCmd& item, OlPropTable rows, const void* pImage);
// Copies every OL_TO_RECORD row from the image into its record member; texts cut to whole UTF-8 characters and terminated.
void CopyImageToRecord(OlPropTable rows, const void* pImage, void* pRec);
// Copies every OL_TO_IMAGE row from its record member into the image, texts cut likewise; other image members stay as they were.
void CopyRecordToImage(OlPropTable rows, const void* pRec, void* pImage);

// One automation object held for the length of an operation; null when there is none.
using OlObject = std::unique_ptr<CDispCmd>;

// The object a property holds; null with *phr the get's result when it fails or yields no object.
OlObject GetObjectProperty(CDispCmd& owner, LPCOLESTR szName, HRESULT* phr);
// Calls a method (arguments in COM order, the last first) and returns the object it yields; null when it fails or yields none.
OlObject CallForObject(CDispCmd& owner, LPCOLESTR szMethod, VARIANT* pArgs, UINT nArgs, HRESULT* phr);
// Items.Add with the item type (2 contact, 1 appointment, 3 task, 5 note): a new, unsaved item.
OlObject AddNewItem(CDispCmd& items, LONG nItemType, HRESULT* phr);
// Items.Item for the 0-based position nIndex (Outlook counts from 1).
OlObject GetItemAt(CDispCmd& items, int nIndex, HRESULT* phr);
// Calls visit for every item of the collection in Outlook's order (GetFirst, GetNext) until the walk ends or visit returns false.
void ForEachItem(CDispCmd& items, const std::function<bool(CDispCmd& item)>& visit);
// Calls the item's Save method and returns its result.
HRESULT SaveItem(CDispCmd& item);
// Reads the EntryID Outlook gave a saved item into szEntryID of nSize bytes, with a buffer of nSize - 1 bytes (at most 1023) as loading reads it.
HRESULT ReadEntryID(CDispCmd& item, char* szEntryID, std::size_t nSize);

// The item an update writes over: the one at the 0-based position nIndex when its EntryID is szEntryID (or szEntryID is empty), else the collection's item with that EntryID; null when none. Mismatches are logged at error level naming szKind; *phrIndex gets the positional call's result.
OlObject FindItemForUpdate(CDispCmd& items, int nIndex, const char* szEntryID, const char* szKind, HRESULT* phrIndex);

// A heap block holding a copy of nSize bytes of pImage, from the program's memory manager; null when memory is exhausted.
void* CopyImageBlock(const void* pImage, std::size_t nSize);
// Frees a block of CopyImageBlock (null is fine).
void FreeImageBlock(void* pBlock);
// Logs at error level that a record written to Outlook could not be stored in its manager.
void LogRecordNotStored(const char* szKind);

// The record's image as TImage, or null when it has none of that size.
template <class TImage, class TRec>
TImage* NativeImage(const TRec& rec)
{
    if (rec.pNative == nullptr || rec.nNativeSize != sizeof(TImage))
        return nullptr;
    return static_cast<TImage*>(rec.pNative);
}

// Attaches a heap copy of the image to the record (pNative, nNativeSize); false, with no image, when memory is exhausted.
template <class TRec, class TImage>
bool AttachImageCopy(TRec& rec, const TImage& image)
{
    rec.pNative = CopyImageBlock(&image, sizeof(TImage));
    rec.nNativeSize = rec.pNative ? static_cast<decltype(rec.nNativeSize)>(sizeof(TImage)) : 0;
    return rec.pNative != nullptr;
}

// Frees the image attached to the record and clears pNative and nNativeSize.
template <class TRec>
void FreeAttachedImage(TRec& rec)
{
    FreeImageBlock(rec.pNative);
    rec.pNative = nullptr;
    rec.nNativeSize = 0;
}

// What AddItem does once Outlook handed over a new item, the same for every kind: the record
// goes into a fresh image (recordToItem) and from there into the item (writeItem, which saves
// it, the write journal told before and after); the EntryID is read back so later updates find the item wherever it has moved; the image
// is attached to the record only when all of it went well.
template <class TImage, class TRec, class TRecordToItem, class TWriteItem>
bool FillNewItem(CDispCmd& item, TRec* pRec, TRecordToItem recordToItem, TWriteItem writeItem)
{
    std::unique_ptr<TImage, void (*)(void*)> pImage(static_cast<TImage*>(CopyImageBlock(nullptr, sizeof(TImage))),
                                                   &FreeImageBlock);
    if (!pImage)
        return false;
    recordToItem(pRec, pImage.get());
    if (!JournalBeforeAdd() || !writeItem(item, pImage.get()))
        return false;
    JournalAfterWrite(item);
    ReadEntryID(item, pImage->EntryID, sizeof pImage->EntryID);
    pRec->pNative = pImage.release();
    pRec->nNativeSize = static_cast<decltype(pRec->nNativeSize)>(sizeof(TImage));
    return true;
}

// The collection's Count when long work is being watched (a progress sink is current), else 0:
// nobody asked, so Outlook is not asked either.
std::int64_t ItemCountForProgress(CDispCmd& items);

// Walks the collection into the manager with one image and one record reused for the walk: each item zeroes both, readOne(item, image, record) fills them (false skips the item), and the record is stored with a copy of the image (AddRecord copies record and image).
// The current progress sink hears of every item and may stop the walk.
template <class TImage, class TRec, class TMgr, class TReadOne>
void LoadItemsInto(CDispCmd& items, TMgr& mgr, TReadOne readOne)
{
    const auto pImage = std::make_unique<TImage>();
    const auto pRec = std::make_unique<TRec>();
    const std::int64_t nTotal = ItemCountForProgress(items);
    std::int64_t nDone = 0;
    ForEachItem(items, [&](CDispCmd& item) {
        std::memset(static_cast<void*>(pImage.get()), 0, sizeof(TImage));
        std::memset(static_cast<void*>(pRec.get()), 0, sizeof(TRec));
        if (readOne(item, *pImage, *pRec)) {
            pRec->pNative = pImage.get();
            pRec->nNativeSize = static_cast<decltype(pRec->nNativeSize)>(sizeof(TImage));
            mgr.AddRecord(pRec.get());
        }
        return ReportProgress(++nDone, nTotal);
    });
}

// FindMatch's answers.
inline constexpr int OL_MATCH_BAD_RECORD = -1;
inline constexpr int OL_MATCH_IDENTICAL = 1;
inline constexpr int OL_MATCH_NONE = 2;
inline constexpr int OL_MATCH_SAME_KEY = 3;

// SaveRecord's decision around the manager's FindMatch; true only when Outlook was written.
// Identical (or bad) record: nothing happens. Same key: updateItem(pWork, nIndex) gets pRec's
// content with the stored record's image; only when it succeeds does the stored record take
// that content (keeping its image). No match: addItem(pWork) gets a copy of pRec without
// image and attaches the image it wrote; only when it succeeds is the copy stored (szKind
// names the kind when storing fails), and the attached image is freed afterwards.
template <class TRec, class TMgr, class TAddItem, class TUpdateItem>
bool SaveRecordByMatch(TMgr& mgr, TRec* pRec, const char* szKind, TAddItem addItem, TUpdateItem updateItem)
{
    if (pRec == nullptr)
        return false;
    TRec* pFound = nullptr;
    int nIndex = 0;
    const int nMatch = mgr.FindMatch(pRec, &pFound, &nIndex);
    if (nMatch == OL_MATCH_SAME_KEY && pFound != nullptr) {
        const auto pWork = std::make_unique<TRec>(*pRec);
        pWork->pNative = pFound->pNative;
        pWork->nNativeSize = pFound->nNativeSize;
        if (!updateItem(pWork.get(), nIndex))
            return false;
        // Through the manager, so its duplicate index follows the new content.
        if (!mgr.ReplaceRecord(nIndex, pWork.get()))
            LogRecordNotStored(szKind);
        return true;
    }
    if (nMatch == OL_MATCH_NONE) {
        const auto pWork = std::make_unique<TRec>(*pRec);
        pWork->pNative = nullptr;
        pWork->nNativeSize = 0;
        const bool bAdded = addItem(pWork.get());
        if (bAdded && mgr.AddRecord(pWork.get()) == nullptr)
            LogRecordNotStored(szKind);
        FreeAttachedImage(*pWork);
        return bAdded;
    }
    return false;
}
