// The observer an import sets so that every write an adapter makes to Outlook can be taken
// back: it hears of each add and update before Outlook is touched, and of each save that went
// through. One for the process, as the Outlook connection is.
#pragma once

class CDispCmd;

class IOlWriteJournal {
public:
    virtual ~IOlWriteJournal() = default;
    // A new item is about to be saved. False: the journal could not record it, and the item
    // must not be saved.
    virtual bool BeforeAdd() = 0;
    // The item is about to be written over; it still holds its earlier content. False as
    // for BeforeAdd.
    virtual bool BeforeUpdate(CDispCmd& item) = 0;
    // The item announced last was saved.
    virtual void AfterWrite(CDispCmd& item) = 0;
};

// The journal in force, or null; the caller keeps it alive while it is set.
void SetOlWriteJournal(IOlWriteJournal* pJournal);
IOlWriteJournal* OlWriteJournal();

// The adapters' side: true without a journal.
bool JournalBeforeAdd();
bool JournalBeforeUpdate(CDispCmd& item);
void JournalAfterWrite(CDispCmd& item);

// Writes over a found item with writeItem (which puts and saves), the journal told before
// and after.
template <class TWriteItem>
bool WriteOverItem(CDispCmd& item, TWriteItem writeItem)
{
    if (!JournalBeforeUpdate(item) || !writeItem())
        return false;
    JournalAfterWrite(item);
    return true;
}
