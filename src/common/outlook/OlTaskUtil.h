// The Outlook tasks adapter: loads the tasks of the default Tasks folder into task records
// with their item images, gives the CSV text of any field of an image, stores CSV text into
// a record, and saves a record into Outlook as a new task or over the one it matches, then
// refreshes the stored record it wrote over.
#pragma once

#include "common/outlook/OlItemAdapter.h"
#include "common/outlook/OlTaskItem.h"
#include "records/CommTaskMgr.h"

// Field ids 1 to 27; StoreFieldText imports Notes, Subject and Category, cut to fit.
class OlTaskUtil : public OlItemAdapter<OlTaskUtil, OlKind::Tasks, OlTaskItem, CommTaskRec, CommTaskMgr> {
public:
    std::unique_ptr<CDispCmd>& m_pTaskRootFolder{m_pRootFolder};
};

// Compiled once, in the adapter's own file, where the kind's hooks are.
extern template class OlItemAdapter<OlTaskUtil, OlKind::Tasks, OlTaskItem, CommTaskRec, CommTaskMgr>;
