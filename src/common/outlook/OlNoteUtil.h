// The Outlook notes adapter: loads the notes of the default Notes folder into note records
// with their item images, gives the CSV text of any field of an image, stores CSV text into
// a record, and saves a record into Outlook as a new note or over the one it matches, then
// refreshes the stored record it wrote over. Of a note only the body, the categories and the
// colour are ever written.
#pragma once

#include "common/outlook/OlItemAdapter.h"
#include "common/outlook/OlNoteItem.h"
#include "records/CommNoteMgr.h"

// Field ids 1 to 8; StoreFieldText imports Subject, Body and Category, cut to fit.
class OlNoteUtil : public OlItemAdapter<OlNoteUtil, OlKind::Notes, OlNoteItem, CommNoteRec, CommNoteMgr> {
public:
    std::unique_ptr<CDispCmd>& m_pNoteRootFolder{m_pRootFolder};
};

// Compiled once, in the adapter's own file, where the kind's hooks are.
extern template class OlItemAdapter<OlNoteUtil, OlKind::Notes, OlNoteItem, CommNoteRec, CommNoteMgr>;
