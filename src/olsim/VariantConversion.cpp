#include "olsim/VariantConversion.h"

#include "platform/OleTextConversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace olsim {
namespace {

std::string BstrText(const VARIANT& v)
{
    return Utf8FromWide({v.bstrVal ? v.bstrVal : OLESTR(""), SysStringLen(v.bstrVal)});
}

std::optional<double> NumberOf(const VARIANT& v)
{
    switch (v.vt) {
    case VT_I2:
        return v.iVal;
    case VT_I4:
        return v.lVal;
    case VT_INT:
        return v.intVal;
    case VT_I1:
        return v.cVal;
    case VT_UI1:
        return v.bVal;
    case VT_UI2:
        return v.uiVal;
    case VT_UI4:
        return v.ulVal;
    case VT_UINT:
        return v.uintVal;
    case VT_I8:
        return static_cast<double>(v.llVal);
    case VT_UI8:
        return static_cast<double>(v.ullVal);
    case VT_R4:
        return v.fltVal;
    case VT_R8:
        return v.dblVal;
    case VT_BOOL:
        return v.boolVal ? -1.0 : 0.0;
    case VT_EMPTY:
        return 0.0;
    default:
        return std::nullopt;
    }
}

std::string_view TrimmedSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<double> NumberFromText(std::string_view text)
{
    text = TrimmedSpaces(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Automation rounds a fraction to the even neighbour when it lies half-way.
HRESULT RoundToLong(double number, std::int32_t& out)
{
    const double rounded = std::nearbyint(number);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        return DISP_E_OVERFLOW;
    out = static_cast<std::int32_t>(rounded);
    return S_OK;
}

std::string NumberText(double number)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

HRESULT ToText(const VARIANT& v, std::string& out)
{
    if (v.vt == VT_BSTR) {
        out = BstrText(v);
        return S_OK;
    }
    if (v.vt == VT_BOOL) {
        out = v.boolVal ? "True" : "False";
        return S_OK;
    }
    if (v.vt == VT_EMPTY) {
        out.clear();
        return S_OK;
    }
    const auto number = NumberOf(v);
    if (!number)
        return DISP_E_TYPEMISMATCH;
    out = NumberText(*number);
    return S_OK;
}

HRESULT ToLong(const VARIANT& v, std::int32_t& out)
{
    if (v.vt == VT_BSTR) {
        const auto number = NumberFromText(BstrText(v));
        return number ? RoundToLong(*number, out) : DISP_E_TYPEMISMATCH;
    }
    if (v.vt == VT_DATE)
        return RoundToLong(v.date, out);
    const auto number = NumberOf(v);
    return number ? RoundToLong(*number, out) : DISP_E_TYPEMISMATCH;
}

HRESULT ToBool(const VARIANT& v, bool& out)
{
    if (v.vt == VT_BSTR) {
        const std::string text(TrimmedSpaces(BstrText(v)));
        if (text == "True" || text == "true" || text == "TRUE") {
            out = true;
            return S_OK;
        }
        if (text == "False" || text == "false" || text == "FALSE") {
            out = false;
            return S_OK;
        }
        const auto number = NumberFromText(text);
        if (!number)
            return DISP_E_TYPEMISMATCH;
        out = *number != 0;
        return S_OK;
    }
    const auto number = v.vt == VT_DATE ? std::optional<double>(v.date) : NumberOf(v);
    if (!number)
        return DISP_E_TYPEMISMATCH;
    out = *number != 0;
    return S_OK;
}

HRESULT ToDate(const VARIANT& v, double& out)
{
    if (v.vt == VT_DATE) {
        out = v.date;
        return S_OK;
    }
    // Text would need the locale's date format; numbers are days as they are.
    if (v.vt == VT_BSTR || v.vt == VT_BOOL)
        return DISP_E_TYPEMISMATCH;
    const auto number = NumberOf(v);
    if (!number)
        return DISP_E_TYPEMISMATCH;
    out = *number;
    return S_OK;
}

}  // namespace

VARIANT Dereferenced(const VARIANT& value)
{
    if ((value.vt & VT_BYREF) == 0)
        return value;
    const auto base = static_cast<VARTYPE>(value.vt & ~VT_BYREF);
    VARIANT out;
    VariantInit(&out);
    if (!value.byref) {
        out.vt = VT_ERROR;
        out.scode = E_POINTER;
        return out;
    }
    if (base == VT_VARIANT)
        return Dereferenced(*value.pvarVal);
    out.vt = base;
    switch (base) {
    case VT_I2:
        out.iVal = *value.piVal;
        break;
    case VT_I4:
        out.lVal = *value.plVal;
        break;
    case VT_R8:
        out.dblVal = *value.pdblVal;
        break;
    case VT_R4:
        out.fltVal = *static_cast<const float*>(value.byref);
        break;
    case VT_UI1:
        out.bVal = *static_cast<const BYTE*>(value.byref);
        break;
    case VT_BOOL:
        out.boolVal = *value.pboolVal;
        break;
    case VT_DATE:
        out.date = *value.pdate;
        break;
    case VT_BSTR:
        out.bstrVal = *value.pbstrVal;
        break;
    case VT_DISPATCH:
        out.pdispVal = *value.ppdispVal;
        break;
    default:
        out.vt = VT_ERROR;
        out.scode = DISP_E_TYPEMISMATCH;
        break;
    }
    return out;
}

HRESULT ToPropertyValue(const VARIANT& value, ValueType type, PropertyValue& out)
{
    const VARIANT v = Dereferenced(value);
    HRESULT hr = DISP_E_TYPEMISMATCH;
    switch (type) {
    case ValueType::Text: {
        std::string text;
        hr = ToText(v, text);
        if (SUCCEEDED(hr))
            out = TextValue(std::move(text));
        break;
    }
    case ValueType::Long: {
        std::int32_t number = 0;
        hr = ToLong(v, number);
        if (SUCCEEDED(hr))
            out = LongValue(number);
        break;
    }
    case ValueType::Bool: {
        bool flag = false;
        hr = ToBool(v, flag);
        if (SUCCEEDED(hr))
            out = BoolValue(flag);
        break;
    }
    case ValueType::Date: {
        double date = 0;
        hr = ToDate(v, date);
        if (SUCCEEDED(hr))
            out = DateValue(date);
        break;
    }
    }
    return hr;
}

HRESULT ToIndex(const VARIANT& value, std::int32_t& out)
{
    const VARIANT v = Dereferenced(value);
    if (v.vt == VT_BSTR || v.vt == VT_EMPTY)
        return DISP_E_TYPEMISMATCH;
    const auto number = NumberOf(v);
    return number ? RoundToLong(*number, out) : DISP_E_TYPEMISMATCH;
}

bool IsMissing(const VARIANT& value)
{
    const VARIANT v = Dereferenced(value);
    return v.vt == VT_EMPTY || (v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND);
}

HRESULT FromPropertyValue(const PropertyValue& value, VARIANT* out)
{
    if (const auto* text = std::get_if<std::string>(&value)) {
        BSTR bstr = BstrFromUtf8(*text);
        if (!bstr)
            return E_OUTOFMEMORY;
        out->vt = VT_BSTR;
        out->bstrVal = bstr;
    } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
        out->vt = VT_I4;
        out->lVal = *number;
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        out->vt = VT_BOOL;
        out->boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* date = std::get_if<double>(&value)) {
        out->vt = VT_DATE;
        out->date = *date;
    }
    return S_OK;
}

BSTR BstrFromUtf8(std::string_view text)
{
    // Most texts are plain ASCII, which widens unit by unit straight into the BSTR.
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        const platform::OleString wide = WideFromUtf8(text);
        return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    }
    BSTR bstr = SysAllocStringLen(nullptr, static_cast<UINT>(text.size()));
    if (bstr)
        std::copy(text.begin(), text.end(), bstr);
    return bstr;
}

std::string Utf8FromWide(platform::OleStringView wide) { return platform::NarrowFromOle(wide); }

platform::OleString WideFromUtf8(std::string_view text) { return platform::OleFromNarrow(text); }

}  // namespace olsim
