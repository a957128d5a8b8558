// brindle undo: the imports the journal recorded, listed, and taken back.
#include "common/misc/SqliteDatabase.h"
#include "common/outlook/OlComm.h"
#include "main/cli/CliCommands.h"
#include "main/cli/CliExit.h"
#include "main/cli/CliKinds.h"
#include "main/engine/ImportJournal.h"
#include "main/engine/UndoImport.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr std::size_t kListedRuns = 20;
constexpr int kTimeSize = 32;

std::string KindName(int nFlag)
{
    const auto kinds = CliKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [nFlag](const TCliKind& k) { return k.nFlag == nFlag; });
    return kind != kinds.end() ? kind->szName : "?";
}

std::string RunTime(DATE dTime)
{
    char szTime[kTimeSize] = "";
    OlBaseUtil::FormatOleDateTime(dTime, szTime, kTimeSize);
    return szTime;
}

std::string RunLine(const TJournalRun& run)
{
    std::string line = std::to_string(run.nId) + "  " + RunTime(run.dStarted) + "  " + KindName(run.nFlag) + "  " +
                       run.csvFile + "  " + JournalRunCountsText(run);
    if (!run.bFinished)
        line += " (stopped before the end)";
    if (run.dUndone != 0)
        line += " (undone)";
    return line;
}

int ListRuns(TImportJournal& journal, const TCliStreams& io)
{
    const std::vector<TJournalRun> runs = journal.Runs(kListedRuns);
    if (runs.empty())
        io.err << "note: no import has been recorded yet\n";
    for (const TJournalRun& run : runs)
        io.out << RunLine(run) << '\n';
    return kExitDone;
}

// The runs the request names, each recorded and not undone yet; the problem otherwise.
std::optional<std::string> ChosenRuns(TImportJournal& journal, const TCliRequest& request,
                                      std::vector<std::int64_t>& runs)
{
    if (request.bLast) {
        const std::vector<TJournalRun> recent = journal.Runs(kListedRuns);
        const auto open = std::find_if(recent.begin(), recent.end(), [](const TJournalRun& r) { return r.dUndone == 0; });
        if (open == recent.end())
            return std::string("there is no import left to undo");
        runs.push_back(open->nId);
        return std::nullopt;
    }
    for (const std::int64_t nRun : request.runs) {
        const std::optional<TJournalRun> run = journal.Run(nRun);
        if (!run)
            return "no import " + std::to_string(nRun) + " is recorded (brindle undo --list shows them)";
        if (run->dUndone != 0)
            return "import " + std::to_string(nRun) + " was undone already";
        runs.push_back(nRun);
    }
    return std::nullopt;
}

}  // namespace

int RunUndoCommand(const TCliRequest& request, const TCliStreams& io)
{
    std::unique_ptr<TImportJournal> journal;
    try {
        journal = std::make_unique<TImportJournal>(DefaultJournalPath());
    } catch (const SqliteError& error) {
        return Failure(io, std::string("the import journal cannot be opened: ") + error.what());
    }
    if (request.bList)
        return ListRuns(*journal, io);

    std::vector<std::int64_t> runs;
    if (const auto problem = ChosenRuns(*journal, request, runs))
        return Failure(io, *problem);
    const TUndoReport report = UndoImports(*journal, runs, request.bChanged);
    if (report.bNoOutlook)
        return Failure(io, "Outlook cannot be reached: nothing was undone");
    for (const TChangedItem& item : report.leftChanged)
        io.err << "note: left as it is because it changed since the import: \"" << item.caption << "\" (row "
               << item.nRow << " of import " << item.nRun << ")\n";
    for (const std::string& failure : report.failures)
        io.err << "error: " << failure << '\n';
    io.out << UndoReportText(report) << '\n';
    return report.failures.empty() ? kExitDone : kExitFailed;
}
