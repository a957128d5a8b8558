#include "platform/win/Variant.h"

#include <atomic>

// Strings are counted where Windows allocates them: oleaut32 takes every BSTR from COM's
// task allocator once its string cache is off, and a malloc spy sees each block come and go.
// The count is therefore of all task-allocator blocks, BSTRs among them; tests compare it
// before and after code that allocates nothing else there.
namespace platform {
namespace {

class CountingSpy final : public IMallocSpy {
public:
    long Live() const { return m_nLive.load(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IMallocSpy)) {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        *ppv = static_cast<IMallocSpy*>(this);
        return S_OK;
    }
    // Lives as long as the program.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T cbRequest) override { return cbRequest; }
    void* STDMETHODCALLTYPE PostAlloc(void* pActual) override
    {
        if (pActual != nullptr)
            ++m_nLive;
        return pActual;
    }
    void* STDMETHODCALLTYPE PreFree(void* pRequest, BOOL fSpyed) override
    {
        if (pRequest != nullptr && fSpyed)
            --m_nLive;
        return pRequest;
    }
    void STDMETHODCALLTYPE PostFree(BOOL) override {}
    SIZE_T STDMETHODCALLTYPE PreRealloc(void* pRequest, SIZE_T cbRequest, void** ppNewRequest, BOOL fSpyed) override
    {
        m_bReallocSpyed = fSpyed && pRequest != nullptr;
        *ppNewRequest = pRequest;
        return cbRequest;
    }
    void* STDMETHODCALLTYPE PostRealloc(void* pActual, BOOL) override
    {
        if (!m_bReallocSpyed && pActual != nullptr)
            ++m_nLive;
        else if (m_bReallocSpyed && pActual == nullptr)
            --m_nLive;
        return pActual;
    }
    void* STDMETHODCALLTYPE PreGetSize(void* pRequest, BOOL) override { return pRequest; }
    SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T cbActual, BOOL) override { return cbActual; }
    void* STDMETHODCALLTYPE PreDidAlloc(void* pRequest, BOOL) override { return pRequest; }
    int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int fActual) override { return fActual; }
    void STDMETHODCALLTYPE PreHeapMinimize() override {}
    void STDMETHODCALLTYPE PostHeapMinimize() override {}

private:
    std::atomic<long> m_nLive{0};
    bool m_bReallocSpyed = false;
};

CountingSpy& StartCounting()
{
    static CountingSpy spy;
    static const bool bStarted = [] {
        using NoCacheFunction = void WINAPI();
        if (const FARPROC setNoCache = GetProcAddress(LoadLibraryA("oleaut32.dll"), "SetOaNoCache"))
            reinterpret_cast<NoCacheFunction*>(reinterpret_cast<void*>(setNoCache))();
        return SUCCEEDED(CoRegisterMallocSpy(&spy));
    }();
    static_cast<void>(bStarted);
    return spy;
}

}  // namespace

long LiveBstrCount() { return StartCounting().Live(); }

}  // namespace platform
