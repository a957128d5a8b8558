// The Outlook tasks adapter: loads the tasks of the default Tasks folder into task records
// with their item images, gives the CSV text of any field of an image, stores CSV text into
// a record, and saves a record into Outlook as a new task or over the one it matches.
#pragma once

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlComm.h"
#include "common/outlook/OlFieldStore.h"
#include "common/outlook/OlTaskItem.h"
#include "records/CommTaskMgr.h"
#include "records/CommTaskRec.h"

#include <memory>

class CDispCmd;

class OlTaskUtil : public OlBaseUtil {
public:
    OlTaskUtil();
    ~OlTaskUtil() override;

    bool LoadItems() override;
    void ClearItems() override;
    void Init() override;
    void Term() override;
    bool Connect() override;
    void Disconnect() override;

    static int GetFieldCount();
    // The table row with id nId (1 to 27), else null.
    static const CsvFieldEntry* GetFieldDef(unsigned nId);
    // Never null; see CsvFieldText for how long the text stays valid.
    static const char* GetFieldText(const OlTaskItem* pItem, unsigned nId);
    // Stores the text of an imported field (Notes, Subject, Category), cut to fit, and says
    // how; NotImported for any other id or a null record.
    static TFieldStore StoreFieldText(unsigned nId, const char* szText, CommTaskRec* pRec);
    // Whether StoreFieldText imports the field.
    static bool SetFieldText(unsigned nId, const char* szText, CommTaskRec* pRec);
    // Only due dates, start dates and reminder times above 0 and before Outlook's "none"
    // year are put; no recurrence pattern is ever written.
    static bool RecordToItem(const CommTaskRec* pRec, OlTaskItem* pItem);
    // Dates Outlook holds as "none", or that cannot be converted, read as -1.
    static bool ItemToRecord(const OlTaskItem* pItem, CommTaskRec* pRec);

    bool ReadFolder(IDispatch* pFolder);
    bool ReadItem(IDispatch* pItem, OlTaskItem* pImage);
    // True only when Outlook was written: an identical stored record writes nothing.
    bool SaveRecord(CommTaskRec* pRec);
    // Attaches the image written (with the new EntryID) to pRec.
    bool AddItem(CommTaskRec* pRec);
    // Writes over the task of the stored record at nIndex, found by position and checked by
    // EntryID against pRec's image, then refreshes that stored record.
    bool UpdateItem(CommTaskRec* pRec, int nIndex);
    // The reminder's details are put only when the reminder is on. False when Outlook
    // refused to save the item.
    bool WriteItem(IDispatch* pItem, const OlTaskItem* pImage);

    bool m_bFolderOpen = false;
    std::unique_ptr<CommTaskMgr> m_pDataMgr;
    std::unique_ptr<CDispCmd> m_pTaskRootFolder;
};
