// The Outlook notes adapter: loads the notes of the default Notes folder into note records
// with their item images, gives the CSV text of any field of an image, stores CSV text into
// a record, and saves a record into Outlook as a new note or over the one it matches. Of a
// note only the body, the categories and the colour are ever written.
#pragma once

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlComm.h"
#include "common/outlook/OlFieldStore.h"
#include "common/outlook/OlNoteItem.h"
#include "records/CommNoteMgr.h"
#include "records/CommNoteRec.h"

#include <memory>

class CDispCmd;

class OlNoteUtil : public OlBaseUtil {
public:
    OlNoteUtil();
    ~OlNoteUtil() override;

    bool LoadItems() override;
    void ClearItems() override;
    void Init() override;
    void Term() override;
    bool Connect() override;
    void Disconnect() override;

    static int GetFieldCount();
    // The table row with id nId (1 to 8), else null.
    static const CsvFieldEntry* GetFieldDef(unsigned nId);
    // Never null; see CsvFieldText for how long the text stays valid.
    static const char* GetFieldText(const OlNoteItem* pItem, unsigned nId);
    // Stores the text of an imported field (Subject, Body, Category), cut to fit, and says
    // how; NotImported for any other id or a null record.
    static TFieldStore StoreFieldText(unsigned nId, const char* szText, CommNoteRec* pRec);
    // Whether StoreFieldText imports the field.
    static bool SetFieldText(unsigned nId, const char* szText, CommNoteRec* pRec);
    // Every image field but subject, body, categories and colour keeps its value.
    static bool RecordToItem(const CommNoteRec* pRec, OlNoteItem* pItem);
    static bool ItemToRecord(const OlNoteItem* pItem, CommNoteRec* pRec);

    bool ReadFolder(IDispatch* pFolder);
    bool ReadItem(IDispatch* pItem, OlNoteItem* pImage);
    // True only when Outlook was written: an identical stored record writes nothing.
    bool SaveRecord(CommNoteRec* pRec);
    // Attaches the image written (with the new EntryID) to pRec.
    bool AddItem(CommNoteRec* pRec);
    // Writes over the note of the stored record at nIndex, found by position and checked by
    // EntryID against pRec's image, then refreshes that stored record.
    bool UpdateItem(CommNoteRec* pRec, int nIndex);
    // False when Outlook refused to save the item.
    bool WriteItem(IDispatch* pItem, const OlNoteItem* pImage);

    std::unique_ptr<CDispCmd> m_pNoteRootFolder;
    std::unique_ptr<CommNoteMgr> m_pDataMgr;
};
