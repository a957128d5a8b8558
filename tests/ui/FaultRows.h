// Drives the real wizard against a simulated Outlook that refuses one call (or a few), one
// row of an adapter's failure table per test: the error line the row names must reach the
// debug log at error level (or no error line at all where the row names none), the wizard
// must go on to its result page, and the count shown there must be the number of items the
// run really wrote: CSV rows for an export, saves of Outlook items for an import.
#pragma once

#include "WizardDriver.h"

#include "olsim/FaultInjection.h"

#include <QLabel>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace fault_rows {

// When the fault is injected: before page 1 is left (so the connection and the loading meet
// it, in both directions), or once page 3 is filled (so only the run meets it).
enum class Phase { Connect, Run };

enum class Direction { Export, Import };

// What a run in one direction comes to.
inline constexpr int kEveryItem = -1;  // export: one row for every item of the kind
inline constexpr int kNoRecords = -2;  // export: nothing loaded; page 3 says so and stays
inline constexpr int kCannotHappen = -3;  // the fault is never met in this direction

struct Fault {
    const char* szObject;
    const char* szMember;
    HRESULT hr;
    olsim::FaultRepeat repeat = olsim::FaultRepeat::Always;
    unsigned nPassFirst = 0;  // calls let through before the fault fires
};

// The Outlook the wizard meets: the simulated one, none at all, or a stand-in whose server
// refuses to run or offers no automation interface.
enum class Server { Simulated, NotRegistered, RunRefused, NoDispatch };

struct Row {
    const char* szName;  // the test's name
    std::vector<Fault> faults;
    Phase phase;
    // The error lines the row names, word for word; "{index}" stands for the position of the
    // record an update is written for. Empty: no error line at all.
    std::vector<std::string> errorLines;
    int nExportRows;     // CSV rows written, or kEveryItem, kNoRecords, kCannotHappen
    int nImportWritten;  // Outlook items added or changed, or kCannotHappen
    Server server = Server::Simulated;
};

// What a server answers when it cannot be started.
inline constexpr HRESULT kServerExecFailure = static_cast<HRESULT>(0x80080005);

// An Outlook that is installed but does not start (Run fails) or starts without offering
// IDispatch.
class StandInOutlook : public IRunnableObject {
public:
    explicit StandInOutlook(HRESULT hrRun) : m_hrRun(hrRun) {}

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (!ppvObject)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IRunnableObject) {
            *ppvObject = static_cast<IRunnableObject*>(this);
            AddRef();
            return S_OK;
        }
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_nReferences; }
    ULONG Release() override
    {
        const ULONG nLeft = --m_nReferences;
        if (nLeft == 0)
            delete this;
        return nLeft;
    }
    HRESULT GetRunningClass(LPCLSID) override { return E_NOTIMPL; }
    HRESULT Run(LPBINDCTX) override { return m_hrRun; }
    BOOL IsRunning() override { return SUCCEEDED(m_hrRun); }
    HRESULT LockRunning(BOOL, BOOL) override { return S_OK; }
    HRESULT SetContainedObject(BOOL) override { return S_OK; }

    // Registers it as Outlook.Application in place of the simulated Outlook.
    static void Register(HRESULT hrRun)
    {
        platform::RegisterClassFactory(OLESTR("Outlook.Application"), olsim::CLSID_OutlookApplication,
                                       [hrRun](REFIID riid, void** ppv) {
                                           auto* pOutlook = new StandInOutlook(hrRun);
                                           const HRESULT hr = pOutlook->QueryInterface(riid, ppv);
                                           pOutlook->Release();
                                           return hr;
                                       });
    }

private:
    ~StandInOutlook() override = default;

    HRESULT m_hrRun;
    ULONG m_nReferences = 1;
};

inline void UseServer(Server server)
{
    if (server == Server::NotRegistered)
        olsim::UnregisterOutlookSimulator();
    else if (server == Server::RunRefused)
        StandInOutlook::Register(kServerExecFailure);
    else if (server == Server::NoDispatch)
        StandInOutlook::Register(S_OK);
}

// One kind of data, as the fault rows drive it.
struct Kind {
    int nFlag;
    const char* szToolKind;         // as the olsim tool names it
    QStringList exportFields;       // one column whose values have no line break
    QStringList importFields;
    // Three rows: two new items, then one with the first row's key and other content, which
    // updates the item written for the first row (tasks: a sample task, whose key a CSV row
    // can match).
    std::string importCsv;
    // The position, among the records the adapter holds, of the record the third row updates;
    // itemsBefore is the number of items of the kind before the import.
    std::function<int(int itemsBefore)> updateIndex;
    std::string noRecordsMessage;
};

// The sample items and three CSV rows bring every kind this far without a fault.
inline constexpr int kWrittenWithoutFault = 3;

struct Case {
    const Kind* pKind;
    Row row;
    Direction direction;
};

inline std::ostream& operator<<(std::ostream& out, const Case& c)
{
    return out << c.row.szName << (c.direction == Direction::Export ? " export" : " import");
}

// One case for each direction in which the row can happen.
inline std::vector<Case> Cases(const Kind& kind, const std::vector<Row>& rows)
{
    std::vector<Case> cases;
    for (const Row& row : rows) {
        if (row.nExportRows != kCannotHappen)
            cases.push_back({&kind, row, Direction::Export});
        if (row.nImportWritten != kCannotHappen)
            cases.push_back({&kind, row, Direction::Import});
    }
    return cases;
}

inline std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    return std::string(info.param.row.szName) + (info.param.direction == Direction::Export ? "_Export" : "_Import");
}

struct LogLine {
    bool bError;
    std::string message;
};

class FaultRowTest : public WizardDriverTest, public ::testing::WithParamInterface<Case> {
protected:
    void TearDown() override
    {
        olsim::ClearFaults();
        WizardDriverTest::TearDown();
    }

    void RunCase()
    {
        const Case& c = GetParam();
        platform::ScopedClock clock(TickingClock());
        // The whole log, so that a line written below error level shows.
        WriteIni("[Brindle]\nEnableDebug=1\nLogLevel=3\n");
        Tool({"seed", "--sample"});
        UseServer(c.row.server);
        const int nItemsBefore = static_cast<int>(Items(c.pKind->szToolKind).size());
        if (c.row.phase == Phase::Connect)
            Inject(c.row.faults);
        if (c.direction == Direction::Export)
            Export(c);
        else
            Import(c, nItemsBefore);
        olsim::ClearFaults();
        CheckLog(c.row, c.pKind->updateIndex(nItemsBefore));
    }

private:
    // A clock a minute further on at every reading.
    static platform::LocalClock TickingClock()
    {
        SYSTEMTIME stStart = platform::MakeSystemTime(2024, 3, 15, 10, 0);
        DATE dNow = 0.0;
        SystemTimeToVariantTime(&stStart, &dNow);
        return [dNow]() mutable {
            SYSTEMTIME stNow{};
            VariantTimeToSystemTime(dNow, &stNow);
            dNow += 1.0 / 1440.0;
            return stNow;
        };
    }

    static void Inject(const std::vector<Fault>& faults)
    {
        for (const Fault& fault : faults)
            olsim::InjectFault(fault.szObject, fault.szMember, fault.hr, fault.repeat, fault.nPassFirst);
    }

    void Export(const Case& c)
    {
        const std::string file = TempFile("export.csv");
        ChooseConversion(MODE_O2C, c.pKind->nFlag);
        SetFileOptions({file, '"', false, false});
        ChooseFields(c.pKind->exportFields);
        ASSERT_EQ(Step(), 3);
        if (c.row.phase == Phase::Run)
            Inject(c.row.faults);
        Convert();

        if (c.row.nExportRows == kNoRecords) {
            EXPECT_EQ(Step(), 3);
            ASSERT_EQ(messages.Messages().size(), 1u);
            EXPECT_EQ(messages.Messages()[0].text.toStdString(), c.pKind->noRecordsMessage);
            EXPECT_FALSE(std::filesystem::exists(file)) << "no run, no file";
            return;
        }
        ASSERT_EQ(Step(), 5) << "the wizard reaches its result page";
        const std::string csv = ReadFile(file);
        const int nRows = static_cast<int>(std::count(csv.begin(), csv.end(), '\n'));
        const int nExpected =
            c.row.nExportRows == kEveryItem ? static_cast<int>(Items(c.pKind->szToolKind).size()) : c.row.nExportRows;
        EXPECT_EQ(nRows, nExpected) << csv;
        EXPECT_EQ(fmFinish->lblResult->text().toStdString(), ResultText(nRows));
    }

    void Import(const Case& c, int nItemsBefore)
    {
        const std::string file = TempFile("import.csv");
        WriteFile(file, c.pKind->importCsv);
        const QJsonArray before = Items(c.pKind->szToolKind);
        ASSERT_EQ(static_cast<int>(before.size()), nItemsBefore);
        ChooseConversion(MODE_C2O, c.pKind->nFlag);
        SetFileOptions({file, '"', false, false});
        ChooseFields(c.pKind->importFields);
        ASSERT_EQ(Step(), 3);
        if (c.row.phase == Phase::Run)
            Inject(c.row.faults);
        Convert();

        ASSERT_EQ(Step(), 5) << "the wizard reaches its result page";
        const int nWritten = WrittenItems(before, Items(c.pKind->szToolKind));
        EXPECT_EQ(nWritten, c.row.nImportWritten);
        EXPECT_EQ(fmFinish->lblResult->text().toStdString(), ResultText(nWritten));
    }

    static std::string ResultText(int nCount)
    {
        return "Convesion succeeded. " + std::to_string(nCount) + " records were converted";
    }

    // The saves the run made, told by the stamps Outlook gives a saved item (the clock moves on
    // at every reading, so no two saves share a stamp): a new item was saved once, or twice
    // when it was changed after it was created; an item that was there before was saved again
    // when its last change moved.
    static int WrittenItems(const QJsonArray& before, const QJsonArray& after)
    {
        std::map<QString, QString> lastChange;
        for (const QJsonValue& item : before)
            lastChange[item.toObject().value("EntryID").toString()] =
                item.toObject().value("LastModificationTime").toString();
        int nWritten = 0;
        for (const QJsonValue& value : after) {
            const QJsonObject item = value.toObject();
            const QString stamp = item.value("LastModificationTime").toString();
            const auto found = lastChange.find(item.value("EntryID").toString());
            if (found == lastChange.end())
                nWritten += stamp == item.value("CreationTime").toString() ? 1 : 2;
            else if (found->second != stamp)
                ++nWritten;
        }
        return nWritten;
    }

    static std::vector<LogLine> ReadLog()
    {
        static const QRegularExpression kLine(R"(^\[[^\]]*\]\[.*\(\d+ *\)\]\[[0-9a-f]{5,}\]\[(!!!|   )\] - (.*)$)");
        std::vector<LogLine> lines;
        const QStringList texts = QString::fromStdString(ReadFile(LogPath())).split("\r\n", Qt::SkipEmptyParts);
        for (const QString& text : texts) {
            const QRegularExpressionMatch match = kLine.match(text);
            EXPECT_TRUE(match.hasMatch()) << "not a log line: " << text.toStdString();
            if (match.hasMatch())
                lines.push_back({match.captured(1) == "!!!", match.captured(2).toStdString()});
        }
        return lines;
    }

    static void CheckLog(const Row& row, int nUpdateIndex)
    {
        const std::vector<LogLine> lines = ReadLog();
        std::vector<std::string> errors;
        for (const LogLine& line : lines) {
            if (line.bError)
                errors.push_back(line.message);
        }
        if (row.errorLines.empty()) {
            EXPECT_TRUE(errors.empty()) << "first error line: " << (errors.empty() ? "" : errors.front());
            return;
        }
        for (std::string expected : row.errorLines) {
            if (const auto at = expected.find("{index}"); at != std::string::npos)
                expected.replace(at, 7, std::to_string(nUpdateIndex));
            EXPECT_NE(std::find(errors.begin(), errors.end(), expected), errors.end())
                << "missing at error level: " << expected;
            for (const LogLine& line : lines)
                EXPECT_FALSE(!line.bError && line.message == expected) << "logged below error level: " << expected;
        }
    }
};

}  // namespace fault_rows
