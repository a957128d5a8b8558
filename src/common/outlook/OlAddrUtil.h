// The Outlook contacts adapter: loads the contacts of the default Contacts folder into
// contact records with their item images, gives the CSV text of any field of an image,
// stores CSV text into a record, and saves a record into Outlook as a new contact or over
// the one it matches.
#pragma once

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrItem.h"
#include "common/outlook/OlComm.h"
#include "common/outlook/OlFieldStore.h"
#include "records/CommAddrMgr.h"
#include "records/CommAddrRec.h"

#include <memory>

class CDispCmd;

class OlAddrUtil : public OlBaseUtil {
public:
    OlAddrUtil();
    ~OlAddrUtil() override;

    // False when the folder is not open; else every contact of the folder, in Outlook's
    // order, replaces what the manager held.
    bool LoadItems() override;
    void ClearItems() override;
    void Init() override;
    void Term() override;
    // Joins the connection and opens the default Contacts folder.
    bool Connect() override;
    void Disconnect() override;

    // 81: the ids 0 to 80.
    static int GetFieldCount();
    // The row at the 1-based position nPos (its id is nPos - 1), else null.
    static const CsvFieldEntry* GetFieldDef(unsigned nPos);
    // The export text of field nId of an image: a text inside the image, or a date text or
    // empty text in a buffer shared by all calls (valid until the next call); null for
    // "None", Gender and the ids above 78.
    static const char* GetFieldText(const OlAddrItem* pItem, unsigned nId);
    // Stores a CSV text into the record member of field nId, cut to fit, and says how;
    // NotImported for a field that is not imported, an id out of range or a null record.
    static TFieldStore StoreFieldText(unsigned nId, const char* szText, CommAddrRec* pRec);
    // Whether StoreFieldText imports the field.
    static bool SetFieldText(unsigned nId, const char* szText, CommAddrRec* pRec);

    // True only when Outlook was written: an identical stored contact writes nothing, and a
    // contact Outlook refused is not stored.
    bool SaveRecord(CommAddrRec* pRec);
    // Adds a new contact made from pRec and attaches the image written, with the EntryID
    // Outlook gave it, to pRec (freed by the caller with FreeAttachedImage).
    bool AddItem(CommAddrRec* pRec);
    // Writes pRec over the contact of the stored record at nIndex: the item at that position
    // when its EntryID is the one of pRec's image, else the folder's item with that EntryID.
    bool UpdateItem(CommAddrRec* pRec, int nIndex);
    bool ReadFolder(IDispatch* pFolder);
    bool ReadItem(IDispatch* pItem, OlAddrItem* pImage);
    // Puts the image's properties and user properties, then saves; false when Outlook
    // refused to save the contact.
    bool WriteItem(IDispatch* pItem, const OlAddrItem* pImage);
    bool ReadUserProperties(IDispatch* pItem, OlAddrItem* pImage);
    bool WriteUserProperties(IDispatch* pItem, const OlAddrItem* pImage);
    static bool ItemToRecord(const OlAddrItem* pItem, CommAddrRec* pRec);
    static bool RecordToItem(const CommAddrRec* pRec, OlAddrItem* pItem);

    std::unique_ptr<CDispCmd> m_pContactRootFolder;
    std::unique_ptr<CommAddrMgr> m_pDataMgr;
    bool m_bFolderOpen = false;
};
