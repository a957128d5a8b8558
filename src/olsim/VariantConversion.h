// Between automation VARIANTs and the simulator's property values, converting a put of
// another type as Outlook's automation does (VariantChangeType) or refusing it.
#pragma once

#include "olsim/PropertyValue.h"

#include "platform/WinCompat.h"

#include <string>
#include <string_view>

namespace olsim {

// The value a by-reference VARIANT points at, as a by-value VARIANT that owns nothing.
VARIANT Dereferenced(const VARIANT& value);

// S_OK with the value in the type asked for; DISP_E_TYPEMISMATCH when it has no such
// form, DISP_E_OVERFLOW when a number does not fit.
HRESULT ToPropertyValue(const VARIANT& value, ValueType type, PropertyValue& out);

// A whole number given as a number type (not as text): S_OK, DISP_E_TYPEMISMATCH or
// DISP_E_OVERFLOW.
HRESULT ToIndex(const VARIANT& value, std::int32_t& out);

// True for an optional argument left out (VT_ERROR DISP_E_PARAMNOTFOUND) or VT_EMPTY.
bool IsMissing(const VARIANT& value);

// Writes the value into out, which the caller has initialised; E_OUTOFMEMORY when a
// string cannot be allocated.
HRESULT FromPropertyValue(const PropertyValue& value, VARIANT* out);

std::string Utf8FromWide(platform::OleStringView wide);
// A new BSTR holding the text; null when memory runs out.
BSTR BstrFromUtf8(std::string_view text);
platform::OleString WideFromUtf8(std::string_view text);

}  // namespace olsim
