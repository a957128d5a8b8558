#include "olsim/AsciiNames.h"

#include <algorithm>

namespace olsim {

bool SameAsciiName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::size_t AsciiCaseHash::operator()(std::string_view name) const
{
    // FNV-1a over the lower-case bytes.
    std::size_t hash = 14695981039346656037ull;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace olsim
