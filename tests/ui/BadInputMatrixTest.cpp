// The bad-input matrix: files, folders and settings that try to break the import, the export
// and the start-up, each row with the outcome the user must see. No row may crash, hang, or
// change a file the program only reads.
#include "WizardDriver.h"
#include "support/PermissionChecks.h"

#include "common/outlook/OlAddrUtil.h"
#include "main/Addrdata.h"
#include "records/CommAddrRec.h"

#include <QLabel>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

// The message names the file and, on its second line, the system's reason.
void ExpectOpenError(const std::string& text, const std::string& path)
{
    const std::string first = "Error opening CSV file: " + path + "\n";
    EXPECT_TRUE(text.starts_with(first)) << text;
    EXPECT_GT(text.size(), first.size()) << "the reason is given";
}

namespace fs = std::filesystem;
using testing_support::ScopedPermissionChecks;

// The rows that rely on permission bits the user passes through are reported as skipped.
void SkipRowsThatCannotHold(const std::vector<std::string>& skipped)
{
    std::string names;
    for (const std::string& name : skipped)
        names += (names.empty() ? "" : ", ") + name;
    if (!names.empty())
        GTEST_SKIP() << "permission bits do not hold for this user in: " << names;
}

bool CanRead(const std::string& path) { return std::ifstream(path, std::ios::binary).is_open(); }

bool CanCreateIn(const fs::path& folder)
{
    const fs::path probe = folder / "probe";
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

// A file's size and the hashes of its chunks; none for anything but a plain file.
struct Fingerprint {
    std::uintmax_t nSize = 0;
    std::vector<std::size_t> chunkHashes;
    bool operator==(const Fingerprint&) const = default;
};

std::optional<Fingerprint> FingerprintOf(const std::string& path)
{
    if (!fs::is_regular_file(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    Fingerprint print;
    std::vector<char> chunk(1 << 20);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        const auto nRead = static_cast<std::size_t>(in.gcount());
        print.chunkHashes.push_back(std::hash<std::string_view>{}(std::string_view(chunk.data(), nRead)));
        print.nSize += nRead;
    }
    return print;
}

// Opening a pipe for reading waits for a writer. Should the program ever do that, the guard
// plays the writer after a minute, so that the row fails instead of hanging the suite.
class PipeWriterGuard {
public:
    explicit PipeWriterGuard(std::string path) : m_path(std::move(path)), m_watcher([this] { Watch(); }) {}
    ~PipeWriterGuard()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_bDone = true;
        }
        m_changed.notify_one();
        m_watcher.join();
    }
    PipeWriterGuard(const PipeWriterGuard&) = delete;
    PipeWriterGuard& operator=(const PipeWriterGuard&) = delete;

    bool Fired() const { return m_bFired; }

private:
    void Watch()
    {
        std::unique_lock lock(m_mutex);
        if (m_changed.wait_for(lock, std::chrono::minutes(1), [this] { return m_bDone; }))
            return;
        const int fd = open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            m_bFired = true;
            close(fd);
        }
    }

    const std::string m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bDone = false;
    std::atomic<bool> m_bFired = false;
    std::thread m_watcher;
};

// Deletes the file at the first pause of a run, after its first record, as another program
// might while the run goes on.
class DeleteAtFirstPause : private ui::Pauser {
public:
    explicit DeleteAtFirstPause(std::string path) : m_path(std::move(path)), m_scope(*this) {}

private:
    void Pause(int) override
    {
        if (!std::exchange(m_bDone, true))
            fs::remove(m_path);
    }

    const std::string m_path;
    bool m_bDone = false;
    ui::ScopedPauser m_scope;
};

using InputMaker = std::function<std::string(const fs::path& folder)>;

InputMaker FileOf(std::string bytes)
{
    return [bytes = std::move(bytes)](const fs::path& folder) {
        const std::string path = (folder / "input.csv").string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    };
}

// A line of nBytes after a first name and a comma, without a line end: no buffer holds it.
InputMaker OneHugeLine(std::size_t nBytes)
{
    return [nBytes](const fs::path& folder) {
        const std::string path = (folder / "huge.csv").string();
        std::ofstream out(path, std::ios::binary);
        out << "Ann,";
        const std::string chunk(1 << 20, 'b');
        for (std::size_t nWritten = 0; nWritten < nBytes; nWritten += chunk.size())
            out.write(chunk.data(), static_cast<std::streamsize>(std::min(chunk.size(), nBytes - nWritten)));
        return path;
    };
}

std::string ManyColumns(int nColumns)
{
    std::string line;
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        line += (nColumn ? ",c" : "c") + std::to_string(nColumn);
    return line + "\r\n";
}

struct Contact {
    std::string first;
    std::string last;
    bool operator==(const Contact&) const = default;
};

void PrintTo(const Contact& contact, std::ostream* out) { *out << "{" << contact.first << "|" << contact.last << "}"; }

enum class TImportOutcome {
    Refused,    // page 1 says "Error opening CSV file: %s" and stays
    NotText,    // page 1 says "This file does not look like a CSV file" and stays
    NoRecords,  // page 3 lists nothing, and its Next says that no contact is chosen
    Imported,   // the run adds the contacts to Outlook and reports success
};

struct ImportRow {
    const char* szName;
    InputMaker makeInput;
    char chQuote;
    bool bPermissionChecks;
    TImportOutcome outcome;
    std::vector<Contact> contacts;
};

const std::string kLongLastName(sizeof(CommAddrRec::szLastName) - 1, 'b');

class BadInput : public WizardDriverTest {
protected:
    std::vector<Contact> OutlookContacts()
    {
        const QJsonArray items = Items("contacts");
        const std::vector<std::string> first = Texts(items, "FirstName");
        const std::vector<std::string> last = Texts(items, "LastName");
        std::vector<Contact> contacts;
        for (std::size_t n = 0; n < first.size(); ++n)
            contacts.push_back({first[n], last[n]});
        return contacts;
    }

    static void AddContact(const char* szFirst, const char* szLast)
    {
        OlAddrUtil adapter;
        const auto pRec = std::make_unique<CommAddrRec>();
        std::strcpy(pRec->szFirstName, szFirst);
        std::strcpy(pRec->szLastName, szLast);
        ASSERT_TRUE(adapter.SaveRecord(pRec.get()));
    }

    // The kind whose button page 0 shows checked, 0 for none.
    int ShownFlag()
    {
        const std::pair<int, QRadioButton*> kinds[] = {{FLAG_ADDR, fmMode->rbtnAddr},
                                                      {FLAG_DATE, fmMode->rbtnDate},
                                                      {FLAG_TASK, fmMode->rbtnTask},
                                                      {FLAG_NOTE, fmMode->rbtnNote}};
        for (const auto& [nFlag, button] : kinds)
            if (button->isChecked())
                return nFlag;
        return 0;
    }
    int ShownMode() { return fmMode->rbtnC2O->isChecked() ? MODE_C2O : MODE_O2C; }
};

TEST_F(BadInput, ImportFilesEndInTheirOutcomeAndStayUnchanged)
{
    const ImportRow rows[] = {
        {"empty file", FileOf(""), '"', false, TImportOutcome::NoRecords, {}},
        {"one line feed", FileOf("\n"), '"', false, TImportOutcome::NoRecords, {}},
        {"200 MB in one line", OneHugeLine(200u << 20), '\0', false, TImportOutcome::Imported,
         {{"Ann", kLongLastName}}},
        // Zero bytes are no text: they are left out, and the rest of the line is kept.
        {"a stray NUL byte", FileOf(std::string("Ann\0ie,Baker\r\nBob,Smith\r\nCy,Young\r\nDee,Evans\r\n", 45)), '\0',
         false, TImportOutcome::Imported, {{"Annie", "Baker"}, {"Bob", "Smith"}, {"Cy", "Young"}, {"Dee", "Evans"}}},
        {"NUL bytes all over", FileOf(std::string("Ann\0ie,Baker\r\nBob,Sm\0ith\0\r\n", 27)), '\0', false,
         TImportOutcome::NotText, {}},
        {"invalid UTF-8, read byte for byte as Windows-1252", FileOf("Ann\xC3,Baker\xFF\r\n\xE2\x82,\x80x\r\n"), '\0',
         false, TImportOutcome::Imported, {{"AnnÃ", "Bakerÿ"}, {"â‚", "€x"}}},
        {"Windows-1252 text", FileOf("Ren\xE9" "e,M\xFCller\r\n\x93Jo\x94,Gar\xE7on\r\n"), '\0', false,
         TImportOutcome::Imported, {{"Renée", "Müller"}, {"“Jo”", "Garçon"}}},
        {"UTF-8 with a byte-order mark", FileOf("\xEF\xBB\xBF\"Zoë\",\"Baker\"\r\n\"Bob\",\"Smith\"\r\n"), '"', false,
         TImportOutcome::Imported, {{"Zoë", "Baker"}, {"Bob", "Smith"}}},
        {"100,000 columns", FileOf(ManyColumns(100000) + "Dee,Evans\r\n"), '\0', false, TImportOutcome::Imported,
         {{"c0", "c1"}, {"Dee", "Evans"}}},
        // The open quote takes every later line into its value, as spreadsheet programs read
        // it: the text stays, in one record.
        {"a quote never closed", FileOf("\"Ann\",\"Baker\"\r\n\"Bob,Smith\r\n\"Cy\",\"Dunn\"\r\n"), '"', false,
         TImportOutcome::Imported, {{"Ann", "Baker"}, {"Bob,Smith\r\n\"Cy", "Dunn"}}},
        {"a quote never closed, at the end", FileOf("\"Ann\",\"Baker\"\r\n\"Bob\",\"Smith\r\n"), '"', false,
         TImportOutcome::Imported, {{"Ann", "Baker"}, {"Bob", "Smith"}}},
        {"a folder",
         [](const fs::path& folder) {
             fs::create_directory(folder / "folder.csv");
             return (folder / "folder.csv").string();
         },
         '"', false, TImportOutcome::Refused, {}},
        {"a FIFO",
         [](const fs::path& folder) {
             const std::string path = (folder / "fifo.csv").string();
             EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
             return path;
         },
         '"', false, TImportOutcome::Refused, {}},
        {"a file without read permission",
         [](const fs::path& folder) {
             const std::string path = FileOf("\"Ann\",\"Baker\"\r\n")(folder);
             fs::permissions(path, fs::perms::none);
             return path;
         },
         '"', true, TImportOutcome::Refused, {}},
    };
    std::vector<std::string> skipped;
    for (const ImportRow& row : rows) {
        SCOPED_TRACE(row.szName);
        const testing_support::TempDir folder;
        const std::string path = row.makeInput(folder.path());
        const std::optional<Fingerprint> before = FingerprintOf(path);
        ui::MessageRecorder shown;
        {
            std::optional<ScopedPermissionChecks> checks;
            if (row.bPermissionChecks) {
                checks.emplace();
                if (CanRead(path)) {
                    skipped.push_back(row.szName);
                    continue;
                }
            }
            std::optional<PipeWriterGuard> guard;
            if (fs::is_fifo(path))
                guard.emplace(path);

            Wizard().GoToStep(0);
            ChooseConversion(MODE_C2O, FLAG_ADDR);
            SetFileOptions({path, row.chQuote, false, false});
            if (Step() == 2)
                ChooseFields({"First Name", "Last Name"});
            if (Step() == 3)
                Convert();
            EXPECT_FALSE(guard && guard->Fired()) << "the page waited for a writer of the pipe";
        }

        switch (row.outcome) {
        case TImportOutcome::Refused:
            EXPECT_EQ(Step(), 1);
            ASSERT_EQ(shown.Messages().size(), 1u);
            ExpectOpenError(shown.Messages()[0].text.toStdString(), path);
            EXPECT_EQ(shown.Messages()[0].caption, "Brindle Error");
            break;
        case TImportOutcome::NotText:
            EXPECT_EQ(Step(), 1);
            ASSERT_EQ(shown.Messages().size(), 1u);
            EXPECT_EQ(shown.Messages()[0].text, "This file does not look like a CSV file");
            break;
        case TImportOutcome::NoRecords:
            EXPECT_EQ(Step(), 3);
            EXPECT_EQ(RowCount(fmAddrData->lvAddrData), 0);
            ASSERT_EQ(shown.Messages().size(), 1u);
            EXPECT_EQ(shown.Messages()[0].text,
                      "No contact record is selected. Please select the records you want to convert.");
            break;
        case TImportOutcome::Imported:
            EXPECT_EQ(Step(), 5);
            EXPECT_TRUE(shown.Messages().empty());
            EXPECT_EQ(fmFinish->lblResult->text().toStdString(),
                      "Convesion succeeded. " + std::to_string(row.contacts.size()) + " records were converted");
            break;
        }
        EXPECT_EQ(OutlookContacts(), row.contacts);
        EXPECT_EQ(FingerprintOf(path), before) << "the input changed";

        DestroyConvObjects();
        Tool({"clear", "contacts"});
        fs::permissions(path, fs::perms::owner_all);
        fs::remove_all(path);
    }
    SkipRowsThatCannotHold(skipped);
}

enum class TExportOutcome {
    Refused,  // page 1 says "Error opening CSV file: %s" and stays; nothing is created
    Failed,   // the result page says the conversion failed
};

struct ExportRow {
    const char* szName;
    InputMaker makeTarget;
    bool bAppend;
    bool bPermissionChecks;
    bool bDeleteMidRun;
    TExportOutcome outcome;
    int nConverted;  // the rows that reached the file at the path before the failure
};

std::string InReadOnlyFolder(const fs::path& folder)
{
    fs::create_directory(folder / "locked");
    fs::permissions(folder / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    return (folder / "locked" / "out.csv").string();
}

std::string KeptFile(const fs::path& folder)
{
    const std::string path = (folder / "out.csv").string();
    std::ofstream(path, std::ios::binary) << "kept\r\n";
    return path;
}

TEST_F(BadInput, ExportTargetsThatFailAreNeverReportedAsSuccess)
{
    AddContact("Ann", "Baker");
    AddContact("Bob", "Smith");
    const ExportRow rows[] = {
        {"a read-only folder, overwrite", InReadOnlyFolder, false, true, false, TExportOutcome::Refused, 0},
        {"a read-only folder, append", InReadOnlyFolder, true, true, false, TExportOutcome::Refused, 0},
        {"/dev/full, overwrite", [](const fs::path&) { return std::string("/dev/full"); }, false, false, false,
         TExportOutcome::Failed, 0},
        {"/dev/full, append", [](const fs::path&) { return std::string("/dev/full"); }, true, false, false,
         TExportOutcome::Failed, 0},
        {"a FIFO, which no program reads",
         [](const fs::path& folder) {
             const std::string path = (folder / "fifo.csv").string();
             EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
             return path;
         },
         false, false, false, TExportOutcome::Refused, 0},
        {"deleted during the run, overwrite", KeptFile, false, false, true, TExportOutcome::Failed, 0},
        {"deleted during the run, append", KeptFile, true, false, true, TExportOutcome::Failed, 0},
    };
    std::vector<std::string> skipped;
    for (const ExportRow& row : rows) {
        SCOPED_TRACE(row.szName);
        const testing_support::TempDir folder;
        const std::string path = row.makeTarget(folder.path());
        ui::MessageRecorder shown;
        {
            std::optional<ScopedPermissionChecks> checks;
            if (row.bPermissionChecks) {
                checks.emplace();
                if (CanCreateIn(fs::path(path).parent_path())) {
                    skipped.push_back(row.szName);
                    continue;
                }
            }
            std::optional<DeleteAtFirstPause> deleter;
            if (row.bDeleteMidRun)
                deleter.emplace(path);

            Wizard().GoToStep(0);
            ChooseConversion(MODE_O2C, FLAG_ADDR);
            SetFileOptions({path, '"', row.bAppend, true});
            if (Step() == 2)
                ChooseFields({"First Name", "Last Name"});
            if (Step() == 3)
                Convert();
        }

        switch (row.outcome) {
        case TExportOutcome::Refused:
            EXPECT_EQ(Step(), 1);
            ASSERT_EQ(shown.Messages().size(), 1u);
            ExpectOpenError(shown.Messages()[0].text.toStdString(), path);
            EXPECT_FALSE(fs::is_regular_file(path));
            break;
        case TExportOutcome::Failed:
            EXPECT_EQ(Step(), 5);
            EXPECT_TRUE(shown.Messages().empty());
            EXPECT_EQ(fmFinish->lblResult->text().toStdString(),
                      "Conversion failed. " + std::to_string(row.nConverted) + " records were converted");
            break;
        }
        DestroyConvObjects();
        if (row.bPermissionChecks)
            fs::permissions(fs::path(path).parent_path(), fs::perms::owner_all);
    }
    SkipRowsThatCannotHold(skipped);
}

using SettingsMaker = std::function<void(const std::string& iniPath)>;

SettingsMaker IniOf(std::string text)
{
    return [text = std::move(text)](const std::string& iniPath) { std::ofstream(iniPath, std::ios::binary) << text; };
}

// Bytes from a fixed seed, so that every run reads the same file.
SettingsMaker RandomBytes(std::size_t nBytes)
{
    return [nBytes](const std::string& iniPath) {
        std::mt19937 generator(11);
        std::string bytes(nBytes, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(generator() & 0xFF);
        std::ofstream(iniPath, std::ios::binary) << bytes;
    };
}

// Sections of other programs, then the program's own with thousands of foreign keys before
// its settings; every value is a kilobyte long.
SettingsMaker HugeIni(std::size_t nBytes)
{
    return [nBytes](const std::string& iniPath) {
        const std::string value(1000, 'v');
        std::ofstream out(iniPath, std::ios::binary);
        std::size_t nWritten = 0;
        const auto line = [&](const std::string& text) {
            out << text << "\r\n";
            nWritten += text.size() + 2;
        };
        for (int nSection = 0; nWritten < nBytes / 2; ++nSection) {
            line("[Other " + std::to_string(nSection) + "]");
            for (int nKey = 0; nKey < 100; ++nKey)
                line("Key" + std::to_string(nKey) + "=" + value);
        }
        line("[Brindle]");
        for (int nKey = 0; nWritten < nBytes; ++nKey)
            line("Foreign" + std::to_string(nKey) + "=" + value);
        line("AppMode=2");
        line("AppFlag=8");
        line("EnableDebug=1");
    };
}

struct SettingsRow {
    const char* szName;
    SettingsMaker makeIni;
    bool bReadOnlyFolder;  // the data folder, with the INI file and the log, cannot be written
    int nModeShown;        // page 0 at start
    int nFlagShown;
    bool bLogWritten;
    bool bSettingsSaved;  // the next start shows the choices of the run
};

TEST_F(BadInput, BadSettingsLeaveTheProgramWorking)
{
    Tool({"seed", "--sample"});
    const std::size_t nTasks = static_cast<std::size_t>(Items("tasks").size());
    ASSERT_GT(nTasks, 0u);
    const SettingsRow rows[] = {
        {"an INI of random bytes", RandomBytes(64 << 10), false, MODE_O2C, FLAG_ADDR, false, true},
        // The debug log is on in the program's section, and only there, so the log is written.
        // Ten megabytes here, rewritten key by key on exit; the store alone is tried with fifty.
        {"a huge INI", HugeIni(10u << 20), false, MODE_C2O, FLAG_NOTE, true, true},
        // Windows reads and writes the first section of a name; the second one is never seen.
        {"duplicate sections",
         IniOf("[Brindle]\r\nAppMode=2\r\nAppFlag=4\r\n[Other]\r\nx=1\r\n[Brindle]\r\nAppMode=1\r\nAppFlag=2\r\n"
               "EnableDebug=1\r\n"),
         false, MODE_C2O, FLAG_TASK, false, true},
        {"a log folder that cannot be written",
         IniOf("[Brindle]\r\nAppMode=2\r\nAppFlag=8\r\nEnableDebug=1\r\nLogLevel=3\r\n"), true, MODE_C2O,
         FLAG_NOTE, false, false},
    };
    std::vector<std::string> skipped;
    for (const SettingsRow& row : rows) {
        SCOPED_TRACE(row.szName);
        fs::create_directories(DataFolder());
        row.makeIni(IniPath());
        if (row.bReadOnlyFolder)
            fs::permissions(DataFolder(), fs::perms::owner_read | fs::perms::owner_exec);
        const std::string out = TempFile("tasks.csv");
        {
            std::optional<ScopedPermissionChecks> checks;
            if (row.bReadOnlyFolder) {
                checks.emplace();
                if (CanCreateIn(DataFolder())) {
                    skipped.push_back(row.szName);
                    fs::permissions(DataFolder(), fs::perms::owner_all);
                    continue;
                }
            }
            Wizard();
            EXPECT_EQ(ShownMode(), row.nModeShown);
            EXPECT_EQ(ShownFlag(), row.nFlagShown);
            ChooseConversion(MODE_O2C, FLAG_TASK);
            SetFileOptions({out, '"', false, false});
            ChooseFields({"Subject"});
            Convert();
            EXPECT_EQ(fmFinish->lblResult->text().toStdString(),
                      "Convesion succeeded. " + std::to_string(nTasks) + " records were converted");
            wizard.reset();
        }
        EXPECT_EQ(fs::exists(LogPath()), row.bLogWritten);

        Wizard();
        EXPECT_EQ(ShownMode(), row.bSettingsSaved ? MODE_O2C : row.nModeShown);
        EXPECT_EQ(ShownFlag(), row.bSettingsSaved ? FLAG_TASK : row.nFlagShown);
        wizard.reset();

        DestroyConvObjects();
        fs::permissions(DataFolder(), fs::perms::owner_all);
        fs::remove_all(DataFolder());
    }
    SkipRowsThatCannotHold(skipped);
}

}  // namespace
