#include "common/outlook/OlValueAccess.h"

#include "common/misc/DispCmd.h"
#include "platform/OleTextConversion.h"
#include "platform/win/ComHolders.h"

#include <limits>

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace

bool HasMember(CDispCmd& object, LPCOLESTR szName)
{
    IDispatch* const pDisp = object.GetDispatch();
    if (pDisp == nullptr)
        return false;
    LPOLESTR names[] = {const_cast<LPOLESTR>(szName)};
    DISPID id = DISPID_UNKNOWN;
    return pDisp->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &id) == S_OK;
}

HRESULT GetValue(CDispCmd& object, LPCOLESTR szName, TOlValue& value)
{
    platform::VariantHolder result;
    const HRESULT hr = object.GetProperty(szName, result.Get());
    if (FAILED(hr))
        return hr;
    switch (result->vt) {
    case VT_BSTR:
        value = Utf8FromWide(result->bstrVal ? platform::OleStringView(result->bstrVal, SysStringLen(result->bstrVal))
                                             : platform::OleStringView());
        return S_OK;
    case VT_DATE:
        value = result->date;
        return S_OK;
    case VT_I4:
        value = result->lVal;
        return S_OK;
    case VT_BOOL:
        value = result->boolVal != VARIANT_FALSE;
        return S_OK;
    default:
        return S_FALSE;
    }
}

HRESULT PutValue(CDispCmd& object, LPCOLESTR szName, const TOlValue& value)
{
    platform::VariantHolder argument;
    VARIANT& arg = *argument.Get();
    std::visit(Overloaded{
                   [&](const std::string& text) {
                       const platform::OleString wide = WideFromUtf8(text);
                       arg.vt = VT_BSTR;
                       arg.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
                   },
                   [&](DATE dValue) {
                       arg.vt = VT_DATE;
                       arg.date = dValue;
                   },
                   [&](LONG nValue) {
                       arg.vt = VT_I4;
                       arg.lVal = nValue;
                   },
                   [&](bool bValue) {
                       arg.vt = VT_BOOL;
                       arg.boolVal = bValue ? VARIANT_TRUE : VARIANT_FALSE;
                   },
               },
               value);
    if (arg.vt == VT_BSTR && arg.bstrVal == nullptr)
        return E_OUTOFMEMORY;
    return object.PutProperty(szName, argument.Get());
}

bool HasKind(const TOlValue& value, OlPropKind nKind)
{
    switch (nKind) {
    case OlPropKind::Text:
        return std::holds_alternative<std::string>(value);
    case OlPropKind::Date:
        return std::holds_alternative<DATE>(value);
    case OlPropKind::Long:
        return std::holds_alternative<LONG>(value);
    case OlPropKind::Bool:
        return std::holds_alternative<bool>(value);
    }
    return false;
}

std::string Utf8FromWide(platform::OleStringView text) { return platform::NarrowFromOle(text, CP_UTF8); }

platform::OleString WideFromUtf8(std::string_view text) { return platform::OleFromNarrow(text, CP_UTF8); }

bool IsValidUtf8(std::string_view text)
{
    if (text.empty())
        return true;
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return false;
    const int nBytes = static_cast<int>(text.size());
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), nBytes, nullptr, 0) > 0;
}
