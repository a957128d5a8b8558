// Whole texts between a narrow code page and automation text. A text cut to fit is cut
// here, after the conversion, so it keeps whole characters on any system: Windows' own
// conversion functions leave a buffer that is too small undefined.
#pragma once

#include "platform/OleText.h"
#include "platform/win/CodePage.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

std::string NarrowFromOle(OleStringView text, UINT codePage = CP_ACP);
OleString OleFromNarrow(std::string_view text, UINT codePage = CP_ACP);

// The length of the longest prefix of text of at most maxUnits units that does not end
// between the two halves of a surrogate pair.
std::size_t CutOleLength(OleStringView text, std::size_t maxUnits);

}  // namespace platform
