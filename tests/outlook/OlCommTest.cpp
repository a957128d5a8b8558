#include "common/outlook/OlComm.h"

#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "misc/FakeDispatch.h"
#include "olsim/OutlookSimulator.h"
#include "support/TempDir.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using fake::FakeDispatch;
using platform::ComPtr;

constexpr CLSID kOutlookClass{0x0006F03A, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr const char* kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\OUTLOOK.EXE";
constexpr const char* kOutlookFolder = "/opt/fake-office/";
constexpr const char* kOutlookExe = "/opt/fake-office/OUTLOOK.EXE";

// Outlook as far as connecting goes: an application that hands out its MAPI namespace.
struct FakeDispatchOutlook {
    FakeDispatchOutlook() { Reset(); }
    FakeDispatchOutlook(const FakeDispatchOutlook&) = delete;
    FakeDispatchOutlook& operator=(const FakeDispatchOutlook&) = delete;

    // A fresh Outlook that answers every call.
    void Reset()
    {
        app = FakeDispatch::Create();
        nameSpace = FakeDispatch::Create();
        nameSpaceResult.reset();
        createFailure = S_OK;
        created = 0;
        app->SetMethod(OLESTR("GetNameSpace"), [this](const DISPPARAMS& params, VARIANT* pResult) {
            if (params.cArgs != 1 || params.rgvarg[0].vt != VT_BSTR
                || platform::OleString(params.rgvarg[0].bstrVal) != OLESTR("MAPI"))
                return DISP_E_TYPEMISMATCH;
            if (nameSpaceResult)
                return VariantCopy(pResult, &*nameSpaceResult);
            pResult->vt = VT_DISPATCH;
            pResult->pdispVal = nameSpace.Get();
            nameSpace->AddRef();
            return S_OK;
        });
    }

    platform::ClassFactory Factory()
    {
        return [this](REFIID riid, void** ppv) {
            ++created;
            return FAILED(createFailure) ? createFailure : app->QueryInterface(riid, ppv);
        };
    }

    ComPtr<FakeDispatch> app;
    ComPtr<FakeDispatch> nameSpace;
    std::optional<VARIANT> nameSpaceResult;  // what GetNameSpace answers instead of the namespace
    HRESULT createFailure = S_OK;
    int created = 0;
};

// Connects and disconnects as the real adapters do: once more from its own Init, once
// more from its own Term.
class TestAdapter : public OlBaseUtil {
public:
    TestAdapter() { Init(); }
    ~TestAdapter() override { Term(); }
    void Init() override { Connect(); }
    void Term() override
    {
        ClearItems();
        Disconnect();
    }
    CDispCmd* NameSpace() const { return m_pNameSpaceCmd; }
    CDispCmd* App() const { return m_pAppCmd; }
};

struct LogLine {
    std::string tag;
    std::string message;
    bool operator==(const LogLine&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LogLine& line) { return out << "[" << line.tag << "] " << line.message; }

std::vector<LogLine> ReadLogLines()
{
    std::ifstream in(testing_support::CurrentTestDataHome() / "appdebug.log", std::ios::binary);
    std::vector<LogLine> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t dash = line.find("] - ");
        if (dash == std::string::npos || dash < 3)
            continue;
        lines.push_back({line.substr(dash - 3, 3), line.substr(dash + 4)});
    }
    return lines;
}

const LogLine kInfo[] = {
    {"   ", "Outlook automation started."},
    {"   ", "Get Outlook.Application CLSID succeeded."},
    {"   ", "CoCreateInstance succeeded."},
    {"   ", "Microsoft Outlook started successfully."},
    {"   ", "Got Outlook IDispatch interface successfully."},
    {"   ", "Get Outlook MAPI namespace object successfully."},
    {"   ", "Outlook Automation Succeeded."},
};

// The information lines up to (not including) position n, then the error line.
std::vector<LogLine> InfoThenError(std::size_t n, const std::string& error)
{
    std::vector<LogLine> lines(std::begin(kInfo), std::begin(kInfo) + static_cast<std::ptrdiff_t>(n));
    lines.push_back({"!!!", error});
    return lines;
}

class OlCommTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppDebug.SetLogFolder((testing_support::CurrentTestDataHome().string() + "/").c_str());
        AppDebug.EnableLog(true);
        AppDebug.SetLogLevel(3);
        m_liveStringsBefore = platform::LiveBstrCount();
    }
    void TearDown() override
    {
        AppDebug.EnableLog(false);
        AppDebug.SetLogLevel(0);
        platform::RegistryDeleteKey(HKEY_LOCAL_MACHINE, kAppPathsKey);
        platform::ClearFileVersion(kOutlookExe);
        EXPECT_EQ(OlBaseUtil::GetUseCount(), 0);
        EXPECT_FALSE(OlBaseUtil::IsOutlookConnected());
        EXPECT_EQ(m_outlook.app->RefCount(), 1u) << "Outlook was not released";
        EXPECT_EQ(m_outlook.nameSpace->RefCount(), 1u) << "the namespace was not released";
        m_registration.reset();
        m_outlook.app.Reset();
        m_outlook.nameSpace.Reset();
        EXPECT_EQ(platform::LiveBstrCount(), m_liveStringsBefore);
    }

    void RegisterOutlook()
    {
        m_registration.emplace(OLESTR("Outlook.Application"), kOutlookClass, m_outlook.Factory());
    }
    static void InstallOutlookVersion(WORD wMajor, WORD wMinor, WORD wBuild, WORD wRevision)
    {
        platform::RegistrySetValue(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", kOutlookFolder);
        platform::SetFileVersion(kOutlookExe, wMajor, wMinor, wBuild, wRevision);
    }

    FakeDispatchOutlook m_outlook;
    std::optional<platform::ScopedClassRegistration> m_registration;

private:
    long m_liveStringsBefore = 0;
};

TEST_F(OlCommTest, FourAdaptersStartOutlookOnceAndTheLastReleasesIt)
{
    RegisterOutlook();
    const std::array<int, 4> orders[] = {{0, 1, 2, 3}, {3, 2, 1, 0}, {2, 0, 3, 1}};
    for (const auto& order : orders) {
        m_outlook.created = 0;
        std::array<std::unique_ptr<TestAdapter>, 4> adapters;
        for (auto& adapter : adapters)
            adapter = std::make_unique<TestAdapter>();

        EXPECT_EQ(OlBaseUtil::GetUseCount(), 8);
        EXPECT_EQ(m_outlook.created, 1);
        EXPECT_EQ(m_outlook.app->RefCount(), 3u) << "the application object and its wrapper";
        EXPECT_EQ(m_outlook.nameSpace->RefCount(), 2u);
        for (const auto& adapter : adapters) {
            EXPECT_TRUE(adapter->IsConnected());
            ASSERT_NE(adapter->NameSpace(), nullptr);
            EXPECT_EQ(adapter->NameSpace()->GetDispatch(), static_cast<IDispatch*>(m_outlook.nameSpace.Get()));
            EXPECT_EQ(adapter->App(), adapters[0]->App());
        }

        for (std::size_t i = 0; i < order.size(); ++i) {
            adapters[static_cast<std::size_t>(order[i])].reset();
            const bool last = i + 1 == order.size();
            EXPECT_EQ(OlBaseUtil::GetUseCount(), last ? 0 : 8 - 2 * static_cast<int>(i + 1));
            EXPECT_EQ(OlBaseUtil::IsOutlookConnected(), !last);
            EXPECT_EQ(m_outlook.app->RefCount(), last ? 1u : 3u);
        }
    }
}

TEST_F(OlCommTest, TheFirstConnectLogsEveryStepAndLaterOnesNothing)
{
    RegisterOutlook();
    {
        TestAdapter first;
        TestAdapter second;
    }
    const std::vector<LogLine> expected(std::begin(kInfo), std::end(kInfo));
    EXPECT_EQ(ReadLogLines(), expected);
}

TEST_F(OlCommTest, TheSimulatedOutlookConnectsWithTheSameLogLines)
{
    olsim::RegisterOutlookSimulator();
    {
        TestAdapter adapter;
        EXPECT_TRUE(adapter.IsConnected());
        EXPECT_NE(adapter.NameSpace(), nullptr);
        EXPECT_NE(OlBaseUtil::GetOutlookVersionCode(), 0) << "the simulator registers its version";
    }
    olsim::UnregisterOutlookSimulator();
    const std::vector<LogLine> expected(std::begin(kInfo), std::end(kInfo));
    EXPECT_EQ(ReadLogLines(), expected);
}

TEST_F(OlCommTest, AFailingStepLogsItsErrorAndUndoesTheConnection)
{
    VARIANT empty;
    VariantInit(&empty);
    VARIANT nullObject;
    VariantInit(&nullObject);
    nullObject.vt = VT_DISPATCH;

    enum class Fault { NotRegistered, CreateFails, RunFails, NoDispatch, NameSpaceFails, NoNameSpace, NullNameSpace };
    struct Case {
        Fault fault;
        std::vector<LogLine> expectedLog;
    } const cases[] = {
        {Fault::NotRegistered, InfoThenError(1, "Can not get the CLSID of Outlook.Application, hr=0x800401f3")},
        {Fault::CreateFails, InfoThenError(2, "Failed to execute CoCreateInstance, hr=0x80004005")},
        {Fault::RunFails, InfoThenError(3, "Failed to execute OleRun, hr=0x8001ffff")},
        {Fault::NoDispatch, InfoThenError(4, "Failed to query IDispatch interface of Outlook App, hr=0x80004002")},
        {Fault::NameSpaceFails,
         InfoThenError(5, "Failed to call Outlook.Application GetNameSpace method, hr=0x80020009")},
        {Fault::NoNameSpace, InfoThenError(5, "Failed to call Outlook.Application GetNameSpace method, hr=0x00000000")},
        {Fault::NullNameSpace,
         InfoThenError(5, "Failed to call Outlook.Application GetNameSpace method, hr=0x00000000")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fault));
        std::filesystem::remove(testing_support::CurrentTestDataHome() / "appdebug.log");
        m_outlook.Reset();
        m_registration.reset();
        if (c.fault != Fault::NotRegistered)
            RegisterOutlook();
        switch (c.fault) {
        case Fault::CreateFails:
            m_outlook.createFailure = E_FAIL;
            break;
        case Fault::RunFails:
            m_outlook.app->SetRunResult(static_cast<HRESULT>(0x8001FFFF));
            break;
        case Fault::NoDispatch:
            m_outlook.app->RefuseDispatchInterface();
            break;
        case Fault::NameSpaceFails:
            m_outlook.app->FailInvoke(OLESTR("GetNameSpace"), DISP_E_EXCEPTION);
            break;
        case Fault::NoNameSpace:
            m_outlook.nameSpaceResult = empty;
            break;
        case Fault::NullNameSpace:
            m_outlook.nameSpaceResult = nullObject;
            break;
        case Fault::NotRegistered:
            break;
        }

        OlBaseUtil adapter;

        EXPECT_FALSE(adapter.IsConnected());
        EXPECT_EQ(OlBaseUtil::GetUseCount(), 0);
        EXPECT_FALSE(OlBaseUtil::IsOutlookConnected());
        EXPECT_EQ(m_outlook.app->RefCount(), 1u);
        EXPECT_EQ(ReadLogLines(), c.expectedLog);
    }
}

TEST_F(OlCommTest, WithOutlookAbsentEachAdapterLogsTheClsidFailureTwice)
{
    AppDebug.EnableLog(false);
    {
        TestAdapter contacts;
        EXPECT_EQ(OlBaseUtil::GetUseCount(), 0);
        TestAdapter calendar;
        EXPECT_FALSE(contacts.IsConnected());
        EXPECT_EQ(calendar.NameSpace(), nullptr);
    }
    const LogLine clsidFailure{"!!!", "Can not get the CLSID of Outlook.Application, hr=0x800401f3"};
    EXPECT_EQ(ReadLogLines(), std::vector<LogLine>(4, clsidFailure));
}

TEST_F(OlCommTest, ALaterConnectTriesAgain)
{
    OlBaseUtil adapter;
    EXPECT_FALSE(adapter.IsConnected());

    RegisterOutlook();
    EXPECT_TRUE(adapter.Connect());
    EXPECT_TRUE(adapter.IsConnected());
    EXPECT_EQ(OlBaseUtil::GetUseCount(), 1);
    EXPECT_EQ(m_outlook.created, 1);
}

TEST_F(OlCommTest, TheVersionCodeComesFromTheFileVersionOfOutlook)
{
    RegisterOutlook();
    struct Case {
        std::optional<std::array<WORD, 4>> version;
        int expected;
    } const cases[] = {
        {std::nullopt, 0},           {std::array<WORD, 4>{9, 0, 0, 3821}, 1},  {std::array<WORD, 4>{10, 0, 0, 0}, 2},
        {std::array<WORD, 4>{11, 0, 8312, 0}, 3}, {std::array<WORD, 4>{12, 0, 6425, 1000}, 4},
        {std::array<WORD, 4>{13, 5, 0, 0}, 6},    {std::array<WORD, 4>{14, 0, 4760, 1000}, 5},
        {std::array<WORD, 4>{15, 0, 0, 0}, 6},    {std::array<WORD, 4>{16, 0, 17928, 20114}, 6},
    };
    for (const Case& c : cases) {
        platform::RegistryDeleteKey(HKEY_LOCAL_MACHINE, kAppPathsKey);
        if (c.version)
            InstallOutlookVersion((*c.version)[0], (*c.version)[1], (*c.version)[2], (*c.version)[3]);
        OlBaseUtil adapter;
        EXPECT_EQ(OlBaseUtil::GetOutlookVersionCode(), c.expected);
        EXPECT_TRUE(adapter.IsConnected()) << "an unknown version must not prevent the connection";
    }
}

TEST_F(OlCommTest, AnOutlookWithoutAFileVersionCountsAsUnknown)
{
    RegisterOutlook();
    InstallOutlookVersion(11, 0, 8312, 0);
    platform::ClearFileVersion(kOutlookExe);
    OlBaseUtil adapter;
    EXPECT_EQ(OlBaseUtil::GetOutlookVersionCode(), 0);
    EXPECT_TRUE(adapter.IsConnected());
}

TEST_F(OlCommTest, TheBaseLoadItemsSucceedsWithNothingToLoad)
{
    OlBaseUtil adapter;
    EXPECT_TRUE(adapter.LoadItems());
}

TEST(OlCommFormat, DatesPrintMonthFirstAndNullBuffersAreRefused)
{
    SYSTEMTIME stMoment = platform::MakeSystemTime(2004, 3, 7, 9, 5, 0);
    DATE dMoment = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(&stMoment, &dMoment));

    using Formatter = int (*)(DATE, char*, int);
    struct Case {
        Formatter format;
        int nSize;
        std::string expected;
    } const cases[] = {
        {&OlBaseUtil::FormatOleDate, 32, "03/07/2004"},
        {&OlBaseUtil::FormatOleTime, 32, "09:05:00"},
        {&OlBaseUtil::FormatOleDateTime, 32, "03/07/2004 09:05:00"},
        {&OlBaseUtil::FormatOleDateTime, 11, "03/07/2004"},
    };
    for (const Case& c : cases) {
        char szBuf[32] = "old";
        EXPECT_EQ(c.format(dMoment, szBuf, c.nSize), 1);
        EXPECT_EQ(std::string(szBuf), c.expected);
        EXPECT_EQ(c.format(dMoment, nullptr, c.nSize), 0);
    }
}

}  // namespace
