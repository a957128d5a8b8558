// Small text helpers of the command line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Equal when ASCII letters are compared without regard to case; other bytes must match.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// The text in double quotes, as messages name what the user wrote.
std::string Quoted(std::string_view text);
// Without the spaces and tabs at either end.
std::string_view Trimmed(std::string_view text);
// The text on one line (each line break, and each tab, a space), cut at a whole character to
// at most nMaxBytes bytes, "..." added when it was cut.
std::string OneLine(std::string_view text, std::size_t nMaxBytes);
