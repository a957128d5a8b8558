#include "main/engine/UndoImport.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/outlook/OlItemAccess.h"
#include "common/outlook/OlItemState.h"
#include "main/engine/ConversionRun.h"
#include "main/engine/ImportJournal.h"
#include "main/engine/ItemKinds.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

constexpr int kLogError = 0;
constexpr int kCaptionSize = 255;
// Outlook keeps modification times to the second: anything within one counts as the same.
constexpr double kOneSecond = 1.0 / 86400.0;

std::string HexText(HRESULT hr)
{
    char szHex[16];
    std::snprintf(szHex, sizeof szHex, "0x%08x", static_cast<unsigned>(hr));
    return szHex;
}

std::string Caption(CDispCmd& item, const TItemKind& kind)
{
    char szCaption[kCaptionSize + 1] = "";
    item.GetString(kind.szCaption, szCaption, kCaptionSize);
    return szCaption;
}

// Walks the runs' entries as undo takes them back, newest first. Each item is judged once,
// at its newest entry: older entries of the same item were overwritten by the run itself,
// so they follow that judgement instead of comparing with a time the undo has moved on.
class TUndoWalk {
public:
    TUndoWalk(TImportJournal& journal, bool bIncludeChanged, bool bApply)
        : m_journal(journal), m_bIncludeChanged(bIncludeChanged), m_bApply(bApply)
    {
    }

    bool Connected() const { return m_outlook.IsConnected(); }

    void Walk(const TJournalRun& run, TUndoReport& report)
    {
        const TItemKind* pKind = FindItemKind(run.nFlag);
        if (pKind == nullptr)
            return;
        std::vector<TJournalEntry> entries = m_journal.Entries(run.nId);
        std::reverse(entries.begin(), entries.end());
        for (TJournalEntry& entry : entries) {
            switch (entry.nAction) {
            case TJournalAction::Adding:
                if (entry.entryId.empty())
                    entry.entryId = UnrecordedAddition(*pKind, entry);
                [[fallthrough]];
            case TJournalAction::Added:
                TakeBack(run, *pKind, entry, true, report);
                break;
            case TJournalAction::Updating:
            case TJournalAction::Updated:
                TakeBack(run, *pKind, entry, false, report);
                break;
            case TJournalAction::Identical:
            case TJournalAction::Refused:
                break;
            }
        }
    }

private:
    // A run that died between saving a new item and recording its EntryID: the item saved
    // since the entry was made that no journal entry names. None when the save never
    // happened; with several the undo cannot tell, and leaves them.
    std::string UnrecordedAddition(const TItemKind& kind, const TJournalEntry& entry)
    {
        OlObject items = m_outlook.FolderItems(kind.nFolder, nullptr);
        if (!items)
            return {};
        std::vector<std::string> candidates;
        ForEachItem(*items, [&](CDispCmd& item) {
            DATE dCreated = 0;
            if (SUCCEEDED(item.GetDate(OLESTR("CreationTime"), &dCreated)) && dCreated >= entry.dStamp - kOneSecond) {
                const std::string entryId = ItemEntryId(item);
                if (!entryId.empty() && !m_journal.KnowsEntryId(entryId))
                    candidates.push_back(entryId);
            }
            return candidates.size() < 2;
        });
        return candidates.size() == 1 ? candidates.front() : std::string();
    }

    void TakeBack(const TJournalRun& run, const TItemKind& kind, const TJournalEntry& entry, bool bAdded,
                  TUndoReport& report)
    {
        if (entry.entryId.empty())
            return;
        HRESULT hr = S_OK;
        OlObject item = m_outlook.ItemFromId(entry.entryId, &hr);
        if (!item) {
            ++report.nAlreadyGone;
            return;
        }
        const auto judged = m_judged.find(entry.entryId);
        const bool bTakeBack = judged != m_judged.end() ? judged->second : Judge(run, kind, entry, *item, report);
        m_judged.emplace(entry.entryId, bTakeBack);
        if (!bTakeBack || !m_bApply)
            return;
        if (bAdded)
            Remove(kind, entry, *item, report);
        else
            Restore(kind, entry, *item, report);
    }

    bool Judge(const TJournalRun& run, const TItemKind& kind, const TJournalEntry& entry, CDispCmd& item,
               TUndoReport& report)
    {
        const bool bChanged = entry.dWritten != 0 && ItemModified(item) > entry.dWritten + kOneSecond / 2;
        if (!bChanged)
            return true;
        report.leftChanged.push_back({run.nId, entry.nRow, Caption(item, kind)});
        return m_bIncludeChanged;
    }

    void Remove(const TItemKind& kind, const TJournalEntry& entry, CDispCmd& item, TUndoReport& report)
    {
        const std::string caption = Caption(item, kind);
        if (const HRESULT hr = DeleteItem(item); FAILED(hr)) {
            Fail(report, entry, caption, "Outlook refused to delete it (" + HexText(hr) + ")");
            return;
        }
        ++report.nRemoved;
    }

    void Restore(const TItemKind& kind, const TJournalEntry& entry, CDispCmd& item, TUndoReport& report)
    {
        TOlItemState state;
        if (!DecodeItemState(entry.previous, state)) {
            Fail(report, entry, Caption(item, kind), "the journal holds no readable earlier content");
            return;
        }
        if (!RestoreItemState(item, kind.nItemType, state)) {
            Fail(report, entry, Caption(item, kind), "Outlook refused to take its earlier content back");
            return;
        }
        ++report.nRestored;
    }

    static void Fail(TUndoReport& report, const TJournalEntry& entry, const std::string& caption,
                     const std::string& reason)
    {
        const std::string failure = "Row " + std::to_string(entry.nRow) + " (\"" + caption + "\"): " + reason;
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Undo: %s", failure.c_str());
        report.failures.push_back(failure);
    }

    TImportJournal& m_journal;
    const bool m_bIncludeChanged;
    const bool m_bApply;
    OlItemAccess m_outlook;
    std::map<std::string, bool> m_judged;
};

// The runs to take back, newest first, without those already undone.
std::vector<TJournalRun> RunsToUndo(TImportJournal& journal, std::vector<std::int64_t> runs)
{
    std::sort(runs.begin(), runs.end(), std::greater<>());
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    std::vector<TJournalRun> found;
    for (const std::int64_t nRun : runs) {
        if (std::optional<TJournalRun> run = journal.Run(nRun); run && run->dUndone == 0)
            found.push_back(std::move(*run));
    }
    return found;
}

std::string Counted(std::size_t n, const char* szOne, const char* szMany)
{
    return std::to_string(n) + " " + (n == 1 ? szOne : szMany);
}

}  // namespace

std::string JournalRunCountsText(const TJournalRun& run)
{
    TRunResult counts;
    counts.nAdded = run.nAdded;
    counts.nUpdated = run.nUpdated;
    counts.nIdentical = run.nIdentical;
    counts.nRefused = run.nRefused;
    return ImportCountsText(counts);
}

std::vector<TChangedItem> ChangedSinceImport(TImportJournal& journal, const std::vector<std::int64_t>& runs)
{
    TUndoReport report;
    TUndoWalk walk(journal, false, false);
    if (walk.Connected()) {
        for (const TJournalRun& run : RunsToUndo(journal, runs))
            walk.Walk(run, report);
    }
    return report.leftChanged;
}

TUndoReport UndoImports(TImportJournal& journal, const std::vector<std::int64_t>& runs, bool bIncludeChanged)
{
    TUndoReport report;
    TUndoWalk walk(journal, bIncludeChanged, true);
    if (!walk.Connected()) {
        report.bNoOutlook = true;
        return report;
    }
    for (const TJournalRun& run : RunsToUndo(journal, runs)) {
        walk.Walk(run, report);
        journal.MarkUndone(run.nId, JournalNow());
        report.undoneRuns.push_back(run.nId);
    }
    if (bIncludeChanged)
        report.leftChanged.clear();
    return report;
}

std::string UndoReportText(const TUndoReport& report)
{
    std::string text = Counted(report.nRemoved, "item removed", "items removed") + ", " +
                       std::to_string(report.nRestored) + " restored";
    const std::size_t nLeft = report.leftChanged.size();
    if (nLeft > 0)
        text += ", " + std::to_string(nLeft) +
                (nLeft == 1 ? " left as it is because it changed since" : " left as they are because they changed since");
    if (report.nAlreadyGone > 0)
        text += ", " + std::to_string(report.nAlreadyGone) + " already gone from Outlook";
    if (!report.failures.empty())
        text += ", " + std::to_string(report.failures.size()) + " could not be taken back";
    return text;
}
