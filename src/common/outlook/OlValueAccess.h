// Property values as an item state keeps them, got and put through VARIANTs: texts come
// whole and in UTF-8, and an empty text or a zero date is put like any other value (the
// typed puts of CDispCmd send neither).
#pragma once

#include "common/outlook/OlItemState.h"
#include "common/outlook/OlItemSupport.h"

#include <string>
#include <string_view>

// Whether the object has a member of that name; asking logs nothing.
bool HasMember(CDispCmd& object, LPCOLESTR szName);

// The property's value; S_FALSE, value untouched, when it has a type no TOlValue holds.
HRESULT GetValue(CDispCmd& object, LPCOLESTR szName, TOlValue& value);
HRESULT PutValue(CDispCmd& object, LPCOLESTR szName, const TOlValue& value);

// Whether the value has the type that properties of the kind travel in.
bool HasKind(const TOlValue& value, OlPropKind nKind);

std::string Utf8FromWide(platform::OleStringView text);
platform::OleString WideFromUtf8(std::string_view text);
bool IsValidUtf8(std::string_view text);
