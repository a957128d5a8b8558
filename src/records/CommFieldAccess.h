// Reading a record member through its field row.
#pragma once

#include "records/CommFieldRow.h"

#include <cstring>
#include <string_view>

template <typename T>
T CommReadMember(const CommFieldRow& row, const void* pRec)
{
    T value;
    std::memcpy(&value, static_cast<const char*>(pRec) + row.nOffset, sizeof value);
    return value;
}

// The member's text, at most its width less one byte, so an unterminated member is safe.
inline std::string_view CommMemberText(const CommFieldRow& row, const void* pRec)
{
    const char* text = static_cast<const char*>(pRec) + row.nOffset;
    return {text, strnlen(text, row.nWidth - 1)};
}
