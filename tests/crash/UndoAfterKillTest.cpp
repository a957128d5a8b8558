// A contacts import killed at random points is taken back from the journal it left: the
// folder is again what it was before that import, whatever the import had added or written
// over when it died, including a new contact saved just before its EntryID reached the
// journal.
#include "crash/CrashContacts.h"
#include "crash/CrashSeed.h"
#include "crash/ImportChildProcess.h"
#include "main/engine/ImportJournal.h"
#include "main/engine/UndoImport.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/ToolCommands.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <regex>
#include <sstream>
#include <thread>

namespace crash_test {
namespace {

constexpr const char* kChild = CRASH_IMPORT_CHILD;
constexpr int kContacts = 40;
constexpr int kRounds = 8;

// The contacts as the olsim tool lists them, without the time Outlook stamps on each save.
std::string ContactsListing()
{
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args{"list", "contacts", "--format", "json"};
    EXPECT_EQ(olsim::RunTool(args, out, err), 0) << err.str();
    static const std::regex kModified("\"LastModificationTime\": [^,}]*");
    return std::regex_replace(out.str(), kModified, "\"LastModificationTime\": _");
}

std::int64_t NewestRun(const std::string& journalPath)
{
    TImportJournal journal(journalPath);
    const std::vector<TJournalRun> runs = journal.Runs(1);
    return runs.empty() ? 0 : runs[0].nId;
}

TEST(UndoAfterKill, TheJournalOfAKilledImportTakesBackExactlyWhatItWrote)
{
    const unsigned seed = ChosenSeed();
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set " + kSeedVariable + " to repeat it)");
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfter(0, 2 * kContacts - 1);
    std::uniform_int_distribution<int> killDelay(0, kMaxKillDelayUs);

    const std::filesystem::path home = testing_support::CurrentTestDataHome();
    const std::string firstFile = (home / "first.csv").string();
    ASSERT_TRUE(WriteCrashCsv(firstFile, kContacts));
    // Writes over every contact of the first file and adds as many, taking turns.
    std::vector<CrashLine> lines;
    for (int nSerial = 1; nSerial <= kContacts; ++nSerial) {
        lines.push_back({nSerial, true});
        lines.push_back({kContacts + nSerial, false});
    }
    const std::string secondFile = (home / "second.csv").string();
    ASSERT_TRUE(WriteCrashLines(secondFile, lines));

    for (int nRound = 1; nRound <= kRounds && !HasFailure(); ++nRound) {
        const int nKillAfter = killAfter(random);
        const auto delay = std::chrono::microseconds(killDelay(random));
        SCOPED_TRACE("round " + std::to_string(nRound) + ": kill after " + std::to_string(nKillAfter) +
                     " records and " + std::to_string(delay.count()) + " us");
        const std::filesystem::path folder = home / ("undo-round-" + std::to_string(nRound));
        std::filesystem::create_directories(folder);
        setenv("OLSIM_PROFILE", (folder / "profile.sqlite").c_str(), 1);
        const std::string journalPath = (folder / "journal.sqlite").string();
        const std::vector<std::string> firstArgs{firstFile, folder.string() + "/", journalPath};
        const std::vector<std::string> secondArgs{secondFile, folder.string() + "/", journalPath};

        ImportChildProcess first(kChild, firstArgs);
        first.Finish();
        ASSERT_TRUE(WIFEXITED(first.Status()) && WEXITSTATUS(first.Status()) == 0) << first.StatusText();
        const std::string before = ContactsListing();
        const std::int64_t nFirstRun = NewestRun(journalPath);

        ImportChildProcess second(kChild, secondArgs);
        if (second.WaitForRecords(nKillAfter)) {
            std::this_thread::sleep_for(delay);
            second.Kill();
        } else {
            second.Finish();
        }
        // Killed before its run began, the second import wrote nothing either.
        const std::int64_t nRun = NewestRun(journalPath);
        ASSERT_NE(nFirstRun, 0);
        olsim::RegisterOutlookSimulator();
        if (nRun != nFirstRun) {
            TImportJournal journal(journalPath);
            const TUndoReport report = UndoImports(journal, {nRun}, false);
            EXPECT_TRUE(report.failures.empty()) << UndoReportText(report);
            EXPECT_TRUE(report.leftChanged.empty()) << UndoReportText(report);
        }
        olsim::UnregisterOutlookSimulator();
        EXPECT_EQ(ContactsListing(), before);
    }
}

}  // namespace
}  // namespace crash_test
