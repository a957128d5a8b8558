// Cutting narrow text to a fixed-width buffer. The narrow code page is UTF-8, so a cut
// never splits a character: it falls before the character that would not fit whole.
#pragma once

#include "platform/win/Types.h"

#include <cstddef>
#include <string_view>

// Copies source, cut to width - 1 bytes, into dest and terminates it; nothing is written
// for a null dest or a width of 0. Returns the number of bytes copied.
std::size_t CutText(char* dest, std::size_t width, std::string_view source);

// The length of the longest prefix of source of at most maxBytes bytes that ends on a
// character boundary. Bytes that are not UTF-8 count as characters of their own.
std::size_t CutTextLength(std::string_view source, std::size_t maxBytes);
