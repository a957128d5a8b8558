// A contacts import killed with SIGKILL at random points: the profile must open, pass
// SQLite's integrity check and hold the first contacts of the file, each of them whole,
// including every contact the import had finished before the kill.
#include "crash/CrashContacts.h"
#include "crash/CrashSeed.h"
#include "crash/ImportChildProcess.h"
#include "crash/StoredContacts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace crash_test {
namespace {

constexpr const char* kChild = CRASH_IMPORT_CHILD;
// Large enough that the store goes through many write-ahead log checkpoints in the kill
// range; each contact costs the adapter's whole road, so more would only slow the suite.
constexpr int kLargeImport = 1000;
constexpr int kSmallImport = 300;
constexpr int kRounds = 25;
// One run of the child on a fresh profile in its own folder.
class ImportRound {
public:
    ImportRound(const std::string& csvFile, const std::string& name)
        : m_folder(testing_support::CurrentTestDataHome() / name),
          m_profile((m_folder / "profile.sqlite").string())
    {
        std::filesystem::create_directories(m_folder);
        setenv("OLSIM_PROFILE", m_profile.c_str(), 1);
        const std::vector<std::string> args{csvFile, m_folder.string() + "/"};
        m_child = std::make_unique<ImportChildProcess>(kChild, args);
    }

    ImportChildProcess& Child() { return *m_child; }
    const std::string& Profile() const { return m_profile; }

    // The child's status and the errors it logged, for failure messages.
    std::string Report() const
    {
        std::ifstream log(m_folder / "appdebug.log");
        const std::string logged((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
        return "child " + m_child->StatusText() + " after " + std::to_string(m_child->RecordsReported()) +
               " records; its log: " + (logged.empty() ? "(empty)" : logged);
    }

private:
    std::filesystem::path m_folder;
    std::string m_profile;
    std::unique_ptr<ImportChildProcess> m_child;
};

bool KilledBySigkill(int nStatus) { return WIFSIGNALED(nStatus) && WTERMSIG(nStatus) == SIGKILL; }

bool ExitedCleanly(int nStatus) { return WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0; }

std::string WriteContacts(int nContacts)
{
    const std::string path = (testing_support::CurrentTestDataHome() / "contacts.csv").string();
    EXPECT_TRUE(WriteCrashCsv(path, nContacts)) << path;
    return path;
}

TEST(StoreSurvivesKill, ImportLeftAloneStoresEveryContactWhole)
{
    const std::string csvFile = WriteContacts(kSmallImport);
    ImportRound round(csvFile, "whole");
    round.Child().Finish();
    ASSERT_TRUE(ExitedCleanly(round.Child().Status())) << round.Report();
    EXPECT_EQ(round.Child().RecordsReported(), kSmallImport);

    EXPECT_EQ(IntegrityCheck(round.Profile()), "ok");
    const StoredContacts stored = ReadStoredContacts();
    ASSERT_TRUE(stored.bOpened);
    EXPECT_EQ(stored.problem, "");
    EXPECT_EQ(stored.nCount, kSmallImport);
    EXPECT_EQ(stored.nPrefix, kSmallImport);
}

TEST(StoreSurvivesKill, KilledImportLeavesTheFirstContactsWhole)
{
    const unsigned seed = ChosenSeed();
    SCOPED_TRACE("seed " + std::to_string(seed) + " (set " + kSeedVariable + " to repeat it)");
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfter(0, kLargeImport - 1);
    std::uniform_int_distribution<int> killDelay(0, kMaxKillDelayUs);
    const std::string csvFile = WriteContacts(kLargeImport);

    for (int nRound = 1; nRound <= kRounds && !HasFailure(); ++nRound) {
        const int nKillAfter = killAfter(random);
        const auto delay = std::chrono::microseconds(killDelay(random));
        SCOPED_TRACE("round " + std::to_string(nRound) + ": kill after " + std::to_string(nKillAfter) +
                     " records and " + std::to_string(delay.count()) + " us");

        ImportRound round(csvFile, "round-" + std::to_string(nRound));
        ImportChildProcess& child = round.Child();
        ASSERT_TRUE(child.Running()) << "cannot start " << kChild;
        if (child.WaitForRecords(nKillAfter)) {
            std::this_thread::sleep_for(delay);
            child.Kill();
        } else {
            child.Finish();
        }
        ASSERT_TRUE(child.Started() && !child.Stalled()) << round.Report();
        const bool bFinished = ExitedCleanly(child.Status()) && child.RecordsReported() == kLargeImport;
        ASSERT_TRUE(KilledBySigkill(child.Status()) || bFinished) << round.Report();

        EXPECT_EQ(IntegrityCheck(round.Profile()), "ok");
        const StoredContacts stored = ReadStoredContacts();
        ASSERT_TRUE(stored.bOpened) << "the profile does not open";
        EXPECT_EQ(stored.problem, "");
        EXPECT_EQ(stored.nPrefix, stored.nCount);
        // Every contact whose save had returned is kept; the one being saved at the kill
        // may have been committed too.
        EXPECT_GE(stored.nCount, child.RecordsReported());
        EXPECT_LE(stored.nCount, std::min(child.RecordsReported() + 1, kLargeImport));
    }
}

}  // namespace
}  // namespace crash_test
