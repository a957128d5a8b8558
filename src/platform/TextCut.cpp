#include "platform/win/TextCut.h"

#include <cstring>

namespace {

bool IsContinuationByte(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The byte length a lead byte announces; 1 for ASCII and for bytes that cannot lead.
std::size_t SequenceLength(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

constexpr std::size_t kMaxContinuationBytes = 3;

}  // namespace

std::size_t CutTextLength(std::string_view source, std::size_t maxBytes)
{
    if (maxBytes >= source.size())
        return source.size();

    // Step back over at most the continuation bytes of one character to its lead byte.
    std::size_t start = maxBytes;
    std::size_t stepped = 0;
    while (start > 0 && stepped < kMaxContinuationBytes &&
           IsContinuationByte(static_cast<unsigned char>(source[start]))) {
        --start;
        ++stepped;
    }
    if (IsContinuationByte(static_cast<unsigned char>(source[start])))
        return maxBytes;
    const bool characterCrossesCut = start + SequenceLength(static_cast<unsigned char>(source[start])) > maxBytes;
    return characterCrossesCut ? start : maxBytes;
}

std::size_t CutText(char* dest, std::size_t width, std::string_view source)
{
    if (dest == nullptr || width == 0)
        return 0;
    const std::size_t length = CutTextLength(source, width - 1);
    if (length > 0)
        std::memmove(dest, source.data(), length);
    dest[length] = '\0';
    return length;
}
