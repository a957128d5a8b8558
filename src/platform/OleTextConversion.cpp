#include "platform/OleTextConversion.h"

namespace platform {

std::string NarrowFromOle(OleStringView text, UINT codePage)
{
    if (text.empty())
        return {};
    const int nUnits = static_cast<int>(text.size());
    std::string narrow(
        static_cast<std::size_t>(WideCharToMultiByte(codePage, 0, text.data(), nUnits, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(codePage, 0, text.data(), nUnits, narrow.data(), static_cast<int>(narrow.size()), nullptr,
                        nullptr);
    return narrow;
}

OleString OleFromNarrow(std::string_view text, UINT codePage)
{
    if (text.empty())
        return {};
    const int nBytes = static_cast<int>(text.size());
    OleString wide(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(), nBytes, nullptr, 0)),
                   OLECHAR('\0'));
    MultiByteToWideChar(codePage, 0, text.data(), nBytes, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::size_t CutOleLength(OleStringView text, std::size_t maxUnits)
{
    if (text.size() <= maxUnits)
        return text.size();
    const auto isLowSurrogate = [](OLECHAR unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    return maxUnits > 0 && isLowSurrogate(text[maxUnits]) ? maxUnits - 1 : maxUnits;
}

}  // namespace platform
