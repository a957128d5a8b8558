#include "platform/win/ClassRegistry.h"

#include <algorithm>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

// Classes are served as Windows serves any running server's: the class object goes to
// CoRegisterClassObject and the ProgID into the classes of the registry, so that
// CLSIDFromProgID, CoCreateInstance and the rest are Windows' own.
namespace platform {
namespace {

class FactoryObject final : public IClassFactory {
public:
    explicit FactoryObject(ClassFactory make) : m_make(std::move(make)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory)) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_nRefs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG nRefs = InterlockedDecrement(&m_nRefs);
        if (nRefs == 0)
            delete this;
        return static_cast<ULONG>(nRefs);
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (pUnkOuter != nullptr)
            return CLASS_E_NOAGGREGATION;
        return m_make(riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    ClassFactory m_make;
    LONG m_nRefs = 1;
};

struct RegisteredClass {
    OleString progId;
    DWORD dwCookie;
    // Class objects live only as long as their thread's COM: the registration keeps it up.
    bool bComInitialized;
};

struct Registrations {
    std::mutex mutex;
    std::vector<RegisteredClass> classes;
};

Registrations& TheRegistrations()
{
    static Registrations registrations;
    return registrations;
}

bool SameProgId(OleStringView a, OleStringView b)
{
    return a.size() == b.size() && CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                        static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

OleString ProgIdKey(OleStringView progId) { return OleString(progId) + OLESTR("\\CLSID"); }

void WriteProgId(OleStringView progId, const CLSID& clsid)
{
    OLECHAR clsidText[40] = {};
    StringFromGUID2(clsid, clsidText, static_cast<int>(std::size(clsidText)));
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, ProgIdKey(progId).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey,
                        nullptr)
        != ERROR_SUCCESS)
        return;
    RegSetValueExW(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsidText),
                   static_cast<DWORD>((lstrlenW(clsidText) + 1) * sizeof(OLECHAR)));
    RegCloseKey(hKey);
}

void Revoke(const RegisteredClass& entry)
{
    CoRevokeClassObject(entry.dwCookie);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, entry.progId.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, entry.progId.c_str());
    if (entry.bComInitialized)
        CoUninitialize();
}

}  // namespace

void RegisterClassFactory(OleStringView progId, const CLSID& clsid, ClassFactory factory, DWORD context)
{
    UnregisterClass(progId);
    const bool bComInitialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    auto* classObject = new (std::nothrow) FactoryObject(std::move(factory));
    DWORD dwCookie = 0;
    const HRESULT hr = classObject == nullptr
                           ? E_OUTOFMEMORY
                           : CoRegisterClassObject(clsid, classObject, context, REGCLS_MULTIPLEUSE, &dwCookie);
    if (classObject != nullptr)
        classObject->Release();
    if (FAILED(hr)) {
        if (bComInitialized)
            CoUninitialize();
        return;
    }
    WriteProgId(progId, clsid);
    Registrations& registrations = TheRegistrations();
    const std::lock_guard lock(registrations.mutex);
    registrations.classes.push_back({OleString(progId), dwCookie, bComInitialized});
}

bool UnregisterClass(OleStringView progId)
{
    Registrations& registrations = TheRegistrations();
    std::unique_lock lock(registrations.mutex);
    const auto found = std::ranges::find_if(registrations.classes, [&](const RegisteredClass& entry) {
        return SameProgId(entry.progId, progId);
    });
    if (found == registrations.classes.end())
        return false;
    const RegisteredClass entry = *found;
    registrations.classes.erase(found);
    lock.unlock();
    Revoke(entry);
    return true;
}

}  // namespace platform
