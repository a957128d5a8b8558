// The Outlook calendar adapter: loads the appointments of the default Calendar folder into
// calendar records with their item images, gives the CSV text of any field of an image,
// stores CSV text into a record, and saves a record into Outlook as a new appointment or
// over the one it matches; an update starts from an empty image, not the stored one.
#pragma once

#include "common/outlook/OlDateItem.h"
#include "common/outlook/OlItemAdapter.h"
#include "records/CommDateMgr.h"

// Field ids 1 to 30; StoreFieldText imports the texts Location, Subject, Category and Note,
// the start's and end's day and time of day, all-day, the reminder flag and minutes.
class OlDateUtil : public OlItemAdapter<OlDateUtil, OlKind::Calendar, OlDateItem, CommDateRec, CommDateMgr> {
public:
    std::unique_ptr<CDispCmd>& m_pDateRootFolder{m_pRootFolder};
};

// Compiled once, in the adapter's own file, where the kind's hooks are.
extern template class OlItemAdapter<OlDateUtil, OlKind::Calendar, OlDateItem, CommDateRec, CommDateMgr>;
