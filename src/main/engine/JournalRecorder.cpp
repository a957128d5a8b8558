#include "main/engine/JournalRecorder.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/misc/SqliteDatabase.h"
#include "common/outlook/OlItemAccess.h"
#include "common/outlook/OlItemState.h"
#include "main/engine/ConversionRun.h"
#include "main/engine/CsvSource.h"
#include "main/engine/ItemKinds.h"

#include <memory>

namespace {

constexpr int kLogError = 0;
// The earlier content the journal could not read does not stop the write, as it never did
// before there was a journal: it is worth a line while the log is on, not an error.
constexpr int kLogWarning = 1;

}  // namespace

TJournalRecorder::TJournalRecorder(TImportJournal& journal, int nFlag, std::string_view csvFile,
                                   std::string_view settings)
    : m_journal(journal), m_nRun(journal.BeginRun(nFlag, csvFile, settings, JournalNow()))
{
    if (const TItemKind* pKind = FindItemKind(nFlag))
        m_nItemType = pKind->nItemType;
    SetOlWriteJournal(this);
}

TJournalRecorder::~TJournalRecorder()
{
    if (OlWriteJournal() == this)
        SetOlWriteJournal(nullptr);
}

bool TJournalRecorder::Record(const std::function<void()>& write)
{
    try {
        write();
        return true;
    } catch (const SqliteError& error) {
        m_failure = error.what();
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "The import journal %s could not be written: %s",
                            m_journal.Path().c_str(), m_failure.c_str());
        return false;
    }
}

void TJournalRecorder::BeginRecord(int nRow)
{
    m_nRow = nRow;
    m_nSeq = 0;
    m_step = Step::None;
    m_entryId.clear();
    m_dWritten = 0;
}

bool TJournalRecorder::BeforeAdd()
{
    TJournalEntry entry;
    entry.nRow = m_nRow;
    entry.nAction = TJournalAction::Adding;
    entry.dStamp = JournalNow();
    m_step = Record([&] { m_nSeq = m_journal.AddEntry(m_nRun, entry); }) ? Step::Adding : Step::Unrecorded;
    return m_step == Step::Adding;
}

bool TJournalRecorder::BeforeUpdate(CDispCmd& item)
{
    TJournalEntry entry;
    entry.nRow = m_nRow;
    entry.nAction = TJournalAction::Updating;
    entry.entryId = ItemEntryId(item);
    entry.dStamp = JournalNow();
    TOlItemState state;
    if (ReadItemState(item, m_nItemType, state, kLogWarning))
        entry.previous = EncodeItemState(state);
    else
        AppDebug.LogMessage(kLogWarning, __FILE__, __LINE__,
                            "The earlier content of the item in row %d could not be read; undo cannot put it back.",
                            m_nRow);
    m_step = Record([&] { m_nSeq = m_journal.AddEntry(m_nRun, entry); }) ? Step::Updating : Step::Unrecorded;
    return m_step == Step::Updating;
}

void TJournalRecorder::AfterWrite(CDispCmd& item)
{
    m_entryId = ItemEntryId(item);
    m_dWritten = ItemModified(item);
    m_step = Step::Written;
}

void TJournalRecorder::EndRecord(TImportAction nAction)
{
    switch (nAction) {
    case TImportAction::Added:
    case TImportAction::Updated:
        if (m_nSeq != 0) {
            const TJournalAction nDone =
                nAction == TImportAction::Added ? TJournalAction::Added : TJournalAction::Updated;
            Record([&] { m_journal.CompleteEntry(m_nRun, m_nSeq, nDone, m_entryId, m_dWritten); });
        }
        return;
    case TImportAction::Identical:
    case TImportAction::Refused: {
        const TJournalAction nFate =
            nAction == TImportAction::Identical ? TJournalAction::Identical : TJournalAction::Refused;
        if (m_nSeq != 0) {
            Record([&] { m_journal.CompleteEntry(m_nRun, m_nSeq, nFate, "", 0); });
            return;
        }
        TJournalEntry entry;
        entry.nRow = m_nRow;
        entry.nAction = nFate;
        entry.dStamp = JournalNow();
        Record([&] { m_journal.AddEntry(m_nRun, entry); });
        return;
    }
    }
}

std::string TJournalRecorder::RefusalReason() const
{
    switch (m_step) {
    case Step::Adding:
        return "Outlook refused to save the new item";
    case Step::Updating:
        return "Outlook refused to save the changes to the item it matches";
    case Step::Unrecorded:
        return "The import journal could not record the write: " + m_failure;
    case Step::None:
    case Step::Written:
        break;
    }
    return {};
}

void TJournalRecorder::Finish()
{
    Record([&] { m_journal.FinishRun(m_nRun); });
}

void JournalRunSetup(TRunSetup& setup, TJournalRecorder& recorder, std::function<int(const void* pRec)> rowOf)
{
    auto nPlace = std::make_shared<int>(0);
    setup.saveRecord = [save = std::move(setup.saveRecord), &recorder, rowOf = std::move(rowOf), nPlace](void* pRec) {
        ++*nPlace;
        recorder.BeginRecord(rowOf ? rowOf(pRec) : *nPlace);
        const TImportAction nAction = save(pRec);
        recorder.EndRecord(nAction);
        return nAction;
    };
    setup.refusalReason = [&recorder] { return recorder.RefusalReason(); };
}

std::string JournalSettingsText(const TCsvSource& source, const TCsvImportReport& read)
{
    const std::string delimiter = source.chDelimiter == '\t' ? "tab" : std::string(1, source.chDelimiter);
    const std::string quote = source.chQuote != '\0' ? std::string(1, source.chQuote) : "none";
    std::string text = "delimiter " + delimiter + ", quote " + quote + ", " + CsvEncodingName(source.file.nEncoding);
    if (read.bTitleRowSkipped)
        text += ", title row skipped";
    return text;
}
