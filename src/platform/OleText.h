// Automation text: strings of OLECHAR, which is wchar_t on Windows and char16_t elsewhere,
// and whose literals are written OLESTR("...").
#pragma once

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else
#include "platform/win/Types.h"
#endif

#include <string>
#include <string_view>

namespace platform {

using OleString = std::basic_string<OLECHAR>;
using OleStringView = std::basic_string_view<OLECHAR>;

}  // namespace platform
