#include "common/misc/DispCmd.h"

#include "common/misc/CxDebugUtil.h"
#include "platform/OleTextConversion.h"
#include "platform/win/ComHolders.h"

namespace {

constexpr int kLogError = 0;
constexpr LCID kEnglishUs = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
// Dates closer to zero than this are taken for "no date".
constexpr float kNoDateBound = 1e-5f;

// Fetches a property and checks its type; the caller takes the value out of the VARIANT.
HRESULT GetTyped(CDispCmd& cmd, LPCOLESTR szName, VARTYPE vtExpected, platform::VariantHolder& value)
{
    const HRESULT hr = cmd.GetProperty(szName, value.Get());
    if (FAILED(hr))
        return hr;
    return value->vt == vtExpected ? S_OK : S_FALSE;
}

}  // namespace

CDispCmd::CDispCmd(IDispatch* pDisp) : m_pDisp(pDisp)
{
    if (m_pDisp)
        m_pDisp->AddRef();
}

CDispCmd::~CDispCmd()
{
    if (m_pDisp) {
        m_pDisp->Release();
        m_pDisp = nullptr;
    }
}

HRESULT CDispCmd::InvokeByName(LPCOLESTR szName, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult)
{
    if (!m_pDisp || !szName || szName[0] == 0)
        return E_INVALIDARG;

    LPOLESTR names[] = {const_cast<LPOLESTR>(szName)};
    DISPID dispId = DISPID_UNKNOWN;
    HRESULT hr = m_pDisp->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &dispId);
    if (hr == DISP_E_UNKNOWNNAME) {
        hr = m_pDisp->GetIDsOfNames(IID_NULL, names, 1, kEnglishUs, &dispId);
        if (FAILED(hr)) {
            char szNameText[256];
            CutText(szNameText, sizeof szNameText, platform::NarrowFromOle(szName));
            AppDebug.LogMessage(kLogError, __FILE__, __LINE__,
                                "Failed to call IDispatch->GetIDsOfNames, Name=%s, hr=0x%08x", szNameText,
                                static_cast<unsigned>(hr));
            return hr;
        }
    }
    if (FAILED(hr))
        return hr;

    DISPPARAMS noArguments{nullptr, nullptr, 0, 0};
    return m_pDisp->Invoke(dispId, IID_NULL, LOCALE_SYSTEM_DEFAULT, wFlags, pParams ? pParams : &noArguments,
                           pResult, nullptr, nullptr);
}

HRESULT CDispCmd::Call(LPCOLESTR szName, VARIANT* pArgs, UINT nArgs, VARIANT* pResult, WORD wFlags,
                       DISPID* pNamedArgs, UINT nNamedArgs)
{
    DISPPARAMS params{pArgs, pNamedArgs, nArgs, nNamedArgs};
    return InvokeByName(szName, wFlags, &params, pResult);
}

HRESULT CDispCmd::GetProperty(LPCOLESTR szName, VARIANT* pResult)
{
    DISPPARAMS params{nullptr, nullptr, 0, 0};
    return InvokeByName(szName, DISPATCH_PROPERTYGET, &params, pResult);
}

HRESULT CDispCmd::PutProperty(LPCOLESTR szName, VARIANT* pValue)
{
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{pValue, &namedPut, 1, 1};
    return InvokeByName(szName, DISPATCH_PROPERTYPUT, &params, nullptr);
}

HRESULT CDispCmd::GetString(LPCOLESTR szName, char* szBuf, int nSize)
{
    if (!szBuf)
        return S_FALSE;
    if (nSize < 1)
        return E_INVALIDARG;
    platform::VariantHolder value;
    const HRESULT hr = GetTyped(*this, szName, VT_BSTR, value);
    if (hr != S_OK)
        return hr;
    const BSTR bstr = value->bstrVal;
    if (!bstr) {
        szBuf[0] = 0;
        return S_OK;
    }
    // A long text is cut after its last whole character.
    CutText(szBuf, static_cast<std::size_t>(nSize), platform::NarrowFromOle(bstr));
    return S_OK;
}

HRESULT CDispCmd::GetLong(LPCOLESTR szName, LONG* pnValue)
{
    if (!pnValue)
        return S_FALSE;
    platform::VariantHolder value;
    const HRESULT hr = GetTyped(*this, szName, VT_I4, value);
    if (hr == S_OK)
        *pnValue = value->lVal;
    return hr;
}

HRESULT CDispCmd::GetBool(LPCOLESTR szName, bool* pbValue)
{
    if (!pbValue)
        return S_FALSE;
    platform::VariantHolder value;
    const HRESULT hr = GetTyped(*this, szName, VT_BOOL, value);
    if (hr == S_OK)
        *pbValue = value->boolVal != VARIANT_FALSE;
    return hr;
}

HRESULT CDispCmd::GetDate(LPCOLESTR szName, DATE* pdValue)
{
    if (!pdValue)
        return S_FALSE;
    platform::VariantHolder value;
    const HRESULT hr = GetTyped(*this, szName, VT_DATE, value);
    if (hr == S_OK)
        *pdValue = value->date;
    return hr;
}

HRESULT CDispCmd::GetObject(LPCOLESTR szName, IDispatch** ppDisp)
{
    if (!ppDisp)
        return S_FALSE;
    *ppDisp = nullptr;
    platform::VariantHolder value;
    const HRESULT hr = GetTyped(*this, szName, VT_DISPATCH, value);
    if (hr == S_OK)
        *ppDisp = value.Detach().pdispVal;
    return hr;
}

HRESULT CDispCmd::PutString(LPCOLESTR szName, LPCSTR szValue)
{
    if (!szValue || szValue[0] == 0)
        return S_OK;
    // At most MAX_PUT_STRING - 1 units, the last character whole.
    const platform::OleString wide = platform::OleFromNarrow(szValue);
    const std::size_t nUnits = platform::CutOleLength(wide, MAX_PUT_STRING - 1);

    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(nUnits));
    if (!value.bstrVal)
        return E_OUTOFMEMORY;  // a null BSTR would put an empty text
    const HRESULT hr = PutProperty(szName, &value);
    SysFreeString(value.bstrVal);
    return hr;
}

HRESULT CDispCmd::PutLong(LPCOLESTR szName, LONG nValue)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = nValue;
    return PutProperty(szName, &value);
}

HRESULT CDispCmd::PutBool(LPCOLESTR szName, bool bValue)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BOOL;
    value.boolVal = bValue ? VARIANT_TRUE : VARIANT_FALSE;
    return PutProperty(szName, &value);
}

HRESULT CDispCmd::PutDate(LPCOLESTR szName, DATE dValue)
{
    if (dValue > -kNoDateBound && dValue < kNoDateBound)
        return S_OK;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_DATE;
    value.date = dValue;
    return PutProperty(szName, &value);
}
