#include "common/misc/CsvEncoding.h"

#include "common/misc/CxFile.h"
#include "platform/WinCompat.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

// UTF-16 units as the code page functions take them.
using WideText = std::basic_string<WCHAR>;
using WideTextView = std::basic_string_view<WCHAR>;

// The platform conversions count in int; no piece handed to them is longer than this.
constexpr std::size_t kChunk = std::size_t{1} << 20;

constexpr std::string_view kUtf16LeByteOrderMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeByteOrderMark = "\xFE\xFF";

// UTF-16 without a byte-order mark is told from the start of the file only.
constexpr std::size_t kUtf16SampleBytes = 4096;
// Whether a file is text is judged from its first characters: more than one control
// character in kControlShare means a binary file or a wrong encoding.
constexpr std::size_t kTextSampleCharacters = 65536;
constexpr std::size_t kControlShare = 20;

// The characters of the Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves
// free stand for the control characters of the same number, as Windows reads them.
constexpr WCHAR kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

unsigned char ByteAt(std::string_view bytes, std::size_t nIndex) { return static_cast<unsigned char>(bytes[nIndex]); }

bool IsUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool IsHighSurrogate(WCHAR unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// The length of the next piece of UTF-8 bytes to convert: at most kChunk, cut before a
// byte that begins a character, so that neither a character nor an invalid sequence (at
// most four bytes) is split in two.
std::size_t Utf8PieceLength(std::string_view bytes)
{
    if (bytes.size() <= kChunk)
        return bytes.size();
    for (std::size_t nCut = kChunk; nCut > kChunk - 4; --nCut)
        if (!IsUtf8Continuation(ByteAt(bytes, nCut)))
            return nCut;
    return kChunk;
}

void AppendUtf16AsUtf8(WideTextView units, std::string& out)
{
    if (units.empty())
        return;
    const int nUnits = static_cast<int>(units.size());
    const int nBytes = WideCharToMultiByte(CP_UTF8, 0, units.data(), nUnits, nullptr, 0, nullptr, nullptr);
    const std::size_t nAt = out.size();
    out.resize(nAt + static_cast<std::size_t>(nBytes));
    WideCharToMultiByte(CP_UTF8, 0, units.data(), nUnits, out.data() + nAt, nBytes, nullptr, nullptr);
}

// Collects UTF-16 units and appends them to a UTF-8 text a piece at a time. A surrogate
// pair is never split between two pieces, which would make it two replacement characters.
class TUtf8Appender {
public:
    // nUnits, the number of units to come, sizes the buffers.
    TUtf8Appender(std::string& out, std::size_t nUnits)
        : m_out(out)
    {
        m_units.reserve(std::min(nUnits, kChunk));
        m_out.reserve(m_out.size() + nUnits);
    }

    void Put(WCHAR unit)
    {
        m_units.push_back(unit);
        if (m_units.size() == kChunk)
            Flush(false);
    }

    void Finish() { Flush(true); }

private:
    void Flush(bool bLast)
    {
        std::size_t nUnits = m_units.size();
        if (!bLast && nUnits > 0 && IsHighSurrogate(m_units[nUnits - 1]))
            --nUnits;
        AppendUtf16AsUtf8(WideTextView(m_units).substr(0, nUnits), m_out);
        m_units.erase(0, nUnits);
    }

    std::string& m_out;
    WideText m_units;
};

// Most of a CSV file is ASCII, which eight bytes at a time tell apart far faster than the
// character-by-character check of UTF-8.
bool IsAscii(std::string_view bytes)
{
    std::uint64_t seen = 0;
    std::size_t nAt = 0;
    for (; nAt + sizeof seen <= bytes.size(); nAt += sizeof seen) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + nAt, sizeof word);
        seen |= word;
    }
    for (; nAt < bytes.size(); ++nAt)
        seen |= ByteAt(bytes, nAt);
    return (seen & 0x8080808080808080u) == 0;
}

bool IsValidUtf8Piece(std::string_view piece)
{
    return IsAscii(piece)
           || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, piece.data(), static_cast<int>(piece.size()), nullptr, 0)
                  > 0;
}

// Valid UTF-8 is copied as it is; false at the first invalid sequence, out then holding a
// part of it. Detection decodes this way, so that a valid file is read once, not twice.
bool AppendValidUtf8(std::string_view bytes, std::string& out)
{
    out.reserve(out.size() + bytes.size());
    while (!bytes.empty()) {
        const std::string_view piece = bytes.substr(0, Utf8PieceLength(bytes));
        if (!IsValidUtf8Piece(piece))
            return false;
        out.append(piece);
        bytes.remove_prefix(piece.size());
    }
    return true;
}

// Valid UTF-8 is copied as it is; each invalid sequence becomes U+FFFD.
void AppendUtf8(std::string_view bytes, std::string& out)
{
    out.reserve(out.size() + bytes.size());
    WideText units;
    while (!bytes.empty()) {
        const std::string_view piece = bytes.substr(0, Utf8PieceLength(bytes));
        bytes.remove_prefix(piece.size());
        if (IsValidUtf8Piece(piece)) {
            out.append(piece);
            continue;
        }
        const int nBytes = static_cast<int>(piece.size());
        units.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, piece.data(), nBytes, nullptr, 0)));
        MultiByteToWideChar(CP_UTF8, 0, piece.data(), nBytes, units.data(), static_cast<int>(units.size()));
        AppendUtf16AsUtf8(units, out);
    }
}

void AppendWindows1252(std::string_view bytes, std::string& out)
{
    TUtf8Appender appender(out, bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        appender.Put(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : WCHAR{byte});
    }
    appender.Finish();
}

// An odd last byte is no unit and is left out.
void AppendUtf16(std::string_view bytes, bool bBigEndian, std::string& out)
{
    TUtf8Appender appender(out, bytes.size() / 2);
    const std::size_t nHigh = bBigEndian ? 0 : 1;
    for (std::size_t nAt = 0; nAt + 1 < bytes.size(); nAt += 2)
        appender.Put(static_cast<WCHAR>(ByteAt(bytes, nAt + nHigh) << 8 | ByteAt(bytes, nAt + 1 - nHigh)));
    appender.Finish();
}

// The delimiters, line ends and digits of a CSV file in UTF-16 have a zero high byte, even
// where the values are in other scripts; text that is not UTF-16 hardly ever holds a zero.
bool LooksLikeUtf16(std::string_view bytes, bool bBigEndian)
{
    if (bytes.empty() || bytes.size() % 2 != 0)
        return false;
    const std::string_view sample = bytes.substr(0, kUtf16SampleBytes);
    const std::size_t nHigh = bBigEndian ? 0 : 1;
    std::size_t nZeroHigh = 0;
    std::size_t nZeroLow = 0;
    for (std::size_t nAt = 0; nAt < sample.size(); nAt += 2) {
        nZeroHigh += sample[nAt + nHigh] == '\0';
        nZeroLow += sample[nAt + 1 - nHigh] == '\0';
    }
    const std::size_t nUnits = sample.size() / 2;
    // One zero may be a stray byte; a delimiter and a line end make two.
    return nZeroHigh >= 2 && nZeroHigh * 10 >= nUnits && nZeroLow * 20 <= nUnits;
}

// Tab, CR and LF are the only control characters a CSV file needs.
bool LooksLikeText(std::string_view text)
{
    std::size_t nCharacters = 0;
    std::size_t nControls = 0;
    for (std::size_t nAt = 0; nAt < text.size() && nCharacters < kTextSampleCharacters; ++nAt) {
        const unsigned char byte = ByteAt(text, nAt);
        if (IsUtf8Continuation(byte))
            continue;
        ++nCharacters;
        const bool bC0 = byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n';
        const bool bC1 = byte == 0xC2 && nAt + 1 < text.size() && ByteAt(text, nAt + 1) < 0xA0;  // U+0080 to U+009F
        nControls += bC0 || byte == 0x7F || bC1;
    }
    return nControls * kControlShare <= nCharacters;
}

// Without a byte-order mark or the zeros of UTF-16, UTF-8 is what decoding it tells.
TCsvEncoding DetectEncoding(std::string_view bytes)
{
    if (bytes.starts_with(CsvUtf8ByteOrderMark()))
        return TCsvEncoding::Utf8Bom;
    if (bytes.starts_with(kUtf16LeByteOrderMark))
        return TCsvEncoding::Utf16Le;
    if (bytes.starts_with(kUtf16BeByteOrderMark))
        return TCsvEncoding::Utf16Be;
    if (LooksLikeUtf16(bytes, false))
        return TCsvEncoding::Utf16Le;
    if (LooksLikeUtf16(bytes, true))
        return TCsvEncoding::Utf16Be;
    return TCsvEncoding::Utf8;
}

TCsvEncoding EncodingOf(std::string_view bytes, TCsvEncodingChoice choice)
{
    switch (choice) {
    case TCsvEncodingChoice::Utf8:
        return bytes.starts_with(CsvUtf8ByteOrderMark()) ? TCsvEncoding::Utf8Bom : TCsvEncoding::Utf8;
    case TCsvEncodingChoice::Windows1252:
        return TCsvEncoding::Windows1252;
    case TCsvEncodingChoice::Utf16:
        return bytes.starts_with(kUtf16BeByteOrderMark) ? TCsvEncoding::Utf16Be : TCsvEncoding::Utf16Le;
    case TCsvEncodingChoice::Detect:
        break;
    }
    return DetectEncoding(bytes);
}

std::string_view WithoutPrefix(std::string_view bytes, std::string_view prefix)
{
    return bytes.starts_with(prefix) ? bytes.substr(prefix.size()) : bytes;
}

}  // namespace

TCsvFileText DecodeCsvBytes(std::string_view bytes, TCsvEncodingChoice choice)
{
    TCsvFileText result;
    result.nEncoding = EncodingOf(bytes, choice);
    const bool bUtf8Detected = choice == TCsvEncodingChoice::Detect && result.nEncoding == TCsvEncoding::Utf8;
    if (bUtf8Detected && !AppendValidUtf8(bytes, result.szText)) {
        result.szText.clear();
        result.nEncoding = TCsvEncoding::Windows1252;
    }
    switch (result.nEncoding) {
    case TCsvEncoding::Utf8:
    case TCsvEncoding::Utf8Bom:
        if (!bUtf8Detected)
            AppendUtf8(WithoutPrefix(bytes, CsvUtf8ByteOrderMark()), result.szText);
        break;
    case TCsvEncoding::Windows1252:
        AppendWindows1252(bytes, result.szText);
        break;
    case TCsvEncoding::Utf16Le:
    case TCsvEncoding::Utf16Be: {
        const bool bBigEndian = result.nEncoding == TCsvEncoding::Utf16Be;
        const std::string_view units =
            WithoutPrefix(bytes, bBigEndian ? kUtf16BeByteOrderMark : kUtf16LeByteOrderMark);
        result.bDroppedOddByte = units.size() % 2 != 0;
        AppendUtf16(units, bBigEndian, result.szText);
        break;
    }
    }
    result.bLooksLikeText = LooksLikeText(result.szText);
    return result;
}

bool LoadCsvFileText(const char* szPath, TCsvEncodingChoice choice, TCsvFileText& out)
{
    try {
        std::string bytes;
        CxFile file;
        if (!file.Open(szPath, "rb") || !file.ReadRest(bytes))
            return false;
        out = DecodeCsvBytes(bytes, choice);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

const char* CsvEncodingName(TCsvEncoding nEncoding)
{
    switch (nEncoding) {
    case TCsvEncoding::Utf8:
        return "UTF-8";
    case TCsvEncoding::Utf8Bom:
        return "UTF-8 with byte-order mark";
    case TCsvEncoding::Utf16Le:
        return "UTF-16 LE";
    case TCsvEncoding::Utf16Be:
        return "UTF-16 BE";
    case TCsvEncoding::Windows1252:
        break;
    }
    return "Windows-1252";
}
