// Private-profile (INI) files: "[section]" headers and "key=value" lines.
// Sections and keys match without regard to ASCII case; white space around keys and
// values is ignored; lines starting with ';' or '#' are comments.
#pragma once

#include "platform/win/Types.h"

#ifdef _WIN32
#include "platform/win/WindowsHeaders.h"
#else

// Copies the value of key in section to lpReturnedString, without the quotation marks when
// matching single or double ones enclose it, else lpDefault (null meaning empty) less its
// trailing spaces, cut to nSize - 1 bytes without splitting a character, and returns the
// bytes copied.
// A missing file reads as empty. With lpKeyName null the buffer receives the section's key
// names, with lpAppName null the file's section names, each terminated, the list ending in
// an extra terminator.
DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName);

// Sets key in section to lpString, adding the section or key when missing; lpString null
// removes the key and lpKeyName null the whole section. Other sections, keys and comment lines
// stay as they were. The file is created when its folder exists and is replaced atomically.
// Fails for names or values that would break the file's structure (line breaks, '=' in a
// key, ']' in a section name).
BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName);

#endif  // _WIN32
