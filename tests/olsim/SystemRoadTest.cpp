// The simulated Outlook is reached the way the real one is: its ProgID resolves through the
// system's CLSIDFromProgID, and CoCreateInstance, OleRun and IDispatch are the system's
// (on Windows the real COM runtime, whose registry then holds the ProgID).
#include "olsim/OutlookSimulator.h"
#include "platform/win/ComHolders.h"

#include <gtest/gtest.h>

namespace {

class SystemRoadTest : public ::testing::Test {
protected:
    void SetUp() override { m_bComInitialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
    void TearDown() override
    {
        olsim::UnregisterOutlookSimulator();
        if (m_bComInitialized)
            CoUninitialize();
    }

private:
    bool m_bComInitialized = false;
};

#ifdef _WIN32
// The default value of HKEY_CLASSES_ROOT\Outlook.Application\CLSID, empty when there is none.
std::string RegisteredClassText()
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "Outlook.Application\\CLSID", 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return {};
    char szText[64] = "";
    DWORD dwSize = sizeof szText;
    const LSTATUS status = RegQueryValueExA(hKey, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(szText), &dwSize);
    RegCloseKey(hKey);
    return status == ERROR_SUCCESS ? std::string(szText) : std::string();
}
#endif

TEST_F(SystemRoadTest, TheProgIdLeadsToARunningServerWithAnApplicationObject)
{
    olsim::RegisterOutlookSimulator();
#ifdef _WIN32
    EXPECT_EQ(RegisteredClassText(), "{0006F03A-0000-0000-C000-000000000046}");
#endif
    CLSID clsid = CLSID_NULL;
    ASSERT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, olsim::CLSID_OutlookApplication));

    platform::ComPtr<IUnknown> application;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
                               IID_IUnknown, application.PutVoid()),
              S_OK);
    EXPECT_EQ(OleRun(application.Get()), S_OK);
    platform::ComPtr<IDispatch> dispatch;
    ASSERT_EQ(application.QueryInto(IID_IDispatch, dispatch), S_OK);

    LPOLESTR names[] = {const_cast<LPOLESTR>(OLESTR("GetNameSpace"))};
    DISPID dispId = DISPID_UNKNOWN;
    ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispId), S_OK);
    platform::VariantHolder argument;
    argument->vt = VT_BSTR;
    argument->bstrVal = SysAllocString(OLESTR("MAPI"));
    DISPPARAMS params{argument.Get(), nullptr, 1, 0};
    platform::VariantHolder result;
    ASSERT_EQ(dispatch->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.Get(), nullptr,
                               nullptr),
              S_OK);
    EXPECT_EQ(result->vt, VT_DISPATCH);
    EXPECT_NE(result->pdispVal, nullptr);
}

TEST_F(SystemRoadTest, WithoutTheRegistrationOutlookIsNotInstalled)
{
    olsim::RegisterOutlookSimulator();
    olsim::UnregisterOutlookSimulator();
#ifdef _WIN32
    EXPECT_EQ(RegisteredClassText(), "");
#endif
    CLSID clsid = CLSID_NULL;
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), CO_E_CLASSSTRING);
    platform::ComPtr<IUnknown> application;
    EXPECT_EQ(CoCreateInstance(olsim::CLSID_OutlookApplication, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                               application.PutVoid()),
              REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(application);
}

}  // namespace
