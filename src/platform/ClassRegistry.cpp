#include "platform/win/ClassRegistry.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

namespace {

struct RegisteredClass {
    platform::OleString progId;
    CLSID clsid;
    platform::ClassFactory factory;
    DWORD context;
};

struct Registry {
    std::mutex mutex;
    std::vector<RegisteredClass> classes;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

OLECHAR FoldAsciiCase(OLECHAR unit)
{
    return unit >= 'A' && unit <= 'Z' ? static_cast<OLECHAR>(unit - 'A' + 'a') : unit;
}

// ProgIDs are registry key names, which Windows compares without regard to case.
bool SameProgId(platform::OleStringView a, platform::OleStringView b)
{
    return std::ranges::equal(a, b, [](OLECHAR x, OLECHAR y) { return FoldAsciiCase(x) == FoldAsciiCase(y); });
}

std::vector<RegisteredClass>::iterator FindProgId(std::vector<RegisteredClass>& classes,
                                                  platform::OleStringView progId)
{
    return std::ranges::find_if(classes, [&](const RegisteredClass& entry) { return SameProgId(entry.progId, progId); });
}

}  // namespace

HRESULT CLSIDFromProgID(LPCOLESTR lpszProgID, LPCLSID lpclsid)
{
    if (!lpszProgID || !lpclsid)
        return E_INVALIDARG;
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.mutex);
    const auto found = FindProgId(registry.classes, lpszProgID);
    if (found == registry.classes.end())
        return CO_E_CLASSSTRING;
    *lpclsid = found->clsid;
    return S_OK;
}

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter)
        return CLASS_E_NOAGGREGATION;

    platform::ClassFactory factory;
    {
        Registry& registry = TheRegistry();
        const std::lock_guard lock(registry.mutex);
        const auto found = std::ranges::find_if(registry.classes, [&](const RegisteredClass& entry) {
            return entry.clsid == rclsid && (entry.context & dwClsContext) != 0;
        });
        if (found == registry.classes.end())
            return REGDB_E_CLASSNOTREG;
        factory = found->factory;
    }
    // Called without the lock: a server may register or look up classes while it starts.
    const HRESULT hr = factory(riid, ppv);
    if (FAILED(hr))
        *ppv = nullptr;
    return hr;
}

HRESULT OleRun(LPUNKNOWN pUnknown)
{
    if (!pUnknown)
        return E_INVALIDARG;
    IRunnableObject* runnable = nullptr;
    if (FAILED(pUnknown->QueryInterface(IID_IRunnableObject, reinterpret_cast<void**>(&runnable))) || !runnable)
        return S_OK;
    const HRESULT hr = runnable->Run(nullptr);
    runnable->Release();
    return hr;
}

namespace platform {

void RegisterClassFactory(OleStringView progId, const CLSID& clsid, ClassFactory factory, DWORD context)
{
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.mutex);
    RegisteredClass entry{OleString(progId), clsid, std::move(factory), context};
    const auto found = FindProgId(registry.classes, progId);
    if (found == registry.classes.end())
        registry.classes.push_back(std::move(entry));
    else
        *found = std::move(entry);
}

bool UnregisterClass(OleStringView progId)
{
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.mutex);
    const auto found = FindProgId(registry.classes, progId);
    if (found == registry.classes.end())
        return false;
    registry.classes.erase(found);
    return true;
}

}  // namespace platform
