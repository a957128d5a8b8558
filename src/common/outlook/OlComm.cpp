#include "common/outlook/OlComm.h"

#include "common/misc/CxDateTime.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/DispCmd.h"
#include "common/misc/WinUtil.h"
#include "platform/win/ComHolders.h"

#include <cstdlib>
#include <new>

bool OlBaseUtil::sm_bConnected = false;
int OlBaseUtil::sm_nUseCount = 0;
CDispCmd* OlBaseUtil::sm_pAppCmd = nullptr;
CDispCmd* OlBaseUtil::sm_pNameSpaceCmd = nullptr;
IUnknown* OlBaseUtil::sm_pAppUnknown = nullptr;
int OlBaseUtil::sm_nOutlookVersion = 0;

namespace {

constexpr int kLogError = 0;
constexpr int kLogInfo = 2;

struct VersionCode {
    long nMajor;
    int nCode;
};
// Majors below the first row give 1; a major in no row gives the newest code.
constexpr VersionCode kVersionCodes[] = {{10, 2}, {11, 3}, {12, 4}, {14, 5}};
constexpr int kOlderVersionCode = 1;
constexpr int kNewerVersionCode = 6;

int OutlookVersionCode()
{
    char szVersion[OUTLOOK_VERSION_SIZE] = "";
    if (!GetOutlookVersion(szVersion))
        return 0;
    const long nMajor = std::strtol(szVersion, nullptr, 10);
    if (nMajor < kVersionCodes[0].nMajor)
        return kOlderVersionCode;
    for (const VersionCode& row : kVersionCodes) {
        if (row.nMajor == nMajor)
            return row.nCode;
    }
    return kNewerVersionCode;
}

unsigned HexCode(HRESULT hr) { return static_cast<unsigned>(hr); }

}  // namespace

OlBaseUtil::OlBaseUtil()
{
    if (sm_bConnected) {
        m_pAppCmd = sm_pAppCmd;
        m_pNameSpaceCmd = sm_pNameSpaceCmd;
        m_pAppUnknown = sm_pAppUnknown;
    }
    OlBaseUtil::Init();
}

OlBaseUtil::~OlBaseUtil()
{
    OlBaseUtil::ClearItems();
    OlBaseUtil::Term();
}

bool OlBaseUtil::LoadItems()
{
    ClearItems();
    return true;
}

void OlBaseUtil::ClearItems() {}

void OlBaseUtil::Init() { m_bConnected = Connect(); }

void OlBaseUtil::Term()
{
    ClearItems();
    Disconnect();
}

bool OlBaseUtil::Connect()
{
    ++sm_nUseCount;
    if (sm_bConnected)
        return true;
    if (EstablishConnection())
        return true;
    Disconnect();
    return false;
}

// Each step logs its failure at error level and its success at information level; the
// caller undoes whatever was built when a step fails.
bool OlBaseUtil::EstablishConnection()
{
    sm_nOutlookVersion = OutlookVersionCode();
    AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Outlook automation started.");

    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Can not get the CLSID of Outlook.Application, hr=0x%08x",
                            HexCode(hr));
        return false;
    }
    AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Get Outlook.Application CLSID succeeded.");

    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
                          IID_IUnknown, reinterpret_cast<void**>(&sm_pAppUnknown));
    if (FAILED(hr) || !sm_pAppUnknown) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to execute CoCreateInstance, hr=0x%08x",
                            HexCode(hr));
        return false;
    }
    AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "CoCreateInstance succeeded.");

    hr = OleRun(sm_pAppUnknown);
    if (FAILED(hr)) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__, "Failed to execute OleRun, hr=0x%08x", HexCode(hr));
        return false;
    }
    AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Microsoft Outlook started successfully.");

    platform::ComPtr<IDispatch> appDispatch;
    hr = sm_pAppUnknown->QueryInterface(IID_IDispatch, appDispatch.PutVoid());
    if (FAILED(hr) || !appDispatch) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to query IDispatch interface of Outlook App, hr=0x%08x", HexCode(hr));
        return false;
    }
    AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Got Outlook IDispatch interface successfully.");

    sm_pAppCmd = new (std::nothrow) CDispCmd(appDispatch.Get());
    if (!sm_pAppCmd)
        return false;

    platform::VariantHolder mapi;
    mapi->vt = VT_BSTR;
    mapi->bstrVal = SysAllocString(OLESTR("MAPI"));
    platform::VariantHolder nameSpace;
    hr = mapi->bstrVal ? sm_pAppCmd->Call(OLESTR("GetNameSpace"), mapi.Get(), 1, nameSpace.Get(), DISPATCH_METHOD)
                       : E_OUTOFMEMORY;
    if (FAILED(hr) || nameSpace->vt != VT_DISPATCH || !nameSpace->pdispVal) {
        AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                            "Failed to call Outlook.Application GetNameSpace method, hr=0x%08x", HexCode(hr));
        return false;
    }
    AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Get Outlook MAPI namespace object successfully.");

    sm_pNameSpaceCmd = new (std::nothrow) CDispCmd(nameSpace->pdispVal);
    if (!sm_pNameSpaceCmd)
        return false;

    m_bConnected = true;
    sm_bConnected = true;
    m_pAppCmd = sm_pAppCmd;
    m_pNameSpaceCmd = sm_pNameSpaceCmd;
    m_pAppUnknown = sm_pAppUnknown;
    AppDebug.LogMessage(kLogInfo, __FILE__, __LINE__, "Outlook Automation Succeeded.");
    return true;
}

void OlBaseUtil::Disconnect()
{
    if (sm_nUseCount == 0)
        return;
    if (--sm_nUseCount > 0)
        return;

    // The shared pointers, not the members: a connection attempt that failed half way has
    // built objects that no member points to yet.
    delete sm_pNameSpaceCmd;
    delete sm_pAppCmd;
    if (sm_pAppUnknown)
        sm_pAppUnknown->Release();
    m_pNameSpaceCmd = nullptr;
    m_pAppCmd = nullptr;
    m_pAppUnknown = nullptr;
    m_bConnected = false;
    sm_bConnected = false;
    sm_nUseCount = 0;
    sm_pNameSpaceCmd = nullptr;
    sm_pAppCmd = nullptr;
    sm_pAppUnknown = nullptr;
}

int OlBaseUtil::FormatOleDate(DATE dDate, char* szBuf, int nSize)
{
    if (!szBuf)
        return 0;
    CxDateTime dateTime;
    dateTime.SetDate(dDate);
    dateTime.FormatDate(szBuf, nSize);
    return 1;
}

int OlBaseUtil::FormatOleTime(DATE dDate, char* szBuf, int nSize)
{
    if (!szBuf)
        return 0;
    CxDateTime dateTime;
    dateTime.SetDate(dDate);
    dateTime.FormatTime(szBuf, nSize);
    return 1;
}

int OlBaseUtil::FormatOleDateTime(DATE dDate, char* szBuf, int nSize)
{
    if (!szBuf)
        return 0;
    CxDateTime dateTime;
    dateTime.SetDate(dDate);
    dateTime.FormatDateTime(szBuf, nSize);
    return 1;
}
