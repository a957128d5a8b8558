#include "platform/win/CodePage.h"

#include <cstring>
#include <limits>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded {
    char32_t codePoint;
    std::size_t length;  // units consumed
    bool valid;
};

bool IsAnsiCodePage(UINT codePage)
{
    return codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP || codePage == CP_UTF8;
}

bool InRange(unsigned char byte, unsigned char low, unsigned char high) { return byte >= low && byte <= high; }

// One UTF-8 character, or the longest prefix of one that could have been valid: that
// prefix becomes a single replacement character, and decoding goes on after it.
Decoded DecodeUtf8(const unsigned char* text, std::size_t count)
{
    const unsigned char lead = text[0];
    if (lead < 0x80)
        return {lead, 1, true};

    std::size_t trailing = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    char32_t codePoint = 0;
    if (InRange(lead, 0xC2, 0xDF)) {
        trailing = 1;
        codePoint = lead & 0x1F;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        trailing = 2;
        codePoint = lead & 0x0F;
        if (lead == 0xE0)
            secondLow = 0xA0;  // no overlong forms
        else if (lead == 0xED)
            secondHigh = 0x9F;  // no surrogates
    } else if (InRange(lead, 0xF0, 0xF4)) {
        trailing = 3;
        codePoint = lead & 0x07;
        if (lead == 0xF0)
            secondLow = 0x90;
        else if (lead == 0xF4)
            secondHigh = 0x8F;  // nothing above U+10FFFF
    } else {
        return {kReplacement, 1, false};
    }

    for (std::size_t i = 1; i <= trailing; ++i) {
        const unsigned char low = i == 1 ? secondLow : 0x80;
        const unsigned char high = i == 1 ? secondHigh : 0xBF;
        if (i >= count || !InRange(text[i], low, high))
            return {kReplacement, i, false};
        codePoint = (codePoint << 6) | (text[i] & 0x3F);
    }
    return {codePoint, trailing + 1, true};
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

Decoded DecodeUtf16(const char16_t* text, std::size_t count)
{
    const char16_t first = text[0];
    if (IsHighSurrogate(first) && count > 1 && IsLowSurrogate(text[1]))
        return {0x10000 + ((char32_t{first} - 0xD800) << 10) + (char32_t{text[1]} - 0xDC00), 2, true};
    if (IsHighSurrogate(first) || IsLowSurrogate(first))
        return {kReplacement, 1, false};
    return {first, 1, true};
}

std::size_t EncodeUtf16(char32_t codePoint, char16_t* out)
{
    if (codePoint < 0x10000) {
        out[0] = static_cast<char16_t>(codePoint);
        return 1;
    }
    codePoint -= 0x10000;
    out[0] = static_cast<char16_t>(0xD800 + (codePoint >> 10));
    out[1] = static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
    return 2;
}

std::size_t EncodeUtf8(char32_t codePoint, char* out)
{
    auto byte = [](char32_t value) { return static_cast<char>(static_cast<unsigned char>(value)); };
    if (codePoint < 0x80) {
        out[0] = byte(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = byte(0xC0 | (codePoint >> 6));
        out[1] = byte(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = byte(0xE0 | (codePoint >> 12));
        out[1] = byte(0x80 | ((codePoint >> 6) & 0x3F));
        out[2] = byte(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = byte(0xF0 | (codePoint >> 18));
    out[1] = byte(0x80 | ((codePoint >> 12) & 0x3F));
    out[2] = byte(0x80 | ((codePoint >> 6) & 0x3F));
    out[3] = byte(0x80 | (codePoint & 0x3F));
    return 4;
}

// Walks the source character by character and writes whole characters only; with a
// capacity of 0 it just counts.
template <typename In, typename Out, typename Decode, typename Encode>
int Convert(const In* source, int sourceCount, Out* target, int capacity, bool failOnInvalid, Decode decode,
            Encode encode)
{
    if (!source || sourceCount == 0 || sourceCount < -1 || capacity < 0 || (capacity > 0 && !target))
        return 0;
    std::size_t count = 0;
    if (sourceCount == -1) {
        while (source[count] != 0)
            ++count;
        ++count;  // the terminator is converted too
    } else {
        count = static_cast<std::size_t>(sourceCount);
    }

    const std::size_t limit = static_cast<std::size_t>(capacity);
    std::size_t written = 0;
    for (std::size_t at = 0; at < count;) {
        // Most text is ASCII, which is the same unit in both encodings.
        if (source[at] < 0x80) {
            if (limit > 0) {
                if (written == limit)
                    return 0;
                target[written] = static_cast<Out>(source[at]);
            }
            ++at;
            if (++written > static_cast<std::size_t>(std::numeric_limits<int>::max()))
                return 0;
            continue;
        }
        const Decoded character = decode(source + at, count - at);
        if (!character.valid && failOnInvalid)
            return 0;
        at += character.length;
        Out encoded[4];
        const std::size_t size = encode(character.codePoint, encoded);
        if (limit > 0) {
            if (written + size > limit) {
                std::memset(target + written, 0, (limit - written) * sizeof(Out));
                return 0;
            }
            std::memcpy(target + written, encoded, size * sizeof(Out));
        }
        written += size;
        if (written > static_cast<std::size_t>(std::numeric_limits<int>::max()))
            return 0;
    }
    return static_cast<int>(written);
}

}  // namespace

UINT GetACP() { return CP_UTF8; }

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar)
{
    if (!IsAnsiCodePage(CodePage))
        return 0;
    return Convert(
        reinterpret_cast<const unsigned char*>(lpMultiByteStr), cbMultiByte, lpWideCharStr, cchWideChar,
        (dwFlags & MB_ERR_INVALID_CHARS) != 0, DecodeUtf8, EncodeUtf16);
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        BOOL* lpUsedDefaultChar)
{
    if (!IsAnsiCodePage(CodePage) || lpDefaultChar || lpUsedDefaultChar)
        return 0;
    return Convert(lpWideCharStr, cchWideChar, lpMultiByteStr, cbMultiByte,
                   (dwFlags & WC_ERR_INVALID_CHARS) != 0, DecodeUtf16, EncodeUtf8);
}
