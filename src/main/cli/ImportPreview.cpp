#include "main/cli/ImportPreview.h"

#include "common/misc/CxList.h"
#include "main/cli/CliCommands.h"
#include "main/cli/CliExit.h"
#include "main/cli/CliKinds.h"
#include "main/engine/ConvObjects.h"

#include <string>
#include <vector>

namespace {

// The action as the record page's Action column words it, whose caption follows it (an
// update names the item it writes over) and where it is counted.
struct TActionWords {
    TImportAction nAction;
    const char* szWords;
    bool bMatchedCaption;
    int TCliCounts::*pCount;
};

constexpr TActionWords kActionWords[] = {
    {TImportAction::Added, "add", false, &TCliCounts::nAdded},
    {TImportAction::Updated, "update", true, &TCliCounts::nUpdated},
    {TImportAction::Identical, "skip (identical)", false, &TCliCounts::nSkipped},
    {TImportAction::Refused, "refused", false, &TCliCounts::nRefused},
};

const TActionWords& WordsOf(TImportAction nAction)
{
    for (const TActionWords& words : kActionWords) {
        if (words.nAction == nAction)
            return words;
    }
    return kActionWords[std::size(kActionWords) - 1];
}

std::string CountsLine(const TCliCounts& counts)
{
    std::string line = std::to_string(counts.nAdded) + " to add, " + std::to_string(counts.nUpdated)
                       + " to update, " + std::to_string(counts.nSkipped) + " identical";
    if (counts.nRefused > 0)
        line += ", " + std::to_string(counts.nRefused) + " refused";
    return line;
}

}  // namespace

int PreviewImportRun(const TCliStreams& io, bool bJson, const TCliKind& kind, CxList& records, bool bTitleRowSkipped,
                     TCliCounts counts)
{
    std::vector<void*> ordered;
    ordered.reserve(records.GetCount());
    for (void* pRec = records.GetFirst(); pRec != nullptr; pRec = records.GetNext())
        ordered.push_back(pRec);
    const std::vector<TImportPreview> previews = PreviewImport(kind.nFlag, ordered);

    const int nFirstRow = bTitleRowSkipped ? 2 : 1;
    for (std::size_t nRecord = 0; nRecord < previews.size() && nRecord < ordered.size(); ++nRecord) {
        const TImportPreview& preview = previews[nRecord];
        const TActionWords& words = WordsOf(preview.nAction);
        ++(counts.*words.pCount);
        if (bJson)
            continue;
        const void* pNamed = words.bMatchedCaption && preview.pMatched ? preview.pMatched : ordered[nRecord];
        const std::string caption = kind.Caption(pNamed);
        io.out << "row " << nFirstRow + static_cast<int>(nRecord) << ": " << words.szWords
               << (caption.empty() ? "" : ": ") << caption << '\n';
    }
    counts.nWritten = 0;
    if (bJson)
        io.out << CountsJson(counts) << '\n';
    else
        io.out << "Dry run, nothing written: " << CountsLine(counts) << '\n';
    io.out.flush();
    return kExitDone;
}
