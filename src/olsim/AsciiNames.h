// Automation names compare without regard to ASCII case; these let hash tables look them
// up that way without building a lower-case copy.
#pragma once

#include <cstddef>
#include <string_view>

namespace olsim {

constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameAsciiName(std::string_view a, std::string_view b);

struct AsciiCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};

struct AsciiCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return SameAsciiName(a, b); }
};

}  // namespace olsim
