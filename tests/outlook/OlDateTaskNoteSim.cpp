#include "OlDateTaskNoteSim.h"

#include "common/misc/CxDebugUtil.h"
#include "common/outlook/OlComm.h"
#include "olsim/FaultInjection.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/ProfileStore.h"
#include "platform/win/ComHolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

namespace adapter_test {
namespace {

std::unique_ptr<platform::ScopedClock> g_clock;

Object CallForObject(CDispCmd& target, const OLECHAR* szName, VARIANT* pArgs, UINT nArgs)
{
    platform::VariantHolder result;
    EXPECT_EQ(target.Call(szName, pArgs, nArgs, result.Get()), S_OK) << "calling a method";
    if (result->vt != VT_DISPATCH || result->pdispVal == nullptr)
        return nullptr;
    return std::make_unique<CDispCmd>(result->pdispVal);
}

Object ObjectProperty(CDispCmd& target, const OLECHAR* szName)
{
    IDispatch* pDisp = nullptr;
    EXPECT_EQ(target.GetObject(szName, &pDisp), S_OK);
    const auto held = platform::ComPtr<IDispatch>::Adopt(pDisp);
    return held ? std::make_unique<CDispCmd>(held.Get()) : nullptr;
}

VARIANT Number(LONG nValue)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = nValue;
    return value;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const LogLine& line)
{
    return out << "[" << line.tag << "] " << line.message;
}

SYSTEMTIME TimeOf(int nYear, int nMonth, int nDay, int nHour, int nMinute)
{
    return platform::MakeSystemTime(static_cast<WORD>(nYear), static_cast<WORD>(nMonth), static_cast<WORD>(nDay),
                                    static_cast<WORD>(nHour), static_cast<WORD>(nMinute));
}

DATE DateOf(int nYear, int nMonth, int nDay, int nHour, int nMinute)
{
    SYSTEMTIME st = TimeOf(nYear, nMonth, nDay, nHour, nMinute);
    DATE dValue = 0.0;
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &dValue));
    return dValue;
}

time_t TimeTOf(int nYear, int nMonth, int nDay, int nHour, int nMinute)
{
    std::tm parts{};
    parts.tm_year = nYear - 1900;
    parts.tm_mon = nMonth - 1;
    parts.tm_mday = nDay;
    parts.tm_hour = nHour;
    parts.tm_min = nMinute;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

std::string TextOf(CDispCmd& item, const OLECHAR* szName)
{
    std::vector<char> buffer(32768, '\0');
    EXPECT_EQ(item.GetString(szName, buffer.data(), static_cast<int>(buffer.size())), S_OK);
    return buffer.data();
}

LONG LongOf(CDispCmd& item, const OLECHAR* szName)
{
    LONG nValue = -12345;
    EXPECT_EQ(item.GetLong(szName, &nValue), S_OK);
    return nValue;
}

bool BoolOf(CDispCmd& item, const OLECHAR* szName)
{
    bool bValue = false;
    EXPECT_EQ(item.GetBool(szName, &bValue), S_OK);
    return bValue;
}

DATE DateValueOf(CDispCmd& item, const OLECHAR* szName)
{
    DATE dValue = -1.0;
    EXPECT_EQ(item.GetDate(szName, &dValue), S_OK);
    return dValue;
}

AdapterSim::AdapterSim(const char* szOutlookVersion)
{
    g_clock = std::make_unique<platform::ScopedClock>(TimeOf(kNowYear, 3, 15, 10, 10));
    AppDebug.SetLogFolder((testing_support::CurrentTestDataHome().string() + "/").c_str());
    AppDebug.EnableLog(true);
    AppDebug.SetLogLevel(3);
    {
        olsim::ProfileStore store(olsim::ProfilePath());
        store.SetOutlookVersion(szOutlookVersion);
    }
    olsim::RegisterOutlookSimulator();

    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), S_OK);
    platform::ComPtr<IUnknown> unknown;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, unknown.PutVoid()), S_OK);
    platform::ComPtr<IDispatch> dispatch;
    if (unknown) {
        EXPECT_EQ(unknown->QueryInterface(IID_IDispatch, dispatch.PutVoid()), S_OK);
    }
    if (!dispatch)
        return;
    CDispCmd application(dispatch.Get());
    VARIANT mapi;
    VariantInit(&mapi);
    mapi.vt = VT_BSTR;
    mapi.bstrVal = SysAllocString(OLESTR("MAPI"));
    m_pNameSpace = CallForObject(application, OLESTR("GetNameSpace"), &mapi, 1);
    VariantClear(&mapi);
}

AdapterSim::~AdapterSim()
{
    m_pNameSpace.reset();
    olsim::ClearFaults();
    olsim::UnregisterOutlookSimulator();
    AppDebug.EnableLog(false);
    AppDebug.SetLogLevel(0);
    g_clock.reset();
    EXPECT_EQ(OlBaseUtil::GetUseCount(), 0) << "an adapter kept the connection";
}

Object AdapterSim::Items(int nFolder)
{
    if (!m_pNameSpace)
        return nullptr;
    VARIANT folderNumber = Number(nFolder);
    Object folder = CallForObject(*m_pNameSpace, OLESTR("GetDefaultFolder"), &folderNumber, 1);
    return folder ? ObjectProperty(*folder, OLESTR("Items")) : nullptr;
}

Object AdapterSim::NewItem(int nFolder, int nItemType)
{
    Object items = Items(nFolder);
    if (!items)
        return nullptr;
    VARIANT type = Number(nItemType);
    return CallForObject(*items, OLESTR("Add"), &type, 1);
}

Object AdapterSim::ItemAt(int nFolder, int nPosition)
{
    Object items = Items(nFolder);
    if (!items)
        return nullptr;
    VARIANT position = Number(nPosition);
    return CallForObject(*items, OLESTR("Item"), &position, 1);
}

LONG AdapterSim::Count(int nFolder)
{
    Object items = Items(nFolder);
    return items ? LongOf(*items, OLESTR("Count")) : -1;
}

void AdapterSim::Save(CDispCmd& item)
{
    platform::VariantHolder result;
    EXPECT_EQ(item.Call(OLESTR("Save"), nullptr, 0, result.Get()), S_OK);
}

void AdapterSim::SetNow(const SYSTEMTIME& stNow) { g_clock->Set(stNow); }

Object AdapterSim::Pattern(CDispCmd& item) { return CallForObject(item, OLESTR("GetRecurrencePattern"), nullptr, 0); }

std::vector<LogLine> AdapterSim::LogLines()
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

std::vector<LogLine> AdapterSim::ErrorLines()
{
    std::vector<LogLine> errors;
    for (LogLine& line : LogLines()) {
        if (line.tag == "!!!")
            errors.push_back(std::move(line));
    }
    return errors;
}

}  // namespace adapter_test
