#include "platform/WinCompat.h"

#include "misc/FakeDispatch.h"

#include <gtest/gtest.h>

namespace {

using fake::FakeDispatch;
using platform::ComPtr;

constexpr CLSID kFakeClass{0x0006F03A, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr CLSID kOtherClass{0x11111111, 0x2222, 0x3333, {4, 4, 4, 4, 4, 4, 4, 4}};

// Hands out one object of its own, or fails as a broken server would.
class FakeServer {
public:
    platform::ClassFactory Factory()
    {
        return [this](REFIID riid, void** ppv) {
            ++m_created;
            if (FAILED(m_failure))
                return m_failure;
            return m_object->QueryInterface(riid, ppv);
        };
    }
    ComPtr<FakeDispatch> m_object = FakeDispatch::Create();
    HRESULT m_failure = S_OK;
    int m_created = 0;
};

TEST(ClassRegistry, AnUnregisteredProgIdIsNotInstalled)
{
    CLSID clsid = kOtherClass;
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(clsid, kOtherClass);
    void* pv = &clsid;
    EXPECT_EQ(CoCreateInstance(kFakeClass, nullptr, CLSCTX_SERVER, IID_IUnknown, &pv), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(pv, nullptr);
    EXPECT_FALSE(platform::UnregisterClass(OLESTR("Outlook.Application")));
    EXPECT_EQ(CLSIDFromProgID(nullptr, &clsid), E_INVALIDARG);
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), nullptr), E_INVALIDARG);
}

TEST(ClassRegistry, ARegisteredClassIsFoundAndCreated)
{
    FakeServer server;
    const platform::ScopedClassRegistration registration(OLESTR("Outlook.Application"), kFakeClass, server.Factory());

    for (LPCOLESTR progId : {OLESTR("Outlook.Application"), OLESTR("outlook.APPLICATION")}) {
        CLSID clsid = CLSID_NULL;
        EXPECT_EQ(CLSIDFromProgID(progId, &clsid), S_OK);
        EXPECT_EQ(clsid, kFakeClass);
    }
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Applications"), nullptr), E_INVALIDARG);
    CLSID other = CLSID_NULL;
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Applications"), &other), CO_E_CLASSSTRING);

    IUnknown* pUnknown = nullptr;
    EXPECT_EQ(CoCreateInstance(kFakeClass, nullptr, CLSCTX_SERVER, IID_IUnknown, reinterpret_cast<void**>(&pUnknown)),
              S_OK);
    EXPECT_EQ(pUnknown, static_cast<IDispatch*>(server.m_object.Get()));
    EXPECT_EQ(server.m_object->RefCount(), 2u);
    pUnknown->Release();
}

TEST(ClassRegistry, CreationFailuresLeaveNoObject)
{
    FakeServer server;
    const platform::ScopedClassRegistration registration(OLESTR("Outlook.Application"), kFakeClass, server.Factory());
    ComPtr<FakeDispatch> outer = FakeDispatch::Create();

    struct Case {
        const char* what;
        CLSID clsid;
        IUnknown* outer;
        DWORD context;
        IID iid;
        HRESULT serverFailure;
        HRESULT expected;
        int created;
    } const cases[] = {
        {"server fails", kFakeClass, nullptr, CLSCTX_SERVER, IID_IUnknown, E_OUTOFMEMORY, E_OUTOFMEMORY, 1},
        {"interface missing", kFakeClass, nullptr, CLSCTX_SERVER, IID_IRunnableObject, S_OK, E_NOINTERFACE, 1},
        {"in-process only", kFakeClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, S_OK, REGDB_E_CLASSNOTREG, 0},
        {"aggregation", kFakeClass, static_cast<IDispatch*>(outer.Get()), CLSCTX_SERVER, IID_IUnknown, S_OK, CLASS_E_NOAGGREGATION, 0},
        {"other class", kOtherClass, nullptr, CLSCTX_ALL, IID_IUnknown, S_OK, REGDB_E_CLASSNOTREG, 0},
    };
    for (const Case& c : cases) {
        server.m_failure = c.serverFailure;
        server.m_created = 0;
        void* pv = &server;
        EXPECT_EQ(CoCreateInstance(c.clsid, c.outer, c.context, c.iid, &pv), c.expected) << c.what;
        EXPECT_EQ(pv, nullptr) << c.what;
        EXPECT_EQ(server.m_created, c.created) << c.what;
    }
    EXPECT_EQ(CoCreateInstance(kFakeClass, nullptr, CLSCTX_SERVER, IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(server.m_object->RefCount(), 1u);
    EXPECT_EQ(outer->RefCount(), 1u);
}

TEST(ClassRegistry, RegisteringAgainReplacesAndUnregisteringRemoves)
{
    FakeServer first;
    FakeServer second;
    platform::RegisterClassFactory(OLESTR("Outlook.Application"), kFakeClass, first.Factory());
    platform::RegisterClassFactory(OLESTR("OUTLOOK.Application"), kOtherClass, second.Factory());

    CLSID clsid = CLSID_NULL;
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), S_OK);
    EXPECT_EQ(clsid, kOtherClass);
    void* pv = nullptr;
    EXPECT_EQ(CoCreateInstance(kFakeClass, nullptr, CLSCTX_SERVER, IID_IUnknown, &pv), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CoCreateInstance(kOtherClass, nullptr, CLSCTX_SERVER, IID_IUnknown, &pv), S_OK);
    EXPECT_EQ(pv, static_cast<IDispatch*>(second.m_object.Get()));
    static_cast<IUnknown*>(pv)->Release();
    EXPECT_EQ(first.m_created, 0);

    EXPECT_TRUE(platform::UnregisterClass(OLESTR("outlook.application")));
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Outlook.Application"), &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(CoCreateInstance(kOtherClass, nullptr, CLSCTX_SERVER, IID_IUnknown, &pv), REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(platform::UnregisterClass(OLESTR("Outlook.Application")));
}

TEST(ClassRegistry, AScopedRegistrationEndsWithItsScope)
{
    FakeServer server;
    CLSID clsid = CLSID_NULL;
    {
        const platform::ScopedClassRegistration registration(OLESTR("Test.Server"), kFakeClass, server.Factory());
        EXPECT_EQ(CLSIDFromProgID(OLESTR("Test.Server"), &clsid), S_OK);
    }
    EXPECT_EQ(CLSIDFromProgID(OLESTR("Test.Server"), &clsid), CO_E_CLASSSTRING);
}

TEST(ClassRegistry, OleRunRunsRunnableObjectsAndAcceptsOthers)
{
    struct Case {
        const char* what;
        bool runnable;
        HRESULT runResult;
        HRESULT expected;
    } const cases[] = {
        {"plain object", false, S_OK, S_OK},
        {"starts", true, S_OK, S_OK},
        {"cannot start", true, E_FAIL, E_FAIL},
    };
    for (const Case& c : cases) {
        ComPtr<FakeDispatch> object = FakeDispatch::Create();
        if (c.runnable)
            object->SetRunResult(c.runResult);
        EXPECT_EQ(OleRun(static_cast<IDispatch*>(object.Get())), c.expected) << c.what;
        EXPECT_EQ(object->RefCount(), 1u) << c.what;
    }
    EXPECT_EQ(OleRun(nullptr), E_INVALIDARG);
}

}  // namespace
