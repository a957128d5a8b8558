// Copying one fixed-width text member into another of the same width.
#pragma once

#include "platform/WinCompat.h"

#include <cstddef>
#include <cstring>
#include <string_view>

// Replaces target with source unless source is empty, so an update never clears a text
// (as writing to Outlook never clears one). target and source may be the same member.
template <std::size_t N>
void CommCopyTextUnlessEmpty(char (&target)[N], const char (&source)[N])
{
    if (source[0] != '\0')
        CutText(target, N, std::string_view(source, strnlen(source, N - 1)));
}
