// The Outlook calendar adapter: loads the appointments of the default Calendar folder into
// calendar records with their item images, gives the CSV text of any field of an image,
// stores CSV text into a record, and saves a record into Outlook as a new appointment or
// over the one it matches.
#pragma once

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlComm.h"
#include "common/outlook/OlDateItem.h"
#include "common/outlook/OlFieldStore.h"
#include "records/CommDateMgr.h"
#include "records/CommDateRec.h"

#include <memory>

class CDispCmd;

class OlDateUtil : public OlBaseUtil {
public:
    OlDateUtil();
    ~OlDateUtil() override;

    bool LoadItems() override;
    void ClearItems() override;
    void Init() override;
    void Term() override;
    bool Connect() override;
    void Disconnect() override;

    static int GetFieldCount();
    // The table row with id nId (1 to 30), else null.
    static const CsvFieldEntry* GetFieldDef(unsigned nId);
    // Never null; see CsvFieldText for how long the text stays valid.
    static const char* GetFieldText(const OlDateItem* pItem, unsigned nId);
    // Stores the text of an imported field (the texts Location, Subject, Category and Note;
    // the start's and end's day and time of day; all-day, reminder flag and minutes) and
    // says how; NotImported for any other id or a null record.
    static TFieldStore StoreFieldText(unsigned nId, const char* szText, CommDateRec* pRec);
    // Whether StoreFieldText imports the field: true also for a value it cut or did not
    // understand.
    static bool SetFieldText(unsigned nId, const char* szText, CommDateRec* pRec);
    static bool RecordToItem(const CommDateRec* pRec, OlDateItem* pItem);
    static bool ItemToRecord(const OlDateItem* pItem, CommDateRec* pRec);

    bool ReadFolder(IDispatch* pFolder);
    bool ReadItem(IDispatch* pItem, OlDateItem* pImage);
    // True only when Outlook was written: an identical stored record writes nothing.
    bool SaveRecord(CommDateRec* pRec);
    // Attaches the image written (with the new EntryID) to pRec.
    bool AddItem(CommDateRec* pRec);
    // Writes over the appointment of the stored record at nIndex, found by position and
    // checked by EntryID against pRec's image.
    bool UpdateItem(CommDateRec* pRec, int nIndex);
    // False when Outlook refused to save the item.
    bool WriteItem(IDispatch* pItem, const OlDateItem* pImage);

    bool m_bFolderOpen = false;
    std::unique_ptr<CDispCmd> m_pDateRootFolder;
    std::unique_ptr<CommDateMgr> m_pDataMgr;

private:
    void WritePattern(CDispCmd& item, const OlDateItem& image);
};
