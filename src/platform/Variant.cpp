#include "platform/win/Variant.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

using ByteCount = std::uint32_t;

std::atomic<long> g_liveBstrs{0};

ByteCount* PrefixOf(BSTR bstr) { return reinterpret_cast<ByteCount*>(bstr) - 1; }

// The byte count prefix must describe the string, so the longest string is the one
// whose byte count still fits in it.
constexpr UINT kMaxChars = (std::numeric_limits<ByteCount>::max() - sizeof(ByteCount)) / sizeof(OLECHAR) - 1;

// The types a VARIANT may hold, as Windows checks them: a base type up to VT_UINT other than
// the unused 15, by value or by reference, but no reference to VT_EMPTY or VT_NULL. Arrays and
// records, which Windows takes too, have no stand-in here.
bool IsVariantType(VARTYPE vt)
{
    const unsigned base = vt & VT_TYPEMASK;
    const unsigned flags = vt & ~unsigned{VT_TYPEMASK};
    if ((flags != 0 && flags != VT_BYREF) || base > VT_UINT || base == 15)
        return false;
    return flags == 0 || base > VT_NULL;
}

}  // namespace

BSTR SysAllocString(const OLECHAR* psz)
{
    if (!psz)
        return nullptr;
    UINT cch = 0;
    while (psz[cch] != 0)
        ++cch;
    return SysAllocStringLen(psz, cch);
}

BSTR SysAllocStringLen(const OLECHAR* strIn, UINT cch)
{
    if (cch > kMaxChars)
        return nullptr;
    const std::size_t textBytes = std::size_t{cch} * sizeof(OLECHAR);
    void* block = std::malloc(sizeof(ByteCount) + textBytes + sizeof(OLECHAR));
    if (!block)
        return nullptr;
    auto* prefix = static_cast<ByteCount*>(block);
    *prefix = static_cast<ByteCount>(textBytes);
    auto* text = reinterpret_cast<OLECHAR*>(prefix + 1);
    if (strIn)
        std::memcpy(text, strIn, textBytes);
    else
        std::memset(text, 0, textBytes);
    text[cch] = 0;
    ++g_liveBstrs;
    return text;
}

void SysFreeString(BSTR bstrString)
{
    if (!bstrString)
        return;
    --g_liveBstrs;
    std::free(PrefixOf(bstrString));
}

UINT SysStringByteLen(BSTR bstr) { return bstr ? *PrefixOf(bstr) : 0; }

UINT SysStringLen(BSTR bstr) { return SysStringByteLen(bstr) / sizeof(OLECHAR); }

void VariantInit(VARIANTARG* pvarg)
{
    std::memset(pvarg, 0, sizeof(VARIANTARG));
    pvarg->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANTARG* pvarg)
{
    if (!pvarg)
        return E_INVALIDARG;
    if (!IsVariantType(pvarg->vt))
        return DISP_E_BADVARTYPE;
    if ((pvarg->vt & VT_BYREF) == 0) {
        switch (pvarg->vt) {
        case VT_BSTR:
            SysFreeString(pvarg->bstrVal);
            break;
        case VT_DISPATCH:
        case VT_UNKNOWN:
            // Release may reenter and clear this VARIANT, so empty it before letting go.
            if (IUnknown* object = pvarg->punkVal) {
                VariantInit(pvarg);
                object->Release();
            }
            break;
        default:
            break;
        }
    }
    VariantInit(pvarg);
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc)
{
    if (!pvargDest || !pvargSrc)
        return E_INVALIDARG;
    if (!IsVariantType(pvargSrc->vt))
        return DISP_E_BADVARTYPE;
    if (pvargDest == pvargSrc)
        return S_OK;
    // A target that cannot be cleared stays as it is, as on Windows.
    if (!IsVariantType(pvargDest->vt))
        return DISP_E_BADVARTYPE;
    VARIANT copy = *pvargSrc;
    if (pvargSrc->vt == VT_BSTR && pvargSrc->bstrVal) {
        copy.bstrVal = SysAllocStringLen(pvargSrc->bstrVal, SysStringLen(pvargSrc->bstrVal));
        if (!copy.bstrVal)
            return E_OUTOFMEMORY;
    } else if ((pvargSrc->vt == VT_DISPATCH || pvargSrc->vt == VT_UNKNOWN) && pvargSrc->punkVal) {
        pvargSrc->punkVal->AddRef();
    }
    VariantClear(pvargDest);
    *pvargDest = copy;
    return S_OK;
}

namespace platform {

long LiveBstrCount() { return g_liveBstrs.load(); }

}  // namespace platform
