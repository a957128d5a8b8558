// Conversions between the narrow "ANSI" code page and UTF-16. The ANSI code page here is
// UTF-8, so every narrow text the program holds is UTF-8.
#pragma once

#include "platform/win/Types.h"

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

inline constexpr UINT CP_ACP = 0;
inline constexpr UINT CP_OEMCP = 1;
inline constexpr UINT CP_THREAD_ACP = 3;
inline constexpr UINT CP_UTF8 = 65001;

// Fail on malformed input instead of replacing it.
inline constexpr DWORD MB_ERR_INVALID_CHARS = 0x00000008;
inline constexpr DWORD WC_ERR_INVALID_CHARS = 0x00000080;

// The ANSI code page of the process: always CP_UTF8.
UINT GetACP();

// Decodes cbMultiByte bytes (-1: up to and including the terminator). Malformed UTF-8
// becomes U+FFFD, one per maximal invalid sequence. With cchWideChar 0 the result is the
// number of UTF-16 units needed. Returns the units written, or 0 on failure: an unknown
// code page, a count of 0, MB_ERR_INVALID_CHARS on malformed input, or a buffer too small.
// A buffer too small still receives every whole character that fits, and the units after
// them are set to 0; Windows leaves such a buffer undefined, so the program converts whole
// texts and cuts them afterwards (platform/OleTextConversion.h).
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar);

// Encodes cchWideChar UTF-16 units (-1: up to and including the terminator). A lone
// surrogate becomes U+FFFD. lpDefaultChar and lpUsedDefaultChar must be null, as for
// UTF-8 on Windows. Results and the too-small buffer follow MultiByteToWideChar: whole
// UTF-8 characters only, the bytes after them set to 0.
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        BOOL* lpUsedDefaultChar);

#endif  // _WIN32
