// The Outlook contacts adapter: loads the contacts of the default Contacts folder into
// contact records with their item images, gives the CSV text of any field of an image,
// stores CSV text into a record, and saves a record into Outlook as a new contact or over
// the one it matches.
#pragma once

#include "common/outlook/FieldEntry.h"
#include "common/outlook/OlAddrItem.h"
#include "common/outlook/OlFieldStore.h"
#include "common/outlook/OlItemAdapter.h"
#include "records/CommAddrMgr.h"

class OlAddrUtil : public OlItemAdapter<OlAddrUtil, OlKind::Contacts, OlAddrItem, CommAddrRec, CommAddrMgr> {
public:
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

    static bool ReadUserProperties(IDispatch* pItem, OlAddrItem* pImage);
    static bool WriteUserProperties(IDispatch* pItem, const OlAddrItem* pImage);

    std::unique_ptr<CDispCmd>& m_pContactRootFolder{m_pRootFolder};
};

// Compiled once, in the adapter's own file, where the kind's hooks are.
extern template class OlItemAdapter<OlAddrUtil, OlKind::Contacts, OlAddrItem, CommAddrRec, CommAddrMgr>;
