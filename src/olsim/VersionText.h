// Four-part file versions ("16.0.0.0") as the profile records them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace olsim {

inline constexpr std::string_view kDefaultOutlookVersion = "16.0.0.0";

using VersionParts = std::array<int, 4>;

// Four decimal numbers of 0 to 65535 joined by dots; none for anything else.
std::optional<VersionParts> ParseVersion(std::string_view text);
std::string VersionToText(const VersionParts& parts);

}  // namespace olsim
