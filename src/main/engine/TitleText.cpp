#include "main/engine/TitleText.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

// Latin letters that compare as one base text, capitals and small letters alike.
struct TLatinFold {
    char32_t first;
    char32_t last;
    std::string_view base;
};

constexpr TLatinFold kLatinFolds[] = {
    // Latin-1: the ordinal indicators of "Nº" and "1ª" count as letters.
    {0x00AA, 0x00AA, "a"},  {0x00BA, 0x00BA, "o"},  {0x00C0, 0x00C5, "a"},  {0x00C6, 0x00C6, "ae"},
    {0x00C7, 0x00C7, "c"},  {0x00C8, 0x00CB, "e"},  {0x00CC, 0x00CF, "i"},  {0x00D0, 0x00D0, "d"},
    {0x00D1, 0x00D1, "n"},  {0x00D2, 0x00D6, "o"},  {0x00D8, 0x00D8, "o"},  {0x00D9, 0x00DC, "u"},
    {0x00DD, 0x00DD, "y"},  {0x00DE, 0x00DE, "th"}, {0x00DF, 0x00DF, "ss"}, {0x00E0, 0x00E5, "a"},
    {0x00E6, 0x00E6, "ae"}, {0x00E7, 0x00E7, "c"},  {0x00E8, 0x00EB, "e"},  {0x00EC, 0x00EF, "i"},
    {0x00F0, 0x00F0, "d"},  {0x00F1, 0x00F1, "n"},  {0x00F2, 0x00F6, "o"},  {0x00F8, 0x00F8, "o"},
    {0x00F9, 0x00FC, "u"},  {0x00FD, 0x00FD, "y"},  {0x00FE, 0x00FE, "th"}, {0x00FF, 0x00FF, "y"},
    // Latin Extended-A: its letters come in runs of one base letter.
    {0x0100, 0x0105, "a"},  {0x0106, 0x010D, "c"},  {0x010E, 0x0111, "d"},  {0x0112, 0x011B, "e"},
    {0x011C, 0x0123, "g"},  {0x0124, 0x0127, "h"},  {0x0128, 0x0131, "i"},  {0x0132, 0x0133, "ij"},
    {0x0134, 0x0135, "j"},  {0x0136, 0x0138, "k"},  {0x0139, 0x0142, "l"},  {0x0143, 0x014B, "n"},
    {0x014C, 0x0151, "o"},  {0x0152, 0x0153, "oe"}, {0x0154, 0x0159, "r"},  {0x015A, 0x0161, "s"},
    {0x0162, 0x0167, "t"},  {0x0168, 0x0173, "u"},  {0x0174, 0x0175, "w"},  {0x0176, 0x0178, "y"},
    {0x0179, 0x017E, "z"},  {0x017F, 0x017F, "s"},
};
// Below this every letter is ASCII or in kLatinFolds; the rest of the range is dropped.
constexpr char32_t kEndOfFoldedLatin = 0x0180;

// Greek and Cyrillic capitals, whose small letters lie nShift code points further on.
struct TCaseRun {
    char32_t first;
    char32_t last;
    char32_t nShift;
};

constexpr TCaseRun kCaseRuns[] = {
    {0x0386, 0x0386, 0x26}, {0x0388, 0x038A, 0x25}, {0x038C, 0x038C, 0x40}, {0x038E, 0x038F, 0x3F},
    {0x0391, 0x03A1, 0x20}, {0x03A3, 0x03AB, 0x20},
    {0x03C2, 0x03C2, 0x01},  // final sigma compares as sigma
    {0x0400, 0x040F, 0x50}, {0x0410, 0x042F, 0x20},
};

// Marks, punctuation and symbols beyond Latin-1 that titles carry: none names anything.
struct TCharRun {
    char32_t first;
    char32_t last;
};

constexpr TCharRun kDroppedRuns[] = {
    {0x0300, 0x036F},    // combining accents, so that a decomposed "é" compares as "e"
    {0x0483, 0x0489},    // Cyrillic combining marks
    {0x1AB0, 0x1AFF},    // combining marks, extended
    {0x1DC0, 0x1DFF},    // combining marks, supplement
    {0x2000, 0x2BFF},    // punctuation, super- and subscripts, currency, arrows, maths, shapes
    {0x2E00, 0x2E7F},    // supplemental punctuation
    {0x3000, 0x303F},    // CJK punctuation
    {0xE000, 0xF8FF},    // private use
    {0xFE00, 0xFE0F},    // variation selectors
    {0xFE20, 0xFE6F},    // combining half marks, CJK compatibility and small forms
    {0xFEFF, 0xFEFF},    // byte-order mark
    {0xFF00, 0xFF0F},    // fullwidth punctuation
    {0xFF1A, 0xFF20},
    {0xFF3B, 0xFF40},
    {0xFF5B, 0xFF65},
    {0x1F000, 0x1FAFF},  // emoji and pictographs
};

// The run of the table that holds ch, else null.
template <class TRun, std::size_t N>
const TRun* FindRun(const TRun (&runs)[N], char32_t ch)
{
    const auto* pRun = std::find_if(std::begin(runs), std::end(runs),
                                    [ch](const TRun& run) { return ch >= run.first && ch <= run.last; });
    return pRun == std::end(runs) ? nullptr : pRun;
}

struct TDecoded {
    char32_t ch;
    std::size_t nBytes;  // 1 for a byte that starts no valid character
    bool bValid;
};

// The character at the start of the non-empty text.
TDecoded DecodeUtf8(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    constexpr TDecoded kInvalid{0, 1, false};
    if (lead < 0x80)
        return {lead, 1, true};
    std::size_t nBytes = 0;
    char32_t ch = 0;
    char32_t smallest = 0;  // anything below is an overlong form
    if ((lead & 0xE0) == 0xC0) {
        nBytes = 2;
        ch = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        nBytes = 3;
        ch = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        nBytes = 4;
        ch = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return kInvalid;
    }
    if (text.size() < nBytes)
        return kInvalid;
    for (std::size_t i = 1; i < nBytes; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80)
            return kInvalid;
        ch = (ch << 6) | (byte & 0x3Fu);
    }
    if (ch < smallest || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return kInvalid;
    return {ch, nBytes, true};
}

void AppendUtf8(char32_t ch, std::string& out)
{
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

void AppendKeyOf(char32_t ch, std::string& key)
{
    if (ch < 0x80) {
        if (ch >= 'A' && ch <= 'Z')
            key += static_cast<char>(ch - 'A' + 'a');
        else if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9'))
            key += static_cast<char>(ch);
        return;
    }
    if (ch < kEndOfFoldedLatin) {
        if (const TLatinFold* pFold = FindRun(kLatinFolds, ch))
            key += pFold->base;
        return;
    }
    if (FindRun(kDroppedRuns, ch) != nullptr)
        return;
    const TCaseRun* pCase = FindRun(kCaseRuns, ch);
    AppendUtf8(pCase ? ch + pCase->nShift : ch, key);
}

}  // namespace

std::string TitleKey(std::string_view title)
{
    std::string key;
    key.reserve(title.size());
    while (!title.empty()) {
        const TDecoded decoded = DecodeUtf8(title);
        if (decoded.bValid)
            AppendKeyOf(decoded.ch, key);
        title.remove_prefix(decoded.nBytes);
    }
    return key;
}
