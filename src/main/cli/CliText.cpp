#include "main/cli/CliText.h"

#include "platform/WinCompat.h"

#include <algorithm>

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted.append(text);
    quoted += '"';
    return quoted;
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t nFirst = text.find_first_not_of(" \t");
    if (nFirst == std::string_view::npos)
        return {};
    return text.substr(nFirst, text.find_last_not_of(" \t") - nFirst + 1);
}

std::string OneLine(std::string_view text, std::size_t nMaxBytes)
{
    std::string line;
    for (std::size_t nPos = 0; nPos < text.size(); ++nPos) {
        const char c = text[nPos];
        if (c == '\r' && nPos + 1 < text.size() && text[nPos + 1] == '\n')
            continue;  // the line feed after it makes the space
        line += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
    }
    if (line.size() <= nMaxBytes)
        return line;
    constexpr std::string_view kCut = "...";
    line.resize(CutTextLength(line, nMaxBytes > kCut.size() ? nMaxBytes - kCut.size() : 0));
    return line + std::string(kCut);
}
