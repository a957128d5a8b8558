#include "common/outlook/OlWriteJournal.h"

namespace {

IOlWriteJournal* g_pJournal = nullptr;

}  // namespace

void SetOlWriteJournal(IOlWriteJournal* pJournal) { g_pJournal = pJournal; }

IOlWriteJournal* OlWriteJournal() { return g_pJournal; }

bool JournalBeforeAdd() { return g_pJournal == nullptr || g_pJournal->BeforeAdd(); }

bool JournalBeforeUpdate(CDispCmd& item) { return g_pJournal == nullptr || g_pJournal->BeforeUpdate(item); }

void JournalAfterWrite(CDispCmd& item)
{
    if (g_pJournal != nullptr)
        g_pJournal->AfterWrite(item);
}
