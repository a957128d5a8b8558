#include "olsim/VersionText.h"

#include <charconv>

namespace olsim {

std::optional<VersionParts> ParseVersion(std::string_view text)
{
    VersionParts parts{};
    const char* cursor = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t index = 0; index < parts.size(); ++index) {
        if (index > 0) {
            if (cursor == end || *cursor != '.')
                return std::nullopt;
            ++cursor;
        }
        if (cursor == end || *cursor < '0' || *cursor > '9')
            return std::nullopt;
        const auto [next, error] = std::from_chars(cursor, end, parts[index]);
        if (error != std::errc() || parts[index] > 65535)
            return std::nullopt;
        cursor = next;
    }
    if (cursor != end)
        return std::nullopt;
    return parts;
}

std::string VersionToText(const VersionParts& parts)
{
    return std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." + std::to_string(parts[2]) + "." +
           std::to_string(parts[3]);
}

}  // namespace olsim
