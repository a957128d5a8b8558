// Creating automation servers by ProgID. Servers are registered in-process by whoever
// provides them (the simulated Outlook, or a test's own object); an unregistered ProgID
// behaves as an application that is not installed.
#pragma once

#include "platform/OleText.h"
#include "platform/win/Com.h"
#include "platform/win/Types.h"

#include <functional>

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
inline constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
inline constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
inline constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
inline constexpr DWORD CLSCTX_SERVER = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
inline constexpr DWORD CLSCTX_ALL = CLSCTX_SERVER | CLSCTX_INPROC_HANDLER;

// Binding contexts are not used; OleRun passes none.
struct IBindCtx;
using LPBINDCTX = IBindCtx*;

// An object that starts its server on demand implements this; OleRun calls Run.
struct IRunnableObject : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetRunningClass(LPCLSID lpClsid) = 0;
    virtual HRESULT STDMETHODCALLTYPE Run(LPBINDCTX pbc) = 0;
    virtual BOOL STDMETHODCALLTYPE IsRunning() = 0;
    virtual HRESULT STDMETHODCALLTYPE LockRunning(BOOL fLock, BOOL fLastUnlockCloses) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetContainedObject(BOOL fContained) = 0;
};
inline constexpr IID IID_IRunnableObject{0x00000126, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// S_OK and the class of a registered ProgID (compared without regard to ASCII case);
// CO_E_CLASSSTRING for any other; E_INVALIDARG for null arguments.
HRESULT CLSIDFromProgID(LPCOLESTR lpszProgID, LPCLSID lpclsid);

// Creates the registered class through its factory and returns the interface asked for.
// REGDB_E_CLASSNOTREG when no class is registered under rclsid for any of the contexts,
// CLASS_E_NOAGGREGATION for an outer object, E_POINTER for a null ppv; otherwise the
// factory's result. *ppv is null on every failure.
HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv);

// Puts a server object into its running state: S_OK for an object without IRunnableObject,
// otherwise the result of its Run. E_INVALIDARG for null.
HRESULT OleRun(LPUNKNOWN pUnknown);

#endif  // _WIN32

namespace platform {

// Makes a new object and returns the interface riid of it in *ppv, with one reference
// for the caller, as IClassFactory::CreateInstance does.
using ClassFactory = std::function<HRESULT(REFIID riid, void** ppv)>;

// Registers (or replaces) the class of progId. context says how the server runs; a
// CoCreateInstance whose contexts do not include it finds no class.
void RegisterClassFactory(OleStringView progId, const CLSID& clsid, ClassFactory factory,
                          DWORD context = CLSCTX_LOCAL_SERVER);

// Removes the class of progId; false when it was not registered.
bool UnregisterClass(OleStringView progId);

// Registers a class for as long as the object lives, then removes it.
class ScopedClassRegistration {
public:
    ScopedClassRegistration(OleStringView progId, const CLSID& clsid, ClassFactory factory,
                            DWORD context = CLSCTX_LOCAL_SERVER);
    ~ScopedClassRegistration();
    ScopedClassRegistration(const ScopedClassRegistration&) = delete;
    ScopedClassRegistration& operator=(const ScopedClassRegistration&) = delete;

private:
    OleString m_progId;
};

}  // namespace platform
