// Items reached by their EntryID or their default folder, whatever their kind: what taking
// an import back needs, beside the adapters that read whole folders into records.
#pragma once

#include "common/outlook/OlComm.h"
#include "common/outlook/OlItemSupport.h"

#include <string>

class OlItemAccess : public OlBaseUtil {
public:
    // Joins or establishes the Outlook connection, as every adapter does; the base lets
    // it go again.
    OlItemAccess() = default;

    // The item with the EntryID, whichever folder holds it; null, with *phr Outlook's
    // answer, when there is none.
    OlObject ItemFromId(const std::string& entryId, HRESULT* phr);
    // The Items of a default folder (OlDefaultFolders number); null when unreachable.
    OlObject FolderItems(LONG nFolder, HRESULT* phr);
};

// The item's LastModificationTime; 0 when it cannot be read.
DATE ItemModified(CDispCmd& item);
// The item's EntryID; empty when it cannot be read.
std::string ItemEntryId(CDispCmd& item);
// Calls the item's Delete method and returns its result.
HRESULT DeleteItem(CDispCmd& item);
